// Writes the game's icon for the desktop menus: a castle tower before a shield halved in the
// blue and the yellow of the two sides, 64 and 256 pixels square with a transparent ground.
// Drawn four times larger with hard edges and averaged down, so its edges are smooth.
#include <cmath>
#include <cstdio>
#include <string>

#include "grafika_rysunek.h"
#include "obraz.h"

namespace {

const int DUZA = 1024;  // the drawing; 256 and 64 are averaged from it
const kolor_rgba PRZEZROCZYSTY = {0, 0, 0, 0};
const kolor_rgba NIEBIESKI = rgba(52, 92, 196);
const kolor_rgba ZOLTY = rgba(236, 190, 48);
const kolor_rgba KAMIEN = rgba(150, 146, 138);
const kolor_rgba CIEMNY = rgba(34, 30, 28);

// A heater shield: straight top, sides curving to a point at the bottom.
bool w_tarczy(float x, float y) {
  const float gora = 70, dol = 980, srodek = DUZA / 2.f, pol = 430;
  if (y < gora || y > dol) return false;
  const float t = (y - gora) / (dol - gora);
  const float szer = t < 0.45f ? pol : pol * (1.f - (t - 0.45f) / 0.55f * (t - 0.45f) / 0.55f);
  return x > srodek - szer && x < srodek + szer;
}

void tarcza(obraz& o) {
  const float brzeg = 26;
  wypelnij(o, [](float x, float y) { return w_tarczy(x, y); }, 0, 0, DUZA, DUZA, CIEMNY, 0);
  wypelnij(o, [=](float x, float y) {
    return x < DUZA / 2.f && w_tarczy(x - brzeg, y) && w_tarczy(x + brzeg, y) &&
           w_tarczy(x, y - brzeg) && w_tarczy(x, y + brzeg);
  }, 0, 0, DUZA, DUZA, NIEBIESKI, 0.5f);
  wypelnij(o, [=](float x, float y) {
    return x >= DUZA / 2.f && w_tarczy(x - brzeg, y) && w_tarczy(x + brzeg, y) &&
           w_tarczy(x, y - brzeg) && w_tarczy(x, y + brzeg);
  }, 0, 0, DUZA, DUZA, ZOLTY, 0.5f);
}

// The tower: a body with three merlons, a window and an arched gate, outlined dark.
void wieza(obraz& o) {
  const float x0 = 330, x1 = 694, gora = 300, dol = 860, obrys = 18;
  const float blanki = 90, zeby = 3;
  auto bryla = [=](float x, float y, float d) {
    if (x < x0 - d || x > x1 + d || y > dol + d) return false;
    if (y >= gora - d) return true;
    if (y < gora - blanki - d) return false;
    const float szer = (x1 - x0) / (2 * zeby - 1);
    const int i = (int)((x - x0 + d) / szer);
    const float w_zebie = x - x0 - i * szer;
    return i % 2 == 0 || w_zebie < d || w_zebie > szer - d;
  };
  wypelnij(o, [=](float x, float y) { return bryla(x, y, obrys); }, 0, 0, DUZA, DUZA, CIEMNY, 0);
  wypelnij(o, [=](float x, float y) { return bryla(x, y, 0); }, x0, gora - blanki, x1, dol,
           KAMIEN, 0.6f);
  // Courses of stone.
  for (float y = gora + 70; y < dol; y += 80) blok(o, x0, y, x1 - x0, 10, rozjasnij(KAMIEN, 0.7f), 0);
  // Gate: a round-topped opening; window: a narrow slit.
  const float bx = DUZA / 2.f, br = 92, bgora = 640;
  wypelnij(o, [=](float x, float y) {
    const float dx = x - bx, dy = y - bgora;
    return y <= dol && std::abs(dx) <= br && (y >= bgora || dx * dx + dy * dy <= br * br);
  }, bx - br, bgora - br, bx + br, dol, CIEMNY, 0);
  blok(o, bx - 24, 400, 48, 120, CIEMNY, 0);
}

// The average of each f x f square, weighted by its cover.
obraz pomniejsz(const obraz& duzy, int f) {
  const int n = duzy.szerokosc() / f;
  obraz maly(n, n, PRZEZROCZYSTY);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      long r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < f; ++j)
        for (int i = 0; i < f; ++i) {
          const kolor_rgba k = duzy.piksel(x * f + i, y * f + j);
          r += k.r * k.a;
          g += k.g * k.a;
          b += k.b * k.a;
          a += k.a;
        }
      if (a == 0) continue;
      maly.ustaw(x, y, rgba((int)(r / a), (int)(g / a), (int)(b / a), (int)(a / (f * f))));
    }
  return maly;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_ROOT\n", argv[0]);
    return 2;
  }
  obraz duzy(DUZA, DUZA, PRZEZROCZYSTY);
  tarcza(duzy);
  wieza(duzy);
  for (int rozmiar : {64, 256}) {
    const std::string r = std::to_string(rozmiar);
    const std::string plik =
        std::string(argv[1]) + "/instalacja/ikony/" + r + "x" + r + "/twierdze.png";
    if (!utworz_katalogi_dla(plik) || !pomniejsz(duzy, DUZA / rozmiar).zapisz_png(plik, true)) {
      std::fprintf(stderr, "cannot write %s\n", plik.c_str());
      return 1;
    }
  }
  return 0;
}
