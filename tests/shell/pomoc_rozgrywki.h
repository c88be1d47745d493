#pragma once
// The screen point at the centre of a map field, for scripted mouse input: the view lays its
// fields out 40 pixels a column and 30 a row, every second row shifted half a field right.
// kolumna and wiersz count from the first field the view shows (mapa::start_ekranu).
struct punkt_ekranu {
  int x, y;
};

inline punkt_ekranu srodek_pola_w_widoku(int kolumna, int wiersz) {
  return {kolumna * 40 + (wiersz % 2) * 20 - 11 + 20, wiersz * 30 + 2 + 20};
}
