#pragma once
#include <string>

#include "obraz.h"

// The font sheet and text drawn with the same hand-made glyphs into generated pictures.

// Width in pixels of the glyph of character c (32..126) without its spacing column.
int szerokosc_wzoru(int c);
// Builds the 8-bit grid sheet that the game's font loader reads: index 255 grid lines,
// index 0 paper, index 1 ink, boxes from character 32 left to right, top to bottom.
obraz_8bit arkusz_czcionki();
// Width of a text at scale 1 (each glyph plus one spacing column).
int szerokosc_tekstu(const std::string& tekst);
// Draws the text with its top-left corner at (x, y), each pattern pixel a skala x skala block.
// The colour comes from barwa(px, py) in picture coordinates, so letters can be shaded.
template <class F>
void pisz_wzorem(obraz& o, const std::string& tekst, int x, int y, int skala, F barwa);
// Plain one-colour text.
void pisz(obraz& o, const std::string& tekst, int x, int y, int skala, kolor_rgba k);

#include "czcionka_wzory.h"

template <class F>
void pisz_wzorem(obraz& o, const std::string& tekst, int x, int y, int skala, F barwa) {
  for (unsigned char c : tekst) {
    if (c < 32 || c > 126) c = '?';
    const char* const* wzor = WZORY_ZNAKOW[c - 32];
    for (int w = 0; w < 9 && wzor[w]; ++w)
      for (int k = 0; wzor[w][k]; ++k) {
        if (wzor[w][k] != '#') continue;
        for (int j = 0; j < skala; ++j)
          for (int i = 0; i < skala; ++i) {
            const int px = x + k * skala + i, py = y + (w + 1) * skala + j;
            o.ustaw(px, py, barwa(px, py));
          }
      }
    x += (szerokosc_wzoru(c) + 1) * skala;
  }
}
