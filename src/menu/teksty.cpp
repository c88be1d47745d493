#include "teksty.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>

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

const char* zapisz_jezyk(const char* slowo) {
  std::string ustawienia = znajdz_plik("config.cfg");
  set_config_file(ustawienia.c_str());
  set_config_string("General", "language", slowo ? slowo : "");
  // On disk before any text is fetched again, so the choice survives a crash.
  flush_config_file();
  return wybierz_jezyk(true);
}
