#pragma once
// The intro video: runs the outside player "binkplay /R logo.bik" and waits for it, but only
// where such a player is installed and the video file exists; otherwise returns at once.
// Its result never matters. Returns true when the player was run.
bool odtworz_wideo_wstepne();
// Whether an executable of that name is on PATH (used by the intro and its test).
bool czy_program_dostepny(const char* nazwa);
