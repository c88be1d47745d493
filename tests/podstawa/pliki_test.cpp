// Case-insensitive lookup of data paths, atomic writes that never damage the old file, reads
// of regular files only and a log of bounded size.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "dziennik.h"
#include "pliki.h"
#include "srodowisko.h"

namespace {

TEST(Pliki, SciezkiBezWzgleduNaWielkoscLiter) {
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

TEST(Pliki, ZapisAtomowyZastepujeLubZostawiaStaryPlik) {
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
  EXPECT_EQ(pliki_w(k + "/nowy/folder"), "plik.sav ") << "no temporary file is left";
}

TEST(Pliki, PlikiTymczasoweUrwanegoZapisuZnikajaPrzyNastepnym) {
  std::string k = katalog_tymczasowy();
  for (const char* p : {".1.sav.Ab3xY9", "1.sav.tmp", ".2.sav.Ab3xY9", ".1.sav.notes",
                        ".1.sav.Ab-xY9"})
    ASSERT_TRUE(zapisz_plik(k + "/" + p, "urwany zapis"));
  ASSERT_TRUE(zapisz_atomowo((k + "/1.sav").c_str(), "gra", 3));
  // Only the leftovers of this target go (six letters or digits after its name); another
  // slot's stays for its own next save.
  EXPECT_EQ(pliki_w(k), ".1.sav.Ab-xY9 .1.sav.notes .2.sav.Ab3xY9 1.sav ");
}

TEST(Pliki, DziennikPonizejMegabajtaZNajnowszymiLiniami) {
  alarm(10);
  const std::string k = katalog_tymczasowy();
  ASSERT_EQ(chdir(k.c_str()), 0);
  // A line one byte past the line buffer is cut to it, with no zero byte in the file.
  piszlog(std::string(505, 'x').c_str(), 7);
  EXPECT_EQ(wczytaj_plik("log.txt"), "\n" + std::string(505, 'x') + " --- ");
  std::string log;
  for (int i = 0; log.size() < (1u << 20) - 20; ++i) log += "\nline " + std::to_string(i) + " --- 1";
  ASSERT_TRUE(zapisz_plik("log.txt", log));
  piszlog("nowa", 7);
  const std::string po = wczytaj_plik("log.txt");
  EXPECT_LT(po.size(), 1u << 20);
  EXPECT_GT(po.size(), 400000u) << "the newest half stays";
  EXPECT_EQ(po.rfind("\nline ", 0), 0u) << "cut at the start of a line";
  const std::string nowa = "\nnowa --- 7";
  ASSERT_EQ(po.substr(po.size() - nowa.size()), nowa);
  const std::size_t stare = po.size() - nowa.size();
  EXPECT_EQ(po.substr(0, stare), log.substr(log.size() - stare)) << "the old lines kept are the last";
  // A pipe named log.txt is not written to, so nothing waits for a reader.
  ASSERT_EQ(unlink("log.txt"), 0);
  ASSERT_EQ(mkfifo("log.txt", 0644), 0);
  piszlog("nowa", 8);
  ASSERT_EQ(chdir(GRA_KATALOG_ZRODEL), 0);
  alarm(0);
}

TEST(Pliki, TylkoZwyklePlikiINicNieCzekaNaRurze) {
  alarm(10);  // a reader stuck on the pipe fails the test instead of hanging it
  std::string k = katalog_tymczasowy();
  ASSERT_EQ(mkfifo((k + "/rura").c_str(), 0644), 0);
  ASSERT_TRUE(zapisz_plik(k + "/plik", "abc"));
  struct przypadek {
    std::string sciezka;
    int blad;
  };
  for (const przypadek& p : {przypadek{k + "/rura", EINVAL}, przypadek{k, EISDIR},
                             przypadek{k + "/brak", ENOENT}}) {
    errno = 0;
    EXPECT_EQ(otworz_do_odczytu(p.sciezka.c_str()), nullptr) << p.sciezka;
    EXPECT_EQ(errno, p.blad) << p.sciezka;
    EXPECT_FALSE(czy_zwykly_plik(p.sciezka.c_str()));
  }
  std::FILE* f = otworz_do_odczytu((k + "/plik").c_str());
  ASSERT_NE(f, nullptr);
  char bufor[4] = {};
  EXPECT_EQ(std::fread(bufor, 1, 3, f), 3u) << "the file reads in blocking mode";
  std::fclose(f);
  alarm(0);
}

}  // namespace
