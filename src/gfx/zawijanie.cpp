#include "zawijanie.h"

namespace {

// Bytes of the UTF-8 character that starts at i; a stray or cut byte counts as one character.
std::size_t dlugosc_znaku(const std::string& t, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(t[i]);
  std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  for (std::size_t k = 1; k < n; ++k)
    if (i + k >= t.size() || (static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return 1;
  return n;
}

// Lays one paragraph (no newlines) into lines.
class uklad_akapitu {
 public:
  uklad_akapitu(int szerokosc, const miara_tekstu& miara, std::vector<std::string>& linie)
      : szerokosc(szerokosc), miara(miara), linie(linie) {}

  void uloz(const std::string& akapit) {
    std::size_t i = 0;
    while (i < akapit.size()) {
      std::size_t poczatek_slowa = akapit.find_first_not_of(' ', i);
      if (poczatek_slowa == std::string::npos) break;  // spaces at the end of a paragraph
      std::size_t koniec = akapit.find(' ', poczatek_slowa);
      if (koniec == std::string::npos) koniec = akapit.size();
      dodaj(akapit.substr(i, poczatek_slowa - i),
            akapit.substr(poczatek_slowa, koniec - poczatek_slowa));
      i = koniec;
    }
    linie.push_back(linia);
  }

 private:
  bool miesci_sie(const std::string& t) const { return szerokosc < 0 || miara(t) <= szerokosc; }

  void dodaj(const std::string& spacje, const std::string& slowo) {
    std::string razem = linia + spacje + slowo;
    if (miesci_sie(razem)) {
      linia = razem;
      return;
    }
    if (!linia.empty()) linie.push_back(linia);
    linia.clear();
    if (miesci_sie(slowo)) linia = slowo;
    else zlam(slowo);
  }

  // A word wider than a whole line: as many letters on each line as fit, at least one.
  void zlam(const std::string& slowo) {
    for (std::size_t i = 0; i < slowo.size();) {
      std::string znak = slowo.substr(i, dlugosc_znaku(slowo, i));
      if (!linia.empty() && !miesci_sie(linia + znak)) {
        linie.push_back(linia);
        linia.clear();
      }
      linia += znak;
      i += znak.size();
    }
  }

  int szerokosc;
  const miara_tekstu& miara;
  std::vector<std::string>& linie;
  std::string linia;
};

}  // namespace

std::vector<std::string> zawin_tekst(const std::string& tekst, int szerokosc,
                                     const miara_tekstu& miara) {
  std::vector<std::string> linie;
  if (tekst.empty()) return linie;
  std::size_t poczatek = 0;
  while (true) {
    std::size_t koniec = tekst.find('\n', poczatek);
    const std::size_t dlugosc = koniec == std::string::npos ? std::string::npos : koniec - poczatek;
    uklad_akapitu(szerokosc, miara, linie).uloz(tekst.substr(poczatek, dlugosc));
    if (koniec == std::string::npos) break;
    poczatek = koniec + 1;
  }
  return linie;
}
