// The four committed battlefields: the generator reproduces them, they hold only terrain,
// and each has two castle sites joined by land.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "mapa.h"
#include "mapy_miejsca.h"
#include "srodowisko.h"

namespace {

std::string plik_mapy(const std::string& korzen, int i) {
  return korzen + "/Pliki_danych/Mapy/map" + std::to_string(i) + ".map";
}

TEST(MapyGenerator, GeneratorDajeZapisaneBajty) {
  const std::string k = katalog_tymczasowy();
  const std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_mapy ") + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  for (int i = 1; i <= 4; i++) {
    const std::string nowa = wczytaj_plik(plik_mapy(k, i));
    EXPECT_EQ(nowa, wczytaj_plik(plik_mapy(GRA_KATALOG_ZRODEL, i))) << "map" << i;
  }
}

// True when a land path (no water) joins the two fields.
bool czy_polaczone(const std::string& d, int x1, int y1, int x2, int y2) {
  std::vector<char> byl(LICZBA_POL, 0);
  std::deque<int> kolejka{y1 * 60 + x1};
  byl[y1 * 60 + x1] = 1;
  while (!kolejka.empty()) {
    const int i = kolejka.front();
    kolejka.pop_front();
    if (i == y2 * 60 + x2) return true;
    for (int k = 0; k < 6; k++) {
      int nx, ny;
      sasiad(i % 60, i / 60, k, nx, ny);
      if (!czy_na_mapie(nx, ny) || byl[ny * 60 + nx] || koszt_terenu(d[ny * 60 + nx]) == 0)
        continue;
      byl[ny * 60 + nx] = 1;
      kolejka.push_back(ny * 60 + nx);
    }
  }
  return false;
}

TEST(MapyGenerator, TerenZamkiIDroga) {
  std::vector<std::string> mapy;
  for (int i = 1; i <= 4; i++) {
    const std::string d = wczytaj_plik(plik_mapy(GRA_KATALOG_ZRODEL, i));
    ASSERT_EQ(d.size(), (size_t)LICZBA_POL) << "map" << i;
    for (char c : d) ASSERT_TRUE(c >= '1' && c <= '8') << "map" << i;
    const miejsce_zamku& m = MIEJSCA_ZAMKOW[i - 1];
    EXPECT_GE(m.x2 - m.x1, 40) << "map" << i;
    const int miejsca[2][2] = {{m.x1, m.y1}, {m.x2, m.y2}};
    for (const auto& z : miejsca) {
      const int x = z[0], y = z[1];
      EXPECT_EQ(d[y * 60 + x], '1') << "map" << i;
      for (int k = 0; k < 6; k++) {
        int nx, ny;
        sasiad(x, y, k, nx, ny);
        ASSERT_TRUE(czy_na_mapie(nx, ny));
        EXPECT_NE(koszt_terenu(d[ny * 60 + nx]), 0) << "map" << i;
      }
    }
    EXPECT_TRUE(czy_polaczone(d, m.x1, m.y1, m.x2, m.y2)) << "map" << i;
    // A battlefield worth playing has several terrains, and water is not everywhere.
    int rodzaje = 0, woda = 0;
    for (char c = '1'; c <= '8'; c++) rodzaje += d.find(c) != std::string::npos;
    for (char c : d) woda += c == '3';
    EXPECT_GE(rodzaje, 5) << "map" << i;
    EXPECT_LT(woda, LICZBA_POL / 4) << "map" << i;
    mapy.push_back(d);
  }
  for (int a = 0; a < 4; a++)
    for (int b = a + 1; b < 4; b++) EXPECT_NE(mapy[a], mapy[b]);
}

}  // namespace
