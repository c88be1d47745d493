#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An RGBA picture in memory for the content generators, written as PNG (no gAMA chunk, so
// the game sees exact colours) or as an 8-bit PCX.
struct kolor_rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

inline kolor_rgba rgba(int r, int g, int b, int a = 255) {
  auto c = [](int v) { return (std::uint8_t)(v < 0 ? 0 : v > 255 ? 255 : v); };
  return kolor_rgba{c(r), c(g), c(b), c(a)};
}

// The transparent colour of masked blits.
const kolor_rgba ROZOWY = {255, 0, 255, 255};

class obraz {
 public:
  obraz(int szerokosc, int wysokosc, kolor_rgba tlo = ROZOWY);
  int szerokosc() const { return w; }
  int wysokosc() const { return h; }
  bool czy_wewnatrz(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  kolor_rgba piksel(int x, int y) const;
  void ustaw(int x, int y, kolor_rgba k);  // off the picture: nothing
  // Mixes k over the pixel with weight k.a / 255 (the result stays opaque if it was).
  void mieszaj(int x, int y, kolor_rgba k);
  void prostokat(int x, int y, int sz, int wy, kolor_rgba k);
  // Copies another picture with its top-left corner at (x, y); pink source pixels skipped.
  void wklej(const obraz& zrodlo, int x, int y);
  // Writes an 8-bit RGB (alpha: RGBA) PNG; false on failure.
  bool zapisz_png(const std::string& sciezka, bool z_alfa = false) const;

 private:
  int w, h;
  std::vector<kolor_rgba> piksele;
};

// An 8-bit paletted picture written as PCX (version 5, RLE, 256-colour palette at the end).
struct obraz_8bit {
  int w = 0, h = 0;
  std::vector<std::uint8_t> indeksy;    // w * h palette indices
  std::uint8_t paleta[256][3] = {};
  obraz_8bit(int sz, int wy) : w(sz), h(wy), indeksy((std::size_t)sz * wy, 0) {}
  bool zapisz_pcx(const std::string& sciezka) const;
};

// Creates every folder of the path's directory part (mkdir -p).
bool utworz_katalogi_dla(const std::string& sciezka_pliku);
// Deterministic pseudo-random numbers for textures (the same on every run and machine).
class losowe {
 public:
  explicit losowe(std::uint32_t ziarno) : stan(ziarno ? ziarno : 1) {}
  std::uint32_t nastepna();
  double ulamek();                      // 0 <= v < 1
  int zakres(int od, int do_wlacznie);  // od..do_wlacznie
 private:
  std::uint32_t stan;
};
