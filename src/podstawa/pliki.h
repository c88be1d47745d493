#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// File helpers shared by every reader and writer of the game.

// The path as it exists on disk, each component matched without regard to letter case
// (data paths are written in mixed case, e.g. "Pliki_danych/Muzyka/menu.mp3"). A relative
// name is a file of the game: looked up first in the writing folder (what the game wrote:
// saved games, config.cfg, the edited map), then in the data folder (see katalogi.h). A path
// that does not exist comes back as the data folder's path, unchanged otherwise.
std::string znajdz_plik(const char* sciezka);

// Where the game writes the file of a relative name: in the writing folder, matched without
// regard to letter case as above. "" when nothing can be written this run (no player's
// folder), so every write fails and nothing lands in the working directory.
std::string sciezka_zapisu(const char* nazwa);

// Makes a folder and those above it; true when it exists as a folder afterwards.
bool utworz_katalog(const char* sciezka);

// True when the path names a regular file (or a link to one). Named pipes, devices and
// folders are not files the game can read: opening a pipe would wait for a writer for ever.
bool czy_zwykly_plik(const char* sciezka);

// Opens a regular file for reading in binary mode; null for anything else, without waiting
// on a named pipe. errno is EISDIR for a folder and EINVAL for a pipe or device.
std::FILE* otworz_do_odczytu(const char* sciezka);

// The one way the game writes a file: a temporary file in the target's folder, every write
// and the close checked, flushed to disk, then renamed over the target. On any failure the
// temporary file is removed, the old target is untouched, errno says why and the result is
// false. The folder is created if missing. Temporary files left behind by a write that was
// killed are removed at the next write of the same target.
bool zapisz_atomowo(const char* sciezka, const void* dane, std::size_t dlugosc);
