#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A small procedural composer and synthesiser for the game's music and effects.

// A stereo buffer of float samples at 44.1 kHz.
struct nagranie {
  static const int CZESTOTLIWOSC = 44100;
  std::vector<float> lewy, prawy;
  explicit nagranie(double sekundy = 0);
  int dlugosc() const { return int(lewy.size()); }
  // Adds a mono sound at a time and stereo position (-1 left .. 1 right).
  void dodaj(const std::vector<float>& dzwiek, double czas, float glosnosc, float panorama);
  // Scales to the given peak level (below 1.0) with a soft limiter.
  void normalizuj(float szczyt);
};

// The mood and make-up of one piece.
struct styl_utworu {
  const char* nazwa;
  std::uint32_t ziarno;
  double tempo;          // beats per minute
  int tonika;            // MIDI note of the key's root
  bool moll;             // minor mode
  int takty;             // bars in the loop (4 beats each)
  const int* akordy;     // scale degrees (0..6) of the chords, one per two bars, 4 values
  int perkusja;          // 0 none, 1 soft, 2 march, 3 driving battle
  int prowadzacy;        // 0 flute, 1 brass, 2 plucked strings
  bool arpeggio;         // plucked broken chords under the melody
  float poglos;          // echo amount 0..1
};

// Renders a piece that loops seamlessly: the end flows into its start.
nagranie komponuj(const styl_utworu& s);

// Encodes to MP3 (44.1 kHz stereo CBR); empty on failure.
std::vector<unsigned char> koduj_mp3(const nagranie& n, int kbps);
// 16-bit PCM WAV of the left channel (mono).
std::vector<unsigned char> koduj_wav(const nagranie& n);

// The two purchase sounds.
nagranie dzwiek_monet();
nagranie dzwiek_fanfary();
