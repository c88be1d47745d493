#include "wideo.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

bool czy_program_dostepny(const char* nazwa) {
  const char* sciezka = std::getenv("PATH");
  if (!sciezka || !nazwa || !*nazwa) return false;
  std::string wszystkie(sciezka);
  std::size_t poczatek = 0;
  while (poczatek <= wszystkie.size()) {
    std::size_t koniec = wszystkie.find(':', poczatek);
    if (koniec == std::string::npos) koniec = wszystkie.size();
    std::string katalog = wszystkie.substr(poczatek, koniec - poczatek);
    if (katalog.empty()) katalog = ".";
    if (access((katalog + "/" + nazwa).c_str(), X_OK) == 0) return true;
    poczatek = koniec + 1;
  }
  return false;
}

bool odtworz_wideo_wstepne() {
  if (!czy_program_dostepny("binkplay") || access("logo.bik", R_OK) != 0) return false;
  int wynik = std::system("binkplay /R logo.bik");
  (void)wynik;
  return true;
}
