// Reading, querying, painting and writing the terrain grid.
#include <gtest/gtest.h>

#include <string>

#include "mapa.h"
#include "srodowisko.h"

namespace {

std::string siatka(char znak) { return std::string(LICZBA_POL, znak); }

struct plik_mapy : ::testing::Test {
  std::string katalog = katalog_tymczasowy();
  std::string sciezka = katalog + "/test.map";
  void SetUp() override { przygotuj_allegro(); }
};

TEST_F(plik_mapy, pelny_plik_wczytany_wszedzie) {
  std::string dane = siatka('1');
  dane[59] = '3';
  dane[60 * 59] = '5';
  ASSERT_TRUE(zapisz_plik(sciezka, dane));
  mapa m(nullptr, sciezka.c_str());
  EXPECT_TRUE(m.czy_wczytana());
  EXPECT_EQ(m.jakie_pole(0, 0), '1');
  EXPECT_EQ(m.jakie_pole(59, 0), '3');
  EXPECT_EQ(m.jakie_pole(0, 59), '5');
  EXPECT_EQ(m.jakie_pole(59, 59), '1');
  EXPECT_STREQ(m.zwroc_nazwe(), sciezka.c_str());
}

TEST_F(plik_mapy, bajt_ff_krotki_i_dlugi_plik) {
  std::string z_ff = siatka('2');
  z_ff[100] = (char)0xFF;
  ASSERT_TRUE(zapisz_plik(sciezka, z_ff));
  {
    mapa m(nullptr, sciezka.c_str());
    EXPECT_EQ(m.jakie_pole(39, 1), '2');  // index 99
    EXPECT_EQ(m.jakie_pole(40, 1), 0);    // index 100: the 0xFF byte, not stored
    EXPECT_EQ(m.jakie_pole(41, 1), 0);    // nothing after it
  }
  ASSERT_TRUE(zapisz_plik(sciezka, std::string(10, '7')));
  {
    mapa m(nullptr, sciezka.c_str());
    EXPECT_TRUE(m.czy_wczytana());
    EXPECT_EQ(m.jakie_pole(9, 0), '7');
    EXPECT_EQ(m.jakie_pole(10, 0), 0);
    EXPECT_EQ(m.jakie_pole(59, 59), 0);
  }
  ASSERT_TRUE(zapisz_plik(sciezka, siatka('8') + std::string(500, '3')));
  {
    mapa m(nullptr, sciezka.c_str());
    EXPECT_EQ(m.jakie_pole(59, 59), '8');
  }
}

TEST_F(plik_mapy, brak_pliku_daje_pusta_mape_bez_awarii) {
  mapa m(nullptr, (katalog + "/nie_ma.map").c_str());
  EXPECT_FALSE(m.czy_wczytana());
  EXPECT_EQ(m.jakie_pole(0, 0), 0);
  EXPECT_EQ(m.jakie_pole(30, 30), 0);
}

TEST_F(plik_mapy, dluga_nazwa_przycieta_do_pola) {
  const std::string dluga = katalog + "/" + std::string(80, 'a') + ".map";
  mapa m(nullptr, dluga.c_str());
  EXPECT_EQ(std::string(m.zwroc_nazwe()), dluga.substr(0, 51));
}

TEST_F(plik_mapy, poza_mapa_nic_nie_czyta_i_nie_pisze) {
  ASSERT_TRUE(zapisz_plik(sciezka, siatka('1')));
  mapa m(nullptr, sciezka.c_str());
  // (-1, 1) would be index 59 of row 0 if x and y were folded into one index.
  m.zmien_pole(-1, 1, '3');
  m.zmien_pole(60, 0, '3');
  m.zmien_pole(0, 60, '3');
  EXPECT_EQ(m.jakie_pole(59, 0), '1');
  EXPECT_EQ(m.jakie_pole(0, 1), '1');
  EXPECT_EQ(m.jakie_pole(-1, 1), 0);
  EXPECT_EQ(m.jakie_pole(60, 0), 0);
  EXPECT_EQ(m.jakie_pole(0, -1), 0);
  m.zmien_pole(59, 59, '4');
  EXPECT_EQ(m.jakie_pole(59, 59), '4');
}

TEST_F(plik_mapy, edycja_zapis_i_ponowny_odczyt) {
  ASSERT_TRUE(zapisz_plik(sciezka, siatka('1')));
  mapa m(nullptr, sciezka.c_str());
  m.zmien_pole(12, 7, '5');
  m.zmien_pole(0, 59, '8');
  const std::string cel = katalog + "/wynik.map";
  ASSERT_TRUE(zapisz_plik(cel, "stara zawartosc"));
  ASSERT_TRUE(m.zapisz(cel.c_str()));
  const std::string zapisane = wczytaj_plik(cel);
  ASSERT_EQ(zapisane.size(), (size_t)LICZBA_POL);
  mapa m2(nullptr, cel.c_str());
  EXPECT_EQ(m2.jakie_pole(12, 7), '5');
  EXPECT_EQ(m2.jakie_pole(0, 59), '8');
  EXPECT_EQ(m2.jakie_pole(13, 7), '1');
}

TEST_F(plik_mapy, zapis_do_niedostepnego_miejsca_zglasza_blad) {
  ASSERT_TRUE(zapisz_plik(sciezka, siatka('1')));
  mapa m(nullptr, sciezka.c_str());
  ASSERT_TRUE(zapisz_plik(katalog + "/plik", "x"));
  EXPECT_FALSE(m.zapisz((katalog + "/plik/x.map").c_str()));  // a file where a folder should be
  EXPECT_FALSE(m.zapisz(katalog.c_str()));  // a folder cannot be replaced by the map
  EXPECT_EQ(wczytaj_plik(sciezka), siatka('1'));
}

// The six neighbours on even and odd rows, and that they fall off the map at every edge.
TEST(sasiedzi, parzyste_i_nieparzyste_wiersze_na_krawedziach) {
  struct przypadek {
    int x, y;
    int oczekiwane[6][2];
  };
  const przypadek przypadki[] = {
      {10, 10, {{9, 10}, {11, 10}, {9, 9}, {10, 9}, {9, 11}, {10, 11}}},
      {10, 11, {{9, 11}, {11, 11}, {10, 10}, {11, 10}, {10, 12}, {11, 12}}},
      {0, 0, {{-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {-1, 1}, {0, 1}}},
      {59, 1, {{58, 1}, {60, 1}, {59, 0}, {60, 0}, {59, 2}, {60, 2}}},
      {0, 59, {{-1, 59}, {1, 59}, {0, 58}, {1, 58}, {0, 60}, {1, 60}}},
      {59, 58, {{58, 58}, {60, 58}, {58, 57}, {59, 57}, {58, 59}, {59, 59}}},
  };
  for (const przypadek& p : przypadki) {
    for (int k = 0; k < 6; k++) {
      int nx, ny;
      sasiad(p.x, p.y, k, nx, ny);
      EXPECT_EQ(nx, p.oczekiwane[k][0]) << p.x << "," << p.y << " k=" << k;
      EXPECT_EQ(ny, p.oczekiwane[k][1]) << p.x << "," << p.y << " k=" << k;
    }
  }
  int nx, ny;
  sasiad(0, 1, 0, nx, ny);  // left of the odd row's first field
  EXPECT_FALSE(czy_na_mapie(nx, ny));
  sasiad(59, 1, 3, nx, ny);  // upper-right of the odd row's last field
  EXPECT_FALSE(czy_na_mapie(nx, ny));
}

}  // namespace
