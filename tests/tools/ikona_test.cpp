// The desktop icon: the generator reproduces the committed pictures, square at 64 and 256
// pixels, with a transparent ground around an opaque middle.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "srodowisko.h"

namespace {

TEST(Ikona, GeneratorReproducesBothSizesTransparentAroundTheShield) {
  const std::string k = katalog_tymczasowy();
  const std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_ikona ") + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  przygotuj_allegro();
  for (int rozmiar : {64, 256}) {
    const std::string r = std::to_string(rozmiar);
    const std::string plik = "instalacja/ikony/" + r + "x" + r + "/twierdze.png";
    EXPECT_EQ(wczytaj_plik(k + "/" + plik), wczytaj_plik(plik)) << plik;
    BITMAP* b = load_bitmap(plik.c_str(), nullptr);
    ASSERT_NE(b, nullptr) << plik;
    EXPECT_EQ(b->w, rozmiar);
    EXPECT_EQ(b->h, rozmiar);
    EXPECT_EQ(geta(getpixel(b, 0, 0)), 0) << plik << ": a corner is transparent";
    EXPECT_EQ(geta(getpixel(b, rozmiar / 2, rozmiar / 2)), 255) << plik << ": the middle is opaque";
    destroy_bitmap(b);
  }
}

}  // namespace
