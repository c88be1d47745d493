#include "almp3.h"

#include <allegro.h>
#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "grafika.h"

struct ALMP3_MP3STREAM {
  mpg123_handle* dekoder = nullptr;
  AUDIOSTREAM* glos = nullptr;
  unsigned char wejscie[ALMP3_BLOK];
  bool wejscie_wydane = false;
  bool koniec_wejscia = false;
  bool potrzebuje_danych = false;
  bool dekoder_pusty = false;  // the decoder has used up everything fed so far
  bool gra = false;
  bool skonczona = false;
  bool do_zgloszenia = false;  // the end was reached; the next poll reports it
  int czestotliwosc = 44100;
  int kanaly = 2;
  int dlugosc_bufora = 0;  // sample frames per audio-stream buffer; the mixer holds two
  int glosnosc = 255, panorama = 128;
  long zdekodowane = 0;
  long ostatni_czas = 0;
  std::vector<short> zapas;  // decoded samples not yet handed out
  std::size_t zapas_pozycja = 0;
  // Samples that go to the output before anything decoded: the last samples of the track
  // this one follows, or this track's own last ones when they fill less than a buffer.
  std::vector<short> ogon;
};

namespace {

// Decoded sound kept ready ahead of the output, in sample frames: the next block of input
// is asked for as soon as the decoder cannot keep this much ready.
const std::size_t ZAPAS_RAMEK = 44100;

// The output of a track that has ended and been stopped, with its last samples not yet
// played. The next track started in the same format goes on in it right after them, so a
// loop has no gap; otherwise it plays them out and stops.
struct odlozone_wyjscie {
  AUDIOSTREAM* glos = nullptr;
  int czestotliwosc = 0, kanaly = 0, dlugosc_bufora = 0;
  std::vector<short> ogon;
  int bufory_ciszy = 0;
};
odlozone_wyjscie odlozone;

bool czy_jest_dzwiek() { return digi_driver && digi_driver->id != DIGI_NONE; }

void inicjalizuj_dekoder() {
  static bool gotowe = false;
  if (!gotowe) {
    mpg123_init();
    gotowe = true;
  }
}

std::size_t w_zapasie(const ALMP3_MP3STREAM* s) { return s->zapas.size() - s->zapas_pozycja; }

// Decodes what the fed data allows into the stream's reserve; false when no more comes
// without another block.
bool dekoduj_wiecej(ALMP3_MP3STREAM* s) {
  if (s->dekoder_pusty) return false;
  unsigned char wyjscie[16384];
  size_t ile = 0;
  int r = mpg123_read(s->dekoder, wyjscie, sizeof wyjscie, &ile);
  if (ile > 0) {
    if (s->zapas_pozycja > 0 && s->zapas_pozycja * 2 >= s->zapas.size()) {
      s->zapas.erase(s->zapas.begin(), s->zapas.begin() + long(s->zapas_pozycja));
      s->zapas_pozycja = 0;
    }
    const short* p = reinterpret_cast<const short*>(wyjscie);
    s->zapas.insert(s->zapas.end(), p, p + ile / 2);
  }
  if (r == MPG123_NEED_MORE || r == MPG123_DONE || r == MPG123_ERR) {
    s->dekoder_pusty = true;
    s->potrzebuje_danych = !s->koniec_wejscia;
    return false;
  }
  return true;
}

// Keeps the reserve full while the fed data lasts.
void dopelnij_zapas(ALMP3_MP3STREAM* s) {
  while (w_zapasie(s) < ZAPAS_RAMEK * std::size_t(s->kanaly) && dekoduj_wiecej(s)) {
  }
}

// Takes up to n sample frames out of the decoder; fewer only when the data runs out.
std::size_t pobierz_probki(ALMP3_MP3STREAM* s, short* cel, std::size_t ramki) {
  std::size_t potrzeba = ramki * s->kanaly, dane = 0;
  while (dane < potrzeba) {
    if (w_zapasie(s) == 0) dekoduj_wiecej(s);
    if (w_zapasie(s) == 0) break;
    std::size_t n = std::min(w_zapasie(s), potrzeba - dane);
    if (cel) std::memcpy(cel + dane, s->zapas.data() + s->zapas_pozycja, n * sizeof(short));
    s->zapas_pozycja += n;
    dane += n;
  }
  std::size_t pelne = dane / s->kanaly;
  s->zdekodowane += long(pelne);
  return pelne;
}

// Every sample of the file has been decoded.
bool czy_dekoder_wyczerpany(const ALMP3_MP3STREAM* s) { return s->koniec_wejscia && s->dekoder_pusty; }

void zakoncz(ALMP3_MP3STREAM* s) {
  s->skonczona = true;
  s->do_zgloszenia = true;
}

// One output buffer: the waiting samples of ogon first, then what dalej writes (it gets
// the place and the frames left, returns the frames written), silence after that.
template <typename F>
bool wypelnij_bufor(AUDIOSTREAM* glos, int ramki, int kanaly, std::vector<short>& ogon, F dalej) {
  unsigned short* bufor = static_cast<unsigned short*>(get_audio_stream_buffer(glos));
  if (!bufor) return false;
  short* probki = reinterpret_cast<short*>(bufor);
  const std::size_t wszystkie = std::size_t(ramki) * kanaly;
  std::size_t n = std::min(ogon.size(), wszystkie);
  std::copy(ogon.begin(), ogon.begin() + long(n), probki);
  ogon.erase(ogon.begin(), ogon.begin() + long(n));
  n += dalej(probki + n, (wszystkie - n) / kanaly) * kanaly;
  // What is missing is silence, never what the buffer held before.
  std::fill(probki + n, probki + wszystkie, short(0));
  for (std::size_t i = 0; i < wszystkie; ++i) bufor[i] ^= 0x8000;
  free_audio_stream_buffer(glos);
  return true;
}

// Feeds an ended output its last samples and silence after them; stops it once they have
// been played (the third buffer handed out means the mixer has left the one holding them).
void wygas_odlozone() {
  while (odlozone.glos && odlozone.bufory_ciszy < 3) {
    if (!wypelnij_bufor(odlozone.glos, odlozone.dlugosc_bufora, odlozone.kanaly, odlozone.ogon,
                        [](short*, std::size_t) { return std::size_t(0); }))
      return;
    ++odlozone.bufory_ciszy;
  }
  if (odlozone.glos) stop_audio_stream(odlozone.glos);
  odlozone = odlozone_wyjscie();
}

// Hands every output buffer the mixer has free the next samples. When the track's last
// samples would fill less than a buffer, they wait in ogon and the track has ended: the
// next track goes on right after them in the same buffer (or, if the ended track is polled
// again, silence does).
void wypelnij_wyjscie(ALMP3_MP3STREAM* s) {
  const std::size_t ramki = std::size_t(s->dlugosc_bufora), k = std::size_t(s->kanaly);
  for (;;) {
    if (!s->skonczona) {
      dopelnij_zapas(s);
      if (czy_dekoder_wyczerpany(s) && s->ogon.size() + w_zapasie(s) < ramki * k) {
        const std::size_t n = w_zapasie(s);
        s->ogon.insert(s->ogon.end(), s->zapas.begin() + long(s->zapas_pozycja), s->zapas.end());
        s->zapas_pozycja += n;
        s->zdekodowane += long(n / k);
        zakoncz(s);
        return;
      }
    }
    if (!wypelnij_bufor(s->glos, s->dlugosc_bufora, s->kanaly, s->ogon,
                        [s](short* cel, std::size_t ramki_wolne) {
                          return s->skonczona ? 0 : pobierz_probki(s, cel, ramki_wolne);
                        }))
      return;
  }
}

}  // namespace

ALMP3_MP3STREAM* almp3_create_mp3stream(const void* dane, int dlugosc, int ostatni) {
  if (!dane || dlugosc <= 0) return nullptr;
  inicjalizuj_dekoder();
  ALMP3_MP3STREAM* s = new ALMP3_MP3STREAM;
  s->dekoder = mpg123_new(nullptr, nullptr);
  if (!s->dekoder || mpg123_param(s->dekoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0) !=
                          MPG123_OK) {
    almp3_destroy_mp3stream(s);
    return nullptr;
  }
  mpg123_format_none(s->dekoder);
  for (long czest : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
    mpg123_format(s->dekoder, czest, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_open_feed(s->dekoder) != MPG123_OK ||
      mpg123_feed(s->dekoder, static_cast<const unsigned char*>(dane), size_t(dlugosc)) !=
          MPG123_OK) {
    almp3_destroy_mp3stream(s);
    return nullptr;
  }
  s->koniec_wejscia = ostatni != 0;
  // The first block must reveal the format; otherwise this is no MP3 at all.
  long czest = 0;
  int kanaly = 0, kod = 0;
  size_t ile = 0;
  unsigned char probny[1];
  int r = mpg123_read(s->dekoder, probny, 0, &ile);
  while (r == MPG123_OK) r = mpg123_read(s->dekoder, probny, 0, &ile);
  if (r != MPG123_NEW_FORMAT || mpg123_getformat(s->dekoder, &czest, &kanaly, &kod) != MPG123_OK ||
      kanaly < 1 || kanaly > 2) {
    almp3_destroy_mp3stream(s);
    return nullptr;
  }
  s->czestotliwosc = int(czest);
  s->kanaly = kanaly;
  return s;
}

void almp3_destroy_mp3stream(ALMP3_MP3STREAM* s) {
  if (!s) return;
  almp3_stop_mp3stream(s);
  if (s->dekoder) mpg123_delete(s->dekoder);
  s->dekoder = nullptr;
  delete s;
}

int almp3_play_mp3stream(ALMP3_MP3STREAM* s, int bufor, int glosnosc, int panorama) {
  if (!s) return -1;
  s->glosnosc = glosnosc;
  s->panorama = panorama;
  s->dlugosc_bufora = std::max(1024, bufor / (2 * s->kanaly));
  s->ostatni_czas = zegar_scienny_ms();
  if (s->gra) {
    if (s->glos) voice_set_volume(s->glos->voice, glosnosc);
    return 0;
  }
  s->gra = true;
  if (!czy_jest_dzwiek()) return 0;
  if (odlozone.glos && odlozone.czestotliwosc == s->czestotliwosc &&
      odlozone.kanaly == s->kanaly && odlozone.dlugosc_bufora == s->dlugosc_bufora &&
      !s->skonczona && s->ogon.empty()) {
    // Goes on in the output of the track that has just ended, right after its last sample.
    s->glos = odlozone.glos;
    s->ogon.swap(odlozone.ogon);
    odlozone = odlozone_wyjscie();
    voice_set_volume(s->glos->voice, glosnosc);
    voice_set_pan(s->glos->voice, panorama);
  } else {
    wygas_odlozone();
    s->glos = play_audio_stream(s->dlugosc_bufora, 16, s->kanaly == 2, s->czestotliwosc, glosnosc,
                                panorama);
  }
  // The output starts with music, not with a buffer of silence.
  if (s->glos) wypelnij_wyjscie(s);
  return 0;
}

void almp3_stop_mp3stream(ALMP3_MP3STREAM* s) {
  if (!s) return;
  if (s->glos && s->skonczona) {
    // The last samples are still to be heard: the output waits for the next track.
    wygas_odlozone();
    odlozone.glos = s->glos;
    odlozone.czestotliwosc = s->czestotliwosc;
    odlozone.kanaly = s->kanaly;
    odlozone.dlugosc_bufora = s->dlugosc_bufora;
    odlozone.ogon.swap(s->ogon);
  } else if (s->glos) {
    stop_audio_stream(s->glos);
  }
  s->glos = nullptr;
  s->ogon.clear();
  s->gra = false;
}

int almp3_poll_mp3stream(ALMP3_MP3STREAM* s) {
  if (!s || !s->gra) return -1;
  wygas_odlozone();
  if (s->glos) {
    wypelnij_wyjscie(s);
  } else if (!s->skonczona) {
    // Silent sink: take what the time since the last poll would have played.
    long teraz = zegar_scienny_ms();
    long ramki = (teraz - s->ostatni_czas) * s->czestotliwosc / 1000;
    if (ramki > 0) {
      s->ostatni_czas = teraz;
      ramki = std::min<long>(ramki, s->dlugosc_bufora);
      if (pobierz_probki(s, nullptr, std::size_t(ramki)) < std::size_t(ramki) &&
          czy_dekoder_wyczerpany(s))
        zakoncz(s);
    }
  }
  if (!s->do_zgloszenia) return 0;
  s->do_zgloszenia = false;
  return 1;
}

void* almp3_get_mp3stream_buffer(ALMP3_MP3STREAM* s) {
  if (!s || s->koniec_wejscia || s->wejscie_wydane) return nullptr;
  // The next block is asked for while decoded sound is still in reserve.
  dopelnij_zapas(s);
  if (!s->potrzebuje_danych) return nullptr;
  s->wejscie_wydane = true;
  return s->wejscie;
}

void almp3_free_mp3stream_buffer(ALMP3_MP3STREAM* s, int bajty) {
  if (!s || !s->wejscie_wydane) return;
  s->wejscie_wydane = false;
  s->potrzebuje_danych = false;
  int n = bajty < 0 ? ALMP3_BLOK : std::min(bajty, ALMP3_BLOK);
  if (n > 0 && mpg123_feed(s->dekoder, s->wejscie, size_t(n)) == MPG123_OK) s->dekoder_pusty = false;
  if (bajty >= 0) s->koniec_wejscia = true;
}

void almp3_przewin(ALMP3_MP3STREAM* s, long probki) {
  if (!s || !s->gra || s->glos || s->skonczona || probki <= 0) return;
  std::size_t mamy = pobierz_probki(s, nullptr, std::size_t(probki));
  if (mamy < std::size_t(probki) && czy_dekoder_wyczerpany(s)) zakoncz(s);
}

long almp3_pobierz_zdekodowane(const ALMP3_MP3STREAM* s) { return s ? s->zdekodowane : 0; }
int almp3_pobierz_czestotliwosc(const ALMP3_MP3STREAM* s) { return s ? s->czestotliwosc : 0; }
int almp3_pobierz_kanaly(const ALMP3_MP3STREAM* s) { return s ? s->kanaly : 0; }
bool almp3_czy_gra(const ALMP3_MP3STREAM* s) { return s && s->gra; }
bool almp3_czy_ma_glos(const ALMP3_MP3STREAM* s) { return s && s->glos; }
