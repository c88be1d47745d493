#include "formatowanie.h"

#include <cstdio>

void formatuj(char* wynik, std::size_t rozmiar, const char* wzor, int liczba) {
  if (!wynik || rozmiar == 0) return;
  std::size_t n = 0;
  auto dopisz = [&](char c) {
    if (n + 1 < rozmiar) wynik[n++] = c;
  };
  for (const char* p = wzor ? wzor : ""; *p; ++p) {
    if (p[0] == '%' && p[1] == 'd') {
      char cyfry[16];
      std::snprintf(cyfry, sizeof cyfry, "%d", liczba);
      for (const char* c = cyfry; *c; ++c) dopisz(*c);
      ++p;
    } else if (p[0] == '%' && p[1] == '%') {
      dopisz('%');
      ++p;
    } else {
      dopisz(*p);
    }
  }
  wynik[n] = 0;
}
