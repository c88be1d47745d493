// The title screen: its buttons and screens, the language choice, the menu music and the
// map thumbnails. The message window (menu::okno) lives in okno.cpp.
#include "menu.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "globalne.h"
#include "grafika.h"
#include "katalogi.h"
#include "mapa.h"
#include "oczekiwanie.h"
#include "muzyka.h"
#include "pliki.h"
#include "przycisk.h"
#include "teksty.h"

namespace {

const char* const SCIEZKA_MUZYKI = "Pliki_danych/Muzyka/menu.mp3";
const char* const PIERWSZA_MAPA = "Pliki_danych/Mapy/map1.map";

// Buttons at a fixed place with a "teksty" key for their label (null: set by the code).
struct stale_miejsce {
  menu::numer_przycisku numer;
  int x, y;
  const char* klucz;
};

const stale_miejsce STALE_PRZYCISKI[] = {
    {menu::p_strona_info, 600, 548, "nextpage"},
    {menu::p_powrot_info, 765, 548, "powrot"},
    {menu::p_mapa1, 600, 410, "mapa1"},
    {menu::p_mapa2, 765, 410, "mapa2"},
    {menu::p_mapa3, 600, 535, "mapa3"},
    {menu::p_mapa4, 765, 535, "mapa4"},
    {menu::p_powrot_mapy, 682, 575, "powrot"},
    {menu::p_zapis1, 678, 320, "save1"},
    {menu::p_zapis2, 678, 350, "save2"},
    {menu::p_zapis3, 678, 380, "save3"},
    {menu::p_zapis4, 678, 410, "save4"},
    {menu::p_zapis5, 678, 440, "save5"},
    {menu::p_powrot, 678, 500, "powrot"},
    {menu::p_dzwiek, 678, 320, "soundon"},
    {menu::p_komputer, 678, 350, nullptr},
    {menu::p_sila, 678, 380, nullptr},
};

// The six main buttons: their sections in the language file, in button order.
const char* const* const SEKCJE_GLOWNE = SEKCJE_PRZYCISKOW_MENU;

// The four maps of the new-game screen: thumbnail file and place.
struct miejsce_mapy {
  const char* plik;
  int x, y;
};
const miejsce_mapy MINIATURY[] = {{"Pliki_danych/Mapy/map1.map", 624, 330},
                                  {"Pliki_danych/Mapy/map2.map", 789, 330},
                                  {"Pliki_danych/Mapy/map3.map", 624, 455},
                                  {"Pliki_danych/Mapy/map4.map", 789, 455}};
const char* const NAZWY_MAP[] = {"mapa1", "mapa2", "mapa3", "mapa4"};

// How a saved game's map is named on its slot: the language's name of one of the four
// maps, or the file's own name, short enough for the button.
std::string nazwa_mapy(const std::string& plik) {
  for (int i = 0; i < 4; ++i)
    if (plik == MINIATURY[i].plik) return tekst(NAZWY_MAP[i]);
  std::string nazwa = plik.substr(plik.find_last_of('/') + 1);
  return nazwa.substr(0, std::min<std::size_t>(nazwa.find('.'), 10));
}

// A slot's label: its number and what it holds, map and hour, or that it is empty or damaged.
std::string etykieta_zapisu(int slot, czytnik_slotow czytnik) {
  zawartosc_slotu z = czytnik ? czytnik(slot) : zawartosc_slotu();
  const float h = z.godzina;
  if (z.stan == zawartosc_slotu::gra && !(h >= 0.0f && h < 24.0f)) z.stan = zawartosc_slotu::uszkodzony;
  char wynik[80];
  if (z.stan == zawartosc_slotu::gra)
    std::snprintf(wynik, sizeof wynik, "%d: %s, %d:%02d", slot, nazwa_mapy(z.mapa).c_str(), int(h),
                  int((h - int(h)) * 60.0f));
  else
    std::snprintf(wynik, sizeof wynik, "%d: %s", slot,
                  tekst(z.stan == zawartosc_slotu::pusty ? "emptyslot" : "damagedslot"));
  return wynik;
}

// What each screen shows: its panel, and its buttons in polling order.
struct opis_ekranu {
  typ_bitmapy panel;
  int x, y;
  menu::numer_przycisku przyciski[8];
  int ile;
};

const opis_ekranu EKRANY[] = {
    // glowny: polled options, load map, load game, information, new game, exit.
    {b_pr, 657, 288,
     {menu::p_opcje, menu::p_wczytaj_mape, menu::p_wczytaj_gre, menu::p_info, menu::p_nowa_gra,
      menu::p_wyjscie},
     6},
    // informacje: the page button only while there is more than one page
    {b_pr2, 563, 256, {menu::p_strona_info, menu::p_powrot_info}, 2},
    // mapy
    {b_pr2, 573, 286,
     {menu::p_mapa1, menu::p_mapa2, menu::p_mapa3, menu::p_mapa4, menu::p_powrot_mapy},
     5},
    // zapisy
    {b_pr, 657, 288,
     {menu::p_zapis1, menu::p_zapis2, menu::p_zapis3, menu::p_zapis4, menu::p_zapis5,
      menu::p_powrot},
     6},
    // opcje
    {b_pr, 657, 288,
     {menu::p_dzwiek, menu::p_komputer, menu::p_sila, menu::p_jezyk, menu::p_powrot},
     5},
    // jezyki
    {b_pr, 657, 288,
     {menu::p_jezyk1, menu::p_jezyk2, menu::p_jezyk3, menu::p_jezyk4, menu::p_jezyk5,
      menu::p_jezyk6, menu::p_jezyk7, menu::p_powrot},
     8},
};

// Where Esc leads from each screen (on the main screen it does nothing).
const menu::ekran_menu POWROT_ESC[] = {menu::glowny, menu::glowny, menu::glowny,
                                       menu::glowny, menu::glowny, menu::opcje};

// The language screen's buttons from top to bottom, by the word config.cfg stores.
const char* const KOLEJNOSC_JEZYKOW[] = {"POLSKI", "ENGLISH", "SPANISH", "ITALIAN",
                                         "FRENCH", "CZECH",   "GERMAN"};

const jezyk_gry* znajdz_jezyk(const char* slowo) {
  int liczba = 0;
  const jezyk_gry* lista = jezyki(liczba);
  for (int i = 0; i < liczba; ++i)
    if (std::strcmp(lista[i].slowo, slowo) == 0) return &lista[i];
  return nullptr;
}

// The computer-player label for ai = 0, 1, 2.
const char* const KLUCZE_KOMPUTERA[] = {"aioff", "aigood", "aievil"};
// The computer's strength label for the classic and the strong player.
const char* const KLUCZE_SILY[] = {"aiclassic", "aistrong"};

int bialy() { return makecol(255, 255, 255); }

}  // namespace

bool menu::czy_pokazany(numer_przycisku n) const {
  if (!przyciski[n]) return false;
  return n != p_strona_info || strony_informacji.size() > 1;
}

void menu::rysuj_przyciski(ekran_menu ktory) {
  const opis_ekranu& e = EKRANY[ktory];
  for (int i = 0; i < e.ile; ++i)
    if (czy_pokazany(e.przyciski[i])) przyciski[e.przyciski[i]]->rysuj();
}

// Whether button n is shown and was clicked in this pass.
bool menu::czy_klikniety(numer_przycisku n) {
  return czy_pokazany(n) && przyciski[n]->zdarzenie() == przycisk::klikniety;
}

menu::menu(grafika* e) : ekran(e), wybor(6), bez_dzwieku(false) {
  std::strcpy(sciezka_mapy, PIERWSZA_MAPA);
}

menu::~menu() {
  zamknij_menu();
  delete okno_przycisk1;
  delete okno_przycisk2;
}

int menu::zwroc_ustawienia(short co) const {
  if (co == 1) return bez_dzwieku ? 0 : 1;
  return 0;
}

int menu::pokaz() {
  otworz_menu();
  oczekiwanie czuwanie(ekran);
  bool po_ruchu = true;
  for (;;) {
    const long poczatek = ekran->teraz();
    czuwanie.zapamietaj();
    wynik_kroku w = krok();
    if (w == wyjscie) std::exit(-1);
    if (w == start_gry) break;
    // Nothing on the menu moves by itself: each pass presents the whole screen, so the next
    // waits for the pointer, a button or a key (a hundred passes a second at most while they
    // move), with the music fed meanwhile and a pass now and then all the same. A pass the
    // player woke is followed by one more, which shows what it changed (a window, a screen).
    const long termin = poczatek + (po_ruchu ? ODSTEP_MS : ODSWIEZENIE_MS);
    czuwanie.czekaj(termin, poczatek + ODSTEP_MS, [this] {
      if (muzyka_menu) muzyka_menu->odtwarzaj();
    });
    po_ruchu = czuwanie.czy_zmiana();
  }
  zamknij_menu();
  return 1;
}

void menu::otworz_menu() {
  zamknij_menu();
  for (int k = 0; k < 7; ++k) {
    const jezyk_gry* j = znajdz_jezyk(KOLEJNOSC_JEZYKOW[k]);
    if (j) przyciski[p_jezyk1 + k] = new przycisk(ekran, 678, 290 + 30 * k, j->nazwa_przycisku);
  }
  przyciski[p_jezyk] = new przycisk(ekran, 678, 410, "lang");
  przyciski[p_jezyk]->napis(wybierz_jezyk());
  std::strcpy(sciezka_mapy, PIERWSZA_MAPA);
  // A saved game chosen before was refused (the menu opens again only then): the menu
  // starts over as if no slot had been chosen, keeping the chosen map.
  wybor = wybrana_mapa;
  zrob_przyciski();
  // Once a run, in the player's language: without a folder of its own nothing is kept.
  if (!czy_zapis_mozliwy() && !brak_zapisu_zgloszony) {
    brak_zapisu_zgloszony = true;
    pokaz_komunikat(tekst("errplayerdir"));
  }

  muzyka_menu = muzyka_z_zewnatrz;
  if (!muzyka_menu) muzyka_menu = muzyka_wlasna = new muzyka(SCIEZKA_MUZYKI);
  muzyka_menu->przygotuj();

  biezacy_ekran = glowny;
  esc_poprzednio = key[KEY_ESC] != 0;  // an Esc still held from before does not count
  zeruj_prosbe_zamkniecia();
}

void menu::zrob_przyciski() {
  for (const stale_miejsce& m : STALE_PRZYCISKI) {
    const char* napis = m.klucz ? tekst(m.klucz) : etykieta_ustawienia(m.numer);
    przyciski[m.numer] = new przycisk(ekran, m.x, m.y, napis);
  }
  for (int i = 0; i < 6; ++i) {
    const char* sekcja = SEKCJE_GLOWNE[i];
    const char* napis = tekst_z(sekcja, "napis");
    // Whatever the file says, the button stays whole on the screen.
    int y = liczba_z(sekcja, "y", 0, 768 - przycisk::WYSOKOSC);
    int x = liczba_z(sekcja, "x", 0, 1024 - przycisk::SZEROKOSC);
    przyciski[p_nowa_gra + i] = new przycisk(ekran, x, y, napis);
  }
  opisz_zapisy();
  uloz_strony_informacji();
}

void menu::zamknij_menu() {
  zatrzymaj_muzyke();
  delete muzyka_wlasna;
  muzyka_wlasna = nullptr;
  for (przycisk*& p : przyciski) {
    delete p;
    p = nullptr;
  }
}

void menu::zatrzymaj_muzyke() {
  if (muzyka_menu) muzyka_menu->zatrzymaj();
  muzyka_menu = nullptr;
}

const char* menu::etykieta_ustawienia(numer_przycisku n) const {
  if (n == p_sila) return tekst(KLUCZE_SILY[sila_komputera == SILA_SILNA ? 1 : 0]);
  int i = (ai >= 0 && ai <= 2) ? ai : 0;
  return tekst(KLUCZE_KOMPUTERA[i]);
}

// Every label fetched again from the language file now active; the main buttons keep
// their places.
void menu::opisz_zapisy() {
  for (int n = 1; n <= 5; ++n)
    if (przyciski[p_zapis1 + n - 1]) przyciski[p_zapis1 + n - 1]->napis(etykieta_zapisu(n, czytnik).c_str());
}

// The chosen map, the one new game starts, is framed with its button.
void menu::zaznacz_mape() {
  int i = wybrana_mapa - 6;
  if (i < 0 || i > 3) return;
  const miejsce_mapy& m = MINIATURY[i];
  int kolor = makecol(255, 214, 64);
  for (int d = 0; d < 2; ++d)
    ekran->prostokat(m.x - 28 + d, m.y - 6 + d, m.x + 87 - d, m.y + 106 - d, kolor, false);
}

// The information pages for the language now active, measured in the font the game draws.
void menu::uloz_strony_informacji() {
  FONT* f = ekran->pobierz_czcionke();
  strony_informacji = uloz_informacje(f ? f : font);
  strona_informacji_nr = 0;
}

void menu::przelicz_etykiety() {
  for (const stale_miejsce& m : STALE_PRZYCISKI) {
    if (!przyciski[m.numer]) continue;
    przyciski[m.numer]->napis(m.klucz ? tekst(m.klucz) : etykieta_ustawienia(m.numer));
  }
  for (int i = 0; i < 6; ++i) {
    przycisk* p = przyciski[p_nowa_gra + i];
    if (p) p->napis(tekst_z(SEKCJE_GLOWNE[i], "napis"));
  }
  opisz_zapisy();
  uloz_strony_informacji();
}

menu::wynik_kroku menu::krok() {
  if (!przyciski[p_nowa_gra]) return wyjscie;  // the menu is not open
  if (muzyka_menu) muzyka_menu->odtwarzaj();
  ekran->czysc_ekran(makecol(90, 138, 64));
  ekran->rysuj_bitmape(b_tlo_menu, 0, 0, 0, 0, 1024, 768);

  ekran_menu nastepny = biezacy_ekran;
  wynik_kroku w = dalej;
  if (komunikat[0])
    obsluz_komunikat();
  else
    w = biezacy_ekran == glowny ? obsluz_glowny(nastepny) : obsluz_ekran(nastepny);
  // On the menu the window's close button quits, as the exit button does.
  if (w == wyjscie || czy_prosba_zamkniecia()) return wyjscie;
  if (w == start_gry && biezacy_ekran == zapisy) return start_gry;  // a slot leaves at once
  obsluz_klawisze(nastepny);

  ekran->pisz(tekst("build"), 330, 755, 0, bialy(), true, -1);
  biezacy_ekran = nastepny;
  if (w == start_gry) return start_gry;  // new game: this pass is drawn but not shown
  ekran->pokaz(true);
  return dalej;
}

// Esc, on its press only: back one screen. The main screen has nothing to go back to, and
// quitting takes its own button.
void menu::obsluz_klawisze(ekran_menu& nastepny) {
  bool esc = key[KEY_ESC] != 0;
  bool wcisniety = esc && !esc_poprzednio;
  esc_poprzednio = esc;
  if (!wcisniety) return;
  if (komunikat[0])
    komunikat[0] = 0;  // Esc acknowledges a message
  else
    nastepny = POWROT_ESC[biezacy_ekran];
}

void menu::pokaz_komunikat(const char* tekst_okna) {
  std::snprintf(komunikat, sizeof komunikat, "%s", tekst_okna ? tekst_okna : "");
}

// The screen with its buttons drawn but not polled, and the message over it.
void menu::obsluz_komunikat() {
  rysuj_tlo_ekranu();
  rysuj_przyciski(biezacy_ekran);
  ekran->zmiana_klatki(true);  // the window's panel is drawn in full frames only
  if (okno(320, 216, komunikat, tekst("acknowledge"), " ") == 0) komunikat[0] = 0;
}

// The page shown: the title in white, the paragraphs in grey, and the page's number when
// there are more.
void menu::rysuj_informacje() {
  if (strona_informacji_nr >= liczba_stron_informacji()) return;
  for (const wiersz_informacji& w : strony_informacji[strona_informacji_nr]) {
    int kolor = w.tytul ? bialy() : makecol(200, 200, 200);
    ekran->pisz(w.tekst.c_str(), INFO_X, INFO_Y + w.y, -1, kolor, false, -1);
  }
  if (liczba_stron_informacji() < 2) return;
  char numer[32];
  std::snprintf(numer, sizeof numer, "%d/%d", strona_informacji_nr + 1, liczba_stron_informacji());
  ekran->pisz(numer, INFO_X + INFO_SZEROKOSC - 10, INFO_Y, -1, bialy(), true, -1);
}

void menu::rysuj_tlo_ekranu() {
  const opis_ekranu& e = EKRANY[biezacy_ekran];
  ekran->rysuj_bitmape(e.panel, e.x, e.y, 0, 0, 0, 0);
}

// The main screen polls its buttons before drawing them.
menu::wynik_kroku menu::obsluz_glowny(ekran_menu& nastepny) {
  rysuj_tlo_ekranu();
  const opis_ekranu& e = EKRANY[glowny];
  wynik_kroku w = dalej;
  for (int i = 0; i < e.ile; ++i) {
    if (!czy_klikniety(e.przyciski[i])) continue;
    wynik_kroku r = reaguj(e.przyciski[i], nastepny);
    if (r == wyjscie) return wyjscie;
    if (r == start_gry) w = start_gry;
  }
  rysuj_przyciski(biezacy_ekran);
  return w;
}

// Every other screen draws first, then polls.
menu::wynik_kroku menu::obsluz_ekran(ekran_menu& nastepny) {
  rysuj_tlo_ekranu();
  const opis_ekranu& e = EKRANY[biezacy_ekran];
  if (biezacy_ekran == informacje) rysuj_informacje();
  if (biezacy_ekran == mapy)
    for (const miejsce_mapy& m : MINIATURY) miniatura(m.plik, m.x, m.y, 1);
  if (biezacy_ekran == mapy) zaznacz_mape();
  if (biezacy_ekran == opcje)
    przyciski[p_dzwiek]->napis(tekst(bez_dzwieku ? "soundoff" : "soundon"));
  rysuj_przyciski(biezacy_ekran);
  for (int i = 0; i < e.ile; ++i) {
    if (!czy_klikniety(e.przyciski[i])) continue;
    wynik_kroku r = reaguj(e.przyciski[i], nastepny);
    if (r != dalej) return r;
  }
  return dalej;
}

// What a click on button n does; the screen change lands in nastepny (the last one decided
// in a pass wins).
menu::wynik_kroku menu::reaguj(numer_przycisku n, ekran_menu& nastepny) {
  switch (n) {
    case p_opcje: nastepny = opcje; break;
    case p_wczytaj_mape: nastepny = mapy; break;
    case p_wczytaj_gre: nastepny = zapisy; break;
    case p_info:
      nastepny = informacje;
      strona_informacji_nr = 0;
      break;
    case p_strona_info:
      strona_informacji_nr = (strona_informacji_nr + 1) % liczba_stron_informacji();
      break;
    case p_nowa_gra: zatrzymaj_muzyke(); return start_gry;
    case p_wyjscie: return wyjscie;
    case p_powrot_info:
    case p_powrot_mapy: nastepny = glowny; break;
    case p_mapa1: case p_mapa2: case p_mapa3: case p_mapa4:
      wybor = wybrana_mapa = (short)(6 + (n - p_mapa1));
      nastepny = glowny;
      break;
    case p_zapis1: case p_zapis2: case p_zapis3: case p_zapis4: case p_zapis5:
      wybor = (short)(1 + (n - p_zapis1));
      zatrzymaj_muzyke();
      return start_gry;
    case p_powrot: nastepny = biezacy_ekran == jezyki ? opcje : glowny; break;
    case p_dzwiek: bez_dzwieku = !bez_dzwieku; break;
    case p_komputer:
      ai = (short)((ai >= 0 && ai < 2) ? ai + 1 : 0);
      przyciski[p_komputer]->napis(etykieta_ustawienia(p_komputer));
      break;
    case p_sila:
      sila_komputera = (short)(sila_komputera == SILA_SILNA ? SILA_KLASYCZNA : SILA_SILNA);
      przyciski[p_sila]->napis(etykieta_ustawienia(p_sila));
      break;
    case p_jezyk: nastepny = jezyki; break;
    case p_jezyk1: case p_jezyk2: case p_jezyk3: case p_jezyk4: case p_jezyk5: case p_jezyk6:
    case p_jezyk7:
      wybierz_jezyk_przyciskiem(n - p_jezyk1);
      nastepny = glowny;
      break;
    default: break;
  }
  return dalej;
}

// config.cfg is written by zapisz_jezyk before any text is fetched from the new file.
void menu::wybierz_jezyk_przyciskiem(int k) {
  if (k < 0 || k >= 7) return;
  bool zapisany = true;
  przyciski[p_jezyk]->napis(zapisz_jezyk(KOLEJNOSC_JEZYKOW[k], &zapisany));
  przelicz_etykiety();
  // Told in the language just chosen, which holds until the game is closed.
  if (!zapisany) pokaz_komunikat(tekst("langnotsaved"));
}

void menu::miniatura(const char* plik_mapy, int x, int y, int skala) {
  const int BOK = 60;
  if (!plik_mapy || skala <= 0) return;
  std::FILE* f = otworz_do_odczytu(znajdz_plik(plik_mapy).c_str());
  if (!f) return;  // no thumbnail for a map that is not there
  unsigned char pola[BOK * BOK] = {};
  std::size_t ile = std::fread(pola, 1, sizeof pola, f);
  std::fclose(f);
  // A 0xFF byte ends a map file, as the map reader has it; the rest stays empty.
  for (std::size_t i = 0; i < ile; ++i)
    if (pola[i] == 0xFF) {
      std::memset(pola + i, 0, sizeof pola - i);
      break;
    }
  for (int r = 0; r < BOK; ++r)
    for (int c = 0; c < BOK; ++c) {
      int kolor = kolor_minimapy(pola[BOK * r + c]);
      if (kolor < 0) continue;
      int x1 = x + c * skala, y1 = y + r * skala;
      ekran->prostokat(x1, y1, x1 + skala - 1, y1 + skala - 1,
                       makecol((kolor >> 16) & 255, (kolor >> 8) & 255, kolor & 255), true);
    }
}
