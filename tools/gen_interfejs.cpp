// Writes the interface pictures and the font below the given root.
#include <cstdio>
#include <string>

#include "czcionka_arkusz.h"
#include "interfejs_rysunki.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_interfejs <output root>\n");
    return 2;
  }
  const std::string b = std::string(argv[1]) + "/Pliki_danych/Bitmapy/";
  struct pozycja {
    const char* nazwa;
    obraz (*rysuj)();
    bool alfa;
  };
  const pozycja obrazy[] = {
      {"interfejs.png", rysuj_interfejs, false},
      {"tlo_menu.png", rysuj_tlo_menu, false},
      {"button.png", rysuj_przyciski, false},
      {"pr.png", [] { return rysuj_panel(150, 250, 11); }, false},
      {"pr2.png", [] { return rysuj_panel(330, 330, 12); }, false},
      {"pr3.png", [] { return rysuj_panel(380, 170, 13); }, false},
      {"ingamemenu.png", rysuj_menu_w_grze, false},
      {"kursor.png", rysuj_kursor, false},
      {"szynka.png", rysuj_szynke, true},
      {"monety.png", rysuj_monety, true},
  };
  bool dobrze = true;
  for (const auto& p : obrazy)
    if (!p.rysuj().zapisz_png(b + p.nazwa, p.alfa)) {
      std::fprintf(stderr, "gen_interfejs: cannot write %s%s\n", b.c_str(), p.nazwa);
      dobrze = false;
    }
  const std::string font = std::string(argv[1]) + "/Pliki_danych/Fonty/ex01.pcx";
  if (!arkusz_czcionki().zapisz_pcx(font)) {
    std::fprintf(stderr, "gen_interfejs: cannot write %s\n", font.c_str());
    dobrze = false;
  }
  return dobrze ? 0 : 1;
}
