#include <gtest/gtest.h>

#include <cstdlib>

#include "mapa_odleglosci.h"
#include "pomoc_jednostek.h"

namespace {

// The distance map against the game's own reach map on mixed terrain with buildings in the
// way. A path costs the fields it enters, so the way from f to t costs what the way from t to
// f costs, less f's own cost, plus t's.
// A unit with few points reaches exactly the fields whose way it can pay.
TEST(MapaOdleglosci, ZgadzaSieZZasiegiemJednostki) {
  pole_bitwy p;
  std::srand(31);
  const char znaki[] = "1111222456783";
  for (int y = 0; y < ROZMIAR_MAPY; ++y)
    for (int x = 0; x < ROZMIAR_MAPY; ++x)
      p.maluj(x, y, x, y, znaki[std::rand() % (sizeof(znaki) - 1)]);
  p.maluj(30, 30, 30, 30, '1');
  p.postaw(pole_wieza_1, 31, 30, 1);
  p.postaw(pole_miasto_2, 29, 31, 2);
  p.postaw(pole_zamek_gracz_1, 30, 28, 1);
  jednostka* pomiar = p.utworz(pole_robotnik_1, 30, 30, 1);
  pomiar->zmien_punkty_ruchu(30000);
  pomiar->oblicz_zasieg();
  jednostka* krotki = p.utworz(pole_robotnik_1, 30, 30, 1);
  krotki->zmien_punkty_ruchu(7);
  krotki->oblicz_zasieg();
  mapa_odleglosci m;
  m.oblicz(*p.teren, &p.siatka, {30 * ROZMIAR_MAPY + 30});

  const int z_celu = 30001, koszt_celu = koszt_terenu('1');
  int porownane = 0;
  for (int y = 0; y < ROZMIAR_MAPY; ++y)
    for (int x = 0; x < ROZMIAR_MAPY; ++x) {
      const int w = pomiar->wartosc_przejscia(x, y);
      const bool zajete = p.siatka.pobierz_jednostke(x, y) != nullptr;
      if (w > 0) {
        const int oczekiwana = z_celu - w - koszt_terenu(p.teren->jakie_pole(x, y)) + koszt_celu;
        ASSERT_EQ(m.odleglosc(x, y), (x == 30 && y == 30) ? 0 : oczekiwana) << x << "," << y;
        // With 7 points the unit keeps what the way leaves, and no field is a way too far.
        const int droga = z_celu - w;
        ASSERT_EQ(krotki->wartosc_przejscia(x, y), droga <= 7 ? 8 - droga : 0) << x << "," << y;
        ++porownane;
      } else {
        ASSERT_EQ(krotki->wartosc_przejscia(x, y), 0);
      }
      if (w == 0 && !zajete && p.teren->jakie_pole(x, y) != '3') {
        EXPECT_EQ(m.odleglosc(x, y), mapa_odleglosci::NIEOSIAGALNE) << x << "," << y;
      }
    }
  EXPECT_GT(porownane, 2000);
  EXPECT_EQ(m.odleglosc(-1, 5), mapa_odleglosci::NIEOSIAGALNE);
  // A unit standing in its castle walks out of it.
  EXPECT_LT(m.odleglosc(30, 28), mapa_odleglosci::NIEOSIAGALNE);
}

TEST(MapaOdleglosci, KrokiMiedzyPolamiRzedowPrzesunietych) {
  // Each of the six neighbours is one step away, on even and odd rows alike.
  for (int y : {10, 11})
    for (int s = 0; s < 6; ++s) {
      int nx, ny;
      sasiad(20, y, s, nx, ny);
      EXPECT_EQ(odleglosc_heksow(20, y, nx, ny), 1) << y << " " << s;
    }
  EXPECT_EQ(odleglosc_heksow(20, 10, 20, 12), 2);
  EXPECT_EQ(odleglosc_heksow(20, 10, 25, 10), 5);
  EXPECT_EQ(odleglosc_heksow(0, 0, 3, 6), 6);
}

}  // namespace
