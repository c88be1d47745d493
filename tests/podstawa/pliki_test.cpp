// Atomic writes, case-insensitive data paths, reads of regular files only, a bounded log.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "dziennik.h"
#include "pliki.h"
#include "srodowisko.h"

namespace {

// A write makes its folders, replaces the target whole (the path is its content), clears what a
// killed write of it left; one that fails says why (-1: not that a file is missing), leaving the old.
TEST(Pliki, ZapisAtomowyISciezkiBezWzgleduNaWielkoscLiter) {
  const std::string k = katalog_tymczasowy();
  for (const char* p : {".1.sav.Ab3xY9", "1.sav.tmp", ".2.sav.Ab3xY9", ".1.sav.notes", ".1.sav.Ab-xY9"})
    ASSERT_TRUE(zapisz_plik(k + "/" + p, "urwany zapis"));
  ASSERT_TRUE(zapisz_plik(k + "/plik", "stary"));
  const std::string zamkniety = geteuid() == 0 ? "/sys" : katalog_tymczasowy() + "/zamkniety";  // root: /sys
  mkdir(zamkniety.c_str(), 0555);
  const struct { std::string sciezka; int blad; } przypadki[] = {
      {k + "//1.sav", 0},   {k + "/1.sav", 0}, {k + "/a/b/c.sav", 0},  {k + "/a", EISDIR},
      {k + "/a/", EISDIR},  {"", ENOENT},      {k + "/plik/x.sav", -1}, {zamkniety + "/a/x.sav", -1},
  };
  for (const auto& p : przypadki) {
    errno = 0;
    const bool zapisany = zapisz_atomowo(p.sciezka.c_str(), p.sciezka.data(), p.sciezka.size());
    EXPECT_TRUE(zapisany ? !p.blad : errno == p.blad || (p.blad < 0 && errno != ENOENT)) << p.sciezka;
  }
  EXPECT_EQ(wczytaj_plik(k + "/1.sav"), k + "/1.sav");
  EXPECT_EQ(wczytaj_plik(k + "/plik"), "stary");
  EXPECT_EQ(pliki_w(k), ".1.sav.Ab-xY9 .1.sav.notes .2.sav.Ab3xY9 1.sav a plik ");
  EXPECT_EQ(znajdz_plik((k + "/A/b/C.SAV").c_str()), k + "/a/b/c.sav");
  EXPECT_EQ(znajdz_plik((k + "/A/b/brak").c_str()), k + "/A/b/brak") << "a missing file comes back as it was";
  EXPECT_EQ(znajdz_plik("pliki_danych/mapy/MAP1.SCE"), "Pliki_danych/Mapy/map1.sce");  // in the data folder
  EXPECT_EQ(znajdz_plik(nullptr), "");
}

// The log stays below a megabyte with its newest lines; only regular files are read or
// appended to, so nothing waits on a pipe.
TEST(Pliki, DziennikOgraniczonyITylkoZwyklePliki) {
  alarm(10);  // a stuck reader or writer fails the test instead of hanging it
  const std::string k = katalog_tymczasowy();
  ASSERT_EQ(chdir(k.c_str()), 0);
  piszlog(std::string(505, 'x').c_str(), 7);  // one byte past the line buffer: cut, no zero byte
  EXPECT_EQ(wczytaj_plik("log.txt"), "\n" + std::string(505, 'x') + " --- ");
  std::string log;
  for (int i = 0; log.size() < (1u << 20) - 20; ++i) log += "\nline " + std::to_string(i) + " --- 1";
  ASSERT_TRUE(zapisz_plik("log.txt", log));
  piszlog("nowa", 7);
  const std::string po = wczytaj_plik("log.txt"), nowa = "\nnowa --- 7";
  EXPECT_LT(po.size(), 1u << 20);
  ASSERT_GT(po.size(), 400000u) << "the newest half stays";
  EXPECT_EQ(po, log.substr(log.size() - (po.size() - nowa.size())) + nowa);
  EXPECT_EQ(po.rfind("\nline ", 0), 0u) << "cut at a line start";
  ASSERT_EQ(unlink("log.txt"), 0);
  ASSERT_EQ(mkfifo("log.txt", 0644), 0);
  ASSERT_TRUE(zapisz_plik("plik", "abc"));
  piszlog("nowa", 8);
  const struct { std::string sciezka; int blad; } przypadki[] = {
      {"plik", 0}, {"log.txt", EINVAL}, {k, EISDIR}, {"brak", ENOENT}};
  for (const auto& p : przypadki) {
    errno = 0;
    std::FILE* f = otworz_do_odczytu(p.sciezka.c_str());
    EXPECT_EQ(f ? 0 : errno, p.blad) << p.sciezka;
    EXPECT_EQ(czy_zwykly_plik(p.sciezka.c_str()), p.blad == 0);
    if (f) std::fclose(f);
  }
  ASSERT_EQ(chdir(GRA_KATALOG_ZRODEL), 0);
  alarm(0);
}

}  // namespace
