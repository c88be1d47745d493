#include <gtest/gtest.h>

#include <allegro.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "globalne.h"
#include "ocena_walki.h"
#include "pomoc_jednostek.h"
#include "zdarzenia.h"

namespace {

// Each side's twin walks, fights and is worth the same (the strongest pair's price differs); a
// fresh unit is of its kind, level 1, rested, unhurt, and keeps its language's description.
TEST(RodzajeJednostek, BliznietaStronSaRowneIZaczynajaOdZera) {
  pole_bitwy p;
  const nazwa_pola pary[][2] = {
      {pole_zolnierz, pole_ciemny_rycerz}, {pole_rycerz, pole_ognisty}, {pole_mag, pole_lord},
      {pole_hydra, pole_smok}, {pole_archaniol, pole_trol}, {pole_robotnik_1, pole_robotnik_2},
      {pole_wieza_1, pole_wieza_2}, {pole_miasto_1, pole_miasto_2},
      {pole_zamek_gracz_1, pole_zamek_gracz_2}};
  for (auto& para : pary) {
    jednostka* j[2] = {p.utworz(para[0], 5, 7, 1), p.utworz(para[1], 5, 7, 2)};
    auto sily = [&](int k) {
      return std::make_tuple(j[k]->pobierz_punkty_ruchu(), j[k]->pobierz_punkty_zycia(),
                             j[k]->pobierz_atak(), j[k]->pobierz_obrona(),
                             j[k]->pobierz_zwinnosc(), j[k]->pobierz_exp(),
                             j[k]->pobierz_cene() + (para[k] == pole_archaniol ? 50 : 0));
    };
    EXPECT_EQ(sily(0), sily(1)) << para[0];
    for (int k = 0; k < 2; k++)
      EXPECT_EQ(std::make_tuple(j[k]->pobierz_wyglad(), j[k]->pobierz_poziom(),
                                j[k]->pobierz_d_punkty_zycia() - j[k]->pobierz_punkty_zycia(),
                                j[k]->pobierz_d_punkty_ruchu() - j[k]->pobierz_punkty_ruchu(),
                                j[k]->pobierz_opis() != nullptr),
                std::make_tuple(para[k], 1, 0, 0, true));
  }
  const char* opis = p.jednostki[0]->pobierz_opis();
  const std::string tekst = opis ? opis : "", pusty = katalog_tymczasowy() + "/pusty.cfg";
  zapisz_plik(pusty, "[teksty]\ninny = x\n");
  set_config_file(pusty.c_str());
  EXPECT_EQ(p.utworz(pole_mag, 0, 0, 1)->pobierz_opis(), nullptr);
  EXPECT_EQ(p.jednostki[0]->pobierz_opis(), tekst);
  set_config_file("gm_pl.cfg");
  EXPECT_EQ(utworz_jednostke((nazwa_pola)20, nullptr, nullptr, nullptr, nullptr, 0, 0, 1),
            nullptr);
}

// A level, with 10 points to spend, exactly at its threshold, one a call, up to 11; hit points
// grow by a fifth of the defence in per cent (knight 60, town 30), the wounded keep their share.
TEST(PoziomyJednostki, ProgiDoswiadczeniaIWzrostZycia) {
  pole_bitwy p;
  const struct {
    nazwa_pola rodzaj;
    int poziom, doswiadczenie, zycie, nowy_poziom, nowe_zycie, nowe_d_zycie;
  } przypadki[] = {
      {pole_rycerz, 1, 99, 200, 1, 200, 200},     {pole_rycerz, 1, 100, 200, 2, 224, 224},
      {pole_rycerz, 1, 32767, 200, 2, 224, 224},  {pole_rycerz, 10, 3249, 200, 10, 200, 200},
      {pole_rycerz, 10, 3250, 200, 11, 224, 224}, {pole_rycerz, 11, 32767, 200, 11, 200, 200},
      {pole_rycerz, 1, 100, 100, 2, 112, 224},    {pole_miasto_1, 1, 100, 100, 2, 106, 106}};
  for (const auto& c : przypadki) {
    jednostka* j = p.utworz(c.rodzaj, 0, 0, 1);
    j->zmien_poziom(c.poziom), j->zmien_doswiadczenie(c.doswiadczenie);
    j->zmien_punkty_zycia(c.zycie), j->nowy_poziom();
    EXPECT_EQ(std::make_tuple(j->pobierz_poziom(), j->pobierz_punkty_zycia(),
                              j->pobierz_d_punkty_zycia(), j->pobierz_do_rozdysponowania()),
              std::make_tuple(c.nowy_poziom, c.nowe_zycie, c.nowe_d_zycie,
                              c.nowy_poziom > c.poziom ? 10 : 0))
        << c.poziom << "/" << c.doswiadczenie;
  }
}

// One blow: blocked when the first draw is below the defence, divisors cut and none below 1.
int cios(float atak, float obrona) {
  const int r1 = std::rand() % 100, r2 = std::rand(), r3 = std::rand();
  const int o = ((int)atak >= 1 ? r2 % (int)atak : 0) -
                (r1 < obrona && (int)obrona >= 1 ? r3 % (int)obrona : 0);
  return std::max(o, 0);
}

// A (side 1) strikes D (side 2) first: six draws, one of A's points, and D turns on A. Forest
// raises defence by 0.2, mountains 0.35, lava lowers it 0.1, each plus 0.1 for a friend beside,
// 0.05 in the own hours (side 1 9..19, side 2 20..8); attack +10 %, on mountains +20 %.
TEST(Walka, TerenSasiadIPoraStronyZmieniajaSily) {
  const struct {
    char teren_a, teren_d;
    float godzina;
    bool przyjaciel_a, przyjaciel_d;
    float atak_a, obrona_a, atak_d, obrona_d;  // as the fight must use them
    int a_a = 100, o_a = 40, a_d = 80, o_d = 60;  // as set on the units
  } przypadki[] = {
      {'1', '1', 12, 1, 1, 100, 44, 80, 66},  {'2', '1', 9, 0, 0, 110, 50, 80, 60},
      {'2', '1', 19, 0, 0, 110, 50, 80, 60},  {'2', '1', 8.5, 0, 0, 110, 48, 80, 60},
      {'2', '1', 19.5, 0, 0, 110, 48, 80, 60}, {'1', '2', 20, 0, 0, 100, 40, 88, 75},
      {'1', '2', 8, 0, 0, 100, 40, 88, 75},   {'1', '2', 0, 0, 0, 100, 40, 88, 75},
      {'1', '2', 23, 0, 0, 100, 40, 88, 75},  {'1', '2', 8.5, 0, 0, 100, 40, 88, 72},
      {'5', '5', 21, 1, 1, 120, 58, 96, 90},  {'4', '4', 21, 1, 1, 110, 32, 88, 45},
      {'6', '8', 21, 1, 1, 100, 44, 80, 66},  {'1', '1', 12, 0, 0, 0, 40, 0, 1000, 0, 40, 0, 1000},
      {'1', '4', 3, 0, 1, 30, 20, 11, 11.25, 30, 20, 10, 15}};  // divisor 11 below 11.25
  for (const auto& c : przypadki)
    for (unsigned ziarno = 1; ziarno <= 10; ziarno++) {
      godzina = c.godzina;
      pole_bitwy b;
      b.maluj(10, 10, 10, 10, c.teren_a), b.maluj(11, 10, 11, 10, c.teren_d);
      jednostka* a = b.postaw(pole_zolnierz, 10, 10, 1);
      jednostka* d = b.postaw(pole_ciemny_rycerz, 11, 10, 2);
      if (c.przyjaciel_a) b.postaw(pole_zolnierz, 9, 10, 1);  // friends beside each
      if (c.przyjaciel_d) b.postaw(pole_ciemny_rycerz, 12, 10, 2);
      a->zmien_atak(c.a_a), a->zmien_obrona(c.o_a), a->zmien_punkty_zycia(5000);
      d->zmien_atak(c.a_d), d->zmien_obrona(c.o_d), d->zmien_punkty_zycia(5000);
      std::srand(ziarno);
      const int na_d = cios(c.atak_a, c.obrona_d), na_a = cios(c.atak_d, c.obrona_a);
      const int dalej = std::rand();
      std::srand(ziarno);
      a->atakuj(d, 11, 10);
      ASSERT_EQ(std::make_tuple(d->pobierz_punkty_zycia(), a->pobierz_punkty_zycia(), std::rand(),
                                a->pobierz_punkty_ruchu(), d->pobierz_cel_wskaznik()),
                std::make_tuple(5000 - na_d, 5000 - na_a, dalej, 8, a))
          << c.teren_a << c.teren_d << " at " << c.godzina << ", seed " << ziarno;
    }
  godzina = 0.0f;
}

// The estimate against every draw of a blow: fractions, full blocks, no divisor, no harm.
TEST(Walka, OcenaZgadzaSieZKazdymLosowaniemCiosu) {
  const float przypadki[][2] = {{40, 50}, {95, 90},    {95, 99.0f}, {80, 105.5f}, {60, 0.5f},
                                {10, 11.25f}, {0.5f, 30}, {150, 30}, {1, 1}};
  for (const auto& p : przypadki) {
    const int a = std::max((int)p[0], 1), o = std::max((int)p[1], 1);
    std::vector<double> r(a, 0.0);  // the chance of each damage
    for (int r1 = 0; r1 < 100; ++r1)
      for (int r2 = 0; r2 < a; ++r2)
        for (int r3 = 0; r3 < o; ++r3)
          r[std::max(0, r2 - (r1 < p[1] && p[1] >= 1 ? r3 : 0))] += 0.01 / a / o;
    double srednia = 0.0;
    for (int d = 0; d < a; ++d) srednia += d * r[d];
    EXPECT_NEAR(srednie_obrazenia(p[0], p[1]), srednia, 1e-9) << p[0] << "/" << p[1];
    EXPECT_EQ(najwieksze_obrazenia(p[0]), a - 1) << p[0];
    for (int prog : {0, 1, 20, a - 1, a}) {
      double szansa = prog <= 0;
      for (int d = std::max(prog, 1); d < a && prog > 0; ++d) szansa += r[d];
      EXPECT_NEAR(szansa_obrazen(p[0], p[1], prog), szansa, 1e-9) << p[0] << "/" << p[1] << prog;
    }
  }
}

// The fallen leave the grid, the winner gains their worth and below half their price; towers
// and towns change hands at full health. When both drop, the defender keeps exactly 1.
TEST(Walka, UpadekLupZdobycieIObieStrony) {
  pole_bitwy b;
  jednostka* a = b.postaw(pole_smok, 10, 10, 2);
  a->zmien_atak(5000), a->zmien_obrona(5000);
  for (nazwa_pola rodzaj : {pole_wieza_1, pole_miasto_1, pole_zamek_gracz_1}) {
    jednostka* d = b.postaw(rodzaj, 11, 10, 1);
    d->zmien_obrona(1), d->zmien_punkty_zycia(1), a->zmien_doswiadczenie(0), a->zmien_pieniadze(0);
    a->atakuj(d, 11, 10);
    const bool z = rodzaj != pole_zamek_gracz_1;
    EXPECT_EQ(std::make_tuple(d->pobierz_gracz(), d->pobierz_punkty_zycia() > 1,
                              b.siatka.pobierz_jednostke(11, 10) == d, a->pobierz_doswiadczenie(),
                              a->pobierz_pieniadze() < d->pobierz_cene() / 2),
              std::make_tuple(z ? 2 : 1, z, z, d->pobierz_exp(), true)) << rodzaj;
  }
  jednostka* x = b.postaw(pole_zolnierz, 20, 20, 1);
  jednostka* y = b.postaw(pole_ciemny_rycerz, 21, 20, 2);
  for (jednostka* j : {x, y}) j->zmien_punkty_zycia(1), j->zmien_atak(5000), j->zmien_obrona(1);
  x->atakuj(y, 21, 20);
  EXPECT_EQ(std::make_tuple(x->pobierz_punkty_zycia() < 1, y->pobierz_punkty_zycia(),
                            b.siatka.pobierz_jednostke(20, 20), y->pobierz_doswiadczenie()),
            std::make_tuple(true, 1, nullptr, x->pobierz_exp()));
}

// Arriving draws once: one time in ten forest heals up to full health, mountains give gold,
// lava burns, each with its window, and the burnt to death leave the grid; else nothing.
TEST(ZdarzeniePola, KazdyTerenZOknemILiczbaLosowan) {
  pole_bitwy b;
  zdarzenia wejscie(&b.ekran);
  jednostka* j = b.postaw(pole_zolnierz, 0, 0, 1, &wejscie);  // 180 hit points: 5 % is 9
  const char* tereny = "12456";
  const int okna[] = {0, 1, 3, 2, 0};
  for (int t = 0; t < 5; t++)
    for (unsigned ziarno = 1; ziarno < 200; ziarno++) {
      const int zycie = ziarno % 2 ? 175 : 1;
      b.maluj(0, 0, 0, 0, tereny[t]);
      j->zmien_punkty_zycia(zycie), j->zmien_pieniadze(0), wejscie.wyswietl_okno(0);
      b.siatka.wstaw_jednostke(j);
      std::srand(ziarno);
      const bool jest = std::rand() % 101 + 1 <= 10 && okna[t] != 0;
      const int skutek = std::rand(), trzecie = std::rand();
      std::srand(ziarno);
      j->zdarzenie_pola(0, 0);
      const int nowe = !jest ? zycie : t == 1 ? std::min(zycie + skutek % 9, 180)
                                     : t == 2 ? zycie - skutek % 20 : zycie;
      ASSERT_EQ(std::make_tuple(wejscie.zwroc_okno(), std::rand(), j->pobierz_punkty_zycia(),
                                j->pobierz_pieniadze(), b.siatka.pobierz_jednostke(0, 0) == j),
                std::make_tuple(jest ? okna[t] : 0, jest ? trzecie : skutek, nowe,
                                jest && t == 3 ? skutek % 26 + 25 : 0, nowe > 0))
          << tereny[t] << ziarno;
    }
}

// A right click on a living enemy beside, or anywhere for a tower, is a fight for one point;
// the own side, nobody's units and the dead are no opponents, nor anyone for nobody's side.
TEST(Rozkaz, KogoMoznaZaatakowac) {
  const short bylo_ai = ai;
  ai = 0;
  const struct {
    nazwa_pola rodzaj;
    int gracz, cel_gracz, cel_zycie, cx, punkty;  // points after the order
  } przypadki[] = {{pole_zolnierz, 1, 2, 9, 11, 8}, {pole_wieza_1, 1, 2, 9, 14, 8},
                   {pole_zolnierz, 1, 1, 9, 11, 9}, {pole_zolnierz, 1, 0, 9, 11, 9},
                   {pole_zolnierz, 1, 2, 0, 11, 9}, {pole_zolnierz, 0, 2, 9, 11, 9}};
  for (const auto& c : przypadki) {
    pole_bitwy b;
    zdarzenia wejscie(&b.ekran);
    jednostka* j = b.postaw(c.rodzaj, 10, 10, c.gracz, &wejscie);
    b.postaw(pole_mag, c.cx, 10, c.cel_gracz)->zmien_punkty_zycia(c.cel_zycie);
    j->zmien_stan(1);
    mouse_x = c.cx * 40 + 5, mouse_y = 5 * 60 + 12;  // the field (cx, 10)
    wejscie.odswiez_ze_stanem(2), wejscie.odswiez_ze_stanem(0);
    j->sterowanie();
    EXPECT_EQ(j->pobierz_punkty_ruchu(), c.punkty) << "row " << &c - przypadki;
  }
  ai = bylo_ai;
}

// A computer's order that neither moves nor fights costs one point, once, so its turn ends
// (boxed in by water, far from its target); not selected, it keeps its points.
TEST(Rozkaz, KomputerBezSkutkuTraciPunkt) {
  pole_bitwy b;
  zdarzenia wejscie(&b.ekran);
  jednostka* j = b.postaw(pole_smok, 30, 30, ai, &wejscie);  // 8 points
  b.maluj(29, 29, 31, 31, '3'), b.maluj(30, 30, 30, 30, '1');
  j->zmien_cel(b.postaw(pole_mag, 40, 40, 3 - ai));
  j->obsluga(), j->zmien_stan(1), j->obsluga();
  EXPECT_EQ(std::make_pair(j->pobierz_punkty_ruchu(), b.siatka.pobierz_jednostke(30, 30)),
            std::make_pair(7, j));
}

}  // namespace
