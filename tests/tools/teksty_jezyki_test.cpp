// The language files in their own alphabets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "srodowisko.h"

namespace {

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

}  // namespace
