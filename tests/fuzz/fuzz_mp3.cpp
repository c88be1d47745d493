// Any bytes as an MP3 file through the streaming layer: opening, feeding block by block,
// decoding into the silent sink, stopping, restarting and closing.
#include <algorithm>
#include <cstring>

#include "almp3.h"
#include "wspolne_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
  przygotuj_biblioteke();
  if (rozmiar == 0) return 0;
  size_t pierwszy = std::min<size_t>(rozmiar, ALMP3_BLOK);
  ALMP3_MP3STREAM* s = almp3_create_mp3stream(dane, int(pierwszy), pierwszy < size_t(ALMP3_BLOK));
  if (!s) return 0;
  almp3_play_mp3stream(s, 65536, 255, 128);
  size_t pozycja = pierwszy;
  for (int krok = 0; krok < 64; ++krok) {
    if (void* b = almp3_get_mp3stream_buffer(s)) {
      size_t n = std::min<size_t>(ALMP3_BLOK, rozmiar - pozycja);
      std::memcpy(b, dane + pozycja, n);
      pozycja += n;
      almp3_free_mp3stream_buffer(s, n < size_t(ALMP3_BLOK) ? int(n) : -1);
    }
    almp3_przewin(s, 4096);
    if (almp3_poll_mp3stream(s) == 1) break;
    if (krok == 10) {
      almp3_stop_mp3stream(s);
      almp3_play_mp3stream(s, 65536, 200, 100);
    }
  }
  almp3_destroy_mp3stream(s);
  return 0;
}
