#include "gracz.h"

#include <climits>

gracz::gracz() : zloto(1000), technologie{true, true, false, false, false, false},
                 liczba_jednostek(5) {}

void gracz::zmien_zloto(int z) { zloto = z; }

// Gold saturates at the int range rather than wrapping round.
void gracz::zaplac(int kwota) {
  const long long nowe = (long long)zloto - kwota;
  zloto = nowe > INT_MAX ? INT_MAX : (nowe < INT_MIN ? INT_MIN : (int)nowe);
}

void gracz::kup_technologie(short t) {
  if (t >= 0 && t < 6) technologie[t] = true;
}

bool gracz::sprawdz_technologie(short t) const { return t >= 0 && t < 6 && technologie[t]; }

int cena_technologii(int t) {
  static const int ceny[6] = {0, 0, 1000, 2000, 4000, 8000};
  return (t >= 2 && t <= 5) ? ceny[t] : 0;
}
