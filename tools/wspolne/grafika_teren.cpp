// Terrain tiles and edge overlays. Every texture is periodic on the field lattice (40, 0),
// (20, 30), so equal tiles join without seams and an overlay continues its owner's texture
// across the shared edge.
#include <algorithm>
#include <cmath>
#include <vector>

#include "grafika_arkusz.h"
#include "grafika_rysunek.h"

namespace {

const float PI2 = 6.2831853f;

// Torus coordinates of the field lattice: whole steps of s or t are lattice translations.
void torus(float x, float y, float& s, float& t) {
  t = y / 30.f;
  s = (x - 20.f * t) / 40.f;
}

// Calls f(x, y) for the copies of a point in and around the box (lattice translations).
template <class F>
void kopie(float x, float y, F f) {
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) f(x + 40.f * i + 20.f * j, y + 30.f * j);
}

// A point of the lattice cell, from a seed.
void punkt_komorki(int k, unsigned ziarno, float& x, float& y) {
  const float s = hasz(k, 1, ziarno), t = hasz(k, 2, ziarno);
  y = t * 30.f;
  x = s * 40.f + 20.f * t;
}

float faza(int klatka) { return PI2 * klatka / 8.f; }

// ---- textures: each fills the whole 40x40 box ----

void trawa(obraz& o, int) {
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const float n = szum_warstwowy(x, y, 4, 11);
      kolor_rgba k = pomiesz(rgba(52, 112, 30), rgba(98, 158, 48), n * 1.3f - 0.15f);
      k = rozjasnij(k, 0.92f + 0.16f * hasz(x, y, 12));
      o.ustaw(x, y, k);
    }
  for (int k = 0; k < 22; ++k) {  // tufts: dark blades with sunlit tips
    float px, py;
    punkt_komorki(k, 13, px, py);
    kopie(px, py, [&](float x, float y) {
      const int ix = (int)x, iy = (int)y;
      o.ustaw(ix, iy, rgba(36, 84, 22));
      o.ustaw(ix - 1, iy - 1, rgba(44, 100, 26));
      o.ustaw(ix + 1, iy - 1, rgba(44, 100, 26));
      o.ustaw(ix, iy - 1, rgba(60, 124, 34));
      o.ustaw(ix, iy - 2, rgba(130, 186, 70));
      o.ustaw(ix - 2, iy - 2, rgba(112, 170, 60));
      o.ustaw(ix + 2, iy - 2, rgba(112, 170, 60));
    });
  }
}

void piasek(obraz& o, int) {
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      float s, t;
      torus(x, y, s, t);
      const float n = szum_warstwowy(x, y, 4, 21);
      const float fala = std::sin(PI2 * (4 * t + s) + 3.f * n);
      kolor_rgba k = pomiesz(rgba(196, 166, 100), rgba(236, 212, 150), n);
      k = rozjasnij(k, 1.f + 0.07f * fala + 0.08f * (hasz(x, y, 22) - 0.5f));
      o.ustaw(x, y, k);
    }
}

void woda(obraz& o, int klatka) {
  const float f = faza(klatka);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      float s, t;
      torus(x, y, s, t);
      const float n = szum_warstwowy(x, y, 4, 31);
      const float w1 = std::sin(PI2 * (2 * s + 3 * t) + 4.f * n + f);
      const float w2 = std::sin(PI2 * (-3 * s + 2 * t) + 3.f * n - f);
      const float w = 0.5f * (w1 + w2);
      kolor_rgba k = pomiesz(rgba(16, 44, 128), rgba(38, 92, 178), n * 0.8f + 0.3f * w);
      if (w > 0.82f) k = pomiesz(k, rgba(170, 210, 250), (w - 0.82f) * 4.f);
      if (w < -0.8f) k = rozjasnij(k, 0.85f);
      o.ustaw(x, y, k);
    }
}

void lawa(obraz& o, int klatka) {
  const float f = faza(klatka);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      float s, t;
      torus(x, y, s, t);
      const float n = szum_warstwowy(x, y, 4, 41);
      const float zar = 0.5f + 0.5f * std::sin(PI2 * (s + 2 * t) + 5.f * n + f);
      kolor_rgba k = pomiesz(rgba(190, 40, 8), rgba(255, 170, 30), zar * 0.8f + n * 0.3f);
      const float skorupa = szum_warstwowy(x, y, 5, 42, 3);
      if (skorupa > 0.64f) k = pomiesz(rgba(74, 26, 14), rgba(40, 14, 10), (skorupa - 0.64f) * 5);
      else if (skorupa > 0.6f) k = rgba(130, 34, 10);
      o.ustaw(x, y, k);
    }
  for (int b = 0; b < 3; ++b) {  // bubbles swell and burst, each on its own beat
    float px, py;
    punkt_komorki(b, 43, px, py);
    const int krok = (klatka + b * 3) % 8;
    const float r = 0.6f + 2.6f * std::sin(3.14159f * krok / 8.f);
    kopie(px, py, [&](float x, float y) {
      elipsa(o, x, y, r + 0.8f, r + 0.8f, rgba(255, 120, 20), 0.f);
      elipsa(o, x, y, r, r, rgba(255, 226, 90), 0.6f);
    });
  }
}

void spalona(obraz& o, int klatka) {
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const float n = szum_warstwowy(x, y, 4, 51);
      kolor_rgba k = pomiesz(rgba(52, 22, 16), rgba(100, 46, 30), n);
      const float szczelina = std::fabs(szum_okresowy(x, y, 5, 52) - 0.5f);
      if (szczelina < 0.03f) k = rgba(30, 12, 10);
      k = rozjasnij(k, 0.9f + 0.2f * hasz(x, y, 53));
      o.ustaw(x, y, k);
    }
  for (int e = 0; e < 8; ++e) {  // embers pulse, each with a faint glow around it
    float px, py;
    punkt_komorki(e, 54, px, py);
    const float jasnosc = 0.5f + 0.5f * std::sin(faza(klatka) + e * 1.7f);
    const kolor_rgba k = pomiesz(rgba(150, 34, 10), rgba(255, 200, 70), jasnosc);
    kopie(px, py, [&](float x, float y) {
      const int ix = (int)x, iy = (int)y;
      for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 2; ++i) o.mieszaj(ix + i, iy + j, rgba(230, 80, 20, (int)(40 + 60 * jasnosc)));
      o.ustaw(ix, iy, k);
      o.ustaw(ix + 1, iy, rozjasnij(k, 0.8f));
    });
  }
  for (int d = 0; d < 2; ++d) {  // smoke drifts up and fades, looping every eight frames
    float px, py;
    punkt_komorki(d, 55, px, py);
    const int krok = (klatka + d * 4) % 8;
    kopie(px, py - krok * 1.5f, [&](float x, float y) {
      const int a = 150 - krok * 16;
      const float r = 1.5f + krok * 0.35f;
      for (int j = (int)(y - r); j <= (int)(y + r); ++j)
        for (int i = (int)(x - r); i <= (int)(x + r); ++i)
          if ((i - x) * (i - x) + (j - y) * (j - y) <= r * r) o.mieszaj(i, j, rgba(150, 140, 135, a));
    });
  }
}

void kamien(obraz& o, int) {
  std::vector<float> px, py;
  for (int k = 0; k < 12; ++k) {
    float x, y;
    punkt_komorki(k, 61, x, y);
    kopie(x, y, [&](float a, float b) {
      px.push_back(a);
      py.push_back(b);
    });
  }
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      float d1 = 1e9f, d2 = 1e9f;
      int najblizszy = 0;
      for (size_t i = 0; i < px.size(); ++i) {
        const float d = std::hypot(x + 0.5f - px[i], y + 0.5f - py[i]);
        if (d < d1) {
          d2 = d1;
          d1 = d;
          najblizszy = (int)(i / 9);
        } else if (d < d2) {
          d2 = d;
        }
      }
      if (d2 - d1 < 1.3f) {
        o.ustaw(x, y, rgba(58, 56, 54));
        continue;
      }
      // Each cobble is domed: lighter towards its upper left.
      const int i = najblizszy * 9;
      float cx = px[i], cy = py[i];
      kopie(px[i], py[i], [&](float a, float b) {
        if (std::hypot(x - a, y - b) < std::hypot(x - cx, y - cy)) cx = a, cy = b;
      });
      const float swiatlo = std::max(-0.22f, std::min(0.22f, ((cx - x) + (cy - y)) * 0.025f));
      const kolor_rgba baza = pomiesz(rgba(120, 118, 112), rgba(156, 152, 144), hasz(najblizszy, 3, 62));
      o.ustaw(x, y, rozjasnij(baza, 1.f + swiatlo + 0.08f * (hasz(x, y, 63) - 0.5f) - (d2 - d1 < 2.3f ? 0.12f : 0)));
    }
}

void grunt_gorski(obraz& o, int) {
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const float n = szum_warstwowy(x, y, 5, 71);
      kolor_rgba k = pomiesz(rgba(88, 84, 66), rgba(134, 128, 104), n);
      o.ustaw(x, y, rozjasnij(k, 0.9f + 0.2f * hasz(x, y, 72)));
    }
}

void podgorze(obraz& o, int klatka) {
  grunt_gorski(o, klatka);
  struct glaz {
    float x, y, r;
  };
  std::vector<glaz> glazy;
  for (int k = 0; k < 8; ++k) {
    float x, y;
    punkt_komorki(k, 73, x, y);
    const float r = 1.8f + 2.2f * hasz(k, 4, 73);
    kopie(x, y, [&](float a, float b) { glazy.push_back({a, b, r}); });
  }
  std::sort(glazy.begin(), glazy.end(), [](const glaz& a, const glaz& b) { return a.y < b.y; });
  for (const glaz& g : glazy) {
    elipsa(o, g.x + 1, g.y + 1, g.r, g.r * 0.75f, rgba(60, 56, 50), 0.f);
    elipsa(o, g.x, g.y, g.r, g.r * 0.8f, rgba(150, 146, 138), 0.8f);
  }
}

void gory(obraz& o, int klatka) {
  grunt_gorski(o, klatka);
  struct szczyt {
    float wx, wy, lx, px, podstawa;
  };
  // A high peak behind, a lower one in front to the left and one to the right.
  const szczyt szczyty[] = {{19, 2, 2, 37, 33}, {10, 14, 0, 23, 37}, {29, 12, 16, 40, 37}};
  for (const szczyt& s : szczyty)
    for (int y = (int)s.wy; y < (int)s.podstawa; ++y)
      for (int x = 0; x < 40; ++x) {
        const float px = x + 0.5f, py = y + 0.5f;
        const float k = (py - s.wy) / (s.podstawa - s.wy);  // 0 at the top, 1 at the foot
        const float l = s.wx + (s.lx - s.wx) * k, p = s.wx + (s.px - s.wx) * k;
        if (px < l || px > p) continue;
        // The ridge wanders a little; left of it the face is sunlit, right of it in shade.
        const float grzbiet = s.wx + 2.f * k + 0.6f * std::sin(py * 0.45f + s.wx);
        const bool lewa = px < grzbiet;
        const float skala = 0.9f + 0.16f * szum_okresowy(x * 2.f, y * 2.f, 6, 74) +
                            0.06f * hasz(x, y, 75);
        const float snieg = s.wy + (s.podstawa - s.wy) * 0.36f + 2.f * std::sin(px * 1.7f) +
                            1.5f * std::sin(px * 0.6f + s.wx);
        kolor_rgba c;
        if (py < snieg)
          c = lewa ? rgba(248, 250, 255) : rgba(178, 190, 214);
        else
          c = rozjasnij(lewa ? rgba(184, 176, 164) : rgba(92, 84, 82), skala * (1.08f - 0.3f * k));
        if (std::fabs(px - grzbiet) < 0.6f && py > snieg) c = rozjasnij(c, 1.25f);  // lit ridge
        if (px - l < 1.f || p - px < 1.f) c = rozjasnij(c, 0.62f);  // dark flank edge
        o.ustaw(x, y, c);
      }
}

void las(obraz& o, int klatka) {
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const float n = szum_warstwowy(x, y, 5, 81);
      o.ustaw(x, y, pomiesz(rgba(20, 44, 16), rgba(46, 84, 28), n));
    }
  struct korona {
    float x, y, r, faza;
    int odcien;
  };
  std::vector<korona> korony;
  for (int k = 0; k < 8; ++k) {
    float x, y;
    punkt_komorki(k, 82, x, y);
    const float r = 5.5f + 2.5f * hasz(k, 5, 82);
    const int odcien = (int)(hasz(k, 6, 82) * 3);
    kopie(x, y, [&](float a, float b) { korony.push_back({a, b, r, k * 0.9f, odcien}); });
  }
  std::sort(korony.begin(), korony.end(), [](const korona& a, const korona& b) { return a.y < b.y; });
  const kolor_rgba barwy[3] = {rgba(44, 110, 34), rgba(60, 128, 40), rgba(70, 118, 30)};
  for (const korona& k : korony) {
    const float kolys = 0.8f * std::sin(faza(klatka) + k.faza);  // leaves sway a little
    const float cx = k.x + kolys, cy = k.y;
    elipsa(o, k.x + 2.f, cy + 2.5f, k.r, k.r * 0.8f, rgba(14, 30, 10), 0.f);  // shadow
    for (int y = (int)(cy - k.r) - 1; y <= (int)(cy + k.r) + 1; ++y)
      for (int x = (int)(cx - k.r) - 1; x <= (int)(cx + k.r) + 1; ++x) {
        const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
        const float brzeg = k.r * (0.88f + 0.14f * hasz(x / 2, y / 2, 83));
        if (dx * dx + dy * dy > brzeg * brzeg) continue;
        const float swiatlo = std::hypot(dx + k.r * 0.4f, dy + k.r * 0.4f) / (k.r * 1.5f);
        float f = 1.35f - 0.75f * swiatlo;
        f *= 0.86f + 0.28f * hasz(x, y, 84);  // flecks of leaves
        o.ustaw(x, y, rozjasnij(barwy[k.odcien], f));
      }
  }
}

using tekstura = void (*)(obraz&, int);

tekstura tekstura_kafla(rodzaj_terenu t) {
  static const tekstura tabela[] = {las, woda, lawa, trawa, piasek, gory, spalona, kamien};
  return tabela[t];
}

// What spills over a neighbour: mountains send foothills instead of their peaks.
tekstura tekstura_brzegu(rodzaj_terenu t) { return t == t_gory ? podgorze : tekstura_kafla(t); }

obraz tylko_heks(const obraz& pelny) {
  obraz o(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (czy_w_heksie(x, y)) o.ustaw(x, y, pelny.piksel(x, y));
  return o;
}

// The edge of the field facing the owner of an overlay, and its inward normal.
struct krawedz {
  float x0, y0, x1, y1, nx, ny;
};

krawedz krawedz_wariantu(int wariant) {
  const float a = 0.4472136f, b = 0.8944272f;  // 1/sqrt(5), 2/sqrt(5)
  static const krawedz tabela[7] = {
      {0, 0, 0, 0, 0, 0},   {0, 10, 20, 0, a, b},  {20, 0, 40, 10, -a, b},
      {40, 30, 20, 40, -a, -b}, {0, 30, 20, 40, a, -b}, {0, 10, 0, 30, 1, 0},
      {40, 10, 40, 30, -1, 0},
  };
  return tabela[wariant];
}

// A smooth 1-D noise along an edge.
float szum_liniowy(float u, unsigned ziarno) {
  const int i = (int)std::floor(u);
  const float f = u - i, s = f * f * (3 - 2 * f);
  return hasz(i, 0, ziarno) + (hasz(i + 1, 0, ziarno) - hasz(i, 0, ziarno)) * s;
}

}  // namespace

obraz pobierz_kafel(rodzaj_terenu t, int klatka) {
  obraz pelny(40, 40);
  tekstura_kafla(t)(pelny, klatka);
  return tylko_heks(pelny);
}

obraz pobierz_nakladke(rodzaj_terenu t, int wariant) {
  obraz pelny(40, 40);
  tekstura_brzegu(t)(pelny, 0);
  const krawedz k = krawedz_wariantu(wariant);
  const float ex = k.x1 - k.x0, ey = k.y1 - k.y0, e2 = ex * ex + ey * ey;
  const unsigned ziarno = 90u + 7u * t + (unsigned)wariant;
  const float glebia = t == t_las ? 13.5f : 12.f;
  obraz o(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      if (!czy_w_heksie(x, y)) continue;
      const float px = x + 0.5f - k.x0, py = y + 0.5f - k.y0;
      const float d = px * k.nx + py * k.ny;          // depth into the field
      const float wzdluz = (px * ex + py * ey) / e2;  // 0..1 along the edge
      const float srodek = 2.f * wzdluz - 1.f;
      // The band thins towards the edge's ends and wanders irregularly.
      float g = glebia * (1.f - 0.45f * srodek * srodek) + 7.f * (szum_liniowy(wzdluz * 5.f, ziarno) - 0.5f);
      g += 3.f * (szum_liniowy(wzdluz * 13.f, ziarno + 1) - 0.5f);
      const float los = hasz(x, y, ziarno + 2);
      const bool w = d < g - 1.5f || (d < g + 2.f && los < (g + 2.f - d) / 3.5f);
      if (w) o.ustaw(x, y, pelny.piksel(x, y));
    }
  return o;
}

void rysuj_teren(obraz& a) {
  struct wiersz {
    rodzaj_terenu t;
    int y;
    bool animowany;
  };
  const wiersz wiersze[] = {{t_las, 184, true},    {t_woda, 224, true},  {t_lawa, 264, true},
                            {t_trawa, 304, false}, {t_piasek, 344, false}, {t_gory, 384, false},
                            {t_spalona, 424, true}, {t_kamien, 464, false}};
  for (const wiersz& w : wiersze) {
    if (w.animowany) {
      for (int f = 0; f < 8; ++f) a.wklej(pobierz_kafel(w.t, f), 40 * f, w.y);
    } else {
      a.wklej(pobierz_kafel(w.t, 0), 0, w.y);
      for (int v = 1; v <= 6; ++v) a.wklej(pobierz_nakladke(w.t, v), 40 * v, w.y);
    }
  }
  for (int v = 1; v <= 6; ++v) a.wklej(pobierz_nakladke(t_las, v), 40 * v, 504);
}
