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

// x / 255 for 0 <= x < 65536 without a division.
inline uint32_t przez_255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

// The weights of one factor, so a pixel's mix costs two lookups and a shift per channel.
struct wagi {
  uint16_t zrodlo[256], cel[256];
  explicit wagi(int f) {
    for (int i = 0; i < 256; ++i) {
      zrodlo[i] = uint16_t(i * f + 127);
      cel[i] = uint16_t(i * (255 - f));
    }
  }
  uint32_t kanal(uint32_t s, uint32_t d) const { return przez_255(zrodlo[s] + cel[d]); }
};

inline uint32_t mieszaj_32(uint32_t s, uint32_t d, const wagi& w) {
  const int rs = _rgb_r_shift_32, gs = _rgb_g_shift_32, bs = _rgb_b_shift_32;
  uint32_t r = w.kanal((s >> rs) & 0xFF, (d >> rs) & 0xFF);
  uint32_t g = w.kanal((s >> gs) & 0xFF, (d >> gs) & 0xFF);
  uint32_t b = w.kanal((s >> bs) & 0xFF, (d >> bs) & 0xFF);
  return (d & 0xFF000000u) | (r << rs) | (g << gs) | (b << bs);
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
    const wagi w(f);
    for (int ty = o.y1; ty < o.y2; ++ty) {
      const uint32_t* s = reinterpret_cast<const uint32_t*>(zrodlo->line[ty - y]) + (o.x1 - x);
      uint32_t* d = reinterpret_cast<uint32_t*>(cel->line[ty]) + o.x1;
      for (int tx = o.x1; tx < o.x2; ++tx, ++s, ++d)
        if ((*s & 0xFFFFFFu) != maska) *d = f == 255 ? (*s & 0xFFFFFFu) | (*d & 0xFF000000u)
                                                       : mieszaj_32(*s, *d, w);
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
    // One colour: each channel's result depends only on the destination, so it is a table.
    const wagi w(f);
    const int rs = _rgb_r_shift_32, gs = _rgb_g_shift_32, bs = _rgb_b_shift_32;
    uint32_t tr[256], tg[256], tb[256];
    uint32_t k = uint32_t(kolor);
    for (uint32_t i = 0; i < 256; ++i) {
      tr[i] = w.kanal((k >> rs) & 0xFF, i) << rs;
      tg[i] = w.kanal((k >> gs) & 0xFF, i) << gs;
      tb[i] = w.kanal((k >> bs) & 0xFF, i) << bs;
    }
    for (int ty = o.y1; ty < o.y2; ++ty) {
      uint32_t* d = reinterpret_cast<uint32_t*>(cel->line[ty]) + o.x1;
      for (int tx = o.x1; tx < o.x2; ++tx, ++d) {
        uint32_t v = *d;
        *d = (v & 0xFF000000u) | tr[(v >> rs) & 0xFF] | tg[(v >> gs) & 0xFF] | tb[(v >> bs) & 0xFF];
      }
    }
    return;
  }
  for (int ty = o.y1; ty < o.y2; ++ty)
    for (int tx = o.x1; tx < o.x2; ++tx)
      putpixel(cel, tx, ty, mieszaj_ogolnie(cel, kolor, cel, getpixel(cel, tx, ty), f));
}
