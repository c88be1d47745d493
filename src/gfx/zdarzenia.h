#pragma once
class grafika;

// Per-pass mouse events (press and release of both buttons) and the number of the message
// window the game screen shows (0 none, 1 food, 2 gold, 3 lava, 4 hero).
class zdarzenia {
 public:
  explicit zdarzenia(grafika* g);
  // Samples mouse_b once and updates every flag; once per pass of the main loop.
  void odswiez();
  // The same with a given button word (bit 0 left, bit 1 right), for tests and replays.
  void odswiez_ze_stanem(int przyciski);
  bool l_klikniety() const { return l_klik != 0; }
  bool p_klikniety() const { return p_klik != 0; }
  bool l_zwolniony() const { return l_zwolnienie != 0; }
  bool p_zwolniony() const { return p_zwolnienie != 0; }
  void wyswietl_okno(short numer) { otwarte_okno = numer; }
  int zwroc_okno() const { return otwarte_okno; }
  void zeruj();
  // Samples the keyboard once a pass. A key counts as pressed only in the pass it went down,
  // so whatever toggles, writes or starts something acts once per press.
  void odswiez_klawisze();
  // The same with a given key-state array of LICZBA_KLAWISZY entries, for tests.
  void odswiez_klawisze_ze_stanem(const volatile char* stan);
  bool nacisniety(int klawisz) const { return czy_klawisz(klawisz) && klawisze[klawisz] > 1; }
  bool wcisniety(int klawisz) const { return czy_klawisz(klawisz) && klawisze[klawisz] != 0; }
  static const int LICZBA_KLAWISZY = 128;
  // Forgets this pass's presses and releases but not which buttons are held, so a click
  // meant for a window or the panel reaches nothing else (and a held button never repeats).
  void pomin_klikniecia() { l_klik = p_klik = l_zwolnienie = p_zwolnienie = 0; }

 private:
  int l_wcisniety = 0;
  int l_klik = 0;
  int p_wcisniety = 0;
  int p_klik = 0;
  int l_zwolnienie = 0;
  int stan_l = 0, poprzedni_l = 0;
  int p_zwolnienie = 0;
  int stan_p = 0, poprzedni_p = 0;
  short otwarte_okno = 0;
  // Per key: 0 up, 1 held since an earlier pass, 2 went down in this pass.
  unsigned char klawisze[LICZBA_KLAWISZY] = {};
  static bool czy_klawisz(int k) { return k >= 0 && k < LICZBA_KLAWISZY; }
};
