// The picture sheet, the mouse map and the field overlays as the game reads them: the
// generator reproduces the committed files, every drawing keeps to its cell, terrain stays
// inside its hexagon, the highlight and the grey overlay are whole hexagons, and the mouse
// map names the field that is drawn under the pointer.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "srodowisko.h"

namespace {

const int ROZOWY_RGB = 0xFF00FF;

// A picture loaded through the game's library, as 0xRRGGBB values.
struct obrazek {
  int w = 0, h = 0;
  std::vector<int> p;
  int at(int x, int y) const { return p[(size_t)y * w + x]; }
};

obrazek wczytaj(const std::string& nazwa) {
  przygotuj_allegro();
  const std::string sciezka = std::string(GRA_KATALOG_ZRODEL "/Pliki_danych/Bitmapy/") + nazwa;
  obrazek o;
  BITMAP* b = load_png(sciezka.c_str(), nullptr);
  if (!b) return o;
  o.w = b->w;
  o.h = b->h;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) {
      const int c = getpixel(b, x, y);
      o.p.push_back(getr32(c) << 16 | getg32(c) << 8 | getb32(c));
    }
  destroy_bitmap(b);
  return o;
}

// The field's hexagon, tested on pixel centres against its six corners.
bool w_heksie(int x, int y) {
  static const double r[6][2] = {{20, 0}, {40, 10}, {40, 30}, {20, 40}, {0, 30}, {0, 10}};
  const double px = x + 0.5, py = y + 0.5;
  for (int i = 0; i < 6; ++i) {
    const double* a = r[i];
    const double* b = r[(i + 1) % 6];
    if ((b[0] - a[0]) * (py - a[1]) - (b[1] - a[1]) * (px - a[0]) < 0) return false;
  }
  return true;
}

struct komorka {
  int x, y, w, h;
};

// Cells the game reads from the sheet: units, bars, flags, signs.
const komorka RYSUNKI[] = {
    {120, 0, 40, 40}, {160, 0, 37, 37}, {0, 0, 24, 37},    {28, 0, 20, 37},   {53, 0, 24, 37},
    {84, 0, 28, 37},  {30, 40, 28, 37}, {198, 0, 35, 37},  {0, 40, 23, 37},   {62, 40, 34, 37},
    {126, 42, 39, 66}, {174, 42, 39, 66}, {435, 16, 30, 57}, {473, 16, 30, 57}, {248, 0, 87, 87},
    {338, 0, 87, 87}, {126, 115, 39, 37}, {166, 115, 38, 37}, {1, 80, 43, 5},  {1, 87, 43, 5},
    {1, 93, 12, 15},  {14, 93, 12, 15}, {1, 110, 51, 73},  {53, 110, 61, 73},
};

// Terrain tiles: every (x, y) of a 40x40 tile; variant 0 and animation frames are whole hexes.
struct kafel {
  int x, y;
  bool caly;
};

std::vector<kafel> kafle_terenu() {
  std::vector<kafel> k;
  for (int y : {184, 224, 264, 424})  // animated: forest, water, lava, scorched ground
    for (int f = 0; f < 8; ++f) k.push_back({40 * f, y, true});
  for (int y : {304, 344, 384, 464})  // grass, sand, mountains, stone: tile and overlays
    for (int v = 0; v <= 6; ++v) k.push_back({40 * v, y, v == 0});
  for (int v = 1; v <= 6; ++v) k.push_back({40 * v, 504, false});  // forest overlays
  return k;
}

bool niepusta(const obrazek& o, int x0, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (o.at(x, y) != ROZOWY_RGB) return true;
  return false;
}

TEST(GrafikaArkusz, GeneratorDajeZapisaneBajty) {
  const std::string k = katalog_tymczasowy();
  const std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_grafika ") + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  for (const char* n : {"bitmapy.png", "mapa_myszki.png", "wskaznik.png", "nieaktywna.png"}) {
    const std::string nowy = wczytaj_plik(k + "/Pliki_danych/Bitmapy/" + n);
    EXPECT_FALSE(nowy.empty()) << n;
    EXPECT_EQ(nowy, wczytaj_plik(std::string(GRA_KATALOG_ZRODEL "/Pliki_danych/Bitmapy/") + n)) << n;
  }
}

TEST(GrafikaArkusz, RysunkiTylkoWSwoichKomorkach) {
  const obrazek a = wczytaj("bitmapy.png");
  ASSERT_GE(a.w, 512);
  ASSERT_GE(a.h, 544);
  std::vector<char> dozwolone((size_t)a.w * a.h, 0);
  for (const komorka& c : RYSUNKI) {
    EXPECT_TRUE(niepusta(a, c.x, c.y, c.w, c.h)) << c.x << "," << c.y;
    for (int y = c.y; y < c.y + c.h; ++y)
      for (int x = c.x; x < c.x + c.w; ++x) dozwolone[(size_t)y * a.w + x] = 1;
  }
  for (const kafel& k : kafle_terenu()) {
    EXPECT_TRUE(niepusta(a, k.x, k.y, 40, 40)) << k.x << "," << k.y;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const int c = a.at(k.x + x, k.y + y);
        if (!w_heksie(x, y)) {
          EXPECT_EQ(c, ROZOWY_RGB) << "tile " << k.x << "," << k.y << " at " << x << "," << y;
        } else if (k.caly) {
          EXPECT_NE(c, ROZOWY_RGB) << "hole in tile " << k.x << "," << k.y;
        }
        dozwolone[(size_t)(k.y + y) * a.w + k.x + x] = 1;
      }
  }
  int poza = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < a.w; ++x)
      if (!dozwolone[(size_t)y * a.w + x] && a.at(x, y) != ROZOWY_RGB) ++poza;
  EXPECT_EQ(poza, 0) << "pixels drawn outside every cell";
  for (const char* n : {"wskaznik.png", "nieaktywna.png"}) {
    const obrazek o = wczytaj(n);
    ASSERT_EQ(o.w * o.h, 40 * 40) << n;
    int zle = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) zle += (o.at(x, y) != ROZOWY_RGB) != w_heksie(x, y);
    EXPECT_EQ(zle, 0) << n;
  }
}

// An edge overlay lies on the side of the field that faces its owner: variant v is drawn on
// the neighbour in direction v from the owner (5 right, 6 left, 3 upper-left, 2 lower-left,
// 4 upper-right, 1 lower-right), so its pixels gather opposite that direction.
TEST(GrafikaArkusz, NakladkiBrzegowLezaOdStronyWlasciciela) {
  const obrazek a = wczytaj("bitmapy.png");
  ASSERT_GE(a.h, 544);
  // Direction from the owner to the neighbour, per variant.
  const int kierunek[7][2] = {{0, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 0}, {-1, 0}};
  for (int wiersz : {304, 344, 384, 464, 504})
    for (int v = 1; v <= 6; ++v) {
      double sx = 0, sy = 0;
      int n = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
          if (a.at(40 * v + x, wiersz + y) != ROZOWY_RGB) sx += x + 0.5 - 20, sy += y + 0.5 - 20, ++n;
      ASSERT_GT(n, 60) << "row " << wiersz << " variant " << v;
      sx /= n;
      sy /= n;
      const int kx = kierunek[v][0], ky = kierunek[v][1];
      EXPECT_LT(sx * kx, -2.0) << "row " << wiersz << " variant " << v;
      if (ky != 0) {
        EXPECT_LT(sy * ky, -2.0) << "row " << wiersz << " variant " << v;
      } else {
        EXPECT_LT(sy * sy, 4.0) << "row " << wiersz << " variant " << v;
      }
      EXPECT_LT(n, 40 * 40 * 2 / 3) << "an overlay covers most of the field";
    }
}

// Over the whole map area, with the map view's pointer arithmetic, the mouse map names the
// field whose grass tile the game draws under the pointer (field boxes at 40c + 20(r mod 2) - 11,
// 30r + 2): no gaps, no double cover, no field off by one.
TEST(GrafikaArkusz, MyszTrafiaWNarysowanyKafelNaCalymEkranie) {
  const obrazek a = wczytaj("bitmapy.png");
  const obrazek m = wczytaj("mapa_myszki.png");
  ASSERT_GE(a.h, 544);
  ASSERT_EQ(m.w * m.h, 40 * 60);
  auto przesuniecie = [](int kolor, int& dx, int& dy) {
    const int t[5][3] = {{0xFFFFFF, 0, 0}, {0xFF0000, -1, -1}, {0xFFFF00, 0, -1},
                         {0x00FF00, -1, 1}, {0x0000FF, 0, 1}};
    for (const auto& w : t)
      if (w[0] == kolor) return dx = w[1], dy = w[2], true;
    return false;
  };
  int bledy = 0;
  for (int my = 2; my < 612 && bledy < 5; ++my)
    for (int mx = 0; mx < 1024 && bledy < 5; ++mx) {
      const int fx = (mx + 11) / 40, fy = ((my - 2) / 60) * 2;
      int dx = 0, dy = 0;
      ASSERT_TRUE(przesuniecie(m.at((mx + 11) % 40, (my - 2) % 60), dx, dy));
      const int c = fx + dx, r = fy + dy;
      int ile = 0, kc = -9, kr = -9;  // fields whose drawn tile covers the pixel
      for (int rr = fy - 1; rr <= fy + 2; ++rr)
        for (int cc = fx - 1; cc <= fx + 1; ++cc) {
          if (rr < 0) continue;
          const int x = mx - (40 * cc + 20 * (rr % 2) - 11), y = my - (30 * rr + 2);
          if (x < 0 || y < 0 || x >= 40 || y >= 40 || a.at(x, 304 + y) == ROZOWY_RGB) continue;
          ++ile, kc = cc, kr = rr;
        }
      if (r < 0) continue;  // the row above the window is never drawn
      if (ile != 1 || kc != c || kr != r) {
        ++bledy;
        ADD_FAILURE() << "pointer " << mx << "," << my << ": mouse map names " << c << "," << r
                      << ", drawn " << ile << " tile(s), last " << kc << "," << kr;
      }
    }
}

}  // namespace
