#pragma once
#include <allegro.h>

#include <string>
#include <vector>

// The how-to-play text of the information screen: a title and six paragraphs of the active
// language, wrapped to the panel and laid out in as many pages as they need.

// The text area on the information panel, in screen pixels.
const int INFO_X = 576, INFO_Y = 268, INFO_SZEROKOSC = 300, INFO_DOL = 540;

// One line of a page: its text, its distance from the top of the text area, and whether it
// is the title.
struct wiersz_informacji {
  std::string tekst;
  int y;
  bool tytul;
};
typedef std::vector<wiersz_informacji> strona_informacji;

// The pages, each starting with the title; a paragraph is never split between pages, and a
// page takes paragraphs while they fit above INFO_DOL. Texts come from the language file now
// active; f measures them.
std::vector<strona_informacji> uloz_informacje(FONT* f);
