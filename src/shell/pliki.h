#pragma once
#include <cstddef>
#include <string>

// File helpers shared by every reader and writer of the game.

// The path as it exists on disk, each component matched without regard to letter case
// (data paths are written in mixed case, e.g. "Pliki_danych/Muzyka/menu.mp3"). A path that
// does not exist comes back unchanged.
std::string znajdz_plik(const char* sciezka);

// Writes dane to a temporary file in the target's folder, checking every write and the
// close, then renames it over the target; false (the old file untouched) on any failure.
// The folder is created if missing.
bool zapisz_atomowo(const char* sciezka, const void* dane, std::size_t dlugosc);
