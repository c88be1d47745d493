// Replays the inputs kept in one folder through a fuzz target's entry, without libFuzzer:
// the normal test run reads every input that once failed or reached new code again.
//   powtorka_<target> FOLDER
#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "pliki.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar);

namespace {

std::vector<std::string> pliki_w(const std::string& katalog) {
  std::vector<std::string> wynik;
  if (DIR* d = opendir(katalog.c_str())) {
    while (dirent* w = readdir(d)) {
      const std::string sciezka = katalog + "/" + w->d_name;
      if (w->d_name[0] != '.' && czy_zwykly_plik(sciezka.c_str())) wynik.push_back(sciezka);
    }
    closedir(d);
  }
  std::sort(wynik.begin(), wynik.end());
  return wynik;
}

std::vector<uint8_t> tresc(const std::string& sciezka) {
  std::vector<uint8_t> dane;
  if (std::FILE* f = std::fopen(sciezka.c_str(), "rb")) {
    uint8_t bufor[4096];
    std::size_t n;
    while ((n = std::fread(bufor, 1, sizeof bufor, f)) > 0) dane.insert(dane.end(), bufor, bufor + n);
    std::fclose(f);
  }
  return dane;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  // Every path is read before the first input runs: a target may change the working folder.
  std::vector<std::pair<std::string, std::vector<uint8_t>>> wejscia;
  for (const std::string& p : pliki_w(argv[1])) wejscia.emplace_back(p, tresc(p));
  if (wejscia.empty()) {
    std::fprintf(stderr, "%s holds no inputs\n", argv[1]);
    return 1;
  }
  for (const auto& w : wejscia) {
    std::printf("%s (%zu bytes)\n", w.first.c_str(), w.second.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(w.second.data(), w.second.size());
  }
  std::printf("%zu inputs replayed\n", wejscia.size());
  return 0;
}
