// Writing the terrain grid back to a .map file.
#include <cstdio>
#include <string>

#include "mapa.h"

namespace {

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so an interrupted write never leaves a half-written map.
bool zapisz_przez_plik_tymczasowy(const char* sciezka, const char* dane, int dlugosc) {
  const std::string tymczasowy = std::string(sciezka) + ".tmp";
  FILE* f = std::fopen(tymczasowy.c_str(), "wb");
  if (!f) return false;
  bool dobrze = std::fwrite(dane, 1, (size_t)dlugosc, f) == (size_t)dlugosc;
  dobrze = (std::fclose(f) == 0) && dobrze;
  if (dobrze && std::rename(tymczasowy.c_str(), sciezka) == 0) return true;
  std::remove(tymczasowy.c_str());
  return false;
}

}  // namespace

bool mapa::zapisz(const char* sciezka) const {
  if (!sciezka) return false;
  return zapisz_przez_plik_tymczasowy(sciezka, pola, szerokosc * wysokosc);
}
