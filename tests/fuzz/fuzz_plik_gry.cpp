// Any bytes as a scenario or saved game: the reader checks and builds, and what it accepted
// is written back and read again.
#include <string>

#include "globalne.h"
#include "grafika.h"
#include "plik_gry.h"
#include "stan_gry.h"
#include "wspolne_fuzz.h"
#include "zdarzenia.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
  przygotuj_biblioteke();
  static grafika ekran(tryb_grafiki::atrapa);
  static zdarzenia wejscie(&ekran);
  const std::string& plik = zapisz_wejscie(dane, rozmiar, "gra.sav");
  stan_gry stan;
  stan.ekran = &ekran;
  stan.wejscie = &wejscie;
  char blad[256];
  if (wczytaj_gre(plik.c_str(), stan, blad)) {
    std::string kopia = plik + ".kopia";
    if (zapisz_gre(kopia.c_str(), stan, blad)) {
      stan_gry drugi;
      drugi.ekran = &ekran;
      drugi.wejscie = &wejscie;
      if (wczytaj_gre(kopia.c_str(), drugi, blad)) drugi.zwolnij();
    }
    stan.zwolnij();
  }
  godzina = 0.0f;
  return 0;
}
