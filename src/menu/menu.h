#pragma once
class grafika;
class przycisk;

// The title screen (new game with four maps, five saved games, options, languages,
// information) and the message window drawn over the game screen.
class menu {
 public:
  // Value of okno while neither button was clicked.
  static const int OKNO_OTWARTE = -1;

  explicit menu(grafika* ekran);
  ~menu();
  // Runs the menu's own loop until a new game or a saved game is chosen; returns 1.
  int pokaz();
  int wczytana_gra() const { return wybor; }
  const char* wczytana_mapa() const { return sciezka_mapy; }
  // co = 1: 1 while sound is on, 0 when off. Any other co: 0.
  int zwroc_ustawienia(short co) const;
  // Draws a thumbnail of a .map file (at most 3600 bytes; a missing file draws nothing).
  void miniatura(const char* plik_mapy, int x, int y, int skala);
  // The message window for one pass: 0 first button clicked, 1 second, else OKNO_OTWARTE.
  // A label beginning with a blank means no such button.
  int okno(int x, int y, const char* tekst, const char* napis1, const char* napis2);

  // The settings the menu hands to the game, settable for tests.
  void ustaw_wybor(short w) { wybor = w; }
  void ustaw_bez_dzwieku(bool b) { bez_dzwieku = b; }

 private:
  grafika* ekran;
  char sciezka_mapy[100];
  short wybor;
  bool bez_dzwieku;
  // The message window's two buttons, made on the first call.
  przycisk* okno_przycisk1 = nullptr;
  przycisk* okno_przycisk2 = nullptr;
  bool okno_pierwsze_uruchomienie = true;
};
