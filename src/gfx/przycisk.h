#pragma once
class grafika;

// A 108 x 22 push-button with a centred label, polled once per pass.
class przycisk {
 public:
  enum { wcisniety = 0, podswietlony = 1, zwykly = 2, klikniety = 3 };
  static const int SZEROKOSC = 108;
  static const int WYSOKOSC = 22;
  static const int DLUGOSC_ETYKIETY = 255;

  przycisk(grafika* ekran, int x, int y, const char* napis);
  ~przycisk();
  przycisk(const przycisk&) = delete;
  przycisk& operator=(const przycisk&) = delete;

  void rysuj();
  // Advances the state from mouse_x, mouse_y and mouse_b; returns it (3 = clicked).
  int zdarzenie();
  // The same with a given pointer and button word, for tests.
  int zdarzenie_ze_stanem(int mx, int my, int przyciski);
  void przesun(int nx, int ny);
  // Replaces the label (copied, cut at 254 characters; null gives an empty label).
  void napis(const char* tekst);
  const char* pobierz_napis() const { return etykieta; }
  int pobierz_x() const { return x; }
  int pobierz_y() const { return y; }
  int pobierz_stan() const { return stan; }

 private:
  grafika* ekran;
  int x, y;
  int stan;
  char* etykieta;
};
