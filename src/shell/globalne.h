#pragma once
// Process-wide settings shared by several subsystems.

extern bool dev_mode;    // developer mode: free moves, building keys, draggable buttons
extern bool MIERZ_FPS;   // show the frames-per-second counter
extern float godzina;    // hour of the game day, 0.0 .. 23.0 in steps of 0.5
extern short ai;         // side played by the computer: 0 none, 1 or 2
// How the computer plays its side: by the classic rules, or the strong player's judgement.
enum { SILA_KLASYCZNA = 0, SILA_SILNA = 1 };
extern short sila_komputera;

// Seconds that seed the random draws of each frame and the hero roll: the time of day,
// unless a seeded game (the tournament) puts a clock of its own in its place.
typedef long (*zegar_sekund)();
long sekundy_losowania();
void ustaw_zegar_losowania(zegar_sekund zegar);  // null: the time of day again
