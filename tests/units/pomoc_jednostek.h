#pragma once
// An open grass battlefield on a recording screen, with the unit grid; it owns its units.
#include <memory>
#include <vector>

#include "mapa.h"
#include "mapa_jednostek.h"
#include "rodzaje.h"
#include "srodowisko.h"

struct pole_bitwy {
  grafika_nagrywajaca ekran;
  std::unique_ptr<mapa> teren{(przygotuj_allegro(), mapa_trawy(&ekran))};
  mapa_jednostek siatka;
  std::vector<std::unique_ptr<jednostka>> jednostki;

  // A unit kept out of the grid; wejscie brings the mouse and the message windows.
  jednostka* utworz(nazwa_pola rodzaj, int x, int y, int gracz, zdarzenia* wejscie = nullptr) {
    jednostki.emplace_back(
        utworz_jednostke(rodzaj, &ekran, teren.get(), &siatka, wejscie, x, y, gracz));
    return jednostki.back().get();
  }
  jednostka* postaw(nazwa_pola rodzaj, int x, int y, int gracz, zdarzenia* wejscie = nullptr) {
    jednostka* j = utworz(rodzaj, x, y, gracz, wejscie);
    siatka.wstaw_jednostke(j);
    return j;
  }
  void maluj(int x0, int y0, int x1, int y1, char znak) {  // the rectangle, both corners in
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++) teren->zmien_pole(x, y, znak);
  }
};
