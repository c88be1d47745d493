// Writes the game's music (twelve looping MP3 tracks) and the two purchase sounds.
//   gen_muzyka <root>            everything below <root>/Pliki_danych
//   gen_muzyka <root> --probka   one short track only (<root>/probka.mp3), for tests
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "muzyka_synteza.h"
#include "obraz.h"

namespace {

// Chord progressions as scale degrees, two bars each.
const int HEROICZNY[4] = {0, 5, 3, 4};    // I vi IV V
const int MROCZNY[4] = {0, 5, 6, 4};      // i VI VII v
const int SPOKOJNY[4] = {0, 3, 0, 4};     // I IV I V
const int TAJEMNICZY[4] = {0, 6, 5, 4};   // i VII VI v
const int MAJESTAT[4] = {0, 4, 5, 3};     // I V vi IV
const int SMUTNY[4] = {0, 3, 6, 2};       // i iv VII III

struct utwor {
  const char* plik;
  styl_utworu styl;
};

const utwor UTWORY[] = {
    {"walka.mp3", {"blue battle", 101, 132, 62, false, 20, HEROICZNY, 3, 1, false, 0.25f}},
    {"walka_2.mp3", {"gold battle", 202, 124, 57, true, 20, MROCZNY, 3, 1, false, 0.3f}},
    {"menu.mp3", {"title", 303, 84, 60, false, 12, MAJESTAT, 1, 0, true, 0.45f}},
    {"1.mp3", {"pastoral", 401, 92, 65, false, 16, SPOKOJNY, 1, 0, true, 0.35f}},
    {"2.mp3", {"march", 402, 112, 58, false, 16, HEROICZNY, 2, 1, false, 0.2f}},
    {"3.mp3", {"mystery", 403, 76, 62, true, 12, TAJEMNICZY, 0, 0, true, 0.55f}},
    {"4.mp3", {"festival", 404, 128, 67, false, 20, SPOKOJNY, 2, 2, true, 0.2f}},
    {"5.mp3", {"lament", 405, 68, 57, true, 12, SMUTNY, 0, 0, true, 0.5f}},
    {"6.mp3", {"tavern", 406, 140, 64, false, 24, HEROICZNY, 2, 2, true, 0.15f}},
    {"7.mp3", {"night", 407, 72, 55, true, 12, MROCZNY, 1, 2, true, 0.6f}},
    {"8.mp3", {"hymn", 408, 80, 60, false, 12, MAJESTAT, 1, 1, false, 0.5f}},
    {"9.mp3", {"skirmish", 409, 150, 59, true, 24, MROCZNY, 3, 2, false, 0.2f}},
};

bool zapisz(const std::string& sciezka, const std::vector<unsigned char>& dane) {
  utworz_katalogi_dla(sciezka);
  std::FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  bool dobrze = dane.empty() || std::fwrite(dane.data(), 1, dane.size(), f) == dane.size();
  return std::fclose(f) == 0 && dobrze;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_muzyka <root> [--probka]\n");
    return 1;
  }
  const std::string korzen = argv[1];
  if (argc > 2 && std::strcmp(argv[2], "--probka") == 0) {
    styl_utworu s = UTWORY[0].styl;
    s.takty = 2;
    return zapisz(korzen + "/probka.mp3", koduj_mp3(komponuj(s), 80)) ? 0 : 1;
  }
  // --wav: the tracks as WAV files into <root>, for listening and measuring.
  const bool podglad = argc > 2 && std::strcmp(argv[2], "--wav") == 0;
  bool dobrze = true;
  for (const utwor& u : UTWORY) {
    if (podglad) {
      dobrze = zapisz(korzen + "/" + u.plik + ".wav", koduj_wav(komponuj(u.styl))) && dobrze;
      continue;
    }
    std::vector<unsigned char> mp3 = koduj_mp3(komponuj(u.styl), 80);
    dobrze = !mp3.empty() && zapisz(korzen + "/Pliki_danych/muzyka/" + u.plik, mp3) && dobrze;
  }
  dobrze = zapisz(korzen + "/Pliki_danych/odglosy/test.wav", koduj_wav(dzwiek_monet())) && dobrze;
  dobrze = zapisz(korzen + "/Pliki_danych/odglosy/test2.wav", koduj_wav(dzwiek_fanfary())) && dobrze;
  return dobrze ? 0 : 1;
}
