#include "mapa.h"

#include <cstring>

#include "dziennik.h"
#include "pliki.h"

namespace {

// What the game knows about one terrain character.
struct opis_terenu {
  char znak;
  int koszt;   // 0: impassable
  int kolor;   // minimap colour 0xRRGGBB
};

const opis_terenu TERENY[] = {
    {'1', 1, 0x225E12},  // grass
    {'2', 2, 0x0E1C05},  // forest
    {'3', 0, 0x0E0F8D},  // water
    {'4', 2, 0x800303},  // lava
    {'5', 3, 0xC8C8C8},  // mountains
    {'6', 2, 0x460303},  // scorched ground
    {'7', 1, 0x646464},  // stone
    {'8', 1, 0xFFFF00},  // sand
};

const opis_terenu* znajdz_teren(int znak) {
  for (const opis_terenu& t : TERENY)
    if (t.znak == znak) return &t;
  return nullptr;
}

}  // namespace

int kolor_minimapy(int znak) {
  const opis_terenu* t = znajdz_teren(znak);
  return t ? t->kolor : -1;
}

int koszt_terenu(int znak) {
  const opis_terenu* t = znajdz_teren(znak);
  // Anything outside the terrain alphabet is open ground of cost 1.
  return t ? t->koszt : 1;
}

mapa::mapa(grafika* g, const char* sciezka)
    : szerokosc(ROZMIAR_MAPY),
      wysokosc(ROZMIAR_MAPY),
      start_x(0),
      start_y(0),
      okno_szerokosc(27),
      okno_wysokosc(20),
      plik(nullptr),
      pola(new char[LICZBA_POL]),
      srodek(27 / 2, 20 / 2),
      pole_myszy(0, 0),
      nastepne_przewiniecie(0),
      przewijanie_trwa(false),
      ekran(g),
      wczytana(false) {
  std::memset(pola, 0, LICZBA_POL);
  nazwa[0] = '\0';
  if (sciezka) {
    std::strncpy(nazwa, sciezka, sizeof(nazwa) - 1);
    nazwa[sizeof(nazwa) - 1] = '\0';
  }
  wczytana = wczytaj(sciezka);
}

mapa::~mapa() {
  zapomnij_obrazy();
  delete[] pola;
}

bool mapa::wczytaj(const char* sciezka) {
  plik = sciezka ? otworz_do_odczytu(znajdz_plik(sciezka).c_str()) : nullptr;
  if (!plik) {
    piszlog("Cannot open the map file, the map stays empty", 0);
    return false;
  }
  // A 0xFF byte ends the grid like the end of the file; bytes past 3600 do not fit.
  int i = 0;
  int teren = 0;
  int c;
  while (i < LICZBA_POL && (c = std::getc(plik)) != EOF && c != 0xFF) {
    pola[i++] = (char)c;
    if (kolor_minimapy(c) >= 0) ++teren;  // one of the eight terrain characters
  }
  std::fclose(plik);
  plik = nullptr;
  if (i < LICZBA_POL) piszlog("Map file shorter than 3600 fields, fields read", i);
  // A stray byte (a line break left by an editor) is a plain field, but a file that is
  // empty or mostly not terrain is no map at all.
  if (i == 0 || 2 * teren < i) {
    piszlog("Not a map file: terrain fields among the fields read", teren);
    return false;
  }
  return true;
}

int mapa::jakie_pole(int x, int y) const {
  if (!czy_na_mapie(x, y)) return 0;
  return (int)(signed char)pola[y * ROZMIAR_MAPY + x];
}

void mapa::zmien_pole(int x, int y, char znak) {
  if (!czy_na_mapie(x, y)) return;
  pola[y * ROZMIAR_MAPY + x] = znak;
  ++wersja_terenu;
}

void mapa::wstaw(short k) {
  if (k >= 1 && k <= 8) {
    zmien_pole((int)pole_myszy.rx(), (int)pole_myszy.ry(), (char)('0' + k));
  } else if (k == 9) {
    if (!zapisz(sciezka_zapisu(PLIK_EDYTORA).c_str())) piszlog("Cannot write the edited map, file left unchanged", 0);
  }
}
