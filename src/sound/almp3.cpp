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
  bool gra = false;
  bool skonczona = false;
  bool do_zgloszenia = false;  // the end was reached; the next poll reports it
  int czestotliwosc = 44100;
  int kanaly = 2;
  int dlugosc_bufora = 0;  // sample frames per audio-stream buffer
  int glosnosc = 255, panorama = 128;
  long zdekodowane = 0;
  long ostatni_czas = 0;
  std::vector<short> zapas;  // decoded samples not yet handed out
  std::size_t zapas_pozycja = 0;
};

namespace {

bool czy_jest_dzwiek() { return digi_driver && digi_driver->id != DIGI_NONE; }

void inicjalizuj_dekoder() {
  static bool gotowe = false;
  if (!gotowe) {
    mpg123_init();
    gotowe = true;
  }
}

// Decodes what the fed data allows into the stream's reserve; false when no more comes
// without another block.
bool dekoduj_wiecej(ALMP3_MP3STREAM* s) {
  unsigned char wyjscie[16384];
  size_t ile = 0;
  int r = mpg123_read(s->dekoder, wyjscie, sizeof wyjscie, &ile);
  if (r == MPG123_NEW_FORMAT) {
    long czest;
    int kan, kod;
    mpg123_getformat(s->dekoder, &czest, &kan, &kod);
    return true;
  }
  if (ile > 0) {
    const short* p = reinterpret_cast<const short*>(wyjscie);
    s->zapas.insert(s->zapas.end(), p, p + ile / 2);
  }
  if (r == MPG123_NEED_MORE) {
    s->potrzebuje_danych = !s->koniec_wejscia;
    return false;
  }
  if (r == MPG123_DONE || r == MPG123_ERR) return false;
  return ile > 0 || r == MPG123_OK;
}

// Takes up to n sample frames out of the decoder; fewer only when the data runs out.
std::size_t pobierz_probki(ALMP3_MP3STREAM* s, short* cel, std::size_t ramki) {
  std::size_t potrzeba = ramki * s->kanaly, dane = 0;
  while (dane < potrzeba) {
    std::size_t dostepne = s->zapas.size() - s->zapas_pozycja;
    if (dostepne == 0) {
      s->zapas.clear();
      s->zapas_pozycja = 0;
      if (!dekoduj_wiecej(s) && s->zapas.empty()) break;
      continue;
    }
    std::size_t n = std::min(dostepne, potrzeba - dane);
    if (cel) std::memcpy(cel + dane, s->zapas.data() + s->zapas_pozycja, n * sizeof(short));
    s->zapas_pozycja += n;
    dane += n;
  }
  std::size_t pelne = dane / s->kanaly;
  s->zdekodowane += long(pelne);
  return pelne;
}

bool czy_wyczerpany(ALMP3_MP3STREAM* s) {
  return s->koniec_wejscia && s->zapas_pozycja >= s->zapas.size();
}

// The end of the data has been reached and all of it handed out.
int sprawdz_koniec(ALMP3_MP3STREAM* s, std::size_t otrzymane, std::size_t chciane) {
  if (otrzymane < chciane && czy_wyczerpany(s) && !s->skonczona) {
    s->skonczona = true;
    s->do_zgloszenia = true;
  }
  if (!s->do_zgloszenia) return 0;
  s->do_zgloszenia = false;
  return 1;
}

}  // namespace

ALMP3_MP3STREAM* almp3_create_mp3stream(const void* dane, int dlugosc, int ostatni) {
  if (!dane || dlugosc <= 0) return nullptr;
  inicjalizuj_dekoder();
  ALMP3_MP3STREAM* s = new ALMP3_MP3STREAM;
  s->dekoder = mpg123_new(nullptr, nullptr);
  if (!s->dekoder || mpg123_param(s->dekoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0) != MPG123_OK) {
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
  s->dlugosc_bufora = std::max(1024, bufor / (2 * s->kanaly) / 2);
  s->ostatni_czas = zegar_scienny_ms();
  if (s->gra) {
    if (s->glos) voice_set_volume(s->glos->voice, glosnosc);
    return 0;
  }
  s->gra = true;
  if (czy_jest_dzwiek())
    s->glos = play_audio_stream(s->dlugosc_bufora, 16, s->kanaly == 2, s->czestotliwosc, glosnosc,
                                panorama);
  return 0;
}

void almp3_stop_mp3stream(ALMP3_MP3STREAM* s) {
  if (!s) return;
  if (s->glos) stop_audio_stream(s->glos);
  s->glos = nullptr;
  s->gra = false;
}

int almp3_poll_mp3stream(ALMP3_MP3STREAM* s) {
  if (!s || !s->gra) return -1;
  if (s->do_zgloszenia) {
    s->do_zgloszenia = false;
    return 1;
  }
  if (s->skonczona) return 0;
  if (!s->glos) {
    // Silent sink: take what the time since the last poll would have played.
    long teraz = zegar_scienny_ms();
    long ramki = (teraz - s->ostatni_czas) * s->czestotliwosc / 1000;
    if (ramki <= 0) return 0;
    s->ostatni_czas = teraz;
    ramki = std::min<long>(ramki, s->dlugosc_bufora);
    return sprawdz_koniec(s, pobierz_probki(s, nullptr, std::size_t(ramki)), std::size_t(ramki));
  }
  unsigned short* bufor = static_cast<unsigned short*>(get_audio_stream_buffer(s->glos));
  if (!bufor) return 0;
  std::size_t ramki = std::size_t(s->dlugosc_bufora);
  short* probki = reinterpret_cast<short*>(bufor);
  std::size_t mamy = pobierz_probki(s, probki, ramki);
  // What the decoder could not give yet is silence, never what the buffer held before.
  std::size_t wszystkie = ramki * s->kanaly;
  for (std::size_t i = mamy * s->kanaly; i < wszystkie; ++i) probki[i] = 0;
  for (std::size_t i = 0; i < wszystkie; ++i) bufor[i] ^= 0x8000;
  free_audio_stream_buffer(s->glos);
  return sprawdz_koniec(s, mamy, ramki);
}

void* almp3_get_mp3stream_buffer(ALMP3_MP3STREAM* s) {
  if (!s || s->koniec_wejscia || s->wejscie_wydane) return nullptr;
  // Ask for more input only when the decoder has run dry.
  if (!s->potrzebuje_danych && s->zapas_pozycja >= s->zapas.size()) {
    s->zapas.clear();
    s->zapas_pozycja = 0;
    while (dekoduj_wiecej(s) && s->zapas.size() < 65536) {
    }
  }
  if (!s->potrzebuje_danych) return nullptr;
  s->wejscie_wydane = true;
  return s->wejscie;
}

void almp3_free_mp3stream_buffer(ALMP3_MP3STREAM* s, int bajty) {
  if (!s || !s->wejscie_wydane) return;
  s->wejscie_wydane = false;
  s->potrzebuje_danych = false;
  int n = bajty < 0 ? ALMP3_BLOK : std::min(bajty, ALMP3_BLOK);
  if (n > 0) mpg123_feed(s->dekoder, s->wejscie, size_t(n));
  if (bajty >= 0) s->koniec_wejscia = true;
}

void almp3_przewin(ALMP3_MP3STREAM* s, long probki) {
  if (!s || !s->gra || s->glos || s->skonczona || probki <= 0) return;
  std::size_t mamy = pobierz_probki(s, nullptr, std::size_t(probki));
  if (mamy < std::size_t(probki) && czy_wyczerpany(s)) {
    s->skonczona = true;
    s->do_zgloszenia = true;
  }
}

long almp3_pobierz_zdekodowane(const ALMP3_MP3STREAM* s) { return s ? s->zdekodowane : 0; }
int almp3_pobierz_czestotliwosc(const ALMP3_MP3STREAM* s) { return s ? s->czestotliwosc : 0; }
int almp3_pobierz_kanaly(const ALMP3_MP3STREAM* s) { return s ? s->kanaly : 0; }
bool almp3_czy_gra(const ALMP3_MP3STREAM* s) { return s && s->gra; }
bool almp3_czy_ma_glos(const ALMP3_MP3STREAM* s) { return s && s->glos; }
