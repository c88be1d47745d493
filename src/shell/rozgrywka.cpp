#include "rozgrywka.h"

#include <allegro.h>

#include <algorithm>
#include <cstdlib>

#include "armia.h"
#include "doradca_komputera.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "komputer_silny.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "muzyka.h"
#include "odglosy.h"
#include "playlista.h"
#include "przycisk.h"
#include "teksty.h"
#include "zakupy.h"
#include "zdarzenia.h"

namespace {

struct opis_przycisku {
  const char* klucz;
  int x, y;
};

// Captions (language keys) and top-left corners of the panel buttons, in making order.
const opis_przycisku PRZYCISKI[rozgrywka::LICZBA_PRZYCISKOW] = {
    {"endturn", 750, 740},      {"options", 400, 740},       {"powrot", 400, 740},
    {"heal", 400, 700},         {"repair", 620, 700},        {"training", 510, 700},
    {"save1", 455, 200},        {"save2", 455, 230},         {"save3", 455, 260},
    {"save4", 455, 290},        {"save5", 455, 320},         {"powrot", 455, 380},
    {"exit", 455, 410},         {"buy", 510, 740},           {"next", 510, 700},
    {"previous", 400, 700},     {"raiseattack", 448, 627},   {"raisedefense", 448, 651},
    {"raiseagility", 448, 675}, {"buyunit", 200, 609},       {"buytechnology", 200, 633},
    {"notavaiable", 510, 740},  {"technology1", 200, 609},   {"technology2", 200, 633},
    {"technology3", 200, 657},  {"technology4", 200, 681},
};

// Track files: the battle music of both sides, then the number keys 1..9.
const char* const UTWORY[] = {
    "Pliki_danych/muzyka/walka.mp3", "Pliki_danych/muzyka/walka_2.mp3",
    "Pliki_danych/muzyka/1.mp3",     "Pliki_danych/muzyka/2.mp3",
    "Pliki_danych/muzyka/3.mp3",     "Pliki_danych/muzyka/4.mp3",
    "Pliki_danych/muzyka/5.mp3",     "Pliki_danych/muzyka/6.mp3",
    "Pliki_danych/muzyka/7.mp3",     "Pliki_danych/muzyka/8.mp3",
    "Pliki_danych/muzyka/9.mp3",
};

const char* const LISTA_DALSZA[] = {
    "Pliki_danych/muzyka/walka_2.mp3", "Pliki_danych/muzyka/menu.mp3",
    "Pliki_danych/muzyka/1.mp3",       "Pliki_danych/muzyka/2.mp3",
    "Pliki_danych/muzyka/3.mp3",
};

// Message windows raised by the units: text key, button key, picture drawn over it.
struct komunikat {
  const char* tekst;
  const char* przycisk;
  typ_bitmapy obrazek;
  int x, y;
};
const komunikat KOMUNIKATY[] = {
    {"foodfound", "great", b_szynka, 470, 245},
    {"goldfound", "great", b_monety, 470, 235},
    {"lavaburns", "youch", typ_bitmapy(0), 0, 0},
    {"herobuild", "great", typ_bitmapy(0), 0, 0},
};

// Editor keys: Q..I paint terrain 1..8 while held (a stroke under a moving pointer), S writes
// the map once per press.
const int KLAWISZE_TERENU[] = {KEY_Q, KEY_W, KEY_E, KEY_R, KEY_T, KEY_Y, KEY_U, KEY_I};

struct budowla_dewelopera {
  int klawisz;
  nazwa_pola rodzaj;
};
const budowla_dewelopera BUDOWLE[] = {
    {KEY_O, pole_miasto_1}, {KEY_P, pole_miasto_2}, {KEY_N, pole_wieza_1}, {KEY_M, pole_wieza_2}};

// The message window's top-left corner on the game screen.
const int OKNO_X = 320, OKNO_Y = 216;
// The map area ends here; the command panel lies below.
const int GRANICA_PANELU = 583;

int bialy() { return makecol(255, 255, 255); }

}  // namespace

rozgrywka::rozgrywka(stan_gry& s, menu* m, bool z_muzyka) : stan(s), okna(m), czuwanie(s.ekran) {
  silny = new komputer_silny(stan);
  ustaw_doradce(silny);
  for (int i = 0; i < LICZBA_PRZYCISKOW; ++i)
    przyciski[i] = new przycisk(stan.ekran, PRZYCISKI[i].x, PRZYCISKI[i].y,
                                tekst(PRZYCISKI[i].klucz));
  ostatnia_sekunda = zegar_scienny_ms();
  if (stan.armia_glowna) {
    stan.armia_glowna->inicjalizuj_mape_jednostek();
    stan.armia_glowna->zaznacz_pierwsza(stan.aktywny_gracz);
  }
  pokaz_aktywna_jednostke();
  if (stan.wejscie) stan.wejscie->odswiez_klawisze();  // a key held from the menu is no press
  if (!z_muzyka) return;
  for (int i = 0; i < LICZBA_UTWOROW; ++i) utwory[i] = new muzyka(UTWORY[i]);
  efekty[0] = new odglosy("Pliki_danych/odglosy/test.wav");
  efekty[1] = new odglosy("Pliki_danych/odglosy/test2.wav");
  stan.dzwiek_zakupu[1] = efekty[0];
  stan.dzwiek_zakupu[2] = efekty[1];
  lista = new playlista("Pliki_danych/muzyka/walka.mp3");
  for (const char* nazwa : LISTA_DALSZA) lista->dodaj(nazwa);
  lista->przygotuj();
  biezaca = new playlista(*lista);
  zmien_utwor(utwory[0], -1);
}

rozgrywka::~rozgrywka() {
  ustaw_doradce(nullptr);
  delete silny;
  if (biezacy_utwor) biezacy_utwor->zatrzymaj();
  for (przycisk* p : przyciski) delete p;
  for (muzyka* m : utwory) delete m;
  stan.dzwiek_zakupu[1] = stan.dzwiek_zakupu[2] = nullptr;
  for (odglosy* o : efekty) delete o;
  delete biezaca;
  if (lista) {
    lista->zwolnij();
    delete lista;
  }
}

const muzyka* rozgrywka::pobierz_utwor(int i) const {
  return i >= 0 && i < LICZBA_UTWOROW ? utwory[i] : nullptr;
}

bool rozgrywka::czy_komputer() const { return stan.aktywny_gracz == ai; }

komputer_silny* rozgrywka::silny_na_turze() const {
  return czy_komputer() && sila_komputera == SILA_SILNA ? silny : nullptr;
}

bool rozgrywka::klik(int nr) {
  // Under an open message window the buttons only show, in their plain look.
  if (okno_otwarte) return przyciski[nr]->zdarzenie_ze_stanem(-1, -1, 0), false;
  return przyciski[nr]->zdarzenie() == przycisk::klikniety;
}

void rozgrywka::klatka() {
  grafika* ekran = stan.ekran;
  const long poczatek = ekran->teraz();
  // On the screen a pass in which the player moved or pressed something presents its picture,
  // so the pointer and the buttons answer at once, not at the next animation step.
  const bool reka = oddawaj_procesor && czuwanie.czy_zmiana();
  czuwanie.zapamietaj();
  if (oddawaj_procesor) sledz_wskaznik();
  stan.wejscie->odswiez_klawisze();
  if (stan.wejscie->nacisniety(KEY_D)) dev_mode = !dev_mode;
  if (czy_prosba_zamkniecia()) zamkniecie_okna();
  if (ekran->czy_pokazac()) ekran->zmiana_klatki(true);
  // A drawn frame starts from black, so nothing of the menu or of an older frame shows where
  // the fields leave gaps: the top and left edges, or a field that cannot be drawn.
  if (ekran->czy_rysowanie()) ekran->czysc_ekran(makecol(0, 0, 0));
  stan.teren->pokaz();
  klawisze_muzyki();
  if (tryb_panelu != panel_koniec_gry) {
    stan.teren->wskaz_pole(true);
    stan.teren->wysrodkuj();
    stan.wejscie->odswiez();
    // A click or Space lets the computer finish its turn at full speed.
    if (czy_komputer() && (stan.wejscie->l_klikniety() || stan.wejscie->nacisniety(KEY_SPACE)))
      tempo.przyspiesz();
    pomin_klikniecia_pod_oknem();
  }
  // Between the computer's passes the frame only draws: its units, purchases, panel choices
  // and the end of its turn all wait for its next pass, so a paced turn draws the same
  // numbers in the same order as one at full speed.
  const long teraz = ekran->teraz();
  komputer_dziala = !czy_komputer() || (!koniec_odlozony && tempo.czy_moze(teraz));
  const long rozkazy_przed = liczba_widocznych_rozkazow();
  dochod = (short)stan.armia_glowna->aktualizuj(stan.aktywny_gracz, komputer_dziala);
  if (czy_komputer() && komputer_dziala) {
    stan.armia_glowna->zaznacz_pierwsza(ai);
    po_przebiegu_komputera(rozkazy_przed, teraz);
  }
  // The panel shows the selected unit; a new one is drawn on a clean panel in the next pass.
  if (stan.armia_glowna->zwroc_aktywna() != ostatnia_aktywna) ekran->rysuj_w_nastepnym();
  ostatnia_aktywna = stan.armia_glowna->zwroc_aktywna();
  ekran->rysuj_noc((short)godzina);
  ramka_ekranu();
  sprawdz_koniec_gry();
  if (komputer_dziala) std::srand((unsigned)sekundy_losowania());
  if (czy_komputer()) stan.wejscie->wyswietl_okno(0);
  if (czy_komputer() && komputer_dziala) {
    if (komputer_silny* k = silny_na_turze())
      k->zakupy(stan.aktywny_gracz);
    else
      zakupy_komputera(stan, stan.aktywny_gracz);
  }
  // A message window alone answers clicks while it is open, and it is drawn last, over the
  // panel and the in-game menu.
  okno_otwarte = czy_okno_otwarte();
  panel();
  if (!czy_komputer()) przyciski[p_koniec_tury]->rysuj();
  bool koniec = klik(p_koniec_tury);
  if (!koniec && czy_komputer()) koniec = koniec_tury_komputera(teraz);
  if (koniec) koniec_tury();
  okna_komunikatow();
  if (zakonczona) return;
  pasek_stanu();
  licznik_fps();
  ekran->zmiana_klatki(false);
  ekran->pokaz(reka);
  poll_mouse();
  if (biezacy_utwor) biezacy_utwor->odtwarzaj();
  klawisze_mapy();
  klawisze_dewelopera();
  ++liczba_klatek;
  if (!oddawaj_procesor) return;
  // What a click did (a move, a selection, a window) is drawn in full in the next pass, and
  // a pass the player woke is followed by one more, which shows what a key changed.
  if (mouse_b != poprzednie_przyciski) ekran->rysuj_w_nastepnym();
  poprzednie_przyciski = mouse_b;
  czekaj_na_zmiane(poczatek, reka);
}

// The field under the pointer is highlighted in full passes; when the pointer reaches another
// field this pass is drawn in full, so the highlight keeps up with the pointer.
void rozgrywka::sledz_wskaznik() {
  const punkt p = stan.teren->pole_pod_punktem(mouse_x, mouse_y, false);
  if (p.rx() != pole_wskaznika.rx() || p.ry() != pole_wskaznika.ry()) stan.ekran->wymus_rysowanie();
  pole_wskaznika = p;
}

// Nothing changes on its own between the animation steps, the scrolling steps and the
// computer's orders: the loop sleeps until the first of them, or until the player moves or
// presses something, and keeps the music fed meanwhile.
void rozgrywka::czekaj_na_zmiane(long poczatek, bool po_ruchu) {
  long termin = stan.ekran->pobierz_termin_rysowania();
  if (po_ruchu) termin = std::min(termin, poczatek + ODSTEP_PRZEBIEGOW_MS);
  const long przewiniecie = stan.teren->pobierz_nastepne_przewiniecie();
  if (tryb_panelu != panel_koniec_gry && przewiniecie >= 0) termin = std::min(termin, przewiniecie);
  if (czy_komputer()) termin = std::min(termin, tempo.pobierz_termin());
  czuwanie.czekaj(termin, poczatek + ODSTEP_PRZEBIEGOW_MS, [this] {
    if (biezacy_utwor) biezacy_utwor->odtwarzaj();
  });
}

void rozgrywka::zmien_utwor(muzyka* m, int tryb) {
  if (biezacy_utwor) biezacy_utwor->zatrzymaj();
  biezacy_utwor = m;
  if (biezacy_utwor) biezacy_utwor->przygotuj();
  tryb_muzyki = tryb;
}

void rozgrywka::klawisze_muzyki() {
  static const int CYFRY[] = {KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9};
  for (int i = 0; i < 9; ++i)
    if (stan.wejscie->nacisniety(CYFRY[i])) zmien_utwor(utwory[2 + i], 1);
  if (stan.wejscie->nacisniety(KEY_0)) zmien_utwor(utwory[stan.aktywny_gracz == 2 ? 1 : 0], -1);
  if (stan.wejscie->nacisniety(KEY_X) && biezaca) zmien_utwor(biezaca->pobierz_utwor(), 1);
  if (stan.wejscie->nacisniety(KEY_Z) && biezaca) {
    *biezaca = biezaca->przeskocz();
    zmien_utwor(biezaca->pobierz_utwor(), 1);
  }
}

void rozgrywka::ramka_ekranu() {
  stan.ekran->rysuj_bitmape(b_interfejs, 0, 0, 0, 0, 1024, 768);
  stan.teren->miniatura(39, 622, 2);
  if (stan.aktywny_gracz == 1)
    stan.ekran->rysuj_bitmape(b_znak_gracza_1, 778, 640, 0, 0, 0, 0);
  else
    stan.ekran->rysuj_bitmape(b_znak_gracza_2, 774, 640, 0, 0, 0, 0);
}

int rozgrywka::zwyciezca() const {
  jednostka* zamek2 = stan.armia_glowna->zwroc_jednostke(pole_zamek_gracz_2);
  jednostka* zamek1 = stan.armia_glowna->zwroc_jednostke(pole_zamek_gracz_1);
  if (zamek1 && zamek1->pobierz_punkty_zycia() < 1) return 2;
  if (zamek2 && zamek2->pobierz_punkty_zycia() < 1) return 1;
  return 0;
}

void rozgrywka::sprawdz_koniec_gry() {
  if (zwyciezca() == 0) return;
  przyciski[p_opcje]->napis("Exit");
  tryb_panelu = panel_koniec_gry;
  if (!koniec_zgloszony) {
    // The click that finished the castle must not act again in every later frame.
    stan.wejscie->zeruj();
    koniec_zgloszony = true;
  }
}

// The window's close button asks before a game is lost, like the in-game menu's exit. Once
// a castle has fallen there is nothing left to lose.
void rozgrywka::zamkniecie_okna() {
  zeruj_prosbe_zamkniecia();
  if (tryb_panelu == panel_koniec_gry) {
    zakonczona = true;
    return;
  }
  menu_w_grze = 0;
  tryb_panelu = panel_wyjscie;
  stan.ekran->zmiana_klatki(true);
}

bool rozgrywka::czy_okno_otwarte() const {
  return tryb_panelu == panel_wyjscie || blad_zapisu[0] != 0 || stan.wejscie->zwroc_okno() != 0;
}

// Clicks reach the units on the map only when no message window is open, and not through
// the command panel or the in-game menu.
void rozgrywka::pomin_klikniecia_pod_oknem() {
  bool na_panelu = mouse_y >= GRANICA_PANELU;
  bool pod_menu = menu_w_grze && mouse_x >= 410 && mouse_x < 610 && mouse_y >= 115 &&
                  mouse_y < 445;
  if (czy_okno_otwarte() || na_panelu || pod_menu) stan.wejscie->pomin_klikniecia();
}

void rozgrywka::okna_komunikatow() {
  // The quit confirmation owns the window's buttons while it is open.
  if (tryb_panelu == panel_wyjscie) {
    potwierdzenie_wyjscia();
    return;
  }
  if (blad_zapisu[0]) {
    if (okna->okno(OKNO_X, OKNO_Y, blad_zapisu, tekst("acknowledge"), " ") == 0) {
      blad_zapisu[0] = 0;
      stan.ekran->zmiana_klatki(true);
    }
    return;
  }
  int nr = stan.wejscie->zwroc_okno();
  if (nr < 1 || nr > 4) return;
  const komunikat& k = KOMUNIKATY[nr - 1];
  if (okna->okno(OKNO_X, OKNO_Y, tekst(k.tekst), tekst(k.przycisk), " ") == 0)
    stan.wejscie->wyswietl_okno(0);
  if (k.obrazek) stan.ekran->rysuj_bitmape(k.obrazek, k.x, k.y, 0, 0, 0, 0);
}

// The computer's turn ends in the pass in which it has nothing left to do; a last order that
// was shown stays on the screen for its beat first, and nothing else happens meanwhile.
bool rozgrywka::koniec_tury_komputera(long teraz) {
  if (!koniec_odlozony) {
    if (!komputer_dziala || !stan.armia_glowna->czy_koniec_tury(ai)) return false;
    koniec_odlozony = true;
  }
  return tempo.czy_moze(teraz);
}

void rozgrywka::koniec_tury() {
  koniec_odlozony = false;
  tempo.nowa_tura();
  godzina += 0.5f;
  if (godzina > 23.0f) godzina = 0.0f;
  stan.gracze[stan.aktywny_gracz].zaplac(-dochod_tury(dochod));
  stan.armia_glowna->zakoncz_ture();
  stan.aktywny_gracz = stan.aktywny_gracz == 1 ? 2 : 1;
  stan.armia_glowna->zeruj_jednostki();
  stan.armia_glowna->zaznacz_pierwsza(stan.aktywny_gracz);
  if (!czy_komputer()) pokaz_aktywna_jednostke();
  if (tryb_muzyki == -1 && utwory[0])
    zmien_utwor(utwory[stan.aktywny_gracz == 2 ? 1 : 0], -1);
}

// Brings the side on turn's selected unit into view, so each player starts a turn looking at
// their own army rather than wherever the map was left.
void rozgrywka::pokaz_aktywna_jednostke() {
  jednostka* a = stan.armia_glowna ? stan.armia_glowna->zwroc_aktywna() : nullptr;
  if (!a || !stan.teren || a->pobierz_gracz() != stan.aktywny_gracz) return;
  pokaz_pole(a->pobierz_x(), a->pobierz_y());
}

// Centres the view on a field as near as the map's edges allow.
void rozgrywka::pokaz_pole(int x, int y) {
  y &= ~1;
  x = x < 13 ? 13 : (x > 47 ? 47 : x);
  y = y < 10 ? 10 : (y > 50 ? 50 : y);
  stan.teren->ustaw_srodek(punkt(float(x), float(y)));
  stan.ekran->rysuj_w_nastepnym();
}

// A paced computer's order that moved a unit or fought is shown at once and stays on the
// screen for the pace's beat; the view goes to it when it happened out of sight (or in the
// outermost fields, half hidden by the frame).
void rozgrywka::po_przebiegu_komputera(long rozkazy_przed, long teraz) {
  const bool pokazany = liczba_widocznych_rozkazow() != rozkazy_przed;
  tempo.po_przebiegu(pokazany, teraz);
  if (!pokazany || !tempo.czy_wlaczone() || tempo.czy_przyspieszony() || !stan.teren) return;
  const punkt f = pole_ostatniego_rozkazu(), s = stan.teren->start_ekranu();
  const int c = int(f.rx()) - int(s.rx()), r = int(f.ry()) - int(s.ry());
  if (c < 1 || c > 25 || r < 1 || r > 17)
    pokaz_pole(int(f.rx()), int(f.ry()));
  else
    stan.ekran->rysuj_w_nastepnym();
}

void rozgrywka::pasek_stanu() {
  grafika* e = stan.ekran;
  e->pisz("Gold: %d", 230, 747, stan.gracze[stan.aktywny_gracz].pobierz_zloto(), bialy(), true,
          -1);
  e->pisz("%d", 762, 747, (int)godzina, bialy(), true, -1);
  e->pisz("%d", 847, 747, (int)godzina, bialy(), true, -1);
}

void rozgrywka::licznik_fps() {
  long teraz = zegar_scienny_ms();
  if (teraz / 1000 > ostatnia_sekunda / 1000) {
    ostatnia_sekunda = teraz;
    fps_pokazane = (short)(klatki_w_sekundzie > 32767 ? 32767 : klatki_w_sekundzie);
    klatki_w_sekundzie = 0;
  }
  if (MIERZ_FPS) stan.ekran->pisz("FPS: %d", 100, 20, fps_pokazane, bialy(), true, -1);
  ++klatki_w_sekundzie;
}

void rozgrywka::klawisze_mapy() {
  for (int i = 0; i < 8; ++i)
    if (stan.wejscie->wcisniety(KLAWISZE_TERENU[i])) stan.teren->wstaw((short)(i + 1));
  if (stan.wejscie->nacisniety(KEY_S)) stan.teren->wstaw(9);
}

void rozgrywka::klawisze_dewelopera() {
  if (!dev_mode) return;
  for (const budowla_dewelopera& b : BUDOWLE) {
    if (!stan.wejscie->nacisniety(b.klawisz) || stan.siatka->pobierz_jednostke(10, 10)) continue;
    stan.armia_glowna->dodaj(b.rodzaj, stan.aktywny_gracz, stan.ekran, stan.teren, stan.siatka,
                             stan.wejscie, 10, 10, false);
  }
}
