#pragma once
#include <functional>
#include <string>
#include <vector>

// The width of a piece of text in pixels (the game measures with its font).
typedef std::function<int(const std::string&)> miara_tekstu;

// Breaks a UTF-8 text into lines no wider than szerokosc: lines break at spaces, so a word
// moves whole to the next line, and only a word wider than a line of its own is broken
// between two letters (a line holds at least one letter). A newline always ends a line.
// Spaces at a break are dropped. A negative width breaks only at newlines. An empty text
// gives no lines.
std::vector<std::string> zawin_tekst(const std::string& tekst, int szerokosc,
                                     const miara_tekstu& miara);
