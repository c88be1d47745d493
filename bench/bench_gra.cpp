// The cost of one frame of the main loop on a loaded battlefield, and of a whole computer
// turn as the number of units grows, each compared with one plain full-screen blit.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>

#include "armia.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "plik_gry.h"
#include "rozgrywka.h"
#include "wspolne_bench.h"
#include "zdarzenia.h"

namespace {

// Microseconds of processor time used by the process, for timing single frames on a
// machine that others share.
double czas_procesora_us() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

long zegar_testowy = 0;
// Every reading is 100 ms later: every frame is a full redraw and a present.
long zegar_krokowy() { return zegar_testowy += 100; }

void przygotuj() {
  static bool gotowe = false;
  if (gotowe) return;
  przygotuj_bench();
  set_config_file("gm_en.cfg");
  gotowe = true;
}

struct gra_testowa {
  grafika ekran{tryb_grafiki::pamiec};
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  rozgrywka* r = nullptr;
  explicit gra_testowa(int dodatkowe_jednostki) {
    ekran.ustaw_zegar(zegar_krokowy);
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    char blad[256];
    if (!wczytaj_gre("Pliki_danych/Mapy/map1.sce", stan, blad)) std::abort();
    // Extra fighters of the computer's side on free land, spread over the map.
    for (int i = 0, y = 0; y < 60 && i < dodatkowe_jednostki; ++y)
      for (int x = (y * 7) % 3; x < 60 && i < dodatkowe_jednostki; x += 2)
        if (stan.teren->jakie_pole(x, y) != '3' && !stan.siatka->pobierz_jednostke(x, y)) {
          stan.armia_glowna->dodaj(pole_trol, 2, &ekran, stan.teren, stan.siatka, &wejscie, x, y,
                                   false);
          ++i;
        }
    r = new rozgrywka(stan, &okna, false);
    r->ustaw_oddawanie_procesora(false);
  }
  ~gra_testowa() {
    delete r;
    stan.zwolnij();
  }
};

// One frame of a human's turn with a full redraw: terrain, units, night, frame, panel.
void BM_KlatkaGry(benchmark::State& s) {
  przygotuj();
  ai = 0;
  godzina = 20.0f;
  gra_testowa g(0);
  double blit_ms = ms_pelnego_blitu();
  long start = zegar_scienny_ms();
  for (auto _ : s) g.r->klatka();
  double klatka_ms = double(zegar_scienny_ms() - start) / double(s.iterations());
  s.counters["blit_ms"] = blit_ms;
  s.counters["klatka_w_blitach"] = klatka_ms / blit_ms;
}
BENCHMARK(BM_KlatkaGry)->Unit(benchmark::kMillisecond);

// A whole turn of the computer's side with the given number of extra units.
void BM_TuraKomputera(benchmark::State& s) {
  przygotuj();
  ai = 2;
  long klatki = 0;
  for (auto _ : s) {
    s.PauseTiming();
    gra_testowa g((int)s.range(0));
    g.stan.aktywny_gracz = 2;
    g.stan.armia_glowna->zeruj_jednostki();
    g.stan.armia_glowna->zaznacz_pierwsza(2);
    std::srand(7);
    s.ResumeTiming();
    long n = 0;
    while (g.stan.aktywny_gracz == 2 && n < 200000) {
      g.r->klatka();
      ++n;
    }
    klatki += n;
  }
  s.counters["klatki_tury"] = double(klatki) / double(s.iterations());
  ai = 2;
}
BENCHMARK(BM_TuraKomputera)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

long zegar_staly() { return 0; }

// Mean and longest frame of one whole computer turn with 100 extra units of its side on the
// map, with the animation clock standing still, so frames are the computer's judgement and
// the unit handling rather than full redraws.
struct pomiar_tury {
  double srednia_ms = 0, najdluzsza_ms = 0;
  long klatki = 0;
};

pomiar_tury tura_komputera(short sila) {
  gra_testowa g(100);
  g.ekran.ustaw_zegar(zegar_staly);
  g.stan.aktywny_gracz = 2;
  g.stan.armia_glowna->zeruj_jednostki();
  ai = 2;
  sila_komputera = sila;
  g.stan.armia_glowna->zaznacz_pierwsza(2);
  std::srand(7);
  pomiar_tury p;
  const double start = czas_procesora_us();
  while (g.stan.aktywny_gracz == 2 && p.klatki < 200000) {
    const double przed = czas_procesora_us();
    g.r->klatka();
    p.najdluzsza_ms = std::max(p.najdluzsza_ms, (czas_procesora_us() - przed) / 1000.0);
    ++p.klatki;
  }
  p.srednia_ms = (czas_procesora_us() - start) / 1000.0 / double(p.klatki);
  sila_komputera = SILA_KLASYCZNA;
  return p;
}

// The strong computer's frame against the classic one's, measured in the same run.
void BM_KlatkaSilnegoKomputera(benchmark::State& s) {
  przygotuj();
  pomiar_tury klasyczny, silny;
  for (auto _ : s) {
    klasyczny = tura_komputera(SILA_KLASYCZNA);
    silny = tura_komputera(SILA_SILNA);
  }
  s.counters["ms_klatki_silnej"] = silny.srednia_ms;
  s.counters["ms_najdluzszej_silnej"] = silny.najdluzsza_ms;
  s.counters["klatki_silnej_tury"] = double(silny.klatki);
  s.counters["ms_klatki_klasycznej"] = klasyczny.srednia_ms;
  s.counters["ms_najdluzszej_klasycznej"] = klasyczny.najdluzsza_ms;
  s.counters["stosunek"] = silny.srednia_ms / klasyczny.srednia_ms;
  ai = 2;
}
BENCHMARK(BM_KlatkaSilnegoKomputera)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
