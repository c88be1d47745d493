// What a player hears: the game's music on the library's real mixer, written by ALSA to a file
// (about 2.3 times faster than real time, so asking more of the feeding than a game), must be
// the decoded track with no dropout, click or silence, looping with nothing lost or added.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <thread>

#include "../mp3_testowe.h"
#include "muzyka.h"
#include "srodowisko.h"

namespace {

const long CZ = 44100, BLOK_10MS = CZ / 100;
using probki = std::vector<short>;  // interleaved stereo

struct karta_w_pliku {  // the library, started once with its real mixer writing into a file
  bool gotowa = false;
  std::string katalog = katalog_tymczasowy(), plik = katalog + "/wyjscie.raw";
  karta_w_pliku() {
    const std::string konfiguracja = katalog + "/asound.conf";
    zapisz_plik(konfiguracja, "pcm.!default { type file slave.pcm \"nul\" file \"" + plik +
                                  "\" format \"raw\" }\npcm.nul { type null }\n");
    setenv("ALSA_CONFIG_PATH", konfiguracja.c_str(), 1);
    // Passes timed as the game's must not also wait for a core: ahead of other work as root.
    if (setpriority(PRIO_PROCESS, 0, -10) != 0) errno = 0;
    if (chdir(GRA_KATALOG_ZRODEL) != 0 || allegro_init() != 0) return;
    install_timer();
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    gotowa = digi_driver && digi_driver->id != DIGI_NONE;
  }
  long rozmiar() const { return long(std::ifstream(plik, std::ios::ate).tellg()); }
};
karta_w_pliku& karta() { static karta_w_pliku k; return k; }

// Plays a track from its start as the game does, one feed per pass at that many passes a second
// of wall time, until the output holds that many seconds: that output (empty if it did not).
probki nagraj(const std::string& sciezka, int przebiegi, double sekundy) {
  muzyka m(sciezka.c_str());
  const long od = karta().rozmiar(), ramek = long(sekundy * CZ);
  m.przygotuj();
  auto nastepny = std::chrono::steady_clock::now();
  const auto limit = nastepny + std::chrono::seconds(int(sekundy) + 10);
  while (karta().rozmiar() < od + 4 * ramek && nastepny < limit) {
    m.odtwarzaj();
    nastepny += std::chrono::microseconds(1000000 / przebiegi);
    std::this_thread::sleep_until(nastepny);
  }
  const std::string dane = wczytaj_plik(karta().plik);
  probki w(dane.size() >= std::size_t(od + 4 * ramek) ? 2 * ramek : 0);
  for (std::size_t i = 0, j = std::size_t(od); i < w.size(); ++i, j += 2)
    w[i] = short(((unsigned char)dane[j] | (unsigned char)dane[j + 1] << 8) - 0x8000);
  return w;
}

// The frame of the recording where the track's frame od_wzorca plays, searched within
// zasieg of okolo by correlation over 4096 frames; -1 when it is not there.
long znajdz(const probki& nagranie, const probki& wzor, long od_wzorca, long okolo, long zasieg) {
  auto iloczyn = [](const short* a, const short* b) {
    return std::inner_product(a, a + 2 * 4096, b, 0.0);
  };
  const short* w = &wzor[2 * od_wzorca];
  const double e_wzoru = iloczyn(w, w);
  double najlepsza = 0.5;
  long gdzie = -1;
  for (long p = std::max(0L, okolo - zasieg); p <= okolo + zasieg; ++p) {
    if (2 * (p + 4096) > long(nagranie.size())) break;
    const double e = iloczyn(&nagranie[2 * p], &nagranie[2 * p]);
    const double r = e > 0 ? iloczyn(&nagranie[2 * p], w) / std::sqrt(e * e_wzoru) : 0;
    if (r > najlepsza) najlepsza = r, gdzie = p;
  }
  return gdzie;
}

// Checks the recording against the track played on a loop from its first sound on.
void sprawdz(const probki& nagranie, const probki& wzor, const std::string& co) {
  const long ramki = long(nagranie.size() / 2), dlugosc = long(wzor.size() / 2);
  long pierwsza = 0;  // the first sound, give or take the mixer's rounding of the quietest
  while (pierwsza < ramki && !nagranie[2 * pierwsza] && !nagranie[2 * pierwsza + 1]) ++pierwsza;
  const long start = znajdz(nagranie, wzor, CZ / 4, pierwsza + CZ / 4, 2048) - CZ / 4;
  ASSERT_GE(start, 0) << co << ": the track is not in the recording";
  // The seam: the second pass starts right after the last sample of the first.
  const long drugi = znajdz(nagranie, wzor, CZ / 4, start + dlugosc + CZ / 4, CZ / 10);
  EXPECT_EQ(drugi - CZ / 4, start + dlugosc) << co << ": the loop's seam";
  // Every 10 ms block (a dropout, a click or silence spoils one) is the track at its place in
  // the loop, at the gain the mixer gives each channel, fitted on the first two seconds.
  double g[2] = {0, 0}, moc_wzoru[2] = {0, 0};
  for (long i = 0; i < 2 * std::min(2 * CZ, dlugosc); ++i) {
    g[i % 2] += double(nagranie[2 * start + i]) * wzor[i];
    moc_wzoru[i % 2] += double(wzor[i]) * wzor[i];
  }
  int zle = 0;
  double pierwszy_zly = -1;
  for (long b = start; b + BLOK_10MS <= ramki; b += BLOK_10MS) {
    double blad = 0, moc = 0;
    for (long i = 2 * b; i < 2 * (b + BLOK_10MS); ++i) {
      const double e = g[i % 2] / moc_wzoru[i % 2] * wzor[(i - 2 * start) % (2 * dlugosc)];
      blad += (nagranie[i] - e) * (nagranie[i] - e);
      moc += e * e;
    }
    if (blad > 0.01 * moc + 4.0 * BLOK_10MS && zle++ == 0) pierwszy_zly = double(b - start) / CZ;
  }
  EXPECT_EQ(zle, 0) << co << ": blocks not the track's, the first at " << pierwszy_zly << " s";
}

class Przechwycenie : public ::testing::TestWithParam<int> {};

// A short track of several input blocks past two seams, at the slowest to fastest pass rates.
TEST_P(Przechwycenie, KrotkiUtworZapetlaSieCalyPrzyKazdymTempie) {
  ASSERT_TRUE(karta().gotowa) << "the library's sound did not start on the file device";
  const std::string sciezka = karta().katalog + "/krotki.mp3";
  ASSERT_TRUE(zapisz_plik(sciezka, zakoduj_mp3(3.3)));
  const probki wzor = zdekoduj_calosc(sciezka);
  ASSERT_EQ(wzor.size(), 2u * std::size_t(3.3 * CZ)) << "the decoder's gapless length";
  sprawdz(nagraj(sciezka, GetParam(), 7.5), wzor, std::to_string(GetParam()) + " passes a second");
}

INSTANTIATE_TEST_SUITE_P(PrzebiegiNaSekunde, Przechwycenie, ::testing::Values(20, 60, 250, 1000));

}  // namespace
