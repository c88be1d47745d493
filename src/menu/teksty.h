#pragma once
#include <cstddef>

// Language texts and the settings file. Every text the player reads comes from section
// "teksty" of the active language file; the language word lives in config.cfg.

// The text of a "teksty" key in the active configuration, or "" when it is missing.
const char* tekst(const char* klucz);
// A string of any section, or "" when missing.
const char* tekst_z(const char* sekcja, const char* klucz);
// An integer of any section, 0 when missing or not a number, held within od..doo.
int liczba_z(const char* sekcja, const char* klucz, int od, int doo);

// The seven languages: the word stored in config.cfg, the language file and the label of
// the language button (the same at start and after a choice).
struct jezyk_gry {
  const char* slowo;
  const char* plik;
  const char* etykieta;
  const char* nazwa_przycisku;  // the label of its button on the language screen
};
const jezyk_gry* jezyki(int& liczba);

// The sections of the main menu's six buttons in a language file, in button order.
extern const char* const SEKCJE_PRZYCISKOW_MENU[6];

// Makes config.cfg active, reads General/language and activates that language file. Returns
// the language button label for it; on a missing or unknown word, or a language file that is missing or lacks the menu's
// buttons or its texts, keeps gm_pl.cfg active and returns the Polish label.
const char* wybierz_jezyk();
// Sets General/language in config.cfg through the safe writer, keeping its other lines;
// false when the file could not be written (the old one is then untouched).
bool zapisz_slowo_jezyka(const char* slowo);
// Records the word in config.cfg (written to disk at once), then chooses the language again.
// When config.cfg cannot be written the language is used all the same, for this run, and
// *zapisany (if given) is false.
const char* zapisz_jezyk(const char* slowo, bool* zapisany = nullptr);
