#include "ocena_walki.h"

namespace {

// The chance that the block draw (0..99) falls below the defence.
double szansa_bloku(float obrona) {
  int ile = 0;
  for (int r = 0; r < 100 && (float)r < obrona; ++r) ++ile;
  return ile / 100.0;
}

}  // namespace

int najwieksze_obrazenia(float atak) {
  const int a = (int)atak;
  return a >= 1 ? a - 1 : 0;
}

double srednie_obrazenia(float atak, float obrona) {
  const int a = (int)atak, o = (int)obrona;
  if (a < 1) return 0.0;
  const double bez_bloku = (a - 1) / 2.0;
  const double blok = szansa_bloku(obrona);
  if (o < 1 || blok == 0.0) return bez_bloku;
  // Blocked: the mean of max(0, x - y) over x in 0..a-1 and y in 0..o-1.
  double suma = 0.0;
  for (int x = 1; x < a; ++x) {
    const int k = x < o ? x : o;
    suma += (double)k * x - (double)k * (k - 1) / 2.0;
  }
  return (1.0 - blok) * bez_bloku + blok * suma / ((double)a * o);
}

double szansa_obrazen(float atak, float obrona, int prog) {
  const int a = (int)atak, o = (int)obrona;
  if (prog <= 0) return 1.0;
  if (a <= prog) return 0.0;
  const double bez_bloku = (double)(a - prog) / a;
  const double blok = szansa_bloku(obrona);
  if (o < 1 || blok == 0.0) return bez_bloku;
  // Blocked: x - y >= prog for y in 0..o-1.
  double ile = 0.0;
  for (int x = prog; x < a; ++x) {
    const int k = x - prog + 1;
    ile += k < o ? k : o;
  }
  return (1.0 - blok) * bez_bloku + blok * ile / ((double)a * o);
}
