#include <cstdlib>

#include "grafika_rysunek.h"
#include "interfejs_rysunki.h"

void faza(obraz& o, int x, int y, int sz, int wy, int grubosc, bool wypukly) {
  for (int g = 0; g < grubosc; ++g) {
    const float t = 1.0f - (float)g / grubosc;
    const kolor_rgba jasny = rgba(255, 240, 200, (int)(150 * t));
    const kolor_rgba ciemny = rgba(20, 10, 0, (int)(170 * t));
    const kolor_rgba gora = wypukly ? jasny : ciemny, dol = wypukly ? ciemny : jasny;
    for (int i = x + g; i < x + sz - g; ++i) {
      o.mieszaj(i, y + g, gora);
      o.mieszaj(i, y + wy - 1 - g, dol);
    }
    for (int j = y + g + 1; j < y + wy - 1 - g; ++j) {
      o.mieszaj(x + g, j, gora);
      o.mieszaj(x + sz - 1 - g, j, dol);
    }
  }
}

void faktura(obraz& o, int x, int y, int sz, int wy, kolor_rgba baza, float sila, unsigned ziarno) {
  for (int j = y; j < y + wy; ++j)
    for (int i = x; i < x + sz; ++i) {
      const float n = szum_warstwowy((float)i * 0.9f, (float)j * 0.9f, 8, ziarno, 4);
      const float z = hasz(i, j, ziarno + 7) * 0.08f;
      o.ustaw(i, j, rozjasnij(baza, 1.0f + (n - 0.5f) * sila + z - 0.04f));
    }
}

namespace {
// A gold line with a dark edge on each side: the trim of panels.
void zlota_ramka(obraz& o, int x, int y, int sz, int wy) {
  const kolor_rgba kolory[3] = {rgba(40, 25, 5), rgba(214, 172, 84), rgba(40, 25, 5)};
  for (int g = 0; g < 3; ++g) {
    const kolor_rgba k = kolory[g];
    for (int i = x + g; i < x + sz - g; ++i) o.ustaw(i, y + g, k), o.ustaw(i, y + wy - 1 - g, k);
    for (int j = y + g; j < y + wy - g; ++j) o.ustaw(x + g, j, k), o.ustaw(x + sz - 1 - g, j, k);
  }
}

// Small diamond studs in the corners.
void cwieki(obraz& o, int x, int y, int sz, int wy) {
  const int r = 4;
  const int pkt[4][2] = {{x + 9, y + 9}, {x + sz - 10, y + 9}, {x + 9, y + wy - 10}, {x + sz - 10, y + wy - 10}};
  for (const auto& p : pkt)
    for (int j = -r; j <= r; ++j)
      for (int i = -r; i <= r; ++i)
        if (std::abs(i) + std::abs(j) <= r)
          o.ustaw(p[0] + i, p[1] + j, rozjasnij(rgba(214, 172, 84), 1.25f - 0.1f * (i + j)));
}
}  // namespace

obraz rysuj_panel(int szerokosc, int wysokosc, unsigned ziarno) {
  obraz o(szerokosc, wysokosc);
  faktura(o, 0, 0, szerokosc, wysokosc, rgba(46, 40, 52), 0.5f, ziarno);
  faza(o, 0, 0, szerokosc, wysokosc, 6, true);
  zlota_ramka(o, 6, 6, szerokosc - 12, wysokosc - 12);
  faza(o, 9, 9, szerokosc - 18, wysokosc - 18, 3, false);
  cwieki(o, 0, 0, szerokosc, wysokosc);
  return o;
}

obraz rysuj_menu_w_grze() {
  obraz o = rysuj_panel(200, 330, 31);
  // A carved band across the top under which the buttons start (x 455, y 200 on screen).
  for (int i = 20; i < 180; ++i) {
    o.ustaw(i, 70, rgba(214, 172, 84));
    o.ustaw(i, 71, rgba(40, 25, 5));
  }
  const float romb[8] = {100, 22, 122, 44, 100, 66, 78, 44};
  wielokat(o, romb, 4, rgba(150, 30, 30), 0.5f);
  const float srodek[8] = {100, 32, 112, 44, 100, 56, 88, 44};
  wielokat(o, srodek, 4, rgba(230, 190, 90), 0.5f);
  return o;
}

obraz rysuj_przyciski() {
  obraz o(108, 66);
  const kolor_rgba bazy[3] = {rgba(92, 62, 40), rgba(132, 92, 52), rgba(62, 40, 26)};
  for (int s = 0; s < 3; ++s) {
    const int y = s * 22;
    for (int j = 0; j < 22; ++j)
      for (int i = 0; i < 108; ++i) {
        const float pion = s == 2 ? 0.9f + 0.01f * j : 1.15f - 0.02f * j;
        const float n = hasz(i / 3, j, 5) * 0.08f;
        o.ustaw(i, y + j, rozjasnij(bazy[s], pion + n));
      }
    for (int i = 0; i < 108; ++i) o.ustaw(i, y, rgba(20, 12, 4)), o.ustaw(i, y + 21, rgba(20, 12, 4));
    for (int j = 0; j < 22; ++j) o.ustaw(0, y + j, rgba(20, 12, 4)), o.ustaw(107, y + j, rgba(20, 12, 4));
    faza(o, 1, y + 1, 106, 20, 2, s != 2);
    if (s == 1)
      for (int i = 3; i < 105; ++i) o.mieszaj(i, y + 2, rgba(255, 220, 140, 120));
  }
  return o;
}
