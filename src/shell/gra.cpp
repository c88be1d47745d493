#include "gra.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

#include "grafika.h"
#include "menu.h"
#include "plik_gry.h"
#include "rozgrywka.h"
#include "teksty.h"
#include "zdarzenia.h"

gra::gra(char* tryb_ekranu) {
  ekran = new grafika(tryb_ekranu);
  glowne_menu = new menu(ekran);
  wejscie = new zdarzenia(ekran);
  stan.ekran = ekran;
  stan.wejscie = wejscie;
  do {
    glowne_menu->pokaz();
  } while (!wczytaj_wybrana_gre(*glowne_menu, stan));
  teren = stan.teren;
  siatka = stan.siatka;
  stan.dzwiek_wlaczony = glowne_menu->zwroc_ustawienia(1) == 1;
  rozgrywka gra_trwa(stan, glowne_menu, true);
  while (!gra_trwa.czy_zakonczona()) gra_trwa.klatka();
  std::exit(-1);
}

gra::~gra() {
  delete ekran;
  stan.zwolnij();
  delete glowne_menu;
  delete wejscie;
}

bool gra::wczytaj_wybrana_gre(menu& m, stan_gry& stan) {
  const char* plik = plik_wyboru(m.wczytana_gra());
  if (!plik) plik = m.wczytana_mapa();
  char blad[256] = "";
  if (plik && wczytaj_gre(plik, stan, blad)) return true;
  char opis[300];
  std::snprintf(opis, sizeof opis, "%s", blad[0] ? blad : "Cannot load the game");
  pokaz_komunikat(stan.ekran, m, opis);
  return false;
}

void gra::pokaz_komunikat(grafika* ekran, menu& m, const char* tekst_okna) {
  // Wait for the button that opened the message to be let go first.
  while (mouse_b & 1) rest(5);
  for (;;) {
    ekran->zmiana_klatki(true);
    ekran->rysuj_bitmape(b_tlo_menu, 0, 0, 0, 0, 1024, 768);
    int odp = m.okno(320, 216, tekst_okna, tekst("ok"), " ");
    ekran->pokaz(true);
    if (odp == 0 || key[KEY_ESC] || czy_prosba_zamkniecia()) break;
    rest(10);
  }
  ekran->zmiana_klatki(true);
}
