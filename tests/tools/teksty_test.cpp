// The language files as a player meets them: every text the game asks for in all seven
// languages, fitting the place where the game draws it, in characters the game's font draws.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "informacje.h"
#include "srodowisko.h"
#include "zawijanie.h"

namespace {

const char* const PLIKI[] = {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg",
                             "gm_fr.cfg", "gm_cz.cfg", "gm_ge.cfg"};

// Every text the game fetches (apart from the generator's table, so a key dropped there is
// caught here) by where it is drawn: on one line at most szer px wide, or wrapped at szer px
// into at most wys px; przed and po stand for what the game draws with it.
struct miejsce {
  const char* co;
  std::vector<const char*> klucze;
  const char *przed, *po;
  int szer, wys;
};

const miejsce MIEJSCA[] = {
    {"a 108-px button", {"mapa1", "mapa2", "mapa3", "mapa4", "powrot", "save1", "save2", "save3",
     "save4", "save5", "soundon", "soundoff", "aigood", "aievil", "aioff", "endturn", "options",
     "heal", "repair", "training", "exit", "buy", "next", "previous", "raiseattack",
     "raisedefense", "raiseagility", "buyunit", "buytechnology", "notavaiable", "technology1",
     "technology2", "technology3", "technology4", "great", "youch", "ok", "cancel", "bought",
     "acknowledge", "nextpage"}, "", "", 104, 0},
    {"a main menu button", {"button_nowagra", "button_wczytajmape", "button_wczytajgre",
     "button_opcje", "button_info", "button_wyjscie"}, "", "", 104, 0},
    {"a load slot", {"mapa4", "emptyslot", "damagedslot"}, "5: ", ", 23:30", 104, 0},
    {"moves, before the '\\' 57 px on", {"moves"}, "", "10", 55, 0},
    {"the statistics", {"attack", "defense", "agility", "level", "experience", "cost"}, "", "999",
     88, 0},
    {"a technology, from x 352 on the parchment", {"allows1", "allows2", "allows3", "allows4",
     "allows5", "allows6", "allows7", "allows8"}, "", "", 738 - 352, 0},
    {"centred at 435 on the parchment", {"endofgame", "yellowwins", "bluewins"}, "", "", 490, 0},
    {"a unit's description, above the buttons", {"robotnik", "rycerz", "lord", "arcymag", "mag",
     "hydra", "archaniol", "smok", "trol", "ciemny_rycerz", "kula_ognista", "white_fort",
     "dark_fort", "wieza", "miasto"}, "", "", 280, 700 - 606},
    {"a message window", {"foodfound", "goldfound", "lavaburns", "herobuild", "reallyquit",
     "langnotsaved"}, "", "", 220, 125 - 76},
    {"a message after the longest file name", {"errnochoice", "erropen", "errempty", "errmapname",
     "errheader", "errplayer", "errcastle", "errnogame", "errsave", "errplayerdir",
     "filenotregular", "mapunreadable", "hournotnumber"}, "Pliki_danych/Mapy/map4.sce: ", "",
     220, 125 - 76},
    {"elsewhere", {"build", "disposepoints", "howtotitle", "howto1", "howto2", "howto3", "howto4",
     "howto5", "howto6"}, "", "", 0, 0},
};

std::string tekst(const std::string& k) {  // a main menu button's label is in its own section
  const bool menu = k.compare(0, 7, "button_") == 0;
  const char* t = get_config_string(menu ? k.c_str() : "teksty", menu ? "napis" : k.c_str(), 0);
  return t ? t : "";
}

FONT* czcionka() {  // the game's, loaded once for the whole program
  static FONT* f = (przygotuj_allegro(), load_font("Pliki_danych/Fonty/ex01.pcx", 0, nullptr));
  return f;
}
int szerokosc(const std::string& t) { return text_length(czcionka(), t.c_str()); }

template <typename F>
void w_kazdym_jezyku(F fn) {
  ASSERT_NE(czcionka(), nullptr);
  for (const char* plik : PLIKI) set_config_file(plik), fn(plik);
  set_config_file("gm_pl.cfg");
}

// Only "build" is a format: a stray '%' elsewhere would draw garbage.
TEST(Teksty, KazdyTekstJestIMiesciSieNaSwoimMiejscu) {
  w_kazdym_jezyku([&](const char* plik) {
    for (const miejsce& m : MIEJSCA)
      for (const char* k : m.klucze) {
        const std::string t = m.przed + tekst(k) + m.po;
        EXPECT_NE(tekst(k), "") << plik << ": " << k;
        EXPECT_EQ(std::count(t.begin(), t.end(), '%'), std::string(k) == "build") << plik << t;
        const int zajmuje = int(zawin_tekst(t, m.szer, szerokosc).size()) * text_height(czcionka());
        EXPECT_TRUE(!m.szer || (m.wys ? zajmuje <= m.wys : szerokosc(t) <= m.szer))
            << plik << ", " << m.co << ": " << t;
      }
    EXPECT_NE(tekst("build").find("%d"), std::string::npos) << plik;
  });
}

// Every character of the language files is strict UTF-8, with a glyph that leaves ink.
TEST(Teksty, KazdyZnakMaSwojRysunek) {
  ASSERT_NE(czcionka(), nullptr);
  BITMAP* b = create_bitmap(32, 32);
  const int od = get_font_range_begin(czcionka(), 0), az = get_font_range_end(czcionka(), -1);
  std::set<int> sprawdzone = {' ', 0xA0, '\n'};
  std::setlocale(LC_CTYPE, "C.UTF-8");
  for (const char* plik : PLIKI) {
    const std::string t = wczytaj_plik(plik);
    wchar_t c = 0;
    for (int i = 0, n = 0; i < int(t.size()); i += n) {
      ASSERT_GT(n = std::mbtowc(&c, &t[i], t.size() - i), 0) << plik << ": not UTF-8 at byte " << i;
      if (!sprawdzone.insert(c).second) continue;
      clear_to_color(b, 0);
      textprintf_ex(b, czcionka(), 0, 0, makecol(255, 255, 255), -1, "%c", int(c));
      int tusz = 0;
      for (int j = 0; j < 32 * 32; ++j) tusz += getpixel(b, j % 32, j / 32) != 0;
      EXPECT_TRUE(c >= od && c <= az && tusz) << plik << ": no glyph for U+" << std::hex << int(c);
    }
  }
  destroy_bitmap(b);
}

// How to play: at most three pages, every line inside the panel's text area and above the
// buttons, the title clear of the page number in the corner.
TEST(Teksty, StronyInformacjiMieszczaSieWPanelu) {
  const int h = text_height(czcionka());
  w_kazdym_jezyku([&](const char* plik) {
    const std::vector<strona_informacji> strony = uloz_informacje(czcionka());
    EXPECT_LE(strony.size(), 3u) << plik;
    int wierszy = 0;
    for (const strona_informacji& s : strony) {
      ASSERT_GT(s.size(), 1u) << plik << ": a page with only its title";
      EXPECT_TRUE(s[0].tytul) << plik;
      EXPECT_LE(szerokosc(s[0].tekst + " 3/3"), INFO_SZEROKOSC - 20) << plik;
      for (const wiersz_informacji& w : s) {
        EXPECT_LE(szerokosc(w.tekst), INFO_SZEROKOSC) << plik << ": " << w.tekst;
        EXPECT_LE(INFO_Y + w.y + h, INFO_DOL) << plik << ": " << w.tekst;
        wierszy += !w.tytul;
      }
    }
    EXPECT_GE(wierszy, 12) << plik << ": six paragraphs of how to play";
  });
}

}  // namespace
