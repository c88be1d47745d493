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

// A field a square, counted up to the 3600th character, up to a 0xFF byte, or up to a
// character that is no terrain; the last square drawn at its place and in its colour.
TEST_F(MiniaturaTest, PolaLiczaSieDo3600ZnakowLubBajtuFF) {
  struct przypadek {
    std::string dane;
    int skala;
    size_t pola;
    int x, y;  // the last square's top-left corner
    int kolor[3];
  } przypadki[] = {
      {std::string(5000, '3'), 1, 3600, 100 + 59, 200 + 59, {14, 15, 141}},
      {"12345678", 1, 8, 107, 200, {255, 255, 0}},
      {"1", 1, 1, 100, 200, {34, 94, 18}},
      {"2", 1, 1, 100, 200, {14, 28, 5}},
      {"4", 1, 1, 100, 200, {128, 3, 3}},
      {std::string("11\xff" "1111"), 1, 2, 101, 200, {34, 94, 18}},
      {std::string(61, '0') + "8", 3, 1, 103, 203, {255, 255, 0}},  // field (1, 1) at scale 3
      {"", 1, 0, 0, 0, {}},
      {std::string(3600, '0'), 1, 0, 0, 0, {}},
      {"9\n abc", 1, 0, 0, 0, {}},
      {"111", 0, 0, 0, 0, {}},
  };
  for (const przypadek& p : przypadki) {
    const auto w = rysuj(p.dane, p.skala);
    ASSERT_EQ(w.size(), p.pola) << p.dane.substr(0, 10);
    if (w.empty()) continue;
    EXPECT_EQ(w.back().co, "prostokat");
    EXPECT_EQ(w.back().a, p.x);
    EXPECT_EQ(w.back().b, p.y);
    EXPECT_EQ(w.back().c, p.x + p.skala - 1);
    EXPECT_EQ(w.back().d, p.y + p.skala - 1);
    EXPECT_EQ(w.back().e, makecol(p.kolor[0], p.kolor[1], p.kolor[2])) << p.dane.substr(0, 10);
  }
  ekran.wyczysc();
  m.miniatura("nie_ma_takiej.map", 0, 0, 1);
  m.miniatura(nullptr, 0, 0, 1);
  EXPECT_TRUE(ekran.wywolania.empty());
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
