// Any bytes as a terrain map file: reading, every field query and writing it back.
#include <string>

#include "grafika.h"
#include "mapa.h"
#include "wspolne_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
  przygotuj_biblioteke();
  static grafika ekran(tryb_grafiki::atrapa);
  const std::string& plik = zapisz_wejscie(dane, rozmiar, "pole.map");
  mapa m(&ekran, plik.c_str());
  long suma = 0;
  for (int y = -1; y <= 60; ++y)
    for (int x = -1; x <= 60; ++x) suma += m.jakie_pole(x, y) + koszt_terenu(m.jakie_pole(x, y));
  m.zapisz((plik + ".out").c_str());
  return suma == -1;
}
