// Map thumbnails: at most 60 x 60 fields of a file, coloured by terrain.
#include <vector>

#include "menu_wspolne.h"

namespace {

class MiniaturaTest : public MenuTest {
 protected:
  std::vector<wywolanie_rysowania> rysuj(const std::string& dane, int skala = 1) {
    zapisz_plik("mapa.map", dane);
    ekran.wyczysc();
    m.miniatura("mapa.map", 100, 200, skala);
    return ekran.wywolania;
  }
};

TEST_F(MiniaturaTest, DlugiPlikLiczySieDo3600Znakow) {
  auto w = rysuj(std::string(5000, '3'));
  ASSERT_EQ(w.size(), 3600u);
  EXPECT_EQ(w.back().co, "prostokat");
  EXPECT_EQ(w.back().a, 100 + 59);
  EXPECT_EQ(w.back().b, 200 + 59);
  EXPECT_EQ(w.back().e, makecol(14, 15, 141));
}

TEST_F(MiniaturaTest, KrotkiPlikZostawiaResztePusta) {
  auto w = rysuj("12345678");
  ASSERT_EQ(w.size(), 8u);
  const int kolory[8][3] = {{34, 94, 18},  {14, 28, 5},  {14, 15, 141},   {128, 3, 3},
                            {200, 200, 200}, {70, 3, 3}, {100, 100, 100}, {255, 255, 0}};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(w[c].a, 100 + c);
    EXPECT_EQ(w[c].b, 200);
    EXPECT_EQ(w[c].c, 100 + c);  // a 1 x 1 square
    EXPECT_EQ(w[c].e, makecol(kolory[c][0], kolory[c][1], kolory[c][2]));
  }
}

TEST_F(MiniaturaTest, BrakujacyPustyIObcyPlikNicNieRysuja) {
  ekran.wyczysc();
  m.miniatura("nie_ma_takiej.map", 0, 0, 1);
  EXPECT_TRUE(ekran.wywolania.empty());
  EXPECT_TRUE(rysuj("").empty());
  EXPECT_TRUE(rysuj(std::string(3600, '0')).empty());
  EXPECT_TRUE(rysuj("9\n abc").empty());
  m.miniatura(nullptr, 0, 0, 1);
  EXPECT_TRUE(rysuj("111", 0).empty());
}

TEST_F(MiniaturaTest, BajtFFKonczyMapeISkalaPowieksza) {
  std::string dane = "11";
  dane += '\xff';
  dane += "1111";
  EXPECT_EQ(rysuj(dane).size(), 2u);
  // Field (c, r) = (1, 1) at scale 3.
  auto w = rysuj(std::string(61, '0') + "8", 3);
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(w[0].a, 103);
  EXPECT_EQ(w[0].b, 203);
  EXPECT_EQ(w[0].c, 105);
  EXPECT_EQ(w[0].d, 205);
}

TEST_F(MiniaturaTest, EkranMapRysujeCzteryMiniaturyWKazdymPrzebiegu) {
  std::system("mkdir -p Pliki_danych/Mapy");
  for (int n = 1; n <= 3; ++n)
    zapisz_plik("Pliki_danych/Mapy/map" + std::to_string(n) + ".map", std::string(3600, '1'));
  m.otworz_menu();
  kliknij(menu::p_wczytaj_mape);
  for (int przebieg = 0; przebieg < 2; ++przebieg) {
    ekran.wyczysc();
    m.krok();
    // Map 4 is missing: no thumbnail. The chosen map's frame is two more lines.
    EXPECT_EQ(ekran.ile("prostokat"), 3 * 3600 + 2);
  }
  // The top-left field of each drawn thumbnail.
  int rogi = 0;
  for (const auto& w : ekran.wywolania)
    rogi += w.co == "prostokat" && ((w.a == 624 && w.b == 330) || (w.a == 789 && w.b == 330) ||
                                    (w.a == 624 && w.b == 455));
  EXPECT_EQ(rogi, 3);
}

}  // namespace
