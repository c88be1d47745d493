#include "katalogi_gry.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "katalogi.h"
#include "pliki.h"

namespace {

bool czy_katalog(const std::string& s) {
  struct stat st;
  return stat(s.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string kanoniczna(const std::string& s) {
  if (s.empty()) return s;
  char bufor[PATH_MAX];
  return realpath(s.c_str(), bufor) ? std::string(bufor) : s;
}

std::string tresc(const std::string& sciezka) {
  std::string t;
  if (std::FILE* f = otworz_do_odczytu(sciezka.c_str())) {
    char bufor[4096];
    std::size_t n;
    while ((n = std::fread(bufor, 1, sizeof bufor, f)) > 0) t.append(bufor, n);
    std::fclose(f);
  }
  return t;
}

// The player's folder made if missing; the shipped settings become its own on the first start.
bool przygotuj_katalog_gracza(const std::string& katalog, const std::string& dane) {
  if (katalog.empty() || !utworz_katalog(katalog.c_str()) ||
      access(katalog.c_str(), W_OK | X_OK) != 0)
    return false;
  const std::string ustawienia = katalog + "/config.cfg";
  struct stat st;
  if (lstat(ustawienia.c_str(), &st) != 0) {
    const std::string wzor = znajdz_plik((dane.empty() ? "config.cfg" : dane + "/config.cfg").c_str());
    if (czy_zwykly_plik(wzor.c_str())) {
      const std::string t = tresc(wzor);
      zapisz_atomowo(ustawienia.c_str(), t.data(), t.size());
    }
  }
  return true;
}

}  // namespace

wybrane_katalogi przygotuj_katalogi(const std::string& program,
                                    const std::string& dane_wzgledem_programu) {
  ustaw_katalogi("", "", true);
  const std::vector<std::string> miejsca = miejsca_danych(program, dane_wzgledem_programu);
  wybrane_katalogi w;
  bool zainstalowana = false;
  for (std::size_t i = 0; i < miejsca.size() && !w.dane_znalezione; ++i) {
    const std::string dane = miejsca[i].empty() ? "Pliki_danych" : miejsca[i] + "/Pliki_danych";
    if (!czy_katalog(znajdz_plik(dane.c_str()))) continue;
    w.dane = kanoniczna(miejsca[i]);
    w.dane_znalezione = true;
    // The last place is the installed one, shared by every player.
    zainstalowana = !dane_wzgledem_programu.empty() && i + 1 == miejsca.size() && i > 0;
  }
  const std::string tu = w.dane.empty() ? "." : w.dane;
  if (!zainstalowana && access(tu.c_str(), W_OK | X_OK) == 0) {
    w.zapisu = w.dane;
  } else {
    w.zapisu = katalog_gracza();
    w.zapis_mozliwy = przygotuj_katalog_gracza(w.zapisu, w.dane);
  }
  ustaw_katalogi(w.dane, w.zapisu, w.zapis_mozliwy);
  return w;
}

std::string katalog_programu() {
  char bufor[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", bufor, sizeof bufor - 1);
  if (n <= 0) return "";
  const std::string program(bufor, (std::size_t)n);
  const std::size_t ukosnik = program.rfind('/');
  return ukosnik == std::string::npos ? "" : program.substr(0, ukosnik == 0 ? 1 : ukosnik);
}
