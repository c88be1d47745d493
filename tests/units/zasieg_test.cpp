#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "grafika.h"
#include "pomoc_jednostek.h"

namespace {

// The reach relaxation as first described: improve each neighbour, highlight it when it is
// reached for the first time, then recurse from every improved neighbour in order.
class jednostka_wzorcowa : public robotnik_1 {
 public:
  using robotnik_1::robotnik_1;
  void ustaw_punkty(int m) { punkty_ruchu = m; }
  void sprawdz_wokol(int px, int py) override {
    const punkt p = teren->start_ekranu();
    const int sx = (int)p.rx(), sy = (int)p.ry();
    const int v = mapa_przejsc[py * 60 + px];
    if (v <= 0) return;
    bool oznaczony[6] = {false};
    int nxs[6], nys[6];
    for (int s = 0; s < 6; s++) {
      sasiad(px, py, s, nxs[s], nys[s]);
      const int nx = nxs[s], ny = nys[s];
      const int znak = teren->jakie_pole(nx, ny);
      int koszt = 1;
      if (znak == '2' || znak == '4' || znak == '6') koszt = 2;
      if (znak == '5') koszt = 3;
      if (!czy_na_mapie(nx, ny) || siatka->pobierz_jednostke(nx, ny) || znak == '3') continue;
      short& n = mapa_przejsc[ny * 60 + nx];
      if (n < v - koszt) {
        if (n == 0) ekran->rysuj_pole(pole_wskaznik, nx - sx, ny - sy, 0);
        n = (short)(v - koszt);
        oznaczony[s] = true;
      }
    }
    for (int s = 0; s < 6; s++)
      if (oznaczony[s]) sprawdz_wokol(nxs[s], nys[s]);
  }
};

std::multiset<std::pair<int, int>> podswietlone(const grafika_nagrywajaca& g) {
  std::multiset<std::pair<int, int>> wynik;
  for (const auto& w : g.wywolania)
    if (w.co == "pole" && w.a == pole_wskaznik) wynik.insert({w.b, w.c});
  return wynik;
}

// Hex distance between fields of the offset rows.
int odleglosc_hex(int x1, int y1, int x2, int y2) {
  auto kostka = [](int x, int y, int& q, int& r) {
    q = x - (y - (y & 1)) / 2;
    r = y;
  };
  int q1, r1, q2, r2;
  kostka(x1, y1, q1, r1);
  kostka(x2, y2, q2, r2);
  const int dq = q1 - q2, dr = r1 - r2;
  return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}

TEST(MapaZasiegu, ZgodnaZRekurencyjnymOpisemNaLosowychMapach) {
  pole_bitwy p;
  const char znaki[] = "11111111222345678";
  std::srand(12345);
  jednostka_wzorcowa* wzor = new jednostka_wzorcowa(&p.ekran, p.teren.get(), &p.siatka, nullptr, 0, 0, 1);
  p.jednostki.emplace_back(wzor);
  for (int i = 0; i < 30; i++) p.utworz(pole_trol, -1, -1, 2);
  for (int proba = 0; proba < 1200; proba++) {
    for (int k = 0; k < LICZBA_POL; k++)
      p.teren->zmien_pole(k % 60, k / 60, znaki[std::rand() % (sizeof(znaki) - 1)]);
    const int ux = std::rand() % 60, uy = std::rand() % 60, m = std::rand() % 12;
    // Blockers near the unit, some of them maybe on its own field.
    for (int i = 0; i < 30; i++) {
      jednostka* b = p.jednostki[1 + i].get();
      b->zmien_polozenie(std::clamp(ux + std::rand() % 15 - 7, 0, 59),
                         std::clamp(uy + std::rand() % 15 - 7, 0, 59));
      p.siatka.wstaw_jednostke(b);
    }
    jednostka* j = p.utworz(pole_robotnik_1, ux, uy, 1);
    j->zmien_punkty_ruchu(m);
    wzor->zmien_polozenie(ux, uy);
    wzor->ustaw_punkty(m);

    p.ekran.wyczysc();
    j->oblicz_zasieg();
    const auto nasze = podswietlone(p.ekran);
    p.ekran.wyczysc();
    wzor->oblicz_zasieg();
    const auto wzorcowe = podswietlone(p.ekran);

    for (int k = 0; k < LICZBA_POL; k++)
      ASSERT_EQ(j->pobierz_mape_przejsc()[k], wzor->pobierz_mape_przejsc()[k])
          << "proba " << proba << " pole " << k % 60 << "," << k / 60;
    ASSERT_EQ(nasze, wzorcowe) << "proba " << proba;
    // Every field is highlighted once: the count equals the fields reached.
    int osiagniete = 0;
    for (int k = 0; k < LICZBA_POL; k++) osiagniete += j->pobierz_mape_przejsc()[k] > 0;
    ASSERT_EQ((int)nasze.size(), osiagniete - 1);
    const std::set<std::pair<int, int>> bez_powtorzen(nasze.begin(), nasze.end());
    ASSERT_EQ(bez_powtorzen.size(), nasze.size());

    for (int i = 0; i < 30; i++) p.siatka.zeruj_pole(p.jednostki[1 + i]->pobierz_x(),
                                                     p.jednostki[1 + i]->pobierz_y());
    p.jednostki.pop_back();
  }
}

TEST(MapaZasiegu, OtwartaTrawaLasIGory) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_robotnik_1, 20, 20, 1);  // 5 points
  j->oblicz_zasieg();
  for (int y = 0; y < 60; y++)
    for (int x = 0; x < 60; x++) {
      const int d = odleglosc_hex(20, 20, x, y);
      ASSERT_EQ(j->wartosc_przejscia(x, y), d <= 5 ? 6 - d : 0) << x << "," << y;
    }
  EXPECT_EQ(p.ekran.ile("pole"), 90);  // 6 + 12 + 18 + 24 + 30 fields around

  // A forest ring around the unit: forest holds 4, grass beyond it 3.
  for (int s = 0; s < 6; s++) {
    int nx, ny;
    sasiad(20, 20, s, nx, ny);
    p.teren->zmien_pole(nx, ny, '2');
  }
  j->oblicz_zasieg();
  EXPECT_EQ(j->wartosc_przejscia(19, 20), 4);
  EXPECT_EQ(j->wartosc_przejscia(18, 20), 3);

  // Mountains next to the unit: 2 points cannot enter, 3 can and keep 0.
  p.maluj(0, 0, 59, 59, '1');
  p.teren->zmien_pole(21, 20, '5');
  j->zmien_punkty_ruchu(2);
  j->oblicz_zasieg();
  EXPECT_EQ(j->wartosc_przejscia(21, 20), 0);
  j->zmien_punkty_ruchu(3);
  j->oblicz_zasieg();
  EXPECT_EQ(j->wartosc_przejscia(21, 20), 1);
  EXPECT_EQ(j->wartosc_przejscia(20, 20), 4);
}

TEST(MapaZasiegu, WodaIZajetePolaBlokuja) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_zolnierz, 10, 10, 1);
  p.teren->zmien_pole(9, 10, '3');
  p.postaw(pole_zolnierz, 11, 10, 1);   // friend
  p.postaw(pole_smok, 10, 9, 2);        // foe
  p.postaw(pole_wieza_2, 9, 11, 2);     // tower
  p.ekran.wyczysc();
  j->oblicz_zasieg();
  for (auto f : {std::make_pair(9, 10), std::make_pair(11, 10), std::make_pair(10, 9),
                 std::make_pair(9, 11)}) {
    EXPECT_EQ(j->wartosc_przejscia(f.first, f.second), 0);
    EXPECT_EQ(podswietlone(p.ekran).count(f), 0u);
  }
  EXPECT_GT(j->wartosc_przejscia(10, 11), 0);

  jednostka* miasto = p.postaw(pole_miasto_1, 30, 30, 1);
  miasto->oblicz_zasieg();
  for (int k = 0; k < LICZBA_POL; k++)
    ASSERT_EQ(miasto->pobierz_mape_przejsc()[k], k == 30 * 60 + 30 ? 1 : 0);
}

TEST(MapaZasiegu, KrawedzMapyIJednostkaPozaMapa) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_robotnik_1, 0, 2, 1);
  j->zmien_punkty_ruchu(1);
  j->oblicz_zasieg();
  EXPECT_EQ(j->wartosc_przejscia(59, 1), 0);  // not a neighbour across the edge
  EXPECT_EQ(j->wartosc_przejscia(59, 2), 0);
  EXPECT_EQ(j->wartosc_przejscia(1, 2), 1);
  EXPECT_EQ(j->wartosc_przejscia(0, 1), 1);
  EXPECT_EQ(j->wartosc_przejscia(-1, 2), 0);

  // A unit standing off the map (a shop unit) reaches nothing and draws nothing.
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

TEST(MapaZasiegu, OgromnePunktyRuchuKonczaSieSzybko) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_smok, 30, 30, 2);
  j->zmien_punkty_ruchu(2000000000);  // clamped to 32767
  p.ekran.wyczysc();
  j->oblicz_zasieg();
  EXPECT_EQ(j->wartosc_przejscia(30, 30), 32767);
  EXPECT_EQ(j->wartosc_przejscia(0, 0), 32767 - odleglosc_hex(30, 30, 0, 0));
  EXPECT_EQ(p.ekran.ile("pole"), LICZBA_POL - 1);
  for (int k = 0; k < LICZBA_POL; k++) ASSERT_GT(j->pobierz_mape_przejsc()[k], 0);

}

}  // namespace
