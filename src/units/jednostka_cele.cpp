#include <cmath>
#include <cstdlib>
#include <cstring>

#include "globalne.h"
#include "jednostka.h"
#include "mapa_jednostek.h"

namespace {

// Distance between two fields as the computer compares them: computed in double, kept as
// a float.
float odleglosc(int x1, int y1, int x2, int y2) {
  const double dx = x1 - x2, dy = y1 - y2;
  return (float)std::sqrt(dx * dx + dy * dy);
}

const float BRAK_ODLEGLOSCI = 999999.0f;

// The square of fields a unit with m movement points looks at, cut to the map.
struct okno_pol {
  int x0, y0, x1, y1;
  okno_pol(int x, int y, int m) {
    const long zasieg = (long)m + 1;
    x0 = przytnij(x - zasieg);
    x1 = przytnij(x + zasieg);
    y0 = przytnij(y - zasieg);
    y1 = przytnij(y + zasieg);
    if (x - zasieg > ROZMIAR_MAPY - 1 || x + zasieg < 0) x1 = x0 - 1;
    if (y - zasieg > ROZMIAR_MAPY - 1 || y + zasieg < 0) y1 = y0 - 1;
  }
  static int przytnij(long v) {
    return v < 0 ? 0 : (v > ROZMIAR_MAPY - 1 ? ROZMIAR_MAPY - 1 : (int)v);
  }
};

struct rodzaj_budynku {
  const char* slowo;
  nazwa_pola strona_1;
  nazwa_pola strona_2;
};

const rodzaj_budynku budynki[] = {
    {"zamek", pole_zamek_gracz_1, pole_zamek_gracz_2},
    {"wieza", pole_wieza_1, pole_wieza_2},
    {"miasto", pole_miasto_1, pole_miasto_2},
};

int ogranicz_do_mapy(int v) { return v < 0 ? 0 : (v > ROZMIAR_MAPY - 1 ? ROZMIAR_MAPY - 1 : v); }

}  // namespace

// A neighbour building counts when it belongs to this unit's side now: a tower or town
// captured by the enemy is the enemy's, and one taken from the enemy is ours.
bool jednostka::sprawdz_sasiadow(const char* co) {
  if (!co || !siatka) return false;
  const bool przyjaciel = std::strcmp(co, "przyjaciel") == 0;
  const rodzaj_budynku* budynek = nullptr;
  for (const rodzaj_budynku& b : budynki)
    if (std::strcmp(co, b.slowo) == 0) budynek = &b;
  if (!przyjaciel && (!budynek || (nr_gracza != 1 && nr_gracza != 2))) return false;

  for (int s = 0; s < 6; s++) {
    int nx, ny;
    sasiad(x, y, s, nx, ny);
    jednostka* j = siatka->pobierz_jednostke(nx, ny);
    if (!j || j->pobierz_gracz() != nr_gracza) continue;
    if (przyjaciel) return true;
    const nazwa_pola w = j->pobierz_wyglad();
    if (w == budynek->strona_1 || w == budynek->strona_2) return true;
  }
  return false;
}

bool jednostka::czy_cel_wazny() const {
  return cel && cel->pobierz_punkty_zycia() > 0 && cel->pobierz_gracz() != nr_gracza;
}

void jednostka::pobierz_cel() {
  if (czy_cel_wazny() || !siatka) return;
  float najlepsza = BRAK_ODLEGLOSCI;
  for (int py = 0; py < ROZMIAR_MAPY; py++)
    for (int px = 0; px < ROZMIAR_MAPY; px++) {
      jednostka* j = siatka->pobierz_jednostke(px, py);
      if (!j) continue;
      const int strona = j->pobierz_gracz();
      if (strona == ai || strona == 0 || strona == nr_gracza) continue;
      if (j->pobierz_punkty_zycia() <= 0) continue;
      const float d = odleglosc(x, y, j->pobierz_x(), j->pobierz_y());
      if (d < najlepsza) {
        najlepsza = d;
        cel = j;
      }
    }
}

// The reachable field of the window nearest to the target; the own field when none is
// strictly nearer than the rest.
void jednostka::najblizsze_pole_celu(int& bx, int& by) {
  const okno_pol o(x, y, punkty_ruchu);
  const int cx = cel->pobierz_x(), cy = cel->pobierz_y();
  float najlepsza = BRAK_ODLEGLOSCI;
  for (int py = o.y0; py <= o.y1; py++)
    for (int px = o.x0; px <= o.x1; px++) {
      if (mapa_przejsc[py * ROZMIAR_MAPY + px] == 0) continue;
      const float d = odleglosc(px, py, cx, cy);
      if (d < najlepsza) {
        najlepsza = d;
        bx = px;
        by = py;
      }
    }
}

// A random reachable field of the window: the first one, then each later one replaces the
// choice with a chance of 3 in 10 (one draw per reachable field after the first).
void jednostka::losowe_pole(int& bx, int& by) {
  const okno_pol o(x, y, punkty_ruchu);
  bool pierwsze = true;
  for (int py = o.y0; py <= o.y1; py++)
    for (int px = o.x0; px <= o.x1; px++) {
      if (mapa_przejsc[py * ROZMIAR_MAPY + px] == 0) continue;
      if (pierwsze || std::rand() % 10 < 3) {
        bx = px;
        by = py;
      }
      pierwsze = false;
    }
}

// A tower fires at the last living enemy of its window; with none its turn is over.
void jednostka::cel_wiezy(int& bx, int& by) {
  const okno_pol o(x, y, punkty_ruchu);
  bool jest_wrog = false;
  for (int py = o.y0; py <= o.y1; py++)
    for (int px = o.x0; px <= o.x1; px++) {
      jednostka* j = siatka ? siatka->pobierz_jednostke(px, py) : nullptr;
      if (!j) continue;
      const int strona = j->pobierz_gracz();
      if (strona == nr_gracza || strona == 0 || j->pobierz_punkty_zycia() <= 0) continue;
      bx = px;
      by = py;
      jest_wrog = true;
    }
  if (!jest_wrog) punkty_ruchu = 0;
}

punkt jednostka::akcja_cel() {
  oblicz_zasieg();
  int bx = x, by = y;
  const bool ma_cel = czy_cel_wazny();
  if (ma_cel) najblizsze_pole_celu(bx, by);
  if (bx == x && by == y) losowe_pole(bx, by);
  if (ma_cel && odleglosc(x, y, cel->pobierz_x(), cel->pobierz_y()) <= 1.0f) {
    bx = cel->pobierz_x();
    by = cel->pobierz_y();
  }
  if (bx == x && by == y) punkty_ruchu--;
  if (wyglad == pole_wieza_1 || wyglad == pole_wieza_2) cel_wiezy(bx, by);
  return punkt((float)ogranicz_do_mapy(bx), (float)ogranicz_do_mapy(by));
}
