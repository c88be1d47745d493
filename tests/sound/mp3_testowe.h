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
  lame_set_num_channels(l, 2);
  lame_set_brate(l, kbps);
  lame_init_params(l);
  const int n = int(sekundy * 44100);
  std::vector<short> lewy(n), prawy(n);
  double fa = 0, fb = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / n;
    fa += 2 * M_PI * (300 + 500 * t) / 44100;
    fb += 2 * M_PI * (700 - 300 * t) / 44100;
    double obwiednia = 0.6 + 0.4 * std::sin(2 * M_PI * 1.7 * i / 44100.0);
    lewy[i] = short(9000 * obwiednia * std::sin(fa));
    prawy[i] = short(9000 * obwiednia * std::sin(fb));
  }
  std::vector<unsigned char> wyjscie(n + n / 4 + 7200 + 16384);
  int a = lame_encode_buffer(l, lewy.data(), prawy.data(), n, wyjscie.data(), int(wyjscie.size()));
  int b = lame_encode_flush(l, wyjscie.data() + a, int(wyjscie.size()) - a);
  wyjscie.resize(std::size_t(a + b));
  lame_get_lametag_frame(l, wyjscie.data(), wyjscie.size());
  lame_close(l);
  return std::string(reinterpret_cast<char*>(wyjscie.data()), wyjscie.size());
}

// The whole file decoded at once, interleaved stereo (empty when it does not decode).
inline std::vector<short> zdekoduj_calosc(const std::string& sciezka) {
  std::vector<short> wynik;
  mpg123_init();
  mpg123_handle* d = mpg123_new(nullptr, nullptr);
  mpg123_param(d, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
  if (d && mpg123_open(d, sciezka.c_str()) == MPG123_OK) {
    unsigned char bufor[16384];
    size_t ile = 0;
    int r;
    while ((r = mpg123_read(d, bufor, sizeof bufor, &ile)) == MPG123_OK || r == MPG123_NEW_FORMAT ||
           ile > 0) {
      const short* p = reinterpret_cast<const short*>(bufor);
      wynik.insert(wynik.end(), p, p + ile / 2);
      if (r == MPG123_DONE) break;
    }
    mpg123_close(d);
  }
  mpg123_delete(d);
  return wynik;
}
