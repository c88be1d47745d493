// The interface pictures and the font: reproducible, the sizes the game draws them at, the
// font complete and every button label of every language narrow enough for its button.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "srodowisko.h"

namespace {

const char* const PLIKI[] = {"Bitmapy/interfejs.png", "Bitmapy/tlo_menu.png", "Bitmapy/button.png",
                             "Bitmapy/pr.png",        "Bitmapy/pr2.png",      "Bitmapy/pr3.png",
                             "Bitmapy/ingamemenu.png", "Bitmapy/kursor.png",  "Bitmapy/szynka.png",
                             "Bitmapy/monety.png",    "Fonty/ex01.pcx"};

TEST(Interfejs, GeneratorReproducesTheCommittedFiles) {
  std::string k = katalog_tymczasowy();
  std::string polecenie = std::string(GRA_KATALOG_BUDOWY) + "/narzedzia/gen_interfejs " + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  for (const char* p : PLIKI)
    EXPECT_EQ(wczytaj_plik(k + "/Pliki_danych/" + p),
              wczytaj_plik(std::string("Pliki_danych/") + p)) << p;
}

TEST(Interfejs, PicturesHaveTheirSizesAndTheFrameLeavesTheMapOpen) {
  przygotuj_allegro();
  BITMAP* b = load_bitmap("Pliki_danych/Bitmapy/button.png", nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->w, 108);
  EXPECT_EQ(b->h, 66);
  destroy_bitmap(b);
  BITMAP* r = load_bitmap("Pliki_danych/Bitmapy/interfejs.png", nullptr);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->w, 1024);
  EXPECT_EQ(r->h, 768);
  EXPECT_EQ(getpixel(r, 500, 300), bitmap_mask_color(r));
  EXPECT_NE(getpixel(r, 500, 700), bitmap_mask_color(r));
  destroy_bitmap(r);
  BITMAP* s = load_bitmap("Pliki_danych/Bitmapy/szynka.png", nullptr);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(geta32(getpixel(s, 0, 0)), 0) << "food has a soft, transparent edge";
  EXPECT_EQ(geta32(getpixel(s, 28, 26)), 255);
  destroy_bitmap(s);
}

TEST(Interfejs, FontIsCompleteAndEveryButtonLabelFits) {
  przygotuj_allegro();
  FONT* f = load_font("Pliki_danych/Fonty/ex01.pcx", nullptr, nullptr);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(get_font_ranges(f), 1);
  EXPECT_EQ(get_font_range_begin(f, 0), 32);
  EXPECT_EQ(get_font_range_end(f, 0), 0x17F);
  EXPECT_LE(text_height(f), 12);
  // Every printable character leaves ink (the control characters 127..159 and the no-break
  // space are blank).
  BITMAP* b = create_bitmap(32, 32);
  for (int c = 33; c <= 0x17F; ++c) {
    if (c >= 0x7F && c <= 0xA0) continue;
    char t[8];
    usetc(t + usetc(t, c), 0);
    clear_to_color(b, 0);
    textout_ex(b, f, t, 0, 0, makecol(255, 255, 255), -1);
    int tusz = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) tusz += getpixel(b, x, y) != 0;
    EXPECT_GT(tusz, 0) << std::hex << c;
  }
  destroy_bitmap(b);
  const char* const KLUCZE[] = {"endturn", "options", "powrot", "heal", "repair", "training",
                                "save1", "exit", "buy", "next", "previous", "raiseattack",
                                "raisedefense", "raiseagility", "buyunit", "buytechnology",
                                "notavaiable", "technology1", "technology4", "mapa1", "soundon",
                                "soundoff", "aigood", "aievil", "aioff", "ok", "cancel", "great",
                                "youch"};
  for (const char* jezyk : {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg", "gm_fr.cfg",
                            "gm_cz.cfg", "gm_ge.cfg"}) {
    set_config_file(jezyk);
    for (const char* k : KLUCZE)
      EXPECT_LE(text_length(f, get_config_string("teksty", k, "")), 104) << jezyk << " " << k;
  }
  set_config_file("gm_pl.cfg");
  destroy_font(f);
}

}  // namespace
