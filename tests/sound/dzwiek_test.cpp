// Tracks fed block by block into the silent sink as the game feeds them; broken files; playlists.
#include <gtest/gtest.h>

#include "almp3.h"
#include "mp3_testowe.h"
#include "muzyka.h"
#include "odglosy.h"
#include "playlista.h"
#include "srodowisko.h"

namespace {

struct utwor_testowy : muzyka {
  using muzyka::muzyka;
  ALMP3_MP3STREAM* s() const { return strumien; }
};

// Plays the track to its end through the per-frame feed, which then starts it over: its frames.
long odtworz_raz(utwor_testowy& u) {
  for (int krok = 0; krok < 100000; ++krok) {
    const long przed = almp3_pobierz_zdekodowane(u.s());
    almp3_przewin(u.s(), 4096);
    if (almp3_pobierz_zdekodowane(u.s()) > przed) continue;
    u.odtwarzaj();
    if (almp3_pobierz_zdekodowane(u.s()) < przed) return przed;
  }
  return -1;
}

std::string plik(const std::string& nazwa, const std::string& dane) {  // in a fresh folder
  static const std::string katalog = (przygotuj_allegro(), katalog_tymczasowy());
  zapisz_plik(katalog + "/" + nazwa, dane);
  return katalog + "/" + nazwa;
}

// A file shorter than an input block, and one ending on a block boundary (65536 bytes at 64
// kbit/s: 8.192 s): a stop keeps the place, every sample is heard, then the track starts over.
TEST(Dzwiek, UtworGraCalyIZaczynaOdNowa) {
  const struct { std::string dane; double sekundy, tolerancja; } PLIKI[] = {
      {zakoduj_mp3(1.0), 1.0, 0.0},
      {zakoduj_mp3(10.0, 64).substr(0, 2 * ALMP3_BLOK), 2 * ALMP3_BLOK / 8000.0, 0.1}};
  for (const auto& p : PLIKI) {
    const std::string nazwa = plik("utwor.mp3", p.dane);  // the track keeps the pointer
    utwor_testowy u(nazwa.c_str());
    u.przygotuj();
    almp3_przewin(u.s(), 20000);
    u.zatrzymaj();
    almp3_przewin(u.s(), 20000);  // stopped: nothing moves
    EXPECT_EQ(almp3_pobierz_zdekodowane(u.s()), 20000);
    u.przygotuj();
    u.przygotuj();  // starting a playing track again keeps it going
    EXPECT_NEAR(odtworz_raz(u) / 44100.0, p.sekundy, p.tolerancja) << p.dane.size() << " bytes";
    EXPECT_TRUE(u.czy_otwarty() && almp3_czy_gra(u.s())) << "the track starts over";
  }
}

TEST(Dzwiek, BrakujacePusteIZepsutePlikiDajaCisze) {
  const std::string smieci(50000, 'Z');  // neither MP3 frames nor a WAV header
  for (const std::string& nazwa : {plik("pusty.mp3", ""), plik("smieci.mp3", smieci),
                                   plik("smieci.wav", smieci), plik("brak/w_brakujacym.mp3", "")}) {
    utwor_testowy u(nazwa.c_str());
    EXPECT_FALSE(u.czy_otwarty()) << nazwa;
    u.przygotuj();
    u.odtwarzaj();
    u.zamknij();  // and once more when it goes
    odglosy o(nazwa.c_str());
    EXPECT_FALSE(o.czy_wczytany()) << nazwa;
    o.odtwarzaj();
  }
}

TEST(Dzwiek, PlaylistaIdzieNaprzodIZostajeNaOstatnimUtworze) {
  playlista lista("a.mp3");
  for (const char* t : {"b.mp3", "c.mp3"}) lista.dodaj(t);
  playlista biezaca = lista;
  for (const char* t : {"a.mp3", "b.mp3", "c.mp3", "c.mp3"}) {
    EXPECT_STREQ(biezaca.pobierz_utwor()->podaj_tytul(), t);
    biezaca = biezaca.przeskocz();
  }
  lista.zwolnij();
}

}  // namespace
