// The drawing primitives against one plain full-screen blit measured in the same run.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <loadpng.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "grafika.h"

namespace {

void przygotuj() {
  static bool gotowe = false;
  if (gotowe) return;
  if (chdir(GRA_KATALOG_ZRODEL) != 0) std::abort();
  set_uformat(U_ASCII);
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  register_png_file_type();
  gotowe = true;
}

// Milliseconds of one plain 1024x768 memory blit, measured here for the ratios.
double ms_blitu() {
  static double wynik = 0;
  if (wynik > 0) return wynik;
  BITMAP* a = create_bitmap(1024, 768);
  BITMAP* b = create_bitmap(1024, 768);
  long start = zegar_scienny_ms();
  for (int i = 0; i < 300; ++i) blit(a, b, 0, 0, 0, 0, 1024, 768);
  wynik = double(zegar_scienny_ms() - start) / 300.0;
  if (wynik <= 0) wynik = 0.001;
  destroy_bitmap(a);
  destroy_bitmap(b);
  return wynik;
}

void zglos(benchmark::State& s, long start) {
  double ms = double(zegar_scienny_ms() - start) / double(s.iterations());
  s.counters["razy_blit"] = ms / ms_blitu();
}

void BM_PelnyBlit(benchmark::State& s) {
  przygotuj();
  BITMAP* a = create_bitmap(1024, 768);
  BITMAP* b = create_bitmap(1024, 768);
  for (auto _ : s) blit(a, b, 0, 0, 0, 0, 1024, 768);
  destroy_bitmap(a);
  destroy_bitmap(b);
}
BENCHMARK(BM_PelnyBlit)->Unit(benchmark::kMicrosecond);

void BM_BlitPrzezroczysty(benchmark::State& s) {
  przygotuj();
  BITMAP* a = create_bitmap(1024, 583);
  BITMAP* b = create_bitmap(1024, 768);
  clear_to_color(a, makecol(40, 80, 120));
  ms_blitu();
  long start = zegar_scienny_ms();
  for (auto _ : s) blit_przezroczysty(a, b, 0, 0, 100);
  zglos(s, start);
  destroy_bitmap(a);
  destroy_bitmap(b);
}
BENCHMARK(BM_BlitPrzezroczysty)->Unit(benchmark::kMicrosecond);

void BM_Noc(benchmark::State& s) {
  przygotuj();
  grafika g(tryb_grafiki::pamiec);
  ms_blitu();
  long start = zegar_scienny_ms();
  for (auto _ : s) g.rysuj_noc(0);
  zglos(s, start);
}
BENCHMARK(BM_Noc)->Unit(benchmark::kMicrosecond);

void BM_StoPol(benchmark::State& s) {
  przygotuj();
  grafika g(tryb_grafiki::pamiec);
  ms_blitu();
  long start = zegar_scienny_ms();
  for (auto _ : s)
    for (int i = 0; i < 100; ++i) g.rysuj_pole(pole_trawa, i % 25, i / 25, 0);
  zglos(s, start);
}
BENCHMARK(BM_StoPol)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
