#include "wspolne_fuzz.h"

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "grafika.h"

void przygotuj_biblioteke() { uruchom_bez_ekranu(); }

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
