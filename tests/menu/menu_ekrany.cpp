// Screens of the main menu driven by scripted clicks.
#include <sys/stat.h>

#include <cstring>

#include "menu_wspolne.h"
#include "plik_gry.h"
#include "teksty.h"

namespace {

TEST_F(MenuTest, NowaGraOdRazuZaczynaPierwszaMape) {
  m.otworz_menu();
  EXPECT_EQ(muzyka.przygotowania, 1);
  EXPECT_EQ(m.pobierz_ekran(), menu::glowny);
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::start_gry);
  EXPECT_EQ(m.wczytana_gra(), 6);
  EXPECT_STREQ(m.wczytana_mapa(), "Pliki_danych/Mapy/map1.map");
  EXPECT_STREQ(plik_wyboru(m.wczytana_gra()), "Pliki_danych/Mapy/map1.sce");
  EXPECT_GE(muzyka.zatrzymania, 1);
  EXPECT_EQ(muzyka.odtworzenia, 2);  // fed once a pass
  // The pass that starts the game is not presented.
  EXPECT_EQ(ekran.ile("pokaz"), 1);
}

TEST_F(MenuTest, WyborMapyIWczytanieZapisu) {
  m.otworz_menu();
  EXPECT_EQ(kliknij(menu::p_wczytaj_mape), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::mapy);
  EXPECT_EQ(kliknij(menu::p_mapa3), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::glowny);
  EXPECT_EQ(m.wczytana_gra(), 8);
  EXPECT_STREQ(plik_wyboru(m.wczytana_gra()), "Pliki_danych/Mapy/map3.sce");

  // Then a saved game overrides the map and leaves in the very pass of the click.
  EXPECT_EQ(kliknij(menu::p_wczytaj_gre), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::zapisy);
  ekran.wyczysc();
  EXPECT_EQ(kliknij(menu::p_zapis2), menu::start_gry);
  EXPECT_EQ(m.wczytana_gra(), 2);
  EXPECT_STREQ(plik_wyboru(m.wczytana_gra()), "Zapisane_gry/2.sav");
  EXPECT_GE(muzyka.zatrzymania, 1);
  EXPECT_EQ(ekran.ile("pokaz"), 1);  // only the press pass was shown

  // The slot was refused and the menu opens again: new game starts the chosen map.
  m.otworz_menu();
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::start_gry);
  EXPECT_EQ(m.wczytana_gra(), 8);
}

// The load screen names what each slot holds; the maps screen frames the map new game
// starts, map 1 until another is chosen.
TEST_F(MenuTest, ZapisyMowiaCoZawierajaAWybranaMapaJestZaznaczona) {
  ASSERT_EQ(mkdir("Zapisane_gry", 0755), 0);
  zapisz_plik("Zapisane_gry/2.sav", "Pliki_danych/Mapy/map3.map 1 14.500000 900 800 0 0 0 0 0 0 0 0 E");
  zapisz_plik("Zapisane_gry/3.sav", "Pliki_danych/Mapy/map3.map 1 nie");
  ASSERT_EQ(mkdir("Zapisane_gry/4.sav", 0755), 0);
  zapisz_plik("Zapisane_gry/5.sav", "Pliki_danych/Mapy/moja_mapa.map 2 0.0 1 1 0 0 0 0 0 0 0 0 E");
  m.otworz_menu();
  const char* oczekiwane[] = {"1: empty", "2: Map 3, 14:30", "3: damaged", "4: damaged",
                              "5: moja_mapa, 0:00"};
  for (int n = 0; n < 5; ++n)
    EXPECT_EQ(napis(menu::numer_przycisku(menu::p_zapis1 + n)), oczekiwane[n]);

  auto ramka_przy = [&](int x, int y) {
    for (const auto& w : ekran.wywolania)
      if (w.co == "prostokat" && w.a == x - 28 && w.b == y - 6) return true;
    return false;
  };
  kliknij(menu::p_wczytaj_mape);
  ekran.wyczysc();
  m.krok();
  EXPECT_TRUE(ramka_przy(624, 330));
  kliknij(menu::p_mapa3);
  kliknij(menu::p_wczytaj_mape);
  ekran.wyczysc();
  m.krok();
  EXPECT_TRUE(ramka_przy(624, 455));
  EXPECT_FALSE(ramka_przy(624, 330));
}

// Each back button returns to the screen it came from, and the places of another screen's
// buttons answer nothing (map 1 on the main screen, slot 5 on the options): no game is
// chosen along the way, so new game would still start map 1.
TEST_F(MenuTest, PowrotyIPrzyciskiInnegoEkranu) {
  m.otworz_menu();
  const std::pair<menu::numer_przycisku, decltype(m.pobierz_ekran())> kroki[] = {
      {menu::p_info, menu::informacje}, {menu::p_powrot_info, menu::glowny},
      {menu::p_wczytaj_mape, menu::mapy}, {menu::p_powrot_mapy, menu::glowny},
      {menu::p_mapa1, menu::glowny},      {menu::p_opcje, menu::opcje},
      {menu::p_zapis5, menu::opcje},      {menu::p_jezyk, menu::jezyki},
      {menu::p_powrot, menu::opcje},      {menu::p_powrot, menu::glowny}};
  for (const auto& k : kroki) {
    EXPECT_EQ(kliknij(k.first), menu::dalej) << k.first;
    EXPECT_EQ(m.pobierz_ekran(), k.second) << k.first;
  }
  EXPECT_EQ(m.wczytana_gra(), 6);
}

TEST_F(MenuTest, KomputerKrazyIDzwiekSiePrzelacza) {
  m.otworz_menu();
  kliknij(menu::p_opcje);
  EXPECT_EQ(napis(menu::p_komputer), tekst("aievil"));
  const char* oczekiwane[] = {"aioff", "aigood", "aievil"};
  const short wartosci[] = {0, 1, 2};
  for (int i = 0; i < 3; ++i) {
    kliknij(menu::p_komputer);
    EXPECT_EQ(ai, wartosci[i]);
    EXPECT_EQ(napis(menu::p_komputer), tekst(oczekiwane[i]));
  }
  // The computer's strength beside it starts classic, and the choice outlives the menu.
  EXPECT_EQ(napis(menu::p_sila), tekst("aiclassic"));
  kliknij(menu::p_sila);
  EXPECT_EQ(sila_komputera, SILA_SILNA);
  EXPECT_EQ(napis(menu::p_sila), tekst("aistrong"));
  m.otworz_menu();
  kliknij(menu::p_opcje);
  EXPECT_EQ(napis(menu::p_sila), tekst("aistrong"));
  kliknij(menu::p_sila);
  EXPECT_EQ(sila_komputera, SILA_KLASYCZNA);
  EXPECT_EQ(napis(menu::p_sila), tekst("aiclassic"));
  EXPECT_EQ(m.zwroc_ustawienia(1), 1);
  kliknij(menu::p_dzwiek);
  EXPECT_EQ(m.zwroc_ustawienia(1), 0);
  m.krok();
  EXPECT_EQ(napis(menu::p_dzwiek), tekst("soundoff"));
  kliknij(menu::p_dzwiek);
  m.krok();
  EXPECT_EQ(m.zwroc_ustawienia(1), 1);
  EXPECT_EQ(napis(menu::p_dzwiek), tekst("soundon"));
  EXPECT_EQ(m.zwroc_ustawienia(2), 0);
}

// Every pass clears the screen, draws the backdrop, the panel and the version, and presents.
TEST_F(MenuTest, KazdyPrzebiegRysujeTloPanelIWersje) {
  auto narysowano = [&](const wywolanie_rysowania& o) {
    for (const auto& w : ekran.wywolania)
      if (w.co == o.co && w.a == o.a && w.b == o.b && w.c == o.c &&
          w.tekst.find(o.tekst) != std::string::npos)
        return true;
    return false;
  };
  m.otworz_menu();
  ekran.wyczysc();
  EXPECT_EQ(m.krok(), menu::dalej);
  ASSERT_FALSE(ekran.wywolania.empty());
  EXPECT_EQ(ekran.wywolania[0].co, "czysc");
  EXPECT_EQ(ekran.wywolania[0].a, makecol(90, 138, 64));
  EXPECT_TRUE(narysowano({"bitmapa", b_tlo_menu, 0, 0}));
  EXPECT_TRUE(narysowano({"bitmapa", b_pr, 657, 288}));
  EXPECT_TRUE(narysowano({"pisz", 330, 755, 0, 0, 0, "Version 1.0, build %d"}));
  EXPECT_EQ(ekran.wywolania.back().co, "pokaz");
  EXPECT_EQ(ekran.wywolania.back().a, 1);
}

// The information screen shows the language's how-to-play text page by page under its
// title: every paragraph whole and once, and the page button comes round to the first page.
TEST_F(MenuTest, InformacjeStronaPoStronie) {
  m.otworz_menu();
  kliknij(menu::p_info);
  ASSERT_EQ(m.pobierz_ekran(), menu::informacje);
  const int strony = m.liczba_stron_informacji();
  ASSERT_GE(strony, 1);
  std::string pokazane, oczekiwane;
  for (const char* k : {"howto1", "howto2", "howto3", "howto4", "howto5", "howto6"})
    oczekiwane += std::string(tekst(k)) + " ";
  for (int s = 0; s < strony; ++s) {
    EXPECT_EQ(m.pobierz_strone_informacji(), s);
    ekran.wyczysc();
    m.krok();
    bool tytul = false;
    for (const auto& w : ekran.wywolania) {
      if (w.co != "pisz") continue;
      tytul |= w.a == 576 && w.b == 268 && w.d == makecol(255, 255, 255) &&
               w.tekst == tekst("howtotitle");
      if (w.d == makecol(200, 200, 200)) pokazane += w.tekst + " ";
    }
    EXPECT_TRUE(tytul) << "page " << s;
    kliknij(menu::p_strona_info);  // hidden while there is one page: nothing happens
  }
  EXPECT_EQ(pokazane, oczekiwane);
  EXPECT_EQ(m.pobierz_strone_informacji(), 0);
  EXPECT_EQ(m.pobierz_ekran(), menu::informacje);
}

// Esc goes one screen back, once a press, and does nothing on the main screen nor when it is
// still held as the menu opens; the exit button and the window's close button leave.
TEST_F(MenuTest, WyjscieEscIZamkniecieOkna) {
  key[KEY_ESC] = 1;
  m.otworz_menu();
  EXPECT_EQ(m.krok(), menu::dalej);
  key[KEY_ESC] = 0;
  m.krok();
  kliknij(menu::p_opcje);
  kliknij(menu::p_jezyk);
  key[KEY_ESC] = 1;
  EXPECT_EQ(m.krok(), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::opcje);
  // Held down, Esc does not repeat.
  EXPECT_EQ(m.krok(), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::opcje);
  key[KEY_ESC] = 0;
  m.krok();
  key[KEY_ESC] = 1;
  m.krok();
  EXPECT_EQ(m.pobierz_ekran(), menu::glowny);
  key[KEY_ESC] = 0;
  m.krok();
  key[KEY_ESC] = 1;  // on the main screen Esc does nothing
  EXPECT_EQ(m.krok(), menu::dalej);
  EXPECT_EQ(m.pobierz_ekran(), menu::glowny);
  key[KEY_ESC] = 0;

  m.otworz_menu();
  EXPECT_EQ(kliknij(menu::p_wyjscie), menu::wyjscie);
  m.otworz_menu();
  EXPECT_EQ(m.krok(), menu::dalej);
  zglos_prosbe_zamkniecia();
  EXPECT_EQ(m.krok(), menu::wyjscie);
  zeruj_prosbe_zamkniecia();
}

TEST_F(MenuTest, ZamknieteMenuZwalniaPrzyciski) {
  m.otworz_menu();
  m.zamknij_menu();
  EXPECT_EQ(m.pobierz_przycisk(menu::p_nowa_gra), nullptr);
  EXPECT_EQ(m.krok(), menu::wyjscie);
}

// The menu's own track, without a sound card: made, fed, stopped and freed without harm.
TEST_F(MenuTest, WlasnaMuzykaBezKartyDzwiekowej) {
  m.ustaw_muzyke(nullptr);
  std::system("mkdir -p Pliki_danych/muzyka");
  zapisz_plik("Pliki_danych/muzyka/menu.mp3",
              wczytaj_plik(GRA_KATALOG_ZRODEL "/Pliki_danych/muzyka/menu.mp3"));
  m.otworz_menu();
  for (int i = 0; i < 20; ++i) ASSERT_EQ(m.krok(), menu::dalej);
  EXPECT_EQ(kliknij(menu::p_nowa_gra), menu::start_gry);
  m.zamknij_menu();
  m.otworz_menu();  // a second opening, as after a game file that would not load
  EXPECT_EQ(m.krok(), menu::dalej);
}

}  // namespace
