// Preview of the game's font as the game reads it: every character of the font in a grid with
// its code, and a few lines of sample text, enlarged so single pixels can be judged. Writes one
// PNG: pokaz_czcionke <font.pcx> <output.png> [scale]
#include <allegro.h>

#include <cstdio>
#include <cstdlib>

#include "grafika.h"

namespace {

const char* const PROBKI[] = {
    "Zażółć gęślą jaźń. ŁĄKA ŚWIĘTA, ŹRÓDŁO ŻYCIA.",
    "Příliš žluťoučký kůň úpěl ďábelské ódy. ŘEKA ŇŮ ŤĎ",
    "Grüße aus Köln: Äpfel, Öl, Übermaß. ÄÖÜ ß",
    "À bientôt, garçon! Être, naïf, cœur, Noël. ÉÈÊËÎÏÔŒÙÛÇ",
    "¿Qué año? ¡Señor, mañana! ÑÁÉÍÓÚ ìòù",
    "The quick brown fox jumps over the lazy dog 0123456789.",
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pokaz_czcionke <font.pcx> <output.png> [scale]\n");
    return 1;
  }
  const int skala = argc > 3 ? std::atoi(argv[3]) : 3;
  uruchom_bez_ekranu();
  set_color_depth(24);  // an opaque picture: the 32-bit PNG would keep a zero alpha
  FONT* f = load_font(argv[1], nullptr, nullptr);
  if (!f) {
    std::fprintf(stderr, "pokaz_czcionke: cannot load %s\n", argv[1]);
    return 1;
  }
  const int pierwszy = get_font_range_begin(f, 0), ostatni = get_font_range_end(f, -1);
  const int kolumny = 16, komorka_x = 34, komorka_y = 2 * text_height(f) + 4;
  const int wiersze = (ostatni - pierwszy) / kolumny + 1;
  const int szer = 360, wys = wiersze * komorka_y + 8 + 6 * (text_height(f) + 4);
  BITMAP* b = create_bitmap(szer < kolumny * komorka_x ? kolumny * komorka_x : szer, wys);
  clear_to_color(b, makecol(236, 220, 178));
  const int tusz = makecol(0, 0, 0), opis = makecol(150, 112, 62);
  for (int k = pierwszy; k <= ostatni; ++k) {
    int x = ((k - pierwszy) % kolumny) * komorka_x, y = ((k - pierwszy) / kolumny) * komorka_y;
    char numer[8];
    std::snprintf(numer, sizeof numer, "%X", k);
    textout_ex(b, font, numer, x + 1, y + 1, opis, -1);
    char znak[8];
    usetc(znak + usetc(znak, k), 0);
    rectfill(b, x + 1, y + 10, x + 1 + text_length(f, znak) - 1, y + 10 + text_height(f) - 1,
             makecol(255, 246, 220));
    textout_ex(b, f, znak, x + 1, y + 10, tusz, -1);
  }
  int y = wiersze * komorka_y + 8;
  for (const char* p : PROBKI) {
    textout_ex(b, f, p, 2, y, tusz, -1);
    y += text_height(f) + 4;
  }
  BITMAP* duzy = create_bitmap(b->w * skala, b->h * skala);
  stretch_blit(b, duzy, 0, 0, b->w, b->h, 0, 0, duzy->w, duzy->h);
  int wynik = save_bitmap(argv[2], duzy, nullptr);
  destroy_bitmap(duzy);
  destroy_bitmap(b);
  destroy_font(f);
  return wynik == 0 ? 0 : 1;
}
