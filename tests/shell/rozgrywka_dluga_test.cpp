// Long games on every shipped battlefield through the real main-loop frame: the strong
// computer against the classic one, and the computer against the tournament's random clicker
// on real mouse input. The army, the grid, the purses and the hour are checked every frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "armia.h"
#include "globalne.h"
#include "gra_na_mapie.h"
#include "gracz_losowy.h"
#include "jednostka.h"
#include "mapa_jednostek.h"
#include "rozgrywka.h"
#include "srodowisko.h"

namespace {

long zegar_gry = 0;
long zegar_krokowy() { return zegar_gry += 37; }
// The seconds that seed the draws advance one every eight frames: a game is the same at
// every run.
long przebiegi_losowania = 0;
long sekundy_co_osiem() { return przebiegi_losowania++ / 8; }

// Every live unit holds its own field in the grid, or shares a castle's field with it; a
// fallen castle left the grid, and with it the units on its field.
void sprawdz_spojnosc(const stan_gry& s, const std::string& miejsce) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (!j) continue;
    const int x = j->pobierz_x(), y = j->pobierz_y();
    ASSERT_TRUE(czy_na_mapie(x, y)) << miejsce;
    ASSERT_GE(j->pobierz_punkty_ruchu(), 0) << miejsce;
    if (j->pobierz_punkty_zycia() < 1) continue;
    jednostka* na_polu = s.siatka->pobierz_jednostke(x, y);
    bool upadly_zamek = false;
    for (armia* z = s.armia_glowna; z && !na_polu; z = z->pobierz_nastepna())
      if (jednostka* k = z->pobierz_jednostke())
        upadly_zamek |= czy_zamek(k->pobierz_wyglad()) && k->pobierz_x() == x &&
                        k->pobierz_y() == y && k->pobierz_punkty_zycia() < 1;
    if (upadly_zamek) continue;
    ASSERT_NE(na_polu, nullptr) << miejsce << ": a unit of kind " << j->pobierz_wyglad()
                                << " at (" << x << ", " << y << ") missing from the grid";
    ASSERT_TRUE(na_polu == j || (czy_zamek(na_polu->pobierz_wyglad()) && !czy_zamek(j->pobierz_wyglad())))
        << miejsce << ": another unit holds the field";
  }
  ASSERT_GE(s.gracze[1].pobierz_zloto(), 0) << miejsce;
  ASSERT_GE(s.gracze[2].pobierz_zloto(), 0) << miejsce;
  ASSERT_TRUE(godzina >= 0.0f && godzina <= 23.0f) << miejsce;
}

std::string gdzie(int mapa_nr, int tura, long klatka) {
  return "map " + std::to_string(mapa_nr) + ", turn " + std::to_string(tura) + ", frame " +
         std::to_string(klatka);
}

bool koniec(const rozgrywka& r) { return r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry; }

class DlugaGra : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    dev_mode = false;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
  }
  void TearDown() override {
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
    ustaw_zegar_losowania(nullptr);
    mouse_x = mouse_y = mouse_b = 0;
  }
  // One computer turn, checked after every frame. Each frame the selected unit spends at
  // least one point (a move, a fight, or an order that came to nothing), so the turn ends
  // within the points its units hold, those bought during the turn included, plus a margin.
  void tura_komputera(rozgrywka& r, stan_gry& s, int mapa_nr, int tura) {
    const int gracz = s.aktywny_gracz;
    long granica = 50;
    std::vector<jednostka*> policzone;
    for (long klatki = 1; s.aktywny_gracz == gracz && !koniec(r); ++klatki) {
      for (jednostka* j : zywe_jednostki(s.armia_glowna, gracz))
        if (std::find(policzone.begin(), policzone.end(), j) == policzone.end())
          granica += j->pobierz_punkty_ruchu(), policzone.push_back(j);
      r.klatka();
      sprawdz_spojnosc(s, gdzie(mapa_nr, tura, klatki));
      if (HasFatalFailure()) return;
      ASSERT_FALSE(r.czy_menu_w_grze()) << gdzie(mapa_nr, tura, klatki);
      ASSERT_LE(klatki, granica) << gdzie(mapa_nr, tura, klatki) << ": a computer turn never ended";
    }
  }
  // A game on map mapa_nr until a castle falls or the turn limit: the random clicker plays
  // side `klikacz` (0: none) and the computer the others, the strong one on side `silny`.
  void zagraj(int mapa_nr, int silny, int klikacz, int tury) {
    gra_na_mapie g(mapa_nr, zegar_krokowy);
    ASSERT_TRUE(g.wczytana) << g.blad;
    const int na_poczatku = g.stan.armia_glowna->liczba_wezlow();
    rozgrywka r(g.stan, &g.okna, false);
    r.ustaw_oddawanie_procesora(false);
    int tura = 0;
    long klatki = 0;
    gracz_losowy losowy(r, g.stan, 7919u * unsigned(mapa_nr), [&] {
      const std::string miejsce = gdzie(mapa_nr, tura, ++klatki);
      sprawdz_spojnosc(g.stan, miejsce);
      EXPECT_FALSE(r.czy_menu_w_grze()) << miejsce;
      EXPECT_NE(r.pobierz_tryb_panelu(), rozgrywka::panel_wyjscie) << miejsce;
      EXPECT_EQ(losowy.chybione, 0) << miejsce << ": a click missed its field";
      return !HasFailure();
    });
    while (tura++ < tury && !koniec(r) && !HasFailure()) {
      ai = short(klikacz ? 3 - klikacz : g.stan.aktywny_gracz);
      sila_komputera = short(ai == silny ? SILA_SILNA : SILA_KLASYCZNA);
      if (g.stan.aktywny_gracz != klikacz) {
        tura_komputera(r, g.stan, mapa_nr, tura);
        continue;
      }
      const gracz_losowy::koniec k = losowy.tura();
      EXPECT_TRUE(k == gracz_losowy::przyciskiem || k == gracz_losowy::koniec_gry)
          << gdzie(mapa_nr, tura, klatki) << ": the turn ended as " << k;
    }
    EXPECT_TRUE(klikacz || g.stan.armia_glowna->liczba_wezlow() > na_poczatku) << mapa_nr;
    EXPECT_TRUE(!klikacz || losowy.ruchy > 0) << mapa_nr << ": no clicked move";
    zwyciezca = r.zwyciezca();
    zakupy += losowy.zakupy;
    std::printf("map %d, strong %d, clicker %d: %d turns, %d moves, %d purchases, winner %d\n",
                mapa_nr, silny, klikacz, tura - 1, losowy.ruchy, losowy.zakupy, zwyciezca);
  }
  int zwyciezca = 0, zakupy = 0;
};

// The sides buy armies along the way, and the strong side takes the castle on at least three
// maps.
TEST_F(DlugaGra, SilnyKomputerBierzeZamekKlasycznegoNaKazdejMapie) {
  ustaw_zegar_losowania(sekundy_co_osiem);
  int wygrane = 0;
  for (int mapa_nr = 1; mapa_nr <= 4 && !HasFailure(); ++mapa_nr) {
    przebiegi_losowania = 0;
    zagraj(mapa_nr, mapa_nr <= 2 ? 1 : 2, 0, 200);
    wygrane += zwyciezca == (mapa_nr <= 2 ? 1 : 2);
  }
  EXPECT_GE(wygrane, 3);
}

// The clicks land on the fields aimed at and reach the game (its units move, the shop sells
// to it), no menu or question opens, and only the end-turn button ends its turns.
TEST_F(DlugaGra, KomputerPrzeciwLosowemuKlikaczowiNaKazdejMapie) {
  for (int mapa_nr = 1; mapa_nr <= 4 && !HasFailure(); ++mapa_nr)
    zagraj(mapa_nr, 0, mapa_nr <= 2 ? 1 : 2, 60);
  EXPECT_GT(zakupy, 0) << "the shop sold to the clicker somewhere";
}

}  // namespace
