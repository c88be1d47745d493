// What a player hears: tracks played by the game's music class on the library's real mixer,
// whose output ALSA writes to a file in place of a sound card. The recording must never fall
// silent, must run on across the loop with nothing lost or added (so the track's last half
// second is heard and the seam is continuous) and must be the decoded track itself.
//
// The file device runs about 2.3 times faster than real time, so a pass rate here asks more
// of the feeding than the same rate in the game. Every shipped track played once through its
// seam: run with --gtest_also_run_disabled_tests --gtest_filter='*KazdyUtwor*'.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "../mp3_testowe.h"
#include "muzyka.h"
#include "srodowisko.h"

namespace {

const int CZ = 44100;
const int BLOK_10MS = CZ / 100;

// The library started with its real mixer writing into a file; once for the whole program.
class karta_w_pliku {
 public:
  static karta_w_pliku& ta() {
    static karta_w_pliku k;
    return k;
  }
  bool gotowa = false;
  std::string katalog, plik;

  long rozmiar() const {
    struct stat st;
    return stat(plik.c_str(), &st) == 0 ? long(st.st_size) : 0;
  }
  // The output from byte od to byte do_, as signed interleaved stereo.
  std::vector<short> czytaj(long od, long do_) const {
    std::string dane = wczytaj_plik(plik).substr(std::size_t(od), std::size_t(do_ - od));
    std::vector<short> w(dane.size() / 2);
    for (std::size_t i = 0; i < w.size(); ++i) {
      unsigned v = unsigned((unsigned char)dane[2 * i]) | unsigned((unsigned char)dane[2 * i + 1]) << 8;
      w[i] = short(int(v) - 0x8000);
    }
    return w;
  }

 private:
  karta_w_pliku() {
    katalog = katalog_tymczasowy();
    plik = katalog + "/wyjscie.raw";
    const std::string konfiguracja = katalog + "/asound.conf";
    zapisz_plik(konfiguracja, "pcm.!default { type file slave.pcm \"nul\" file \"" + plik +
                                  "\" format \"raw\" }\npcm.nul { type null }\n");
    setenv("ALSA_CONFIG_PATH", konfiguracja.c_str(), 1);
    // The passes are timed as the game's; on a shared machine the test must not also wait
    // its turn for a core (as root it may go ahead of other work; otherwise it stays as is).
    if (setpriority(PRIO_PROCESS, 0, -10) != 0) errno = 0;
    if (chdir(GRA_KATALOG_ZRODEL) != 0 || allegro_init() != 0) return;
    install_timer();
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    gotowa = digi_driver && digi_driver->id != DIGI_NONE;
  }
};

// Plays a track from its start as the game does, one feed per pass at that many passes a
// second of wall time, until the output holds that many seconds; returns that output.
std::vector<short> nagraj(const std::string& sciezka, int przebiegi, double sekundy) {
  karta_w_pliku& k = karta_w_pliku::ta();
  muzyka m(sciezka.c_str());
  const long od = k.rozmiar();
  const long do_ = od + long(sekundy * CZ) * 4;
  m.przygotuj();
  const auto krok = std::chrono::microseconds(1000000 / przebiegi);
  auto nastepny = std::chrono::steady_clock::now();
  const auto limit = nastepny + std::chrono::seconds(int(sekundy) + 10);
  while (k.rozmiar() < do_ && nastepny < limit) {
    m.odtwarzaj();
    nastepny += krok;
    std::this_thread::sleep_until(nastepny);
  }
  m.zatrzymaj();
  return k.rozmiar() >= do_ ? k.czytaj(od, do_) : std::vector<short>();
}

struct ocena {
  double sekundy = 0;      // sound recorded from the track's first sample on
  int przerwy = 0;         // runs of digital silence of 10 ms or more after the first 0.5 s
  int najdluzsza_cisza = 0;  // frames
  long szew = 0;           // frames the second pass starts late (negative: early)
  int zle_bloki = 0;       // 10 ms blocks that are not the track at its place in the loop
  double pierwszy_zly = -1;  // seconds into the recording
};

double iloczyn(const short* a, const short* b, int n) {
  double s = 0;
  for (int i = 0; i < n; ++i) s += double(a[i]) * b[i];
  return s;
}

// The frame of the recording where the track's frame od_wzorca stands, searched near
// okolo; -1 when it is not there.
long znajdz(const std::vector<short>& nagranie, const std::vector<short>& wzor, long od_wzorca,
            long okolo, long zasieg) {
  const int n = 2 * 4096;
  double najlepsza = 0.5;
  long gdzie = -1;
  const double e_wzoru = iloczyn(&wzor[2 * od_wzorca], &wzor[2 * od_wzorca], n);
  for (long p = std::max(0L, okolo - zasieg); p <= okolo + zasieg; ++p) {
    if (2 * p + n > long(nagranie.size())) break;
    const short* a = &nagranie[2 * p];
    double e = iloczyn(a, a, n);
    if (e <= 0) continue;
    double r = iloczyn(a, &wzor[2 * od_wzorca], n) / std::sqrt(e * e_wzoru);
    if (r > najlepsza) najlepsza = r, gdzie = p;
  }
  return gdzie;
}

ocena ocen(const std::vector<short>& nagranie, const std::vector<short>& wzor) {
  ocena o;
  const long ramki = long(nagranie.size() / 2), dlugosc = long(wzor.size() / 2);
  long pierwsza = 0;
  while (pierwsza < ramki && nagranie[2 * pierwsza] == 0 && nagranie[2 * pierwsza + 1] == 0)
    ++pierwsza;
  long w0 = 0;
  while (w0 < dlugosc && wzor[2 * w0] == 0 && wzor[2 * w0 + 1] == 0) ++w0;
  const long start = znajdz(nagranie, wzor, CZ / 4, pierwsza - w0 + CZ / 4, 2048) - CZ / 4;
  if (start < 0 || dlugosc < CZ) return o;
  o.sekundy = double(ramki - start) / CZ;
  // Dropouts: digital silence from half a second after the start on.
  int cisza = 0;
  for (long i = start + CZ / 2; i < ramki; ++i) {
    bool cicho = std::abs(nagranie[2 * i]) <= 1 && std::abs(nagranie[2 * i + 1]) <= 1;
    cisza = cicho ? cisza + 1 : 0;
    if (cisza == BLOK_10MS) ++o.przerwy;
    o.najdluzsza_cisza = std::max(o.najdluzsza_cisza, cisza);
  }
  if (start + dlugosc + CZ / 2 < ramki) {
    long drugi = znajdz(nagranie, wzor, CZ / 4, start + dlugosc + CZ / 4, CZ / 10);
    o.szew = drugi < 0 ? CZ : drugi - CZ / 4 - (start + dlugosc);
  }
  // The mixer scales each channel: one gain each, fitted on the first two seconds.
  double g[2];
  for (int c = 0; c < 2; ++c) {
    double nw = 0, ww = 0;
    for (long i = 0; i < std::min(2L * CZ, dlugosc); ++i) {
      nw += double(nagranie[2 * (start + i) + c]) * wzor[2 * i + c];
      ww += double(wzor[2 * i + c]) * wzor[2 * i + c];
    }
    g[c] = ww > 0 ? nw / ww : 0;
  }
  for (long b = start; b + BLOK_10MS <= ramki; b += BLOK_10MS) {
    double blad = 0, moc = 0;
    for (long i = b; i < b + BLOK_10MS; ++i)
      for (int c = 0; c < 2; ++c) {
        double e = g[c] * wzor[2 * ((i - start) % dlugosc) + c];
        blad += (nagranie[2 * i + c] - e) * (nagranie[2 * i + c] - e);
        moc += e * e;
      }
    if (blad > 0.01 * moc + 4.0 * BLOK_10MS) {
      if (o.zle_bloki++ == 0) o.pierwszy_zly = double(b) / CZ;
    }
  }
  return o;
}

void sprawdz(const ocena& o, double co_najmniej, const std::string& co) {
  EXPECT_GE(o.sekundy, co_najmniej) << co;
  EXPECT_EQ(o.przerwy, 0) << co << ": longest silence " << o.najdluzsza_cisza << " frames";
  EXPECT_EQ(o.szew, 0) << co;
  EXPECT_EQ(o.zle_bloki, 0) << co << ": first at " << o.pierwszy_zly << " s";
}

class Przechwycenie : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(karta_w_pliku::ta().gotowa) << "the library's sound did not start on the file device";
  }
};

// A short track of several input blocks, played past two seams, from the slowest pass rate
// the game allows to the fastest.
TEST_P(Przechwycenie, ShortTrackLoopsWholeAtEveryPassRate) {
  static std::string sciezka;
  if (sciezka.empty()) {
    sciezka = karta_w_pliku::ta().katalog + "/krotki.mp3";
    ASSERT_TRUE(zapisz_plik(sciezka, zakoduj_mp3(3.3)));
  }
  const std::vector<short> wzor = zdekoduj_calosc(sciezka);
  ASSERT_EQ(wzor.size(), 2u * std::size_t(3.3 * CZ));
  ocena o = ocen(nagraj(sciezka, GetParam(), 7.5), wzor);
  sprawdz(o, 6.5, std::to_string(GetParam()) + " passes a second");
}

INSTANTIATE_TEST_SUITE_P(PrzebiegiNaSekunde, Przechwycenie, ::testing::Values(20, 60, 250, 1000));

// The measurement of every shipped track through its seam (about seven minutes).
TEST_F(Przechwycenie, DISABLED_KazdyUtwor) {
  for (const char* nazwa : {"walka", "walka_2", "menu", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
    const std::string sciezka = std::string("Pliki_danych/muzyka/") + nazwa + ".mp3";
    const std::vector<short> wzor = zdekoduj_calosc(sciezka);
    const double dlugosc = double(wzor.size() / 2) / CZ;
    ocena o = ocen(nagraj(sciezka, 60, dlugosc + 3.0), wzor);
    std::printf("%-8s length %.3f s, %ld bytes: captured %.1f s, dropouts %d (longest %.1f ms), "
                "seam %ld frames, %d wrong 10 ms blocks\n",
                nazwa, dlugosc, long(wczytaj_plik(sciezka).size()), o.sekundy, o.przerwy,
                1000.0 * o.najdluzsza_cisza / CZ, o.szew, o.zle_bloki);
    sprawdz(o, dlugosc + 2.0, nazwa);
  }
}

}  // namespace
