// Text fetch, the safe formatter and the language choice, in a private folder with small
// language files of its own.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "formatowanie.h"
#include "srodowisko.h"
#include "teksty.h"

namespace {

// Only %d and %% are expanded, every %d with the one number; the result is cut to its buffer.
TEST(Formatuj, TylkoLiczbyIProcentySaRozwijane) {
  char w[64];
  formatuj(w, sizeof w, "%d/%d %s 100%% 5%", 7);
  EXPECT_STREQ(w, "7/7 %s 100% 5%");
  formatuj(w, 6, "abcdefghij", 0);
  EXPECT_STREQ(w, "abcde");
  formatuj(w, 4, "%d", 123456);
  EXPECT_STREQ(w, "123");
  formatuj(w, sizeof w, nullptr, 1);
  EXPECT_STREQ(w, "");
}

// A language file with one text and the six menu buttons.
std::string plik_jezyka(const std::string& ok) {
  std::string t = "[teksty]\nok = " + ok + "\n";
  for (const char* sekcja : SEKCJE_PRZYCISKOW_MENU)
    t += std::string("[") + sekcja + "]\nnapis = " + ok + "\nx = 678\ny = 320\n";
  return t;
}

class JezykTest : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    char s[4096];
    ASSERT_NE(getcwd(s, sizeof s), nullptr);
    stary = s;
    katalog = katalog_tymczasowy();
    ASSERT_EQ(chdir(katalog.c_str()), 0);
    zapisz_plik("gm_pl.cfg", plik_jezyka("Dobrze"));
    zapisz_plik("gm_ge.cfg", plik_jezyka("Gut"));
    zapisz_plik("gm_en.cfg", plik_jezyka("Fine"));
  }
  void TearDown() override {
    set_config_file("gm_pl.cfg");
    ASSERT_EQ(chdir(stary.c_str()), 0);
    set_config_file("gm_pl.cfg");
  }
  std::string stary, katalog;
};

// The setting in config.cfg picks the language file; an unknown, lower-case or missing
// setting, or one whose file is missing, falls back to Polish. Missing keys read as empty.
TEST_F(JezykTest, UstawienieWybieraPlikAInneDajaPolski) {
  const char* const przypadki[][3] = {{nullptr, "LANG: Polski", "Dobrze"},
                                      {"GERMAN", "LANG: German", "Gut"},
                                      {"english", "LANG: Polski", "Dobrze"},
                                      {"FRENCH", "LANG: Polski", "Dobrze"}};  // no gm_fr.cfg
  for (const auto& p : przypadki) {
    if (p[0]) zapisz_plik("config.cfg", std::string("[General]\nlanguage = ") + p[0] + "\n");
    EXPECT_STREQ(wybierz_jezyk(), p[1]) << (p[0] ? p[0] : "no config.cfg");
    EXPECT_STREQ(tekst("ok"), p[2]);
  }
  EXPECT_STREQ(tekst("missing key"), "");
  EXPECT_STREQ(tekst(nullptr), "");
}

// A language file that cannot carry the menu is not used: the Polish texts stay, and the
// log says which file was passed over.
TEST_F(JezykTest, UszkodzonyPlikJezykaDajePolskiIWpisWDzienniku) {
  const std::string pelny = plik_jezyka("Fine");
  const std::string uszkodzone[] = {
      pelny.substr(0, pelny.size() / 2),                  // cut short
      "",                                                 // empty
      pelny.substr(0, pelny.find("[button_")),            // texts without the buttons
      pelny.substr(pelny.find("[button_")),               // buttons without the texts
  };
  zapisz_plik("config.cfg", "[General]\nlanguage = ENGLISH\n");
  for (const std::string& tresc : uszkodzone) {
    zapisz_plik("gm_en.cfg", tresc);
    unlink("log.txt");
    EXPECT_STREQ(wybierz_jezyk(), "LANG: Polski") << tresc;
    EXPECT_STREQ(tekst("ok"), "Dobrze");
    EXPECT_NE(wczytaj_plik("log.txt").find("gm_en.cfg"), std::string::npos) << tresc;
  }
}

// config.cfg cannot be written (a folder holds its place): the language is used all the
// same for this run, and the caller learns that it was not kept.
TEST_F(JezykTest, JezykBezZapisuObowiazujeDoKonca) {
  ASSERT_EQ(mkdir("config.cfg", 0755), 0);
  bool zapisany = true;
  EXPECT_STREQ(zapisz_jezyk("GERMAN", &zapisany), "LANG: German");
  EXPECT_FALSE(zapisany);
  EXPECT_STREQ(tekst("ok"), "Gut");
  rmdir("config.cfg");
  EXPECT_STREQ(zapisz_jezyk("ENGLISH", &zapisany), "LANG: English");
  EXPECT_TRUE(zapisany);
}

TEST_F(JezykTest, PolozeniePrzyciskowZostajeNaEkranie) {
  zapisz_plik("gm_xx.cfg", "[b]\nduzo = 4294967396\nmalo = -5\nslowo = abc\nzwykla = 320\n");
  set_config_file("gm_xx.cfg");
  const std::pair<const char*, int> przypadki[] = {
      {"duzo", 916}, {"malo", 0}, {"slowo", 0}, {"zwykla", 320}, {"brak", 0}};
  for (const auto& p : przypadki) EXPECT_EQ(liczba_z("b", p.first, 0, 916), p.second) << p.first;
}

TEST_F(JezykTest, WyborJestNaDyskuZanimTekstyWczytaneZnowu) {
  // The player's own lines stay; a "language" key of another section is not the setting.
  const std::string reszta = "[Other]\nlanguage = CZECH\n# mine\n";
  zapisz_plik("config.cfg", "[general]\nlanguage = POLSKI\n" + reszta);
  wybierz_jezyk();
  EXPECT_STREQ(zapisz_jezyk("ENGLISH"), "LANG: English");
  EXPECT_EQ(wczytaj_plik("config.cfg"), "[general]\nlanguage = ENGLISH\n" + reszta);
  EXPECT_STREQ(tekst("ok"), "Fine");
  zapisz_plik("config.cfg", reszta);
  EXPECT_STREQ(zapisz_jezyk("GERMAN"), "LANG: German");
  EXPECT_EQ(wczytaj_plik("config.cfg"), reszta + "[General]\nlanguage = GERMAN\n");
  int n = 0;
  const jezyk_gry* j = jezyki(n);
  EXPECT_EQ(n, 7);
  EXPECT_STREQ(j[6].nazwa_przycisku, "German");
}

}  // namespace
