// The map view through a recording graphics context: window, passes, edge overlays, mouse,
// scrolling, minimap and the map editor keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <sys/stat.h>

#include "mapa.h"
#include "srodowisko.h"

#include <loadpng.h>

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

struct widok : ::testing::Test {
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

TEST_F(widok, okno_dla_srodka_i_przy_krawedziach) {
  auto m = zrob('1');
  m->pokaz();
  EXPECT_EQ(m->start_ekranu().rx(), 0);
  EXPECT_EQ(m->start_ekranu().ry(), 0);
  EXPECT_EQ(g->ile("pole"), 27 * 20);

  m->ustaw_srodek(punkt(30, 24));
  g->wyczysc();
  m->pokaz();
  EXPECT_EQ(m->start_ekranu().rx(), 17);
  EXPECT_EQ(m->start_ekranu().ry(), 14);

  // At the far corner the window starts on column 34 (not 33) and row 40, showing 26 columns.
  m->ustaw_srodek(punkt(47, 50));
  g->wyczysc();
  m->pokaz();
  EXPECT_EQ(m->start_ekranu().rx(), 34);
  EXPECT_EQ(m->start_ekranu().ry(), 40);
  auto t = pola(pole_trawa);
  ASSERT_EQ(t.size(), (size_t)(26 * 20));
  EXPECT_EQ(t.front().b, 0);
  EXPECT_EQ(t.front().c, 0);
  EXPECT_EQ(t.back().b, 25);
  EXPECT_EQ(t.back().c, 19);
  EXPECT_TRUE(m->czy_na_ekranie(34, 40));
  EXPECT_TRUE(m->czy_na_ekranie(61, 60));
  EXPECT_FALSE(m->czy_na_ekranie(33, 45));
}

TEST_F(widok, przebiegi_las_i_gory_po_plaskim_terenie) {
  auto m = zrob('7');
  m->zmien_pole(3, 3, '2');
  m->zmien_pole(5, 5, '5');
  m->zmien_pole(6, 6, '9');  // not terrain: drawn as nothing
  m->pokaz();
  int ostatni_plaski = -1, las = -1, gory = -1, nieznane = 0;
  for (int i = 0; i < (int)g->wywolania.size(); i++) {
    const auto& w = g->wywolania[i];
    if (w.a == pole_kamien && w.d == 0) ostatni_plaski = i;
    if (w.a == pole_las && w.d == 0) las = i;
    if (w.a == pole_gory && w.d == 0) gory = i;
    if (w.b == 6 && w.c == 6) nieznane++;
  }
  EXPECT_EQ(ostatni_plaski, 27 * 20 - 3 - 1);
  EXPECT_GT(las, ostatni_plaski);
  EXPECT_GT(gory, las);
  EXPECT_EQ(nieznane, 0);
}

TEST_F(widok, nakladki_krawedzi_w_kolejnosci_kierunkow) {
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
  for (int i = 0; i < 6; i++) {
    EXPECT_EQ(nakladki[i].b, oczekiwane[i][0]) << i;
    EXPECT_EQ(nakladki[i].c, oczekiwane[i][1]) << i;
    EXPECT_EQ(nakladki[i].d, oczekiwane[i][2]) << i;
  }
}

TEST_F(widok, nakladki_zbiory_sasiadow_i_krawedzie_mapy) {
  auto m = zrob('1');
  m->zmien_pole(0, 0, '8');   // sand spills over grass, but not off the map
  m->zmien_pole(10, 9, '6');  // scorched ground borrows the stone edge over water
  m->zmien_pole(11, 9, '3');
  m->zmien_pole(9, 9, '8');   // sand next to scorched ground: sand's edge over it
  m->zmien_pole(27, 5, '8');  // outside the window: no owner
  m->zmien_pole(26, 5, '3');
  m->pokaz();
  int piasek_00 = 0, kamien = 0, z_poza_okna = 0;
  for (const auto& w : pola(pole_piasek)) {
    if (w.d == 0) continue;
    if ((w.b == 1 && w.c == 0) || (w.b == 0 && w.c == 1)) piasek_00++;
    EXPECT_GE(w.b, 0);
    EXPECT_GE(w.c, 0);
    if (w.b == 26 && w.c == 5) z_poza_okna++;
  }
  for (const auto& w : pola(pole_kamien))
    if (w.d == 5 && w.b == 11 && w.c == 9) kamien++;
  EXPECT_EQ(piasek_00, 2);
  EXPECT_EQ(kamien, 1);
  EXPECT_EQ(z_poza_okna, 0);
  // The water at (26, 5) still gets the edge of the grass at (25, 5) inside the window.
  int trawa_na_wodzie = 0;
  for (const auto& w : pola(pole_trawa))
    if (w.b == 26 && w.c == 5 && w.d != 0) trawa_na_wodzie++;
  EXPECT_GT(trawa_na_wodzie, 0);
}

// Pointer position for a mouse-map pixel (px, py) of field column fx and even row fy.
int mysz_x(int fx, int px) { return 40 * fx + px - 11; }
int mysz_y(int fy, int py) { return 30 * fy + py + 2; }

TEST_F(widok, pole_pod_punktem_dla_kazdego_koloru) {
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
    punkt f = m->pole_pod_punktem(mysz_x(5, p.px), mysz_y(6, p.py), false);
    EXPECT_EQ(f.rx(), p.c) << p.px << "," << p.py;
    EXPECT_EQ(f.ry(), p.r) << p.px << "," << p.py;
  }
  g->wyczysc();
  m->pole_pod_punktem(mysz_x(5, 15), mysz_y(6, 15), true);
  ASSERT_EQ(pola(pole_wskaznik).size(), 1u);
  EXPECT_EQ(pola(pole_wskaznik)[0].b, 5);
  EXPECT_EQ(pola(pole_wskaznik)[0].c, 6);

  // Pointer in the top two pixel rows: white, the top even row.
  punkt f = m->pole_pod_punktem(100, 0, false);
  EXPECT_EQ(f.rx(), 2);
  EXPECT_EQ(f.ry(), 0);
  // Red at the top-left corner gives (-1, -1), reported as (0, 0) and not highlighted.
  g->wyczysc();
  f = m->pole_pod_punktem(mysz_x(0, 2), mysz_y(0, 2), true);
  EXPECT_EQ(f.rx(), 0);
  EXPECT_EQ(f.ry(), 0);
  EXPECT_EQ(g->ile("pole"), 0);
}

// The shipped mouse map: the centre of every field's box selects that field.
TEST(mapa_myszki, srodek_kazdego_pola_wskazuje_to_pole) {
  przygotuj_allegro();
  struct grafika_z_plikiem : grafika_nagrywajaca {
    explicit grafika_z_plikiem(BITMAP* b) { mapa_myszki = b; }
    ~grafika_z_plikiem() override { mapa_myszki = nullptr; }
  };
  BITMAP* b = load_png("Pliki_danych/Bitmapy/mapa_myszki.png", nullptr);
  ASSERT_NE(b, nullptr);
  ASSERT_EQ(b->w, 40);
  ASSERT_EQ(b->h, 60);
  {
    grafika_z_plikiem g(b);
    const std::string k = katalog_tymczasowy();
    zapisz_plik(k + "/m.map", std::string(LICZBA_POL, '1'));
    mapa m(&g, (k + "/m.map").c_str());
    m.pokaz();
    for (int r = 0; r < 19; r++) {
      for (int c = 0; c < 25; c++) {
        const int x = 40 * c + 20 * (r % 2) - 11 + 20, y = 30 * r + 2 + 20;
        punkt f = m.pole_pod_punktem(x, y, false);
        EXPECT_EQ(f.rx(), c) << c << "," << r;
        EXPECT_EQ(f.ry(), r) << c << "," << r;
      }
    }
  }
  destroy_bitmap(b);
}

TEST_F(widok, pole_za_krawedzia_mapy_daje_srodek_okna) {
  auto m = zrob('1');
  m->ustaw_srodek(punkt(47, 50));
  m->pokaz();
  punkt f = m->pole_pod_punktem(mysz_x(10, 15), mysz_y(20, 15), true);  // row 60
  EXPECT_EQ(f.rx(), 13);
  EXPECT_EQ(f.ry(), 10);
  EXPECT_EQ(g->ile("pole") - 26 * 20, 0);
}

TEST_F(widok, pole_pod_myszka_i_klawisze_edytora) {
  auto m = zrob('1');
  m->ustaw_srodek(punkt(25, 18));  // window starts at (12, 8)
  m->pokaz();
  const int sx = (int)m->start_ekranu().rx(), sy = (int)m->start_ekranu().ry();
  mouse_x = mysz_x(0, 15);
  mouse_y = mysz_y(0, 15);
  punkt p = m->pole_pod_myszka();
  EXPECT_EQ(p.rx(), sx);
  EXPECT_EQ(p.ry(), sy);
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

// Each band moves the view by its step at once; the next step waits for the beat.
TEST_F(widok, przewijanie_pasami_w_rytmie_zegara) {
  auto m = zrob('1');
  g->ustaw_zegar(zegar_widoku);
  struct przypadek {
    int mx, my;
    float dx, dy;
  };
  const przypadek przypadki[] = {
      {1000, 300, 1, 0}, {1020, 300, 2, 0}, {50, 300, -1, 0}, {5, 300, -2, 0},
      {500, 767, 0, 2},  {500, 700, 0, 0},  {500, 50, 0, -2}, {500, 5, 0, -4},
      {1020, 768, 2, 4},
  };
  for (const przypadek& p : przypadki) {
    m->ustaw_srodek(punkt(20, 20));
    m->wysrodkuj_dla(500, 300);  // the pointer arrives from the middle of the screen
    czas_widoku += 1000;
    m->wysrodkuj_dla(p.mx, p.my);
    EXPECT_EQ(m->pobierz_srodek().rx(), 20 + p.dx) << p.mx << "," << p.my;
    EXPECT_EQ(m->pobierz_srodek().ry(), 20 + p.dy) << p.mx << "," << p.my;
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
TEST_F(widok, przewijanie_tyle_samo_krokow_przy_kazdej_liczbie_przejsc) {
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

TEST_F(widok, przewijanie_zostaje_w_granicach) {
  auto m = zrob('1');
  g->ustaw_zegar(zegar_widoku);
  for (int i = 0; i < 100; i++, czas_widoku += mapa::OKRES_PRZEWIJANIA) m->wysrodkuj_dla(1023, 768);
  EXPECT_EQ(m->pobierz_srodek().rx(), 47);
  EXPECT_EQ(m->pobierz_srodek().ry(), 50);
  for (int i = 0; i < 100; i++, czas_widoku += mapa::OKRES_PRZEWIJANIA) m->wysrodkuj_dla(0, 0);
  EXPECT_EQ(m->pobierz_srodek().rx(), 13);
  EXPECT_EQ(m->pobierz_srodek().ry(), 10);
  g->ustaw_zegar(nullptr);
}

TEST_F(widok, minimapa_i_ramka_okna) {
  auto m = zrob('1');
  m->zmien_pole(1, 0, '\n');  // no cell for a non-terrain byte
  m->miniatura(39, 622, 2);
  const int bialy = makecol(255, 255, 255), trawa = makecol(34, 94, 18);
  int komorki = 0;
  for (const auto& w : g->wywolania) {
    if (w.co != "prostokat" || w.e != trawa) continue;
    komorki++;
    EXPECT_GE(w.a, 39);
    EXPECT_LE(w.c, 39 + 119);
    EXPECT_EQ(w.c - w.a, 1);
    EXPECT_EQ(w.d - w.b, 1);
  }
  EXPECT_EQ(komorki, LICZBA_POL - 1);
  const auto& ramka = g->wywolania.back();
  EXPECT_EQ(ramka.e, bialy);
  EXPECT_EQ(ramka.a, 39);
  EXPECT_EQ(ramka.b, 622);
  EXPECT_EQ(ramka.c, 91);
  EXPECT_EQ(ramka.d, 660);
}

}  // namespace
