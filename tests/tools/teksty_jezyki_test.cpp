// The language files in their own alphabets, and the texts of the information screen and the
// command panel measured in the game's real font against the places they are drawn.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "informacje.h"
#include "srodowisko.h"

namespace {

const char* const PLIKI[] = {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg",
                             "gm_fr.cfg", "gm_cz.cfg", "gm_ge.cfg"};

std::string sciezka_zrodla(const char* plik) {
  return std::string(GRA_KATALOG_ZRODEL) + "/" + plik;
}

// Each language is written with its own letters, not with their bare ASCII stand-ins; English
// needs none.
TEST(TekstyJezykow, KazdyJezykMaSwojeLitery) {
  const struct {
    const char* plik;
    std::vector<std::string> litery;
  } JEZYKI[] = {
      {"gm_pl.cfg", {"ą", "ę", "ł", "ó", "ś", "ż", "ć", "ń", "ź"}},
      {"gm_cz.cfg", {"ř", "ě", "š", "č", "ž", "ý", "á", "í", "é", "ů", "ú"}},
      {"gm_ge.cfg", {"ü", "ö", "ä", "ß"}},
      {"gm_fr.cfg", {"é", "è", "ê", "à", "â", "î", "û", "À"}},
      {"gm_sp.cfg", {"ñ", "á", "é", "í", "ó", "ú", "¿", "¡"}},
      {"gm_it.cfg", {"à", "è", "ì", "ò", "ù", "È"}},
  };
  for (const auto& j : JEZYKI) {
    const std::string dane = wczytaj_plik(sciezka_zrodla(j.plik));
    ASSERT_FALSE(dane.empty()) << j.plik;
    for (const std::string& l : j.litery)
      EXPECT_NE(dane.find(l), std::string::npos) << j.plik << " never writes " << l;
  }
  for (char c : wczytaj_plik(sciezka_zrodla("gm_en.cfg")))
    ASSERT_LT((unsigned char)c, 0x80) << "gm_en.cfg";
}

template <typename F>
void w_kazdym_jezyku(F fn) {
  for (const char* plik : PLIKI) {
    push_config_state();
    set_config_file(sciezka_zrodla(plik).c_str());
    fn(plik);
    pop_config_state();
  }
}

std::string tekst_klucza(const char* klucz) {
  const char* t = get_config_string("teksty", klucz, nullptr);
  return t ? t : "";
}

class TekstyWCzcionce : public ::testing::Test {
 protected:
  FONT* f = nullptr;
  void SetUp() override {
    przygotuj_allegro();
    f = load_font(sciezka_zrodla("Pliki_danych/Fonty/ex01.pcx").c_str(), nullptr, nullptr);
    ASSERT_NE(f, nullptr);
  }
  void TearDown() override {
    if (f) destroy_font(f);
  }
  int szerokosc(const std::string& t) const { return text_length(f, t.c_str()); }
};

// How to play, in every language: at most three pages, every line inside the panel's text
// area, the last one above the buttons, and the title clear of the page number in the
// corner.
TEST_F(TekstyWCzcionce, StronyInformacjiMieszczaSieWPanelu) {
  const int h = text_height(f);
  w_kazdym_jezyku([&](const char* plik) {
    const std::vector<strona_informacji> strony = uloz_informacje(f);
    EXPECT_LE(strony.size(), 3u) << plik;
    int wierszy = 0;
    for (const strona_informacji& s : strony) {
      ASSERT_FALSE(s.empty()) << plik;
      EXPECT_TRUE(s[0].tytul) << plik;
      EXPECT_LE(szerokosc(s[0].tekst + " 3/3"), INFO_SZEROKOSC - 20) << plik << ": " << s[0].tekst;
      EXPECT_GT(s.size(), 1u) << plik << ": a page with only its title";
      for (const wiersz_informacji& w : s) {
        EXPECT_LE(szerokosc(w.tekst), INFO_SZEROKOSC) << plik << ": " << w.tekst;
        EXPECT_LE(INFO_Y + w.y + h, INFO_DOL) << plik << ": " << w.tekst;
        wierszy += !w.tytul;
      }
    }
    EXPECT_GE(wierszy, 12) << plik << ": six paragraphs of how to play";
  });
}

// The texts of the command panel drawn without wrapping stay on its parchment (x 185..740):
// a technology's description from x 352, the end of the game centred on x 435.
TEST_F(TekstyWCzcionce, TekstyPaneluNaPergaminie) {
  w_kazdym_jezyku([&](const char* plik) {
    for (const char* k : {"allows1", "allows2", "allows3", "allows4", "allows5", "allows6",
                          "allows7", "allows8"})
      EXPECT_LE(352 + szerokosc(tekst_klucza(k)), 738) << plik << ": " << k;
    for (const char* k : {"endofgame", "yellowwins", "bluewins"})
      EXPECT_LE(szerokosc(tekst_klucza(k)) / 2, 435 - 190) << plik << ": " << k;
  });
}

}  // namespace
