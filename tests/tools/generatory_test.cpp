// Each content generator writes the committed files byte for byte; with no usable folder it fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "srodowisko.h"

namespace {

// Whole tracks take minutes: three tracks' first half second, encoded alone, must be the
// committed file after its first frame (which holds the whole file's delay and padding).
const struct {
  const char* program;
  const char* tryb;    // arguments after the output folder
  int plikow;          // files it writes
  const char* wzorce;  // a partial run's files are the start of those in this folder
} GENERATORY[] = {
    {"gen_teksty", "", 8, ""},           {"gen_grafika", "", 4, ""},
    {"gen_interfejs", "", 11, ""},       {"gen_mapy", "", 4, ""},
    {"gen_scenariusze", "", 4, ""},      {"gen_ikona", "", 2, ""},
    {"gen_muzyka", " --poczatek walka.mp3 0.5", 1, "Pliki_danych/muzyka/"},
    {"gen_muzyka", " --poczatek menu.mp3 0.5", 1, "Pliki_danych/muzyka/"},
    {"gen_muzyka", " --poczatek 3.mp3 0.5", 1, "Pliki_danych/muzyka/"},
};

TEST(Generatory, OdtwarzajaZapisanePlikiBajtWBajt) {
  for (const auto& g : GENERATORY) {
    const std::string program = std::string(GRA_KATALOG_BUDOWY "/narzedzia/") + g.program;
    EXPECT_NE(std::system((program + " 2>/dev/null").c_str()), 0) << g.program;
    const std::string k = katalog_tymczasowy();
    ASSERT_EQ(std::system((program + " " + k + g.tryb + " >/dev/null").c_str()), 0) << g.program;
    FILE* lista = popen(("cd " + k + " && find . -type f").c_str(), "r");
    char linia[512];
    int plikow = 0;
    for (; lista && std::fscanf(lista, "./%511s\n", linia) == 1; ++plikow) {
      const std::string p = linia, nowy = wczytaj_plik(k + "/" + p);
      const std::string zapisany = wczytaj_plik(GRA_KATALOG_ZRODEL "/" + (g.wzorce + p));
      if (*g.wzorce) {
        ASSERT_GT(nowy.size(), 4000u) << p;
        EXPECT_EQ(zapisany.compare(1024, nowy.size() - 1024, nowy, 1024), 0) << p;
      } else {
        EXPECT_TRUE(!nowy.empty() && nowy == zapisany) << p << " differs from " << g.program;
      }
    }
    if (lista) pclose(lista);
    EXPECT_EQ(plikow, g.plikow) << g.program;
    std::system(("rm -rf " + k).c_str());
  }
  EXPECT_NE(std::system(GRA_KATALOG_BUDOWY "/narzedzia/gen_teksty /dev/null/x 2>/dev/null"), 0);
}

}  // namespace
