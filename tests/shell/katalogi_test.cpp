// Where the game finds its data and writes: beside it, or in the player's folder when installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include "armia.h"
#include "dziennik.h"
#include "katalogi.h"
#include "katalogi_gry.h"
#include "mapa.h"
#include "plik_gry.h"
#include "pliki.h"
#include "srodowisko.h"
#include "teksty.h"

namespace {

// A working directory and a home in a fresh folder; start() places the game and the program.
struct drzewo {
  std::string k = katalog_tymczasowy(), gracza = k + "/dom/.local/share/twierdze";
  drzewo() {
    utworz_katalog((k + "/tu").c_str());
    setenv("HOME", (k + "/dom").c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    if (chdir((k + "/tu").c_str()) != 0) ADD_FAILURE();
  }
  ~drzewo() { ustaw_katalogi("", "", true); EXPECT_EQ(chdir(GRA_KATALOG_ZRODEL), 0); }
  wybrane_katalogi start(const std::string& gra, const std::string& program) {
    utworz_katalog((k + gra + "/Pliki_danych/Mapy").c_str());
    zapisz_plik(k + gra + "/config.cfg", "[General]\nlanguage = ENGLISH\n");
    zapisz_plik(k + gra + "/Pliki_danych/Mapy/map4.map", std::string(3600, '1'));
    utworz_katalog((k + program).c_str());
    return przygotuj_katalogi(k + program, "../share/twierdze");
  }
};

// An installed game's first start gives the player's folder the shipped settings; a game not found
// stays in the working directory and makes no player's folder.
TEST(Katalogi, DaneTamGdzieSaZapisObokNichChybaZeZainstalowana) {
  const struct { const char *gra, *program, *dane; bool u_gracza; } przypadki[] = {
      {"/tu", "/gdzies/bin", "", false},                                  // the game's own folder
      {"/zrodla", "/zrodla/build", "/zrodla", false},                      // a build tree in the sources
      {"/usr/share/twierdze", "/usr/bin", "/usr/share/twierdze", true},  // installed
      {"/gdzies/indziej", "/usr/bin", nullptr, false},                     // not found
  };
  for (const auto& p : przypadki) {
    drzewo d;
    const wybrane_katalogi w = d.start(p.gra, p.program);
    const std::string dane = p.dane && *p.dane ? d.k + p.dane : "";
    EXPECT_EQ(w.dane + " " + w.zapisu, dane + " " + (p.u_gracza ? d.gracza : dane)) << p.gra;
    EXPECT_EQ(wczytaj_plik(d.gracza + "/config.cfg"), p.u_gracza ? "[General]\nlanguage = ENGLISH\n" : "");
  }
}

// Installed, the settings and the edited map go to the player's folder, whose map is read first;
// without that folder the data is still found and a save says why it cannot be made.
TEST(Katalogi, ZainstalowanaPiszeUGraczaABezNiegoMowiDlaczego) {
  przygotuj_allegro();
  grafika_nagrywajaca ekran;
  stan_gry stan;
  stan.teren = mapa_trawy(&ekran);
  stan.armia_glowna = new armia(pole_zamek_gracz_1, 1, &ekran, stan.teren, nullptr, nullptr, 5, 5, false);
  drzewo d;
  const std::string dane = d.k + "/usr/share/twierdze", mapy = dane + "/Pliki_danych/Mapy";
  d.start("/usr/share/twierdze", "/usr/bin");
  const std::string przed = pliki_w(dane) + pliki_w(mapy);
  EXPECT_TRUE(zapisz_slowo_jezyka("GERMAN"));
  EXPECT_EQ(wczytaj_plik(d.gracza + "/config.cfg"), "[General]\nlanguage = GERMAN\n");
  EXPECT_EQ(znajdz_plik(mapa::PLIK_EDYTORA), mapy + "/map4.map");
  ASSERT_TRUE(zapisz_atomowo(sciezka_zapisu(mapa::PLIK_EDYTORA).c_str(), "2", 1));
  EXPECT_EQ(znajdz_plik(mapa::PLIK_EDYTORA), d.gracza + "/Pliki_danych/Mapy/map4.map");
  setenv("XDG_DATA_HOME", (dane + "/config.cfg").c_str(), 1);  // a file: no folder there
  EXPECT_EQ(przygotuj_katalogi(d.k + "/usr/bin", "../share/twierdze").dane, dane);
  char blad[256] = "";
  EXPECT_FALSE(zapisz_gre("Zapisane_gry/1.sav", stan, blad));
  EXPECT_EQ(std::string(blad), "Zapisane_gry/1.sav: " + std::string(tekst("errplayerdir")));
  piszlog("gracz", 1);
  EXPECT_EQ(pliki_w(dane) + pliki_w(mapy) + pliki_w(d.k + "/tu"), przed) << "nothing beside the data or here";
  stan.zwolnij();
}

}  // namespace
