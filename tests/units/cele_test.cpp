#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "globalne.h"
#include "pomoc_jednostek.h"

namespace {

// A friend counts on each of the six neighbours of an even and an odd row, never beyond them,
// never across the map's edge and never when it belongs to the other side.
TEST(Sasiedzi, PrzyjacielTylkoNaSzesciuPolachObok) {
  const struct {
    int x, y, ox, oy;
    bool przyjaciel;
  } przypadki[] = {
      {5, 4, 4, 4, true},  {5, 4, 6, 4, true},  {5, 4, 4, 3, true},  {5, 4, 5, 3, true},
      {5, 4, 4, 5, true},  {5, 4, 5, 5, true},  {5, 4, 6, 3, false}, {5, 4, 6, 5, false},
      {5, 5, 5, 4, true},  {5, 5, 6, 4, true},  {5, 5, 5, 6, true},  {5, 5, 6, 6, true},
      {5, 5, 4, 4, false}, {5, 5, 4, 6, false}, {5, 5, 5, 3, false}, {0, 2, 59, 1, false},
      {0, 2, 59, 2, false}, {0, 0, 0, 1, true},
  };
  for (const auto& c : przypadki) {
    pole_bitwy p;
    jednostka* j = p.postaw(pole_zolnierz, c.x, c.y, 1);
    p.postaw(pole_mag, c.ox, c.oy, 1);
    EXPECT_EQ(j->sprawdz_sasiadow("przyjaciel"), c.przyjaciel) << c.ox << "," << c.oy;
    p.siatka.zeruj_pole(c.ox, c.oy);
    p.postaw(pole_smok, c.ox, c.oy, 2);
    EXPECT_FALSE(j->sprawdz_sasiadow("przyjaciel")) << "a foe is no friend";
  }
}

TEST(Sasiedzi, BudynkiLiczaSieWedlugObecnegoWlasciciela) {
  pole_bitwy p;
  jednostka* j = p.postaw(pole_zolnierz, 10, 10, 1);
  jednostka* wieza = p.postaw(pole_wieza_1, 11, 10, 1);
  jednostka* miasto = p.postaw(pole_miasto_2, 9, 10, 2);
  p.postaw(pole_zamek_gracz_2, 10, 9, 2);
  EXPECT_TRUE(j->sprawdz_sasiadow("wieza"));
  EXPECT_FALSE(j->sprawdz_sasiadow("miasto"));
  EXPECT_FALSE(j->sprawdz_sasiadow("zamek"));
  wieza->zmien_gracza(2);  // captured by side 2
  EXPECT_FALSE(j->sprawdz_sasiadow("wieza"));
  miasto->zmien_gracza(1);  // taken by side 1
  EXPECT_TRUE(j->sprawdz_sasiadow("miasto"));
  EXPECT_TRUE(p.postaw(pole_ciemny_rycerz, 11, 11, 2)->sprawdz_sasiadow("wieza"));
  EXPECT_TRUE(p.postaw(pole_smok, 11, 9, 2)->sprawdz_sasiadow("zamek"));
  for (const char* slowo : {"cokolwiek", "", static_cast<const char*>(nullptr)})
    EXPECT_FALSE(j->sprawdz_sasiadow(slowo));
  EXPECT_FALSE(p.postaw(pole_zolnierz, 10, 11, 0)->sprawdz_sasiadow("miasto"));
}

class CeleKomputera : public ::testing::Test {
 protected:
  void SetUp() override { ai = 2; }
  void TearDown() override { ai = 2; }
  pole_bitwy p;
};

TEST_F(CeleKomputera, NajblizszyZywyWrogPierwszyWsrodRownych) {
  jednostka* j = p.postaw(pole_smok, 30, 30, 2);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), nullptr);
  p.postaw(pole_trol, 31, 30, 2);       // own side
  p.postaw(pole_zolnierz, 30, 31, 0);   // nobody's
  p.postaw(pole_zolnierz, 29, 30, 1)->zmien_punkty_zycia(0);
  jednostka* gora = p.postaw(pole_rycerz, 30, 27, 1);  // distance 3, met first
  p.postaw(pole_rycerz, 30, 33, 1);                     // distance 3, met later
  jednostka* wiersz = p.postaw(pole_rycerz, 27, 30, 1);  // distance 3, the unit's row
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), gora);

  // A living enemy target is kept even when a nearer one appears.
  jednostka* blizszy = p.postaw(pole_mag, 32, 31, 1);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), gora);
  gora->zmien_punkty_zycia(0);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), blizszy);
  blizszy->zmien_gracza(2);  // changed sides: looked for again
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), wiersz);  // row 30 comes before row 33
  // With no candidate left the old target stays.
  for (int k = 0; k < LICZBA_POL; k++)
    if (k != 30 * 60 + 30) p.siatka.zeruj_pole(k % 60, k / 60);
  wiersz->zmien_punkty_zycia(0);
  j->pobierz_cel();
  EXPECT_EQ(j->pobierz_cel_wskaznik(), wiersz);
}

// The wander replayed: the first reachable field of the window, then each later one
// replaces it when rand() % 10 < 3.
std::pair<int, int> wedrowka(jednostka* j, int m) {
  std::pair<int, int> wynik = {j->pobierz_x(), j->pobierz_y()};
  bool pierwsze = true;
  for (int y = std::max(0, j->pobierz_y() - m - 1); y <= std::min(59, j->pobierz_y() + m + 1); y++)
    for (int x = std::max(0, j->pobierz_x() - m - 1); x <= std::min(59, j->pobierz_x() + m + 1); x++) {
      if (j->wartosc_przejscia(x, y) == 0) continue;
      if (pierwsze || std::rand() % 10 < 3) wynik = {x, y};
      pierwsze = false;
    }
  return wynik;
}

// With no target, a dead one, or no field nearer to it, the unit wanders; a unit that stays
// on its own field loses a point so that its turn ends.
TEST_F(CeleKomputera, WedrowkaGdyNieMaDokadIsc) {
  p.maluj(0, 11, 59, 11, '3');  // water under row 10: nothing nearer to the enemy below
  jednostka* wrog = p.postaw(pole_mag, 10, 20, 1);
  jednostka* martwy = p.postaw(pole_mag, 40, 5, 1);
  martwy->zmien_punkty_zycia(0);
  for (jednostka* cel : {wrog, martwy, static_cast<jednostka*>(nullptr)})
    for (unsigned ziarno : {1u, 2u, 99u, 4242u}) {
      jednostka* j = p.postaw(pole_smok, 10, 10, 2);
      j->zmien_cel(cel);
      std::srand(ziarno);
      const punkt wynik = j->akcja_cel();
      const int po = std::rand();
      std::srand(ziarno);
      const auto oczekiwane = wedrowka(j, 8);
      EXPECT_EQ(std::make_pair((int)wynik.rx(), (int)wynik.ry()), oczekiwane) << ziarno;
      EXPECT_EQ(std::rand(), po) << "same number of draws";
      EXPECT_EQ(j->pobierz_punkty_ruchu(), oczekiwane == std::make_pair(10, 10) ? 7 : 8);
      p.siatka.zeruj_pole(10, 10);
    }
  jednostka* zamkniety = p.postaw(pole_smok, 30, 30, 2);
  p.maluj(29, 29, 31, 31, '3');
  p.maluj(30, 30, 30, 30, '1');
  const punkt w = zamkniety->akcja_cel();
  EXPECT_EQ(std::make_pair((int)w.rx(), (int)w.ry()), std::make_pair(30, 30));
  EXPECT_EQ(zamkniety->pobierz_punkty_ruchu(), 7);
}

// Odd row 11: (20, 10) is at distance 1 and is struck; (21, 10) neighbours the unit too, but
// lies diagonally, so the unit walks next to it instead. Far targets draw the unit 8 points
// toward them, also when its window of fields reaches over an edge of the map.
TEST_F(CeleKomputera, PoleNajblizszeCeluIKontaktWPoziomieIPionie) {
  const struct {
    int x, y, cx, cy, wx, wy;
  } przypadki[] = {{20, 11, 20, 10, 20, 10}, {20, 11, 21, 10, 21, 9}, {20, 11, 50, 11, 28, 11},
                   {55, 30, 30, 30, 47, 30}, {4, 30, 30, 30, 12, 30},  {30, 56, 30, 30, 30, 48},
                   {30, 3, 30, 30, 30, 11}};
  for (const auto& c : przypadki) {
    jednostka* j = p.postaw(pole_smok, c.x, c.y, 2);
    j->zmien_cel(p.postaw(pole_mag, c.cx, c.cy, 1));
    const punkt w = j->akcja_cel();
    EXPECT_EQ(std::make_pair((int)w.rx(), (int)w.ry()), std::make_pair(c.wx, c.wy)) << c.x << "," << c.y;
    p.siatka.zeruj_pole(c.cx, c.cy);
    p.siatka.zeruj_pole(c.x, c.y);
  }
}

TEST_F(CeleKomputera, WiezaStrzelaDoOstatniegoZywegoWrogaWOknie) {
  w_katalogu_tymczasowym([&] {
    jednostka* wieza = p.postaw(pole_wieza_1, 30, 30, 2);  // a side-1 tower taken by side 2
    p.postaw(pole_smok, 32, 32, 2);
    p.postaw(pole_mag, 41, 30, 1);  // the window reaches m + 1 = 10 fields: 11 is too far
    p.postaw(pole_mag, 30, 19, 1);
    wieza->zmien_cel(p.postaw(pole_mag, 50, 50, 1));
    wieza->akcja_cel();
    EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 0);
    // Looking over the window writes nothing: a crowded map once filled the log each turn.
    EXPECT_EQ(wczytaj_plik("log.txt"), "");

    p.postaw(pole_rycerz, 20, 20, 1);
    p.postaw(pole_rycerz, 34, 36, 1);  // the last living enemy
    p.postaw(pole_rycerz, 35, 38, 1)->zmien_punkty_zycia(0);
    p.postaw(pole_zolnierz, 36, 39, 0);  // nobody's
    p.postaw(pole_smok, 37, 40, 2);      // own side, on the window's last row
    wieza->przywroc_punkty_ruchu(-1);
    const punkt w = wieza->akcja_cel();
    EXPECT_EQ(std::make_pair((int)w.rx(), (int)w.ry()), std::make_pair(34, 36));
    EXPECT_EQ(wieza->pobierz_punkty_ruchu(), 9);
  });
}

TEST_F(CeleKomputera, WspolrzedneZawszeNaMapie) {
  std::srand(11);
  for (int i = 0; i < 60; i++) {
    pole_bitwy q;
    jednostka* j = q.postaw(i % 3 ? pole_smok : pole_wieza_2, std::rand() % 60, std::rand() % 60, 2);
    if (i % 2) j->zmien_cel(q.postaw(pole_mag, std::rand() % 60, std::rand() % 60, 1));
    const punkt w = j->akcja_cel();
    ASSERT_TRUE(w.rx() >= 0 && w.rx() <= 59 && w.ry() >= 0 && w.ry() <= 59) << i;
  }
  const punkt w = p.utworz(pole_smok, -1, -1, 2)->akcja_cel();
  EXPECT_EQ(std::make_pair(w.rx(), w.ry()), std::make_pair(0.0f, 0.0f));
}

}  // namespace
