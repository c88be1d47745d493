#include <cmath>

#include "grafika_rysunek.h"
#include "interfejs_rysunki.h"

namespace {
const int WYSOKOSC_MAPY = 583;
const kolor_rgba CIEMNY_BRAZ = {40, 25, 5, 255};

// The ornamental border around the map area: a gold bevel with dark edges.
void obramowanie_mapy(obraz& o) {
  const kolor_rgba pasy[5] = {CIEMNY_BRAZ, rgba(150, 110, 50), rgba(224, 186, 100), rgba(150, 110, 50), CIEMNY_BRAZ};
  for (int g = 0; g < 5; ++g) {
    for (int j = g; j < WYSOKOSC_MAPY; ++j) o.ustaw(g, j, pasy[g]), o.ustaw(1023 - g, j, pasy[g]);
    for (int i = g; i < 1024 - g; ++i) o.ustaw(i, g, pasy[g]);
  }
}

// A sunken well with a dark inside, for pictures the game draws over the panel.
void studnia(obraz& o, int x, int y, int sz, int wy) {
  o.prostokat(x - 4, y - 4, sz + 8, wy + 8, rgba(120, 96, 60));
  faza(o, x - 4, y - 4, sz + 8, wy + 8, 3, false);
  o.prostokat(x, y, sz, wy, rgba(30, 24, 18));
}

void panel_dowodzenia(obraz& o) {
  faktura(o, 0, WYSOKOSC_MAPY, 1024, 768 - WYSOKOSC_MAPY, rgba(214, 196, 156), 0.25f, 17);
  faza(o, 0, WYSOKOSC_MAPY, 1024, 768 - WYSOKOSC_MAPY, 5, true);
  // The darker stone strip under the white status texts.
  faktura(o, 6, 738, 1012, 24, rgba(64, 48, 34), 0.4f, 23);
  faza(o, 6, 738, 1012, 24, 2, false);
  // Carved rules dividing the panel into its fields.
  const int rysy[3] = {205, 700, 860};
  for (int x : rysy) {
    for (int j = 600; j < 730; ++j) {
      o.mieszaj(x, j, rgba(60, 40, 20, 150));
      o.mieszaj(x + 1, j, rgba(255, 245, 220, 120));
    }
  }
  studnia(o, 39, 622, 120, 120);
  studnia(o, 230, 650, 40, 40);
  studnia(o, 774, 640, 62, 74);
}
}  // namespace

obraz rysuj_interfejs() {
  obraz o(1024, 768);
  obramowanie_mapy(o);
  panel_dowodzenia(o);
  return o;
}

obraz rysuj_kursor() {
  obraz o(20, 24);
  // A steel blade pointing to the top-left corner, with a gold guard and a leather grip.
  const float ostrze[8] = {0, 0, 13, 6, 8, 9, 5, 14};
  wielokat(o, ostrze, 4, rgba(210, 220, 235), 0.5f);
  pas(o, 7, 15, 15, 7, 2.5f, rgba(214, 172, 84));
  pas(o, 11, 12, 17, 19, 2.5f, rgba(110, 64, 30));
  elipsa(o, 18, 20, 2.2f, 2.2f, rgba(214, 172, 84));
  obrysuj(o, rgba(10, 10, 20));
  o.ustaw(0, 0, rgba(255, 255, 255));
  return o;
}

namespace {
// Soft round blob with per-pixel alpha: full inside, fading over one pixel at the edge.
void plama(obraz& o, float cx, float cy, float rx, float ry, kolor_rgba k, float cien) {
  for (int j = 0; j < o.wysokosc(); ++j)
    for (int i = 0; i < o.szerokosc(); ++i) {
      const float dx = (i + 0.5f - cx) / rx, dy = (j + 0.5f - cy) / ry;
      const float d = std::sqrt(dx * dx + dy * dy);
      const float krawedz = 1.0f - (d - 1.0f) * std::min(rx, ry);
      if (krawedz <= 0) continue;
      const float swiatlo = 1.0f + cien * (-dx - dy) * 0.5f;
      kolor_rgba c = rozjasnij(k, swiatlo);
      c.a = (std::uint8_t)(255 * std::min(1.0f, krawedz));
      o.mieszaj(i, j, c);
    }
}

obraz przezroczysty(int sz, int wy) { return obraz(sz, wy, rgba(0, 0, 0, 0)); }
}  // namespace

obraz rysuj_szynke() {
  obraz o = przezroczysty(64, 48);
  plama(o, 28, 30, 24, 12, rgba(60, 30, 20, 90), 0.0f);   // shadow
  plama(o, 26, 24, 22, 15, rgba(150, 72, 34), 0.6f);       // roasted skin
  plama(o, 24, 22, 16, 10, rgba(196, 104, 52), 0.5f);      // glaze
  plama(o, 20, 19, 6, 3, rgba(255, 210, 160, 150), 0.0f);  // shine
  plama(o, 49, 26, 8, 7, rgba(232, 150, 140), 0.3f);       // the cut face
  plama(o, 56, 26, 6, 3, rgba(240, 236, 220), 0.4f);       // bone
  plama(o, 61, 24, 2.5f, 2.5f, rgba(240, 236, 220), 0.4f);
  plama(o, 61, 28, 2.5f, 2.5f, rgba(240, 236, 220), 0.4f);
  return o;
}

obraz rysuj_monety() {
  obraz o = przezroczysty(64, 48);
  plama(o, 32, 40, 28, 6, rgba(40, 30, 10, 100), 0.0f);
  const float monety[][2] = {{14, 36}, {26, 38}, {38, 38}, {50, 36}, {20, 30}, {32, 31},
                             {44, 30}, {26, 23}, {38, 23}, {32, 16}};
  for (const auto& m : monety) {
    plama(o, m[0], m[1] + 1.5f, 8, 4.2f, rgba(150, 100, 20), 0.2f);
    plama(o, m[0], m[1], 8, 4, rgba(236, 190, 60), 0.7f);
    plama(o, m[0], m[1], 5, 2.4f, rgba(200, 150, 40), -0.4f);
  }
  plama(o, 28, 14, 1.5f, 1.5f, rgba(255, 255, 230, 220), 0.0f);
  return o;
}
