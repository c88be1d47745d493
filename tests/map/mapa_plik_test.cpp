// Reading, querying, painting and writing the terrain grid.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "mapa.h"
#include "srodowisko.h"

namespace {

std::string siatka(char znak) { return std::string(LICZBA_POL, znak); }

// Bytes are stored row after row until the grid is full, the file ends or a 0xFF byte stops
// the reading; what was not read stays empty.
TEST(PlikMapy, OdczytDoKoncaPlikuLubBajtuFF) {
  przygotuj_allegro();
  const std::string k = katalog_tymczasowy();
  std::string rogi = siatka('1');
  rogi[59] = '3';
  rogi[60 * 59] = '5';
  std::string z_ff = siatka('2');
  z_ff[100] = (char)0xFF;
  const struct {
    std::string dane;
    int x, y;
    char pole;
  } przypadki[] = {
      {rogi, 0, 0, '1'},   {rogi, 59, 0, '3'},  {rogi, 0, 59, '5'},  {rogi, 59, 59, '1'},
      {z_ff, 39, 1, '2'},  {z_ff, 40, 1, 0},    {z_ff, 41, 1, 0},
      {std::string(10, '7'), 9, 0, '7'},        {std::string(10, '7'), 10, 0, 0},
      {siatka('8') + std::string(500, '3'), 59, 59, '8'},
  };
  for (const auto& c : przypadki) {
    ASSERT_TRUE(zapisz_plik(k + "/test.map", c.dane));
    mapa m(nullptr, (k + "/test.map").c_str());
    EXPECT_TRUE(m.czy_wczytana());
    EXPECT_EQ(m.jakie_pole(c.x, c.y), c.pole) << c.x << "," << c.y;
  }
  mapa brak(nullptr, (k + "/nie_ma.map").c_str());
  EXPECT_FALSE(brak.czy_wczytana());
  EXPECT_EQ(brak.jakie_pole(30, 30), 0);
  const std::string dluga = k + "/" + std::string(80, 'a') + ".map";
  EXPECT_EQ(std::string(mapa(nullptr, dluga.c_str()).zwroc_nazwe()), dluga.substr(0, 51));
}

TEST(PlikMapy, EdycjaZapisIOdczytBezWyjsciaPozaMape) {
  przygotuj_allegro();
  const std::string k = katalog_tymczasowy();
  ASSERT_TRUE(zapisz_plik(k + "/test.map", siatka('1')));
  mapa m(nullptr, (k + "/test.map").c_str());
  // (-1, 1) would be index 59 of row 0 if x and y were folded into one index.
  for (auto& z : {std::make_pair(-1, 1), std::make_pair(60, 0), std::make_pair(0, 60)}) {
    m.zmien_pole(z.first, z.second, '3');
    EXPECT_EQ(m.jakie_pole(z.first, z.second), 0);
  }
  EXPECT_EQ(m.jakie_pole(59, 0), '1');
  EXPECT_EQ(m.jakie_pole(0, 1), '1');
  m.zmien_pole(12, 7, '5');
  m.zmien_pole(59, 59, '8');
  const std::string cel = k + "/wynik.map";
  ASSERT_TRUE(zapisz_plik(cel, "stara zawartosc"));
  ASSERT_TRUE(m.zapisz(cel.c_str()));
  ASSERT_EQ(wczytaj_plik(cel).size(), (size_t)LICZBA_POL);
  mapa m2(nullptr, cel.c_str());
  EXPECT_EQ(m2.jakie_pole(12, 7), '5');
  EXPECT_EQ(m2.jakie_pole(59, 59), '8');
  EXPECT_EQ(m2.jakie_pole(13, 7), '1');

  // A file where a folder should be, or a folder in the file's place: the write fails.
  ASSERT_TRUE(zapisz_plik(k + "/plik", "x"));
  EXPECT_FALSE(m.zapisz((k + "/plik/x.map").c_str()));
  EXPECT_FALSE(m.zapisz(k.c_str()));
  EXPECT_EQ(wczytaj_plik(k + "/test.map"), siatka('1'));
}

// The six neighbours on even and odd rows, and that they fall off the map at every edge.
TEST(Sasiedzi, ParzysteINieparzysteWierszeNaKrawedziach) {
  const struct {
    int x, y;
    int oczekiwane[6][2];
  } przypadki[] = {
      {10, 10, {{9, 10}, {11, 10}, {9, 9}, {10, 9}, {9, 11}, {10, 11}}},
      {10, 11, {{9, 11}, {11, 11}, {10, 10}, {11, 10}, {10, 12}, {11, 12}}},
      {0, 0, {{-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {-1, 1}, {0, 1}}},
      {59, 1, {{58, 1}, {60, 1}, {59, 0}, {60, 0}, {59, 2}, {60, 2}}},
  };
  for (const auto& p : przypadki)
    for (int k = 0; k < 6; k++) {
      int nx, ny;
      sasiad(p.x, p.y, k, nx, ny);
      EXPECT_EQ(std::make_pair(nx, ny), std::make_pair(p.oczekiwane[k][0], p.oczekiwane[k][1]))
          << p.x << "," << p.y << " k=" << k;
    }
  const int poza[][2] = {{-1, 0}, {60, 0}, {0, -1}, {0, 60}}, na[][2] = {{0, 0}, {59, 59}};
  for (auto& z : poza) EXPECT_FALSE(czy_na_mapie(z[0], z[1]));
  for (auto& z : na) EXPECT_TRUE(czy_na_mapie(z[0], z[1]));
}

}  // namespace
