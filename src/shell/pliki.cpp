#include "pliki.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

bool istnieje(const std::string& s) {
  struct stat st;
  return stat(s.c_str(), &st) == 0;
}

// The entry of a folder whose name matches without regard to letter case, or "".
std::string znajdz_w_katalogu(const std::string& katalog, const std::string& nazwa) {
  DIR* d = opendir(katalog.empty() ? "." : katalog.c_str());
  if (!d) return "";
  std::string wynik;
  while (dirent* e = readdir(d)) {
    if (strcasecmp(e->d_name, nazwa.c_str()) == 0) {
      wynik = e->d_name;
      break;
    }
  }
  closedir(d);
  return wynik;
}

bool utworz_katalogi(const std::string& katalog) {
  if (katalog.empty()) return true;
  std::string czesc;
  for (std::size_t i = 0; i <= katalog.size(); ++i) {
    if (i == katalog.size() || katalog[i] == '/') {
      if (!czesc.empty() && !istnieje(czesc) && mkdir(czesc.c_str(), 0755) != 0 &&
          errno != EEXIST)
        return false;
    }
    if (i < katalog.size()) czesc += katalog[i];
  }
  struct stat st;
  return stat(katalog.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool zapisz_wszystko(int fd, const char* dane, std::size_t dlugosc) {
  while (dlugosc > 0) {
    ssize_t n = write(fd, dane, dlugosc);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    dane += n;
    dlugosc -= std::size_t(n);
  }
  return true;
}

}  // namespace

std::string znajdz_plik(const char* sciezka) {
  if (!sciezka) return "";
  std::string calosc(sciezka);
  if (calosc.empty() || istnieje(calosc)) return calosc;
  std::string wynik = calosc[0] == '/' ? "/" : "";
  std::size_t poczatek = calosc[0] == '/' ? 1 : 0;
  while (poczatek <= calosc.size()) {
    std::size_t koniec = calosc.find('/', poczatek);
    if (koniec == std::string::npos) koniec = calosc.size();
    std::string czesc = calosc.substr(poczatek, koniec - poczatek);
    if (!czesc.empty()) {
      std::string katalog = wynik.empty() ? "" : wynik;
      std::string kandydat = katalog + czesc;
      if (!istnieje(kandydat)) {
        std::string znalezione = znajdz_w_katalogu(katalog, czesc);
        if (znalezione.empty()) return calosc;
        kandydat = katalog + znalezione;
      }
      wynik = kandydat;
      if (koniec < calosc.size()) wynik += '/';
    }
    poczatek = koniec + 1;
  }
  return wynik;
}

bool zapisz_atomowo(const char* sciezka, const void* dane, std::size_t dlugosc) {
  if (!sciezka || !*sciezka) return false;
  std::string cel(sciezka);
  std::size_t ukosnik = cel.rfind('/');
  std::string katalog = ukosnik == std::string::npos ? "" : cel.substr(0, ukosnik);
  if (!utworz_katalogi(katalog)) return false;
  std::string wzor = (katalog.empty() ? std::string(".") : katalog) + "/.zapis.XXXXXX";
  int fd = mkstemp(&wzor[0]);
  if (fd < 0) return false;
  bool dobrze = zapisz_wszystko(fd, static_cast<const char*>(dane), dlugosc);
  dobrze = fsync(fd) == 0 && dobrze;
  dobrze = close(fd) == 0 && dobrze;
  if (dobrze) chmod(wzor.c_str(), 0644);
  if (dobrze && std::rename(wzor.c_str(), cel.c_str()) == 0) return true;
  unlink(wzor.c_str());
  return false;
}
