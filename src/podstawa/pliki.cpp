#include "pliki.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "katalogi.h"

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
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    dane += n;
    dlugosc -= std::size_t(n);
  }
  return true;
}

// The temporary files of a target: ".<name>.XXXXXX" beside it (the six characters from
// mkstemp), and "<name>.tmp", which older saves used.
bool czy_pozostalosc(const char* wpis, const std::string& nazwa) {
  const std::size_t d = std::strlen(wpis);
  if (d == nazwa.size() + 8 && wpis[0] == '.' && nazwa.compare(0, nazwa.size(), wpis + 1,
                                                               nazwa.size()) == 0 &&
      wpis[nazwa.size() + 1] == '.') {
    for (const char* c = wpis + nazwa.size() + 2; *c; ++c)
      if (!std::isalnum((unsigned char)*c)) return false;
    return true;
  }
  return nazwa + ".tmp" == wpis;
}

void usun_pozostalosci(const std::string& katalog, const std::string& nazwa) {
  DIR* d = opendir(katalog.c_str());
  if (!d) return;
  while (dirent* e = readdir(d))
    if (czy_pozostalosc(e->d_name, nazwa)) unlink((katalog + "/" + e->d_name).c_str());
  closedir(d);
}

// Makes the rename itself last through a power cut; a folder that cannot be synced changes
// nothing about the file, which is already complete on disk.
void utrwal_katalog(const std::string& katalog) {
  int fd = open(katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

std::string rozwiaz(const std::string& calosc) {
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

// A relative name in a folder ("" for the working directory).
std::string w_katalogu(const std::string& katalog, const char* nazwa) {
  return katalog.empty() ? std::string(nazwa) : katalog + "/" + nazwa;
}

}  // namespace

std::string znajdz_plik(const char* sciezka) {
  if (!sciezka) return "";
  if (sciezka[0] == '/' || !*sciezka) return rozwiaz(sciezka);
  // A player's folder that cannot be written may still hold older saves to read.
  if (!katalog_zapisu().empty() && katalog_zapisu() != katalog_danych()) {
    std::string zapisany = rozwiaz(w_katalogu(katalog_zapisu(), sciezka));
    if (istnieje(zapisany)) return zapisany;
  }
  return rozwiaz(w_katalogu(katalog_danych(), sciezka));
}

std::string sciezka_zapisu(const char* nazwa) {
  if (!nazwa || !czy_zapis_mozliwy()) return "";
  if (nazwa[0] == '/') return rozwiaz(nazwa);
  return rozwiaz(w_katalogu(katalog_zapisu(), nazwa));
}

bool utworz_katalog(const char* sciezka) { return sciezka && utworz_katalogi(sciezka); }

bool czy_zwykly_plik(const char* sciezka) {
  struct stat st;
  return sciezka && stat(sciezka, &st) == 0 && S_ISREG(st.st_mode);
}

std::FILE* otworz_do_odczytu(const char* sciezka) {
  if (!sciezka) {
    errno = ENOENT;
    return nullptr;
  }
  // Without O_NONBLOCK opening a named pipe waits for a writer that never comes.
  int fd = open(sciezka, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  const bool zbadany = fstat(fd, &st) == 0;
  if (!zbadany || !S_ISREG(st.st_mode)) {
    const int powod = !zbadany ? errno : (S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    close(fd);
    errno = powod;
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* f = fdopen(fd, "rb");
  if (!f) close(fd);
  return f;
}

bool zapisz_atomowo(const char* sciezka, const void* dane, std::size_t dlugosc) {
  if (!sciezka || !*sciezka) {
    errno = ENOENT;
    return false;
  }
  const std::string cel(sciezka);
  const std::size_t ukosnik = cel.rfind('/');
  const bool bez_katalogu = ukosnik == std::string::npos;
  const std::string katalog = bez_katalogu ? "." : (ukosnik == 0 ? "/" : cel.substr(0, ukosnik));
  const std::string nazwa = bez_katalogu ? cel : cel.substr(ukosnik + 1);
  if (nazwa.empty() || !utworz_katalogi(bez_katalogu ? "" : katalog)) {
    if (nazwa.empty()) errno = EISDIR;
    return false;
  }
  usun_pozostalosci(katalog, nazwa);
  std::string tymczasowy = katalog + "/." + nazwa + ".XXXXXX";
  int fd = mkstemp(&tymczasowy[0]);
  if (fd < 0) return false;
  fchmod(fd, 0644);  // mkstemp makes it private; a saved game is an ordinary file
  bool dobrze = zapisz_wszystko(fd, static_cast<const char*>(dane), dlugosc) && fsync(fd) == 0;
  int powod = errno;
  if (close(fd) != 0 && dobrze) {
    dobrze = false;
    powod = errno;
  }
  if (dobrze && std::rename(tymczasowy.c_str(), sciezka) == 0) {
    utrwal_katalog(katalog);
    return true;
  }
  if (dobrze) powod = errno;
  unlink(tymczasowy.c_str());
  errno = powod;
  return false;
}
