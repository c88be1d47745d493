// Game files: refusals that name the file and the reason, dropped and clamped records, the
// writer's exact bytes, and writers on a full disk.
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

const std::string ZAMKI =
    "Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0A 2 50 50 600 600 0 95 90 40 0 1 0 200 0";

// A folder of its own, the working folder meanwhile, with a grass map m.map.
struct folder_gry {
  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  const std::string k = (przygotuj_allegro(), katalog_tymczasowy());
  stan_gry stan;
  char blad[256] = "";
  folder_gry() {
    zapisz_plik(k + "/m.map", std::string(3600, '1'));
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    if (chdir(k.c_str()) != 0) ADD_FAILURE();
  }
  ~folder_gry() {
    stan.zwolnij();
    godzina = 0.0f;
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  // A game on map m (m.map by default), its header's words after the map given.
  std::string gra(const std::string& naglowek, const std::string& m = "m.map") {
    return k + "/" + m + " " + naglowek + " 1 0 0 0 0 0 0 0 " + ZAMKI;
  }
  bool wczytaj(const std::string& tresc) {
    zapisz_plik(k + "/g.sav", tresc);
    return wczytaj_gre((k + "/g.sav").c_str(), stan, blad);
  }
};

// Each refusal gives the player the file and the reason (a text of the language file), and
// leaves the game and the hour as they were. A pipe or a folder is refused at once, never
// waited on; a map that is missing or not terrain is named in place of the game file.
TEST(PlikGry, OdmowaNazywaPlikIPowodINicNieZmienia) {
  folder_gry f;
  ASSERT_EQ(mkfifo("rura", 0644), 0);
  mkdir("folder", 0755);
  zapisz_plik("ff.map", "\xff" + std::string(3599, '1'));  // not the end of the file
  const std::string g = "g.sav";
  const struct {
    std::string plik, tresc, nazwany;
    const char* powod;
  } odmowy[] = {
      {g, "", g, "errempty"},
      {g, f.gra("3 1 1 1") + "E", g, "errplayer"},
      {g, f.gra("1 1").substr(0, f.k.size() + 12), g, "errheader"},
      {g, std::string(52, 'a') + " 1 1 1 1 0 0 0 0 0 0 0 0 " + ZAMKI + "E", g, "errmapname"},
      {g, f.gra("1 1 1 1").substr(0, f.k.size() + 72) + "E", g, "errcastle"},
      {g, f.gra("1 nan 9 9") + "E", g, "hournotnumber"},
      {"brak.sav", "", "brak.sav", "erropen"},
      {"rura", "", "rura", "filenotregular"},
      {"folder", "", "folder", "filenotregular"},
      {g, f.gra("1 1 1 1", "brak.map") + "E", "brak.map", "mapunreadable"},
      {g, f.gra("1 1 1 1", "ff.map") + "E", "ff.map", "mapunreadable"},
      {g, f.gra("1 1 1 1", "folder") + "E", "folder", "filenotregular"},
  };
  alarm(10);  // a reader stuck on a pipe fails the test instead of hanging it
  for (const auto& o : odmowy) {
    godzina = 3.0f;
    if (o.plik == g) zapisz_plik(g, o.tresc);
    EXPECT_FALSE(wczytaj_gre((f.k + "/" + o.plik).c_str(), f.stan, f.blad)) << o.tresc;
    EXPECT_EQ(std::string(f.blad), f.k + "/" + o.nazwany + ": " + tekst(o.powod)) << o.tresc;
    EXPECT_EQ(f.stan.armia_glowna, nullptr);
    EXPECT_EQ(godzina, 3.0f);
  }
  alarm(0);
  EXPECT_FALSE(wczytaj_gre(plik_wyboru(10), f.stan, f.blad));
  EXPECT_EQ(plik_wyboru(0), nullptr);
  EXPECT_STREQ(plik_wyboru(9), "Pliki_danych/Mapy/map4.sce");
}

// Records of no side, off the map or of no known kind are dropped, a short one ends the
// reading and a dead unit is not written; numbers past what the game holds are held at a
// bound, never wrapped. What is written reads back to the same bytes, and loading shows no
// message.
TEST(PlikGry, ZapisPomijaZleRekordyIPrzycinaLiczby) {
  folder_gry f;
  const std::string Q = "Q 1 9 30 50 50 5 10 15 30 3 11 120 50 7", M = std::to_string(MAKS_CECHY);
  const std::string rogi = "X 1 0 0 10 10 1 1 1 1 0 1 0 0 0X 1 59 59 10 10 1 1 1 1 0 1 0 0 0";
  ASSERT_TRUE(f.wczytaj(f.gra("2 12.5 2147483648 -99999999999") + Q + rogi +
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
                        "X 1 9 10 10"))                             // short: the end
      << f.blad;
  f.stan.gracze[2].kup_technologie(5);
  const std::string oczekiwane =
      f.k + "/m.map 2 12.500000 2147483647 -2147483648 1 0 0 0 0 0 0 1 " + ZAMKI + Q + rogi +
      "X 1 5 5 180 180 9 40 50 70 0 1 0 20 0X 1 8 8 10 1 " + std::to_string(MAKS_PUNKTOW_RUCHU) +
      " 1 1 1 0 " + std::to_string(MAKS_POZIOM) + " 0 0 0X 1 9 9 " + M + " " + M + " 1 " + M +
      " -" + M + " 1 0 1 32767 -32768 32767E";
  for (const char* plik : {"Zapisane_gry/1.sav", "2.sav"}) {
    ASSERT_TRUE(zapisz_gre(plik, f.stan, f.blad)) << f.blad;
    EXPECT_EQ(wczytaj_plik(plik), oczekiwane);
    EXPECT_EQ(f.wejscie.zwroc_okno(), 0);
    f.stan.armia_glowna->inicjalizuj_mape_jednostek();
    EXPECT_EQ(f.stan.siatka->pobierz_jednostke(5, 5)->pobierz_wyglad(), pole_zamek_gracz_1);
    ASSERT_TRUE(wczytaj_gre(plik, f.stan, f.blad)) << f.blad;
  }
  // An hour past the day is brought into it.
  for (const auto& h : {std::make_pair("1e30", 23.5f), std::make_pair("99.5", 23.5f),
                        std::make_pair("-0.5", 0.0f), std::make_pair("23.5", 23.5f)}) {
    ASSERT_TRUE(f.wczytaj(f.gra(std::string("1 ") + h.first + " 9 9") + "E"));
    EXPECT_EQ(godzina, h.second) << h.first;
  }
}

// Each writer of the game in a child whose files may not grow past 64 bytes, as on a full
// disk: the write fails, the old file stays whole and no temporary file is left beside it.
TEST(PlikGry, PisarzePrzyPelnymDyskuZostawiajaStaryPlik) {
  folder_gry f;
  ASSERT_TRUE(f.wczytaj(f.gra("1 1 1 1") + "E")) << f.blad;
  const std::pair<std::string, std::function<bool()>> pisarze[] = {
      {"Zapisane_gry/1.sav", [&] { return zapisz_gre("Zapisane_gry/1.sav", f.stan, f.blad); }},
      {mapa::PLIK_EDYTORA, [&] { return f.stan.teren->zapisz(mapa::PLIK_EDYTORA); }},
      {"config.cfg", [] { return zapisz_jezyk("ENGLISH"), wczytaj_plik("config.cfg").find("ENG") != std::string::npos; }},
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
  EXPECT_EQ(pliki_w("Zapisane_gry") + pliki_w("Pliki_danych/Mapy"), "1.sav map4.map ");
  EXPECT_EQ(pliki_w(".").find(".config.cfg."), std::string::npos);
}

}  // namespace
