// The shipped music and effects: every track decodes through the game's streaming layer to
// exactly the length it was composed to (so its loop has no gap), lasts one to two minutes
// at a full bit rate; the effects load; the composer reproduces the committed files.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "almp3.h"
#include "muzyka_kompozycja.h"
#include "srodowisko.h"

namespace {

// Sample frames of a whole file decoded block by block, as the game feeds it.
long zdekoduj(const std::string& dane) {
  ALMP3_MP3STREAM* s = almp3_create_mp3stream(dane.data(), ALMP3_BLOK, 0);
  if (!s || almp3_pobierz_czestotliwosc(s) != 44100 || almp3_pobierz_kanaly(s) != 2) return -1;
  almp3_play_mp3stream(s, 65536, 255, 128);
  std::size_t pozycja = ALMP3_BLOK;
  for (int krok = 0; krok < 100000 && almp3_poll_mp3stream(s) != 1; ++krok) {
    if (void* b = almp3_get_mp3stream_buffer(s)) {
      std::size_t n = std::min<std::size_t>(ALMP3_BLOK, dane.size() - pozycja);
      std::memcpy(b, dane.data() + pozycja, n);
      pozycja += n;
      almp3_free_mp3stream_buffer(s, n < std::size_t(ALMP3_BLOK) ? int(n) : -1);
    }
    almp3_przewin(s, 44100);
  }
  long ramki = almp3_pobierz_zdekodowane(s);
  almp3_destroy_mp3stream(s);
  return ramki;
}

// The bit rate in kbit/s of the MPEG-1 layer III frame at the start of the data.
int kbps_ramki(const std::string& d) {
  static const int KBPS[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
  if (d.size() < 4 || (unsigned char)d[0] != 0xFF || ((unsigned char)d[1] & 0xFE) != 0xFA) return 0;
  return KBPS[(unsigned char)d[2] >> 4];
}

TEST(MuzykaPliki, KazdyUtworMaSwojaDlugoscOdMinutyDoDwoch) {
  przygotuj_allegro();
  for (const utwor_gry& u : utwory_gry()) {
    std::string dane = wczytaj_plik(std::string("Pliki_danych/muzyka/") + u.plik);
    ASSERT_GT(dane.size(), 32768u) << u.plik;
    EXPECT_EQ(zdekoduj(dane), dlugosc_utworu(u.styl)) << u.plik;
    const double sekundy = dlugosc_utworu(u.styl) / 44100.0;
    EXPECT_GE(sekundy, 60.0) << u.plik;
    EXPECT_LE(sekundy, 120.0) << u.plik;
    EXPECT_GE(kbps_ramki(dane), 112) << u.plik;
    EXPECT_NE(dane.find("Info"), std::string::npos) << u.plik << " has no delay and padding";
  }
}

TEST(MuzykaPliki, OdglosyZakupuSaKrotkimiProbkami) {
  przygotuj_allegro();
  for (const char* nazwa : {"Pliki_danych/odglosy/test.wav", "Pliki_danych/odglosy/test2.wav"}) {
    SAMPLE* p = load_wav(nazwa);
    ASSERT_NE(p, nullptr) << nazwa;
    EXPECT_EQ(p->bits, 16);
    EXPECT_LT(double(p->len) / p->freq, 1.5);
    destroy_sample(p);
  }
}

// Whole tracks take minutes to make: the first half second of three different ones, encoded
// on their own, must be the first frames of the committed files (after the first frame, which
// holds the whole file's delay and padding).
TEST(MuzykaPliki, KompozytorPiszeZapisaneUtwory) {
  const std::string k = katalog_tymczasowy();
  const std::string program = std::string(GRA_KATALOG_BUDOWY) + "/narzedzia/gen_muzyka";
  for (const char* plik : {"walka.mp3", "menu.mp3", "3.mp3"}) {
    ASSERT_EQ(std::system((program + " " + k + " --poczatek " + plik + " 0.5").c_str()), 0);
    const std::string poczatek = wczytaj_plik(k + "/" + plik);
    const std::string calosc = wczytaj_plik(std::string(GRA_KATALOG_ZRODEL "/Pliki_danych/muzyka/") + plik);
    ASSERT_GT(poczatek.size(), 4000u) << plik;
    EXPECT_TRUE(calosc.compare(1024, poczatek.size() - 1024, poczatek, 1024) == 0)
        << plik << " differs from the composer";
  }
}

}  // namespace
