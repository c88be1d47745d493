#pragma once
// A headless game on one of the four shipped battlefields, for the tournament and the long
// games: the whole game in memory, driven through the real frame of the main loop.
#include <vector>

#include "grafika.h"
#include "menu.h"
#include "stan_gry.h"
#include "zdarzenia.h"

class armia;
class jednostka;

struct gra_na_mapie {
  grafika ekran{tryb_grafiki::pamiec};
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  char blad[256] = "";
  bool wczytana = false;
  // The graphics library must be up; zegar drives the animation (and the loop's pace).
  gra_na_mapie(int mapa_nr, long (*zegar)());
  ~gra_na_mapie();
};

// The screen point at the centre of a map field: the view lays its fields out 40 pixels a
// column and 30 a row, every second row shifted half a field right. kolumna and wiersz count
// from the first field the view shows (mapa::start_ekranu).
struct punkt_ekranu {
  int x, y;
};
punkt_ekranu srodek_pola_w_widoku(int kolumna, int wiersz);

// A side's live units, from the given node of the army chain on.
std::vector<jednostka*> zywe_jednostki(armia* od, int gracz);
