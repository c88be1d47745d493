// Writes the four battlefields Pliki_danych/Mapy/map1.map .. map4.map below the given root:
// 3600 terrain characters each ('1' grass, '2' forest, '3' water, '4' lava, '5' mountains,
// '6' scorched ground, '7' stone, '8' sand), row 0 first.
//
// Castle sites (side 1 in the west, side 2 in the east; also in wspolne/mapy_miejsca.h):
//   map1 "river valley":   (8, 30) and (51, 30). A river runs north to south through the
//                          middle with three sandy fords (rows about 12, 30 and 48).
//   map2 "mountain pass":  (8, 14) and (51, 46). Two mountain ridges run north to south
//                          with passes; a lake lies between them.
//   map3 "volcano":        (8, 46) and (51, 14). A volcano with lava fields and scorched
//                          ground fills the centre; stone and forest around it.
//   map4 "desert lakes":   (9, 30) and (50, 30). Green forested west, sandy east with oasis
//                          lakes, a river from the north ending in a lake, rocky outcrops.
// Every site is grass two fields deep, and a land path (no water) joins the two sites.
#include <cmath>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "mapy_miejsca.h"
#include "obraz.h"

namespace {

const int N = 60;

struct teren {
  char p[N][N];
  teren() {
    for (auto& w : p)
      for (char& c : w) c = '1';
  }
  bool czy_wewnatrz(int x, int y) const { return x >= 0 && y >= 0 && x < N && y < N; }
  char pobierz(int x, int y) const { return czy_wewnatrz(x, y) ? p[y][x] : 0; }
  void ustaw(int x, int y, char c) {
    if (czy_wewnatrz(x, y)) p[y][x] = c;
  }
};

// Hex distance between fields of the offset grid (odd rows shifted right).
int odleglosc(int x1, int y1, int x2, int y2) {
  const int q1 = x1 - (y1 - (y1 & 1)) / 2, q2 = x2 - (y2 - (y2 & 1)) / 2;
  const int dq = q2 - q1, dr = y2 - y1;
  return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}

void sasiad_pola(int x, int y, int k, int& nx, int& ny) {
  const int p = y & 1;
  static const int dx[6][2] = {{-1, -1}, {1, 1}, {-1, 0}, {0, 1}, {-1, 0}, {0, 1}};
  static const int dy[6] = {0, 0, -1, -1, 1, 1};
  nx = x + dx[k][p];
  ny = y + dy[k];
}

// Smooth value noise 0..1: random values on a coarse lattice, blended with smoothstep,
// three octaves.
struct szum {
  std::vector<double> v;
  szum(losowe& los, int skala) : skala(skala) {
    for (int o = 0; o < 3; o++)
      for (int i = 0; i < 32 * 32; i++) v.push_back(los.ulamek());
  }
  double oktawa(int o, double x, double y) const {
    const int ix = (int)x, iy = (int)y;
    const double fx = x - ix, fy = y - iy;
    auto w = [&](int a, int b) { return v[o * 1024 + ((b & 31) * 32 + (a & 31))]; };
    auto g = [](double t) { return t * t * (3 - 2 * t); };
    const double a = w(ix, iy) + (w(ix + 1, iy) - w(ix, iy)) * g(fx);
    const double b = w(ix, iy + 1) + (w(ix + 1, iy + 1) - w(ix, iy + 1)) * g(fx);
    return a + (b - a) * g(fy);
  }
  double operator()(int x, int y) const {
    double s = 0, waga = 0, m = 1.0 / skala, amp = 1;
    for (int o = 0; o < 3; o++, m *= 2, amp *= 0.5) {
      s += amp * oktawa(o, x * m, y * m);
      waga += amp;
    }
    return s / waga;
  }
  int skala;
};

void kolo(teren& t, int cx, int cy, int r, char c) {
  for (int y = cy - r - 1; y <= cy + r + 1; y++)
    for (int x = cx - r - 1; x <= cx + r + 1; x++)
      if (t.czy_wewnatrz(x, y) && odleglosc(cx, cy, x, y) <= r) t.ustaw(x, y, c);
}

// A meandering band from the top edge to the bottom edge around column x0.
std::vector<int> meander(losowe& los, int x0, int rozrzut) {
  std::vector<int> srodki(N);
  double x = x0, kierunek = 0;
  for (int y = 0; y < N; y++) {
    kierunek += (los.ulamek() - 0.5) * 0.6;
    if (kierunek > 0.8) kierunek = 0.8;
    if (kierunek < -0.8) kierunek = -0.8;
    x += kierunek;
    if (x > x0 + rozrzut) { x = x0 + rozrzut; kierunek = -0.3; }
    if (x < x0 - rozrzut) { x = x0 - rozrzut; kierunek = 0.3; }
    srodki[y] = (int)std::lround(x);
  }
  return srodki;
}

void pas(teren& t, const std::vector<int>& srodki, int szer, char c) {
  for (int y = 0; y < N; y++)
    for (int x = srodki[y] - szer / 2; x < srodki[y] - szer / 2 + szer; x++) t.ustaw(x, y, c);
}

// Turns fields of 'co' next to 'sasiad' into 'na' with the given chance.
void obrzeze(teren& t, losowe& los, char co, char sasiad, char na, double szansa) {
  teren kopia = t;
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      if (kopia.p[y][x] != co) continue;
      for (int k = 0; k < 6; k++) {
        int nx, ny;
        sasiad_pola(x, y, k, nx, ny);
        if (kopia.pobierz(nx, ny) == sasiad) {
          if (los.ulamek() < szansa) t.p[y][x] = na;
          break;
        }
      }
    }
}

// Removes single fields surrounded by a different terrain: they read as noise on screen.
void wygladz(teren& t) {
  teren kopia = t;
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      int ile = 0, wewnatrz = 0;
      char inny = 0;
      for (int k = 0; k < 6; k++) {
        int nx, ny;
        sasiad_pola(x, y, k, nx, ny);
        const char c = kopia.pobierz(nx, ny);
        if (!c) continue;
        wewnatrz++;
        if (c == kopia.p[y][x]) ile++;
        else inny = c;
      }
      if (ile == 0 && wewnatrz > 0) t.p[y][x] = inny;
    }
}

// Grass two fields deep around a castle site, no water within four.
void miejsce(teren& t, int cx, int cy) {
  for (int y = cy - 5; y <= cy + 5; y++)
    for (int x = cx - 5; x <= cx + 5; x++) {
      if (!t.czy_wewnatrz(x, y)) continue;
      const int d = odleglosc(cx, cy, x, y);
      if (d <= 2) t.ustaw(x, y, '1');
      else if (d <= 4 && t.pobierz(x, y) == '3') t.ustaw(x, y, '1');
    }
}

bool czy_droga(const teren& t, const miejsce_zamku& m) {
  std::vector<char> byl(N * N, 0);
  std::deque<int> kolejka{m.y1 * N + m.x1};
  byl[m.y1 * N + m.x1] = 1;
  while (!kolejka.empty()) {
    const int i = kolejka.front();
    kolejka.pop_front();
    if (i == m.y2 * N + m.x2) return true;
    for (int k = 0; k < 6; k++) {
      int nx, ny;
      sasiad_pola(i % N, i / N, k, nx, ny);
      if (!t.czy_wewnatrz(nx, ny) || byl[ny * N + nx] || t.p[ny][nx] == '3') continue;
      byl[ny * N + nx] = 1;
      kolejka.push_back(ny * N + nx);
    }
  }
  return false;
}

// Shallow crossing of a north-south river: sand over the water of a few rows.
void brod(teren& t, int y0, int wys) {
  for (int y = y0; y < y0 + wys; y++)
    for (int x = 0; x < N; x++)
      if (t.p[y][x] == '3') t.p[y][x] = '8';
}

teren mapa_rzeki() {
  losowe los(1101);
  teren t;
  szum las(los, 7), gory(los, 9);
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      if (las(x, y) > 0.6) t.p[y][x] = '2';
      const double g = gory(x, y);
      const bool naroze = (x > 36 && y < 22) || (x < 24 && y > 38);
      if (naroze && g > 0.63) t.p[y][x] = '5';
      else if (naroze && g > 0.58) t.p[y][x] = '7';
    }
  pas(t, meander(los, 30, 6), 2, '3');
  // A tributary from the north-west joining the river.
  std::vector<int> doplyw = meander(los, 16, 4);
  for (int y = 0; y < 22; y++) t.ustaw(doplyw[y], y, '3');
  for (int x = doplyw[21]; x < 30; x++) t.ustaw(x, 22, '3');
  obrzeze(t, los, '1', '3', '8', 0.55);
  obrzeze(t, los, '2', '3', '8', 0.3);
  brod(t, 11, 2);
  brod(t, 29, 3);
  brod(t, 47, 2);
  wygladz(t);
  return t;
}

teren mapa_przeleczy() {
  losowe los(2202);
  teren t;
  szum kamien(los, 6), las(los, 8);
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      if (kamien(x, y) > 0.64) t.p[y][x] = '7';
      if (las(x, y) > 0.6 && x < 34) t.p[y][x] = '2';
      else if (las(x, y) > 0.68) t.p[y][x] = '2';
    }
  pas(t, meander(los, 20, 4), 3, '5');
  pas(t, meander(los, 41, 4), 3, '5');
  obrzeze(t, los, '1', '5', '7', 0.45);
  obrzeze(t, los, '2', '5', '7', 0.3);
  // Passes through the ridges: stony ground.
  const int przejscia[][3] = {{20, 7, 3}, {20, 37, 4}, {41, 20, 3}, {41, 49, 4}};
  for (const auto& p : przejscia)
    for (int y = p[1]; y < p[1] + p[2]; y++)
      for (int x = p[0] - 5; x <= p[0] + 5; x++)
        if (t.pobierz(x, y) == '5') t.ustaw(x, y, '7');
  // The lake between the ridges, with a stream running south from it.
  kolo(t, 30, 27, 4, '3');
  kolo(t, 33, 30, 3, '3');
  std::vector<int> strumien = meander(los, 32, 3);
  for (int y = 33; y < N; y++) t.ustaw(strumien[y], y, '3');
  obrzeze(t, los, '1', '3', '8', 0.7);
  obrzeze(t, los, '7', '3', '8', 0.5);
  wygladz(t);
  return t;
}

teren mapa_wulkanu() {
  losowe los(3303);
  teren t;
  szum spalenie(los, 8), lawa(los, 5), las(los, 6);
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      const double d = odleglosc(30, 30, x, y) / 30.0;
      const double s = spalenie(x, y) + 0.55 - d;
      if (s > 0.72 && lawa(x, y) > 0.5) t.p[y][x] = '4';
      else if (s > 0.62) t.p[y][x] = '6';
      else if (s > 0.5) t.p[y][x] = '7';
      else if (las(x, y) > 0.6) t.p[y][x] = '2';
    }
  // The volcano: a mountain ring around a lava crater, broken to the south-west.
  kolo(t, 30, 29, 5, '5');
  kolo(t, 30, 29, 2, '4');
  for (int y = 31; y < 36; y++)
    for (int x = 24; x < 30; x++)
      if (t.pobierz(x, y) == '5' && (x + y) % 3 != 0) t.ustaw(x, y, '4');
  obrzeze(t, los, '7', '5', '6', 0.4);
  obrzeze(t, los, '1', '4', '6', 0.8);
  obrzeze(t, los, '2', '4', '6', 0.8);
  // A cold lake in the far north-west and one in the south-east.
  kolo(t, 10, 8, 3, '3');
  kolo(t, 49, 51, 3, '3');
  obrzeze(t, los, '1', '3', '8', 0.6);
  wygladz(t);
  return t;
}

teren mapa_pustyni() {
  losowe los(4404);
  teren t;
  szum granica(los, 10), las(los, 6), skaly(los, 5), oazy(los, 7);
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) {
      const double pustynia = (x - 30) / 14.0 + (granica(x, y) - 0.5) * 2.0;
      if (pustynia > 0.3) {
        t.p[y][x] = '8';
        if (skaly(x, y) > 0.66) t.p[y][x] = '7';
        if (skaly(x, y) > 0.74) t.p[y][x] = '5';
        if (oazy(x, y) > 0.74) t.p[y][x] = '3';
      } else if (las(x, y) > 0.56) {
        t.p[y][x] = '2';
      }
    }
  // A river from the north edge into a lake in the south.
  std::vector<int> rzeka = meander(los, 24, 5);
  for (int y = 0; y < 44; y++) {
    t.ustaw(rzeka[y], y, '3');
    if (y > 20) t.ustaw(rzeka[y] + 1, y, '3');
  }
  kolo(t, rzeka[43], 47, 4, '3');
  obrzeze(t, los, '8', '3', '1', 0.7);  // green rims round the oases
  obrzeze(t, los, '1', '3', '8', 0.35);
  brod(t, 14, 2);
  brod(t, 29, 3);
  wygladz(t);
  return t;
}

bool zapisz_mape(const std::string& sciezka, const teren& t) {
  if (!utworz_katalogi_dla(sciezka)) return false;
  FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  bool dobrze = std::fwrite(t.p, 1, sizeof(t.p), f) == sizeof(t.p);
  return (std::fclose(f) == 0) && dobrze;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output-root>\n", argv[0]);
    return 2;
  }
  teren (*const tworcy[4])() = {mapa_rzeki, mapa_przeleczy, mapa_wulkanu, mapa_pustyni};
  for (int i = 0; i < 4; i++) {
    teren t = tworcy[i]();
    const miejsce_zamku& m = MIEJSCA_ZAMKOW[i];
    miejsce(t, m.x1, m.y1);
    miejsce(t, m.x2, m.y2);
    if (!czy_droga(t, m)) {
      std::fprintf(stderr, "map%d: no land path between the castles\n", i + 1);
      return 1;
    }
    const std::string sciezka =
        std::string(argv[1]) + "/Pliki_danych/Mapy/map" + std::to_string(i + 1) + ".map";
    if (!zapisz_mape(sciezka, t)) {
      std::fprintf(stderr, "cannot write %s\n", sciezka.c_str());
      return 1;
    }
  }
  return 0;
}
