// Preview of the picture sheet: a small landscape drawn the way the map view draws it (flat
// tiles first, then forest and mountains with every terrain's edge overlays) and every unit
// standing on grass. Writes one PNG: pokaz_arkusz <output.png> [animation frame 0..7]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "grafika_arkusz.h"
#include "obraz.h"

namespace {

const int SZ = 16, WY = 12;
// Terrain characters: 1 grass, 2 forest, 3 water, 4 lava, 5 mountains, 6 scorched, 7 stone, 8 sand.
const char* const KRAJOBRAZ[WY] = {
    "1111122221133333", "1112222211833333", "1111221118833333", "1155511188833331",
    "1555551118883311", "1155517771888111", "1111177777111222", "1111117771112222",
    "3331111111664422", "3333811116644441", "3333881116664411", "3333881111661111",
};

// Sheet row and animation of each terrain character.
struct wiersz_terenu {
  char znak;
  int y;
  bool animowany;
};
const wiersz_terenu WIERSZE[] = {{'1', 304, false}, {'2', 184, true}, {'3', 224, true},
                                 {'4', 264, true},  {'5', 384, false}, {'6', 424, true},
                                 {'7', 464, false}, {'8', 344, false}};

// Which terrain spills its edge over which neighbours, and with which sheet row.
struct regula {
  char wlasciciel;
  const char* sasiedzi;
  int wiersz;  // sheet row of the overlay kind; forest overlays have their own row
};
const regula REGULY[] = {{'1', "3467", 304}, {'7', "346", 464}, {'6', "34", 464},
                         {'8', "13467", 344}, {'5', "1378", 384}, {'2', "137", 504}};

void kopiuj(obraz& cel, const obraz& arkusz, int zx, int zy, int sz, int wy, int x, int y) {
  for (int j = 0; j < wy; ++j)
    for (int i = 0; i < sz; ++i) {
      const kolor_rgba k = arkusz.piksel(zx + i, zy + j);
      if (k.r == 255 && k.g == 0 && k.b == 255) continue;
      cel.ustaw(x + i, y + j, k);
    }
}

void pozycja(int x, int y, int& px, int& py) {
  px = 40 * x + 20 * (y % 2) + 9;
  py = 30 * y + 12;
}

char teren(int x, int y) {
  return x < 0 || y < 0 || x >= SZ || y >= WY ? 0 : KRAJOBRAZ[y][x];
}

void kafel(obraz& c, const obraz& a, char z, int x, int y, int klatka) {
  for (const wiersz_terenu& w : WIERSZE)
    if (w.znak == z) {
      int px, py;
      pozycja(x, y, px, py);
      kopiuj(c, a, w.animowany ? 40 * klatka : 0, w.y, 40, 40, px, py);
    }
}

void brzegi(obraz& c, const obraz& a, int x, int y) {
  const int p = y % 2;
  // Neighbours in the order right, left, upper-left, lower-left, upper-right, lower-right.
  const int sasiad[6][3] = {{x + 1, y, 5},         {x - 1, y, 6},         {x - 1 + p, y - 1, 3},
                            {x - 1 + p, y + 1, 2}, {x + p, y - 1, 4},     {x + p, y + 1, 1}};
  for (const regula& r : REGULY) {
    if (r.wlasciciel != teren(x, y)) continue;
    for (const char* z = r.sasiedzi; *z; ++z)
      for (const auto& s : sasiad) {
        if (teren(s[0], s[1]) != *z) continue;
        int px, py;
        pozycja(s[0], s[1], px, py);
        kopiuj(c, a, 40 * s[2], r.wiersz, 40, 40, px, py);
      }
  }
}

struct jednostka_podgladu {
  int zx, zy, sz, wy, dx, dy;
};
const jednostka_podgladu JEDNOSTKI[] = {
    {120, 0, 40, 40, 0, 0},   {160, 0, 37, 37, 0, 0},   {0, 0, 24, 37, 6, 0},
    {28, 0, 20, 37, 10, 0},   {53, 0, 24, 37, 6, 0},    {84, 0, 28, 37, 10, 0},
    {30, 40, 28, 37, 10, 0},  {198, 0, 35, 37, 0, 0},   {0, 40, 23, 37, 6, 0},
    {62, 40, 34, 37, 4, 0},   {126, 42, 39, 66, 0, -30}, {174, 42, 39, 66, 0, -30},
    {435, 16, 30, 57, 6, -26}, {473, 16, 30, 57, 6, -26}, {248, 0, 87, 87, -23, -30},
    {338, 0, 87, 87, -23, -30}, {126, 115, 39, 37, 0, 0}, {166, 115, 38, 37, 0, 0},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output.png> [frame 0..7]\n", argv[0]);
    return 2;
  }
  const int klatka = argc > 2 ? std::atoi(argv[2]) & 7 : 0;
  const obraz a = utworz_arkusz();
  obraz c(SZ * 40 + 480, WY * 30 + 30 + 140, rgba(0, 0, 0));
  for (int y = 0; y < WY; ++y)
    for (int x = 0; x < SZ; ++x)
      if (std::strchr("134678", teren(x, y))) kafel(c, a, teren(x, y), x, y, klatka);
  for (int y = 0; y < WY; ++y)
    for (int x = 0; x < SZ; ++x) {
      if (teren(x, y) == '2' || teren(x, y) == '5') kafel(c, a, teren(x, y), x, y, klatka);
      brzegi(c, a, x, y);
    }
  // A strip of grass with every unit, buildings spaced out for their size.
  const int y0 = WY * 30 + 60;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < SZ + 11; ++x) {
      int px, py;
      pozycja(x, y, px, py);
      kopiuj(c, a, 0, 304, 40, 40, px, py + y0 - 12);
    }
  int x = 10;
  for (const jednostka_podgladu& j : JEDNOSTKI) {
    const int szer = j.sz > 40 ? j.sz + 4 : 36;
    kopiuj(c, a, j.zx, j.zy, j.sz, j.wy, x + j.dx + (j.dx < 0 ? 23 : 0), y0 + 40 + j.dy);
    x += szer;
  }
  if (!c.zapisz_png(argv[1])) {
    std::fprintf(stderr, "pokaz_arkusz: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
