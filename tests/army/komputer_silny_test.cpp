// The strong computer on an open grass battlefield: what it may know of the other side, and a
// whole turn of it through the real frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "komputer_silny.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

class KomputerSilny : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    dev_mode = false;
    godzina = 12.0f;
    mouse_x = 512;
    mouse_y = 300;
    mouse_b = 0;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    stan.teren = mapa_trawy(&ekran);
    stan.siatka = new mapa_jednostek();
    stan.armia_glowna = new armia(pole_zamek_gracz_1, 1, &ekran, stan.teren, stan.siatka,
                                  &wejscie, 5, 10, false);
    dodaj(pole_zamek_gracz_2, 2, 50, 10);
    // The shops: one template of each kind a side may buy.
    const nazwa_pola sklepy[2][6] = {
        {pole_robotnik_1, pole_zolnierz, pole_rycerz, pole_mag, pole_hydra, pole_archaniol},
        {pole_robotnik_2, pole_ciemny_rycerz, pole_ognisty, pole_lord, pole_smok, pole_trol}};
    armia** wzorce[2] = {&stan.wzorce_1, &stan.wzorce_2};
    for (int g = 0; g < 2; ++g) {
      *wzorce[g] = new armia(sklepy[g][0], g + 1, &ekran, stan.teren, stan.siatka, &wejscie, -1,
                             -1, false);
      for (int i = 1; i < 6; ++i)
        (*wzorce[g])->dodaj(sklepy[g][i], g + 1, &ekran, stan.teren, stan.siatka, &wejscie, -1,
                            -1, false);
    }
    stan.aktywny_gracz = 2;
    stan.gracze[1] = stan.gracze[2] = gracz();
    ai = 2;
    sila_komputera = SILA_SILNA;
  }
  void TearDown() override {
    stan.zwolnij();
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
  }
  jednostka* dodaj(nazwa_pola r, int g, int x, int y) {
    stan.armia_glowna->dodaj(r, g, &ekran, stan.teren, stan.siatka, &wejscie, x, y, false);
    return stan.armia_glowna->zwroc_ostatnia();
  }

  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  stan_gry stan;
};

// What the screen does not show of an enemy, its exact hit points within one pixel of its
// health bar and the attack and defence its levels brought, changes nothing; a nearly empty
// bar draws the blow that finishes it.
TEST_F(KomputerSilny, WidziTylkoToCoPokazujeEkran) {
  const struct {
    int zycie, atak, obrona;
  } wrogowie[] = {{101, 50, 60}, {103, 50, 60}, {101, 95, 95}, {101, 20, 10}, {12, 50, 60}};
  std::vector<std::string> rozkazy;
  for (const auto& w : wrogowie) {
    jednostka* nasz = dodaj(pole_ognisty, 2, 30, 10);
    nasz->zmien_punkty_zycia(120);
    jednostka* wrog = dodaj(pole_rycerz, 1, 31, 10);
    wrog->zmien_punkty_zycia(w.zycie);
    wrog->zmien_atak(w.atak);
    wrog->zmien_obrona(w.obrona);
    komputer_silny k(stan);
    ASSERT_EQ(k.nastepna_jednostka(2), nasz);
    nasz->oblicz_zasieg();
    const punkt f = k.rozkaz(*nasz);
    rozkazy.push_back(std::to_string((int)f.rx()) + "," + std::to_string((int)f.ry()));
    TearDown();
    SetUp();
  }
  for (std::size_t i = 1; i + 1 < rozkazy.size(); ++i)
    EXPECT_EQ(rozkazy[i], rozkazy[0]) << "hidden values of enemy " << i << " changed the order";
  EXPECT_EQ(rozkazy.back(), "31,10");
}

// A whole turn through the frame: one order a pass, each one a person could give (a move
// within reach or a blow at a neighbour), at most one purchase a pass, and the turn ends.
TEST_F(KomputerSilny, TuraToRozkazyCzlowieka) {
  dodaj(pole_robotnik_2, 2, 49, 10);
  dodaj(pole_wieza_2, 2, 48, 8);
  for (int y : {9, 11, 13}) dodaj(pole_ciemny_rycerz, 2, 40, y);
  dodaj(pole_ognisty, 2, 41, 10);
  for (int y : {8, 10, 12}) dodaj(pole_zolnierz, 1, 35, y);
  dodaj(pole_miasto_1, 1, 38, 16);
  stan.gracze[2].zmien_zloto(330);
  menu okna(&ekran);
  rozgrywka r(stan, &okna, false);
  r.ustaw_oddawanie_procesora(false);

  struct obraz {
    jednostka* j;
    int x, y, zycie, gracz;
  };
  int klatki = 0, ruchy = 0, ciosy = 0;
  const int na_poczatku = stan.armia_glowna->liczba_wezlow();
  while (stan.aktywny_gracz == 2 && klatki < 400) {
    std::vector<obraz> przed;
    for (armia* a = stan.armia_glowna; a; a = a->pobierz_nastepna()) {
      jednostka* j = a->pobierz_jednostke();
      if (j->pobierz_gracz() == 2 && j->pobierz_punkty_zycia() > 0) j->oblicz_zasieg();
      przed.push_back({j, j->pobierz_x(), j->pobierz_y(), j->pobierz_punkty_zycia(),
                       j->pobierz_gracz()});
    }
    const int wezly = stan.armia_glowna->liczba_wezlow();
    r.klatka();
    ++klatki;
    if (stan.aktywny_gracz != 2) break;  // the end of turn heals everyone
    EXPECT_LE(stan.armia_glowna->liczba_wezlow(), wezly + 1) << klatki;
    EXPECT_GE(stan.gracze[2].pobierz_zloto(), 0);
    int ruszone = 0, trafione = 0;
    for (const obraz& o : przed) {
      jednostka* j = o.j;
      if (o.gracz == 2 && (j->pobierz_x() != o.x || j->pobierz_y() != o.y)) {
        ++ruszone;
        EXPECT_GT(j->wartosc_przejscia(j->pobierz_x(), j->pobierz_y()), 0)
            << "a jump beyond reach in frame " << klatki;
      }
      if (o.gracz == 1 && j->pobierz_punkty_zycia() < o.zycie) ++trafione;
    }
    EXPECT_LE(ruszone + trafione, 1) << "two orders in frame " << klatki;
    ruchy += ruszone;
    ciosy += trafione;
  }
  EXPECT_NE(stan.aktywny_gracz, 2) << "the turn did not end in " << klatki << " frames";
  EXPECT_GT(ruchy, 0);
  EXPECT_GT(ciosy, 0);
  // It spent what it had on fighters, one a pass.
  EXPECT_GE(stan.armia_glowna->liczba_wezlow() - na_poczatku, 3);
}

// One purchase a pass: a worker while it has none, then a few cheap fighters, then the first
// technology and its stronger kind, each at exactly its price; none while the castle is shut
// in.
TEST_F(KomputerSilny, ZakupyZaDokladnaCene) {
  const struct {
    bool robotnik;
    int wojownicy;
    bool technologia, otoczony;
    int zloto;
    nazwa_pola kupiona;
    bool kupiona_technologia;
  } przypadki[] = {
      {false, 0, false, false, 70, pole_robotnik_2, false},
      {false, 0, false, false, 69, pole_brak, false},
      {true, 0, false, false, 100, pole_ciemny_rycerz, false},
      {true, 0, false, false, 99, pole_brak, false},
      {true, 8, false, false, 1000, pole_brak, true},
      {true, 8, false, false, 999, pole_brak, false},
      {true, 8, true, false, 150, pole_ognisty, false},
      {true, 8, true, false, 149, pole_brak, false},
      {false, 0, false, true, 5000, pole_brak, false},
  };
  for (const auto& c : przypadki) {
    if (c.robotnik) dodaj(pole_robotnik_2, 2, 40, 40);
    for (int i = 0; i < c.wojownicy; ++i) dodaj(pole_ciemny_rycerz, 2, 30 + i, 45);
    if (c.otoczony)
      for (int s = 0; s < 6; ++s) {
        int nx, ny;
        sasiad(50, 10, s, nx, ny);
        stan.teren->zmien_pole(nx, ny, '3');
      }
    if (c.technologia) stan.gracze[2].kup_technologie(2);
    stan.gracze[2].zmien_zloto(c.zloto);
    const int wezly = stan.armia_glowna->liczba_wezlow();
    komputer_silny k(stan);
    k.zakupy(2);
    const std::string gdzie = std::to_string(c.zloto) + (c.robotnik ? " with a worker" : "");
    const bool kupil = stan.armia_glowna->liczba_wezlow() > wezly;
    EXPECT_EQ(kupil ? stan.armia_glowna->zwroc_ostatnia()->pobierz_wyglad() : pole_brak,
              c.kupiona) << gdzie;
    EXPECT_EQ(stan.gracze[2].sprawdz_technologie(2), c.technologia || c.kupiona_technologia) << gdzie;
    const int cena = kupil ? stan.armia_glowna->zwroc_ostatnia()->pobierz_cene()
                           : (c.kupiona_technologia ? 1000 : 0);
    EXPECT_EQ(stan.gracze[2].pobierz_zloto(), c.zloto - cena) << gdzie;
    TearDown();
    SetUp();
  }
}

// The unit panel's button: raises while points are to be spent, a repair by a worker beside a
// castle missing more than 40 points, healing below 85 % beside a castle or town; each only
// with the gold for it.
TEST_F(KomputerSilny, PrzyciskPaneluNaGranicach) {
  const struct {
    nazwa_pola rodzaj;
    int do_rozdysponowania, atak, obrona, zycie, brak_zamku, zloto;
    komputer_silny::przycisk_panelu przycisk;
  } przypadki[] = {
      {pole_ognisty, 1, 99, 99, 200, 0, 0, komputer_silny::punkt_ataku},
      {pole_ognisty, 1, 100, 99, 200, 0, 0, komputer_silny::punkt_obrony},
      {pole_ognisty, 1, 100, 100, 200, 0, 0, komputer_silny::punkt_zwinnosci},
      {pole_robotnik_2, 0, 10, 15, 50, 41, 350, komputer_silny::naprawa},
      {pole_robotnik_2, 0, 10, 15, 50, 41, 349, komputer_silny::zaden},
      {pole_robotnik_2, 0, 10, 15, 50, 40, 5000, komputer_silny::zaden},
      {pole_ognisty, 0, 50, 60, 169, 0, 37, komputer_silny::leczenie},
      {pole_ognisty, 0, 50, 60, 169, 0, 36, komputer_silny::zaden},
      {pole_ognisty, 0, 50, 60, 170, 0, 5000, komputer_silny::zaden},
  };
  for (const auto& c : przypadki) {
    jednostka* a = dodaj(c.rodzaj, 2, 49, 10);  // beside its castle at (50, 10)
    a->zmien_do_rozdysponowania(c.do_rozdysponowania);
    a->zmien_atak(c.atak);
    a->zmien_obrona(c.obrona);
    a->zmien_punkty_zycia(c.zycie);
    jednostka* zamek = stan.armia_glowna->zwroc_jednostke(pole_zamek_gracz_2);
    zamek->zmien_punkty_zycia(zamek->pobierz_d_punkty_zycia() - c.brak_zamku);
    stan.gracze[2].zmien_zloto(c.zloto);
    komputer_silny k(stan);
    EXPECT_EQ(k.przycisk(*a), c.przycisk) << c.rodzaj << " with " << c.zloto << " gold";
    TearDown();
    SetUp();
  }
}

}  // namespace
