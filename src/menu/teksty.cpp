#include "teksty.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <strings.h>

#include "pliki.h"

namespace {

const jezyk_gry JEZYKI[] = {
    {"ENGLISH", "gm_en.cfg", "LANG: English", "LANG: English", "English"},
    {"POLSKI", "gm_pl.cfg", "LANG: Polski", "LANG: Polski", "Polski"},
    {"SPANISH", "gm_sp.cfg", "LANG: Spanish", "LANG: Spanish", "Spanish"},
    {"ITALIAN", "gm_it.cfg", "LANG: Italian", "LANG: Italian", "Italian"},
    {"FRENCH", "gm_fr.cfg", "LANG: French", "LANG: French", "French"},
    {"CZECH", "gm_cz.cfg", "LANG: Czech", "LANG: Czech", "Czech"},
    {"GERMAN", "gm_ge.cfg", "LANG: Germany", "LANG: German", "German"},
};
const int LICZBA_JEZYKOW = int(sizeof JEZYKI / sizeof JEZYKI[0]);
const char* const DOMYSLNY_PLIK = "gm_pl.cfg";

std::string przytnij(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

std::string wczytaj_tekst(const std::string& sciezka) {
  std::string tresc;
  if (std::FILE* f = otworz_do_odczytu(sciezka.c_str())) {
    char bufor[4096];
    std::size_t n;
    while ((n = std::fread(bufor, 1, sizeof bufor, f)) > 0) tresc.append(bufor, n);
    std::fclose(f);
  }
  return tresc;
}

// The settings text with General/language set to slowo; every other line stays as it was.
std::string ustawienia_z_jezykiem(const std::string& stare, const std::string& slowo) {
  const std::string linia_jezyka = "language = " + slowo + "\n";
  std::string wynik;
  std::string sekcja;
  std::size_t po_naglowku = std::string::npos;
  bool wpisany = false;
  for (std::size_t p = 0; p < stare.size();) {
    std::size_t k = stare.find('\n', p);
    k = k == std::string::npos ? stare.size() : k + 1;
    const std::string linia = stare.substr(p, k - p);
    const std::string czysta = przytnij(linia);
    p = k;
    if (!czysta.empty() && czysta[0] == '[') {
      sekcja = przytnij(czysta.substr(1, czysta.find(']') - 1));
      wynik += linia;
      if (wynik.back() != '\n') wynik += '\n';
      if (po_naglowku == std::string::npos && strcasecmp(sekcja.c_str(), "General") == 0)
        po_naglowku = wynik.size();
      continue;
    }
    const bool jezyk = strcasecmp(sekcja.c_str(), "General") == 0 &&
                       strcasecmp(przytnij(czysta.substr(0, czysta.find('='))).c_str(),
                                  "language") == 0;
    if (!jezyk) {
      wynik += linia;
    } else if (!wpisany) {
      wynik += linia_jezyka;
      wpisany = true;
    }
  }
  if (wpisany) return wynik;
  if (po_naglowku != std::string::npos) return wynik.insert(po_naglowku, linia_jezyka);
  if (!wynik.empty() && wynik.back() != '\n') wynik += '\n';
  return wynik + "[General]\n" + linia_jezyka;
}

bool czy_plik_istnieje(const char* nazwa) {
  std::FILE* f = std::fopen(nazwa, "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

const char* tekst(const char* klucz) { return tekst_z("teksty", klucz); }

const char* tekst_z(const char* sekcja, const char* klucz) {
  if (!klucz) return "";
  const char* t = get_config_string(sekcja, klucz, nullptr);
  return t ? t : "";
}

int liczba_z(const char* sekcja, const char* klucz) {
  return klucz ? get_config_int(sekcja, klucz, 0) : 0;
}

void formatuj(char* wynik, std::size_t rozmiar, const char* wzor, int liczba) {
  if (!wynik || rozmiar == 0) return;
  std::size_t n = 0;
  auto dopisz = [&](char c) {
    if (n + 1 < rozmiar) wynik[n++] = c;
  };
  for (const char* p = wzor ? wzor : ""; *p; ++p) {
    if (p[0] == '%' && p[1] == 'd') {
      char cyfry[16];
      std::snprintf(cyfry, sizeof cyfry, "%d", liczba);
      for (const char* c = cyfry; *c; ++c) dopisz(*c);
      ++p;
    } else if (p[0] == '%' && p[1] == '%') {
      dopisz('%');
      ++p;
    } else {
      dopisz(*p);
    }
  }
  wynik[n] = 0;
}

const jezyk_gry* jezyki(int& liczba) {
  liczba = LICZBA_JEZYKOW;
  return JEZYKI;
}

const char* wybierz_jezyk(bool po_wyborze) {
  std::string ustawienia = znajdz_plik("config.cfg");
  set_config_file(ustawienia.c_str());
  const char* slowo = get_config_string("General", "language", nullptr);
  for (int i = 0; slowo && i < LICZBA_JEZYKOW; ++i) {
    if (std::strcmp(slowo, JEZYKI[i].slowo) != 0) continue;
    if (!czy_plik_istnieje(JEZYKI[i].plik)) break;
    const char* etykieta = po_wyborze ? JEZYKI[i].etykieta_po_wyborze : JEZYKI[i].etykieta;
    set_config_file(JEZYKI[i].plik);
    return etykieta;
  }
  // No usable language: the Polish texts in force from start-up stay.
  set_config_file(DOMYSLNY_PLIK);
  return JEZYKI[1].etykieta;
}

bool zapisz_slowo_jezyka(const char* slowo) {
  if (!slowo || std::strpbrk(slowo, "\r\n")) return false;
  const std::string ustawienia = znajdz_plik("config.cfg");
  const std::string tresc = ustawienia_z_jezykiem(wczytaj_tekst(ustawienia), slowo);
  return zapisz_atomowo(ustawienia.c_str(), tresc.data(), tresc.size());
}

const char* zapisz_jezyk(const char* slowo) {
  // On disk before any text is fetched again, so the choice survives a crash.
  zapisz_slowo_jezyka(slowo);
  return wybierz_jezyk(true);
}
