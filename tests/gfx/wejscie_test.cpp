// Mouse events a pass, the idle wait, the button's click and the message window.
#include <allegro.h>
#include <gtest/gtest.h>

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

long czas_czuwania = 0, chwila_ruchu = 0;
long zegar_czuwania() { return czas_czuwania; }
void (*ruch)() = nullptr;  // what the player does at chwila_ruchu
void sen_testowy(int ms) {
  czas_czuwania += ms;
  if (ruch && czas_czuwania >= chwila_ruchu) ruch();
}

// The idle loop sleeps until what is due comes or the player acts in any way, never before
// the shortest gap between passes, and feeds the music in every step of its sleep.
TEST(Oczekiwanie, SpiDoTerminuAlboDoRuchuGracza) {
  grafika_nagrywajaca g;
  g.ustaw_zegar(zegar_czuwania);
  const std::tuple<long, long, long, void (*)(), long> przypadki[] = {
      // due, earliest, the player's moment and deed, the waking
      {100, 10, 0, nullptr, 100},                  {-5, 10, 0, nullptr, 0},
      {100, 10, 30, [] { mouse_x = 1; }, 30},      {100, 10, 2, [] { mouse_b = 1; }, 10},
      {100, 10, 40, [] { key[KEY_A] = 1; }, 40},   {100, 10, 20, [] { mouse_y = 1; }, 20},
      {100, 10, 25, [] { mouse_z = 1; }, 25},      {100, 10, 35, zglos_prosbe_zamkniecia, 35},
      {100, 10, 200, [] { mouse_x = 1; }, 100}};
  for (const auto& p : przypadki) {
    mouse_x = mouse_y = mouse_z = mouse_b = key[KEY_A] = czas_czuwania = 0;
    zeruj_prosbe_zamkniecia();
    chwila_ruchu = std::get<2>(p);
    ruch = std::get<3>(p);
    oczekiwanie o(&g, sen_testowy);
    int karmienia = 0;
    EXPECT_EQ(o.czekaj(std::get<0>(p), std::get<1>(p), [&] { ++karmienia; }), karmienia);
    EXPECT_GE(czas_czuwania, std::get<4>(p)) << std::get<2>(p);
    EXPECT_LT(czas_czuwania, std::get<4>(p) + oczekiwanie::KROK_MS) << std::get<2>(p);
  }
  mouse_x = mouse_y = mouse_z = mouse_b = key[KEY_A] = 0;
  zeruj_prosbe_zamkniecia();
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

// One or two buttons, each answering once with its number; a blank label is no button.
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
  mouse_x = mouse_y = 0;
}

}  // namespace
