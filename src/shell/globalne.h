#pragma once
// Process-wide settings shared by several subsystems.

extern bool dev_mode;    // developer mode: free moves, building keys, draggable buttons
extern bool MIERZ_FPS;   // show the frames-per-second counter
extern float godzina;    // hour of the game day, 0.0 .. 23.0 in steps of 0.5
extern short ai;         // side played by the computer: 0 none, 1 or 2

// Appends "\n<tekst> --- <liczba>" to log.txt; a log that cannot be opened is skipped.
void piszlog(const char* tekst, int liczba);
