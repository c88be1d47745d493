#pragma once
#include "obraz.h"

// The main picture sheet of the game (terrain, units, flags, bars, player signs), the mouse
// map and the two field overlays, drawn from code.

const int ARKUSZ_SZEROKOSC = 512;
const int ARKUSZ_WYSOKOSC = 544;

// One drawing cell of the sheet.
struct komorka_arkusza {
  const char* nazwa;
  int x, y, szerokosc, wysokosc;
};

// Every cell the game reads from the sheet; nothing is drawn outside them.
const komorka_arkusza* pobierz_komorki(int& ile);

// True when the pixel (x, y) of a 40x40 field box lies inside the field's hexagon with
// corners (20,0), (40,10), (40,30), (20,40), (0,30), (0,10), judged by the pixel centre.
// Hexagons of the staggered grid (rows 30 apart, odd rows 20 to the right) share no pixel.
bool czy_w_heksie(int x, int y);

// Terrain kinds that have a row on the sheet.
enum rodzaj_terenu { t_las, t_woda, t_lawa, t_trawa, t_piasek, t_gory, t_spalona, t_kamien };
// A 40x40 tile of the terrain (pink outside the hexagon); klatka 0..7 for the animated ones.
obraz pobierz_kafel(rodzaj_terenu t, int klatka);
// A 40x40 edge overlay, wariant 1..6 naming the direction from its owner to the field it is
// drawn on (5 right, 6 left, 3 upper-left, 2 lower-left, 4 upper-right, 1 lower-right).
obraz pobierz_nakladke(rodzaj_terenu t, int wariant);

void rysuj_teren(obraz& arkusz);
void rysuj_jednostki(obraz& arkusz);
void rysuj_znaki(obraz& arkusz);  // flags, bars and the player signs

obraz utworz_arkusz();
obraz utworz_mape_myszki();  // 40x60, five pure colours
obraz utworz_wskaznik();
obraz utworz_nieaktywna();

// Writes the four pictures below the root at their game paths; false on any failure.
bool zapisz_grafike(const char* korzen);
