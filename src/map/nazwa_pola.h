#pragma once
// Everything that can be drawn in one field: terrain tiles, two markers and the unit kinds.
enum nazwa_pola {
  pole_brak = 0,
  pole_las = 1,
  pole_wskaznik = 2,
  pole_trawa = 3,
  pole_gory = 4,
  pole_woda = 5,
  pole_lawa = 6,
  pole_spalona_ziemia = 7,
  pole_kamien = 8,
  pole_piasek = 9,
  pole_ognisty = 10,
  pole_zolnierz = 11,
  pole_rycerz = 12,
  pole_hydra = 13,
  pole_archaniol = 14,
  pole_mag = 15,
  pole_smok = 16,
  pole_trol = 17,
  pole_ciemny_rycerz = 18,
  pole_lord = 19,
  pole_nieaktywna = 20,
  pole_zamek_gracz_1 = 21,
  pole_zamek_gracz_2 = 22,
  // 23 is unassigned
  pole_wieza_1 = 24,
  pole_wieza_2 = 25,
  pole_miasto_1 = 26,
  pole_miasto_2 = 27,
  pole_robotnik_1 = 28,
  pole_robotnik_2 = 29,
};

// Field box size in pixels.
const int szerokosc_pola = 40;
const int wysokosc_pola = 40;

// The map is 60 x 60 fields, stored row after row at index y * 60 + x.
const int ROZMIAR_MAPY = 60;
const int LICZBA_POL = ROZMIAR_MAPY * ROZMIAR_MAPY;

inline bool czy_na_mapie(int x, int y) {
  return x >= 0 && x < ROZMIAR_MAPY && y >= 0 && y < ROZMIAR_MAPY;
}

// The six neighbours of (x, y) in the fixed order left, right, upper-left, upper-right,
// lower-left, lower-right. Positions may lie off the map; callers check czy_na_mapie.
inline void sasiad(int x, int y, int ktory, int& nx, int& ny) {
  const int p = ((y % 2) + 2) % 2;
  static const int dx[6][2] = {{-1, -1}, {1, 1}, {-1, 0}, {0, 1}, {-1, 0}, {0, 1}};
  static const int dy[6] = {0, 0, -1, -1, 1, 1};
  nx = x + dx[ktory][p];
  ny = y + dy[ktory];
}
