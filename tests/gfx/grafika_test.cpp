// What the screen pictures (tests/shell/obrazy_ekranow_test.cpp) cannot show: the rounding
// of translucent mixes at their edges and the fonts the game refuses.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "grafika.h"
#include "katalogi.h"
#include "srodowisko.h"

namespace {

int kolor(int r, int g, int b) { return makecol32(r, g, b); }

// Pink is never drawn; other pixels mix with the target by factor / 255, rounded.
TEST(GrafikaTest, PrzezroczystyBlitPomijaRozIMieszaWedlugWspolczynnika) {
  przygotuj_allegro();
  BITMAP* zr = create_bitmap_ex(32, 2, 1);
  BITMAP* cel = create_bitmap_ex(32, 4, 2);
  putpixel(zr, 0, 0, kolor(255, 0, 255));
  putpixel(zr, 1, 0, kolor(200, 100, 0));
  const int mieszane =
      kolor((200 * 128 + 127) / 255, (100 * 128 + 127) / 255, (100 * 127 + 127) / 255);
  const std::pair<int, int> przypadki[] = {
      {0, kolor(0, 0, 100)}, {255, kolor(200, 100, 0)}, {128, mieszane},
      {-5, kolor(0, 0, 100)}, {300, kolor(200, 100, 0)}};  // factors held to 0..255
  for (const auto& p : przypadki) {
    clear_to_color(cel, kolor(0, 0, 100));
    blit_przezroczysty(zr, cel, 0, 0, p.first);
    EXPECT_EQ(getpixel(cel, 0, 0), kolor(0, 0, 100)) << "pink must be skipped";
    EXPECT_EQ(getpixel(cel, 1, 0), p.second) << p.first;
  }
  // A translucent rectangle covers its own pixels only, away from the edges too.
  prostokat_przezroczysty(cel, 2, 1, 2, 1, kolor(200, 100, 0), 128);
  EXPECT_EQ(getpixel(cel, 1, 1), kolor(0, 0, 100));
  EXPECT_EQ(getpixel(cel, 2, 1), mieszane);
  destroy_bitmap(zr);
  destroy_bitmap(cel);
}

// A font that lacks the letters of the languages (only the space to 127: accents would show
// as carets), or one too tall for the panel's rows, is refused and the file named.
TEST(GrafikaTest, CzcionkaBezPolskichLiterLubZaWysokaOdrzuconaZNazwa) {
  przygotuj_allegro();
  const struct {
    int wiersze, skala;
  } przypadki[] = {{6, 1}, {22, 6}};  // rows of 16 boxes from the shipped sheet, stretched
  for (const auto& p : przypadki) {
    const std::string k = katalog_tymczasowy();  // the shipped sheets and the font made here
    ASSERT_EQ(std::system(("mkdir -p " + k + "/Pliki_danych/Fonty && ln -s \"$PWD/Pliki_danych/Bitmapy\" " +
                           k + "/Pliki_danych/").c_str()), 0);
    set_color_conversion(COLORCONV_NONE);
    PALETTE paleta;
    BITMAP* arkusz = load_pcx("Pliki_danych/Fonty/ex01.pcx", paleta);
    set_color_conversion(COLORCONV_KEEP_ALPHA);
    ASSERT_NE(arkusz, nullptr);
    const int h = 1 + p.wiersze * ((arkusz->h - 1) / 22);  // 22 rows under a grid line
    BITMAP* czesc = create_bitmap_ex(8, arkusz->w, h * p.skala);
    stretch_blit(arkusz, czesc, 0, 0, arkusz->w, h, 0, 0, czesc->w, czesc->h);
    ASSERT_EQ(save_pcx((k + "/Pliki_danych/Fonty/ex01.pcx").c_str(), czesc, paleta), 0);
    destroy_bitmap(czesc);
    destroy_bitmap(arkusz);
    ustaw_katalogi(k, k, true);
    grafika g(tryb_grafiki::pamiec);
    char blad[256];
    EXPECT_FALSE(g.wczytaj_pliki(blad)) << p.wiersze;
    EXPECT_EQ(g.pobierz_czcionke(), nullptr);
    EXPECT_NE(std::strstr(blad, "ex01.pcx"), nullptr) << blad;
    ustaw_katalogi("", "", true);
  }
}

}  // namespace
