#include "mapa_odleglosci.h"

#include <cstdlib>

#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"

namespace {

bool czy_budynek(nazwa_pola w) {
  return w == pole_zamek_gracz_1 || w == pole_zamek_gracz_2 || w == pole_wieza_1 ||
         w == pole_wieza_2 || w == pole_miasto_1 || w == pole_miasto_2;
}

// The cost of entering a field, 0 when it cannot be entered.
int koszt(const mapa& teren, const mapa_jednostek* siatka, int x, int y) {
  if (siatka) {
    jednostka* j = siatka->pobierz_jednostke(x, y);
    if (j && czy_budynek(j->pobierz_wyglad())) return 0;
  }
  return koszt_terenu(teren.jakie_pole(x, y));
}

}  // namespace

mapa_odleglosci::mapa_odleglosci() : d(LICZBA_POL, NIEOSIAGALNE) {}

// Searched backwards from the targets: a field's distance is the cost of entering its
// neighbour plus the neighbour's distance. Costs are 1 to 3, so four buckets by distance
// modulo 4 hold every pending field.
void mapa_odleglosci::oblicz(const mapa& teren, const mapa_jednostek* siatka,
                             const std::vector<int>& cele) {
  d.assign(LICZBA_POL, NIEOSIAGALNE);
  int wejscie[LICZBA_POL];
  for (int i = 0; i < LICZBA_POL; ++i)
    wejscie[i] = koszt(teren, siatka, i % ROZMIAR_MAPY, i / ROZMIAR_MAPY);
  std::vector<int> kubly[4];
  int pozostalo = 0;
  for (int c : cele) {
    if (c < 0 || c >= LICZBA_POL || d[c] == 0) continue;
    d[c] = 0;
    kubly[0].push_back(c);
    ++pozostalo;
  }
  pusta = pozostalo == 0;
  for (int biezaca = 0; pozostalo > 0; ++biezaca) {
    std::vector<int>& kubel = kubly[biezaca & 3];
    while (!kubel.empty()) {
      const int i = kubel.back();
      kubel.pop_back();
      --pozostalo;
      if (d[i] != biezaca) continue;
      // A field that cannot be entered is only a start, never a step of the way.
      const int k = wejscie[i];
      if (k == 0 && biezaca > 0) continue;
      const int krok = k == 0 ? 1 : k;
      const int x = i % ROZMIAR_MAPY, y = i / ROZMIAR_MAPY;
      for (int s = 0; s < 6; ++s) {
        int nx, ny;
        sasiad(x, y, s, nx, ny);
        if (!czy_na_mapie(nx, ny)) continue;
        const int n = ny * ROZMIAR_MAPY + nx;
        if (d[n] <= biezaca + krok) continue;
        d[n] = biezaca + krok;
        kubly[d[n] & 3].push_back(n);
        ++pozostalo;
      }
    }
  }
}

int mapa_odleglosci::odleglosc(int x, int y) const {
  return czy_na_mapie(x, y) ? d[y * ROZMIAR_MAPY + x] : NIEOSIAGALNE;
}

int odleglosc_heksow(int x1, int y1, int x2, int y2) {
  // Odd rows lie half a field to the right: axial q = x - (y - (y & 1)) / 2.
  const int q1 = x1 - (y1 - (y1 & 1)) / 2, q2 = x2 - (y2 - (y2 & 1)) / 2;
  const int dq = q2 - q1, dr = y2 - y1;
  return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}
