#pragma once
#include <string>
#include <utility>
#include <vector>

#include "grafika.h"

// Shared set-up of the headless tests.

// Installs the library without a screen (memory bitmaps, PNG, fonts, config files), 32 bpp,
// with gm_pl.cfg active. Safe to call many times. The working directory is the source tree.
void przygotuj_allegro();
// A fresh empty folder under /tmp, removed by the caller or left for inspection.
std::string katalog_tymczasowy();
// Writes bytes to a file; returns false on failure.
bool zapisz_plik(const std::string& sciezka, const std::string& dane);
std::string wczytaj_plik(const std::string& sciezka);
// The names in a folder, sorted, each followed by a blank ("" for an empty or missing one).
std::string pliki_w(const std::string& katalog);

// Map 1 read from its file, then every field turned to grass: open ground for set-ups that
// place their own units. The caller owns it.
class mapa;
mapa* mapa_trawy(grafika* ekran);

// One drawing call recorded by grafika_nagrywajaca.
struct wywolanie_rysowania {
  wywolanie_rysowania(std::string co_, int a_ = 0, int b_ = 0, int c_ = 0, int d_ = 0,
                      int e_ = 0, std::string tekst_ = "")
      : co(std::move(co_)), a(a_), b(b_), c(c_), d(d_), e(e_), tekst(std::move(tekst_)) {}
  std::string co;  // "pole", "bitmapa", "pisz", "prostokat", "noc", "czysc", "pokaz"
  int a, b, c, d, e;
  std::string tekst;
};

// A graphics context that draws nothing and records every call; the animation clock and the
// draw flag behave as in the real one (rysowanie starts set).
class grafika_nagrywajaca : public grafika {
 public:
  grafika_nagrywajaca();
  void pokaz(bool wymus_teraz) override;
  void rysuj_bitmape(typ_bitmapy typ, int x, int y, int zx, int zy, int s, int w) override;
  void czysc_ekran(int kolor) override;
  void rysuj_pole(nazwa_pola pole, int x, int y, short wariant) override;
  void pisz(const char* tekst, int x, int y, int liczba, int kolor, bool wysrodkuj,
            int szerokosc) override;
  void prostokat(int x1, int y1, int x2, int y2, int kolor, bool wypelniony) override;
  void rysuj_noc(short godzina) override;

  std::vector<wywolanie_rysowania> wywolania;
  int ile(const std::string& co) const;
  void wyczysc() { wywolania.clear(); }
};
