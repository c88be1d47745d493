// Renders the four battlefields as the game shows them: the 1024 x 583 map area with the view
// centred on the opening corner and on each castle site, and the minimap, as PNG files in the
// given folder. With the real sheet Pliki_danych/Bitmapy/bitmapy.png the game's own drawing is
// used; without it every terrain is a flat coloured field, which still shows the layout.
#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <memory>
#include <string>

#include "grafika.h"
#include "mapa.h"
#include "mapy_miejsca.h"

namespace {

const char* const ARKUSZ = "Pliki_danych/Bitmapy/bitmapy.png";

// Flat-colour stand-in: a filled hexagon-like box per terrain tile, overlays not drawn.
class grafika_plaska : public grafika {
 public:
  grafika_plaska() : grafika(tryb_grafiki::atrapa) {
    bufor = create_bitmap(1024, 768);
    rysowanie = 1;
  }
  ~grafika_plaska() override {
    destroy_bitmap(bufor);
    bufor = nullptr;
  }
  void czysc_ekran(int kolor) override { clear_to_color(bufor, kolor); }
  void prostokat(int x1, int y1, int x2, int y2, int kolor, bool wypelniony) override {
    if (wypelniony) rectfill(bufor, x1, y1, x2, y2, kolor);
    else rect(bufor, x1, y1, x2, y2, kolor);
  }
  void rysuj_pole(nazwa_pola pole, int x, int y, short wariant) override {
    static const char znaki[10] = {0, '2', 0, '1', '5', '3', '4', '6', '7', '8'};
    if (wariant != 0 || (int)pole < 1 || (int)pole > 9 || !znaki[pole]) return;
    const int rgb = kolor_minimapy(znaki[pole]);
    const int px = 40 * x + 20 * (((y % 2) + 2) % 2) - 11, py = 30 * y + 2;
    const int k = makecol((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
    const int punkty[12] = {px + 20, py, px + 39, py + 10, px + 39, py + 30,
                            px + 20, py + 39, px, py + 30, px, py + 10};
    polygon(bufor, 6, punkty, k);
  }
};

bool zapisz_obszar(BITMAP* b, int x, int y, int w, int h, const std::string& plik) {
  // 24 bits: a 32-bit bitmap would be written with its (unused, zero) alpha byte.
  BITMAP* wycinek = create_bitmap_ex(24, w, h);
  blit(b, wycinek, x, y, 0, 0, w, h);
  const bool dobrze = save_png(plik.c_str(), wycinek, nullptr) == 0;
  destroy_bitmap(wycinek);
  if (!dobrze) std::fprintf(stderr, "cannot write %s\n", plik.c_str());
  return dobrze;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output-folder>   (run from the game folder)\n", argv[0]);
    return 2;
  }
  const std::string wyjscie = argv[1];
  uruchom_bez_ekranu();
  std::unique_ptr<grafika> g;
  if (exists(ARKUSZ)) g.reset(new grafika(tryb_grafiki::pamiec));
  else g.reset(new grafika_plaska());
  g->zmiana_klatki(true);
  bool dobrze = true;
  for (int i = 1; i <= 4; i++) {
    const std::string plik = "Pliki_danych/Mapy/map" + std::to_string(i) + ".map";
    mapa m(g.get(), plik.c_str());
    if (!m.czy_wczytana()) {
      std::fprintf(stderr, "cannot read %s\n", plik.c_str());
      return 1;
    }
    const miejsce_zamku& z = MIEJSCA_ZAMKOW[i - 1];
    const punkt srodki[3] = {punkt(13, 10), punkt((float)z.x1, (float)(z.y1 & ~1)),
                             punkt((float)z.x2, (float)(z.y2 & ~1))};
    const char* nazwy[3] = {"poczatek", "zachod", "wschod"};
    for (int s = 0; s < 3; s++) {
      m.ustaw_srodek(punkt(srodki[s].rx() < 13 ? 13 : srodki[s].rx() > 47 ? 47 : srodki[s].rx(),
                           srodki[s].ry() < 10 ? 10 : srodki[s].ry() > 50 ? 50 : srodki[s].ry()));
      g->czysc_ekran(makecol(0, 0, 0));
      m.pokaz();
      dobrze &= zapisz_obszar(g->pobierz_bufor(), 0, 0, 1024, 583,
                              wyjscie + "/map" + std::to_string(i) + "_" + nazwy[s] + ".png");
    }
    g->czysc_ekran(makecol(0, 0, 0));
    m.ustaw_srodek(punkt(13, 10));
    m.miniatura(0, 0, 4);
    dobrze &= zapisz_obszar(g->pobierz_bufor(), 0, 0, 240, 240,
                            wyjscie + "/map" + std::to_string(i) + "_minimapa.png");
  }
  return dobrze ? 0 : 1;
}
