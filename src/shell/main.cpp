#include <allegro.h>

#include <cstring>

#include "gra.h"
#include "globalne.h"
#include "wideo.h"

int main(int argc, char** argv) {
  if (argc == 3 && argv[2][0] == 'd') {
    MIERZ_FPS = true;
    dev_mode = true;
  }
  odtworz_wideo_wstepne();
  gra g(argc > 1 && argv[1] ? argv[1] : const_cast<char*>("fullscreen"));
  return 0;
}
END_OF_MAIN()
