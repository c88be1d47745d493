#include "gra.h"

#include <allegro.h>

#include <cstdlib>

#include "dziennik.h"
#include "grafika.h"
#include "menu.h"
#include "plik_gry.h"
#include "rozgrywka.h"
#include "teksty.h"
#include "zdarzenia.h"

gra::gra(char* tryb_ekranu) {
  ekran = new grafika(tryb_ekranu);
  glowne_menu = new menu(ekran);
  glowne_menu->ustaw_czytnik_slotow(opisz_slot);
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
  gra_trwa.ustaw_tempo_komputera(true);
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
  const char* opis = blad[0] ? blad : tekst("errnochoice");
  piszlog(opis, m.wczytana_gra());
  m.pokaz_komunikat(opis);
  return false;
}
