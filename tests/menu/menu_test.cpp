// The title screen driven by scripted clicks and keys in a folder of its own holding copies of
// the language files and config.cfg; the languages and their texts.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "globalne.h"
#include "menu.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "srodowisko.h"
#include "teksty.h"

namespace {

class MenuTest : public ::testing::Test {
 protected:
  std::string katalog;
  grafika_nagrywajaca ekran;
  menu m{&ekran};

  void SetUp() override {
    przygotuj_allegro();
    katalog = katalog_tymczasowy();
    std::system(("cp " GRA_KATALOG_ZRODEL "/gm_*.cfg " GRA_KATALOG_ZRODEL "/config.cfg " + katalog).c_str());
    ASSERT_EQ(chdir(katalog.c_str()), 0);
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    key[KEY_ESC] = mouse_x = mouse_y = mouse_b = 0;
    m.ustaw_czytnik_slotow(opisz_slot);
  }
  void TearDown() override {
    m.zamknij_menu();
    key[KEY_ESC] = mouse_b = 0;
    ASSERT_EQ(chdir(GRA_KATALOG_ZRODEL), 0);
    set_config_file("gm_pl.cfg");
    std::system(("rm -rf " + katalog).c_str());
  }
  // Pressed over (x, y) in one pass, released in the next: the first result that ends the menu.
  menu::wynik_kroku kliknij_w(int x, int y) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = 1;
    const menu::wynik_kroku w = m.krok();
    mouse_b = 0;
    return w != menu::dalej ? w : m.krok();
  }
  menu::wynik_kroku kliknij(menu::numer_przycisku n) {
    return kliknij_w(m.pobierz_przycisk(n)->pobierz_x() + 20, m.pobierz_przycisk(n)->pobierz_y() + 10);
  }
  std::string napis(menu::numer_przycisku n) { return m.pobierz_przycisk(n)->pobierz_napis(); }
  void jezyk(const std::string& slowo) { zapisz_plik("config.cfg", "[General]\nlanguage = " + slowo + "\n"); }
};

// Each button leads to its screen, a button of another screen answers nothing; the map chosen
// is what new game starts, and a slot starts its game in the pass of the click.
TEST_F(MenuTest, PrzyciskiProwadzaDoEkranowIGry) {
  using M = menu;
  const std::tuple<M::numer_przycisku, M::wynik_kroku, M::ekran_menu, int> kroki[] = {
      {M::p_info, M::dalej, M::informacje, 6},     {M::p_powrot_info, M::dalej, M::glowny, 6},
      {M::p_mapa1, M::dalej, M::glowny, 6},        {M::p_opcje, M::dalej, M::opcje, 6},
      {M::p_zapis5, M::dalej, M::opcje, 6},        {M::p_jezyk, M::dalej, M::jezyki, 6},
      {M::p_powrot, M::dalej, M::opcje, 6},        {M::p_powrot, M::dalej, M::glowny, 6},
      {M::p_wczytaj_mape, M::dalej, M::mapy, 6},   {M::p_powrot_mapy, M::dalej, M::glowny, 6},
      {M::p_wczytaj_mape, M::dalej, M::mapy, 6},   {M::p_mapa3, M::dalej, M::glowny, 8},
      {M::p_wczytaj_gre, M::dalej, M::zapisy, 8},  {M::p_zapis2, M::start_gry, M::zapisy, 2},
  };
  m.otworz_menu();
  for (const auto& k : kroki) {
    const M::wynik_kroku w = kliknij(std::get<0>(k));
    EXPECT_EQ(std::make_tuple(std::get<0>(k), w, m.pobierz_ekran(), m.wczytana_gra()), k);
  }
  // The slot was refused and the menu opens again: new game starts the chosen map.
  m.otworz_menu();
  EXPECT_EQ(kliknij(M::p_nowa_gra), M::start_gry);
  EXPECT_STREQ(plik_wyboru(m.wczytana_gra()), "Pliki_danych/Mapy/map3.sce");
}

TEST_F(MenuTest, ZapisyMowiaCoZawieraja) {
  ASSERT_EQ(mkdir("Zapisane_gry", 0755), 0);
  zapisz_plik("Zapisane_gry/2.sav", "Pliki_danych/Mapy/map3.map 1 14.500000 900 800 0 0 0 0 0 0 0 0 E");
  zapisz_plik("Zapisane_gry/3.sav", "Pliki_danych/Mapy/map3.map 1 nie");
  ASSERT_EQ(mkdir("Zapisane_gry/4.sav", 0755), 0);
  zapisz_plik("Zapisane_gry/5.sav", "Pliki_danych/Mapy/moja_mapa.map 2 0.0 1 1 0 0 0 0 0 0 0 0 E");
  m.otworz_menu();
  std::string napisy;
  for (int n = 0; n < 5; ++n) napisy += napis(menu::numer_przycisku(menu::p_zapis1 + n)) + "|";
  EXPECT_EQ(napisy, "1: empty|2: Map 3, 14:30|3: damaged|4: damaged|5: moja_mapa, 0:00|");
}

// The computer goes off, good, evil and round; strength and sound flip; the labels follow.
TEST_F(MenuTest, UstawieniaKrazaANapisyZaNimi) {
  m.otworz_menu();
  kliknij(menu::p_opcje);
  const char* klucze[] = {"aioff", "aigood", "aievil"};
  for (short i = 0; i < 3; ++i) {
    kliknij(menu::p_komputer);
    EXPECT_EQ(std::make_pair(ai, napis(menu::p_komputer)), std::make_pair(i, std::string(tekst(klucze[i]))));
  }
  kliknij(menu::p_sila);
  m.otworz_menu();
  kliknij(menu::p_opcje);
  EXPECT_EQ(std::make_pair(sila_komputera, napis(menu::p_sila)),
            std::make_pair(short(SILA_SILNA), std::string(tekst("aistrong"))));
  kliknij(menu::p_dzwiek);
  m.krok();
  EXPECT_EQ(std::make_pair(m.zwroc_ustawienia(1), napis(menu::p_dzwiek)), std::make_pair(0, std::string(tekst("soundoff"))));
}

// The how-to-play text page by page, every paragraph whole and once; the page button comes
// round to the first page.
TEST_F(MenuTest, InformacjeStronaPoStronie) {
  m.otworz_menu();
  kliknij(menu::p_info);
  std::string pokazane, oczekiwane;
  for (const char* k : {"howto1", "howto2", "howto3", "howto4", "howto5", "howto6"})
    oczekiwane += std::string(tekst(k)) + " ";
  for (int s = 0; s < m.liczba_stron_informacji(); ++s) {
    EXPECT_EQ(m.pobierz_strone_informacji(), s);
    ekran.wyczysc();
    m.krok();
    for (const auto& w : ekran.wywolania)
      if (w.co == "pisz" && w.d == makecol(200, 200, 200)) pokazane += w.tekst + " ";
    kliknij(menu::p_strona_info);
  }
  EXPECT_EQ(pokazane, oczekiwane);
  EXPECT_EQ(m.pobierz_strone_informacji(), 0);
}

// Esc goes one screen back, once a press, and does nothing on the main screen nor while it is
// still held from before the menu opened; the exit button leaves.
TEST_F(MenuTest, EscWyjscieIZamkniecieOkna) {
  key[KEY_ESC] = 1;
  m.otworz_menu();
  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  const int esc[] = {1, 0, 1, 1, 0, 1, 0, 1};
  const menu::ekran_menu po[] = {menu::jezyki, menu::jezyki, menu::opcje, menu::opcje,
                                 menu::opcje,  menu::glowny, menu::glowny, menu::glowny};
  for (int i = 0; i < 8; ++i) {
    key[KEY_ESC] = esc[i];
    EXPECT_EQ(m.krok(), menu::dalej);
    EXPECT_EQ(m.pobierz_ekran(), po[i]) << i;
  }
  key[KEY_ESC] = 0;
  EXPECT_EQ(kliknij(menu::p_wyjscie), menu::wyjscie);
}

// A thumbnail square a field, up to 3600 or a 0xFF byte; a byte that is no terrain leaves a
// gap; no file, name or scale draws nothing.
TEST_F(MenuTest, MiniaturyMap) {
  const std::tuple<std::string, int, size_t, int, int, int> przypadki[] = {
      // bytes, scale, squares, the last one's corner and colour
      {std::string(5000, '3'), 1, 3600, 159, 259, makecol(14, 15, 141)},
      {"12345678", 1, 8, 107, 200, makecol(255, 255, 0)},
      {std::string("11\xff" "1111"), 1, 2, 101, 200, makecol(34, 94, 18)},
      {std::string(61, '0') + "4", 3, 1, 103, 203, makecol(128, 3, 3)},  // field (1, 1)
      {"9\n abc", 1, 0, 0, 0, 0},
      {"111", 0, 0, 0, 0, 0},
  };
  for (const auto& p : przypadki) {
    zapisz_plik("mapa.map", std::get<0>(p));
    ekran.wyczysc();
    const int s = std::get<1>(p);
    m.miniatura("mapa.map", 100, 200, s);
    ASSERT_EQ(ekran.wywolania.size(), std::get<2>(p)) << std::get<0>(p).substr(0, 8);
    if (ekran.wywolania.empty()) continue;
    const auto& w = ekran.wywolania.back();
    EXPECT_EQ(std::make_tuple(w.a, w.b, w.c - w.a + 1, w.d - w.b + 1, w.e),
              std::make_tuple(std::get<3>(p), std::get<4>(p), s, s, std::get<5>(p)));
  }
  m.miniatura("nie_ma_takiej.map", 0, 0, 1);
  m.miniatura(nullptr, 0, 0, 1);
  EXPECT_TRUE(ekran.wywolania.empty());
}

// config.cfg picks the language; an unknown word, no config.cfg, or a language file that
// cannot carry the menu gives Polish and a log line.
TEST_F(MenuTest, UstawienieWybieraJezykAInneDajaPolski) {
  const std::tuple<const char*, const char*, const char*> przypadki[] = {
      {"GERMAN", "LANG: German", "Neues Spiel"}, {"ENGLISH", "LANG: English", "New game"},
      {"english", "LANG: Polski", "Nowa gra"},   {"KLINGON", "LANG: Polski", "Nowa gra"},
      {nullptr, "LANG: Polski", "Nowa gra"}};
  for (const auto& p : przypadki) {
    std::get<0>(p) ? jezyk(std::get<0>(p)) : (void)unlink("config.cfg");
    EXPECT_STREQ(wybierz_jezyk(), std::get<1>(p));
    EXPECT_STREQ(tekst_z("button_nowagra", "napis"), std::get<2>(p));
  }
  const std::string en = wczytaj_plik("gm_en.cfg");
  jezyk("ENGLISH");
  for (const std::string& tresc : {en.substr(0, en.size() / 2), std::string(),
                                   en.substr(0, en.find("[button_")), en.substr(en.find("[button_"))}) {
    zapisz_plik("gm_en.cfg", tresc);
    unlink("log.txt");
    EXPECT_STREQ(wybierz_jezyk(), "LANG: Polski") << tresc.size();
    EXPECT_STREQ(tekst_z("button_nowagra", "napis"), "Nowa gra");
    EXPECT_NE(wczytaj_plik("log.txt").find("gm_en.cfg"), std::string::npos) << tresc.size();
  }
  EXPECT_EQ(std::string(tekst("no such key")) + tekst(nullptr), "");
}

// The language buttons are named in their own languages; a choice rewrites config.cfg and
// every label, those that show a setting included, and no language file changes.
TEST_F(MenuTest, WyborJezykaZapisujeConfigIZmieniaNapisy) {
  jezyk("GERMAN");
  const std::string pliki = wczytaj_plik("gm_ge.cfg") + wczytaj_plik("gm_pl.cfg");
  m.otworz_menu();
  std::string nazwy;
  for (int k = 0; k < 7; ++k) nazwy += napis(menu::numer_przycisku(menu::p_jezyk1 + k)) + " ";
  EXPECT_EQ(nazwy, "Polski English Spanish Italian French Czech German ");
  EXPECT_EQ(napis(menu::p_jezyk) + ", " + napis(menu::p_nowa_gra), "LANG: German, Neues Spiel");
  kliknij(menu::p_opcje);
  kliknij(menu::p_komputer);  // ai 2 -> 0
  kliknij(menu::p_jezyk);
  kliknij(menu::p_jezyk1);
  EXPECT_EQ(wczytaj_plik("config.cfg"), "[General]\nlanguage = POLSKI\n");
  std::string napisy;
  for (auto n : {menu::p_jezyk, menu::p_nowa_gra, menu::p_zapis1, menu::p_powrot_info,
                 menu::p_komputer, menu::p_sila, menu::p_dzwiek})
    napisy += napis(n) + "|";
  EXPECT_EQ(napisy, "LANG: Polski|Nowa gra|1: pusty|Powrót|Komputer: nie gra|Poziom: klasyczny|"
                    "Dźwięk: włączony|");
  EXPECT_EQ(wczytaj_plik("gm_ge.cfg") + wczytaj_plik("gm_pl.cfg"), pliki);
}

// The player's own lines of config.cfg stay, and a "language" of another section too.
TEST_F(MenuTest, ZapisJezykaZostawiaResztePliku) {
  const std::string reszta = "[Other]\nlanguage = CZECH\n# mine\n";
  zapisz_plik("config.cfg", "[general]\nlanguage = POLSKI\n" + reszta);
  EXPECT_STREQ(zapisz_jezyk("ENGLISH"), "LANG: English");
  EXPECT_EQ(wczytaj_plik("config.cfg"), "[general]\nlanguage = ENGLISH\n" + reszta);
  zapisz_plik("config.cfg", reszta);
  EXPECT_STREQ(zapisz_jezyk("GERMAN"), "LANG: German");
  EXPECT_EQ(wczytaj_plik("config.cfg"), reszta + "[General]\nlanguage = GERMAN\n");
}

// config.cfg cannot be written: the language holds for the run, and a message says so that
// blocks the menu until acknowledged.
TEST_F(MenuTest, JezykBezZapisuObowiazujeAGraczWie) {
  ASSERT_EQ(unlink("config.cfg"), 0);
  ASSERT_EQ(mkdir("config.cfg", 0755), 0);
  m.otworz_menu();
  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  kliknij(menu::p_jezyk7);
  EXPECT_EQ(napis(menu::p_nowa_gra), "Neues Spiel");
  EXPECT_TRUE(m.czy_komunikat());
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::dalej);
  kliknij_w(320 + 130 + 50, 216 + 125 + 10);  // the window's one button
  EXPECT_FALSE(m.czy_komunikat());
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::start_gry);
}

}  // namespace
