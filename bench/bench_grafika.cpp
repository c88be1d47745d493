// The drawing primitives against one plain full-screen blit measured in the same run.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "grafika.h"
#include "wspolne_bench.h"

namespace {

void zglos(benchmark::State& s, long start) {
  double ms = double(zegar_scienny_ms() - start) / double(s.iterations());
  s.counters["razy_blit"] = ms / ms_pelnego_blitu();
}

void BM_PelnyBlit(benchmark::State& s) {
  przygotuj_bench();
  BITMAP* a = create_bitmap(1024, 768);
  BITMAP* b = create_bitmap(1024, 768);
  for (auto _ : s) blit(a, b, 0, 0, 0, 0, 1024, 768);
  destroy_bitmap(a);
  destroy_bitmap(b);
}
BENCHMARK(BM_PelnyBlit)->Unit(benchmark::kMicrosecond);

void BM_BlitPrzezroczysty(benchmark::State& s) {
  przygotuj_bench();
  BITMAP* a = create_bitmap(1024, 583);
  BITMAP* b = create_bitmap(1024, 768);
  clear_to_color(a, makecol(40, 80, 120));
  long start = zegar_scienny_ms();
  for (auto _ : s) blit_przezroczysty(a, b, 0, 0, 100);
  zglos(s, start);
  destroy_bitmap(a);
  destroy_bitmap(b);
}
BENCHMARK(BM_BlitPrzezroczysty)->Unit(benchmark::kMicrosecond);

void BM_Noc(benchmark::State& s) {
  przygotuj_bench();
  grafika g(tryb_grafiki::pamiec);
  long start = zegar_scienny_ms();
  for (auto _ : s) g.rysuj_noc(0);
  zglos(s, start);
}
BENCHMARK(BM_Noc)->Unit(benchmark::kMicrosecond);

void BM_StoPol(benchmark::State& s) {
  przygotuj_bench();
  grafika g(tryb_grafiki::pamiec);
  long start = zegar_scienny_ms();
  for (auto _ : s)
    for (int i = 0; i < 100; ++i) g.rysuj_pole(pole_trawa, i % 25, i / 25, 0);
  zglos(s, start);
}
BENCHMARK(BM_StoPol)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
