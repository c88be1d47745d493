// Cost of drawing one full map view into the 1024 x 768 back buffer, with the real sheet,
// compared with one plain full-screen blit measured in the same run (counter
// "razy_blit": how many such blits one view costs).
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <loadpng.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "grafika.h"
#include "mapa.h"

namespace {

grafika* przygotuj() {
  static grafika* g = nullptr;
  if (g) return g;
  if (chdir(GRA_KATALOG_ZRODEL) != 0) return nullptr;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  register_png_file_type();
  if (!exists("Pliki_danych/Bitmapy/bitmapy.png")) return nullptr;
  g = new grafika(tryb_grafiki::pamiec);
  g->zmiana_klatki(true);
  return g;
}

// Seconds per plain 1024 x 768 memory-to-memory blit.
double czas_blitu(BITMAP* cel) {
  BITMAP* zrodlo = create_bitmap(1024, 768);
  clear_to_color(zrodlo, makecol(40, 80, 20));
  const int n = 200;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < n; i++) blit(zrodlo, cel, 0, 0, 0, 0, 1024, 768);
  const auto t1 = std::chrono::steady_clock::now();
  destroy_bitmap(zrodlo);
  return std::chrono::duration<double>(t1 - t0).count() / n;
}

void widok_mapy(benchmark::State& stan) {
  grafika* g = przygotuj();
  if (!g || !g->pobierz_bufor()) {
    stan.SkipWithError("the sheet Pliki_danych/Bitmapy/bitmapy.png is not available");
    return;
  }
  mapa m(g, "Pliki_danych/Mapy/map1.map");
  m.ustaw_srodek(punkt(30, 30));  // the river with its banks and the forests around it
  const double blit = czas_blitu(g->pobierz_bufor());
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
