// The map view: terrain drawing with edge overlays, edge scrolling, the field under the
// mouse and the minimap.
#include <allegro.h>

#include <algorithm>

#include "grafika.h"
#include "mapa.h"

namespace {

const int POLOWA_OKNA_X = 27 / 2;
const int POLOWA_OKNA_Y = 20 / 2;

// Tile of each terrain character and the pass that draws it. Forest and mountains come in the
// second pass so that their tall tiles cover the flat ground of the row below.
struct kafelek_terenu {
  char znak;
  nazwa_pola pole;
  int przebieg;
};

const kafelek_terenu KAFELKI[] = {
    {'1', pole_trawa, 1}, {'2', pole_las, 2},   {'3', pole_woda, 1},
    {'4', pole_lawa, 1},  {'5', pole_gory, 2},  {'6', pole_spalona_ziemia, 1},
    {'7', pole_kamien, 1}, {'8', pole_piasek, 1},
};

const kafelek_terenu* kafelek(int znak) {
  for (const kafelek_terenu& k : KAFELKI)
    if (k.znak == znak) return &k;
  return nullptr;
}

// A terrain spills its edge over the neighbours holding one of the listed characters.
struct regula_krawedzi {
  char wlasciciel;
  const char* sasiedzi;
  nazwa_pola nakladka;
};

const regula_krawedzi REGULY[] = {
    {'1', "3467", pole_trawa},  {'7', "346", pole_kamien}, {'6', "34", pole_kamien},
    {'8', "13467", pole_piasek}, {'5', "1378", pole_gory},  {'2', "137", pole_las},
};

// Neighbours in the order the overlays are drawn (indices of sasiad()) and the overlay
// variant naming the direction from the owner to that neighbour.
struct kierunek_krawedzi {
  int sasiad;
  short wariant;
};

const kierunek_krawedzi KIERUNKI[] = {
    {1, 5},  // right
    {0, 6},  // left
    {2, 3},  // upper-left
    {4, 2},  // lower-left
    {3, 4},  // upper-right
    {5, 1},  // lower-right
};

// Mouse-map colours and the field offset from the even-row field each one names.
struct kolor_myszki {
  int kolor;
  int dx, dy;
};

const kolor_myszki KOLORY_MYSZKI[] = {
    {0xFFFFFF, 0, 0}, {0xFF0000, -1, -1}, {0xFFFF00, 0, -1},
    {0x00FF00, -1, 1}, {0x0000FF, 0, 1},
};

// Offset for the mouse-map pixel (px, py); a point outside the bitmap or of a colour the
// map does not use counts as white, the even-row field itself.
void przesuniecie_myszki(BITMAP* b, int px, int py, int& dx, int& dy) {
  dx = dy = 0;
  if (!b || px < 0 || py < 0 || px >= b->w || py >= b->h) return;
  const int c = getpixel(b, px, py);
  const int glebia = bitmap_color_depth(b);
  const int rgb = (getr_depth(glebia, c) << 16) | (getg_depth(glebia, c) << 8) |
                  getb_depth(glebia, c);
  for (const kolor_myszki& k : KOLORY_MYSZKI) {
    if (k.kolor == rgb) {
      dx = k.dx;
      dy = k.dy;
      return;
    }
  }
}

int kolor_z_rgb(int rgb) { return makecol((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255); }

struct regula_przewijania {
  int (*warunek)(int mx, int my);
  int os;     // 0: x, 1: y
  int krok;   // +1 / -1 columns, +2 / -2 rows
};

const regula_przewijania PRZEWIJANIE[] = {
    {[](int mx, int) { return (int)(mx > 924); }, 0, 1},
    {[](int mx, int) { return (int)(mx < 100); }, 0, -1},
    {[](int, int my) { return (int)(my >= 767 && my <= 768); }, 1, 2},
    {[](int, int my) { return (int)(my < 100); }, 1, -2},
    {[](int mx, int) { return (int)(mx > 1014); }, 0, 1},
    {[](int mx, int) { return (int)(mx < 10); }, 0, -1},
    {[](int, int my) { return (int)(my > 767); }, 1, 2},
    {[](int, int my) { return (int)(my < 10); }, 1, -2},
};

}  // namespace

void mapa::pokaz() {
  start_x = (int)(srodek.rx() - POLOWA_OKNA_X);
  start_y = (int)(srodek.ry() - POLOWA_OKNA_Y);
  if (start_x < 0) start_x = 0;
  if (start_y < 0) start_y = 0;
  const int do_x = start_x + okno_szerokosc < szerokosc ? start_x + okno_szerokosc : szerokosc;
  const int do_y = start_y + okno_wysokosc < wysokosc ? start_y + okno_wysokosc : wysokosc;
  // Near the right and bottom edges the window is pulled back to end at the map's edge,
  // on an even start (an even first row keeps the half-field shift of odd rows in step).
  if (szerokosc - start_x < okno_szerokosc) start_x = (szerokosc - okno_szerokosc + 1) & ~1;
  if (wysokosc - start_y < okno_wysokosc) start_y = (wysokosc - okno_wysokosc + 1) & ~1;
  if (!ekran || rysuj_z_pamieci()) return;
  const int klatka = ekran->pobierz_klatke() % KLATKI_ANIMACJI;
  rysuj_kafelki(do_x, do_y);
  rysuj_drugi_plan(do_x, do_y);
  // A picture whose animation stepped while it was drawn mixes two frames: not kept.
  if (ekran->pobierz_klatke() % KLATKI_ANIMACJI == klatka) zapamietaj_obraz(klatka);
}

// Only the map area above the command panel is kept: the panel's frame covers the rest.
const int WYSOKOSC_OBRAZU = 583;

bool mapa::rysuj_z_pamieci() {
  BITMAP* bufor = ekran->pobierz_bufor();
  if (!bufor || !ekran->czy_rysowanie()) return false;
  // The animation steps before the frame is chosen, as drawing the first field would step it.
  ekran->rysuj_pole(pole_brak, 0, 0, 0);
  if (obrazy_x != start_x || obrazy_y != start_y || wersja_obrazow != wersja_terenu) {
    zapomnij_obrazy();
    obrazy_x = start_x;
    obrazy_y = start_y;
    wersja_obrazow = wersja_terenu;
  }
  const int k = ekran->pobierz_klatke() % KLATKI_ANIMACJI;
  if (!obrazy[k]) return false;
  blit(obrazy[k], bufor, 0, 0, 0, 0, obrazy[k]->w, obrazy[k]->h);
  return true;
}

void mapa::zapamietaj_obraz(int klatka) {
  BITMAP* bufor = ekran->pobierz_bufor();
  if (!bufor || !ekran->czy_rysowanie()) return;
  BITMAP*& o = obrazy[klatka % KLATKI_ANIMACJI];
  if (!o) o = create_bitmap(bufor->w, std::min(bufor->h, WYSOKOSC_OBRAZU));
  if (o) blit(bufor, o, 0, 0, 0, 0, o->w, o->h);
}

void mapa::zapomnij_obrazy() {
  for (BITMAP*& o : obrazy) {
    if (o) destroy_bitmap(o);
    o = nullptr;
  }
}

void mapa::rysuj_kafelki(int do_x, int do_y) {
  for (int y = start_y; y < do_y; y++) {
    for (int x = start_x; x < do_x; x++) {
      const kafelek_terenu* k = kafelek(jakie_pole(x, y));
      if (k && k->przebieg == 1) ekran->rysuj_pole(k->pole, x - start_x, y - start_y, 0);
    }
  }
}

void mapa::rysuj_drugi_plan(int do_x, int do_y) {
  for (int y = start_y; y < do_y; y++) {
    for (int x = start_x; x < do_x; x++) {
      const kafelek_terenu* k = kafelek(jakie_pole(x, y));
      if (k && k->przebieg == 2) ekran->rysuj_pole(k->pole, x - start_x, y - start_y, 0);
      rysuj_krawedzie(x, y);
    }
  }
}

void mapa::rysuj_krawedzie(int x, int y) {
  const int wlasny = jakie_pole(x, y);
  for (const regula_krawedzi& r : REGULY) {
    if (r.wlasciciel != wlasny) continue;
    for (const char* s = r.sasiedzi; *s; s++) {
      for (const kierunek_krawedzi& k : KIERUNKI) {
        int nx, ny;
        sasiad(x, y, k.sasiad, nx, ny);
        if (czy_na_mapie(nx, ny) && jakie_pole(nx, ny) == *s)
          ekran->rysuj_pole(r.nakladka, nx - start_x, ny - start_y, k.wariant);
      }
    }
  }
}

punkt& mapa::wysrodkuj() { return wysrodkuj_dla(mouse_x, mouse_y); }

// While the pointer stays in an edge band the view steps on a fixed beat of the clock, so it
// scrolls at the same speed at any pass rate; the first step comes as soon as the pointer
// arrives. After a pause longer than a beat (a slow pass) the beat starts again from now
// instead of catching up in a burst.
punkt& mapa::wysrodkuj_dla(int mx, int my) {
  bool w_pasie = false;
  for (const regula_przewijania& r : PRZEWIJANIE) w_pasie = w_pasie || r.warunek(mx, my);
  if (!w_pasie) {
    przewijanie_trwa = false;
    return srodek;
  }
  const long teraz = ekran ? ekran->teraz() : zegar_scienny_ms();
  if (przewijanie_trwa && teraz < nastepne_przewiniecie) return srodek;
  const bool w_rytmie = przewijanie_trwa && teraz - nastepne_przewiniecie < OKRES_PRZEWIJANIA;
  nastepne_przewiniecie = (w_rytmie ? nastepne_przewiniecie : teraz) + OKRES_PRZEWIJANIA;
  przewijanie_trwa = true;
  const punkt przed = srodek;
  for (const regula_przewijania& r : PRZEWIJANIE) {
    if (!r.warunek(mx, my)) continue;
    const float x = srodek.rx(), y = srodek.ry();
    if (r.os == 0) {
      const bool mozna = r.krok > 0 ? x < szerokosc - POLOWA_OKNA_X : x > POLOWA_OKNA_X;
      if (mozna) srodek.wpisz(1.0f, x + r.krok);
    } else {
      const bool mozna = r.krok > 0 ? y < wysokosc - POLOWA_OKNA_Y : y > POLOWA_OKNA_Y;
      if (mozna) srodek.wpisz(2.0f, y + r.krok);
    }
  }
  // Only a view that moved needs the screen redrawn.
  if (ekran && (srodek.rx() != przed.rx() || srodek.ry() != przed.ry())) ekran->rysuj_w_nastepnym();
  return srodek;
}

punkt mapa::wskaz_pole(bool podswietl) { return pole_pod_punktem(mouse_x, mouse_y, podswietl); }

punkt mapa::pole_pod_punktem(int mx, int my, bool podswietl) {
  const int fx = (mx + 11) / 40;
  const int fy = ((my - 2) / 60) * 2;
  int dx, dy;
  przesuniecie_myszki(ekran ? ekran->pobierz_mape_myszki() : nullptr, (mx + 11) % 40,
                      (my - 2) % 60, dx, dy);
  int c = fx + dx;
  int r = fy + dy;
  if (start_x + c >= szerokosc || start_y + r >= wysokosc)
    return punkt((float)POLOWA_OKNA_X, (float)POLOWA_OKNA_Y);
  if (podswietl && ekran && c >= 0 && c < okno_szerokosc && r >= 0 && r < okno_wysokosc)
    ekran->rysuj_pole(pole_wskaznik, c, r, 0);
  if (c < 0) c = 0;
  if (r < 0) r = 0;
  return punkt((float)c, (float)r);
}

punkt& mapa::pole_pod_myszka() {
  pole_myszy = wskaz_pole(false) + start_ekranu();
  return pole_myszy;
}

void mapa::miniatura(int x0, int y0, int s) {
  if (!ekran) return;
  for (int y = 0; y < wysokosc; y++) {
    for (int x = 0; x < szerokosc; x++) {
      const int rgb = kolor_minimapy(jakie_pole(x, y));
      if (rgb < 0) continue;
      const int lx = x0 + x * s, ly = y0 + y * s;
      ekran->prostokat(lx, ly, lx + s - 1, ly + s - 1, kolor_z_rgb(rgb), true);
    }
  }
  const int fx = (int)(x0 + s * srodek.rx() - POLOWA_OKNA_X * s);
  const int fy = (int)(y0 + s * srodek.ry() - POLOWA_OKNA_Y * s);
  ekran->prostokat(fx, fy, fx + okno_szerokosc * s - 2, fy + (okno_wysokosc - 1) * s,
                   makecol(255, 255, 255), false);
}

bool mapa::czy_na_ekranie(int x, int y) const {
  return x >= start_x && x <= start_x + okno_szerokosc && y >= start_y &&
         y <= start_y + okno_wysokosc;
}
