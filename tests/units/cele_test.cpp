#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "globalne.h"
#include "pomoc_jednostek.h"

namespace {

struct pole_xy {
  int x, y;
};

TEST(Sasiedzi, PrzyjacielNaParzystymINieparzystymWierszu) {
  // Even row 4: neighbours shift left; odd row 5: they shift right.
  const struct {
    int x, y;
    pole_xy sasiedzi[6];
    pole_xy obce[2];
  } przypadki[] = {
      {5, 4, {{4, 4}, {6, 4}, {4, 3}, {5, 3}, {4, 5}, {5, 5}}, {{6, 3}, {6, 5}}},
      {5, 5, {{4, 5}, {6, 5}, {5, 4}, {6, 4}, {5, 6}, {6, 6}}, {{4, 4}, {4, 6}}},
  };
  for (auto& c : przypadki) {
    for (int s = 0; s < 6; s++) {
      pole_bitwy p;
      jednostka* j = p.postaw(pole_zolnierz, c.x, c.y, 1);
      p.postaw(pole_mag, c.sasiedzi[s].x, c.sasiedzi[s].y, 1);
      EXPECT_TRUE(j->sprawdz_sasiadow("przyjaciel")) << c.y << " " << s;
      EXPECT_FALSE(j->sprawdz_sasiadow("zamek"));
    }
    for (auto& o : c.obce) {
      pole_bitwy p;
      jednostka* j = p.postaw(pole_zolnierz, c.x, c.y, 1);
      p.postaw(pole_mag, o.x, o.y, 1);
      EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel")) << o.x << "," << o.y;
    }
    pole_bitwy p;
    jednostka* j = p.postaw(pole_zolnierz, c.x, c.y, 1);
    p.postaw(pole_smok, c.sasiedzi[0].x, c.sasiedzi[0].y, 2);  // a foe is no friend
    EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel"));
  }
}

TEST(Sasiedzi, KrawedzMapy) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_zolnierz, 0, 2, 1);
  p.postaw(pole_mag, 59, 1, 1);  // last column of the row above: not a neighbour
  p.postaw(pole_mag, 59, 2, 1);
  EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel"));
  jednostka* rog = p.postaw(pole_zolnierz, 0, 0, 1);
  EXPECT_FALSE(rog->sprawdz_sasiadow("przyjaciel"));
  p.postaw(pole_zamek_gracz_1, 0, 1, 1);
  EXPECT_TRUE(rog->sprawdz_sasiadow("zamek"));
  EXPECT_TRUE(rog->sprawdz_sasiadow("przyjaciel"));
}

TEST(Sasiedzi, BudynkiLiczaSieWedlugObecnegoWlasciciela) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_zolnierz, 10, 10, 1);
  jednostka* wieza = p.postaw(pole_wieza_1, 11, 10, 1);
  jednostka* miasto = p.postaw(pole_miasto_2, 9, 10, 2);
  EXPECT_TRUE(j->sprawdz_sasiadow("wieza"));
  EXPECT_FALSE(j->sprawdz_sasiadow("miasto"));
  EXPECT_FALSE(j->sprawdz_sasiadow("zamek"));
  wieza->zmien_gracza(2);  // captured by side 2
  EXPECT_FALSE(j->sprawdz_sasiadow("wieza"));
  EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel"));
  miasto->zmien_gracza(1);  // taken by side 1
  EXPECT_TRUE(j->sprawdz_sasiadow("miasto"));
  jednostka* obok_wiezy = p.postaw(pole_ciemny_rycerz, 11, 11, 2);
  EXPECT_TRUE(obok_wiezy->sprawdz_sasiadow("wieza"));

  EXPECT_FALSE(j->sprawdz_sasiadow("cokolwiek"));
  EXPECT_FALSE(j->sprawdz_sasiadow(""));
  EXPECT_FALSE(j->sprawdz_sasiadow(nullptr));
  jednostka* nikt = p.postaw(pole_zolnierz, 10, 11, 0);
  EXPECT_FALSE(nikt->sprawdz_sasiadow("wieza"));
}

class CeleKomputera : public ::testing::Test {
 protected:
  void SetUp() override { ai = 2; }
  void TearDown() override { ai = 2; }
  pole_bitwy p;
};

TEST_F(CeleKomputera, NajblizszyWrogPierwszyWsrodRownych) {
  jednostka* j = p.postaw(pole_smok, 30, 30, 2);
  p.postaw(pole_trol, 31, 30, 2);       // own side
  p.postaw(pole_zolnierz, 30, 31, 0);   // nobody's
  jednostka* martwy = p.postaw(pole_zolnierz, 29, 30, 1);
  martwy->zmien_punkty_zycia(0);
  jednostka* gora = p.postaw(pole_rycerz, 30, 27, 1);  // distance 3, met first
  p.postaw(pole_rycerz, 30, 33, 1);                     // distance 3, met later
  p.postaw(pole_rycerz, 27, 30, 1);                     // distance 3, on the unit's row
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), gora);

  // A living enemy target is kept even when a nearer one appears.
  jednostka* blizszy = p.postaw(pole_mag, 32, 31, 1);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), gora);
  gora->zmien_punkty_zycia(-3);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), blizszy);
  blizszy->zmien_gracza(2);  // changed sides: looked for again
  j->pobierz_cel();
  ASSERT_NE(j->pobierz_cel_wskaznik(), blizszy);
  EXPECT_EQ(j->pobierz_cel_wskaznik()->pobierz_x(), 27);  // row 30 comes before row 33
  EXPECT_EQ(j->pobierz_cel_wskaznik()->pobierz_y(), 30);
}

TEST_F(CeleKomputera, BezKandydataCelZostaje) {
  jednostka* j = p.postaw(pole_smok, 30, 30, 2);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), nullptr);
  jednostka* wrog = p.postaw(pole_mag, 40, 40, 1);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), wrog);
  wrog->zmien_punkty_zycia(0);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), wrog);
}

// The wander of akcja_cel replayed: first reachable field of the window, then each later
// one replaces it when rand() % 10 < 3.
pole_xy wedrowka(jednostka* j, int m) {
  pole_xy wynik = {j->pobierz_x(), j->pobierz_y()};
  bool pierwsze = true;
  for (int y = std::max(0, j->pobierz_y() - m - 1); y <= std::min(59, j->pobierz_y() + m + 1); y++)
    for (int x = std::max(0, j->pobierz_x() - m - 1); x <= std::min(59, j->pobierz_x() + m + 1); x++) {
      if (j->wartosc_przejscia(x, y) == 0) continue;
      if (pierwsze || std::rand() % 10 < 3) wynik = {x, y};
      pierwsze = false;
    }
  return wynik;
}

TEST_F(CeleKomputera, WedrowkaGdyNieMaPolaBlizejCelu) {
  // Water under the unit's row: it cannot get any nearer to the target below.
  p.maluj(0, 11, 59, 11, '3');
  jednostka* wrog = p.postaw(pole_mag, 10, 20, 1);
  for (unsigned ziarno : {1u, 2u, 99u, 4242u}) {
    jednostka* j = p.postaw(pole_smok, 10, 10, 2);
    j->zmien_cel(wrog);
    std::srand(ziarno);
    const punkt wynik = j->akcja_cel();
    const int po = std::rand();
    std::srand(ziarno);
    const pole_xy oczekiwane = wedrowka(j, 8);
    EXPECT_EQ((int)wynik.rx(), oczekiwane.x) << ziarno;
    EXPECT_EQ((int)wynik.ry(), oczekiwane.y) << ziarno;
    EXPECT_EQ(std::rand(), po) << "same number of draws";
    EXPECT_EQ(j->pobierz_punkty_ruchu(), (oczekiwane.x == 10 && oczekiwane.y == 10) ? 7 : 8);
    p.siatka.zeruj_pole(10, 10);
  }
}

TEST_F(CeleKomputera, BezCeluJednostkaWedruje) {
  jednostka* j = p.postaw(pole_smok, 0, 0, 2);
  int m = j->pobierz_punkty_ruchu();
  std::srand(5);
  const punkt wynik = j->akcja_cel();  // no target at all
  std::srand(5);
  const pole_xy oczekiwane = wedrowka(j, m);
  EXPECT_EQ((int)wynik.rx(), oczekiwane.x);
  EXPECT_EQ((int)wynik.ry(), oczekiwane.y);

  jednostka* martwy = p.postaw(pole_mag, 5, 0, 1);
  martwy->zmien_punkty_zycia(0);
  j->zmien_cel(martwy);  // a dead target is no target
  m = j->pobierz_punkty_ruchu();
  std::srand(6);
  const punkt w2 = j->akcja_cel();
  std::srand(6);
  const pole_xy o2 = wedrowka(j, m);
  EXPECT_EQ((int)w2.rx(), o2.x);
  EXPECT_EQ((int)w2.ry(), o2.y);

  // Nowhere to go: its own field, and it loses a point so its turn ends.
  jednostka* zamkniety = p.postaw(pole_smok, 30, 30, 2);
  for (int s = 0; s < 6; s++) {
    int nx, ny;
    sasiad(30, 30, s, nx, ny);
    p.teren->zmien_pole(nx, ny, '3');
  }
  const punkt w3 = zamkniety->akcja_cel();
  EXPECT_EQ((int)w3.rx(), 30);
  EXPECT_EQ((int)w3.ry(), 30);
  EXPECT_EQ(zamkniety->pobierz_punkty_ruchu(), 7);
}

TEST_F(CeleKomputera, KontaktTylkoZachodWschodPolnocPoludnie) {
  // Odd row 11: (x, y-1) and (x+1, y-1) are both neighbours, but only the first is at
  // distance 1.
  jednostka* j = p.postaw(pole_smok, 20, 11, 2);
  jednostka* polnoc = p.postaw(pole_mag, 20, 10, 1);
  j->zmien_cel(polnoc);
  punkt w = j->akcja_cel();
  EXPECT_EQ((int)w.rx(), 20);
  EXPECT_EQ((int)w.ry(), 10);
  p.siatka.zeruj_pole(20, 10);

  jednostka* skos = p.postaw(pole_mag, 21, 10, 1);
  j->zmien_cel(skos);
  j->przywroc_punkty_ruchu(-1);
  w = j->akcja_cel();
  // The nearest free reachable field: the first in window order at distance 1 from (21, 10).
  EXPECT_FALSE((int)w.rx() == 21 && (int)w.ry() == 10);
  EXPECT_NEAR(std::hypot(w.rx() - 21, w.ry() - 10), 1.0, 1e-6);
  EXPECT_EQ((int)w.ry(), 9);
  EXPECT_EQ((int)w.rx(), 21);
  EXPECT_GT(j->wartosc_przejscia((int)w.rx(), (int)w.ry()), 0);

  // A target far away: the reachable field nearest to it.
  p.siatka.zeruj_pole(21, 10);
  jednostka* daleko = p.postaw(pole_mag, 50, 11, 1);
  j->zmien_cel(daleko);
  w = j->akcja_cel();
  EXPECT_EQ((int)w.rx(), 28);  // 8 points straight east
  EXPECT_EQ((int)w.ry(), 11);
}

TEST_F(CeleKomputera, WiezaStrzelaDoOstatniegoZywegoWroga) {
  w_katalogu_tymczasowym([&] {
    jednostka* wieza = p.postaw(pole_wieza_2, 30, 30, 2);
    jednostka* wrog = p.postaw(pole_mag, 25, 30, 1);
    wieza->zmien_cel(wrog);
    const punkt w0 = wieza->akcja_cel();
    EXPECT_EQ((int)w0.rx(), 25);
    EXPECT_EQ((int)w0.ry(), 30);
    EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 9);

    p.postaw(pole_rycerz, 33, 35, 1);
    jednostka* ostatni_zywy = p.postaw(pole_rycerz, 34, 36, 1);
    jednostka* martwy = p.postaw(pole_rycerz, 35, 38, 1);
    martwy->zmien_punkty_zycia(0);
    p.postaw(pole_zolnierz, 36, 39, 0);  // nobody's
    p.postaw(pole_smok, 37, 39, 2);      // own side
    const punkt w1 = wieza->akcja_cel();
    EXPECT_EQ((int)w1.rx(), ostatni_zywy->pobierz_x());
    EXPECT_EQ((int)w1.ry(), ostatni_zywy->pobierz_y());
    EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 9);
  });
}

TEST_F(CeleKomputera, WiezaBezWrogaKonczyTure) {
  w_katalogu_tymczasowym([&] {
    jednostka* wieza = p.postaw(pole_wieza_1, 10, 10, 2);  // a side-1 tower taken by side 2
    jednostka* daleko = p.postaw(pole_mag, 50, 50, 1);
    p.postaw(pole_smok, 12, 12, 2);
    wieza->zmien_cel(daleko);
    wieza->akcja_cel();
    EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 0);
    // Looking over the window writes nothing: a crowded map once filled the log each turn.
    EXPECT_EQ(wczytaj_plik("log.txt"), "");

    // The window reaches m + 1 = 10 fields each way: 11 is out of sight, 10 is not.
    jednostka* druga = p.postaw(pole_wieza_2, 30, 30, 2);
    p.postaw(pole_mag, 41, 30, 1);
    p.postaw(pole_mag, 30, 19, 1);
    druga->akcja_cel();
    EXPECT_EQ(druga->pobierz_punkty_ruchu(), 0);
    druga->przywroc_punkty_ruchu(-1);
    p.postaw(pole_mag, 20, 40, 1);
    const punkt w = druga->akcja_cel();
    EXPECT_EQ((int)w.rx(), 20);
    EXPECT_EQ((int)w.ry(), 40);
    EXPECT_EQ(druga->pobierz_punkty_ruchu(), 9);
  });
}

TEST_F(CeleKomputera, WspolrzedneZawszeNaMapie) {
  std::srand(11);
  for (int i = 0; i < 200; i++) {
    pole_bitwy q;
    jednostka* j = q.postaw(pole_smok, std::rand() % 60, std::rand() % 60, 2);
    if (i % 2) j->zmien_cel(q.postaw(pole_mag, std::rand() % 60, std::rand() % 60, 1));
    const punkt w = j->akcja_cel();
    ASSERT_GE(w.rx(), 0);
    ASSERT_LE(w.rx(), 59);
    ASSERT_GE(w.ry(), 0);
    ASSERT_LE(w.ry(), 59);
  }
  jednostka* poza = p.utworz(pole_smok, -1, -1, 2);
  const punkt w = poza->akcja_cel();
  EXPECT_EQ(w.rx(), 0);
  EXPECT_EQ(w.ry(), 0);
}

}  // namespace
