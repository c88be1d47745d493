// Every button and picture the menus and windows place over a panel lies inside that panel,
// so no button hangs over the edge of its frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "srodowisko.h"

namespace {

struct prostokat {
  int x, y, w, h;
};

prostokat panel(const char* nazwa, int x, int y) {
  BITMAP* b = load_bitmap((std::string("Pliki_danych/Bitmapy/") + nazwa).c_str(), nullptr);
  prostokat p{x, y, b ? b->w : 0, b ? b->h : 0};
  if (b) destroy_bitmap(b);
  return p;
}

bool wewnatrz(const prostokat& p, const prostokat& r) {
  return r.x >= p.x && r.y >= p.y && r.x + r.w <= p.x + p.w && r.y + r.h <= p.y + p.h;
}

prostokat przycisk(int x, int y) { return {x, y, 108, 22}; }

void sprawdz(const prostokat& p, const std::vector<prostokat>& rzeczy, const char* gdzie) {
  ASSERT_GT(p.w, 0) << gdzie;
  for (const prostokat& r : rzeczy)
    EXPECT_TRUE(wewnatrz(p, r)) << gdzie << ": (" << r.x << ", " << r.y << ") " << r.w << "x" << r.h;
}

TEST(InterfejsPanele, PrzyciskiEkranowMenuLezaNaPanelu) {
  przygotuj_allegro();
  const prostokat pr = panel("pr.png", 657, 288);
  std::vector<prostokat> stale;
  for (int n = 0; n < 7; ++n) stale.push_back(przycisk(678, 290 + 30 * n));  // languages
  for (int n = 0; n < 5; ++n) stale.push_back(przycisk(678, 320 + 30 * n));  // save slots
  stale.push_back(przycisk(678, 500));
  sprawdz(pr, stale, "pr");
  const prostokat mapy = panel("pr2.png", 573, 286);
  sprawdz(mapy, {przycisk(600, 410), przycisk(765, 410), przycisk(600, 535), przycisk(765, 535),
                 przycisk(682, 575)}, "pr2, maps");
  sprawdz(panel("pr2.png", 563, 256), {przycisk(682, 548)}, "pr2, information");
}

TEST(InterfejsPanele, PrzyciskiMenuKazdegoJezykaLezaNaPanelu) {
  przygotuj_allegro();
  const prostokat pr = panel("pr.png", 657, 288);
  const char* const SEKCJE[] = {"button_nowagra", "button_wczytajmape", "button_wczytajgre",
                                "button_opcje", "button_info", "button_wyjscie"};
  int sprawdzone = 0;
  for (const char* jezyk : {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg", "gm_fr.cfg",
                            "gm_cz.cfg", "gm_ge.cfg"}) {
    if (!exists(jezyk)) continue;
    set_config_file(jezyk);
    for (const char* s : SEKCJE) {
      const int x = get_config_int(s, "x", -1000), y = get_config_int(s, "y", -1000);
      EXPECT_TRUE(wewnatrz(pr, przycisk(x, y))) << jezyk << " " << s << " (" << x << ", " << y << ")";
    }
    ++sprawdzone;
  }
  set_config_file("gm_pl.cfg");
  if (sprawdzone == 0) GTEST_SKIP() << "no language files yet";
}

TEST(InterfejsPanele, MenuGryIOknoKomunikatuMieszczaPrzyciskiIObrazki) {
  przygotuj_allegro();
  std::vector<prostokat> w_grze;
  for (int y : {200, 230, 260, 290, 320, 380, 410}) w_grze.push_back(przycisk(455, y));
  sprawdz(panel("ingamemenu.png", 410, 115), w_grze, "ingamemenu");
  const prostokat pr3 = panel("pr3.png", 320, 216);
  const prostokat szynka = panel("szynka.png", 470, 245), monety = panel("monety.png", 470, 235);
  sprawdz(pr3, {przycisk(320 + 70, 341), przycisk(320 + 190, 341), przycisk(320 + 130, 341),
                {400, 296, 220, 12}, szynka, monety}, "pr3");
}

}  // namespace
