// Any bytes as a language file or config.cfg: every text the game fetches, formatted the way
// centred texts are, used as a button label and wrapped the way panels wrap it.
#include <allegro.h>

#include <cstdlib>
#include <string>

#include "formatowanie.h"
#include "grafika.h"
#include "katalogi.h"
#include "przycisk.h"
#include "teksty.h"
#include "wspolne_fuzz.h"
#include "zawijanie.h"

namespace {
const char* const KLUCZE[] = {"build", "mapa1", "save1", "endturn", "disposepoints", "bought",
                              "foodfound", "robotnik", "smok", "moves", "allows8", "cost"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
  przygotuj_biblioteke();
  static grafika ekran(tryb_grafiki::atrapa);
  const std::string& plik = zapisz_wejscie(dane, rozmiar, "gm_xx.cfg");
  set_config_file(plik.c_str());
  char wynik[256];
  przycisk p(&ekran, 10, 10, "");
  for (const char* k : KLUCZE) {
    formatuj(wynik, sizeof wynik, tekst(k), 12345);
    p.napis(tekst(k));
    // No line is wider than the width, in whatever bytes: a single letter is at most 4.
    auto bajty = [](const std::string& t) { return int(t.size()); };
    for (const std::string& linia : zawin_tekst(tekst(k), 9, bajty))
      if (linia.size() > 9) std::abort();
  }
  formatuj(wynik, sizeof wynik, tekst_z("button_nowagra", "napis"), 0);
  (void)liczba_z("button_nowagra", "x", 0, 916);
  // The same bytes as the settings file, with the scratch folder as the game's folders (the
  // working folder stays, so inputs named by relative paths can still be read): the language
  // word is compared, never trusted, and a missing language file falls back.
  const std::string katalog = plik.substr(0, plik.rfind('/'));
  ustaw_katalogi(katalog, katalog, true);
  zapisz_wejscie(dane, rozmiar, "config.cfg");
  (void)wybierz_jezyk();
  return 0;
}
