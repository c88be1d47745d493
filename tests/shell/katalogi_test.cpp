// Where the game finds its data and where it writes: beside its data as before, or in the
// player's own folder when it is installed or its folder is read-only.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "dziennik.h"
#include "katalogi.h"
#include "katalogi_gry.h"
#include "mapa.h"
#include "plik_gry.h"
#include "pliki.h"
#include "srodowisko.h"
#include "teksty.h"

namespace {

// A tree with a copy of the game at some place in it, an empty working directory and a home;
// the folders and the environment are put back afterwards.
struct drzewo {
  std::string k = katalog_tymczasowy();
  std::string dom = k + "/dom";
  std::string gracza = dom + "/.local/share/twierdze";
  std::string stary_dom = std::getenv("HOME") ? std::getenv("HOME") : "";
  drzewo() {
    przygotuj_allegro();
    mkdir(dom.c_str(), 0755);
    mkdir((k + "/tu").c_str(), 0755);
    setenv("HOME", dom.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    if (chdir((k + "/tu").c_str()) != 0) ADD_FAILURE();
  }
  ~drzewo() {
    ustaw_katalogi("", "", true);
    setenv("HOME", stary_dom.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  // The shipped files the tests look at, under folder.
  void gra_w(const std::string& folder) {
    for (const char* f : {"", "/Pliki_danych", "/Pliki_danych/Mapy"})
      utworz_katalog((folder + f).c_str());
    zapisz_plik(folder + "/config.cfg", "[General]\nlanguage = ENGLISH\n");
    zapisz_plik(folder + "/Pliki_danych/Mapy/map4.map", std::string(3600, '1'));
  }
  wybrane_katalogi start(const std::string& program) {
    utworz_katalog((k + program).c_str());
    return przygotuj_katalogi(k + program, "../share/twierdze");
  }
};

TEST(Katalogi, DaneTamGdzieSaZapisObokNichChybaZeZainstalowana) {
  struct przypadek {
    const char* gdzie_gra;  // the copy of the game, under the tree
    const char* program;    // the program's folder
    const char* dane;       // the data folder chosen ("" the working directory)
    bool u_gracza;          // writes into the player's folder
  } przypadki[] = {
      {"/tu", "/gdzies/bin", "", false},              // started from the game's own folder
      {"/zrodla", "/zrodla/build", "/zrodla", false},  // a build tree in the source tree
      {"/usr/share/twierdze", "/usr/bin", "/usr/share/twierdze", true},  // installed
  };
  for (const przypadek& p : przypadki) {
    drzewo d;
    d.gra_w(d.k + p.gdzie_gra);
    const wybrane_katalogi w = d.start(p.program);
    const std::string dane = *p.dane ? d.k + p.dane : "";
    EXPECT_EQ(w.dane, dane) << p.gdzie_gra;
    EXPECT_EQ(w.zapisu, p.u_gracza ? d.gracza : dane) << p.gdzie_gra;
    EXPECT_TRUE(w.zapis_mozliwy);
    // The first start of an installed game gives the player the shipped settings.
    EXPECT_EQ(wczytaj_plik(d.gracza + "/config.cfg"),
              p.u_gracza ? "[General]\nlanguage = ENGLISH\n" : "") << p.gdzie_gra;
  }
}

TEST(Katalogi, ZainstalowanaPiszeUGraczaICzytaJegoPlikiNajpierw) {
  drzewo d;
  const std::string dane = d.k + "/usr/share/twierdze";
  d.gra_w(dane);
  chmod(dane.c_str(), 0555);
  d.start("/usr/bin");
  const std::string przed = pliki_w(dane) + pliki_w(dane + "/Pliki_danych/Mapy");

  EXPECT_TRUE(zapisz_slowo_jezyka("GERMAN"));
  EXPECT_EQ(wczytaj_plik(d.gracza + "/config.cfg"), "[General]\nlanguage = GERMAN\n");
  piszlog("gracz", 1);
  EXPECT_EQ(wczytaj_plik(d.gracza + "/log.txt"), "\ngracz --- 1");

  // The edited map: the player's, once written, is read before the shipped one.
  const std::string wysylana = znajdz_plik(mapa::PLIK_EDYTORA);
  EXPECT_EQ(wysylana, dane + "/Pliki_danych/Mapy/map4.map");
  ASSERT_TRUE(zapisz_atomowo(sciezka_zapisu(mapa::PLIK_EDYTORA).c_str(), "2", 1));
  EXPECT_EQ(znajdz_plik(mapa::PLIK_EDYTORA), d.gracza + "/Pliki_danych/Mapy/map4.map");

  EXPECT_EQ(pliki_w(dane) + pliki_w(dane + "/Pliki_danych/Mapy"), przed);
  EXPECT_EQ(pliki_w(d.k + "/tu"), "") << "nothing in the working directory";
  chmod(dane.c_str(), 0755);
}

TEST(Katalogi, BezFolderuGraczaGraIdzieAZapisMowiDlaczego) {
  drzewo d;
  d.gra_w(d.k + "/usr/share/twierdze");
  zapisz_plik(d.k + "/plik", "nie folder");
  setenv("XDG_DATA_HOME", (d.k + "/plik").c_str(), 1);
  const wybrane_katalogi w = d.start("/usr/bin");
  EXPECT_FALSE(w.zapis_mozliwy);
  EXPECT_EQ(w.dane, d.k + "/usr/share/twierdze") << "the data is still found";

  grafika_nagrywajaca ekran;
  stan_gry stan;
  stan.ekran = &ekran;
  char blad[256] = "";
  const std::string gra = d.k + "/g.sce";
  zapisz_plik(gra, "Pliki_danych/Mapy/map4.map 1 12.5 900 800 "
                   "1 0 0 0 0 0 0 0 Z 1 5 5 600 600 0 95 90 40 0 1 0 200 0"
                   "A 2 50 50 600 600 0 95 90 40 0 1 0 200 0E");
  ASSERT_TRUE(wczytaj_gre(gra.c_str(), stan, blad)) << blad;
  EXPECT_FALSE(zapisz_gre("Zapisane_gry/1.sav", stan, blad));
  EXPECT_EQ(std::string(blad), std::string("Zapisane_gry/1.sav: ") + tekst("errplayerdir"));
  EXPECT_FALSE(zapisz_slowo_jezyka("GERMAN"));
  piszlog("gracz", 1);
  EXPECT_EQ(pliki_w(d.k + "/tu"), "") << "nothing lands in the working directory";
  stan.zwolnij();
}

}  // namespace
