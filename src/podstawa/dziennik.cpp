#include "dziennik.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "katalogi.h"
#include "pliki.h"

namespace {

const char* const PLIK_LOGU = "log.txt";  // in the folder the game writes into
const long GRANICA_LOGU = 1L << 20;  // the log never reaches a megabyte

// A log that a new line would take to the limit keeps only its newest lines, about half of
// the limit, cut at the start of a line.
void przytnij_log(const std::string& log, long rozmiar) {
  std::FILE* f = otworz_do_odczytu(log.c_str());
  if (!f) return;
  std::string koniec((std::size_t)(GRANICA_LOGU / 2), '\0');
  const bool przeczytany = std::fseek(f, rozmiar - GRANICA_LOGU / 2, SEEK_SET) == 0 &&
                           std::fread(&koniec[0], 1, koniec.size(), f) == koniec.size();
  std::fclose(f);
  if (!przeczytany) return;
  const std::size_t linia = koniec.find('\n');
  koniec.erase(0, linia == std::string::npos ? koniec.size() : linia);
  zapisz_atomowo(log.c_str(), koniec.data(), koniec.size());
}

}  // namespace

void piszlog(const char* tekst, int liczba) {
  char linia[512];
  int dlugosc = std::snprintf(linia, sizeof linia, "\n%s --- %d", tekst ? tekst : "", liczba);
  if (dlugosc < 0) return;
  if (dlugosc >= (int)sizeof linia) dlugosc = (int)sizeof linia - 1;
  const std::string log = sciezka_zapisu(PLIK_LOGU);
  struct stat st;
  if (stat(log.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size + dlugosc >= GRANICA_LOGU)
    przytnij_log(log, (long)st.st_size);
  // Only a regular file is appended to: a pipe named log.txt would wait for a reader.
  const int fd = open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    const ssize_t zapisane = write(fd, linia, (std::size_t)dlugosc);
    (void)zapisane;  // a log that cannot be written is skipped
  }
  close(fd);
}
