// Preview of the interface: composes the main menu and a game screen from the committed
// pictures and the real font with Allegro memory bitmaps, the way the game draws them, and
// saves both as PNG: pokaz_ekran <data root> <output folder>
#include <allegro.h>

#include <cstdio>
#include <string>

#include "grafika.h"

namespace {

struct obrazy {
  BITMAP *tlo_menu = nullptr, *pr = nullptr, *button = nullptr, *interfejs = nullptr,
         *pr3 = nullptr, *bitmapy = nullptr, *kursor = nullptr, *szynka = nullptr;
  FONT* czcionka = nullptr;
};

BITMAP* wczytaj(const std::string& korzen, const char* nazwa) {
  const std::string s = korzen + "/Pliki_danych/Bitmapy/" + nazwa;
  BITMAP* b = load_bitmap(s.c_str(), nullptr);
  if (!b) std::fprintf(stderr, "pokaz_ekran: cannot load %s\n", s.c_str());
  return b;
}

bool wczytaj_wszystko(const std::string& korzen, obrazy& o) {
  o.tlo_menu = wczytaj(korzen, "tlo_menu.png");
  o.pr = wczytaj(korzen, "pr.png");
  o.button = wczytaj(korzen, "button.png");
  o.interfejs = wczytaj(korzen, "interfejs.png");
  o.pr3 = wczytaj(korzen, "pr3.png");
  o.kursor = wczytaj(korzen, "kursor.png");
  o.szynka = wczytaj(korzen, "szynka.png");
  o.bitmapy = wczytaj(korzen, "bitmapy.png");  // terrain, optional
  const std::string f = korzen + "/Pliki_danych/Fonty/ex01.pcx";
  o.czcionka = load_font(f.c_str(), nullptr, nullptr);
  return o.tlo_menu && o.pr && o.button && o.interfejs && o.pr3 && o.kursor && o.szynka &&
         o.czcionka;
}

// A translucent blit like the game's panels: the picture mixed over the buffer by alfa / 255.
void przezroczysty(BITMAP* cel, BITMAP* b, int x, int y, int alfa) {
  set_trans_blender(0, 0, 0, alfa);
  draw_trans_sprite(cel, b, x, y);
}

// A button in the given state (0 normal, 1 hover, 2 pressed) with its white label centred.
void przycisk(BITMAP* cel, const obrazy& o, int x, int y, int stan, const char* napis) {
  masked_blit(o.button, cel, 0, stan * 22, x, y, 108, 22);
  textout_centre_ex(cel, o.czcionka, napis, x + 54, y + 11 - text_height(o.czcionka) / 2,
                    makecol(255, 255, 255), -1);
}

void menu_glowne(BITMAP* cel, const obrazy& o) {
  blit(o.tlo_menu, cel, 0, 0, 0, 0, 1024, 768);
  przezroczysty(cel, o.pr, 657, 288, 100);
  const char* const NAPISY[6] = {"Nowa gra", "Wybierz mape", "Wczytaj gre", "Opcje", "Informacje", "Wyjscie"};
  for (int i = 0; i < 6; ++i) przycisk(cel, o, 678, 320 + 30 * i, i == 1 ? 1 : 0, NAPISY[i]);
  textout_centre_ex(cel, o.czcionka, "Wersja 0", 330, 755, makecol(255, 255, 255), -1);
  draw_sprite(cel, o.kursor, 740, 360);
}

// Terrain fields from the picture sheet when it is there, otherwise plain grass.
void teren(BITMAP* cel, const obrazy& o) {
  clear_to_color(cel, makecol(70, 120, 50));
  if (!o.bitmapy) return;
  const int wiersze[4] = {304, 304, 184, 224};
  for (int y = 0; y < 583 / 30 + 2; ++y)
    for (int x = 0; x < 1024 / 40 + 2; ++x) {
      const int w = wiersze[(x * 7 + y * 3 + (x * y) % 5) % 4];
      masked_blit(o.bitmapy, cel, 0, w, x * 40 + (y % 2) * 20 - 20, y * 30 - 10, 40, 40);
    }
}

void ekran_gry(BITMAP* cel, const obrazy& o) {
  teren(cel, o);
  masked_blit(o.interfejs, cel, 0, 0, 0, 0, 1024, 768);
  rectfill(cel, 39, 622, 158, 741, makecol(60, 110, 50));
  const int czarny = makecol(0, 0, 0), bialy = makecol(255, 255, 255);
  const char* const OPIS[5] = {"Rycerz", "Zycie: 24/30", "Atak: 12  Obrona: 9", "Ruch: 3/5", "Poziom: 2"};
  for (int i = 0; i < 5; ++i) textout_ex(cel, o.czcionka, OPIS[i], 310, 610 + 24 * i, czarny, -1);
  textout_ex(cel, o.czcionka, "Ciezko opancerzony wojownik.", 400, 610, czarny, -1);
  textout_centre_ex(cel, o.czcionka, "Zloto: 1250", 230, 747, bialy, -1);
  textout_ex(cel, o.czcionka, "12:00", 762, 747, bialy, -1);
  textout_ex(cel, o.czcionka, "Dzien 3", 847, 747, bialy, -1);
  przezroczysty(cel, o.pr3, 320, 216, 240);
  set_alpha_blender();
  draw_trans_sprite(cel, o.szynka, 470, 245);
  textout_ex(cel, o.czcionka, "Twoi ludzie znalezli zapasy jedzenia!", 400, 296, bialy, -1);
  przycisk(cel, o, 390, 341, 0, "OK");
  draw_sprite(cel, o.kursor, 430, 350);
}

// Saved through a 24-bit copy: the 32-bit buffer's alpha bytes are zero and would make the
// PNG fully transparent.
bool zapisz(BITMAP* b, const std::string& sciezka) {
  BITMAP* rgb = create_bitmap_ex(24, b->w, b->h);
  const bool dobrze = rgb && (blit(b, rgb, 0, 0, 0, 0, b->w, b->h), save_bitmap(sciezka.c_str(), rgb, nullptr) == 0);
  if (rgb) destroy_bitmap(rgb);
  if (dobrze) return true;
  std::fprintf(stderr, "pokaz_ekran: cannot write %s\n", sciezka.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pokaz_ekran <data root> <output folder>\n");
    return 2;
  }
  uruchom_bez_ekranu();
  obrazy o;
  if (!wczytaj_wszystko(argv[1], o)) return 1;
  BITMAP* bufor = create_bitmap(1024, 768);
  if (!bufor) return 1;
  menu_glowne(bufor, o);
  bool dobrze = zapisz(bufor, std::string(argv[2]) + "/menu.png");
  ekran_gry(bufor, o);
  dobrze = zapisz(bufor, std::string(argv[2]) + "/gra.png") && dobrze;
  destroy_bitmap(bufor);
  return dobrze ? 0 : 1;
}
