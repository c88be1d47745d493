// Writing the terrain grid back to a .map file.
#include "mapa.h"
#include "pliki.h"

bool mapa::zapisz(const char* sciezka) const {
  if (!sciezka) return false;
  // Through a temporary file renamed over the target: an interrupted write never leaves a
  // half-written map, and a target that cannot be written keeps its old content.
  return zapisz_atomowo(sciezka, pola, (std::size_t)(szerokosc * wysokosc));
}
