#pragma once
#include <string>

#include "menu.h"
#include "stan_gry.h"

// Scenario and saved-game files: the map name, active player, hour, gold, technologies and
// one record per unit, closed by E.

// The file of a menu choice: 1..5 saved-game slots, 6..9 the scenarios of maps 1..4; null
// for any other value.
const char* plik_wyboru(int wybor);

// Checks the whole file, then builds the map, grid, both shops, the players and every unit
// into stan (whose ekran and wejscie must be set) and sets godzina. A refused file leaves
// stan and godzina unchanged, returns false and describes the reason in blad (256 bytes).
bool wczytaj_gre(const char* plik, stan_gry& stan, char* blad);

// What saved-game slot 1..5 holds for a player, read from its header: the map file and the
// hour; pusty when nothing lies at the path, uszkodzony when something does but it is not a
// regular file or its header cannot be read. The menu's load screen reads slots with it.
zawartosc_slotu opisz_slot(int slot);

// Writes the game through zapisz_atomowo (the folder is created if missing). On failure
// the old file is kept, blad says why and the result is false.
bool zapisz_gre(const char* plik, const stan_gry& stan, char* blad);
