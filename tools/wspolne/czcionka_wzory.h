#pragma once
#include <string>
#include <vector>

// The game's bitmap font, drawn by hand: one pattern per character 32..126, rows from the
// cap line down ('#' ink, '.' paper). Rows 0..6 carry capitals and digits, lower case sits
// on rows 2..6, descenders reach rows 7 and 8.
extern const char* const WZORY_ZNAKOW[95][9];

// The font holds every character from the space to the end of Latin Extended-A; accented
// letters are built from their base letter and a mark.
const int PIERWSZY_ZNAK = 0x20;
const int OSTATNI_ZNAK = 0x17F;
// Rows of the glyph box above the cap line: the accents of capitals live there.
const int NAD_WERSALIKAMI = 3;
// The height of a glyph box: the rows above the cap line, the capitals and the descenders.
const int WYSOKOSC_ZNAKU = NAD_WERSALIKAMI + 9;

// The glyph of one character of the font: WYSOKOSC_ZNAKU rows of one width ('#' ink), the
// cap line at row NAD_WERSALIKAMI. Characters outside the font, and the control characters
// 127..159, are blank.
std::vector<std::string> wzor_znaku(int kod);
