#include "wspolne_fuzz.h"

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "grafika.h"

namespace {
std::string katalog;
// The scratch folder goes with the process, so replaying inputs in every test run leaves
// nothing behind.
void usun_katalog() {
  std::error_code blad;
  if (katalog != "/tmp") std::filesystem::remove_all(katalog, blad);
}
}  // namespace

void przygotuj_biblioteke() { uruchom_bez_ekranu(); }

const std::string& zapisz_wejscie(const uint8_t* dane, size_t rozmiar, const char* nazwa) {
  static std::string sciezka;
  if (katalog.empty()) {
    char wzor[] = "/tmp/gra_fuzz.XXXXXX";
    const char* k = mkdtemp(wzor);
    katalog = k ? k : "/tmp";
    std::atexit(usun_katalog);
  }
  sciezka = katalog + "/" + nazwa;
  if (FILE* f = std::fopen(sciezka.c_str(), "wb")) {
    if (rozmiar) std::fwrite(dane, 1, rozmiar, f);
    std::fclose(f);
  }
  return sciezka;
}
