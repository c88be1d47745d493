#include "grafika_rysunek.h"

#include <algorithm>
#include <cmath>

namespace {

float ogranicz(float v, float a, float b) { return v < a ? a : v > b ? b : v; }

// Never produce the transparent pink by accident.
kolor_rgba bez_rozowego(kolor_rgba k) {
  if (k.r == 255 && k.g == 0 && k.b == 255) k.r = 254;
  return k;
}

}  // namespace

kolor_rgba rozjasnij(kolor_rgba k, float f) {
  return bez_rozowego(rgba((int)std::lround(k.r * f), (int)std::lround(k.g * f),
                           (int)std::lround(k.b * f)));
}

kolor_rgba pomiesz(kolor_rgba a, kolor_rgba b, float t) {
  t = ogranicz(t, 0.f, 1.f);
  return bez_rozowego(rgba((int)std::lround(a.r + (b.r - a.r) * t),
                           (int)std::lround(a.g + (b.g - a.g) * t),
                           (int)std::lround(a.b + (b.b - a.b) * t)));
}

void wypelnij(obraz& o, const ksztalt& s, float x0, float y0, float x1, float y1, kolor_rgba k,
              float cien) {
  const float w = std::max(1.f, x1 - x0), h = std::max(1.f, y1 - y0);
  for (int y = (int)std::floor(y0); y <= (int)std::ceil(y1); ++y)
    for (int x = (int)std::floor(x0); x <= (int)std::ceil(x1); ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      if (!s(px, py)) continue;
      const float t = 0.55f * (px - x0) / w + 0.45f * (py - y0) / h;  // 0 upper left, 1 lower right
      o.ustaw(x, y, rozjasnij(k, 1.f + cien * (0.5f - t)));
    }
}

void elipsa(obraz& o, float cx, float cy, float rx, float ry, kolor_rgba k, float cien) {
  wypelnij(
      o,
      [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.f;
      },
      cx - rx, cy - ry, cx + rx, cy + ry, k, cien);
}

void wielokat(obraz& o, const float* p, int ile, kolor_rgba k, float cien) {
  float x0 = p[0], x1 = p[0], y0 = p[1], y1 = p[1];
  for (int i = 1; i < ile; ++i) {
    x0 = std::min(x0, p[2 * i]);
    x1 = std::max(x1, p[2 * i]);
    y0 = std::min(y0, p[2 * i + 1]);
    y1 = std::max(y1, p[2 * i + 1]);
  }
  wypelnij(
      o,
      [=](float x, float y) {
        bool w = false;  // even-odd crossing test
        for (int i = 0, j = ile - 1; i < ile; j = i++) {
          const float xi = p[2 * i], yi = p[2 * i + 1], xj = p[2 * j], yj = p[2 * j + 1];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) w = !w;
        }
        return w;
      },
      x0, y0, x1, y1, k, cien);
}

void pas(obraz& o, float x0, float y0, float x1, float y1, float g, kolor_rgba k, float cien) {
  const float dx = x1 - x0, dy = y1 - y0, d2 = std::max(1e-6f, dx * dx + dy * dy);
  const float r = g / 2;
  wypelnij(
      o,
      [=](float x, float y) {
        const float t = ogranicz(((x - x0) * dx + (y - y0) * dy) / d2, 0.f, 1.f);
        const float ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
        return ex * ex + ey * ey <= r * r;
      },
      std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r, k,
      cien);
}

void blok(obraz& o, float x, float y, float sz, float wy, kolor_rgba k, float cien) {
  wypelnij(
      o, [=](float px, float py) { return px >= x && px < x + sz && py >= y && py < y + wy; }, x,
      y, x + sz, y + wy, k, cien);
}

void obrysuj(obraz& o, kolor_rgba k) {
  auto pusty = [&](int x, int y) {
    const kolor_rgba p = o.piksel(x, y);
    return p.r == 255 && p.g == 0 && p.b == 255;
  };
  obraz wynik = o;
  for (int y = 0; y < o.wysokosc(); ++y)
    for (int x = 0; x < o.szerokosc(); ++x) {
      if (!pusty(x, y)) continue;
      const bool obok = (x > 0 && !pusty(x - 1, y)) || (x + 1 < o.szerokosc() && !pusty(x + 1, y)) ||
                        (y > 0 && !pusty(x, y - 1)) || (y + 1 < o.wysokosc() && !pusty(x, y + 1));
      if (obok) wynik.ustaw(x, y, k);
    }
  o = wynik;
}

float hasz(int a, int b, unsigned ziarno) {
  std::uint32_t h = (std::uint32_t)a * 374761393u + (std::uint32_t)b * 668265263u + ziarno * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777216.f;
}

float szum_okresowy(float x, float y, int n, unsigned ziarno) {
  // Coordinates on the torus of the field lattice (40, 0), (20, 30), scaled to n cells.
  const float t = y / 30.f, s = (x - 20.f * t) / 40.f;
  const float u = (s - std::floor(s)) * n, v = (t - std::floor(t)) * n;
  const int i = (int)u, j = (int)v;
  const float fu = u - i, fv = v - j;
  const float su = fu * fu * (3 - 2 * fu), sv = fv * fv * (3 - 2 * fv);
  auto w = [&](int a, int b) { return hasz(((a % n) + n) % n, ((b % n) + n) % n, ziarno); };
  const float g = w(i, j) + (w(i + 1, j) - w(i, j)) * su;
  const float d = w(i, j + 1) + (w(i + 1, j + 1) - w(i, j + 1)) * su;
  return g + (d - g) * sv;
}

float szum_warstwowy(float x, float y, int n, unsigned ziarno, int oktawy) {
  float suma = 0, waga = 0, a = 1;
  for (int k = 0; k < oktawy; ++k) {
    suma += a * szum_okresowy(x, y, n << k, ziarno + 101u * k);
    waga += a;
    a *= 0.5f;
  }
  return suma / waga;
}
