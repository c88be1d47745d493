// The graphics context on memory bitmaps: translucent mixes, text, the animation clock and
// presenting.
#include <allegro.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "grafika.h"
#include "katalogi.h"
#include "srodowisko.h"

namespace {

long czas_testu = 0;
long zegar_testu() { return czas_testu; }

int kolor(int r, int g, int b) { return makecol32(r, g, b); }

class GrafikaTest : public ::testing::Test {
 protected:
  void SetUp() override { przygotuj_allegro(); }
};

// Pink is never drawn; other pixels mix with the target by factor / 255, rounded.
TEST_F(GrafikaTest, PrzezroczystyBlitPomijaRozIMieszaWedlugWspolczynnika) {
  BITMAP* zr = create_bitmap_ex(32, 2, 1);
  BITMAP* cel = create_bitmap_ex(32, 4, 1);
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
  destroy_bitmap(zr);
  destroy_bitmap(cel);
}

TEST_F(GrafikaTest, PrzezroczysteRysowanieObcinaNaKazdejKrawedzi) {
  BITMAP* zr = create_bitmap_ex(32, 10, 10);
  clear_to_color(zr, kolor(255, 255, 255));
  BITMAP* cel = create_bitmap_ex(32, 20, 20);
  const int xs[] = {-5, 15, 5, 5, -100, 100};
  const int ys[] = {5, 5, -5, 15, -100, 100};
  for (int i = 0; i < 6; ++i) {
    clear_to_color(cel, 0);
    blit_przezroczysty(zr, cel, xs[i], ys[i], 255);
    prostokat_przezroczysty(cel, xs[i], ys[i], xs[i] + 9, ys[i] + 9, kolor(255, 255, 255), 255);
    int zmienione = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) zmienione += getpixel(cel, x, y) != 0;
    EXPECT_EQ(zmienione, i < 4 ? 50 : 0) << "case " << i;
  }
  // The clip rectangle of the target counts too.
  clear_to_color(cel, 0);
  set_clip_rect(cel, 0, 0, 9, 9);
  prostokat_przezroczysty(cel, 0, 0, 19, 19, kolor(255, 255, 255), 255);
  EXPECT_EQ(getpixel(cel, 10, 10), 0);
  EXPECT_NE(getpixel(cel, 9, 9), 0);
  destroy_bitmap(zr);
  destroy_bitmap(cel);
}

TEST_F(GrafikaTest, NocCieniujeWedlugGodzinyIFlagiRysowania) {
  grafika g(tryb_grafiki::pamiec);
  BITMAP* b = g.pobierz_bufor();
  ASSERT_NE(b, nullptr);
  clear_to_color(b, kolor(200, 200, 200));
  g.rysuj_noc(12);
  EXPECT_EQ(getpixel(b, 10, 10), kolor(200, 200, 200));
  g.rysuj_noc(0);  // factor 228
  EXPECT_EQ(getr32(getpixel(b, 10, 10)), (200 * 27 + 127) / 255);
  EXPECT_EQ(getpixel(b, 10, 600), kolor(200, 200, 200)) << "the panel stays lit";
  clear_to_color(b, kolor(200, 200, 200));
  g.zmiana_klatki(false);
  g.rysuj_noc(0);
  EXPECT_EQ(getpixel(b, 10, 10), kolor(200, 200, 200));
}

TEST_F(GrafikaTest, ZegarAnimacjiKrokCoStoMilisekundIRytmPokazywania) {
  grafika g(tryb_grafiki::pamiec);
  czas_testu = 1000;
  g.ustaw_zegar(zegar_testu);
  g.pokaz(true);
  long pokazane = g.pobierz_liczbe_pokazan();
  g.pokaz(false);
  EXPECT_EQ(g.pobierz_liczbe_pokazan(), pokazane) << "nothing new: no present";
  czas_testu = 1089;
  EXPECT_FALSE(g.czy_pokazac());
  czas_testu = 1090;
  EXPECT_TRUE(g.czy_pokazac());
  g.zmiana_klatki(false);
  g.rysuj_pole(pole_trawa, 0, 0, 0);  // not drawn, but the clock still runs
  EXPECT_EQ(g.pobierz_klatke(), 0);
  czas_testu = 1100;
  g.rysuj_pole(pole_trawa, 0, 0, 0);
  EXPECT_EQ(g.pobierz_klatke(), 1);
  EXPECT_TRUE(g.czy_zmiana());
  g.pokaz(false);
  EXPECT_EQ(g.pobierz_liczbe_pokazan(), pokazane + 1);
  g.wymus_rysowanie();
  g.pokaz(false);
  g.pokaz(false);
  EXPECT_EQ(g.pobierz_liczbe_pokazan(), pokazane + 2) << "a forced present happens once";
  g.rysuj_w_nastepnym();  // asked after this pass drew: its present must not use it up
  g.pokaz(false);
  EXPECT_EQ(g.pobierz_liczbe_pokazan(), pokazane + 2);
  EXPECT_TRUE(g.czy_pokazac()) << "the next pass draws in full";
  g.pokaz(false);
  EXPECT_EQ(g.pobierz_liczbe_pokazan(), pokazane + 3);
  for (int i = 2; i <= 8; ++i) {
    czas_testu += 100;
    g.rysuj_pole(pole_brak, 0, 0, 0);
  }
  EXPECT_EQ(g.pobierz_klatke(), 8);
  g.rysuj_pole(pole_brak, 0, 0, 0);
  EXPECT_EQ(g.pobierz_klatke(), 0) << "frame 8 wraps before it is used";
  g.ustaw_zegar(nullptr);
}

TEST_F(GrafikaTest, PolaNaPrzesunietejSiatceIPozycjePowyzejStu) {
  grafika p(tryb_grafiki::pamiec);
  BITMAP* bufor = p.pobierz_bufor();
  ASSERT_NE(bufor, nullptr);
  if (!p.pobierz_mape_myszki()) GTEST_SKIP() << "sheets not built yet";
  clear_to_color(bufor, kolor(255, 0, 255));
  p.rysuj_pole(pole_trawa, 0, 1, 0);  // cell (0, 1) at pixel (9, 32)
  EXPECT_NE(getpixel(bufor, 9 + 20, 32 + 20), kolor(255, 0, 255));
  EXPECT_EQ(getpixel(bufor, 9 - 2, 32 + 20), kolor(255, 0, 255));
  clear_to_color(bufor, kolor(255, 0, 255));
  p.rysuj_pole(pole_trawa, 101, 101, 0);
  EXPECT_NE(getpixel(bufor, 101 + 20, 101 + 20), kolor(255, 0, 255));
}

TEST_F(GrafikaTest, TekstZawijaZeZnakiemALiczbaStoiTuzZaNim) {
  grafika g(tryb_grafiki::pamiec);
  BITMAP* b = g.pobierz_bufor();
  FONT* f = g.pobierz_czcionke() ? g.pobierz_czcionke() : font;
  clear_to_color(b, 0);
  int w = text_length(f, "W");
  // Wrapping at one character's width: every character gets a line of its own.
  g.pisz("WWW", 100, 100, -1, kolor(255, 255, 255), false, w - 1);
  int linie = 0;
  for (int linia = 0; linia < 4; ++linia) {
    int y0 = 96 + linia * text_height(f);
    bool jest = false;
    for (int y = y0; y < y0 + text_height(f) && !jest; ++y)
      for (int x = 100; x < 100 + w && !jest; ++x) jest = getpixel(b, x, y) != 0;
    linie += jest;
  }
  EXPECT_EQ(linie, 3) << "the character at the break is drawn on the new line";
  clear_to_color(b, 0);
  g.pisz("A", 10, 10, 250, kolor(255, 255, 255), false, -1);
  int prawy = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if (getpixel(b, x, y)) prawy = std::max(prawy, x);
  EXPECT_GT(prawy, 10 + text_length(f, "A") + text_length(f, "25"));
  g.pisz(nullptr, 10, 10, 1, 0, true, -1);  // nothing, no crash
}

TEST_F(GrafikaTest, AtrapaIBrakArkuszyNicNieRysujaBezAwarii) {
  grafika a(tryb_grafiki::atrapa);
  a.rysuj_bitmape(b_interfejs, 0, 0, 0, 0, 1024, 768);
  a.rysuj_pole(pole_miasto_1, 5, 5, 0);
  a.pisz("x", 0, 0, 1, 0, false, -1);
  a.rysuj_noc(0);
  a.pokaz(true);
  a.rysuj_bitmape(typ_bitmapy(99), 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(a.pobierz_bufor(), nullptr);
  char blad[256];
  grafika p(tryb_grafiki::pamiec);
  p.rysuj_bitmape(b_pasek_zycia, 0, 0, 0, 0, -5, 0);  // negative bar width draws nothing
  EXPECT_TRUE(p.wczytaj_pliki(blad) || blad[0] != 0) << "a failure names the file";
}

// The font of a game that only spoke ASCII (the space to 127): the accented letters of the
// language files would show as carets, so the game refuses it and names the file.
TEST_F(GrafikaTest, CzcionkaBezPolskichLiterOdrzuconaZNazwa) {
  const std::string k = katalog_tymczasowy();
  char bitmapy[4096];
  ASSERT_NE(getcwd(bitmapy, sizeof bitmapy - 32), nullptr);
  std::strcat(bitmapy, "/Pliki_danych/Bitmapy");
  ASSERT_EQ(mkdir((k + "/Pliki_danych").c_str(), 0700), 0);
  ASSERT_EQ(mkdir((k + "/Pliki_danych/Fonty").c_str(), 0700), 0);
  ASSERT_EQ(symlink(bitmapy, (k + "/Pliki_danych/Bitmapy").c_str()), 0);
  // The shipped sheet's first six rows of boxes: characters 32..127.
  set_color_conversion(COLORCONV_NONE);
  PALETTE paleta;
  BITMAP* arkusz = load_pcx("Pliki_danych/Fonty/ex01.pcx", paleta);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  ASSERT_NE(arkusz, nullptr);
  const int wiersz = (arkusz->h - 1) / 22;  // 22 rows of 16 boxes under a grid line
  BITMAP* ascii = create_sub_bitmap(arkusz, 0, 0, arkusz->w, 1 + 6 * wiersz);
  ASSERT_EQ(save_pcx((k + "/Pliki_danych/Fonty/ex01.pcx").c_str(), ascii, paleta), 0);
  destroy_bitmap(ascii);
  destroy_bitmap(arkusz);
  ustaw_katalogi(k, k, true);
  grafika g(tryb_grafiki::pamiec);
  char blad[256];
  EXPECT_FALSE(g.wczytaj_pliki(blad));
  EXPECT_EQ(g.pobierz_czcionke(), nullptr);
  EXPECT_NE(std::strstr(blad, "ex01.pcx"), nullptr) << blad;
  ustaw_katalogi("", "", true);
}

}  // namespace
