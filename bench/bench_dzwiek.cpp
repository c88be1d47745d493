// Cost of decoding one second of the menu music through the MP3 layer into the silent sink,
// as a share of one second of real time (counter "czesc_sekundy": 0.01 means decoding takes
// one hundredth of the time the sound lasts).
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "almp3.h"
#include "wspolne_bench.h"

namespace {

std::vector<char> wczytaj_utwor() {
  std::vector<char> dane;
  przygotuj_bench();
  install_sound(DIGI_NONE, MIDI_NONE, nullptr);
  FILE* f = std::fopen("Pliki_danych/muzyka/menu.mp3", "rb");
  if (!f) return dane;
  char blok[4096];
  std::size_t n;
  while ((n = std::fread(blok, 1, sizeof blok, f)) > 0) dane.insert(dane.end(), blok, blok + n);
  std::fclose(f);
  return dane;
}

void BM_dekodowanie_sekundy(benchmark::State& stan) {
  static std::vector<char> dane = wczytaj_utwor();
  if (dane.empty()) {
    stan.SkipWithError("menu.mp3 not found");
    return;
  }
  double sekundy = 0;
  for (auto _ : stan) {
    const auto t0 = std::chrono::steady_clock::now();
    ALMP3_MP3STREAM* s = almp3_create_mp3stream(dane.data(), int(dane.size()), 1);
    almp3_play_mp3stream(s, 65536, 255, 128);
    almp3_przewin(s, 44100);
    if (almp3_pobierz_zdekodowane(s) < 44100) stan.SkipWithError("nothing decoded");
    almp3_destroy_mp3stream(s);
    sekundy += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  stan.counters["czesc_sekundy"] = sekundy / double(stan.iterations());
}
BENCHMARK(BM_dekodowanie_sekundy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
