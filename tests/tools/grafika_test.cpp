// The pictures as the game draws them: the mouse map names the field whose tile is drawn under
// the pointer, every terrain tile, the highlight and the grey overlay have that field's shape,
// and edge overlays stay inside it.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "srodowisko.h"

namespace {

// A picture of the game, loaded once and kept for the whole program.
BITMAP* obraz(const std::string& nazwa) {
  static std::map<std::string, BITMAP*> wczytane;
  BITMAP*& b = wczytane[nazwa];
  przygotuj_allegro();
  if (!b) b = load_bitmap(("Pliki_danych/Bitmapy/" + nazwa).c_str(), nullptr);
  return b;
}

int rgb(BITMAP* b, int x, int y) {
  const int c = getpixel(b, x, y);
  return getr32(c) << 16 | getg32(c) << 8 | getb32(c);
}
bool tusz(BITMAP* b, int x, int y) { return rgb(b, x, y) != 0xFF00FF; }  // not the mask

// Pixels where a 40x40 picture leaves the grass tile's outline (the field the mouse map names)
// or, when it is a whole field, leaves a hole in it.
int poza_polem(BITMAP* b, int x0, int y0, bool cale) {
  int zle = 0;
  for (int i = 0; i < 40 * 40; ++i) {
    const bool t = tusz(b, x0 + i % 40, y0 + i / 40);
    zle += tusz(obraz("bitmapy.png"), i % 40, 304 + i / 40) ? cale && !t : t;
  }
  return zle;
}

TEST(Grafika, KafleINakladkiNaKsztalciePola) {
  BITMAP* a = obraz("bitmapy.png");
  ASSERT_TRUE(a && a->h >= 544);
  // Eight frames of forest, water, lava and scorched ground; grass, sand, mountains and stone
  // as a whole tile and six edge overlays; six edge overlays of forest.
  for (int y : {184, 224, 264, 424, 304, 344, 384, 464, 504})
    for (int v = y == 504, klatki = y < 300 || y == 424; v < (klatki ? 8 : 7); ++v)
      EXPECT_EQ(poza_polem(a, 40 * v, y, klatki || v == 0), 0) << "tile " << v << ", row " << y;
  for (const char* n : {"wskaznik.png", "nieaktywna.png"}) {
    BITMAP* o = obraz(n);
    ASSERT_TRUE(o && o->w == 40 && o->h == 40) << n;
    EXPECT_EQ(poza_polem(o, 0, 0, true), 0) << n << " is not the field's shape";
  }
}

// Over the whole map area, with the map view's pointer arithmetic, the mouse map names the
// field whose grass tile the game draws under the pointer (field boxes at 40c + 20(r mod 2)
// - 11, 30r + 2): no gaps, no double cover, no field off by one.
TEST(Grafika, MyszTrafiaWNarysowanyKafel) {
  BITMAP *a = obraz("bitmapy.png"), *m = obraz("mapa_myszki.png");
  ASSERT_TRUE(a && m && a->h >= 544 && m->w == 40 && m->h == 60);
  const int PRZESUNIECIA[5][3] = {{0xFFFFFF, 0, 0}, {0xFF0000, -1, -1}, {0xFFFF00, 0, -1},
                                  {0x00FF00, -1, 1}, {0x0000FF, 0, 1}};
  for (int my = 2, bledy = 0; my < 612 && bledy < 5; ++my)
    for (int mx = 0; mx < 1024 && bledy < 5; ++mx) {
      const int kolor = rgb(m, (mx + 11) % 40, (my - 2) % 60);
      const int* d = nullptr;
      for (const auto& w : PRZESUNIECIA) d = w[0] == kolor ? w : d;
      ASSERT_NE(d, nullptr) << "a colour the mouse map does not use";
      const int c = (mx + 11) / 40 + d[1], r = (my - 2) / 60 * 2 + d[2];
      if (r < 0) continue;  // the row above the window is never drawn
      int ile = 0, kc = -9, kr = -9;  // fields whose drawn tile covers the pixel
      for (int rr = std::max(0, r - 2); rr <= r + 2; ++rr)
        for (int cc = c - 1; cc <= c + 1; ++cc) {
          const int x = mx - (40 * cc + 20 * (rr % 2) - 11), y = my - (30 * rr + 2);
          if (x >= 0 && y >= 0 && x < 40 && y < 40 && tusz(a, x, 304 + y)) ++ile, kc = cc, kr = rr;
        }
      bledy += ile != 1 || kc != c || kr != r;
      EXPECT_TRUE(ile == 1 && kc == c && kr == r) << "pointer " << mx << "," << my << ": mouse map "
          << "names " << c << "," << r << ", drawn " << ile << " tile(s), last " << kc << "," << kr;
    }
}

}  // namespace
