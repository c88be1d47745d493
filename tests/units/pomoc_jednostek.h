#pragma once
// Shared set-up of the unit tests: a recording screen, an open grass battlefield and the
// unit grid, plus a unit class that exposes its members for checking.
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "rodzaje.h"
#include "srodowisko.h"

// A grass map file (3600 '1' characters) in a temporary folder, written once per run.
const std::string& plik_trawy();

struct pole_bitwy {
  grafika_nagrywajaca ekran;
  std::unique_ptr<mapa> teren;
  mapa_jednostek siatka;
  std::vector<std::unique_ptr<jednostka>> jednostki;

  pole_bitwy();
  // A unit of the given kind, put into the grid.
  jednostka* postaw(nazwa_pola rodzaj, int x, int y, int gracz);
  // The same, but kept out of the grid.
  jednostka* utworz(nazwa_pola rodzaj, int x, int y, int gracz);
  // Paints the rectangle [x0, x1] x [y0, y1] with a terrain character.
  void maluj(int x0, int y0, int x1, int y1, char znak);
};

// Runs f with the working directory set to a fresh temporary folder (the log goes there).
template <class F>
void w_katalogu_tymczasowym(F f) {
  const std::string k = katalog_tymczasowy();
  if (chdir(k.c_str()) != 0) return;
  f();
  if (chdir(GRA_KATALOG_ZRODEL) != 0) return;
}
