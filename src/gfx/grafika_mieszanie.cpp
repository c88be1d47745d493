// The two translucent blits: a bitmap or a plain colour mixed into a target with a factor.
#include <allegro.h>

#include <cstdint>
#include <utility>

#include "grafika.h"

namespace {

struct obszar {
  int x1, y1, x2, y2;  // x2, y2 exclusive
};

// The part of a rectangle that lies inside the target's clip rectangle.
obszar przytnij(BITMAP* cel, int x1, int y1, int x2, int y2) {
  obszar o{x1, y1, x2, y2};
  if (o.x1 < cel->cl) o.x1 = cel->cl;
  if (o.y1 < cel->ct) o.y1 = cel->ct;
  if (o.x2 > cel->cr) o.x2 = cel->cr;
  if (o.y2 > cel->cb) o.y2 = cel->cb;
  return o;
}

inline int mieszaj_kanal(int zrodlo, int cel, int f) {
  return (zrodlo * f + cel * (255 - f) + 127) / 255;
}

inline uint32_t mieszaj_32(uint32_t s, uint32_t d, int f) {
  int r = mieszaj_kanal((s >> _rgb_r_shift_32) & 0xFF, (d >> _rgb_r_shift_32) & 0xFF, f);
  int g = mieszaj_kanal((s >> _rgb_g_shift_32) & 0xFF, (d >> _rgb_g_shift_32) & 0xFF, f);
  int b = mieszaj_kanal((s >> _rgb_b_shift_32) & 0xFF, (d >> _rgb_b_shift_32) & 0xFF, f);
  return (d & 0xFF000000u) | (uint32_t(r) << _rgb_r_shift_32) | (uint32_t(g) << _rgb_g_shift_32) |
         (uint32_t(b) << _rgb_b_shift_32);
}

int mieszaj_ogolnie(BITMAP* zr, int s, BITMAP* cel, int d, int f) {
  int dz = bitmap_color_depth(zr), dc = bitmap_color_depth(cel);
  return makecol_depth(dc, mieszaj_kanal(getr_depth(dz, s), getr_depth(dc, d), f),
                       mieszaj_kanal(getg_depth(dz, s), getg_depth(dc, d), f),
                       mieszaj_kanal(getb_depth(dz, s), getb_depth(dc, d), f));
}

int ogranicz_wspolczynnik(int f) { return f < 0 ? 0 : (f > 255 ? 255 : f); }

bool czy_32(BITMAP* b) { return bitmap_color_depth(b) == 32 && is_memory_bitmap(b); }

}  // namespace

void blit_przezroczysty(BITMAP* zrodlo, BITMAP* cel, int x, int y, int wspolczynnik) {
  if (!zrodlo || !cel) return;
  int f = ogranicz_wspolczynnik(wspolczynnik);
  if (f == 0) return;
  obszar o = przytnij(cel, x, y, x + zrodlo->w, y + zrodlo->h);
  if (o.x1 >= o.x2 || o.y1 >= o.y2) return;
  if (czy_32(zrodlo) && czy_32(cel)) {
    const uint32_t maska = uint32_t(MASK_COLOR_32) & 0xFFFFFFu;
    for (int ty = o.y1; ty < o.y2; ++ty) {
      const uint32_t* s = reinterpret_cast<const uint32_t*>(zrodlo->line[ty - y]) + (o.x1 - x);
      uint32_t* d = reinterpret_cast<uint32_t*>(cel->line[ty]) + o.x1;
      for (int tx = o.x1; tx < o.x2; ++tx, ++s, ++d)
        if ((*s & 0xFFFFFFu) != maska) *d = f == 255 ? (*s & 0xFFFFFFu) | (*d & 0xFF000000u)
                                                       : mieszaj_32(*s, *d, f);
    }
    return;
  }
  int maska = bitmap_mask_color(zrodlo);
  for (int ty = o.y1; ty < o.y2; ++ty)
    for (int tx = o.x1; tx < o.x2; ++tx) {
      int s = getpixel(zrodlo, tx - x, ty - y);
      if (s == maska) continue;
      putpixel(cel, tx, ty, mieszaj_ogolnie(zrodlo, s, cel, getpixel(cel, tx, ty), f));
    }
}

void prostokat_przezroczysty(BITMAP* cel, int x1, int y1, int x2, int y2, int kolor,
                             int wspolczynnik) {
  if (!cel) return;
  int f = ogranicz_wspolczynnik(wspolczynnik);
  if (f == 0) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  obszar o = przytnij(cel, x1, y1, x2 + 1, y2 + 1);
  if (o.x1 >= o.x2 || o.y1 >= o.y2) return;
  if (czy_32(cel)) {
    uint32_t k = uint32_t(kolor);
    for (int ty = o.y1; ty < o.y2; ++ty) {
      uint32_t* d = reinterpret_cast<uint32_t*>(cel->line[ty]) + o.x1;
      for (int tx = o.x1; tx < o.x2; ++tx, ++d) *d = mieszaj_32(k, *d, f);
    }
    return;
  }
  for (int ty = o.y1; ty < o.y2; ++ty)
    for (int tx = o.x1; tx < o.x2; ++tx)
      putpixel(cel, tx, ty, mieszaj_ogolnie(cel, kolor, cel, getpixel(cel, tx, ty), f));
}
