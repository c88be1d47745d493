#pragma once
#include <string>
#include <vector>

// Where the game's files live. The data folder holds what the game ships (pictures, font,
// maps, scenarios, texts, music); the writing folder receives what it writes (saved games,
// config.cfg, log.txt, the edited map). When the data folder can be written, both are the
// same folder, as in a copy of the game that runs from its own folder; otherwise the game
// writes into the player's own folder. Until set, both are "": the working directory.

// The name of the game's folders under share/ and the player's data folder.
extern const char* const NAZWA_KATALOGU_GRY;

// The data folder, "" for the working directory; never ends with '/'.
const std::string& katalog_danych();
// The folder the game writes into ("" for the working directory).
const std::string& katalog_zapisu();
// False when the writing folder could not be made or written: nothing is written this run.
bool czy_zapis_mozliwy();
// Sets all three (the start-up and the tests); trailing slashes are dropped.
void ustaw_katalogi(const std::string& dane, const std::string& zapisu, bool zapis_mozliwy);

// The player's own folder: $XDG_DATA_HOME/<game> when that variable holds an absolute path,
// else $HOME/.local/share/<game> (the password database's home when HOME is unset or empty);
// "" when no home is known.
std::string katalog_gracza();

// The folders that may hold the game's data, in the order they are tried: the working
// directory (""), the program's own folder, the folder above it (a build tree inside the
// source tree) and the installed data folder, given relative to the program's folder.
std::vector<std::string> miejsca_danych(const std::string& katalog_programu,
                                        const std::string& dane_wzgledem_programu);
