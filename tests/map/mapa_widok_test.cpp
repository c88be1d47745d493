// The map view through a recording graphics context: window, passes, edge overlays, mouse,
// scrolling, minimap and the map editor keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <sys/stat.h>

#include "mapa.h"
#include "srodowisko.h"

namespace {

// A recording context with a synthetic 40 x 60 mouse map: white everywhere except a red
// and a yellow block at the top, green and blue blocks at the bottom and one pixel of a
// colour the mouse map never uses.
class grafika_z_myszka : public grafika_nagrywajaca {
 public:
  grafika_z_myszka() {
    mapa_myszki = create_bitmap(40, 60);
    clear_to_color(mapa_myszki, makecol(255, 255, 255));
    rectfill(mapa_myszki, 0, 0, 9, 4, makecol(255, 0, 0));
    rectfill(mapa_myszki, 30, 0, 39, 4, makecol(255, 255, 0));
    rectfill(mapa_myszki, 0, 50, 19, 59, makecol(0, 255, 0));
    rectfill(mapa_myszki, 20, 50, 39, 59, makecol(0, 0, 255));
    putpixel(mapa_myszki, 20, 20, makecol(0x12, 0x34, 0x56));
  }
  ~grafika_z_myszka() override {
    destroy_bitmap(mapa_myszki);
    mapa_myszki = nullptr;
  }
};

struct Widok : ::testing::Test {
  std::string katalog;
  std::unique_ptr<grafika_z_myszka> g;
  void SetUp() override {
    przygotuj_allegro();
    katalog = katalog_tymczasowy();
    g.reset(new grafika_z_myszka());
  }
  // A map of one terrain with a few fields changed.
  std::unique_ptr<mapa> zrob(char tlo) {
    const std::string sciezka = katalog + "/v.map";
    zapisz_plik(sciezka, std::string(LICZBA_POL, tlo));
    return std::unique_ptr<mapa>(new mapa(g.get(), sciezka.c_str()));
  }
  std::vector<wywolanie_rysowania> pola(int rodzaj) const {
    std::vector<wywolanie_rysowania> w;
    for (const auto& c : g->wywolania)
      if (c.co == "pole" && c.a == rodzaj) w.push_back(c);
    return w;
  }
};

// The window centres on the view's centre and stops at the map's edges; at the far corner it
// starts on an even column (34, not 33) and shows 26 columns.
TEST_F(Widok, OknoDlaSrodkaIPrzyKrawedziach) {
  auto m = zrob('1');
  const struct {
    float sx, sy;
    int x0, y0, kolumny;
  } przypadki[] = {{13, 10, 0, 0, 27}, {30, 24, 17, 14, 27}, {47, 50, 34, 40, 26}};
  for (const auto& c : przypadki) {
    m->ustaw_srodek(punkt(c.sx, c.sy));
    g->wyczysc();
    m->pokaz();
    EXPECT_EQ(std::make_pair(m->start_ekranu().rx(), m->start_ekranu().ry()),
              std::make_pair((float)c.x0, (float)c.y0)) << c.sx << "," << c.sy;
    const auto t = pola(pole_trawa);
    ASSERT_EQ(t.size(), (size_t)(c.kolumny * 20));
    EXPECT_EQ(std::make_pair(t.back().b, t.back().c), std::make_pair(c.kolumny - 1, 19));
  }
  EXPECT_TRUE(m->czy_na_ekranie(34, 40));
  EXPECT_TRUE(m->czy_na_ekranie(61, 60));
  EXPECT_FALSE(m->czy_na_ekranie(33, 45));
  EXPECT_FALSE(m->czy_na_ekranie(40, 39));
}

// Flat ground first, then forest and mountains, each at its place in the window, which here
// starts at (17, 14).
TEST_F(Widok, PrzebiegiLasIGoryPoPlaskimTerenie) {
  auto m = zrob('7');
  m->zmien_pole(20, 17, '2');
  m->zmien_pole(22, 19, '5');
  m->zmien_pole(23, 20, '9');  // not terrain: drawn as nothing
  m->ustaw_srodek(punkt(30, 24));
  m->pokaz();
  int ostatni_plaski = -1, las = -1, gory = -1, nieznane = 0;
  for (int i = 0; i < (int)g->wywolania.size(); i++) {
    const auto& w = g->wywolania[i];
    if (w.a == pole_kamien && w.d == 0) ostatni_plaski = i;
    if (w.a == pole_las && w.d == 0 && w.b == 3 && w.c == 3) las = i;
    if (w.a == pole_gory && w.d == 0 && w.b == 5 && w.c == 5) gory = i;
    if (w.b == 6 && w.c == 6) nieznane++;
  }
  EXPECT_EQ(ostatni_plaski, 27 * 20 - 3 - 1);
  EXPECT_GT(las, ostatni_plaski);
  EXPECT_GT(gory, las);
  EXPECT_EQ(nieznane, 0);
}

TEST_F(Widok, NakladkiKrawedziWKolejnosciKierunkow) {
  auto m = zrob('3');
  m->zmien_pole(5, 4, '1');  // grass in water, even row
  m->pokaz();
  auto n = pola(pole_trawa);
  std::vector<wywolanie_rysowania> nakladki;
  for (const auto& w : n)
    if (w.d != 0) nakladki.push_back(w);
  // right, left, upper-left, lower-left, upper-right, lower-right; the water on the left sees
  // the grass to its right as variant 6
  const int oczekiwane[6][3] = {{6, 4, 5}, {4, 4, 6}, {4, 3, 3}, {4, 5, 2}, {5, 3, 4}, {5, 5, 1}};
  ASSERT_EQ(nakladki.size(), 6u);
  for (int i = 0; i < 6; i++)
    EXPECT_EQ(std::make_tuple(nakladki[i].b, nakladki[i].c, nakladki[i].d),
              std::make_tuple(oczekiwane[i][0], oczekiwane[i][1], oczekiwane[i][2])) << i;
}

TEST_F(Widok, NakladkiZbiorySasiadowIKrawedzieMapy) {
  auto m = zrob('1');
  m->zmien_pole(0, 0, '8');   // sand spills over grass, but not off the map
  m->zmien_pole(10, 9, '6');  // scorched ground borrows the stone edge over water
  m->zmien_pole(11, 9, '3');
  m->zmien_pole(9, 9, '8');   // sand next to scorched ground: sand's edge over it
  m->zmien_pole(27, 5, '8');  // outside the window: no owner
  m->zmien_pole(26, 5, '3');
  m->pokaz();
  auto nakladki_na = [&](int rodzaj, int x, int y) {
    int n = 0;
    for (const auto& w : pola(rodzaj)) n += w.d != 0 && w.b == x && w.c == y;
    return n;
  };
  int piasek_poza_mapa = 0;
  for (const auto& w : pola(pole_piasek)) piasek_poza_mapa += w.d != 0 && (w.b < 0 || w.c < 0);
  EXPECT_EQ(piasek_poza_mapa, 0);
  EXPECT_EQ(nakladki_na(pole_piasek, 1, 0) + nakladki_na(pole_piasek, 0, 1), 2);
  EXPECT_EQ(nakladki_na(pole_kamien, 11, 9), 1);
  EXPECT_EQ(nakladki_na(pole_piasek, 26, 5), 0);
  // The water at (26, 5) still gets the edge of the grass at (25, 5) inside the window.
  EXPECT_GT(nakladki_na(pole_trawa, 26, 5), 0);
}

// Pointer position for a mouse-map pixel (px, py) of field column fx and even row fy.
int mysz_x(int fx, int px) { return 40 * fx + px - 11; }
int mysz_y(int fy, int py) { return 30 * fy + py + 2; }

TEST_F(Widok, PolePodPunktemDlaKazdegoKoloru) {
  auto m = zrob('1');
  m->ustaw_srodek(punkt(20, 20));
  m->pokaz();
  struct przypadek {
    int px, py, c, r;
  };
  const przypadek przypadki[] = {
      {15, 15, 5, 6},  // white: the even-row field
      {2, 2, 4, 5},    // red: odd row above, left
      {35, 2, 5, 5},   // yellow: odd row above, right
      {5, 55, 4, 7},   // green: odd row below, left
      {25, 55, 5, 7},  // blue: odd row below, right
      {20, 20, 5, 6},  // a colour the mouse map does not use counts as white
  };
  for (const przypadek& p : przypadki) {
    const punkt f = m->pole_pod_punktem(mysz_x(5, p.px), mysz_y(6, p.py), false);
    EXPECT_EQ(std::make_pair(f.rx(), f.ry()), std::make_pair((float)p.c, (float)p.r)) << p.px << "," << p.py;
  }
  g->wyczysc();
  m->pole_pod_punktem(mysz_x(5, 15), mysz_y(6, 15), true);
  ASSERT_EQ(pola(pole_wskaznik).size(), 1u);
  EXPECT_EQ(std::make_pair(pola(pole_wskaznik)[0].b, pola(pole_wskaznik)[0].c), std::make_pair(5, 6));

  // Pointer in the top two pixel rows: white, the top even row.
  punkt f = m->pole_pod_punktem(100, 0, false);
  EXPECT_EQ(std::make_pair(f.rx(), f.ry()), std::make_pair(2.0f, 0.0f));
  // Red at the top-left corner gives (-1, -1), reported as (0, 0) and not highlighted.
  g->wyczysc();
  f = m->pole_pod_punktem(mysz_x(0, 2), mysz_y(0, 2), true);
  EXPECT_EQ(std::make_pair(f.rx(), f.ry()), std::make_pair(0.0f, 0.0f));
  EXPECT_EQ(g->ile("pole"), 0);
  // Beyond the map's last row: the window's centre, not highlighted.
  m->ustaw_srodek(punkt(47, 50));
  m->pokaz();
  g->wyczysc();
  f = m->pole_pod_punktem(mysz_x(10, 15), mysz_y(20, 15), true);  // row 60
  EXPECT_EQ(std::make_pair(f.rx(), f.ry()), std::make_pair(13.0f, 10.0f));
  EXPECT_EQ(g->ile("pole"), 0);
}

TEST_F(Widok, PolePodMyszkaIKlawiszeEdytora) {
  auto m = zrob('1');
  m->ustaw_srodek(punkt(25, 18));  // window starts at (12, 8)
  m->pokaz();
  const int sx = (int)m->start_ekranu().rx(), sy = (int)m->start_ekranu().ry();
  mouse_x = mysz_x(0, 15);
  mouse_y = mysz_y(0, 15);
  const punkt p = m->pole_pod_myszka();
  EXPECT_EQ(std::make_pair(p.rx(), p.ry()), std::make_pair((float)sx, (float)sy));
  m->wstaw(5);
  EXPECT_EQ(m->jakie_pole(sx, sy), '5');
  m->wstaw(0);
  m->wstaw(10);
  EXPECT_EQ(m->jakie_pole(sx, sy), '5');

  // The save key writes map4.map below the working directory, whichever map was loaded.
  char stary[4096];
  ASSERT_NE(getcwd(stary, sizeof stary), nullptr);
  ASSERT_EQ(chdir(katalog.c_str()), 0);
  // A plain file where the data folder should be: the write is skipped without a crash.
  zapisz_plik("Pliki_danych", "x");
  m->wstaw(9);
  const bool bez_pliku = wczytaj_plik("Pliki_danych").size() == 1;
  unlink("Pliki_danych");
  mkdir("Pliki_danych", 0755);
  mkdir("Pliki_danych/Mapy", 0755);
  m->wstaw(9);
  const std::string zapis = wczytaj_plik("Pliki_danych/Mapy/map4.map");
  mapa ponownie(nullptr, "Pliki_danych/Mapy/map4.map");
  ASSERT_EQ(chdir(stary), 0);
  EXPECT_TRUE(bez_pliku);
  EXPECT_EQ(zapis.size(), (size_t)LICZBA_POL);
  EXPECT_EQ(ponownie.jakie_pole(sx, sy), '5');
  EXPECT_EQ(ponownie.jakie_pole(sx + 1, sy), '1');
}

long czas_widoku = 0;
long zegar_widoku() { return czas_widoku; }

bool takie_same(BITMAP* a, BITMAP* b) {
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

// The terrain's picture kept between passes follows every change: a field painted, the view
// moved. Each picture must equal what a map drawn for the first time shows.
TEST_F(Widok, ZapamietanyObrazTerenuNadazaZaZmianami) {
  grafika p(tryb_grafiki::pamiec);
  if (!p.pobierz_bufor() || !p.pobierz_mape_myszki()) GTEST_SKIP() << "sheets not built yet";
  p.ustaw_zegar(zegar_widoku);  // one animation frame throughout
  const std::string sciezka = katalog + "/o.map";
  zapisz_plik(sciezka, std::string(LICZBA_POL, '1'));
  mapa m(&p, sciezka.c_str());
  BITMAP* obraz = create_bitmap(1024, 583);
  BITMAP* wzor = create_bitmap(1024, 583);
  auto narysuj = [&](mapa& co, BITMAP* cel) {
    clear_to_color(p.pobierz_bufor(), 0);
    co.pokaz();
    blit(p.pobierz_bufor(), cel, 0, 0, 0, 0, 1024, 583);
  };
  auto zmiany = {std::make_pair(0, 0), std::make_pair(15, 12), std::make_pair(-1, 20)};
  for (auto z : zmiany) {
    if (z.first > 0) m.zmien_pole(z.first, z.second, '3');
    if (z.first < 0) m.ustaw_srodek(punkt(30, float(z.second)));
    narysuj(m, obraz);
    narysuj(m, obraz);  // the second comes from the kept picture
    mapa swieza(&p, sciezka.c_str());
    swieza.zmien_pole(15, 12, m.jakie_pole(15, 12));
    swieza.ustaw_srodek(m.pobierz_srodek());
    narysuj(swieza, wzor);
    EXPECT_TRUE(takie_same(obraz, wzor)) << z.first << "," << z.second;
  }
  destroy_bitmap(obraz);
  destroy_bitmap(wzor);
  p.ustaw_zegar(nullptr);
}

// Each band moves the view by its step at once; the next step waits for the beat.
TEST_F(Widok, PrzewijaniePasamiWRytmieZegara) {
  auto m = zrob('1');
  g->ustaw_zegar(zegar_widoku);
  struct przypadek {
    int mx, my;
    float dx, dy;
  };
  const przypadek przypadki[] = {
      {924, 300, 0, 0},  {925, 300, 1, 0},  {1014, 300, 1, 0}, {1015, 300, 2, 0},
      {100, 300, 0, 0},  {99, 300, -1, 0},  {10, 300, -1, 0},  {9, 300, -2, 0},
      {500, 766, 0, 0},  {500, 767, 0, 2},  {500, 768, 0, 4},  {500, 100, 0, 0},
      {500, 99, 0, -2},  {500, 10, 0, -2},  {500, 9, 0, -4},   {1020, 768, 2, 4},
  };
  for (const przypadek& p : przypadki) {
    m->ustaw_srodek(punkt(20, 20));
    m->wysrodkuj_dla(500, 300);  // the pointer arrives from the middle of the screen
    czas_widoku += 1000;
    m->wysrodkuj_dla(p.mx, p.my);
    EXPECT_EQ(std::make_pair(m->pobierz_srodek().rx(), m->pobierz_srodek().ry()),
              std::make_pair(20 + p.dx, 20 + p.dy)) << p.mx << "," << p.my;
    czas_widoku += mapa::OKRES_PRZEWIJANIA - 1;
    m->wysrodkuj_dla(p.mx, p.my);
    EXPECT_EQ(m->pobierz_srodek().rx(), 20 + p.dx) << "too early";
    czas_widoku += 1;
    m->wysrodkuj_dla(p.mx, p.my);
    EXPECT_EQ(m->pobierz_srodek().rx(), 20 + 2 * p.dx) << p.mx << "," << p.my;
  }
  g->ustaw_zegar(nullptr);
}

// The view crosses the map at the same speed whether the loop makes 20, 250 or 1000 passes
// a second.
TEST_F(Widok, PrzewijanieTyleSamoKrokowPrzyKazdejLiczbiePrzejsc) {
  auto m = zrob('1');
  g->ustaw_zegar(zegar_widoku);
  for (int na_sekunde : {20, 250, 1000}) {
    m->ustaw_srodek(punkt(13, 20));
    m->wysrodkuj_dla(500, 300);
    const long poczatek = czas_widoku += 1000;
    for (long t = poczatek; t < poczatek + 2000; t += 1000 / na_sekunde) {
      czas_widoku = t;
      m->wysrodkuj_dla(1000, 300);
    }
    const float kroki = m->pobierz_srodek().rx() - 13;
    EXPECT_NEAR(kroki, 2000.0 / mapa::OKRES_PRZEWIJANIA, 1.0) << na_sekunde << " passes a second";
  }
  g->ustaw_zegar(nullptr);
}

TEST_F(Widok, PrzewijanieZostajeWGranicach) {
  auto m = zrob('1');
  g->ustaw_zegar(zegar_widoku);
  for (int i = 0; i < 100; i++, czas_widoku += mapa::OKRES_PRZEWIJANIA) m->wysrodkuj_dla(1023, 768);
  EXPECT_EQ(std::make_pair(m->pobierz_srodek().rx(), m->pobierz_srodek().ry()), std::make_pair(47.0f, 50.0f));
  for (int i = 0; i < 100; i++, czas_widoku += mapa::OKRES_PRZEWIJANIA) m->wysrodkuj_dla(0, 0);
  EXPECT_EQ(std::make_pair(m->pobierz_srodek().rx(), m->pobierz_srodek().ry()), std::make_pair(13.0f, 10.0f));
  g->ustaw_zegar(nullptr);
}

TEST_F(Widok, MinimapaIRamkaOkna) {
  auto m = zrob('1');
  m->zmien_pole(1, 0, '\n');  // no cell for a non-terrain byte
  m->miniatura(39, 622, 2);
  const int bialy = makecol(255, 255, 255), trawa = makecol(34, 94, 18);
  int komorki = 0, zle = 0;
  for (const auto& w : g->wywolania) {
    if (w.co != "prostokat" || w.e != trawa) continue;
    komorki++;
    zle += w.a < 39 || w.c > 39 + 119 || w.c - w.a != 1 || w.d - w.b != 1;
  }
  EXPECT_EQ(std::make_pair(komorki, zle), std::make_pair(LICZBA_POL - 1, 0));
  const auto& r = g->wywolania.back();
  EXPECT_EQ(std::make_tuple(r.e, r.a, r.b, r.c, r.d), std::make_tuple(bialy, 39, 622, 91, 660));
}

}  // namespace
