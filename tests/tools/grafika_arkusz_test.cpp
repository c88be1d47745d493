// The picture sheet, the mouse map and the field overlays as the game reads them: the
// generator reproduces the committed files, every drawing keeps to its cell, terrain stays
// inside its hexagon and the mouse map names the field that is drawn under the pointer.
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

TEST(grafika_arkusz, generator_daje_zapisane_bajty) {
  const std::string k = katalog_tymczasowy();
  const std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_grafika ") + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  for (const char* n : {"bitmapy.png", "mapa_myszki.png", "wskaznik.png", "nieaktywna.png"}) {
    const std::string nowy = wczytaj_plik(k + "/Pliki_danych/Bitmapy/" + n);
    EXPECT_FALSE(nowy.empty()) << n;
    EXPECT_EQ(nowy, wczytaj_plik(std::string(GRA_KATALOG_ZRODEL "/Pliki_danych/Bitmapy/") + n)) << n;
  }
}

TEST(grafika_arkusz, rysunki_tylko_w_swoich_komorkach) {
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
}

TEST(grafika_arkusz, animacje_zmieniaja_sie_w_kazdej_klatce) {
  const obrazek a = wczytaj("bitmapy.png");
  ASSERT_GE(a.h, 544);
  for (int wiersz : {184, 224, 264, 424})
    for (int f = 0; f < 8; ++f) {
      const int g = (f + 1) % 8;  // also frame 7 to 0: the loop must not stand still
      int rozne = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) rozne += a.at(40 * f + x, wiersz + y) != a.at(40 * g + x, wiersz + y);
      EXPECT_GT(rozne, 8) << "row " << wiersz << " frame " << f;
      EXPECT_LT(rozne, 1200) << "row " << wiersz << " frame " << f << " jumps";
    }
}

// An edge overlay lies on the side of the field that faces its owner: variant v is drawn on
// the neighbour in direction v from the owner (5 right, 6 left, 3 upper-left, 2 lower-left,
// 4 upper-right, 1 lower-right), so its pixels gather opposite that direction.
TEST(grafika_arkusz, nakladki_brzegow_leza_od_strony_wlasciciela) {
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

TEST(grafika_arkusz, mapa_myszki_wskazuje_narysowane_pole) {
  const obrazek m = wczytaj("mapa_myszki.png");
  ASSERT_EQ(m.w, 40);
  ASSERT_EQ(m.h, 60);
  struct przesuniecie {
    int kolor, dx, dy;
  };
  const przesuniecie tabela[] = {{0xFFFFFF, 0, 0}, {0xFF0000, -1, -1}, {0xFFFF00, 0, -1},
                                 {0x00FF00, -1, 1}, {0x0000FF, 0, 1}};
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 40; ++x) {
      const int c = m.at(x, y);
      EXPECT_EQ(c == 0xFFFFFF, y < 40 && w_heksie(x, y)) << x << "," << y;
      // The field the lookup names must be the one whose hexagon is drawn over the pixel:
      // the field (dx, dy) of the even-row box at the map's corner.
      const przesuniecie* p = nullptr;
      for (const przesuniecie& t : tabela)
        if (t.kolor == c) p = &t;
      ASSERT_NE(p, nullptr) << "colour " << std::hex << c << " at " << std::dec << x << "," << y;
      const int bx = p->dx * 40 + (p->dy != 0 ? 20 : 0), by = p->dy * 30;
      EXPECT_TRUE(w_heksie(x - bx, y - by)) << x << "," << y;
    }
}

// Over the whole map area, with the map view's pointer arithmetic, the mouse map names the
// field whose grass tile the game draws under the pointer (field boxes at 40c + 20(r mod 2) - 11,
// 30r + 2): no gaps, no double cover, no field off by one.
TEST(grafika_arkusz, mysz_trafia_w_narysowany_kafel_na_calym_ekranie) {
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

// Equal tiles laid in the staggered grid must join without visible seams: neighbouring
// pixels that belong to two different tiles differ no more than neighbours inside a tile.
TEST(grafika_arkusz, rowne_kafle_lacza_sie_bez_szwow) {
  const obrazek a = wczytaj("bitmapy.png");
  ASSERT_GE(a.h, 544);
  auto roznica = [](int p, int q) {
    int d = 0;
    for (int s = 0; s < 24; s += 8) d += std::abs(((p >> s) & 255) - ((q >> s) & 255));
    return d;
  };
  for (int wiersz : {184, 224, 264, 304, 344, 384, 424, 464}) {
    // A 6x6 patch of fields; each screen pixel remembers the field and colour drawn there.
    const int W = 260, H = 200;
    std::vector<int> kolor(W * H, -1), pole(W * H, -1);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 6; ++c)
        for (int y = 0; y < 40; ++y)
          for (int x = 0; x < 40; ++x) {
            const int k = a.at(x, wiersz + y);
            if (k == ROZOWY_RGB) continue;
            const int sx = 40 * c + 20 * (r % 2) + x, sy = 30 * r + y;
            kolor[sy * W + sx] = k;
            pole[sy * W + sx] = r * 6 + c;
          }
    double wewnatrz = 0, szew = 0;
    int ile_w = 0, ile_s = 0;
    for (int y = 0; y < H - 1; ++y)
      for (int x = 0; x < W - 1; ++x)
        for (int d = 0; d < 2; ++d) {
          const int i = y * W + x, j = d ? i + 1 : i + W;
          if (pole[i] < 0 || pole[j] < 0) continue;
          const int r = roznica(kolor[i], kolor[j]);
          if (pole[i] == pole[j]) wewnatrz += r, ++ile_w;
          else szew += r, ++ile_s;
        }
    ASSERT_GT(ile_s, 100) << "row " << wiersz << ": the tiles do not meet";
    EXPECT_LT(szew / ile_s, 1.6 * wewnatrz / ile_w + 6) << "row " << wiersz << " shows seams";
  }
}

TEST(grafika_arkusz, wskaznik_i_nieaktywna_to_pelne_heksy) {
  for (const char* n : {"wskaznik.png", "nieaktywna.png"}) {
    const obrazek o = wczytaj(n);
    ASSERT_EQ(o.w, 40) << n;
    ASSERT_EQ(o.h, 40) << n;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) EXPECT_EQ(o.at(x, y) != ROZOWY_RGB, w_heksie(x, y)) << n << " " << x << "," << y;
  }
}

}  // namespace
