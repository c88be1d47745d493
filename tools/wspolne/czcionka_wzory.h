#pragma once
// The game's bitmap font, drawn by hand: one pattern per character 32..126, rows from the
// cap line down ('#' ink, '.' paper). Rows 0..6 carry capitals and digits, lower case sits
// on rows 2..6, descenders reach rows 7 and 8.
extern const char* const WZORY_ZNAKOW[95][9];
// The height of a glyph box (one blank row above the pattern) and of the descender area.
const int WYSOKOSC_ZNAKU = 11;
