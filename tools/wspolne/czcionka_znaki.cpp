// The font beyond ASCII: accented letters put together from the hand-drawn base letters and
// a small set of marks, and the remaining signs and letters of Latin-1 and Latin Extended-A
// drawn by hand in the same hand.
#include <algorithm>
#include <cstring>

#include "czcionka_wzory.h"

namespace {

// A glyph under construction: box rows (row NAD_WERSALIKAMI is the cap line), one width.
struct glif {
  std::vector<std::string> wiersze = std::vector<std::string>(WYSOKOSC_ZNAKU, "");

  int szerokosc() const { return int(wiersze[0].size()); }
  // Widens the glyph by `lewo` columns on the left and up to `do_szerokosci` in all.
  void poszerz(int lewo, int do_szerokosci) {
    for (auto& w : wiersze) {
      w.insert(0, std::size_t(lewo), '.');
      if (int(w.size()) < do_szerokosci) w.resize(std::size_t(do_szerokosci), '.');
    }
  }
  // Ink from pattern rows (row 0 = cap line) with the top-left corner at (x, wiersz).
  void poloz(const char* const* wzor, int wysokosc, int x, int wiersz) {
    int sz = int(std::strlen(wzor[0]));
    if (x < 0) {
      poszerz(-x, 0);
      x = 0;
    }
    poszerz(0, x + sz);
    for (int r = 0; r < wysokosc; ++r) {
      int y = wiersz + r + NAD_WERSALIKAMI;
      if (y < 0 || y >= WYSOKOSC_ZNAKU) continue;
      for (int s = 0; s < sz; ++s)
        if (wzor[r][s] == '#') wiersze[std::size_t(y)][std::size_t(x + s)] = '#';
    }
  }
  // The first pattern row with ink and the ink's columns in a band of pattern rows.
  int pierwszy_wiersz() const {
    for (int y = 0; y < WYSOKOSC_ZNAKU; ++y)
      if (wiersze[std::size_t(y)].find('#') != std::string::npos) return y - NAD_WERSALIKAMI;
    return 0;
  }
  void kolumny(int od, int do_, int& lewa, int& prawa) const {
    lewa = szerokosc();
    prawa = -1;
    for (int r = od; r <= do_; ++r) {
      const std::string& w = wiersze[std::size_t(r + NAD_WERSALIKAMI)];
      auto a = w.find('#'), b = w.rfind('#');
      if (a == std::string::npos) continue;
      lewa = std::min(lewa, int(a));
      prawa = std::max(prawa, int(b));
    }
    if (prawa < 0) lewa = prawa = 0;
  }
};

glif z_wzoru(const char* const* wzor, int wiersze) {
  glif g;
  g.poszerz(0, int(std::strlen(wzor[0])));
  g.poloz(wzor, wiersze, 0, 0);
  return g;
}

int liczba_wierszy(const char* const* wzor, int najwiecej) {
  int n = 0;
  while (n < najwiecej && wzor[n]) ++n;
  return n;
}

// Signs and letters drawn whole, rows from the cap line down like the ASCII patterns.
struct rysunek {
  int kod;
  const char* wiersze[9];
};
const rysunek RYSUNKI[] = {
    {0xA0, {"...", "..."}},
    {0xA1, {".", ".", "#", ".", "#", "#", "#", "#", "#"}},
    {0xA2, {".....", "..#..", ".###.", "#.#..", "#.#..", ".###.", "..#.."}},
    {0xA3, {"..##.", ".#..#", ".#...", "###..", ".#...", ".#...", "#####"}},
    {0xA4, {".....", "#...#", ".###.", ".#.#.", ".###.", "#...#", "....."}},
    {0xA5, {"#...#", ".#.#.", "..#..", "#####", "..#..", "#####", "..#.."}},
    {0xA6, {"#", "#", "#", ".", "#", "#", "#"}},
    {0xA7, {".###", "#...", ".##.", "#..#", ".##.", "...#", "###."}},
    {0xA8, {"#.#"}},
    {0xA9, {".#####.", "#.....#", "#..##.#", "#.#...#", "#..##.#", "#.....#", ".#####."}},
    {0xAA, {".##", "#.#", ".##", "...", "###"}},
    {0xAB, {".....", ".....", "..#.#", ".#.#.", "#.#..", ".#.#.", "..#.#"}},
    {0xAC, {".....", ".....", ".....", "#####", "....#", "....#", "....."}},
    {0xAD, {"....", "....", "....", "####", "....", "....", "...."}},
    {0xAE, {".#####.", "#.....#", "#.##..#", "#.#.#.#", "#.##..#", "#.#.#.#", ".#####."}},
    {0xAF, {"####"}},
    {0xB0, {".#.", "#.#", ".#."}},
    {0xB1, {"..#..", "..#..", "#####", "..#..", "..#..", ".....", "#####"}},
    {0xB2, {"##.", "..#", ".#.", "###"}},
    {0xB3, {"##.", "..#", ".#.", "..#", "##."}},
    {0xB4, {".#", "#."}},
    {0xB5, {"....", "....", "#..#", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    {0xB6, {".####", "###.#", "###.#", ".##.#", "..#.#", "..#.#", "..#.#"}},
    {0xB7, {".", ".", ".", "#"}},
    {0xB8, {"..", "..", "..", "..", "..", "..", "..", ".#", "##"}},
    {0xB9, {".#.", "##.", ".#.", "###"}},
    {0xBA, {".#.", "#.#", ".#.", "...", "###"}},
    {0xBB, {".....", ".....", "#.#..", ".#.#.", "..#.#", ".#.#.", "#.#.."}},
    {0xBC, {"#...#.", "#..#..", "#.#...", "..#.#.", ".#.##.", "#.####", "....#."}},
    {0xBD, {"#...#.", "#..#..", "#.#...", "..###.", ".#...#", "#...#.", "...###"}},
    {0xBE, {"##...#", ".#..#.", "##.#..", "..#.#.", ".#.##.", "#.####", "....#."}},
    {0xBF, {".....", ".....", "..#..", ".....", "..#..", ".#...", "#....", "#...#", ".###."}},
    {0xC6, {".#####", "#..#..", "#..#..", "######", "#..#..", "#..#..", "#..###"}},
    {0xD0, {".####.", ".#...#", ".#...#", "####.#", ".#...#", ".#...#", ".####."}},
    {0xD7, {".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."}},
    {0xD8, {".####", "#..##", "#.#.#", "#.#.#", "#.#.#", "##..#", "####."}},
    {0xDE, {"#....", "####.", "#...#", "#...#", "####.", "#....", "#...."}},
    {0xDF, {".##..", "#..#.", "#..#.", "#.##.", "#...#", "#...#", "#.##."}},
    {0xE6, {".......", ".......", ".##.##.", "...#..#", ".######", "#..#...", ".##.###"}},
    {0xF0, {".#...", "####.", "...#.", ".####", "#...#", "#...#", ".###."}},
    {0xF7, {".....", "..#..", ".....", "#####", ".....", "..#..", "....."}},
    {0xF8, {".....", ".....", ".####", "#..##", "#.#.#", "##..#", "####."}},
    {0xFE, {"#...", "#...", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    {0x110, {".####.", ".#...#", ".#...#", "####.#", ".#...#", ".#...#", ".####."}},
    {0x111, {"....#.", "...###", ".####.", "#...#.", "#...#.", "#...#.", ".####."}},
    {0x126, {".#...#.", "#######", ".#...#.", ".#####.", ".#...#.", ".#...#.", ".#...#."}},
    {0x127, {".#...", "####.", ".#...", ".###.", ".#..#", ".#..#", ".#..#"}},
    {0x131, {".", ".", "#", "#", "#", "#", "#"}},
    {0x132, {"#...#", "#...#", "#...#", "#...#", "#...#", "#.#.#", "#..#."}},
    {0x133, {"#.#", "...", "#.#", "#.#", "#.#", "#.#", "#.#", "..#", ".#."}},
    {0x138, {"....", "....", "#..#", "#.#.", "##..", "#.#.", "#..#"}},
    {0x13F, {"#....", "#....", "#....", "#.#..", "#....", "#....", "#####"}},
    {0x140, {"#..", "#..", "#..", "#.#", "#..", "#..", ".#."}},
    {0x141, {".#...", ".#...", ".#.#.", ".##..", "##...", ".#...", ".####"}},
    {0x142, {".#.", ".#.", ".#.", ".##", "##.", ".#.", "..#"}},
    {0x149, {"#.....", "#.....", "..###.", "..#..#", "..#..#", "..#..#", "..#..#"}},
    {0x14A, {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#", "....#", "..##."}},
    {0x14B, {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#", "...#", ".##."}},
    {0x152, {".#####", "#..#..", "#..#..", "#..###", "#..#..", "#..#..", ".#####"}},
    {0x153, {".......", ".......", ".##.##.", "#..#..#", "#..####", "#..#...", ".##.###"}},
    {0x165, {"...#", ".#.#", ".#..", "####", ".#..", ".#..", ".#..", "..##"}},
    {0x166, {"#####", "..#..", "..#..", ".###.", "..#..", "..#..", "..#.."}},
    {0x167, {".#..", ".#..", "####", ".#..", "###.", ".#..", "..##"}},
    {0x17F, {"..##", ".#..", ".#..", ".#..", ".#..", ".#..", ".#.."}},
};

// The marks, as small patterns.
enum znak_diakrytyczny {
  ostry, slaby, daszek, haczek, dwukropek, kolko, tylda, kreska, luk, kropka, podwojny,
  cedylla, ogonek, przecinek, apostrof,
};
struct wzor_znaku_diakrytycznego {
  const char* wiersze[3];
  bool pod;      // below the baseline instead of above the letter
  int przesun;   // added before halving when centring: leans the mark to the right
};
const wzor_znaku_diakrytycznego ZNAKI[] = {
    {{".#", "#."}, false, 1},          // ostry
    {{"#.", ".#"}, false, 0},          // slaby
    {{".#.", "#.#"}, false, 1},        // daszek
    {{"#.#", ".#."}, false, 1},        // haczek
    {{"#.#"}, false, 1},               // dwukropek
    {{".#.", "#.#", ".#."}, false, 1}, // kolko
    {{".#.#", "#.#."}, false, 1},      // tylda
    {{"###"}, false, 1},               // kreska
    {{"#..#", ".##."}, false, 1},      // luk
    {{"#"}, false, 1},                 // kropka
    {{".#..#", "#..#."}, false, 1},    // podwojny
    {{".#", "##"}, true, 0},           // cedylla
    {{"#.", ".#"}, true, 0},           // ogonek
    {{".#", "#."}, true, 0},           // przecinek
    {{"#", "#"}, false, 0},            // apostrof
};

// An accented letter: its base (an ASCII letter or a letter drawn above) and its mark.
struct zlozenie {
  int kod;
  int podstawa;
  znak_diakrytyczny znak;
};
const int BEZ_KROPKI_I = 0x131, BEZ_KROPKI_J = -1;
const zlozenie ZLOZENIA[] = {
    {0xC0, 'A', slaby},   {0xC1, 'A', ostry},     {0xC2, 'A', daszek},   {0xC3, 'A', tylda},
    {0xC4, 'A', dwukropek}, {0xC5, 'A', kolko},   {0xC7, 'C', cedylla},  {0xC8, 'E', slaby},
    {0xC9, 'E', ostry},   {0xCA, 'E', daszek},    {0xCB, 'E', dwukropek}, {0xCC, 'I', slaby},
    {0xCD, 'I', ostry},   {0xCE, 'I', daszek},    {0xCF, 'I', dwukropek}, {0xD1, 'N', tylda},
    {0xD2, 'O', slaby},   {0xD3, 'O', ostry},     {0xD4, 'O', daszek},   {0xD5, 'O', tylda},
    {0xD6, 'O', dwukropek}, {0xD9, 'U', slaby},   {0xDA, 'U', ostry},    {0xDB, 'U', daszek},
    {0xDC, 'U', dwukropek}, {0xDD, 'Y', ostry},
    {0xE0, 'a', slaby},   {0xE1, 'a', ostry},     {0xE2, 'a', daszek},   {0xE3, 'a', tylda},
    {0xE4, 'a', dwukropek}, {0xE5, 'a', kolko},   {0xE7, 'c', cedylla},  {0xE8, 'e', slaby},
    {0xE9, 'e', ostry},   {0xEA, 'e', daszek},    {0xEB, 'e', dwukropek},
    {0xEC, BEZ_KROPKI_I, slaby}, {0xED, BEZ_KROPKI_I, ostry}, {0xEE, BEZ_KROPKI_I, daszek},
    {0xEF, BEZ_KROPKI_I, dwukropek}, {0xF1, 'n', tylda},
    {0xF2, 'o', slaby},   {0xF3, 'o', ostry},     {0xF4, 'o', daszek},   {0xF5, 'o', tylda},
    {0xF6, 'o', dwukropek}, {0xF9, 'u', slaby},   {0xFA, 'u', ostry},    {0xFB, 'u', daszek},
    {0xFC, 'u', dwukropek}, {0xFD, 'y', ostry},   {0xFF, 'y', dwukropek},
    {0x100, 'A', kreska}, {0x101, 'a', kreska},   {0x102, 'A', luk},     {0x103, 'a', luk},
    {0x104, 'A', ogonek}, {0x105, 'a', ogonek},   {0x106, 'C', ostry},   {0x107, 'c', ostry},
    {0x108, 'C', daszek}, {0x109, 'c', daszek},   {0x10A, 'C', kropka},  {0x10B, 'c', kropka},
    {0x10C, 'C', haczek}, {0x10D, 'c', haczek},   {0x10E, 'D', haczek},  {0x10F, 'd', apostrof},
    {0x112, 'E', kreska}, {0x113, 'e', kreska},   {0x114, 'E', luk},     {0x115, 'e', luk},
    {0x116, 'E', kropka}, {0x117, 'e', kropka},   {0x118, 'E', ogonek},  {0x119, 'e', ogonek},
    {0x11A, 'E', haczek}, {0x11B, 'e', haczek},   {0x11C, 'G', daszek},  {0x11D, 'g', daszek},
    {0x11E, 'G', luk},    {0x11F, 'g', luk},      {0x120, 'G', kropka},  {0x121, 'g', kropka},
    {0x122, 'G', przecinek}, {0x123, 'g', ostry}, {0x124, 'H', daszek},  {0x125, 'h', daszek},
    {0x128, 'I', tylda},  {0x129, BEZ_KROPKI_I, tylda}, {0x12A, 'I', kreska},
    {0x12B, BEZ_KROPKI_I, kreska}, {0x12C, 'I', luk}, {0x12D, BEZ_KROPKI_I, luk},
    {0x12E, 'I', ogonek}, {0x12F, 'i', ogonek},   {0x130, 'I', kropka},  {0x134, 'J', daszek},
    {0x135, BEZ_KROPKI_J, daszek}, {0x136, 'K', przecinek}, {0x137, 'k', przecinek},
    {0x139, 'L', ostry},  {0x13A, 'l', ostry},    {0x13B, 'L', przecinek}, {0x13C, 'l', przecinek},
    {0x13D, 'L', apostrof}, {0x13E, 'l', apostrof}, {0x143, 'N', ostry}, {0x144, 'n', ostry},
    {0x145, 'N', przecinek}, {0x146, 'n', przecinek}, {0x147, 'N', haczek}, {0x148, 'n', haczek},
    {0x14C, 'O', kreska}, {0x14D, 'o', kreska},   {0x14E, 'O', luk},     {0x14F, 'o', luk},
    {0x150, 'O', podwojny}, {0x151, 'o', podwojny}, {0x154, 'R', ostry}, {0x155, 'r', ostry},
    {0x156, 'R', przecinek}, {0x157, 'r', przecinek}, {0x158, 'R', haczek}, {0x159, 'r', haczek},
    {0x15A, 'S', ostry},  {0x15B, 's', ostry},    {0x15C, 'S', daszek},  {0x15D, 's', daszek},
    {0x15E, 'S', cedylla}, {0x15F, 's', cedylla}, {0x160, 'S', haczek},  {0x161, 's', haczek},
    {0x162, 'T', cedylla}, {0x163, 't', cedylla}, {0x164, 'T', haczek},
    {0x168, 'U', tylda},  {0x169, 'u', tylda},    {0x16A, 'U', kreska},  {0x16B, 'u', kreska},
    {0x16C, 'U', luk},    {0x16D, 'u', luk},      {0x16E, 'U', kolko},   {0x16F, 'u', kolko},
    {0x170, 'U', podwojny}, {0x171, 'u', podwojny}, {0x172, 'U', ogonek}, {0x173, 'u', ogonek},
    {0x174, 'W', daszek}, {0x175, 'w', daszek},   {0x176, 'Y', daszek},  {0x177, 'y', daszek},
    {0x178, 'Y', dwukropek}, {0x179, 'Z', ostry}, {0x17A, 'z', ostry},   {0x17B, 'Z', kropka},
    {0x17C, 'z', kropka}, {0x17D, 'Z', haczek},   {0x17E, 'z', haczek},
};

const char* const J_BEZ_KROPKI[9] = {"...", "...", "..#", "..#", "..#", "..#", "..#", "#.#", ".#."};

glif podstawa(int kod);

// Puts the mark on the letter: above marks sit one blank row over the letter's top (capitals
// and tall letters reach into the rows above the cap line), centred over the letter's ink;
// the apostrophe stands right of the stem; marks below hang under the baseline.
glif z_akcentem(int kod_podstawy, znak_diakrytyczny znak) {
  glif g = podstawa(kod_podstawy);
  const wzor_znaku_diakrytycznego& z = ZNAKI[znak];
  int wysokosc = liczba_wierszy(z.wiersze, 3);
  const char* wiersze[3] = {z.wiersze[0], z.wiersze[1], z.wiersze[2]};
  // Dots over narrow letters stand over the stems.
  if (znak == dwukropek) {
    int l, p;
    g.kolumny(0, 6, l, p);
    if (p - l + 1 == 4) wiersze[0] = "#..#";
  }
  int sz = int(std::strlen(wiersze[0]));
  int gora = g.pierwszy_wiersz();
  int lewa, prawa, x, y;
  if (znak == apostrof) {
    g.kolumny(gora, gora + 1, lewa, prawa);
    x = prawa + 2;
    y = gora <= 0 && kod_podstawy >= 'a' ? gora - 1 : gora;
  } else if (znak == ogonek) {
    g.kolumny(6, 6, lewa, prawa);
    x = prawa - 1;
    y = 7;
  } else if (z.pod) {
    g.kolumny(6, 6, lewa, prawa);
    x = (lewa + prawa) / 2 - 1;
    y = 7;
  } else {
    g.kolumny(0, 6, lewa, prawa);
    int wolne = prawa - lewa + 1 - sz + z.przesun;
    x = lewa + (wolne >= 0 ? wolne / 2 : (wolne - 1) / 2);
    y = std::max(-NAD_WERSALIKAMI, gora - 1 - wysokosc);
  }
  g.poloz(wiersze, wysokosc, x, y);
  return g;
}

glif podstawa(int kod) {
  if (kod >= PIERWSZY_ZNAK && kod < 0x7F) {
    const char* const* w = WZORY_ZNAKOW[kod - PIERWSZY_ZNAK];
    return z_wzoru(w, liczba_wierszy(w, 9));
  }
  if (kod == BEZ_KROPKI_J) return z_wzoru(J_BEZ_KROPKI, 9);
  for (const rysunek& r : RYSUNKI)
    if (r.kod == kod) return z_wzoru(r.wiersze, liczba_wierszy(r.wiersze, 9));
  for (const zlozenie& z : ZLOZENIA)
    if (z.kod == kod) return z_akcentem(z.podstawa, z.znak);
  return z_wzoru(WZORY_ZNAKOW[0], 2);  // blank, as wide as the space
}

}  // namespace

std::vector<std::string> wzor_znaku(int kod) {
  if (kod < PIERWSZY_ZNAK || kod > OSTATNI_ZNAK || (kod >= 0x7F && kod < 0xA0))
    return podstawa(' ').wiersze;
  return podstawa(kod).wiersze;
}
