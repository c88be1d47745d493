#include <gtest/gtest.h>

#include "grafika.h"
#include "mapa_odleglosci.h"
#include "pomoc_jednostek.h"

namespace {

TEST(MapaZasiegu, OtwartaTrawaKrawedzIOgromnePunkty) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_robotnik_1, 20, 20, 1);  // 5 points
  j->oblicz_zasieg();
  for (int k = 0; k < LICZBA_POL; k++) {
    const int d = odleglosc_heksow(20, 20, k % 60, k / 60);
    ASSERT_EQ(j->pobierz_mape_przejsc()[k], d <= 5 ? 6 - d : 0) << k % 60 << "," << k / 60;
  }
  EXPECT_EQ(p.ekran.ile("pole"), 90);  // 6 + 12 + 18 + 24 + 30 fields around

  // Across the left edge lies no neighbour.
  jednostka* brzeg = p.postaw(pole_robotnik_1, 0, 2, 1);
  brzeg->zmien_punkty_ruchu(1);
  brzeg->oblicz_zasieg();
  EXPECT_EQ(brzeg->wartosc_przejscia(59, 1) + brzeg->wartosc_przejscia(59, 2), 0);
  EXPECT_EQ(brzeg->wartosc_przejscia(0, 1), 1);

  // Huge points are clamped to the 16-bit map and still end at once.
  jednostka* smok = p.postaw(pole_smok, 30, 30, 2);
  smok->zmien_punkty_ruchu(2000000000);
  p.ekran.wyczysc();
  smok->oblicz_zasieg();
  EXPECT_EQ(smok->wartosc_przejscia(30, 30), 32767);
  EXPECT_EQ(smok->wartosc_przejscia(0, 0), 32767 - odleglosc_heksow(30, 30, 0, 0));
  EXPECT_EQ(p.ekran.ile("pole"), LICZBA_POL - 3);  // all but its own field and two units
}

// A unit standing off the map (a shop unit) reaches nothing and draws nothing.
TEST(MapaZasiegu, JednostkaPozaMapaNicNieOsiaga) {
  pole_bitwy p;
  const int miejsca[][2] = {{-1, -1}, {60, 0}, {0, 60}, {-5, 30}, {30, 1000}};
  for (auto& m : miejsca) {
    jednostka* poza = p.utworz(pole_smok, m[0], m[1], 2);
    poza->zmien_punkty_ruchu(10);
    p.ekran.wyczysc();
    poza->oblicz_zasieg();
    poza->sprawdz_wokol(m[0], m[1]);
    EXPECT_EQ(p.ekran.ile("pole"), 0);
    for (int k = 0; k < LICZBA_POL; k++) ASSERT_EQ(poza->pobierz_mape_przejsc()[k], 0);
  }
}

}  // namespace
