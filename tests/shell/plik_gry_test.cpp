// Game files: refusals that name the file and the reason, dropped and clamped records, the
// writer's exact bytes, a round trip, and writers on a full disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "plik_gry.h"
#include "srodowisko.h"
#include "teksty.h"
#include "zdarzenia.h"

namespace {

// A folder of its own with a grass map m.map, the test's working folder meanwhile.
struct folder_gry {
  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  std::string k = (przygotuj_allegro(), katalog_tymczasowy());
  std::string mapa = k + "/m.map";
  stan_gry stan;
  const std::string zamki = "Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0A 2 50 50 600 600 0 95 90 40 0 1 0 200 0";
  folder_gry() {
    zapisz_plik(mapa, std::string(3600, '1'));
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    if (chdir(k.c_str()) != 0) ADD_FAILURE();
  }
  ~folder_gry() {
    stan.zwolnij();
    godzina = 0.0f;
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  std::string naglowek(int gracz = 1, const std::string& zloto = "900 800") {
    return mapa + " " + std::to_string(gracz) + " 12.500000 " + zloto + " 1 0 0 0 0 0 0 0 ";
  }
  bool wczytaj(const std::string& tresc, char* blad) {
    zapisz_plik(k + "/g.sav", tresc);
    return wczytaj_gre((k + "/g.sav").c_str(), stan, blad);
  }
};

// Each refusal gives the player the file and the reason (a text of the language file), and
// leaves the game and the hour as they were. A pipe or a folder is refused at once, never
// waited on; a map that is missing, empty or not terrain is named in place of the game file.
TEST(PlikGry, OdmowaNazywaPlikIPowodINicNieZmienia) {
  folder_gry f;
  char blad[256];
  ASSERT_EQ(mkfifo("rura", 0644), 0);
  mkdir("folder", 0755);
  zapisz_plik("ff.map", "\xff" + std::string(3599, '1'));  // not the end of the file
  const std::string g = "g.sav", zamki = f.zamki + "E";
  auto z_mapa = [&](const std::string& m) { return f.k + "/" + m + " 1 1 1 1 0 0 0 0 0 0 0 0 " + zamki; };
  const struct {
    std::string plik, tresc, nazwany;
    const char* powod;
  } odmowy[] = {
      {g, "", g, "errempty"},
      {g, f.naglowek(3) + zamki, g, "errplayer"},
      {g, f.naglowek().substr(0, f.mapa.size() + 8), g, "errheader"},
      {g, std::string(52, 'a') + " 1 1 1 1 0 0 0 0 0 0 0 0 " + zamki, g, "errmapname"},
      {g, f.naglowek() + "Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0E", g, "errcastle"},
      {g, f.mapa + " 1 nan 9 9 0 0 0 0 0 0 0 0 " + zamki, g, "hournotnumber"},
      {"brak.sav", "", "brak.sav", "erropen"},
      {"rura", "", "rura", "filenotregular"},
      {"folder", "", "folder", "filenotregular"},
      {g, z_mapa("brak.map"), "brak.map", "mapunreadable"},
      {g, z_mapa("ff.map"), "ff.map", "mapunreadable"},
      {g, z_mapa("folder"), "folder", "filenotregular"},
  };
  alarm(10);  // a reader stuck on a pipe fails the test instead of hanging it
  for (const auto& o : odmowy) {
    godzina = 3.0f;
    if (o.plik == g) zapisz_plik(g, o.tresc);
    blad[0] = 0;
    EXPECT_FALSE(wczytaj_gre((f.k + "/" + o.plik).c_str(), f.stan, blad)) << o.tresc;
    EXPECT_EQ(std::string(blad), f.k + "/" + o.nazwany + ": " + tekst(o.powod)) << o.tresc;
    EXPECT_EQ(f.stan.armia_glowna, nullptr);
    EXPECT_EQ(godzina, 3.0f);
  }
  alarm(0);
  EXPECT_FALSE(wczytaj_gre(plik_wyboru(10), f.stan, blad));
  EXPECT_EQ(plik_wyboru(0), nullptr);
  EXPECT_STREQ(plik_wyboru(9), "Pliki_danych/Mapy/map4.sce");
}

// Records of no side, off the map or of no known kind are dropped, a short one ends the
// reading and a dead unit is not written; numbers past what the game holds are held at a
// bound, never wrapped. What is written reads back to the same bytes.
TEST(PlikGry, ZapisPomijaZleRekordyIPrzycinaLiczby) {
  folder_gry f;
  char blad[256];
  const std::string Q = "Q 1 9 30 50 50 5 10 15 30 3 11 120 50 7", M = std::to_string(MAKS_CECHY);
  const std::string rogi = "X 1 0 0 10 10 1 1 1 1 0 1 0 0 0X 1 59 59 10 10 1 1 1 1 0 1 0 0 0";
  ASSERT_TRUE(f.wczytaj(f.naglowek(2, "2147483648 -99999999999") + f.zamki + Q + rogi +
                            "X 3 7 7 10 10 1 1 1 1 0 1 0 0 0"           // side 3
                            "X 1 60 7 10 10 1 1 1 1 0 1 0 0 0"          // off the right edge
                            "X 1 7 60 10 10 1 1 1 1 0 1 0 0 0"          // off the foot
                            "X 1 4294967301 7 10 10 1 1 1 1 0 1 0 0 0"  // would wrap to 5
                            "? 1 7 7 10 10 1 1 1 1 0 1 0 0 0"           // unknown letter
                            "X 2 10 30 0 180 9 40 50 70 0 1 0 20 0"     // dead
                            "X 1 5 5 180 180 9 40 50 70 0 1 0 20 0"     // on its castle
                            "X 1 8 8 10 0 40000 1 1 1 0 99 0 0 0"
                            "X 1 9 9 4294967296 2147483648 1 2147483647 -4294967296 1 0 1 "
                            "99999 -99999 2147483648"
                            "X 1 9 10 10",                              // short: the end
                        blad)) << blad;
  f.stan.gracze[2].kup_technologie(5);
  const std::string oczekiwane =
      f.mapa + " 2 12.500000 2147483647 -2147483648 1 0 0 0 0 0 0 1 " + f.zamki + Q + rogi +
      "X 1 5 5 180 180 9 40 50 70 0 1 0 20 0X 1 8 8 10 1 " + std::to_string(MAKS_PUNKTOW_RUCHU) +
      " 1 1 1 0 " + std::to_string(MAKS_POZIOM) + " 0 0 0X 1 9 9 " + M + " " + M + " 1 " + M +
      " -" + M + " 1 0 1 32767 -32768 32767E";
  ASSERT_TRUE(zapisz_gre("Zapisane_gry/1.sav", f.stan, blad)) << blad;
  EXPECT_EQ(wczytaj_plik("Zapisane_gry/1.sav"), oczekiwane);
  EXPECT_EQ(f.wejscie.zwroc_okno(), 0) << "loading a game shows no message";
  f.stan.armia_glowna->inicjalizuj_mape_jednostek();
  EXPECT_EQ(f.stan.siatka->pobierz_jednostke(5, 5)->pobierz_wyglad(), pole_zamek_gracz_1);
  ASSERT_TRUE(wczytaj_gre("Zapisane_gry/1.sav", f.stan, blad)) << blad;
  ASSERT_TRUE(zapisz_gre("2.sav", f.stan, blad));
  EXPECT_EQ(wczytaj_plik("2.sav"), oczekiwane);
  // An hour past the day is brought into it.
  for (const auto& h : {std::make_pair("1e30", 23.5f), std::make_pair("99.5", 23.5f),
                        std::make_pair("-0.5", 0.0f), std::make_pair("23.5", 23.5f)}) {
    ASSERT_TRUE(f.wczytaj(f.mapa + " 1 " + h.first + " 9 9 0 0 0 0 0 0 0 0 " + f.zamki + "E", blad));
    EXPECT_EQ(godzina, h.second) << h.first;
  }
}

// Each writer of the game in a child whose files may not grow past 64 bytes, as on a full
// disk: the write fails, the old file stays whole and no temporary file is left beside it.
TEST(PlikGry, PisarzePrzyPelnymDyskuZostawiajaStaryPlik) {
  folder_gry f;
  char blad[256];
  ASSERT_TRUE(f.wczytaj(f.naglowek() + f.zamki + "E", blad)) << blad;
  const std::pair<std::string, std::function<bool()>> pisarze[] = {
      {"Zapisane_gry/1.sav", [&] { return zapisz_gre("Zapisane_gry/1.sav", f.stan, blad); }},
      {mapa::PLIK_EDYTORA, [&] { return f.stan.teren->zapisz(mapa::PLIK_EDYTORA); }},
      {"config.cfg", [&] {
         zapisz_jezyk("ENGLISH");
         return wczytaj_plik("config.cfg").find("ENGLISH") != std::string::npos;
       }},
  };
  const std::string stara = "[General]\nlanguage = POLSKI\n# " + std::string(100, '-') + "\n";
  ASSERT_EQ(system("mkdir -p Zapisane_gry Pliki_danych/Mapy"), 0);
  for (const auto& p : pisarze) {
    ASSERT_TRUE(zapisz_plik(p.first, stara));
    const pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit granica = {64, 64};
      setrlimit(RLIMIT_FSIZE, &granica);
      _exit(p.second() ? 1 : 0);
    }
    int status = -1;
    waitpid(dziecko, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << p.first << " was written";
    EXPECT_EQ(wczytaj_plik(p.first), stara) << p.first;
  }
  EXPECT_EQ(pliki_w("Zapisane_gry"), "1.sav ");
  EXPECT_EQ(pliki_w("Pliki_danych/Mapy"), "map4.map ");
  EXPECT_EQ(pliki_w(".").find(".config.cfg."), std::string::npos);
}

}  // namespace
