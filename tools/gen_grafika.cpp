// Writes the main picture sheet, the mouse map and the two field overlays below the given
// root folder (Pliki_danych/Bitmapy/...). Deterministic: the same bytes on every run.
#include <cstdio>

#include "grafika_arkusz.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output root>\n", argv[0]);
    return 2;
  }
  if (!zapisz_grafike(argv[1])) {
    std::fprintf(stderr, "gen_grafika: cannot write the pictures below %s\n", argv[1]);
    return 1;
  }
  return 0;
}
