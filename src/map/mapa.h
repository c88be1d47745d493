#pragma once
#include <cstdio>

#include "nazwa_pola.h"
#include "punkt.h"

class grafika;
struct BITMAP;

// Minimap colour of a terrain character '1'..'8' as 0xRRGGBB; -1 for any other character.
int kolor_minimapy(int znak);
// Movement cost of entering a terrain character: 1, 2 or 3; 0 for water (impassable).
int koszt_terenu(int znak);

// The terrain grid of one battlefield ('1'..'8' per field) with its view state: the visible
// window, the centre, the field under the mouse, scrolling and the minimap.
class mapa {
 public:
  // Reads the .map file (at most 3600 bytes, a 0xFF byte ends it; a short file leaves the
  // rest 0). czy_wczytana() answers false for a missing file, anything but a regular file,
  // and a file that holds no fields or mostly bytes that are not terrain.
  mapa(grafika* g, const char* plik);
  ~mapa();
  mapa(const mapa&) = delete;
  mapa& operator=(const mapa&) = delete;

  char* zwroc_nazwe() { return nazwa; }
  bool czy_wczytana() const { return wczytana; }
  // Terrain character at (x, y), or 0 off the map.
  int jakie_pole(int x, int y) const;
  // Sets the terrain character at (x, y); off the map nothing happens.
  void zmien_pole(int x, int y, char znak);
  // Map editor: k = 1..8 paints the field under the mouse, 9 writes Pliki_danych/Mapy/map4.map.
  void wstaw(short k);
  // Writes the grid to a file through a temporary file renamed over it; false on failure.
  bool zapisz(const char* plik) const;
  // The file the map editor's save key writes, whichever map was loaded.
  static constexpr const char* PLIK_EDYTORA = "Pliki_danych/Mapy/map4.map";

  // View (drawing, scrolling, mouse, minimap).
  void pokaz();
  punkt& wysrodkuj();
  punkt wskaz_pole(bool podswietl);
  punkt& pole_pod_myszka();
  void miniatura(int x0, int y0, int s);
  punkt start_ekranu() const { return punkt((float)start_x, (float)start_y); }
  bool czy_na_ekranie(int x, int y) const;

  // For tests and tools: the view centre and the pointer used by the view operations.
  punkt pobierz_srodek() const { return srodek; }
  void ustaw_srodek(punkt p) { srodek = p; }
  punkt pobierz_pole_myszy() const { return pole_myszy; }
  // Field under a given pointer position (view coordinates), as wskaz_pole computes it.
  punkt pole_pod_punktem(int mx, int my, bool podswietl);
  // Edge scrolling for a given pointer position, as wysrodkuj does it.
  punkt& wysrodkuj_dla(int mx, int my);
  // While the pointer rests in an edge band: the clock time of the next scrolling step;
  // otherwise -1.
  long pobierz_nastepne_przewiniecie() const {
    return przewijanie_trwa ? nastepne_przewiniecie : -1;
  }
  // Milliseconds between two scrolling steps.
  static const long OKRES_PRZEWIJANIA = 70;

 private:
  // Fills the grid from the file; false when it cannot be opened.
  bool wczytaj(const char* sciezka);
  // The two drawing passes of pokaz and the edge overlays of one owner field.
  void rysuj_kafelki(int do_x, int do_y);
  void rysuj_drugi_plan(int do_x, int do_y);
  void rysuj_krawedzie(int x, int y);
  // The picture of the visible terrain for each animation frame, kept while the window and
  // the terrain stay as they are: a screen left alone redraws its map with one copy.
  bool rysuj_z_pamieci();
  void zapamietaj_obraz(int klatka);
  void zapomnij_obrazy();
  static const int KLATKI_ANIMACJI = 8;
  BITMAP* obrazy[KLATKI_ANIMACJI] = {};
  int obrazy_x = -1, obrazy_y = -1;
  long wersja_terenu = 0, wersja_obrazow = -1;
  int szerokosc;
  int wysokosc;
  int start_x;
  int start_y;
  int okno_szerokosc;
  int okno_wysokosc;
  FILE* plik;
  char* pola;
  char nazwa[52];
  punkt srodek;
  punkt pole_myszy;
  long nastepne_przewiniecie;  // clock time of the next scrolling step
  bool przewijanie_trwa;       // the pointer is in an edge band
  grafika* ekran;
  bool wczytana;
};
