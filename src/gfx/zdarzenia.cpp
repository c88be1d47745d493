#include "zdarzenia.h"

#include <allegro.h>

zdarzenia::zdarzenia(grafika* g) { (void)g; }

void zdarzenia::odswiez() { odswiez_ze_stanem(mouse_b); }

namespace {

// One button's held and newly-pressed flags: a new press lasts exactly one pass, also when
// the button is already up again by the next one.
void odswiez_przycisk(bool wcisniety_teraz, int& wcisniety, int& klik) {
  klik = wcisniety_teraz && !wcisniety ? 1 : 0;
  wcisniety = wcisniety_teraz ? 1 : 0;
}

}  // namespace

void zdarzenia::odswiez_ze_stanem(int b) {
  odswiez_przycisk((b & 1) != 0, l_wcisniety, l_klik);
  odswiez_przycisk((b & 2) != 0, p_wcisniety, p_klik);
  poprzedni_l = stan_l;
  stan_l = b;
  l_zwolnienie = !(stan_l & 1) && (poprzedni_l & 1);
  poprzedni_p = stan_p;
  stan_p = b;
  p_zwolnienie = !(stan_p & 2) && (poprzedni_p & 2);
}

static_assert(KEY_MAX <= zdarzenia::LICZBA_KLAWISZY, "every key of the library has a slot");

void zdarzenia::odswiez_klawisze() { odswiez_klawisze_ze_stanem(key); }

void zdarzenia::odswiez_klawisze_ze_stanem(const volatile char* stan) {
  for (int k = 0; k < KEY_MAX; ++k) {
    if (!stan[k])
      klawisze[k] = 0;
    else
      klawisze[k] = klawisze[k] ? 1 : 2;
  }
}

void zdarzenia::zeruj() {
  l_wcisniety = l_klik = p_wcisniety = p_klik = l_zwolnienie = p_zwolnienie = 0;
}
