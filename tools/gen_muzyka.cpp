// Writes the game's music (twelve looping MP3 tracks) and the two purchase sounds.
//   gen_muzyka <root>                     everything below <root>/Pliki_danych
//   gen_muzyka <root> --poczatek <track> <s>   the track's first seconds as they start in
//                                              the full file (<root>/<track>), for the tests
//   gen_muzyka <root> --wav               each track as a WAV file into <root>, with its
//                                         levels, for listening and measuring
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "muzyka_kompozycja.h"
#include "muzyka_synteza.h"
#include "obraz.h"

namespace {

bool zapisz(const std::string& sciezka, const std::vector<unsigned char>& dane) {
  utworz_katalogi_dla(sciezka);
  std::FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  bool dobrze = dane.empty() || std::fwrite(dane.data(), 1, dane.size(), f) == dane.size();
  return std::fclose(f) == 0 && dobrze;
}

void wypisz_poziomy(const char* plik, const nagranie& n) {
  double szczyt = 0, moc = 0;
  for (int i = 0; i < n.dlugosc(); ++i)
    for (float v : {n.lewy[std::size_t(i)], n.prawy[std::size_t(i)]}) {
      szczyt = std::max(szczyt, double(std::fabs(v)));
      moc += double(v) * v;
    }
  std::printf("%-12s %6.2f s  peak %.3f  rms %.3f\n", plik, double(n.dlugosc()) / nagranie::CZESTOTLIWOSC,
              szczyt, std::sqrt(moc / (2.0 * n.dlugosc())));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_muzyka <root> [--poczatek <track> <seconds> | --wav]\n");
    return 1;
  }
  const std::string korzen = argv[1];
  const std::string tryb = argc > 2 ? argv[2] : "";
  bool dobrze = true;
  for (const utwor_gry& u : utwory_gry()) {
    if (tryb == "--poczatek") {
      if (argc < 5 || std::strcmp(argv[3], u.plik) != 0) continue;
      nagranie n = komponuj(u.styl, std::atof(argv[4]));
      dobrze = zapisz(korzen + "/" + u.plik, koduj_mp3_poczatek(n, KBPS_MUZYKI)) && dobrze;
    } else if (tryb == "--wav") {
      nagranie n = komponuj(u.styl);
      wypisz_poziomy(u.plik, n);
      dobrze = zapisz(korzen + "/" + u.plik + ".wav", koduj_wav(n)) && dobrze;
    } else {
      std::vector<unsigned char> mp3 = koduj_mp3(komponuj(u.styl), KBPS_MUZYKI);
      dobrze = !mp3.empty() && zapisz(korzen + "/Pliki_danych/muzyka/" + u.plik, mp3) && dobrze;
    }
  }
  if (tryb.empty()) {
    dobrze = zapisz(korzen + "/Pliki_danych/odglosy/test.wav", koduj_wav(dzwiek_monet())) && dobrze;
    dobrze = zapisz(korzen + "/Pliki_danych/odglosy/test2.wav", koduj_wav(dzwiek_fanfary())) && dobrze;
  }
  return dobrze ? 0 : 1;
}
