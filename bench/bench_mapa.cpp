// Cost of drawing one full map view into the 1024 x 768 back buffer, with the real sheet,
// compared with one plain full-screen blit measured in the same run (counter
// "razy_blit": how many such blits one view costs).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <chrono>

#include "grafika.h"
#include "mapa.h"
#include "wspolne_bench.h"

namespace {

grafika* przygotuj() {
  static grafika* g = nullptr;
  if (g) return g;
  przygotuj_bench();
  if (!exists("Pliki_danych/Bitmapy/bitmapy.png")) return nullptr;
  g = new grafika(tryb_grafiki::pamiec);
  g->zmiana_klatki(true);
  return g;
}

void widok_mapy(benchmark::State& stan) {
  grafika* g = przygotuj();
  if (!g || !g->pobierz_bufor()) {
    stan.SkipWithError("the sheet Pliki_danych/Bitmapy/bitmapy.png is not available");
    return;
  }
  mapa m(g, "Pliki_danych/Mapy/map1.map");
  m.ustaw_srodek(punkt(30, 30));  // the river with its banks and the forests around it
  const double blit = ms_pelnego_blitu() / 1000.0;
  long n = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (auto _ : stan) {
    m.pokaz();
    n++;
  }
  const auto t1 = std::chrono::steady_clock::now();
  const double widok = std::chrono::duration<double>(t1 - t0).count() / (n ? n : 1);
  stan.counters["razy_blit"] = widok / blit;
}
BENCHMARK(widok_mapy)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
