// The command panel below the map: the unit panel, the shops, the in-game menu, the end of
// the game and the quit confirmation.
#include <allegro.h>

#include <cstdio>

#include "armia.h"
#include "grafika.h"
#include "jednostka.h"
#include "komputer_silny.h"
#include "menu.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "teksty.h"
#include "zakupy.h"
#include "zdarzenia.h"

namespace {
const int WIERSZE_TECHNOLOGII[4] = {609, 633, 657, 681};
}

// The active unit the panel may act on: one that belongs to the side on turn.
// The strong computer presses the panel's buttons for its active unit as a person would
// click them, one a pass.
bool rozgrywka::wybor_komputera(jednostka* a, int przycisk_nr) {
  struct przycisk_komputera {
    komputer_silny::przycisk_panelu co;
    int nr;
  };
  static const przycisk_komputera PRZYCISKI_KOMPUTERA[] = {
      {komputer_silny::leczenie, p_ulecz},       {komputer_silny::naprawa, p_napraw},
      {komputer_silny::punkt_ataku, p_atak},     {komputer_silny::punkt_obrony, p_obrona},
      {komputer_silny::punkt_zwinnosci, p_zwinnosc},
  };
  komputer_silny* k = silny_na_turze();
  if (!k || !a || !komputer_dziala) return false;
  const komputer_silny::przycisk_panelu co = k->przycisk(*a);
  for (const przycisk_komputera& p : PRZYCISKI_KOMPUTERA)
    if (p.co == co) return p.nr == przycisk_nr;
  return false;
}

jednostka* rozgrywka::aktywna_jednostka() const {
  jednostka* a = stan.armia_glowna->zwroc_aktywna();
  if (!a || a->pobierz_gracz() != stan.aktywny_gracz) return nullptr;
  return a;
}

void rozgrywka::panel() {
  switch (tryb_panelu) {
    case panel_jednostki: panel_trybu_jednostki(); break;
    case panel_sklep: sklep_jednostek(); break;
    case panel_koniec_gry: koniec_gry(); break;
    case panel_wyjscie: panel_pod_pytaniem(); break;
    case panel_wybor_sklepu: wybor_sklepu(); break;
    case panel_technologie: sklep_technologii(); break;
    default: tryb_panelu = panel_jednostki; break;
  }
}

void rozgrywka::panel_trybu_jednostki() {
  jednostka* a = aktywna_jednostka();
  if (a && a->pobierz_do_rozdysponowania() >= 1) {
    punkty_do_rozdysponowania(a);
    return;
  }
  if (a && a->pobierz_pieniadze() >= 1) {
    stan.gracze[stan.aktywny_gracz].zaplac(-a->pobierz_pieniadze());
    a->zmien_pieniadze(0);
    return;
  }
  widok_jednostki(a);
}

void rozgrywka::punkty_do_rozdysponowania(jednostka* a) {
  a->wyswietl_info(true, false);
  przyciski[p_atak]->rysuj();
  if (klik(p_atak) || wybor_komputera(a, p_atak)) {
    a->zwieksz_atak(1);
    a->zmniejsz_do_rozdysponowania();
  }
  przyciski[p_obrona]->rysuj();
  if (klik(p_obrona) || wybor_komputera(a, p_obrona)) {
    a->zwieksz_obrone(1);
    a->zmniejsz_do_rozdysponowania();
  }
  przyciski[p_zwinnosc]->rysuj();
  if (klik(p_zwinnosc) || wybor_komputera(a, p_zwinnosc)) {
    a->zwieksz_zwinnosc(1);
    a->zmniejsz_do_rozdysponowania();
  }
  stan.ekran->pisz(tekst("disposepoints"), 384, 614, a->pobierz_do_rozdysponowania(),
                   makecol(0, 0, 0), false, -1);
}

void rozgrywka::widok_jednostki(jednostka* a) {
  if (a) a->wyswietl_info(true, true);
  przyciski[p_opcje]->rysuj();
  przyciski[p_kup]->rysuj();
  if (a) {
    leczenie(a);
    naprawa(a, pole_zamek_gracz_1, pole_robotnik_1);
    naprawa(a, pole_zamek_gracz_2, pole_robotnik_2);
    trening(a);
  }
  if (klik(p_kup)) tryb_panelu = panel_wybor_sklepu;
  if (klik(p_opcje)) {
    stan.ekran->zmiana_klatki(true);
    menu_w_grze = 1;
  }
  if (menu_w_grze == 1) menu_gry();
}

void rozgrywka::leczenie(jednostka* a) {
  int zycie = a->pobierz_punkty_zycia(), pelne = a->pobierz_d_punkty_zycia();
  bool oferta = zycie > 0 && zycie < pelne &&
                (a->sprawdz_sasiadow("zamek") || a->sprawdz_sasiadow("miasto"));
  if (!oferta) return;
  przyciski[p_ulecz]->rysuj();
  gracz& p = stan.gracze[stan.aktywny_gracz];
  int cena = a->pobierz_cene() / 4;
  bool wykonaj = (klik(p_ulecz) || wybor_komputera(a, p_ulecz)) && p.pobierz_zloto() >= cena;
  if (!wykonaj && czy_komputer() && komputer_dziala && !silny_na_turze() &&
      zycie + 30 < pelne && p.pobierz_zloto() >= cena)
    wykonaj = true;
  if (!wykonaj) return;
  p.zaplac(cena);
  a->ulecz(10);
}

void rozgrywka::naprawa(jednostka* a, int rodzaj_zamku, int rodzaj_robotnika) {
  jednostka* k = stan.armia_glowna->zwroc_jednostke((nazwa_pola)rodzaj_zamku);
  if (!k || k->pobierz_punkty_zycia() >= k->pobierz_d_punkty_zycia()) return;
  if (a->pobierz_wyglad() != rodzaj_robotnika || !a->sprawdz_sasiadow("zamek")) return;
  przyciski[p_napraw]->rysuj();
  gracz& p = stan.gracze[stan.aktywny_gracz];
  int cena = k->pobierz_cene() / 4;
  bool wykonaj = (klik(p_napraw) || wybor_komputera(a, p_napraw)) && p.pobierz_zloto() >= cena;
  if (!wykonaj && czy_komputer() && komputer_dziala && !silny_na_turze() &&
      k->pobierz_punkty_zycia() + 30 < k->pobierz_d_punkty_zycia() && p.pobierz_zloto() >= cena)
    wykonaj = true;
  if (!wykonaj) return;
  p.zaplac(cena);
  k->ulecz(10);
}

void rozgrywka::trening(jednostka* a) {
  gracz& p = stan.gracze[stan.aktywny_gracz];
  int cena = a->pobierz_cene() / 2;
  if (p.pobierz_zloto() < cena || !a->sprawdz_sasiadow("zamek")) return;
  przyciski[p_trenuj]->rysuj();
  if (!klik(p_trenuj)) return;
  p.zaplac(cena);
  a->trenuj(25);
}

void rozgrywka::menu_gry() {
  stan.ekran->rysuj_bitmape(b_ingamemenu, 410, 115, 100, 100, 0, 0);
  if (klik(p_wyjscie)) {
    menu_w_grze = 0;
    tryb_panelu = panel_wyjscie;
  }
  if (klik(p_powrot_menu)) {
    stan.ekran->zmiana_klatki(true);
    menu_w_grze = 0;
  }
  for (int slot = 1; slot <= 5; ++slot)
    if (menu_w_grze && klik(p_zapis1 + slot - 1)) zapisz_do_slotu(slot);
  // A message window over the menu is drawn only in full frames; between them the menu's
  // buttons would come out on top of it.
  if (okno_otwarte && !stan.ekran->czy_rysowanie()) return;
  for (int i = p_zapis1; i <= p_zapis5; ++i) przyciski[i]->rysuj();
  przyciski[p_wyjscie]->rysuj();
  przyciski[p_powrot_menu]->rysuj();
}

void rozgrywka::zapisz_do_slotu(int slot) {
  char blad[256] = "";
  if (zapisz_gre(plik_wyboru(slot), stan, blad)) {
    menu_w_grze = 0;
    stan.ekran->zmiana_klatki(true);
    return;
  }
  // The old save is kept; tell the player and leave the menu open for another try.
  std::snprintf(blad_zapisu, sizeof blad_zapisu, "%s", blad[0] ? blad : tekst("errsave"));
}

void rozgrywka::sklep_jednostek() {
  int g = stan.aktywny_gracz;
  short& k = wybor_jednostki[g == 2 ? 1 : 0];
  gracz& p = stan.gracze[g];
  przyciski[p_powrot]->rysuj();
  przyciski[p.sprawdz_technologie(k) ? p_kup : p_niedostepna]->rysuj();
  if (k < 5) przyciski[p_nastepna]->rysuj();
  if (k > 0) przyciski[p_poprzednia]->rysuj();
  jednostka* t = jednostka_sklepu(stan, g, k);
  if (t) t->wyswietl_info(true, true);
  if (klik(p_powrot)) tryb_panelu = panel_jednostki;
  if (klik(p_nastepna)) ++k;
  if (klik(p_poprzednia)) --k;
  if (k < 0) k = 0;
  if (k > 5) k = 5;
  if (klik(p_kup)) kup_jednostke(stan, g, k);
}

void rozgrywka::wybor_sklepu() {
  przyciski[p_kup_jednostke]->rysuj();
  przyciski[p_kup_technologie]->rysuj();
  przyciski[p_powrot]->rysuj();
  if (klik(p_kup_jednostke)) tryb_panelu = panel_sklep;
  if (klik(p_kup_technologie)) tryb_panelu = panel_technologie;
  if (klik(p_powrot)) tryb_panelu = panel_jednostki;
}

void rozgrywka::sklep_technologii() {
  int g = stan.aktywny_gracz;
  gracz& p = stan.gracze[g];
  static const char* const OPISY[2][4] = {{"allows1", "allows2", "allows3", "allows4"},
                                          {"allows5", "allows6", "allows7", "allows8"}};
  for (int i = 0; i < 4; ++i) {
    int y = WIERSZE_TECHNOLOGII[i];
    if (!p.sprawdz_technologie((short)(i + 2)))
      przyciski[p_technologia1 + i]->rysuj();
    else
      stan.ekran->pisz(tekst("bought"), 247, y + 9, 0, makecol(0, 200, 0), true, -1);
  }
  for (int i = 0; i < 4; ++i)
    stan.ekran->pisz(tekst(OPISY[g == 2 ? 1 : 0][i]), 352, WIERSZE_TECHNOLOGII[i] + 9, -1,
                     makecol(0, 0, 0), false, -1);
  przyciski[p_powrot]->rysuj();
  for (int i = 0; i < 4; ++i)
    if (klik(p_technologia1 + i) && !p.sprawdz_technologie((short)(i + 2)))
      kup_technologie(stan, g, i + 2);
  if (klik(p_powrot)) tryb_panelu = panel_wybor_sklepu;
}

void rozgrywka::koniec_gry() {
  przyciski[p_opcje]->rysuj();
  if (klik(p_opcje)) {
    zakonczona = true;
    return;
  }
  stan.ekran->pisz(tekst("endofgame"), 435, 621, 0, makecol(0, 0, 0), true, -1);
  int w = zwyciezca();
  if (w == 2)
    stan.ekran->pisz(tekst("yellowwins"), 435, 653, 0, makecol(255, 255, 0), true, -1);
  else if (w == 1)
    stan.ekran->pisz(tekst("bluewins"), 435, 653, 0, makecol(0, 0, 255), true, -1);
}

// The panel under the quit confirmation; the window itself comes with the other messages.
void rozgrywka::panel_pod_pytaniem() {
  jednostka* a = aktywna_jednostka();
  if (a) a->wyswietl_info(true, true);
  przyciski[p_opcje]->rysuj();
  przyciski[p_kup]->rysuj();
}

void rozgrywka::potwierdzenie_wyjscia() {
  int odp = okna->okno(320, 216, tekst("reallyquit"), tekst("ok"), tekst("cancel"));
  if (odp == 0) zakonczona = true;
  if (odp == 1) {
    tryb_panelu = panel_jednostki;
    stan.ekran->zmiana_klatki(true);
  }
}
