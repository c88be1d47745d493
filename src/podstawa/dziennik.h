#pragma once
// The game's log, log.txt in the folder the game writes into.

// Appends "\n<tekst> --- <liczba>" to log.txt (a text past 500 characters is cut); a log
// that cannot be written is skipped. Near a megabyte the oldest half of the log goes.
void piszlog(const char* tekst, int liczba);
