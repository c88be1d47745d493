#pragma once
// Short MP3 files made by the sound tests themselves, encoded as the game's own tracks are:
// 44.1 kHz stereo, with the encoder's delay and padding written into the first frame.
#include <lame/lame.h>
#include <mpg123.h>

#include <cmath>
#include <string>
#include <vector>

// A stereo sound that never repeats within the file: two tones gliding apart and a slow
// swell, so any stretch of it can be found again in a recording.
inline std::string zakoduj_mp3(double sekundy, int kbps = 128) {
  lame_global_flags* l = lame_init();
  lame_set_in_samplerate(l, 44100);
  lame_set_out_samplerate(l, 44100);
  lame_set_brate(l, kbps);
  lame_init_params(l);
  const int n = int(sekundy * 44100);
  std::vector<short> lewy(n), prawy(n);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / 44100, obwiednia = 0.6 + 0.4 * std::sin(2 * M_PI * 1.7 * t);
    lewy[i] = short(9000 * obwiednia * std::sin(2 * M_PI * (300 * t + 250 * t * t / sekundy)));
    prawy[i] = short(9000 * obwiednia * std::sin(2 * M_PI * (700 * t - 150 * t * t / sekundy)));
  }
  std::vector<unsigned char> w(n + n / 4 + 7200 + 16384);
  const int a = lame_encode_buffer(l, lewy.data(), prawy.data(), n, w.data(), int(w.size()));
  w.resize(std::size_t(a + lame_encode_flush(l, w.data() + a, int(w.size()) - a)));
  lame_get_lametag_frame(l, w.data(), w.size());  // the delay and padding, over the first frame
  lame_close(l);
  return std::string(reinterpret_cast<char*>(w.data()), w.size());
}

// The whole file decoded without the encoder's delay and padding, interleaved (empty if broken).
inline std::vector<short> zdekoduj_calosc(const std::string& sciezka) {
  std::vector<short> wynik;
  mpg123_init();
  mpg123_handle* d = mpg123_new(nullptr, nullptr);
  mpg123_param(d, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
  if (d && mpg123_open(d, sciezka.c_str()) == MPG123_OK) {
    short bufor[8192];
    size_t ile = 0;
    for (int r = MPG123_OK; r == MPG123_OK || r == MPG123_NEW_FORMAT;) {
      r = mpg123_read(d, reinterpret_cast<unsigned char*>(bufor), sizeof bufor, &ile);
      wynik.insert(wynik.end(), bufor, bufor + ile / 2);
    }
    mpg123_close(d);
  }
  mpg123_delete(d);
  return wynik;
}
