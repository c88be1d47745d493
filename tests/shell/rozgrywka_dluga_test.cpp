// A long game on every shipped battlefield with the computer playing both sides: hundreds
// of turns of moves, fights, purchases and captures through the real main-loop frame, with
// the army, the grid and the purses checked after every turn.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "armia.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "plik_gry.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

long zegar_gry = 0;
long zegar_krokowy() { return zegar_gry += 37; }

void sprawdz_spojnosc(const stan_gry& s, int tura) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (!j) continue;
    ASSERT_TRUE(czy_na_mapie(j->pobierz_x(), j->pobierz_y())) << "turn " << tura;
    ASSERT_GE(j->pobierz_punkty_ruchu(), 0);
    if (j->pobierz_punkty_zycia() >= 1) {
      // A live unit stands in the grid on its own field, unless it shares a castle's field.
      jednostka* na_polu = s.siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y());
      ASSERT_NE(na_polu, nullptr) << "turn " << tura;
      bool zamek = na_polu->pobierz_wyglad() == pole_zamek_gracz_1 ||
                   na_polu->pobierz_wyglad() == pole_zamek_gracz_2;
      ASSERT_TRUE(na_polu == j || zamek) << "turn " << tura;
    }
  }
  ASSERT_GE(s.gracze[1].pobierz_zloto(), 0);
  ASSERT_GE(s.gracze[2].pobierz_zloto(), 0);
  ASSERT_GE(godzina, 0.0f);
  ASSERT_LE(godzina, 23.0f);
}

TEST(DlugaGra, ComputerAgainstComputerOnEveryMapKeepsTheGameWhole) {
  przygotuj_allegro();
  const int TURY = 120;
  for (int mapa_nr = 1; mapa_nr <= 4; ++mapa_nr) {
    grafika ekran(tryb_grafiki::pamiec);
    ekran.ustaw_zegar(zegar_krokowy);
    zdarzenia wejscie(&ekran);
    menu okna(&ekran);
    stan_gry stan;
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    char blad[256];
    ASSERT_TRUE(wczytaj_gre(plik_wyboru(5 + mapa_nr), stan, blad)) << blad;
    const int na_poczatku = stan.armia_glowna->liczba_wezlow();
    {
      rozgrywka r(stan, &okna, false);
      r.ustaw_oddawanie_procesora(false);
      int tura = 0;
      long klatki = 0;
      while (tura < TURY && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
        ai = (short)stan.aktywny_gracz;  // the computer plays whichever side is on turn
        int gracz = stan.aktywny_gracz;
        long w_turze = 0;
        while (stan.aktywny_gracz == gracz && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
          r.klatka();
          ASSERT_LT(++w_turze, 20000) << "map " << mapa_nr << ": a computer turn never ended";
        }
        klatki += w_turze;
        ++tura;
        sprawdz_spojnosc(stan, tura);
        if (HasFatalFailure()) return;
      }
      RecordProperty("map" + std::to_string(mapa_nr) + "_turns", tura);
      RecordProperty("map" + std::to_string(mapa_nr) + "_frames", int(klatki));
      // A game that ended has a winner and the panel says so.
      if (r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry) EXPECT_NE(r.zwyciezca(), 0);
      // The sides bought armies of their own along the way.
      EXPECT_GT(stan.armia_glowna->liczba_wezlow(), na_poczatku) << "map " << mapa_nr;
      std::printf("map %d: %d turns, %ld frames, %d units, winner %d\n", mapa_nr, tura, klatki,
                  stan.armia_glowna->liczba_wezlow(), r.zwyciezca());
    }
    stan.zwolnij();
  }
  ai = 2;
  godzina = 0.0f;
}

}  // namespace
