#pragma once
#include "oczekiwanie.h"
#include "punkt.h"
#include "stan_gry.h"
#include "tempo_komputera.h"

class grafika;
class menu;
class muzyka;
class odglosy;
class playlista;
class przycisk;
class jednostka;
class komputer_silny;

// One game in progress: the frame of the main loop, the command panel below the map, the
// in-game menu, the turns, the music keys and the editor keys. Built once the game file has
// been read into stan; the game object runs klatka() until czy_zakonczona() answers true.
class rozgrywka {
 public:
  // Panel modes.
  enum {
    panel_jednostki = 1,
    panel_sklep = 2,
    panel_koniec_gry = 3,
    panel_wyjscie = 4,
    panel_wybor_sklepu = 5,
    panel_technologie = 6,
  };
  // The panel buttons, in the order they are made.
  enum {
    p_koniec_tury, p_opcje, p_powrot, p_ulecz, p_napraw, p_trenuj, p_zapis1, p_zapis2,
    p_zapis3, p_zapis4, p_zapis5, p_powrot_menu, p_wyjscie, p_kup, p_nastepna, p_poprzednia,
    p_atak, p_obrona, p_zwinnosc, p_kup_jednostke, p_kup_technologie, p_niedostepna,
    p_technologia1, p_technologia2, p_technologia3, p_technologia4, LICZBA_PRZYCISKOW
  };

  // stan must hold a loaded game (map, grid, armies, players). With z_muzyka false no track
  // or effect is opened (tests).
  rozgrywka(stan_gry& stan, menu* okna, bool z_muzyka);
  ~rozgrywka();
  rozgrywka(const rozgrywka&) = delete;
  rozgrywka& operator=(const rozgrywka&) = delete;

  // One pass of the main loop.
  void klatka();
  // The player chose to leave (quit confirmation or the button after the end of the game).
  bool czy_zakonczona() const { return zakonczona; }

  // The end of the active player's turn: hour, income, healing, the other side's units.
  void koniec_tury();
  // The winner once a castle has fallen: 1 or 2; 0 while both stand.
  int zwyciezca() const;

  short pobierz_tryb_panelu() const { return tryb_panelu; }
  void zmien_tryb_panelu(short t) { tryb_panelu = t; }
  bool czy_menu_w_grze() const { return menu_w_grze != 0; }
  short pobierz_wybor_jednostki(int gracz) const { return wybor_jednostki[gracz == 2 ? 1 : 0]; }
  short pobierz_dochod() const { return dochod; }
  int pobierz_tryb_muzyki() const { return tryb_muzyki; }
  const muzyka* pobierz_biezacy_utwor() const { return biezacy_utwor; }
  const muzyka* pobierz_utwor(int i) const;
  przycisk* pobierz_przycisk(int i) const { return przyciski[i]; }
  // The message of a failed save, shown until it is acknowledged; "" when none.
  const char* pobierz_blad_zapisu() const { return blad_zapisu; }
  long pobierz_liczbe_klatek() const { return liczba_klatek; }
  // Whether the loop runs for a person at the screen (the default): it sleeps while nothing
  // changes and presents what the player's hands do at once. Off for tests and benchmarks,
  // which drive passes of their own.
  void ustaw_oddawanie_procesora(bool tak) { oddawaj_procesor = tak; }
  // The shortest time between two passes that the player's input wakes.
  static const long ODSTEP_PRZEBIEGOW_MS = 10;
  short pobierz_fps() const { return fps_pokazane; }
  // Whether the computer's turn is paced for the eye (the game on screen) or runs at full
  // speed (the default: tests, soak games, the tournament).
  void ustaw_tempo_komputera(bool tak) { tempo.wlacz(tak); }
  const tempo_komputera& pobierz_tempo() const { return tempo; }

 private:
  // Parts of one frame.
  void zamkniecie_okna();
  void klawisze_muzyki();
  void zmien_utwor(muzyka* m, int tryb);
  void sprawdz_koniec_gry();
  void okna_komunikatow();
  void ramka_ekranu();
  void pasek_stanu();
  void licznik_fps();
  void klawisze_mapy();
  void klawisze_dewelopera();
  bool czy_okno_otwarte() const;
  void pokaz_aktywna_jednostke();
  void pomin_klikniecia_pod_oknem();
  void po_przebiegu_komputera(long rozkazy_przed, long teraz);
  bool koniec_tury_komputera(long teraz);
  void sledz_wskaznik();
  void czekaj_na_zmiane(long poczatek, bool po_ruchu);
  void pokaz_pole(int x, int y);

  // The command panel.
  void panel();
  void panel_trybu_jednostki();
  void punkty_do_rozdysponowania(jednostka* a);
  void widok_jednostki(jednostka* a);
  void leczenie(jednostka* a);
  void naprawa(jednostka* a, int rodzaj_zamku, int rodzaj_robotnika);
  void trening(jednostka* a);
  void menu_gry();
  void zapisz_do_slotu(int slot);
  void sklep_jednostek();
  void wybor_sklepu();
  void sklep_technologii();
  void koniec_gry();
  void panel_pod_pytaniem();
  void potwierdzenie_wyjscia();
  jednostka* aktywna_jednostka() const;
  bool czy_komputer() const;
  // The strong computer when it plays the side on turn, else null.
  komputer_silny* silny_na_turze() const;
  // Whether the strong computer on turn presses the panel button nr for the unit a.
  bool wybor_komputera(jednostka* a, int przycisk_nr);
  bool klik(int przycisk_nr);

  stan_gry& stan;
  menu* okna;
  przycisk* przyciski[LICZBA_PRZYCISKOW] = {};
  short tryb_panelu = panel_jednostki;
  short menu_w_grze = 0;
  short wybor_jednostki[2] = {0, 0};
  short dochod = 0;
  bool zakonczona = false;
  bool oddawaj_procesor = true;
  bool koniec_zgloszony = false;
  bool okno_otwarte = false;  // a message window was open when this frame's panel ran
  char blad_zapisu[256] = "";
  komputer_silny* silny = nullptr;
  tempo_komputera tempo;
  bool komputer_dziala = true;  // the computer on turn takes its pass in this frame
  oczekiwanie czuwanie;
  punkt pole_wskaznika;         // the field under the pointer in the last pass
  int poprzednie_przyciski = 0;  // the mouse buttons in the last pass
  jednostka* ostatnia_aktywna = nullptr;  // the selected unit the panel showed last pass
  bool koniec_odlozony = false;  // the computer is done; its turn ends when the beat is over

  // Music: 0 and 1 the battle music of the two sides, 2..10 the number keys 1..9.
  static const int LICZBA_UTWOROW = 11;
  muzyka* utwory[LICZBA_UTWOROW] = {};
  odglosy* efekty[2] = {};
  playlista* lista = nullptr;   // the chain's first node (owns the tracks)
  playlista* biezaca = nullptr; // the node now chosen with X and Z
  muzyka* biezacy_utwor = nullptr;
  int tryb_muzyki = -1;

  // Frames per second; counters wide enough never to wrap.
  long ostatnia_sekunda = 0;
  long klatki_w_sekundzie = 0;
  short fps_pokazane = 0;
  long liczba_klatek = 0;
};
