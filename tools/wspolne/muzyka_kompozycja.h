#pragma once
#include <cstdint>
#include <vector>

#include "muzyka_synteza.h"

// The game's music: pieces in three parts (a theme, a contrasting middle, the theme's
// return) written out note by note from a few choices per part, mixed and looped.

// One part of a piece's form.
struct czesc_utworu {
  int takty;             // bars of four beats, a multiple of 4
  int przesuniecie;      // semitones from the piece's key
  bool moll;             // minor mode
  const int* akordy;     // scale degrees (0..6) of the chords, one a bar, 8 values repeated
  instrument prowadzacy;  // the melody's instrument
  int motyw;             // the melody's seed: parts with the same motif share their theme
  int rytm;              // the melody's rhythm (a row of RYTMY)
  int oktawa;            // octaves above the usual melody register (may be negative)
  int akompaniament;     // 0 held chords, 1 plucked broken chords, 2 strummed chords,
                         // 3 bowed repeated notes, 4 bells on the chord tones
  int perkusja;          // 0 none, 1 soft, 2 march, 3 driving battle, 4 kettle drums
  bool wtor;             // a second voice a third below the melody
};

struct styl_utworu {
  const char* nazwa;
  std::uint32_t ziarno;
  double tempo;          // beats per minute
  int tonika;            // MIDI note of the key's root
  czesc_utworu czesci[3];
  float poglos;          // echo amount 0..1
  float glosnosc;        // the mix's level before the limiter
};

struct utwor_gry {
  const char* plik;      // in Pliki_danych/muzyka/
  styl_utworu styl;
};

// The twelve tracks of the game.
const std::vector<utwor_gry>& utwory_gry();
const int KBPS_MUZYKI = 128;

// The loop's length in sample frames.
long dlugosc_utworu(const styl_utworu& s);
// Every note of one pass of the loop, in the order they are mixed.
std::vector<zdarzenie> rozpisz(const styl_utworu& s);
// The loop, mixed so that its end flows into its start; with sekundy > 0 only its first
// seconds, sample for sample the same as the start of the whole.
nagranie komponuj(const styl_utworu& s, double sekundy = 0);
