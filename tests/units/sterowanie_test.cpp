// Fights and field events replayed from a seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "globalne.h"
#include "zdarzenia.h"
#include "pomoc_jednostek.h"

namespace {

// One blow's damage from its three draws, for the attack and defence the fight must use:
// a block when the first draw is below the defence, divisors cut toward zero, none below 1.
int cios(double atak, double obrona) {
  const int r1 = std::rand() % 100, r2 = std::rand(), r3 = std::rand();
  int o = (int)atak >= 1 ? r2 % (int)atak : 0;
  if (r1 < obrona && (int)obrona >= 1) o -= r3 % (int)obrona;
  return o < 0 ? 0 : o;
}

// Attacker A (side 1) at (10, 10) strikes defender D (side 2) at (11, 10). The strengths the
// fight must use were worked out by hand: forest raises defence by 0.2, mountains by 0.35,
// lava lowers it by 0.1, each plus the neighbour bonus 0.1 and the own-time bonus 0.05;
// forest and lava add a tenth to the attack, mountains a fifth; on every other terrain only
// the neighbour bonus counts.
struct przypadek_walki {
  char teren_a, teren_d;
  float godzina;
  bool przyjaciel_a, przyjaciel_d;
  int a_a, o_a, a_d, o_d;               // as set on the units
  double atak_a, obrona_a, atak_d, obrona_d;  // as the fight must use them
};

const przypadek_walki PRZYPADKI_WALKI[] = {
    {'1', '1', 12.0f, false, false, 100, 40, 80, 60, 100, 40, 80, 60},
    {'1', '1', 12.0f, true, true, 100, 40, 80, 60, 100, 44, 80, 66},
    {'2', '1', 12.0f, false, false, 100, 40, 80, 60, 110, 50, 80, 60},  // side 1 by day
    {'2', '1', 9.0f, false, false, 100, 40, 80, 60, 110, 50, 80, 60},
    {'2', '1', 19.0f, false, false, 100, 40, 80, 60, 110, 50, 80, 60},
    {'2', '1', 8.5f, false, false, 100, 40, 80, 60, 110, 48, 80, 60},   // nobody's hour
    {'2', '1', 19.5f, false, false, 100, 40, 80, 60, 110, 48, 80, 60},
    {'2', '1', 3.0f, true, false, 100, 40, 80, 60, 110, 52, 80, 60},    // night: neighbour
    {'1', '2', 3.0f, false, false, 100, 40, 80, 60, 100, 40, 88, 75},   // side 2 by night
    {'1', '2', 20.0f, false, false, 100, 40, 80, 60, 100, 40, 88, 75},
    {'1', '2', 23.0f, false, false, 100, 40, 80, 60, 100, 40, 88, 75},
    {'1', '2', 0.0f, false, false, 100, 40, 80, 60, 100, 40, 88, 75},
    {'1', '2', 8.0f, false, false, 100, 40, 80, 60, 100, 40, 88, 75},
    {'1', '2', 8.5f, false, false, 100, 40, 80, 60, 100, 40, 88, 72},
    {'1', '2', 19.5f, false, false, 100, 40, 80, 60, 100, 40, 88, 72},
    {'5', '5', 8.5f, false, false, 100, 40, 80, 60, 120, 54, 96, 81},
    {'5', '5', 21.0f, true, true, 100, 40, 80, 60, 120, 58, 96, 90},
    {'4', '4', 12.0f, false, false, 100, 40, 80, 60, 110, 34, 88, 54},
    {'4', '4', 21.0f, true, true, 100, 40, 80, 60, 110, 32, 88, 45},    // lava: bonuses lower
    {'3', '6', 12.0f, true, true, 100, 40, 80, 60, 100, 44, 80, 66},    // water, scorched,
    {'7', '8', 21.0f, true, true, 100, 40, 80, 60, 100, 44, 80, 66},    // stone, sand
    {'1', '4', 3.0f, false, true, 30, 20, 10, 15, 30, 20, 11, 11.25},   // divisor 11, block < 11.25
    {'1', '1', 12.0f, false, false, 0, 40, 0, 1000, 0, 40, 0, 1000},    // no divisor, full block
};

TEST(Walka, TerenSasiedziIPoraDniaZmieniajaSily) {
  przygotuj_allegro();
  for (const przypadek_walki& p : PRZYPADKI_WALKI) {
    godzina = p.godzina;
    for (unsigned ziarno = 1; ziarno <= 25; ziarno++) {
      pole_bitwy b;
      b.maluj(10, 10, 10, 10, p.teren_a);
      b.maluj(11, 10, 11, 10, p.teren_d);
      jednostka* a = b.postaw(pole_zolnierz, 10, 10, 1);
      jednostka* d = b.postaw(pole_ciemny_rycerz, 11, 10, 2);
      if (p.przyjaciel_a) b.postaw(pole_zolnierz, 9, 10, 1);
      if (p.przyjaciel_d) b.postaw(pole_ciemny_rycerz, 12, 10, 2);
      a->zmien_atak(p.a_a);
      a->zmien_obrona(p.o_a);
      d->zmien_atak(p.a_d);
      d->zmien_obrona(p.o_d);
      a->zmien_punkty_zycia(5000);
      d->zmien_punkty_zycia(5000);
      std::srand(ziarno);
      const int na_d = cios(p.atak_a, p.obrona_d);
      const int na_a = cios(p.atak_d, p.obrona_a);
      const int dalej = std::rand();
      std::srand(ziarno);
      a->atakuj(d, 11, 10);
      const std::string gdzie = std::string("A on ") + p.teren_a + ", D on " + p.teren_d +
                                " at " + std::to_string(p.godzina) + ", seed " +
                                std::to_string(ziarno);
      ASSERT_EQ(d->pobierz_punkty_zycia(), 5000 - na_d) << gdzie;
      ASSERT_EQ(a->pobierz_punkty_zycia(), 5000 - na_a) << gdzie;
      ASSERT_EQ(std::rand(), dalej) << gdzie << ": six draws";
      ASSERT_EQ(a->pobierz_punkty_ruchu(), a->pobierz_d_punkty_ruchu() - 1);
      ASSERT_EQ(d->pobierz_cel_wskaznik(), a) << "the defender answers its attacker";
    }
  }
}

TEST(Walka, UpadekLupZdobycieIObieStrony) {
  przygotuj_allegro();
  pole_bitwy b;
  jednostka* a = b.postaw(pole_smok, 10, 10, 2);
  jednostka* wieza = b.postaw(pole_wieza_1, 11, 10, 1);
  a->zmien_atak(5000);
  a->zmien_obrona(5000);
  wieza->zmien_obrona(1);
  wieza->zmien_punkty_zycia(1);
  a->atakuj(wieza, 11, 10);
  // Captured at full health, still on the grid; the winner takes its worth.
  EXPECT_EQ(wieza->pobierz_gracz(), 2);
  EXPECT_EQ(wieza->pobierz_punkty_zycia(), wieza->pobierz_d_punkty_zycia());
  EXPECT_EQ(b.siatka.pobierz_jednostke(11, 10), wieza);
  EXPECT_EQ(a->pobierz_doswiadczenie(), wieza->pobierz_exp());
  EXPECT_LT(a->pobierz_pieniadze(), wieza->pobierz_cene() / 2);

  jednostka* zamek = b.postaw(pole_zamek_gracz_1, 10, 11, 1);
  zamek->zmien_punkty_zycia(1);
  zamek->zmien_obrona(1);
  a->atakuj(zamek, 10, 11);
  EXPECT_LT(zamek->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(b.siatka.pobierz_jednostke(10, 11), nullptr);

  // Both below 1: the attacker falls, the defender keeps exactly 1.
  jednostka* x = b.postaw(pole_zolnierz, 20, 20, 1);
  jednostka* y = b.postaw(pole_ciemny_rycerz, 21, 20, 2);
  for (jednostka* j : {x, y}) {
    j->zmien_punkty_zycia(1);
    j->zmien_atak(5000);
    j->zmien_obrona(1);
  }
  x->atakuj(y, 21, 20);
  EXPECT_LT(x->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(y->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(b.siatka.pobierz_jednostke(20, 20), nullptr);
  EXPECT_EQ(b.siatka.pobierz_jednostke(21, 20), y);
  EXPECT_EQ(y->pobierz_doswiadczenie(), x->pobierz_exp());
}

// Every terrain kind: one draw decides; forest heals, mountains give gold, lava burns, each
// with its own message window, and the other kinds take the one draw and change nothing.
TEST(ZdarzeniePola, KazdyTerenZOknemILiczbaLosowan) {
  przygotuj_allegro();
  const struct {
    char znak;
    int okno;
  } tereny[] = {{'1', 0}, {'2', 1}, {'4', 3}, {'5', 2}, {'6', 0}, {'7', 0}, {'8', 0}};
  pole_bitwy b;
  zdarzenia wejscie(&b.ekran);
  std::unique_ptr<jednostka> j(utworz_jednostke(pole_zolnierz, &b.ekran, b.teren.get(),
                                                &b.siatka, &wejscie, 0, 0, 1));
  for (const auto& t : tereny) {
    b.maluj(0, 0, 0, 0, t.znak);
    int wydarzenia = 0;
    for (unsigned ziarno = 1; ziarno < 120; ziarno++) {
      j->zmien_punkty_zycia(j->pobierz_d_punkty_zycia() / 2);
      j->zmien_pieniadze(0);
      wejscie.wyswietl_okno(0);
      std::srand(ziarno);
      const bool jest = std::rand() % 101 + 1 <= 10 && t.okno != 0;
      const int skutek = std::rand();
      const int trzecie = std::rand();
      const int zycie = j->pobierz_punkty_zycia();
      std::srand(ziarno);
      j->zdarzenie_pola(0, 0);
      const std::string gdzie = std::string("terrain ") + t.znak + ", seed " +
                                std::to_string(ziarno);
      wydarzenia += jest;
      ASSERT_EQ(wejscie.zwroc_okno(), jest ? t.okno : 0) << gdzie;
      ASSERT_EQ(std::rand(), jest ? trzecie : skutek) << gdzie << ": draw count";
      int oczekiwane_zycie = zycie, oczekiwane_zloto = 0;
      if (jest && t.znak == '2')
        oczekiwane_zycie = std::min(zycie + skutek % (5 * j->pobierz_d_punkty_zycia() / 100),
                                    j->pobierz_d_punkty_zycia());
      if (jest && t.znak == '5') oczekiwane_zloto = skutek % 26 + 25;
      if (jest && t.znak == '4') oczekiwane_zycie = zycie - skutek % 20;
      ASSERT_EQ(j->pobierz_punkty_zycia(), oczekiwane_zycie) << gdzie;
      ASSERT_EQ(j->pobierz_pieniadze(), oczekiwane_zloto) << gdzie;
    }
    if (t.okno != 0) {
      EXPECT_GT(wydarzenia, 3) << t.znak;
    }
  }
}

// Lava that burns a unit to death takes it off the grid like any fall: the field is free for
// the next unit. One that survives the burn stays where it is.
TEST(ZdarzeniePola, SmiercNaLawieZwalniaPole) {
  przygotuj_allegro();
  pole_bitwy b;
  zdarzenia wejscie(&b.ekran);
  b.maluj(5, 5, 5, 5, '4');
  unsigned ziarno = 1;
  for (;; ++ziarno) {  // a seed whose event fires and burns at least one point
    std::srand(ziarno);
    if (std::rand() % 101 + 1 <= 10 && std::rand() % 20 >= 1) break;
  }
  for (int zycie : {1, 100}) {
    std::unique_ptr<jednostka> j(utworz_jednostke(pole_zolnierz, &b.ekran, b.teren.get(),
                                                  &b.siatka, &wejscie, 5, 5, 1));
    b.siatka.wstaw_jednostke(j.get());
    j->zmien_punkty_zycia(zycie);
    std::srand(ziarno);
    j->zdarzenie_pola(5, 5);
    ASSERT_LT(j->pobierz_punkty_zycia(), zycie);
    EXPECT_EQ(b.siatka.pobierz_jednostke(5, 5), zycie == 1 ? nullptr : j.get()) << zycie;
    b.siatka.zeruj_pole(5, 5);
  }
}

// Only the selected unit takes orders: a waiting one keeps its points. A computer's order
// that neither moves nor fights costs one point, even when choosing the destination already
// took it: boxed in by water, far from its target, the unit stays.
TEST(Rozkaz, TylkoWybranaDzialaIKomputerBezSkutkuTraciPunkt) {
  przygotuj_allegro();
  pole_bitwy b;
  zdarzenia wejscie(&b.ekran);
  std::unique_ptr<jednostka> j(utworz_jednostke(pole_smok, &b.ekran, b.teren.get(), &b.siatka,
                                                &wejscie, 30, 30, ai));
  b.siatka.wstaw_jednostke(j.get());
  b.maluj(29, 29, 31, 31, '3');
  b.maluj(30, 30, 30, 30, '1');
  j->zmien_cel(b.postaw(pole_mag, 40, 40, 3 - ai));
  const int przed = j->pobierz_punkty_ruchu();
  j->obsluga();
  EXPECT_EQ(j->pobierz_punkty_ruchu(), przed);
  j->zmien_stan(1);
  j->obsluga();
  EXPECT_EQ(j->pobierz_punkty_ruchu(), przed - 1);
  EXPECT_EQ(b.siatka.pobierz_jednostke(30, 30), j.get());
}

}  // namespace
