#pragma once
#include <string>
#include <vector>

#include "informacje.h"

class grafika;
class przycisk;
class dzwiek;

// What a saved game's slot holds, as the game files read it: nothing, something that is not a
// game, or a game on a map file at an hour. The game hands the menu its reader of the slots.
struct zawartosc_slotu {
  enum stan_slotu { pusty, uszkodzony, gra } stan = pusty;
  std::string mapa;
  float godzina = 0.0f;
};
typedef zawartosc_slotu (*czytnik_slotow)(int slot);

// The title screen (new game with four maps, five saved games, options, languages,
// information) and the message window drawn over the game screen.
class menu {
 public:
  // Value of okno while neither button was clicked.
  static constexpr int OKNO_OTWARTE = -1;

  explicit menu(grafika* ekran);
  ~menu();
  // Runs the menu's own loop until a new game or a saved game is chosen; returns 1.
  int pokaz();
  // The loop's passes: at most one every ODSTEP_MS while the player moves, at least one every
  // ODSWIEZENIE_MS while nothing happens.
  static const long ODSTEP_MS = 10;
  static const long ODSWIEZENIE_MS = 500;
  int wczytana_gra() const { return wybor; }
  const char* wczytana_mapa() const { return sciezka_mapy; }
  // co = 1: 1 while sound is on, 0 when off. Any other co: 0.
  int zwroc_ustawienia(short co) const;
  // Draws a thumbnail of a .map file (at most 3600 bytes; a missing file draws nothing).
  void miniatura(const char* plik_mapy, int x, int y, int skala);
  // The message window for one pass: 0 first button clicked, 1 second, else OKNO_OTWARTE.
  // A label beginning with a blank means no such button.
  int okno(int x, int y, const char* tekst, const char* napis1, const char* napis2);

  // A message shown over the menu in a window with one button until the player acknowledges
  // it (its button or Esc); meanwhile the screen's buttons only show. The text is copied.
  void pokaz_komunikat(const char* tekst);
  bool czy_komunikat() const { return komunikat[0] != 0; }

  // The settings the menu hands to the game, settable for tests.
  void ustaw_wybor(short w) { wybor = w; }
  void ustaw_bez_dzwieku(bool b) { bez_dzwieku = b; }
  // Where the load screen learns what each slot holds; without a reader every slot is empty.
  void ustaw_czytnik_slotow(czytnik_slotow c) { czytnik = c; }

  // The screens of the menu.
  enum ekran_menu { glowny, informacje, mapy, zapisy, opcje, jezyki };
  // The outcome of one pass of the menu loop.
  enum wynik_kroku { dalej, start_gry, wyjscie };
  // Buttons, by the screen they belong to; the shared back button serves the saved games,
  // the options and the languages.
  enum numer_przycisku {
    p_nowa_gra, p_wczytaj_mape, p_wczytaj_gre, p_opcje, p_info, p_wyjscie,
    p_powrot_info, p_strona_info,
    p_mapa1, p_mapa2, p_mapa3, p_mapa4, p_powrot_mapy,
    p_zapis1, p_zapis2, p_zapis3, p_zapis4, p_zapis5, p_powrot,
    p_dzwiek, p_komputer, p_sila, p_jezyk,
    p_jezyk1, p_jezyk2, p_jezyk3, p_jezyk4, p_jezyk5, p_jezyk6, p_jezyk7,
    LICZBA_PRZYCISKOW
  };

  // The pieces of pokaz(), for tests: the opening (buttons, language, music), one pass of
  // the loop (reads mouse_x, mouse_y, mouse_b, the Esc key and the window's close button)
  // and the leaving.
  void otworz_menu();
  wynik_kroku krok();
  void zamknij_menu();
  ekran_menu pobierz_ekran() const { return biezacy_ekran; }
  // The pages of the information screen and the one shown (from 0).
  int liczba_stron_informacji() const { return int(strony_informacji.size()); }
  int pobierz_strone_informacji() const { return strona_informacji_nr; }
  // A button of the open menu (null when the menu is closed).
  const przycisk* pobierz_przycisk(numer_przycisku n) const { return przyciski[n]; }
  // Plays this track instead of making the menu's own (not owned; null: the menu's own).
  void ustaw_muzyke(dzwiek* m) { muzyka_z_zewnatrz = m; }

 private:
  void zrob_przyciski();
  void przelicz_etykiety();
  void opisz_zapisy();
  void zaznacz_mape();
  // The label of a button that shows a setting: the side the computer plays, or its
  // strength.
  const char* etykieta_ustawienia(numer_przycisku n) const;
  wynik_kroku obsluz_glowny(ekran_menu& nastepny);
  wynik_kroku obsluz_ekran(ekran_menu& nastepny);
  wynik_kroku reaguj(numer_przycisku n, ekran_menu& nastepny);
  void obsluz_klawisze(ekran_menu& nastepny);
  void wybierz_jezyk_przyciskiem(int k);
  void rysuj_tlo_ekranu();
  void rysuj_informacje();
  void uloz_strony_informacji();
  // Whether button n is shown where its screen has it (the page button only while there is
  // more than one page).
  bool czy_pokazany(numer_przycisku n) const;
  void rysuj_przyciski(ekran_menu ktory);
  bool czy_klikniety(numer_przycisku n);
  void obsluz_komunikat();
  void zatrzymaj_muzyke();

  przycisk* przyciski[LICZBA_PRZYCISKOW] = {};
  ekran_menu biezacy_ekran = glowny;
  dzwiek* muzyka_menu = nullptr;         // the playing track
  dzwiek* muzyka_wlasna = nullptr;       // the menu's own track, owned
  dzwiek* muzyka_z_zewnatrz = nullptr;   // a track handed in by ustaw_muzyke
  bool esc_poprzednio = false;           // Esc was down in the previous pass

  grafika* ekran;
  czytnik_slotow czytnik = nullptr;
  char sciezka_mapy[100];
  short wybor;
  short wybrana_mapa = 6;  // the map new game starts (6..9): map 1 until one is chosen
  bool bez_dzwieku;
  // The message window's two buttons, made on the first call.
  przycisk* okno_przycisk1 = nullptr;
  przycisk* okno_przycisk2 = nullptr;
  bool okno_pierwsze_uruchomienie = true;
  char komunikat[300] = "";
  bool brak_zapisu_zgloszony = false;  // the player was told nothing can be saved
  std::vector<strona_informacji> strony_informacji;  // laid out for the active language
  int strona_informacji_nr = 0;
};
