// The language files and config.cfg: the generator reproduces the committed files, every file
// holds every text the game asks for, and the texts fit where the game draws them.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "srodowisko.h"
#include "zawijanie.h"

namespace {

const char* const PLIKI[] = {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg",
                             "gm_fr.cfg", "gm_cz.cfg", "gm_ge.cfg"};

// Every "teksty" key some part of the game fetches (kept apart from the generator's own
// table so that a key dropped there is caught here).
const char* const KLUCZE[] = {
    "mapa1", "mapa2", "mapa3", "mapa4", "powrot", "save1", "save2", "save3", "save4", "save5",
    "soundon", "soundoff", "aigood", "aievil", "aioff", "build", "endturn", "options", "heal",
    "repair", "training", "exit", "buy", "next", "previous", "raiseattack", "raisedefense",
    "raiseagility", "buyunit", "buytechnology", "notavaiable", "technology1", "technology2",
    "technology3", "technology4", "allows1", "allows2", "allows3", "allows4", "allows5",
    "allows6", "allows7", "allows8", "bought", "disposepoints", "endofgame", "yellowwins",
    "bluewins", "great", "foodfound", "goldfound", "youch", "lavaburns", "herobuild",
    "reallyquit", "ok", "cancel", "robotnik", "rycerz", "lord", "arcymag", "mag", "hydra",
    "archaniol", "smok", "trol", "ciemny_rycerz", "kula_ognista", "white_fort", "dark_fort",
    "wieza", "miasto", "moves", "attack", "defense", "agility", "level", "experience", "cost",
    "acknowledge", "errnochoice", "erropen", "errempty", "errmapname", "errheader", "errplayer",
    "errcastle", "errnogame", "errsave", "langnotsaved", "errplayerdir", "emptyslot", "damagedslot",
    "filenotregular", "mapunreadable", "hournotnumber", "howtotitle", "howto1", "howto2",
    "howto3", "howto4", "howto5", "howto6", "nextpage"};

const char* const SEKCJE_PRZYCISKOW[] = {"button_nowagra", "button_wczytajmape",
                                         "button_wczytajgre", "button_opcje", "button_info",
                                         "button_wyjscie"};

// Texts drawn as labels of a 108-px button.
const char* const ETYKIETY[] = {
    "mapa1", "mapa2", "mapa3", "mapa4", "powrot", "save1", "save2", "save3", "save4", "save5",
    "soundon", "soundoff", "aigood", "aievil", "aioff", "endturn", "options", "heal", "repair",
    "training", "exit", "buy", "next", "previous", "raiseattack", "raisedefense",
    "raiseagility", "buyunit", "buytechnology", "notavaiable", "technology1", "technology2",
    "technology3", "technology4", "great", "youch", "ok", "cancel", "bought", "acknowledge",
    "nextpage"};

std::string sciezka_zrodla(const char* plik) {
  return std::string(GRA_KATALOG_ZRODEL) + "/" + plik;
}

// Runs fn with the given file as the active configuration, then restores the previous one.
template <typename F>
void z_konfiguracja(const std::string& plik, F fn) {
  push_config_state();
  set_config_file(plik.c_str());
  fn();
  pop_config_state();
}

std::string tekst_klucza(const char* sekcja, const char* klucz) {
  const char* t = get_config_string(sekcja, klucz, nullptr);
  return t ? t : "";
}

TEST(TekstyPliki, GeneratorOdtwarzaZapisanePliki) {
  std::string katalog = katalog_tymczasowy();
  std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_teksty ") + katalog;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  std::vector<std::string> pliki(std::begin(PLIKI), std::end(PLIKI));
  pliki.push_back("config.cfg");
  for (const std::string& p : pliki) {
    std::string nowy = wczytaj_plik(katalog + "/" + p);
    EXPECT_FALSE(nowy.empty()) << p;
    EXPECT_EQ(nowy, wczytaj_plik(sciezka_zrodla(p.c_str()))) << p << " differs from the generator";
  }
  std::system(("rm -rf " + katalog).c_str());
}

TEST(TekstyPliki, GeneratorBezArgumentuKonczySieBledem) {
  std::string polecenie = GRA_KATALOG_BUDOWY "/narzedzia/gen_teksty 2>/dev/null";
  EXPECT_NE(std::system(polecenie.c_str()), 0);
  polecenie = GRA_KATALOG_BUDOWY "/narzedzia/gen_teksty /nonexistent/folder 2>/dev/null";
  EXPECT_NE(std::system(polecenie.c_str()), 0);
}

TEST(TekstyPliki, KazdyPlikMaWszystkieKluczeISekcje) {
  przygotuj_allegro();
  ASSERT_EQ(sizeof(KLUCZE) / sizeof(KLUCZE[0]), 104u);
  for (const char* plik : PLIKI) {
    z_konfiguracja(sciezka_zrodla(plik), [&] {
      for (const char* k : KLUCZE) EXPECT_NE(tekst_klucza("teksty", k), "") << plik << ": " << k;
      for (const char* s : SEKCJE_PRZYCISKOW) {
        EXPECT_NE(tekst_klucza(s, "napis"), "") << plik << ": " << s;
        int x = get_config_int(s, "x", -1), y = get_config_int(s, "y", -1);
        EXPECT_TRUE(x > 0 && x + 108 <= 1024 && y > 0 && y + 22 <= 768) << plik << ": " << s;
      }
    });
  }
}

TEST(TekstyPliki, TylkoJedenFormat) {
  przygotuj_allegro();
  for (const char* plik : PLIKI) {
    z_konfiguracja(sciezka_zrodla(plik), [&] {
      // Labels and centred texts are formats: a stray '%' would show garbage.
      for (const char* k : KLUCZE) {
        std::string t = tekst_klucza("teksty", k);
        size_t procent = t.find('%');
        if (std::string(k) == "build") {
          EXPECT_NE(t.find("%d"), std::string::npos) << plik;
          EXPECT_EQ(t.find('%', t.find("%d") + 1), std::string::npos) << plik;
        } else {
          EXPECT_EQ(procent, std::string::npos) << plik << ": " << k;
        }
      }
    });
  }
}

TEST(TekstyPliki, ConfigWybieraAngielski) {
  przygotuj_allegro();
  z_konfiguracja(sciezka_zrodla("config.cfg"),
                 [] { EXPECT_EQ(tekst_klucza("General", "language"), "ENGLISH"); });
}

// The character that starts at t[i], strictly read as UTF-8: its code and its length in
// bytes, 0 when the bytes there are not UTF-8.
std::size_t znak_utf8(const std::string& t, std::size_t i, int& kod) {
  unsigned char c = static_cast<unsigned char>(t[i]);
  std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 0;
  if (n == 0 || i + n > t.size()) return 0;
  kod = n == 1 ? c : c & (n == 2 ? 0x1F : 0x0F);
  for (std::size_t k = 1; k < n; ++k) {
    unsigned char d = static_cast<unsigned char>(t[i + k]);
    if ((d & 0xC0) != 0x80) return 0;
    kod = (kod << 6) | (d & 0x3F);
  }
  return kod < (n == 1 ? 0 : n == 2 ? 0x80 : 0x800) ? 0 : n;
}

// Every character of every language file is UTF-8 and one the game's font draws.
TEST(TekstyPliki, KazdyZnakJestWCzcionceGry) {
  przygotuj_allegro();
  FONT* f = load_font(sciezka_zrodla("Pliki_danych/Fonty/ex01.pcx").c_str(), nullptr, nullptr);
  ASSERT_NE(f, nullptr);
  const int pierwszy = get_font_range_begin(f, 0), ostatni = get_font_range_end(f, -1);
  destroy_font(f);
  for (const char* plik : PLIKI) {
    std::string t = wczytaj_plik(sciezka_zrodla(plik));
    int linia = 1;
    for (std::size_t i = 0, n = 0; i < t.size(); i += n) {
      int kod = 0;
      n = znak_utf8(t, i, kod);
      ASSERT_GT(n, 0u) << plik << ", line " << linia << ": not UTF-8";
      if (kod == '\n') {
        ++linia;
        continue;
      }
      bool sterujacy = kod < 0x20 || (kod >= 0x7F && kod < 0xA0);
      EXPECT_TRUE(!sterujacy && kod >= pierwszy && kod <= ostatni)
          << plik << ", line " << linia << ": U+" << std::hex << kod << " has no glyph";
    }
  }
}

// Lines a left-aligned text takes when the game wraps it in its font.
int liczba_linii(FONT* f, const std::string& t, int szerokosc) {
  auto miara = [f](const std::string& s) { return text_length(f, s.c_str()); };
  return int(zawin_tekst(t, szerokosc, miara).size());
}

// With the game's real font: button labels fit a button, panel lines fit their columns and
// wrapped texts fit their boxes.
TEST(TekstyPliki, TekstyMieszczaSieWCzcionceGry) {
  przygotuj_allegro();
  FONT* f = load_font(sciezka_zrodla("Pliki_danych/Fonty/ex01.pcx").c_str(), nullptr, nullptr);
  if (!f) GTEST_SKIP() << "the game font is not there yet";
  int h = text_height(f);
  for (const char* plik : PLIKI) {
    z_konfiguracja(sciezka_zrodla(plik), [&] {
      for (const char* k : ETYKIETY) {
        std::string t = tekst_klucza("teksty", k);
        EXPECT_LE(text_length(f, t.c_str()), 104) << plik << ": " << k << " = " << t;
      }
      for (const char* s : SEKCJE_PRZYCISKOW) {
        std::string t = tekst_klucza(s, "napis");
        EXPECT_LE(text_length(f, t.c_str()), 104) << plik << ": " << s << " = " << t;
      }
      // The load screen's slots name what they hold.
      for (const std::string& t : {"5: " + tekst_klucza("teksty", "mapa4") + ", 23:30",
                                   "5: " + tekst_klucza("teksty", "emptyslot"),
                                   "5: " + tekst_klucza("teksty", "damagedslot")})
        EXPECT_LE(text_length(f, t.c_str()), 104) << plik << ": " << t;
      // "moves" is followed by its number and must end before the "\" drawn 57 px further.
      EXPECT_LE(text_length(f, (tekst_klucza("teksty", "moves") + "10").c_str()), 55) << plik;
      // The statistics column ends where the description starts, 90 px to the right.
      for (const char* k : {"attack", "defense", "agility", "level", "experience", "cost"}) {
        std::string t = tekst_klucza("teksty", k) + "999";
        EXPECT_LE(text_length(f, t.c_str()), 88) << plik << ": " << t;
      }
      // Unit descriptions wrap at 280 px from y 606 and must end above the buttons at 700.
      for (const char* k : {"robotnik", "rycerz", "lord", "arcymag", "mag", "hydra", "archaniol",
                            "smok", "trol", "ciemny_rycerz", "kula_ognista", "white_fort",
                            "dark_fort", "wieza", "miasto"}) {
        std::string t = tekst_klucza("teksty", k);
        EXPECT_LE(liczba_linii(f, t, 280) * h, 700 - 606) << plik << ": " << k;
      }
      // Message windows wrap at 220 px from 76 px below the window top; buttons at 125.
      for (const char* k : {"foodfound", "goldfound", "lavaburns", "herobuild", "reallyquit",
                            "langnotsaved"}) {
        std::string t = tekst_klucza("teksty", k);
        EXPECT_LE(liczba_linii(f, t, 220) * h, 125 - 76) << plik << ": " << k;
      }
      // Refusals follow the name of the file, the longest a scenario's.
      for (const char* k : {"errnochoice", "erropen", "errempty", "errmapname", "errheader",
                            "errplayer", "errcastle", "errnogame", "errsave", "errplayerdir",
                            "filenotregular", "mapunreadable", "hournotnumber"}) {
        std::string t = "Pliki_danych/Mapy/map4.sce: " + tekst_klucza("teksty", k);
        EXPECT_LE(liczba_linii(f, t, 220) * h, 125 - 76) << plik << ": " << k;
      }
    });
  }
  destroy_font(f);
}

}  // namespace
