#include "informacje.h"

#include "teksty.h"
#include "zawijanie.h"

namespace {

const char* const AKAPITY[] = {"howto1", "howto2", "howto3", "howto4", "howto5", "howto6"};
// The first three paragraphs tell how to play, the rest about the castle, the shops and the
// keys: the second part starts a page of its own.
const int PIERWSZY_DRUGIEJ_CZESCI = 3;

}  // namespace

std::vector<strona_informacji> uloz_informacje(FONT* f) {
  const int h = text_height(f);
  const int odstep = h;  // an empty line after the title and between paragraphs
  const int miejsce = INFO_DOL - INFO_Y;
  const std::string tytul = tekst("howtotitle");
  const miara_tekstu miara = [f](const std::string& t) { return text_length(f, t.c_str()); };

  std::vector<strona_informacji> strony;
  int y = 0;
  for (int i = 0; i < int(sizeof AKAPITY / sizeof AKAPITY[0]); ++i) {
    const std::vector<std::string> linie = zawin_tekst(tekst(AKAPITY[i]), INFO_SZEROKOSC, miara);
    if (linie.empty()) continue;
    const int wysokosc = int(linie.size()) * h;
    // A paragraph that does not fit starts a new page, unless the page holds nothing yet.
    const bool pusta = strony.empty() || strony.back().size() == 1;  // the title alone
    if (strony.empty() || (!pusta && (i == PIERWSZY_DRUGIEJ_CZESCI || y + wysokosc > miejsce))) {
      strony.push_back({{tytul, 0, true}});
      y = h + odstep;
    }
    for (const std::string& l : linie) {
      strony.back().push_back({l, y, false});
      y += h;
    }
    y += odstep;
  }
  if (strony.empty()) strony.push_back({{tytul, 0, true}});
  return strony;
}
