#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "gra.h"
#include "globalne.h"
#include "katalogi_gry.h"
#include "wideo.h"

int main(int argc, char** argv) {
  if (argc == 3 && argv[2][0] == 'd') {
    MIERZ_FPS = true;
    dev_mode = true;
  }
  const wybrane_katalogi k = przygotuj_katalogi(katalog_programu(), GRA_DANE_Z_PROGRAMU);
  if (!k.dane_znalezione)
    std::fprintf(stderr, "No game data (Pliki_danych) in the working directory, beside the "
                         "program or in its installed folder\n");
  if (!k.zapis_mozliwy)
    std::fprintf(stderr, "The player's folder \"%s\" cannot be made or written: nothing is "
                         "saved this run\n", k.zapisu.c_str());
  odtworz_wideo_wstepne();
  gra g(argc > 1 && argv[1] ? argv[1] : const_cast<char*>("fullscreen"));
  return 0;
}
END_OF_MAIN()
