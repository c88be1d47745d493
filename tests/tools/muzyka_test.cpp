// The shipped music as a player hears it: every track decodes gaplessly to exactly its composed
// length (so its loop has no gap), lasts one to two minutes and never falls silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "../sound/mp3_testowe.h"
#include "muzyka_kompozycja.h"

namespace {

// The longest stretch, in sample frames, where both channels stay below a whisper (1 % of
// full scale); the end of the track and its start count as one stretch.
std::size_t najdluzsza_cisza(const std::vector<short>& p) {
  std::size_t cisza = 0, najdluzsza = 0, na_poczatku = 0;
  for (std::size_t i = 0; i + 1 < p.size(); i += 2) {
    cisza = std::abs(p[i]) < 328 && std::abs(p[i + 1]) < 328 ? cisza + 1 : 0;
    if (2 * cisza > i) na_poczatku = cisza;
    najdluzsza = std::max(najdluzsza, cisza);
  }
  return std::max(najdluzsza, na_poczatku + cisza);
}

TEST(Muzyka, KazdyUtworMaSwojaDlugoscIGraBezPrzerw) {
  for (const utwor_gry& u : utwory_gry()) {
    auto p = zdekoduj_calosc(std::string(GRA_KATALOG_ZRODEL "/Pliki_danych/muzyka/") + u.plik);
    EXPECT_EQ(long(p.size() / 2), dlugosc_utworu(u.styl)) << u.plik;
    EXPECT_TRUE(p.size() >= 2 * 60 * 44100u && p.size() <= 2 * 120 * 44100u) << u.plik;
    EXPECT_LT(najdluzsza_cisza(p), 44100u / 4) << u.plik << " falls silent";
  }
}

}  // namespace
