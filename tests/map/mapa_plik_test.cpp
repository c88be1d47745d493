// Reading, painting and writing the terrain grid.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "mapa.h"
#include "srodowisko.h"

namespace {

std::string siatka(char znak) { return std::string(LICZBA_POL, znak); }

// Bytes are stored row after row until the grid is full, the file ends or a 0xFF byte stops
// the reading; what was not read stays empty. A file that is missing, empty or mostly not
// terrain is no map.
TEST(PlikMapy, OdczytUszkodzonychPlikow) {
  przygotuj_allegro();
  const std::string k = katalog_tymczasowy();
  std::string rogi = siatka('1');
  rogi[59] = '3';
  rogi[60 * 59] = '5';
  std::string z_ff = siatka('2');
  z_ff[100] = (char)0xFF;
  const std::tuple<std::string, int, int, char, bool> przypadki[] = {
      {rogi, 59, 0, '3', true},   {rogi, 0, 59, '5', true},  {rogi, 59, 59, '1', true},
      {z_ff, 39, 1, '2', true},   {z_ff, 40, 1, 0, true},
      {std::string(10, '7'), 9, 0, '7', true},   {std::string(10, '7'), 10, 0, 0, true},
      {siatka('8') + std::string(500, '3'), 59, 59, '8', true},
      {"", 0, 0, 0, false},       {"1\n\n\n", 0, 0, '1', false}, {"11\n\n", 1, 0, '1', true},
  };
  for (const auto& c : przypadki) {
    ASSERT_TRUE(zapisz_plik(k + "/test.map", std::get<0>(c)));
    mapa m(nullptr, (k + "/test.map").c_str());
    EXPECT_EQ(std::make_pair(m.czy_wczytana(), m.jakie_pole(std::get<1>(c), std::get<2>(c))),
              std::make_pair(std::get<4>(c), (int)std::get<3>(c))) << std::get<1>(c) << "," << std::get<2>(c);
  }
  EXPECT_FALSE(mapa(nullptr, (k + "/nie_ma.map").c_str()).czy_wczytana());
}

// Painting off the map changes nothing (not a field of the next row either). The editor
// paints the field under the pointer with keys 1..8 and key 9 writes map4.map below the
// working directory; a write that cannot be made fails and leaves the files as they were.
TEST(PlikMapy, EdycjaIZapis) {
  przygotuj_allegro();
  const std::string k = katalog_tymczasowy();
  ASSERT_TRUE(zapisz_plik(k + "/test.map", siatka('1')));
  mapa m(nullptr, (k + "/test.map").c_str());
  for (auto& z : {std::make_pair(-1, 1), std::make_pair(60, 0), std::make_pair(0, 60)})
    m.zmien_pole(z.first, z.second, '3');
  EXPECT_EQ(std::make_tuple(m.jakie_pole(-1, 1), m.jakie_pole(59, 0), m.jakie_pole(0, 1)),
            std::make_tuple(0, (int)'1', (int)'1'));
  mouse_x = 40 * 3 + 4;  // field (3, 2)
  mouse_y = 30 * 2 + 17;
  m.pole_pod_myszka();
  for (short klawisz : {5, 0, 10}) m.wstaw(klawisz);
  m.zmien_pole(59, 59, '8');
  ASSERT_EQ(chdir(k.c_str()), 0);
  std::system("mkdir -p Pliki_danych/Mapy && echo stare > Pliki_danych/Mapy/map4.map");
  m.wstaw(9);
  mapa zapisana(nullptr, "Pliki_danych/Mapy/map4.map");
  ASSERT_EQ(chdir(GRA_KATALOG_ZRODEL), 0);
  EXPECT_EQ(std::make_tuple(zapisana.jakie_pole(3, 2), zapisana.jakie_pole(59, 59), zapisana.jakie_pole(4, 2)),
            std::make_tuple((int)'5', (int)'8', (int)'1'));
  ASSERT_TRUE(zapisz_plik(k + "/plik", "x"));
  EXPECT_FALSE(m.zapisz((k + "/plik/x.map").c_str()));
  EXPECT_FALSE(m.zapisz(k.c_str()));
  EXPECT_EQ(wczytaj_plik(k + "/test.map"), siatka('1'));
}

}  // namespace
