// How units move: reach, the distance map, neighbours and the computer's choice of targets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "mapa_odleglosci.h"
#include "pomoc_jednostek.h"

namespace {

// A unit off the map (in a shop) reaches and draws nothing and takes no field of the grid.
// On open grass every field within the points is reached by its shortest way and highlighted
// once; across the left edge lies no neighbour; huge points are clamped to the 16-bit map.
TEST(MapaZasiegu, PozaMapaOtwartaTrawaKrawedzIOgromnePunkty) {
  pole_bitwy p;
  for (auto& m : {std::make_pair(-1, -1), {60, 0}, {0, 60}, {-60, 5}, {30, 1000}}) {
    jednostka* poza = p.postaw(pole_smok, m.first, m.second, 2);
    poza->oblicz_zasieg(), poza->sprawdz_wokol(m.first, m.second);
    EXPECT_EQ(p.ekran.ile("pole"), 0);
  }
  for (int k = 0; k < LICZBA_POL; k++)
    ASSERT_EQ(p.siatka.pobierz_jednostke(k % 60, k / 60), nullptr) << k;
  jednostka* j = p.postaw(pole_robotnik_1, 20, 20, 1);  // 5 points
  j->oblicz_zasieg();
  for (int k = 0; k < LICZBA_POL; k++) {
    const int d = odleglosc_heksow(20, 20, k % 60, k / 60);
    ASSERT_EQ(j->pobierz_mape_przejsc()[k], d <= 5 ? 6 - d : 0) << k % 60 << "," << k / 60;
  }
  EXPECT_EQ(p.ekran.ile("pole"), 90);  // 6 + 12 + 18 + 24 + 30 fields around
  jednostka* brzeg = p.postaw(pole_robotnik_1, 0, 2, 1);
  brzeg->zmien_punkty_ruchu(1), brzeg->oblicz_zasieg();
  EXPECT_EQ(brzeg->wartosc_przejscia(59, 1) + brzeg->wartosc_przejscia(59, 2), 0);
  jednostka* smok = p.postaw(pole_smok, 30, 30, 2);
  smok->zmien_punkty_ruchu(2000000000), p.ekran.wyczysc(), smok->oblicz_zasieg();
  EXPECT_EQ(smok->wartosc_przejscia(0, 0), 32767 - odleglosc_heksow(30, 30, 0, 0));
  EXPECT_EQ(p.ekran.ile("pole"), LICZBA_POL - 3);  // all but its own field and two units
}

// The distance map against a unit's reach on mixed terrain: a way costs the fields it enters,
// so from f to t it costs what t to f does, less f's cost, plus t's. Castles, towers and towns
// in the gaps of a water wall close the way, since they never move.
TEST(MapaOdleglosci, ZgadzaSieZZasiegiemJednostki) {
  pole_bitwy p;
  std::srand(31);
  for (int k = 0; k < LICZBA_POL; ++k)
    p.teren->zmien_pole(k % 60, k / 60, "1111222456783"[std::rand() % 13]);
  p.maluj(30, 30, 30, 30, '1');
  p.maluj(45, 0, 45, 59, '3');
  const nazwa_pola budynki[] = {pole_zamek_gracz_1, pole_zamek_gracz_2, pole_wieza_1,
                                pole_wieza_2, pole_miasto_1, pole_miasto_2};
  for (int s = 0; s < 6; s++)
    p.maluj(45, s * 10 + 5, 45, s * 10 + 5, '1'), p.postaw(budynki[s], 45, s * 10 + 5, 1);
  jednostka* pomiar = p.utworz(pole_robotnik_1, 30, 30, 1);
  pomiar->zmien_punkty_ruchu(30000), pomiar->oblicz_zasieg();
  mapa_odleglosci m;
  m.oblicz(*p.teren, &p.siatka, {30 * ROZMIAR_MAPY + 30});
  for (int k = 0; k < LICZBA_POL; ++k) {
    const int x = k % 60, y = k / 60, w = pomiar->wartosc_przejscia(x, y);
    if (w > 0) {
      const int oczekiwana = 30001 - w - koszt_terenu(p.teren->jakie_pole(x, y)) + 1;
      ASSERT_EQ(m.odleglosc(x, y), k == 30 * 60 + 30 ? 0 : oczekiwana) << x << "," << y;
    } else if (!p.siatka.pobierz_jednostke(x, y) && p.teren->jakie_pole(x, y) != '3') {
      EXPECT_EQ(m.odleglosc(x, y), mapa_odleglosci::NIEOSIAGALNE) << x << "," << y;
    }
  }
  EXPECT_EQ(m.odleglosc(-1, 5), mapa_odleglosci::NIEOSIAGALNE);
  EXPECT_LT(m.odleglosc(45, 5), mapa_odleglosci::NIEOSIAGALNE);  // walks out of its castle
}

std::pair<int, int> xy(const punkt& p) { return {(int)p.rx(), (int)p.ry()}; }

// A friend counts on the six neighbours of an odd row, not beyond them nor across the map's
// edge, nor of the other side; a building counts for the side that holds it now.
TEST(Sasiedzi, PrzyjacielNaSzesciuPolachBudynekWedlugWlasciciela) {
  const int pola[][4] = {{5, 5, 4, 4}, {5, 5, 4, 6}, {5, 5, 6, 3}, {0, 2, 59, 2}, {0, 2, 59, 1}};
  for (int k = 0; k < 11; k++) {
    const int x = k < 5 ? pola[k][0] : 5, y = k < 5 ? pola[k][1] : 5;
    int ox = pola[k % 5][2], oy = pola[k % 5][3];
    if (k >= 5) sasiad(x, y, k - 5, ox, oy);
    pole_bitwy p;
    jednostka* j = p.postaw(pole_zolnierz, x, y, 1);
    jednostka* o = p.postaw(pole_mag, ox, oy, 1);
    EXPECT_EQ(j->sprawdz_sasiadow("przyjaciel"), k >= 5) << ox << "," << oy;
    o->zmien_gracza(2);
    EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel")) << ox << "," << oy;
  }
  pole_bitwy p;
  jednostka* j = p.postaw(pole_zolnierz, 10, 10, 1);
  p.postaw(pole_wieza_1, 11, 10, 1)->zmien_gracza(2);
  p.postaw(pole_miasto_2, 9, 10, 2)->zmien_gracza(1);
  p.postaw(pole_zamek_gracz_2, 10, 9, 2);
  EXPECT_EQ(std::make_tuple(j->sprawdz_sasiadow("wieza"), j->sprawdz_sasiadow("miasto"),
                            j->sprawdz_sasiadow("zamek"), j->sprawdz_sasiadow("x")),
            std::make_tuple(false, true, false, false));
  EXPECT_TRUE(p.postaw(pole_smok, 11, 9, 2)->sprawdz_sasiadow("zamek"));
}

// The nearest living enemy, the first met row by row among equals, is hunted while it lives;
// the own side, nobody's and the dead are no targets. Without one the unit wanders in reach.
TEST(CeleKomputera, NajblizszyZywyWrogPierwszyWsrodRownych) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_smok, 30, 30, 2);
  p.postaw(pole_trol, 31, 30, 2), p.postaw(pole_zolnierz, 30, 31, 0);
  p.postaw(pole_zolnierz, 29, 30, 1)->zmien_punkty_zycia(0);
  jednostka* gora = p.postaw(pole_rycerz, 30, 27, 1);
  jednostka* wiersz = p.postaw(pole_rycerz, 27, 30, 1);
  p.postaw(pole_rycerz, 30, 33, 1);
  j->pobierz_cel();
  p.postaw(pole_mag, 32, 32, 1), j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), gora);
  gora->zmien_punkty_zycia(0), p.siatka.zeruj_pole(32, 32), j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), wiersz);  // row 30 comes before row 33
  jednostka* sam = p.postaw(pole_smok, 10, 10, 2);
  const punkt w = sam->akcja_cel();
  EXPECT_GT(sam->wartosc_przejscia((int)w.rx(), (int)w.ry()), 0);
}

// The reachable field nearest the target, also with the window over an edge of the map; one
// at distance 1 is struck, one beside diagonally walked up to; off the map, the nearest field.
TEST(CeleKomputera, PoleNajblizszeCeluIKrawedzieMapy) {
  const int przypadki[][6] = {{20, 11, 20, 10, 20, 10}, {20, 11, 21, 10, 21, 9},
                              {20, 11, 50, 11, 28, 11}, {55, 30, 30, 30, 47, 30},
                              {4, 30, 30, 30, 12, 30},  {30, 56, 30, 30, 30, 48},
                              {30, 3, 30, 30, 30, 11},  {-1, -1, 30, 30, 0, 0},
                              {60, 60, 30, 30, 59, 59}};
  for (const auto& c : przypadki) {
    pole_bitwy q;
    jednostka* j = q.postaw(pole_smok, c[0], c[1], 2);
    j->zmien_cel(q.postaw(pole_mag, c[2], c[3], 1));
    EXPECT_EQ(xy(j->akcja_cel()), std::make_pair(c[4], c[5])) << c[0] << "," << c[1];
  }
}

// A tower fires at the last living enemy of its window, which reaches its points + 1 = 10
// fields every way; with none there its turn is over.
TEST(CeleKomputera, WiezaStrzelaDoOstatniegoZywegoWrogaWOknie) {
  pole_bitwy p;
  jednostka* wieza = p.postaw(pole_wieza_1, 30, 30, 2);  // a side-1 tower taken by side 2
  const int obok[][3] = {{32, 32, 2}, {41, 30, 1}, {30, 19, 1}, {30, 41, 1}, {36, 39, 0}};
  for (auto& o : obok) p.postaw(pole_mag, o[0], o[1], o[2]);
  p.postaw(pole_rycerz, 35, 38, 1)->zmien_punkty_zycia(0);
  wieza->akcja_cel();
  EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 0);
  for (auto& w : {std::make_pair(20, 20), {40, 30}, {25, 40}}) {
    p.postaw(pole_rycerz, w.first, w.second, 1), wieza->przywroc_punkty_ruchu(-1);
    EXPECT_EQ(std::make_pair(xy(wieza->akcja_cel()), wieza->pobierz_punkty_ruchu()),
              std::make_pair(w, 9));
  }
}

}  // namespace
