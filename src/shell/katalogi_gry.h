#pragma once
#include <string>

// The start-up's choice of the game's folders (see katalogi.h).
struct wybrane_katalogi {
  std::string dane;    // "" for the working directory
  std::string zapisu;  // the folder the game writes into
  bool zapis_mozliwy = true;
  bool dane_znalezione = false;  // false: no place holds Pliki_danych, the working directory stays
};

// The data folder is the first of miejsca_danych() that holds Pliki_danych. The game writes
// beside its data when that folder can be written, and never into an installed data folder:
// there and in a read-only folder it writes into the player's own folder, made if missing and
// given the shipped config.cfg on its first start. Sets the folders and returns them.
// dane_wzgledem_programu: the installed data folder, relative to the program's folder.
wybrane_katalogi przygotuj_katalogi(const std::string& katalog_programu,
                                    const std::string& dane_wzgledem_programu);

// The folder of the running program ("" when it cannot be told).
std::string katalog_programu();
