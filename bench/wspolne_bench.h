#pragma once
// What every benchmark of the game needs: the library started without a screen in the
// source folder (where the data files are), and the plain full-screen blit that the drawing
// figures are measured against in the same run.
#include <allegro.h>
#include <unistd.h>

#include <cstdlib>

#include "grafika.h"

inline void przygotuj_bench() {
  if (chdir(GRA_KATALOG_ZRODEL) != 0) std::abort();
  uruchom_bez_ekranu();
}

// Milliseconds of one plain 1024 x 768 memory-to-memory blit, measured once per run.
inline double ms_pelnego_blitu() {
  static double wynik = 0;
  if (wynik > 0) return wynik;
  BITMAP* a = create_bitmap(1024, 768);
  BITMAP* b = create_bitmap(1024, 768);
  clear_to_color(a, makecol(40, 80, 20));
  const int n = 300;
  const long start = zegar_scienny_ms();
  for (int i = 0; i < n; ++i) blit(a, b, 0, 0, 0, 0, 1024, 768);
  wynik = double(zegar_scienny_ms() - start) / n;
  if (wynik <= 0) wynik = 0.001;
  destroy_bitmap(a);
  destroy_bitmap(b);
  return wynik;
}
