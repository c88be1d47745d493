#include "teksty.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <strings.h>

#include "dziennik.h"
#include "pliki.h"

namespace {

const jezyk_gry JEZYKI[] = {
    {"ENGLISH", "gm_en.cfg", "LANG: English", "English"},
    {"POLSKI", "gm_pl.cfg", "LANG: Polski", "Polski"},
    {"SPANISH", "gm_sp.cfg", "LANG: Spanish", "Spanish"},
    {"ITALIAN", "gm_it.cfg", "LANG: Italian", "Italian"},
    {"FRENCH", "gm_fr.cfg", "LANG: French", "French"},
    {"CZECH", "gm_cz.cfg", "LANG: Czech", "Czech"},
    {"GERMAN", "gm_ge.cfg", "LANG: German", "German"},
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

// Whether the active configuration can carry the game: the main menu's six buttons with their
// labels and places, and the texts. A file cut short loses its button sections (they come
// last), so this also tells a truncated file.
bool czy_pelny_jezyk() {
  for (const char* sekcja : SEKCJE_PRZYCISKOW_MENU)
    for (const char* klucz : {"napis", "x", "y"})
      if (!get_config_string(sekcja, klucz, nullptr)) return false;
  const char** klucze = nullptr;
  int ile = list_config_entries("teksty", &klucze);
  free_config_entries(&klucze);
  return ile > 0;
}

const jezyk_gry* znajdz_jezyk(const char* slowo) {
  for (int i = 0; slowo && i < LICZBA_JEZYKOW; ++i)
    if (std::strcmp(slowo, JEZYKI[i].slowo) == 0) return &JEZYKI[i];
  return nullptr;
}

// Makes the language of the word active and returns its button label. When its file is
// missing or damaged the Polish texts in force from start-up stay, and log.txt says why.
const char* uzyj_jezyka(const char* slowo) {
  const jezyk_gry* j = znajdz_jezyk(slowo);
  const std::string plik = j ? znajdz_plik(j->plik) : "";
  if (j && czy_zwykly_plik(plik.c_str())) {
    set_config_file(plik.c_str());
    if (czy_pelny_jezyk()) return j->etykieta;
  }
  if (j) {
    char linia[160];
    std::snprintf(linia, sizeof linia,
                  "Language file %s is %s: the Polish texts of %s are used instead", j->plik,
                  czy_zwykly_plik(plik.c_str()) ? "damaged (no menu buttons or no texts)" : "missing",
                  DOMYSLNY_PLIK);
    piszlog(linia, 0);
  }
  const std::string domyslny = znajdz_plik(DOMYSLNY_PLIK);
  if (czy_zwykly_plik(domyslny.c_str())) set_config_file(domyslny.c_str());
  else set_config_data("", 0);  // a pipe in its place would never finish reading
  return JEZYKI[1].etykieta;
}

}  // namespace

const char* const SEKCJE_PRZYCISKOW_MENU[6] = {"button_nowagra", "button_wczytajmape",
                                               "button_wczytajgre", "button_opcje",
                                               "button_info", "button_wyjscie"};

const char* tekst(const char* klucz) { return tekst_z("teksty", klucz); }

const char* tekst_z(const char* sekcja, const char* klucz) {
  if (!klucz) return "";
  const char* t = get_config_string(sekcja, klucz, nullptr);
  return t ? t : "";
}

int liczba_z(const char* sekcja, const char* klucz, int od, int doo) {
  // Read here rather than by the library, which wraps numbers past the int range.
  const long long v = std::strtoll(tekst_z(sekcja, klucz), nullptr, 0);
  return (int)(v < od ? od : (v > doo ? doo : v));
}

const jezyk_gry* jezyki(int& liczba) {
  liczba = LICZBA_JEZYKOW;
  return JEZYKI;
}

const char* wybierz_jezyk() {
  std::string ustawienia = znajdz_plik("config.cfg");
  // Something else in its place (a folder, a pipe) is read as no settings at all.
  std::string slowo;
  if (czy_zwykly_plik(ustawienia.c_str())) {
    set_config_file(ustawienia.c_str());
    const char* s = get_config_string("General", "language", nullptr);
    if (s) slowo = s;
  }
  return uzyj_jezyka(slowo.c_str());
}

bool zapisz_slowo_jezyka(const char* slowo) {
  if (!slowo || std::strpbrk(slowo, "\r\n")) return false;
  // The player's own settings are made from the shipped ones the first time.
  const std::string tresc = ustawienia_z_jezykiem(wczytaj_tekst(znajdz_plik("config.cfg")), slowo);
  return zapisz_atomowo(sciezka_zapisu("config.cfg").c_str(), tresc.data(), tresc.size());
}

const char* zapisz_jezyk(const char* slowo, bool* zapisany) {
  // On disk before any text is fetched again, so the choice survives a crash.
  bool dobrze = zapisz_slowo_jezyka(slowo);
  if (zapisany) *zapisany = dobrze;
  if (dobrze) return wybierz_jezyk();
  piszlog("config.cfg cannot be written: the language chosen holds for this run only", 0);
  return uzyj_jezyka(slowo);
}
