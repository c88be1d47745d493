#include "wspolne_fuzz.h"

#include <allegro.h>
#include <loadpng.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

void przygotuj_biblioteke() {
  static bool gotowe = false;
  if (gotowe) return;
  set_uformat(U_ASCII);
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  register_png_file_type();
  gotowe = true;
}

const std::string& zapisz_wejscie(const uint8_t* dane, size_t rozmiar, const char* nazwa) {
  static std::string katalog;
  static std::string sciezka;
  if (katalog.empty()) {
    char wzor[] = "/tmp/gra_fuzz.XXXXXX";
    const char* k = mkdtemp(wzor);
    katalog = k ? k : "/tmp";
  }
  sciezka = katalog + "/" + nazwa;
  if (FILE* f = std::fopen(sciezka.c_str(), "wb")) {
    if (rozmiar) std::fwrite(dane, 1, rozmiar, f);
    std::fclose(f);
  }
  return sciezka;
}
