// Breaking texts into lines: whole words, long words between letters, UTF-8 letters whole.
#include "zawijanie.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One pixel per letter, however many bytes the letter takes.
int litery(const std::string& t) {
  int n = 0;
  for (unsigned char c : t) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(Zawijanie, SlowaPrzechodzaCaleADlugieLamieSieMiedzyLiterami) {
  const struct {
    const char* tekst;
    int szerokosc;
    std::vector<std::string> linie;
  } przypadki[] = {
      {"", 10, {}},
      {"abc def", 7, {"abc def"}},                      // an exact fit
      {"abc def", 6, {"abc", "def"}},
      {"the hero repairs walls", 12, {"the hero", "repairs", "walls"}},
      {"a   b", 10, {"a   b"}},  {"  x", 10, {"  x"}},  // blanks inside a line stay
      {"ab   cd  ", 4, {"ab", "cd"}},                   // blanks at a break go
      {"ab abcdefgh x", 4, {"ab", "abcd", "efgh", "x"}},
      {"zażółć gęślą", 6, {"zażółć", "gęślą"}},         // letters, not bytes, fill a line
      {"żółćżółć", 3, {"żół", "ćżó", "łć"}},
      {"ab\n\ncd", 10, {"ab", "", "cd"}},
      {"aaa bbb", -1, {"aaa bbb"}},                     // no limit
      {"ab c", 0, {"a", "b", "c"}},                     // no room: a letter a line
      {"a\xff" "b", 1, {"a", "\xff", "b"}},             // a stray byte is a letter
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(zawin_tekst(p.tekst, p.szerokosc, litery), p.linie) << p.tekst << " / " << p.szerokosc;
}

}  // namespace
