#include "obraz.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

obraz::obraz(int szerokosc, int wysokosc, kolor_rgba tlo)
    : w(szerokosc), h(wysokosc), piksele((std::size_t)szerokosc * wysokosc, tlo) {}

kolor_rgba obraz::piksel(int x, int y) const {
  return czy_wewnatrz(x, y) ? piksele[(std::size_t)y * w + x] : ROZOWY;
}

void obraz::ustaw(int x, int y, kolor_rgba k) {
  if (czy_wewnatrz(x, y)) piksele[(std::size_t)y * w + x] = k;
}

void obraz::mieszaj(int x, int y, kolor_rgba k) {
  if (!czy_wewnatrz(x, y)) return;
  kolor_rgba& d = piksele[(std::size_t)y * w + x];
  const int a = k.a;
  d.r = (std::uint8_t)((k.r * a + d.r * (255 - a) + 127) / 255);
  d.g = (std::uint8_t)((k.g * a + d.g * (255 - a) + 127) / 255);
  d.b = (std::uint8_t)((k.b * a + d.b * (255 - a) + 127) / 255);
  d.a = (std::uint8_t)(a + d.a * (255 - a) / 255);
}

void obraz::prostokat(int x, int y, int sz, int wy, kolor_rgba k) {
  for (int j = y; j < y + wy; ++j)
    for (int i = x; i < x + sz; ++i) ustaw(i, j, k);
}

void obraz::wklej(const obraz& zrodlo, int x, int y) {
  for (int j = 0; j < zrodlo.h; ++j)
    for (int i = 0; i < zrodlo.w; ++i) {
      kolor_rgba k = zrodlo.piksel(i, j);
      if (k.r == 255 && k.g == 0 && k.b == 255) continue;
      ustaw(x + i, y + j, k);
    }
}

bool obraz::zapisz_png(const std::string& sciezka, bool z_alfa) const {
  if (!utworz_katalogi_dla(sciezka)) return false;
  FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, z_alfa ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const int kanaly = z_alfa ? 4 : 3;
  std::vector<png_byte> wiersz((std::size_t)w * kanaly);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const kolor_rgba& k = piksele[(std::size_t)y * w + x];
      png_byte* p = &wiersz[(std::size_t)x * kanaly];
      p[0] = k.r;
      p[1] = k.g;
      p[2] = k.b;
      if (z_alfa) p[3] = k.a;
    }
    png_write_row(png, wiersz.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

bool obraz_8bit::zapisz_pcx(const std::string& sciezka) const {
  if (!utworz_katalogi_dla(sciezka)) return false;
  FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  const int bajty_wiersza = w + (w & 1);
  unsigned char naglowek[128] = {0};
  naglowek[0] = 10;  // manufacturer
  naglowek[1] = 5;   // version
  naglowek[2] = 1;   // RLE
  naglowek[3] = 8;   // bits per pixel
  naglowek[8] = (unsigned char)((w - 1) & 0xFF);
  naglowek[9] = (unsigned char)((w - 1) >> 8);
  naglowek[10] = (unsigned char)((h - 1) & 0xFF);
  naglowek[11] = (unsigned char)((h - 1) >> 8);
  naglowek[12] = 72;
  naglowek[14] = 72;
  naglowek[65] = 1;  // planes
  naglowek[66] = (unsigned char)(bajty_wiersza & 0xFF);
  naglowek[67] = (unsigned char)(bajty_wiersza >> 8);
  naglowek[68] = 1;  // palette info: colour
  bool ok = std::fwrite(naglowek, 1, 128, f) == 128;
  for (int y = 0; y < h && ok; ++y) {
    int x = 0;
    while (x < bajty_wiersza && ok) {
      std::uint8_t v = x < w ? indeksy[(std::size_t)y * w + x] : 0;
      int n = 1;
      while (x + n < bajty_wiersza && n < 63 &&
             (x + n < w ? indeksy[(std::size_t)y * w + x + n] : 0) == v)
        ++n;
      if (n > 1 || v >= 0xC0) ok = std::fputc(0xC0 | n, f) != EOF;
      if (ok) ok = std::fputc(v, f) != EOF;
      x += n;
    }
  }
  if (ok) ok = std::fputc(12, f) != EOF;
  if (ok) ok = std::fwrite(paleta, 1, 768, f) == 768;
  return std::fclose(f) == 0 && ok;
}

bool utworz_katalogi_dla(const std::string& sciezka_pliku) {
  for (std::size_t i = 1; i < sciezka_pliku.size(); ++i) {
    if (sciezka_pliku[i] != '/') continue;
    std::string katalog = sciezka_pliku.substr(0, i);
    if (mkdir(katalog.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

std::uint32_t losowe::nastepna() {
  // xorshift32
  stan ^= stan << 13;
  stan ^= stan >> 17;
  stan ^= stan << 5;
  return stan;
}

double losowe::ulamek() { return (nastepna() >> 8) / 16777216.0; }

int losowe::zakres(int od, int do_wlacznie) {
  return od + (int)(nastepna() % (std::uint32_t)(do_wlacznie - od + 1));
}
