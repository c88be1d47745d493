// The shipped music and effects: every track decodes through the game's streaming layer at
// 44.1 kHz and lasts 30 to 90 seconds; the effects load; the composer is reproducible.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "almp3.h"
#include "srodowisko.h"

namespace {

const char* const UTWORY[] = {"walka", "walka_2", "menu", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

TEST(MuzykaPliki, EveryTrackDecodesAtFullRateForHalfAMinuteOrMore) {
  przygotuj_allegro();
  for (const char* nazwa : UTWORY) {
    std::string dane = wczytaj_plik(std::string("Pliki_danych/muzyka/") + nazwa + ".mp3");
    ASSERT_GT(dane.size(), 32768u) << nazwa;
    ALMP3_MP3STREAM* s = almp3_create_mp3stream(dane.data(), ALMP3_BLOK, 0);
    ASSERT_NE(s, nullptr) << nazwa;
    EXPECT_EQ(almp3_pobierz_czestotliwosc(s), 44100) << nazwa;
    EXPECT_EQ(almp3_pobierz_kanaly(s), 2) << nazwa;
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
    double sekundy = almp3_pobierz_zdekodowane(s) / 44100.0;
    EXPECT_GE(sekundy, 30.0) << nazwa;
    EXPECT_LE(sekundy, 90.0) << nazwa;
    almp3_destroy_mp3stream(s);
  }
}

TEST(MuzykaPliki, PurchaseSoundsLoadAsShortSamples) {
  przygotuj_allegro();
  for (const char* nazwa : {"Pliki_danych/odglosy/test.wav", "Pliki_danych/odglosy/test2.wav"}) {
    SAMPLE* p = load_wav(nazwa);
    ASSERT_NE(p, nullptr) << nazwa;
    EXPECT_EQ(p->bits, 16);
    EXPECT_LT(double(p->len) / p->freq, 1.5);
    destroy_sample(p);
  }
}

TEST(MuzykaPliki, TheComposerWritesTheSameBytesEveryTime) {
  std::string k = katalog_tymczasowy();
  std::string program = std::string(GRA_KATALOG_BUDOWY) + "/narzedzia/gen_muzyka";
  for (const char* podfolder : {"/a", "/b"}) {
    std::string polecenie = program + " " + k + podfolder + " --probka";
    ASSERT_EQ(std::system(polecenie.c_str()), 0);
  }
  std::string a = wczytaj_plik(k + "/a/probka.mp3");
  EXPECT_GT(a.size(), 1000u);
  EXPECT_EQ(a, wczytaj_plik(k + "/b/probka.mp3"));
}

}  // namespace
