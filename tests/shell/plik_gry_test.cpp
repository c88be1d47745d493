// Game files: refusals, dropped records, clamping, the writer's bytes and a full round trip.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "plik_gry.h"
#include "srodowisko.h"
#include "teksty.h"

namespace {

struct folder_gry {
  grafika_nagrywajaca ekran;
  std::string k;
  std::string mapa;
  stan_gry stan;
  folder_gry() {
    przygotuj_allegro();
    k = katalog_tymczasowy();
    mapa = k + "/m.map";
    zapisz_plik(mapa, std::string(3600, '1'));
    stan.ekran = &ekran;
    if (chdir(k.c_str()) != 0) ADD_FAILURE();
  }
  ~folder_gry() {
    stan.zwolnij();
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  const std::string zamki = "Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0A 2 50 50 600 600 0 95 90 40 0 1 0 200 0";
  bool wczytaj(const std::string& tresc, char* blad) {
    zapisz_plik(k + "/g.sav", tresc);
    return wczytaj_gre((k + "/g.sav").c_str(), stan, blad);
  }
  std::string naglowek(int gracz = 1) {
    return mapa + " " + std::to_string(gracz) + " 12.500000 900 800 1 0 0 0 0 0 0 0 ";
  }
};

TEST(PlikGry, OdrzucaZlePlikiBezZmian) {
  folder_gry f;
  char blad[256];
  godzina = 3.0f;
  // Each file with the reason the player reads, a text of the active language file.
  const std::pair<std::string, const char*> przypadki[] = {
      {"", "errempty"},
      {f.naglowek(3) + f.zamki + "E", "errplayer"},
      {f.naglowek().substr(0, f.mapa.size() + 8), "errheader"},
      {std::string(52, 'a') + " 1 1 1 1 0 0 0 0 0 0 0 0 " + f.zamki + "E", "errmapname"},
      {f.naglowek() + "Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0E", "errcastle"},
  };
  for (const auto& p : przypadki) {
    blad[0] = 0;
    EXPECT_FALSE(f.wczytaj(p.first, blad)) << p.first;
    ASSERT_STRNE(tekst(p.second), "") << p.second;
    EXPECT_EQ(std::string(blad), f.k + "/g.sav: " + tekst(p.second)) << p.first;
    EXPECT_EQ(f.stan.armia_glowna, nullptr);
    EXPECT_EQ(godzina, 3.0f);
  }
  EXPECT_FALSE(wczytaj_gre((f.k + "/brak.sav").c_str(), f.stan, blad));
  EXPECT_EQ(std::string(blad), f.k + "/brak.sav: " + tekst("erropen"));
}

TEST(PlikGry, OdrzucaZleRekordyIPrzycinaWartosci) {
  folder_gry f;
  char blad[256];
  const std::string tresc = f.naglowek() + f.zamki +
                            "X 3 7 7 10 10 1 1 1 1 0 1 0 0 0"     // owner 3
                            "X 1 60 7 10 10 1 1 1 1 0 1 0 0 0"    // off the map
                            "X 1 7 60 10 10 1 1 1 1 0 1 0 0 0"    // off the map's foot
                            "? 1 7 7 10 10 1 1 1 1 0 1 0 0 0"     // unknown letter
                            "X 1 8 8 10 0 40000 1 1 1 0 99 0 0 0" // clamped
                            "X 1 9 9 10";                          // short record
  ASSERT_TRUE(f.wczytaj(tresc, blad)) << blad;
  EXPECT_EQ(f.stan.armia_glowna->liczba_wezlow(), 4);
  jednostka* j = f.stan.armia_glowna->zwroc_ostatnia();
  EXPECT_EQ(j->pobierz_x(), 8);
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), 1);
  EXPECT_EQ(j->pobierz_punkty_ruchu(), MAKS_PUNKTOW_RUCHU);
  EXPECT_LE(j->pobierz_poziom(), MAKS_POZIOM);
  EXPECT_EQ(godzina, 12.5f);
  EXPECT_TRUE(f.stan.gracze[1].sprawdz_technologie(2));
  EXPECT_FALSE(f.stan.gracze[2].sprawdz_technologie(2));
  EXPECT_EQ(f.stan.gracze[1].pobierz_zloto(), 900);
}

// Numbers past what the game holds are refused or held at a bound, never wrapped: an hour
// that is no number is refused, others are brought into the day.
TEST(PlikGry, LiczbySpozaZakresuOdrzuconeLubPrzyciete) {
  folder_gry f;
  char blad[256];
  const std::pair<const char*, float> godziny[] = {
      {"nan", -1}, {"-inf", -1}, {"1e400", -1}, {"1e30", 23.5f}, {"99.5", 23.5f},
      {"-0.5", 0.0f}, {"23.5", 23.5f}};
  for (const auto& g : godziny) {
    godzina = 3.0f;
    const std::string tresc = f.mapa + " 1 " + g.first + " 9 9 0 0 0 0 0 0 0 0 " + f.zamki + "E";
    EXPECT_EQ(f.wczytaj(tresc, blad), g.second >= 0) << g.first << ": " << blad;
    EXPECT_EQ(godzina, g.second >= 0 ? g.second : 3.0f) << g.first;
  }
  ASSERT_TRUE(f.wczytaj(f.mapa + " 1 12 2147483648 -99999999999 0 0 0 0 0 0 0 0 " + f.zamki +
                            "X 1 4294967301 7 10 10 1 1 1 1 0 1 0 0 0"  // x would wrap to 5
                            "X 1 8 8 4294967296 2147483648 1 2147483647 -4294967296 1 0 1 "
                            "99999 -99999 2147483648E",
                        blad)) << blad;
  EXPECT_EQ(f.stan.gracze[1].pobierz_zloto(), INT_MAX);
  EXPECT_EQ(f.stan.gracze[2].pobierz_zloto(), INT_MIN);
  EXPECT_EQ(f.stan.armia_glowna->liczba_wezlow(), 4);
  jednostka* j = f.stan.armia_glowna->zwroc_ostatnia();
  EXPECT_EQ(j->pobierz_x(), 8);
  EXPECT_EQ(j->pobierz_punkty_zycia(), MAKS_CECHY);
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), MAKS_CECHY);
  EXPECT_EQ(j->pobierz_atak(), MAKS_CECHY);
  EXPECT_EQ(j->pobierz_obrona(), -MAKS_CECHY);
  EXPECT_EQ(j->pobierz_doswiadczenie(), SHRT_MAX);
  EXPECT_EQ(j->pobierz_exp(), SHRT_MIN);
  EXPECT_EQ(j->pobierz_pieniadze(), SHRT_MAX);
}

TEST(PlikGry, ZamekZostajeWSiatce) {
  folder_gry f;
  char blad[256];
  ASSERT_TRUE(f.wczytaj(f.naglowek() + f.zamki + "X 1 5 5 180 180 9 40 50 70 0 1 0 20 0E", blad));
  f.stan.armia_glowna->inicjalizuj_mape_jednostek();
  EXPECT_EQ(f.stan.siatka->pobierz_jednostke(5, 5)->pobierz_wyglad(), pole_zamek_gracz_1);
}

TEST(PlikGry, ZapisMaDokladneBajtyIWracaTenSam) {
  folder_gry f;
  char blad[256];
  const std::string tresc = f.naglowek(2) + f.zamki +
                            "Q 1 9 30 50 50 5 10 15 30 3 11 120 50 7"
                            "X 2 10 30 0 180 9 40 50 70 0 1 0 20 0E";  // dead: not saved
  ASSERT_TRUE(f.wczytaj(tresc, blad)) << blad;
  f.stan.gracze[2].kup_technologie(5);
  const std::string slot = f.k + "/Zapisane_gry/1.sav";
  ASSERT_TRUE(zapisz_gre(slot.c_str(), f.stan, blad)) << blad;
  const std::string oczekiwane = f.mapa + " 2 12.500000 900 800 1 0 0 0 0 0 0 1 " + f.zamki +
                                 "Q 1 9 30 50 50 5 10 15 30 3 11 120 50 7E";
  EXPECT_EQ(wczytaj_plik(slot), oczekiwane);
  stan_gry drugi;
  drugi.ekran = &f.ekran;
  ASSERT_TRUE(wczytaj_gre(slot.c_str(), drugi, blad)) << blad;
  ASSERT_TRUE(zapisz_gre((f.k + "/2.sav").c_str(), drugi, blad));
  EXPECT_EQ(wczytaj_plik(f.k + "/2.sav"), oczekiwane);
  drugi.zwolnij();
  // A second save replaces the first completely.
  f.stan.gracze[1].zmien_zloto(5);
  ASSERT_TRUE(zapisz_gre(slot.c_str(), f.stan, blad));
  EXPECT_EQ(wczytaj_plik(slot).find(" 900 "), std::string::npos);
}

// A pipe or folder in place of a game file or its map is refused at once, never waited on;
// a map that is empty or not terrain is refused like a missing one, naming the map.
TEST(PlikGry, PlikiNieDoOdczytuIMapyBezTerenu) {
  folder_gry f;
  char blad[256];
  alarm(10);  // a reader stuck on a pipe fails the test instead of hanging it
  ASSERT_EQ(mkfifo((f.k + "/rura").c_str(), 0644), 0);
  EXPECT_FALSE(wczytaj_gre((f.k + "/rura").c_str(), f.stan, blad));
  EXPECT_FALSE(wczytaj_gre(f.k.c_str(), f.stan, blad));
  EXPECT_NE(std::string(blad).find(f.k), std::string::npos);

  std::string smieci(3000, 0);
  std::srand(7);
  for (char& c : smieci) c = (char)(std::rand() % 255);  // no 0xFF: all of it is read
  const std::string mapy[] = {"/brak.map", "/pusta.map", "/ff.map", "/smieci.map", "/rura",
                              "/folder"};
  zapisz_plik(f.k + "/pusta.map", "");
  zapisz_plik(f.k + "/ff.map", "\xff" + std::string(3599, '1'));
  zapisz_plik(f.k + "/smieci.map", smieci);
  mkdir((f.k + "/folder").c_str(), 0755);
  godzina = 3.0f;
  for (const std::string& m : mapy) {
    blad[0] = 0;
    EXPECT_FALSE(f.wczytaj(f.k + m + " 1 1 1 1 0 0 0 0 0 0 0 0 " + f.zamki + "E", blad)) << m;
    EXPECT_EQ(std::string(blad).rfind(f.k + m + ": ", 0), 0u) << blad;
    EXPECT_EQ(f.stan.armia_glowna, nullptr);
    EXPECT_EQ(godzina, 3.0f);
  }
  alarm(0);
}

// Each writer of the game in a child whose files may not grow past 64 bytes, as on a full
// disk: the write fails, the old file stays whole and no temporary file is left beside it.
TEST(PlikGry, PisarzePrzyPelnymDyskuZostawiajaStaryPlik) {
  folder_gry f;
  char blad[256];
  ASSERT_TRUE(f.wczytaj(f.naglowek() + f.zamki + "E", blad)) << blad;
  struct pisarz {
    std::string katalog, nazwa;
    std::function<bool()> zapisz;
  };
  const pisarz pisarze[] = {
      {"Zapisane_gry", "1.sav", [&] { return zapisz_gre("Zapisane_gry/1.sav", f.stan, blad); }},
      {"Pliki_danych/Mapy", "map4.map", [&] { return f.stan.teren->zapisz(mapa::PLIK_EDYTORA); }},
      {".", "config.cfg", [&] {
         zapisz_jezyk("ENGLISH");
         return wczytaj_plik("config.cfg").find("ENGLISH") != std::string::npos;
       }},
  };
  const std::string stara = "[General]\nlanguage = POLSKI\n# " + std::string(100, '-') + "\n";
  mkdir("Zapisane_gry", 0755);
  mkdir("Pliki_danych", 0755);
  mkdir("Pliki_danych/Mapy", 0755);
  for (const pisarz& p : pisarze) {
    const std::string plik = p.katalog + "/" + p.nazwa;
    ASSERT_TRUE(zapisz_plik(plik, stara));
    const pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit granica = {64, 64};
      setrlimit(RLIMIT_FSIZE, &granica);
      _exit(p.zapisz() ? 1 : 0);
    }
    int status = -1;
    waitpid(dziecko, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << plik << " was written";
    EXPECT_EQ(wczytaj_plik(plik), stara) << plik;
    if (p.katalog != ".") {
      EXPECT_EQ(pliki_w(p.katalog), p.nazwa + " ");
    }
  }
  EXPECT_EQ(pliki_w(".").find(".config.cfg."), std::string::npos);
}

TEST(PlikGry, WyboryMenu) {
  EXPECT_STREQ(plik_wyboru(1), "Zapisane_gry/1.sav");
  EXPECT_STREQ(plik_wyboru(9), "Pliki_danych/Mapy/map4.sce");
  EXPECT_EQ(plik_wyboru(0), nullptr);
  EXPECT_EQ(plik_wyboru(10), nullptr);
}

}  // namespace
