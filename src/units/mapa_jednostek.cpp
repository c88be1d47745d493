#include "mapa_jednostek.h"

#include "jednostka.h"

mapa_jednostek::mapa_jednostek() : pola_jednostek(new jednostka*[LICZBA_POL]()) {}

mapa_jednostek::~mapa_jednostek() { delete[] pola_jednostek; }

void mapa_jednostek::wstaw_jednostke(jednostka* j) {
  if (!j) return;
  const int x = j->pobierz_x(), y = j->pobierz_y();
  if (czy_na_mapie(x, y)) pola_jednostek[y * ROZMIAR_MAPY + x] = j;
}

jednostka* mapa_jednostek::pobierz_jednostke(int x, int y) const {
  return czy_na_mapie(x, y) ? pola_jednostek[y * ROZMIAR_MAPY + x] : nullptr;
}

void mapa_jednostek::zeruj_pole(int x, int y) {
  if (czy_na_mapie(x, y)) pola_jednostek[y * ROZMIAR_MAPY + x] = nullptr;
}

void mapa_jednostek::zeruj_pole_jesli(int x, int y, const jednostka* j) {
  if (czy_na_mapie(x, y) && pola_jednostek[y * ROZMIAR_MAPY + x] == j)
    pola_jednostek[y * ROZMIAR_MAPY + x] = nullptr;
}
