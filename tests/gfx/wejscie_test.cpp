// Per-pass mouse events, the button state machine and the message window, with scripted
// mouse states.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "globalne.h"
#include "menu.h"
#include "oczekiwanie.h"
#include "przycisk.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

TEST(Zdarzenia, NacisniecieRazNaPrzytrzymanieAZwolnienieWPierwszymPrzebiegu) {
  grafika_nagrywajaca g;
  zdarzenia z(&g);
  z.odswiez_ze_stanem(0);
  EXPECT_FALSE(z.l_klikniety() || z.p_klikniety() || z.l_zwolniony() || z.p_zwolniony());
  const bool klik[] = {true, false, false, false};
  const bool zwolnienie[] = {false, false, false, true};
  const int stany[] = {1, 1, 1, 0};
  for (int i = 0; i < 4; ++i) {
    z.odswiez_ze_stanem(stany[i]);
    EXPECT_EQ(z.l_klikniety(), klik[i]) << i;
    EXPECT_EQ(z.l_zwolniony(), zwolnienie[i]) << i;
  }
  z.odswiez_ze_stanem(3);
  EXPECT_TRUE(z.l_klikniety() && z.p_klikniety());
  // A press already let go in the next pass does not stay set.
  z.odswiez_ze_stanem(0);
  EXPECT_FALSE(z.l_klikniety());
  EXPECT_TRUE(z.l_zwolniony() && z.p_zwolniony());
  z.odswiez_ze_stanem(0);
  EXPECT_FALSE(z.l_zwolniony());
  z.wyswietl_okno(4);
  z.zeruj();
  EXPECT_EQ(z.zwroc_okno(), 4);
}

long czas_czuwania = 0;
long zegar_czuwania() { return czas_czuwania; }
long chwila_zmiany = -1;
int rodzaj_zmiany = 0;  // 0 the pointer moves, 1 a key goes down, 2 a button
// A step of sleep on the test's clock; the player acts when its moment comes.
void sen_testowy(int ms) {
  czas_czuwania += ms;
  if (chwila_zmiany < 0 || czas_czuwania < chwila_zmiany) return;
  if (rodzaj_zmiany == 0) mouse_x = 600;
  if (rodzaj_zmiany == 1) key[KEY_A] = 1;
  if (rodzaj_zmiany == 2) mouse_b = 1;
}

// The idle loop sleeps until what is due comes or the player moves, never before the shortest
// gap between passes, and feeds the music in every step of its sleep.
TEST(Oczekiwanie, SpiDoTerminuAlboDoRuchuGracza) {
  grafika_nagrywajaca g;
  g.ustaw_zegar(zegar_czuwania);
  struct przypadek {
    long termin, najwczesniej, zmiana;
    int co;
    long pobudka;
  };
  const przypadek przypadki[] = {
      {100, 10, -1, 0, 100},  {-5, 10, -1, 0, 0},  {100, 10, 30, 0, 30},
      {100, 10, 2, 2, 10},    {100, 10, 40, 1, 40}, {100, 10, 200, 0, 100},
  };
  for (const przypadek& p : przypadki) {
    mouse_x = mouse_y = 300;
    mouse_b = 0;
    key[KEY_A] = 0;
    czas_czuwania = 0;
    chwila_zmiany = p.zmiana;
    rodzaj_zmiany = p.co;
    oczekiwanie o(&g, sen_testowy);
    o.zapamietaj();
    int karmienia = 0;
    const int kroki = o.czekaj(p.termin, p.najwczesniej, [&] { ++karmienia; });
    EXPECT_GE(czas_czuwania, p.pobudka) << p.termin << " " << p.zmiana;
    EXPECT_LT(czas_czuwania, p.pobudka + oczekiwanie::KROK_MS) << p.termin << " " << p.zmiana;
    EXPECT_EQ(karmienia, kroki);
  }
  mouse_x = mouse_y = mouse_b = 0;
  key[KEY_A] = 0;
  g.ustaw_zegar(nullptr);
}

TEST(Przycisk, KlikWymagaNacisnieciaIZwolnieniaWewnatrz) {
  grafika_nagrywajaca g;
  dev_mode = false;
  przycisk p(&g, 100, 100, "ok");
  EXPECT_EQ(p.pobierz_stan(), przycisk::zwykly);
  EXPECT_EQ(p.zdarzenie_ze_stanem(100, 110, 0), przycisk::zwykly) << "the edge is outside";
  EXPECT_EQ(p.zdarzenie_ze_stanem(150, 110, 0), przycisk::podswietlony);
  EXPECT_EQ(p.zdarzenie_ze_stanem(150, 110, 1), przycisk::wcisniety);
  EXPECT_EQ(p.zdarzenie_ze_stanem(151, 110, 1), przycisk::wcisniety);
  EXPECT_EQ(p.zdarzenie_ze_stanem(151, 110, 0), przycisk::klikniety);
  EXPECT_EQ(p.zdarzenie_ze_stanem(151, 110, 0), przycisk::podswietlony);
  // Released elsewhere: no click.
  p.zdarzenie_ze_stanem(150, 110, 1);
  p.zdarzenie_ze_stanem(300, 110, 1);
  EXPECT_EQ(p.zdarzenie_ze_stanem(300, 110, 0), przycisk::zwykly);
  // A press that enters while held clicks on release; the right button blocks the click.
  p.zdarzenie_ze_stanem(150, 110, 1);
  EXPECT_EQ(p.zdarzenie_ze_stanem(150, 110, 2), przycisk::wcisniety);
  EXPECT_EQ(p.zdarzenie_ze_stanem(150, 110, 0), przycisk::klikniety);
}

TEST(Przycisk, NapisyKopiowaneIPrzycinaneBezNowychBuforow) {
  grafika_nagrywajaca g;
  std::string dlugi(400, 'x');
  przycisk p(&g, 0, 0, dlugi.c_str());
  EXPECT_EQ(std::string(p.pobierz_napis()).size(), 254u);
  // A long label of two-byte letters is cut before a letter, never inside one.
  std::string polski = "x";
  for (int i = 0; i < 200; ++i) polski += "\xC5\xBC";
  p.napis(polski.c_str());
  EXPECT_EQ(std::string(p.pobierz_napis()), polski.substr(0, 253));
  const char* bufor = p.pobierz_napis();
  char zrodlo[] = "Nowa gra";
  p.napis(zrodlo);
  zrodlo[0] = 'X';
  EXPECT_STREQ(p.pobierz_napis(), "Nowa gra");
  EXPECT_EQ(p.pobierz_napis(), bufor);
  p.napis(nullptr);
  EXPECT_STREQ(p.pobierz_napis(), "");
  p.napis("100%");
  p.rysuj();
  ASSERT_EQ(g.ile("pisz"), 1);
  EXPECT_EQ(g.wywolania.back().a, 55);
  EXPECT_EQ(g.wywolania.back().b, 7);
}

TEST(Przycisk, TrybDeweloperaPrzeciagaPrawymPrzyciskiem) {
  grafika_nagrywajaca g;
  przycisk p(&g, 100, 100, "ok");
  dev_mode = true;
  p.zdarzenie_ze_stanem(150, 90, 2);
  dev_mode = false;
  EXPECT_EQ(p.pobierz_x(), 96);
  EXPECT_EQ(p.pobierz_y(), 79);
  EXPECT_EQ(g.ile("pisz"), 2);
}

class OknoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    mouse_b = 0;
    mouse_x = mouse_y = 0;
  }
  int klik(menu& m, int x, int y, const char* a, const char* b) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = 1;
    int r1 = m.okno(320, 216, "text", a, b);
    mouse_b = 0;
    int r2 = m.okno(320, 216, "text", a, b);
    return r1 == menu::OKNO_OTWARTE ? r2 : r1;
  }
  grafika_nagrywajaca g;
};

TEST_F(OknoTest, JedenLubDwaPrzyciskiOdpowiadajaRazSwoimNumerem) {
  menu m(&g);
  EXPECT_EQ(klik(m, 320 + 130 + 50, 216 + 135, "ok", " "), 0);
  EXPECT_EQ(m.okno(320, 216, "text", "ok", " "), menu::OKNO_OTWARTE) << "a click answers once";
  EXPECT_EQ(klik(m, 320 + 190 + 50, 216 + 135, "ok", "cancel"), 1);
  EXPECT_EQ(klik(m, 320 + 70 + 50, 216 + 135, "ok", "cancel"), 0);
  EXPECT_EQ(klik(m, 320 + 130 + 50, 216 + 135, " ", " "), menu::OKNO_OTWARTE);
  g.wyczysc();
  m.okno(320, 216, nullptr, nullptr, nullptr);
  EXPECT_EQ(g.ile("bitmapa"), 1) << "the panel only: null labels mean no buttons";
  // The text is wrapped inside the panel.
  g.wyczysc();
  m.okno(320, 216, "hello", "ok", " ");
  bool tekst = false;
  for (const auto& w : g.wywolania)
    tekst |= w.co == "pisz" && w.tekst == "hello" && w.a == 400 && w.b == 296 && w.c == -1 &&
             w.e == 0;  // from the left edge, not centred
  EXPECT_TRUE(tekst);
}

}  // namespace
