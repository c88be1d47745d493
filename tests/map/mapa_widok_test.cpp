// The map view through a recording graphics context: the window, the field under the
// pointer and edge scrolling.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "mapa.h"
#include "srodowisko.h"

namespace {

// A 40 x 60 mouse map: white, with a red and a yellow block at the top, green and blue at
// the bottom, and one pixel of a colour the mouse map never uses.
class grafika_z_myszka : public grafika_nagrywajaca {
 public:
  grafika_z_myszka() {
    przygotuj_allegro();
    mapa_myszki = create_bitmap(40, 60);
    clear_to_color(mapa_myszki, makecol(255, 255, 255));
    rectfill(mapa_myszki, 0, 0, 9, 4, makecol(255, 0, 0));
    rectfill(mapa_myszki, 30, 0, 39, 4, makecol(255, 255, 0));
    rectfill(mapa_myszki, 0, 50, 19, 59, makecol(0, 255, 0));
    rectfill(mapa_myszki, 20, 50, 39, 59, makecol(0, 0, 255));
    putpixel(mapa_myszki, 20, 20, makecol(0x12, 0x34, 0x56));
  }
  ~grafika_z_myszka() override { destroy_bitmap(mapa_myszki), mapa_myszki = nullptr; }
};

long czas_widoku = 0;
long zegar_widoku() { return czas_widoku; }

struct Widok : ::testing::Test {
  grafika_z_myszka g;
  std::unique_ptr<mapa> m;
  void SetUp() override {
    const std::string sciezka = katalog_tymczasowy() + "/v.map";
    zapisz_plik(sciezka, std::string(LICZBA_POL, '1'));
    m.reset(new mapa(&g, sciezka.c_str()));
    g.ustaw_zegar(zegar_widoku);
  }
  void TearDown() override { g.ustaw_zegar(nullptr); }
  std::pair<float, float> srodek() const { return {m->pobierz_srodek().rx(), m->pobierz_srodek().ry()}; }
};

// The window centres on the view's centre and stops at the map's edges; at the far corner it
// starts on an even column (34, not 33) and shows 26 columns of 20 rows.
TEST_F(Widok, OknoDlaSrodkaIPrzyKrawedziach) {
  m->zmien_pole(40, 45, '9');  // no terrain: nothing drawn there
  // centre, the window's first field, its columns
  const int przypadki[][5] = {{13, 10, 0, 0, 27}, {30, 24, 17, 14, 27}, {47, 50, 34, 40, 26}};
  for (const auto& c : przypadki) {
    m->ustaw_srodek(punkt(c[0], c[1]));
    g.wyczysc();
    m->pokaz();
    int trawa = 0;
    for (const auto& w : g.wywolania) trawa += w.co == "pole" && w.a == pole_trawa && w.d == 0;
    EXPECT_EQ(std::make_tuple(m->start_ekranu().rx(), m->start_ekranu().ry(), trawa),
              std::make_tuple((float)c[2], (float)c[3], c[4] * 20 - (c[2] == 34))) << c[0] << "," << c[1];
  }
}

// Pointer position for a mouse-map pixel (px, py) of field column fx and even row fy.
int mysz_x(int fx, int px) { return 40 * fx + px - 11; }
int mysz_y(int fy, int py) { return 30 * fy + py + 2; }

// Each mouse-map colour names the even-row field or one of its odd-row neighbours; at the
// map's top-left the field is held to (0, 0) and beyond its last row the window's centre is
// answered; only a field inside the window is highlighted.
TEST_F(Widok, PolePodPunktem) {
  // centre, pointer, field, highlights
  const int przypadki[][7] = {
      {20, 20, mysz_x(5, 15), mysz_y(6, 15), 5, 6, 1},  // white
      {20, 20, mysz_x(5, 2), mysz_y(6, 2), 4, 5, 1},    // red: above, left
      {20, 20, mysz_x(5, 35), mysz_y(6, 2), 5, 5, 1},   // yellow: above, right
      {20, 20, mysz_x(5, 5), mysz_y(6, 55), 4, 7, 1},   // green: below, left
      {20, 20, mysz_x(5, 25), mysz_y(6, 55), 5, 7, 1},  // blue: below, right
      {20, 20, mysz_x(5, 20), mysz_y(6, 20), 5, 6, 1},  // an unused colour counts as white
      {20, 20, 100, 0, 2, 0, 1},
      {20, 20, mysz_x(0, 2), mysz_y(0, 2), 0, 0, 0},      // (-1, -1)
      {20, 20, mysz_x(26, 25), mysz_y(18, 55), 26, 19, 1},  // the window's last field
      {20, 20, mysz_x(5, 15), mysz_y(2, 0), 5, 2, 1},       // the first pixel of a band
      {20, 20, 500, 650, 12, 20, 0},                        // over the command panel
      {47, 50, mysz_x(10, 15), mysz_y(20, 15), 13, 10, 0},  // row 60
  };
  for (const auto& p : przypadki) {
    m->ustaw_srodek(punkt(p[0], p[1]));
    m->pokaz();
    g.wyczysc();
    const punkt f = m->pole_pod_punktem(p[2], p[3], true);
    EXPECT_EQ(std::make_tuple(f.rx(), f.ry(), g.ile("pole")),
              std::make_tuple((float)p[4], (float)p[5], p[6])) << p[2] << "," << p[3];
  }
}

// Each band moves the view by its step at once; the next step waits for the beat.
TEST_F(Widok, PrzewijaniePasamiWRytmieZegara) {
  const int przypadki[][4] = {  // pointer, step
      {924, 300, 0, 0},  {925, 300, 1, 0},  {1014, 300, 1, 0}, {1015, 300, 2, 0},
      {100, 300, 0, 0},  {99, 300, -1, 0},  {10, 300, -1, 0},  {9, 300, -2, 0},
      {500, 766, 0, 0},  {500, 767, 0, 2},  {500, 768, 0, 4},  {500, 100, 0, 0},
      {500, 99, 0, -2},  {500, 10, 0, -2},  {500, 9, 0, -4},   {1020, 768, 2, 4},
  };
  for (const auto& p : przypadki) {
    m->ustaw_srodek(punkt(20, 20));
    m->wysrodkuj_dla(500, 300);  // the pointer arrives from the middle of the screen
    czas_widoku += 1000;
    for (int krok = 1; krok <= 2; ++krok, czas_widoku += 1) {
      const std::pair<float, float> oczekiwany(20 + krok * p[2], 20 + krok * p[3]);
      m->wysrodkuj_dla(p[0], p[1]);
      EXPECT_EQ(srodek(), oczekiwany) << p[0] << "," << p[1];
      czas_widoku += mapa::OKRES_PRZEWIJANIA - 1;
      m->wysrodkuj_dla(p[0], p[1]);
      EXPECT_EQ(srodek(), oczekiwany) << "too early";
    }
  }
  // At 20 passes a second the view still steps once a beat, and it stops at the map's edges.
  m->wysrodkuj_dla(500, 300);
  m->ustaw_srodek(punkt(13, 20));
  for (int i = 0; i < 40; i++, czas_widoku += 50) m->wysrodkuj_dla(1000, 300);
  EXPECT_NEAR(srodek().first - 13, 40.0 * 50 / mapa::OKRES_PRZEWIJANIA, 1.0);
  for (int i = 0; i < 200; i++, czas_widoku += 50) m->wysrodkuj_dla(1023, 768);
  EXPECT_EQ(srodek(), std::make_pair(47.0f, 50.0f));
  for (int i = 0; i < 200; i++, czas_widoku += 50) m->wysrodkuj_dla(0, 0);
  EXPECT_EQ(srodek(), std::make_pair(13.0f, 10.0f));
}

}  // namespace
