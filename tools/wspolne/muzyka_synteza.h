#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A small synthesiser for the game's music and effects: instruments that play one note
// each, a stereo buffer to mix them in, and the MP3 and WAV writers.

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

enum class instrument {
  flet, mosiadz, struna, plama, smyczek, bas, dzwon, kociol, stopa, werbel, talerz, talerz_otwarty
};

// One note of a score.
struct zdarzenie {
  long start;             // sample frame from the piece's start
  double czas;            // seconds the note is held
  instrument co;
  double czestotliwosc;   // Hz (ignored by the drums)
  float glosnosc, panorama;
  std::uint32_t ziarno;   // for the instruments with noise or plucked strings
};

// The note as a mono sound, its release included, and that sound's length in sample frames.
std::vector<float> zagraj(const zdarzenie& z);
long dlugosc_dzwieku(const zdarzenie& z);

// Encodes to MP3 (44.1 kHz joint-stereo CBR, low-pass at 17 kHz) with the encoder's delay and
// padding written into the first frame, so a decoder gives back exactly the samples given.
// Empty on failure.
std::vector<unsigned char> koduj_mp3(const nagranie& n, int kbps);
// The same encoding cut off after the frames made from n alone, without the first frame's
// details and without the last frames: the first bytes of koduj_mp3 of any longer piece that
// starts with n, from the second frame on.
std::vector<unsigned char> koduj_mp3_poczatek(const nagranie& n, int kbps);
// 16-bit PCM WAV of the left channel (mono).
std::vector<unsigned char> koduj_wav(const nagranie& n);

// The two purchase sounds.
nagranie dzwiek_monet();
nagranie dzwiek_fanfary();
