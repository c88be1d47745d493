// Cost of the reach map and of the computer's choice of target and destination.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "rodzaje.h"

namespace {

// A battlefield of one terrain, or of random terrain with a little water, written to a
// temporary map file and read back.
std::unique_ptr<mapa> zbuduj_teren(grafika* g, bool mieszany) {
  std::string pola(LICZBA_POL, '1');
  if (mieszany) {
    std::srand(77);
    const char znaki[] = "1111222456783";
    for (char& c : pola) c = znaki[std::rand() % (sizeof(znaki) - 1)];
  }
  char sciezka[] = "/tmp/bench_jednostki_XXXXXX";
  const int fd = mkstemp(sciezka);
  if (fd >= 0) {
    if (write(fd, pola.data(), pola.size()) != (ssize_t)pola.size()) std::perror("write");
    close(fd);
  }
  std::unique_ptr<mapa> m(new mapa(g, sciezka));
  std::remove(sciezka);
  return m;
}

grafika* atrapa() {
  static grafika* g = [] {
    uruchom_bez_ekranu();
    return new grafika(tryb_grafiki::atrapa);
  }();
  return g;
}

void zasieg(benchmark::State& stan, bool mieszany) {
  grafika* g = atrapa();
  std::unique_ptr<mapa> teren = zbuduj_teren(g, mieszany);
  mapa_jednostek siatka;
  std::unique_ptr<jednostka> j(utworz_jednostke(pole_smok, g, teren.get(), &siatka, nullptr, 30, 30, 2));
  siatka.wstaw_jednostke(j.get());
  j->zmien_punkty_ruchu((int)stan.range(0));
  for (auto _ : stan) {
    j->oblicz_zasieg();
    benchmark::DoNotOptimize(j->pobierz_mape_przejsc()[0]);
  }
  int osiagniete = 0;
  for (int k = 0; k < LICZBA_POL; k++) osiagniete += j->pobierz_mape_przejsc()[k] > 0;
  stan.counters["pola"] = osiagniete;
}

void BM_zasieg_otwarta(benchmark::State& stan) { zasieg(stan, false); }
void BM_zasieg_mieszana(benchmark::State& stan) { zasieg(stan, true); }
BENCHMARK(BM_zasieg_otwarta)->Arg(1)->Arg(5)->Arg(10)->Arg(20)->Arg(100)->Arg(32000);
BENCHMARK(BM_zasieg_mieszana)->Arg(1)->Arg(5)->Arg(10)->Arg(20)->Arg(100)->Arg(32000);

// One computer frame for one unit: choose the target among n units of the other side,
// then the destination. The target is forgotten every pass so the whole grid is searched.
void BM_wybor_celu(benchmark::State& stan) {
  grafika* g = atrapa();
  std::unique_ptr<mapa> teren = zbuduj_teren(g, true);
  mapa_jednostek siatka;
  std::vector<std::unique_ptr<jednostka>> wrogowie;
  std::srand(5);
  const int n = (int)stan.range(0);
  while ((int)wrogowie.size() < n) {
    const int x = std::rand() % 60, y = std::rand() % 60;
    if (siatka.pobierz_jednostke(x, y) || (x == 30 && y == 30)) continue;
    wrogowie.emplace_back(utworz_jednostke(pole_zolnierz, g, teren.get(), &siatka, nullptr, x, y, 1));
    siatka.wstaw_jednostke(wrogowie.back().get());
  }
  ai = 2;
  std::unique_ptr<jednostka> j(utworz_jednostke(pole_smok, g, teren.get(), &siatka, nullptr, 30, 30, 2));
  siatka.wstaw_jednostke(j.get());
  for (auto _ : stan) {
    j->zmien_cel(nullptr);
    j->przywroc_punkty_ruchu(-1);
    j->pobierz_cel();
    benchmark::DoNotOptimize(j->akcja_cel());
  }
  stan.counters["jednostki"] = n;
}
BENCHMARK(BM_wybor_celu)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();
