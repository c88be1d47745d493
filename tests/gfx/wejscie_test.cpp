// Per-pass mouse events, the idle wait, the button's click and the message window, with
// scripted mouse states.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "globalne.h"
#include "menu.h"
#include "oczekiwanie.h"
#include "przycisk.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

// A press counts in its pass only, also when let go by the next; a release once.
TEST(Zdarzenia, NacisniecieIZwolnienieRazNaPrzebieg) {
  zdarzenia z(nullptr);
  // button word; left press, right press, left release, right release
  const int przebiegi[][5] = {{0, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 0, 0, 1, 0},
                              {0, 0, 0, 0, 0}, {3, 1, 1, 0, 0}, {0, 0, 0, 1, 1}, {2, 0, 1, 0, 0}};
  for (const auto& p : przebiegi) {
    z.odswiez_ze_stanem(p[0]);
    EXPECT_EQ(std::make_tuple(z.l_klikniety(), z.p_klikniety(), z.l_zwolniony(), z.p_zwolniony()),
              std::make_tuple(p[1] == 1, p[2] == 1, p[3] == 1, p[4] == 1)) << p[0];
  }
}

long czas_czuwania = 0;
long zegar_czuwania() { return czas_czuwania; }
long chwila_ruchu = -1;
int ruch = 0;  // what the player does then: 0 moves the pointer, 1 a key, 2 a button
void sen_testowy(int ms) {
  czas_czuwania += ms;
  if (chwila_ruchu < 0 || czas_czuwania < chwila_ruchu) return;
  if (ruch == 0) mouse_y = 600;
  if (ruch == 1) key[KEY_A] = 1;
  if (ruch == 2) mouse_b = 1;
}

// The idle loop sleeps until what is due comes or the player acts, never before the shortest
// gap between passes, and feeds the music in every step of its sleep.
TEST(Oczekiwanie, SpiDoTerminuAlboDoRuchuGracza) {
  grafika_nagrywajaca g;
  g.ustaw_zegar(zegar_czuwania);
  // due, earliest, the player's moment, what he does, the waking
  const long przypadki[][5] = {{100, 10, -1, 0, 100}, {-5, 10, -1, 0, 0},  {100, 10, 30, 0, 30},
                               {100, 10, 2, 2, 10},   {100, 10, 40, 1, 40}, {100, 10, 200, 0, 100}};
  for (const auto& p : przypadki) {
    mouse_x = mouse_y = 300;
    mouse_b = key[KEY_A] = czas_czuwania = 0;
    chwila_ruchu = p[2];
    ruch = (int)p[3];
    oczekiwanie o(&g, sen_testowy);
    int karmienia = 0;
    EXPECT_EQ(o.czekaj(p[0], p[1], [&] { ++karmienia; }), karmienia);
    EXPECT_GE(czas_czuwania, p[4]) << p[0] << " " << p[2];
    EXPECT_LT(czas_czuwania, p[4] + oczekiwanie::KROK_MS) << p[0] << " " << p[2];
  }
  mouse_x = mouse_y = mouse_b = key[KEY_A] = 0;
  g.ustaw_zegar(nullptr);
}

// A click is a press and a release inside the button, whose edge lies outside; a release
// elsewhere is none; the right button does not stop it.
TEST(Przycisk, KlikWymagaNacisnieciaIZwolnieniaWewnatrz) {
  dev_mode = false;
  przycisk p(nullptr, 100, 100, "ok");
  const int kroki[][4] = {  // x, y, buttons, state
      {100, 110, 0, przycisk::zwykly},       {207, 110, 1, przycisk::wcisniety},
      {208, 110, 0, przycisk::zwykly},       {150, 100, 0, przycisk::zwykly},
      {150, 121, 1, przycisk::wcisniety},    {151, 111, 0, przycisk::klikniety},
      {151, 111, 0, przycisk::podswietlony}, {150, 110, 1, przycisk::wcisniety},
      {300, 110, 1, przycisk::zwykly},       {300, 110, 0, przycisk::zwykly},
      {150, 110, 1, przycisk::wcisniety},    {150, 110, 2, przycisk::wcisniety},
      {150, 110, 0, przycisk::klikniety}};
  for (const auto& k : kroki)
    EXPECT_EQ(p.zdarzenie_ze_stanem(k[0], k[1], k[2]), k[3]) << k[0] << "," << k[1] << " " << k[2];
}

// A long label is cut to the button's buffer, before a two-byte letter, never inside one.
TEST(Przycisk, NapisyKopiowaneIPrzycinane) {
  przycisk p(nullptr, 0, 0, std::string(400, 'x').c_str());
  EXPECT_EQ(std::string(p.pobierz_napis()).size(), 254u);
  std::string polski = "x";
  for (int i = 0; i < 200; ++i) polski += "\xC5\xBC";
  p.napis(polski.c_str());
  EXPECT_EQ(std::string(p.pobierz_napis()), polski.substr(0, 253));
}

// One or two buttons, each answering once with its number; a blank or missing label is no
// button.
TEST(Okno, PrzyciskiOdpowiadajaRazSwoimNumerem) {
  przygotuj_allegro();
  grafika_nagrywajaca g;
  menu m(&g);
  auto klik = [&](int x, const char* a, const char* b) {
    mouse_x = 320 + x + 50;
    mouse_y = 216 + 135;
    mouse_b = 1;
    const int r = m.okno(320, 216, "text", a, b);
    mouse_b = 0;
    return r == menu::OKNO_OTWARTE ? m.okno(320, 216, "text", a, b) : r;
  };
  const std::tuple<int, const char*, const char*, int> przypadki[] = {
      {130, "ok", " ", 0},       {190, "ok", "cancel", 1}, {70, "ok", "cancel", 0},
      {130, " ", "cancel", 1},   {70, " ", " ", -1}};
  for (const auto& p : przypadki) {
    EXPECT_EQ(klik(std::get<0>(p), std::get<1>(p), std::get<2>(p)), std::get<3>(p)) << std::get<0>(p);
    EXPECT_EQ(m.okno(320, 216, "text", "ok", " "), menu::OKNO_OTWARTE) << "a click answers once";
  }
  g.wyczysc();
  m.okno(320, 216, nullptr, nullptr, nullptr);
  EXPECT_EQ(g.ile("bitmapa"), 1) << "the panel only";
  mouse_x = mouse_y = 0;
}

}  // namespace
