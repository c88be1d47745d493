// The main menu's buttons, placed by each language file, lie on the menu's panel, so no
// button hangs over the edge of its frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

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

TEST(InterfejsPanele, PrzyciskiMenuKazdegoJezykaLezaNaPanelu) {
  przygotuj_allegro();
  const prostokat pr = panel("pr.png", 657, 288);
  ASSERT_GT(pr.w, 0);
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

}  // namespace
