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

struct przypadek {
  const char* opis;
  const char* tekst;
  int szerokosc;
  std::vector<std::string> linie;
};

TEST(Zawijanie, SlowaPrzechodzaCaleADlugieLamieSieMiedzyLiterami) {
  const przypadek PRZYPADKI[] = {
      {"empty text", "", 10, {}},
      {"exact fit", "abc def", 7, {"abc def"}},
      {"one short of a fit", "abc def", 6, {"abc", "def"}},
      {"words move whole", "the hero repairs walls", 12, {"the hero", "repairs", "walls"}},
      {"spaces inside a line kept", "a   b", 10, {"a   b"}},
      {"spaces at a break dropped", "ab   cd  ", 4, {"ab", "cd"}},
      {"leading spaces kept", "  x", 10, {"  x"}},
      {"long word broken", "ab abcdefgh x", 4, {"ab", "abcd", "efgh", "x"}},
      {"letters, not bytes, fill the line", "zażółć gęślą", 6, {"zażółć", "gęślą"}},
      {"long word broken between letters", "żółćżółć", 3, {"żół", "ćżó", "łć"}},
      {"newlines end lines", "ab\n\ncd", 10, {"ab", "", "cd"}},
      {"no limit", "aaa bbb", -1, {"aaa bbb"}},
      {"no room: a letter a line", "ab c", 0, {"a", "b", "c"}},
      {"a stray byte is a letter", "a\xff" "b", 1, {"a", "\xff", "b"}},
  };
  for (const przypadek& p : PRZYPADKI)
    EXPECT_EQ(zawin_tekst(p.tekst, p.szerokosc, litery), p.linie) << p.opis;
}

}  // namespace
