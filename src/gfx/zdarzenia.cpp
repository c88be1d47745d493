#include "zdarzenia.h"

#include <allegro.h>

zdarzenia::zdarzenia(grafika* g) { (void)g; }

void zdarzenia::odswiez() { odswiez_ze_stanem(mouse_b); }

void zdarzenia::odswiez_ze_stanem(int b) {
  // A newly pressed flag lasts exactly one pass, also when the button is already up again.
  if (b & 1) {
    l_klik = l_wcisniety ? 0 : 1;
    l_wcisniety = 1;
  } else {
    l_wcisniety = 0;
    l_klik = 0;
  }
  if (b & 2) {
    p_klik = p_wcisniety ? 0 : 1;
    p_wcisniety = 1;
  } else {
    p_wcisniety = 0;
    p_klik = 0;
  }
  poprzedni_l = stan_l;
  stan_l = b;
  l_zwolnienie = !(stan_l & 1) && (poprzedni_l & 1);
  poprzedni_p = stan_p;
  stan_p = b;
  p_zwolnienie = !(stan_p & 2) && (poprzedni_p & 2);
}

void zdarzenia::zeruj() {
  l_wcisniety = l_klik = p_wcisniety = p_klik = l_zwolnienie = p_zwolnienie = 0;
}
