#include "przycisk.h"

#include <allegro.h>

#include <cstring>

#include "globalne.h"
#include "grafika.h"

przycisk::przycisk(grafika* e, int px, int py, const char* tekst)
    : ekran(e), x(px), y(py), stan(zwykly), etykieta(new char[DLUGOSC_ETYKIETY]) {
  etykieta[0] = 0;
  napis(tekst);
}

przycisk::~przycisk() { delete[] etykieta; }

void przycisk::napis(const char* tekst) {
  // Copied into the button's own buffer: the text may belong to a configuration that changes.
  if (!tekst) tekst = "";
  // Cut at a whole character if it is too long: never half of a multi-byte letter.
  ustrzcpy(etykieta, DLUGOSC_ETYKIETY, tekst);
}

void przycisk::przesun(int nx, int ny) {
  x = nx;
  y = ny;
}

void przycisk::rysuj() {
  if (!ekran) return;
  static const int KOMORKI[4] = {44, 22, 0, 0};
  ekran->rysuj_bitmape(b_button, x, y, 0, KOMORKI[stan & 3], SZEROKOSC, WYSOKOSC);
  ekran->pisz(etykieta, x + 55, y + 7, 0, makecol(255, 255, 255), true, -1);
}

int przycisk::zdarzenie() { return zdarzenie_ze_stanem(mouse_x, mouse_y, mouse_b); }

int przycisk::zdarzenie_ze_stanem(int mx, int my, int b) {
  bool wewnatrz = x < mx && mx < x + SZEROKOSC && y < my && my < y + WYSOKOSC;
  if (!wewnatrz) stan = zwykly;
  if (wewnatrz && stan != wcisniety) stan = podswietlony;
  if (wewnatrz && b == 0 && stan == wcisniety) stan = klikniety;
  if (wewnatrz && (b & 1) && stan != wcisniety) stan = wcisniety;
  if (dev_mode && x < mx && mx < x + SZEROKOSC && y - 20 < my && my < y + 42 && (b & 2)) {
    x = mx - 54;
    y = my - 11;
    if (ekran) {
      ekran->pisz("%d,", x, y - 10, x, makecol(255, 255, 255), true, -1);
      ekran->pisz("%d", x + 25, y - 10, y, makecol(255, 255, 255), true, -1);
    }
  }
  return stan;
}
