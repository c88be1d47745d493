// MP3 tracks through the streaming layer into the silent sink: block feeding, the sample
// count, looping, stopping, broken files, the playlist and sound effects.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "almp3.h"
#include "mp3_testowe.h"
#include "muzyka.h"
#include "odglosy.h"
#include "playlista.h"
#include "srodowisko.h"

namespace {

class utwor_testowy : public muzyka {
 public:
  using muzyka::muzyka;
  ALMP3_MP3STREAM* pobierz_strumien() const { return strumien; }
};

// Decodes the track to its end and returns its sample frames; the per-frame feed (which
// also takes a little by the clock) then starts it over.
long odtworz_raz(utwor_testowy& u) {
  for (int krok = 0; krok < 100000; ++krok) {
    long przed;
    do {
      przed = almp3_pobierz_zdekodowane(u.pobierz_strumien());
      almp3_przewin(u.pobierz_strumien(), 4096);
    } while (almp3_pobierz_zdekodowane(u.pobierz_strumien()) > przed);
    u.odtwarzaj();
    if (almp3_pobierz_zdekodowane(u.pobierz_strumien()) < przed) return przed;  // started over
  }
  return -1;
}

class Dzwiek : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    katalog = katalog_tymczasowy();
  }
  std::string plik(const std::string& nazwa, const std::string& dane) {
    std::string s = katalog + "/" + nazwa;
    zapisz_plik(s, dane);
    return s;
  }
  std::string katalog;
};

TEST_F(Dzwiek, PlikKrotszyNizBlokGraCalyIZaczynaOdNowa) {
  std::string mp3 = zakoduj_mp3(1.0);
  ASSERT_LT(mp3.size(), 32768u);
  const std::string nazwa = plik("krotki.mp3", mp3);  // the track keeps the pointer
  utwor_testowy u(nazwa.c_str());
  ASSERT_TRUE(u.czy_otwarty());
  EXPECT_EQ(almp3_pobierz_czestotliwosc(u.pobierz_strumien()), 44100);
  u.przygotuj();
  long probki = odtworz_raz(u);
  EXPECT_EQ(probki, 44100) << "the encoder's delay and padding are not heard";
  EXPECT_TRUE(u.czy_otwarty()) << "the track starts over";
  EXPECT_TRUE(almp3_czy_gra(u.pobierz_strumien()));
}

TEST_F(Dzwiek, PlikZWielokrotnosciBlokuKonczySiePustymBlokiem) {
  std::string mp3 = zakoduj_mp3(10.0, 64).substr(0, 2 * 32768);
  const std::string nazwa = plik("dwa_bloki.mp3", mp3);
  utwor_testowy u(nazwa.c_str());
  ASSERT_TRUE(u.czy_otwarty());
  u.przygotuj();
  long probki = odtworz_raz(u);
  // 65536 bytes at 64 kbit/s hold a little over 8 s.
  EXPECT_NEAR(double(probki) / 44100.0, 65536.0 * 8 / 64000.0, 0.1);
}

TEST_F(Dzwiek, ZatrzymanieZachowujePozycje) {
  const std::string nazwa = plik("srodek.mp3", zakoduj_mp3(3.0));
  utwor_testowy u(nazwa.c_str());
  u.przygotuj();
  almp3_przewin(u.pobierz_strumien(), 20000);
  long przed = almp3_pobierz_zdekodowane(u.pobierz_strumien());
  u.zatrzymaj();
  EXPECT_FALSE(almp3_czy_gra(u.pobierz_strumien()));
  almp3_przewin(u.pobierz_strumien(), 20000);  // stopped: nothing moves
  EXPECT_EQ(almp3_pobierz_zdekodowane(u.pobierz_strumien()), przed);
  u.przygotuj();
  u.przygotuj();  // starting a playing track again keeps it going
  almp3_przewin(u.pobierz_strumien(), 10000);
  EXPECT_EQ(almp3_pobierz_zdekodowane(u.pobierz_strumien()), przed + 10000);
}

TEST_F(Dzwiek, BrakujacePusteIZepsutePlikiDajaCisze) {
  std::string smieci(50000, '\0');
  for (std::size_t i = 0; i < smieci.size(); ++i) smieci[i] = char((i * 7919) % 251);
  for (std::string nazwa : {plik("pusty.mp3", ""), plik("smieci.mp3", smieci),
                            katalog + "/brak.mp3"}) {
    utwor_testowy u(nazwa.c_str());
    EXPECT_FALSE(u.czy_otwarty()) << nazwa;
    u.przygotuj();
    EXPECT_EQ(u.odtwarzaj(), 1);
    u.zatrzymaj();
    u.zamknij();
    u.zamknij();  // closing twice is harmless
  }
  odglosy brak((katalog + "/brak.wav").c_str());
  EXPECT_FALSE(brak.czy_wczytany());
  EXPECT_EQ(brak.odtwarzaj(), 1);
  const std::string wav = plik("smieci.wav", smieci);
  odglosy smiec(wav.c_str());
  EXPECT_FALSE(smiec.czy_wczytany());
}

TEST_F(Dzwiek, PlaylistaIdzieNaprzodIZostajeNaOstatnimUtworze) {
  playlista lista("a.mp3");
  lista.dodaj("b.mp3");
  lista.dodaj("c.mp3");
  playlista biezaca = lista;
  EXPECT_STREQ(biezaca.pobierz_utwor()->podaj_tytul(), "a.mp3");
  const char* kolejne[] = {"b.mp3", "c.mp3", "c.mp3", "c.mp3"};
  for (const char* t : kolejne) {
    biezaca = biezaca.przeskocz();
    EXPECT_STREQ(biezaca.pobierz_utwor()->podaj_tytul(), t);
  }
  playlista jeden("x.mp3");
  EXPECT_EQ(jeden.przeskocz().pobierz_utwor(), jeden.pobierz_utwor());
  jeden.zwolnij();
  lista.zwolnij();
  EXPECT_EQ(lista.pobierz_utwor(), nullptr);
}

}  // namespace
