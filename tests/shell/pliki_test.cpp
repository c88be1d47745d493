// Case-insensitive lookup of data paths and atomic writes that never damage the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "pliki.h"
#include "srodowisko.h"

namespace {

TEST(Pliki, PathsResolveWithoutRegardToLetterCase) {
  std::string k = katalog_tymczasowy();
  mkdir((k + "/Pliki_danych").c_str(), 0755);
  mkdir((k + "/Pliki_danych/muzyka").c_str(), 0755);
  ASSERT_TRUE(zapisz_plik(k + "/Pliki_danych/muzyka/menu.mp3", "x"));
  EXPECT_EQ(znajdz_plik((k + "/Pliki_danych/Muzyka/menu.mp3").c_str()),
            k + "/Pliki_danych/muzyka/menu.mp3");
  EXPECT_EQ(znajdz_plik((k + "/PLIKI_DANYCH/muzyka/MENU.MP3").c_str()),
            k + "/Pliki_danych/muzyka/menu.mp3");
  EXPECT_EQ(znajdz_plik((k + "/Pliki_danych/Muzyka/brak.mp3").c_str()),
            k + "/Pliki_danych/Muzyka/brak.mp3") << "a missing file comes back unchanged";
  EXPECT_EQ(znajdz_plik(nullptr), "");
}

TEST(Pliki, AtomicWriteReplacesOrKeepsTheOldFile) {
  std::string k = katalog_tymczasowy();
  std::string cel = k + "/nowy/folder/plik.sav";
  ASSERT_TRUE(zapisz_atomowo(cel.c_str(), "abc", 3)) << "folders are made";
  EXPECT_EQ(wczytaj_plik(cel), "abc");
  ASSERT_TRUE(zapisz_atomowo(cel.c_str(), "defg", 4));
  EXPECT_EQ(wczytaj_plik(cel), "defg");
  // A folder in the way of the target: the write fails and leaves nothing behind.
  std::string zly = k + "/nowy";
  EXPECT_FALSE(zapisz_atomowo(zly.c_str(), "x", 1));
  EXPECT_EQ(wczytaj_plik(cel), "defg");
  // A file where the folder should be.
  ASSERT_TRUE(zapisz_plik(k + "/plik", "stary"));
  EXPECT_FALSE(zapisz_atomowo((k + "/plik/x.sav").c_str(), "x", 1));
  EXPECT_EQ(wczytaj_plik(k + "/plik"), "stary");
}

}  // namespace
