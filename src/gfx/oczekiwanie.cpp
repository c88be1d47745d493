#include "oczekiwanie.h"

#include <cstring>

#include "grafika.h"

namespace {
void odpocznij(int ms) { rest(ms); }
}  // namespace

oczekiwanie::oczekiwanie(const grafika* e, uspienie_ms u) : ekran(e), uspij(u ? u : odpocznij) {
  zapamietaj();
}

oczekiwanie::stan_wejscia oczekiwanie::odczytaj() {
  stan_wejscia s;
  s.x = mouse_x;
  s.y = mouse_y;
  s.z = mouse_z;
  s.b = mouse_b;
  s.zamkniecie = czy_prosba_zamkniecia();
  for (int k = 0; k < KEY_MAX; ++k) s.klawisze[k] = key[k] ? 1 : 0;
  return s;
}

bool oczekiwanie::rowne(const stan_wejscia& a, const stan_wejscia& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z && a.b == b.b && a.zamkniecie == b.zamkniecie &&
         std::memcmp(a.klawisze, b.klawisze, sizeof a.klawisze) == 0;
}

void oczekiwanie::zapamietaj() { zapamietany = odczytaj(); }

bool oczekiwanie::czy_zmiana() const { return !rowne(odczytaj(), zapamietany); }

long oczekiwanie::teraz() const { return ekran ? ekran->teraz() : zegar_scienny_ms(); }

int oczekiwanie::czekaj(long termin, long najwczesniej, const std::function<void()>& w_tle) {
  int kroki = 0;
  for (long t = teraz(); t < termin; t = teraz()) {
    if (t >= najwczesniej && czy_zmiana()) break;
    if (w_tle) w_tle();
    uspij(KROK_MS);
    ++kroki;
  }
  return kroki;
}
