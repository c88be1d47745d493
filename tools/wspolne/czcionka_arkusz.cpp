#include "czcionka_arkusz.h"

#include <algorithm>
#include <cstring>

namespace {
const int ZNAKOW_W_RZEDZIE = 16;
const int LICZBA_ZNAKOW = 95;

// The box of a glyph: its pattern plus one spacing column on the right.
int szerokosc_pola(int c) { return szerokosc_wzoru(c) + 1; }

int szerokosc_rzedu(int rzad) {
  int sz = 1;
  for (int i = rzad * ZNAKOW_W_RZEDZIE; i < LICZBA_ZNAKOW && i < (rzad + 1) * ZNAKOW_W_RZEDZIE; ++i)
    sz += szerokosc_pola(32 + i) + 1;
  return sz;
}

void wpisz_wzor(obraz_8bit& a, int c, int x, int y) {
  const char* const* wzor = WZORY_ZNAKOW[c - 32];
  for (int w = 0; w < 9 && wzor[w]; ++w)
    for (int k = 0; wzor[w][k]; ++k)
      if (wzor[w][k] == '#') a.indeksy[(std::size_t)(y + 1 + w) * a.w + x + k] = 1;
}
}  // namespace

int szerokosc_wzoru(int c) {
  if (c < 32 || c > 126) return 0;
  const char* wiersz = WZORY_ZNAKOW[c - 32][0];
  return wiersz ? (int)std::strlen(wiersz) : 0;
}

int szerokosc_tekstu(const std::string& tekst) {
  int sz = 0;
  for (unsigned char c : tekst) sz += szerokosc_pola(c < 32 || c > 126 ? '?' : c);
  return sz;
}

obraz_8bit arkusz_czcionki() {
  const int rzedow = (LICZBA_ZNAKOW + ZNAKOW_W_RZEDZIE - 1) / ZNAKOW_W_RZEDZIE;
  int sz = 0;
  for (int r = 0; r < rzedow; ++r) sz = std::max(sz, szerokosc_rzedu(r));
  const int wy = 1 + rzedow * (WYSOKOSC_ZNAKU + 1);
  obraz_8bit a(sz, wy);
  std::fill(a.indeksy.begin(), a.indeksy.end(), (std::uint8_t)255);
  for (int i = 0; i < LICZBA_ZNAKOW; ++i) {
    const int r = i / ZNAKOW_W_RZEDZIE;
    int x = 1;
    for (int j = r * ZNAKOW_W_RZEDZIE; j < i; ++j) x += szerokosc_pola(32 + j) + 1;
    const int y = 1 + r * (WYSOKOSC_ZNAKU + 1);
    for (int py = y; py < y + WYSOKOSC_ZNAKU; ++py)
      for (int px = x; px < x + szerokosc_pola(32 + i); ++px) a.indeksy[(std::size_t)py * a.w + px] = 0;
    wpisz_wzor(a, 32 + i, x, y);
  }
  a.paleta[1][0] = a.paleta[1][1] = a.paleta[1][2] = 255;
  a.paleta[255][0] = 255, a.paleta[255][1] = 255, a.paleta[255][2] = 0;
  return a;
}

void pisz(obraz& o, const std::string& tekst, int x, int y, int skala, kolor_rgba k) {
  pisz_wzorem(o, tekst, x, y, skala, [k](int, int) { return k; });
}
