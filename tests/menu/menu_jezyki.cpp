// The language screen: labels at start and after a choice, and config.cfg on disk.
#include <sys/stat.h>

#include <cstdio>

#include "menu_wspolne.h"
#include "teksty.h"

namespace {

bool zawiera(const std::string& tekst, const std::string& fraza) {
  return tekst.find(fraza) != std::string::npos;
}

// The language buttons stand in a column named in their own languages, and the language
// button names the one in use the same way at start and after a choice.
TEST_F(MenuTest, PrzyciskiJezykowIJezykNaStarcieIPoWyborze) {
  jezyk_startowy("GERMAN");
  m.otworz_menu();
  std::string nazwy;
  for (int k = 0; k < 7; ++k) {
    const przycisk* p = m.pobierz_przycisk((menu::numer_przycisku)(menu::p_jezyk1 + k));
    ASSERT_NE(p, nullptr);
    nazwy += std::string(p->pobierz_napis()) + " ";
    EXPECT_EQ(p->pobierz_x(), 678);
    EXPECT_EQ(p->pobierz_y(), 290 + 30 * k);
  }
  EXPECT_EQ(nazwy, "Polski English Spanish Italian French Czech German ");
  EXPECT_EQ(napis(menu::p_jezyk), "LANG: German");
  EXPECT_EQ(napis(menu::p_nowa_gra), "Neues Spiel");
  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  ASSERT_EQ(m.pobierz_ekran(), menu::jezyki);
  kliknij(menu::p_jezyk7);
  EXPECT_EQ(napis(menu::p_jezyk), "LANG: German");
  EXPECT_EQ(m.pobierz_ekran(), menu::glowny);
  EXPECT_TRUE(zawiera(wczytaj_plik("config.cfg"), "GERMAN"));
}

// A choice rewrites config.cfg and every label, those that show a setting included; the
// buttons stay where they stood and no language file is rewritten.
TEST_F(MenuTest, WyborJezykaZapisujeConfigIZmieniaNapisy) {
  // Polish places its first button elsewhere: the menu must not move it after a choice.
  std::string pl = wczytaj_plik("gm_pl.cfg");
  size_t i = pl.find("[button_nowagra]");
  ASSERT_NE(i, std::string::npos);
  pl.insert(i + std::string("[button_nowagra]\n").size(), "x = 10\ny = 20\n");
  zapisz_plik("gm_pl.cfg", pl);
  std::string przed_ge = wczytaj_plik("gm_ge.cfg");

  m.otworz_menu();
  int x = m.pobierz_przycisk(menu::p_nowa_gra)->pobierz_x();
  int y = m.pobierz_przycisk(menu::p_nowa_gra)->pobierz_y();
  kliknij(menu::p_opcje);
  kliknij(menu::p_komputer);  // ai 2 -> 0
  kliknij(menu::p_jezyk);
  kliknij(menu::p_jezyk1);

  std::string config = wczytaj_plik("config.cfg");
  EXPECT_TRUE(zawiera(config, "POLSKI")) << config;
  EXPECT_FALSE(zawiera(config, "ENGLISH"));
  const std::pair<menu::numer_przycisku, const char*> napisy[] = {
      {menu::p_jezyk, "LANG: Polski"},         {menu::p_nowa_gra, "Nowa gra"},
      {menu::p_zapis1, "1: pusty"},            {menu::p_powrot_info, "Powrót"},
      {menu::p_komputer, "Komputer: nie gra"}, {menu::p_sila, "Poziom: klasyczny"},
      {menu::p_dzwiek, "Dźwięk: włączony"}};
  for (const auto& n : napisy) EXPECT_EQ(napis(n.first), n.second);
  EXPECT_EQ(m.pobierz_przycisk(menu::p_nowa_gra)->pobierz_x(), x);
  EXPECT_EQ(m.pobierz_przycisk(menu::p_nowa_gra)->pobierz_y(), y);

  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  kliknij(menu::p_jezyk7);
  EXPECT_TRUE(zawiera(wczytaj_plik("config.cfg"), "GERMAN"));
  EXPECT_EQ(napis(menu::p_nowa_gra), "Neues Spiel");
  EXPECT_EQ(wczytaj_plik("gm_ge.cfg"), przed_ge);
  EXPECT_EQ(wczytaj_plik("gm_pl.cfg"), pl);
}

// config.cfg cannot be written: the chosen language holds for the run and a message says it
// was not kept; until the message is acknowledged the menu's buttons only show.
TEST_F(MenuTest, JezykBezZapisuObowiazujeDoKoncaGryIGraczWie) {
  ASSERT_EQ(std::remove("config.cfg"), 0);
  ASSERT_EQ(mkdir("config.cfg", 0755), 0);
  m.otworz_menu();
  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  kliknij(menu::p_jezyk2);
  EXPECT_EQ(napis(menu::p_nowa_gra), "New game");
  ASSERT_TRUE(m.czy_komunikat());
  ekran.wyczysc();
  m.krok();
  bool tresc = false, przycisk_ok = false;
  for (const auto& w : ekran.wywolania) {
    tresc |= w.co == "pisz" && w.tekst == tekst("langnotsaved");
    przycisk_ok |= w.co == "pisz" && w.tekst == tekst("acknowledge") && w.a == 320 + 130 + 55;
  }
  EXPECT_TRUE(tresc && przycisk_ok);
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::dalej);
  mouse_x = 320 + 130 + 50;
  mouse_y = 216 + 125 + 10;
  mouse_b = 1;
  m.krok();
  mouse_b = 0;
  m.krok();
  EXPECT_FALSE(m.czy_komunikat());
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::start_gry);
}

}  // namespace
