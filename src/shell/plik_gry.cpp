#include "plik_gry.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "armia.h"
#include "dziennik.h"
#include "globalne.h"
#include "jednostka.h"
#include "katalogi.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "pliki.h"
#include "teksty.h"

namespace {

const int DLUGOSC_NAZWY_MAPY = 52;  // the map keeps its name in 52 characters with the end
const int ROZMIAR_BLEDU = 256;

const char* const pliki_wyboru[10] = {
    nullptr,
    "Zapisane_gry/1.sav",
    "Zapisane_gry/2.sav",
    "Zapisane_gry/3.sav",
    "Zapisane_gry/4.sav",
    "Zapisane_gry/5.sav",
    "Pliki_danych/Mapy/map1.sce",
    "Pliki_danych/Mapy/map2.sce",
    "Pliki_danych/Mapy/map3.sce",
    "Pliki_danych/Mapy/map4.sce",
};

// One unit record as read, before anything is built.
struct zapis_jednostki {
  nazwa_pola rodzaj;
  int pola[14];
};

struct tresc_gry {
  std::string mapa;
  int aktywny = 0;
  float godzina = 0;
  int zloto[3] = {0, 0, 0};
  int technologie[3][4] = {};
  std::vector<zapis_jednostki> jednostki;
};

// The file and the reason, in the player's language; the reason is a "teksty" key (a key
// the language file lacks shows as written).
void ustaw_blad(char* blad, const char* plik, const char* klucz) {
  if (!blad) return;
  const char* powod = tekst(klucz);
  std::snprintf(blad, ROZMIAR_BLEDU, "%s: %s", plik ? plik : "?", *powod ? powod : klucz);
}

int przytnij(long long v, long long od, long long doo) {
  return (int)(v < od ? od : (v > doo ? doo : v));
}

// One whole number as the game writes them: blanks, a sign and digits, up to the first other
// character (a record's letter follows its last digit). A number too long for an int is held
// at the nearest end of the int range, never wrapped.
bool czytaj_liczbe(std::FILE* f, int& wynik) {
  int c;
  do c = std::fgetc(f); while (c != EOF && std::isspace(c));
  const bool ujemna = c == '-';
  if (c == '-' || c == '+') c = std::fgetc(f);
  if (c == EOF || !std::isdigit(c)) return false;
  long long v = 0;
  for (; c != EOF && std::isdigit(c); c = std::fgetc(f))
    if (v <= INT_MAX) v = v * 10 + (c - '0');
  if (c != EOF) std::ungetc(c, f);
  wynik = przytnij(ujemna ? -v : v, INT_MIN, INT_MAX);
  return true;
}

bool czytaj_liczby(std::FILE* f, int* wartosci, int ile) {
  for (int i = 0; i < ile; i++)
    if (!czytaj_liczbe(f, wartosci[i])) return false;
  return true;
}

// The hour of the day as one word. Not a number at all (nan, inf) is refused; any other
// value is brought into the day, 0 to 23.5.
enum class godzina_pliku { dobra, uszkodzona, nie_liczba };
godzina_pliku czytaj_godzine(std::FILE* f, float& godzina) {
  char slowo[64];
  if (std::fscanf(f, "%63s", slowo) != 1) return godzina_pliku::uszkodzona;
  char* koniec = nullptr;
  const double h = std::strtod(slowo, &koniec);
  if (koniec == slowo || *koniec) return godzina_pliku::uszkodzona;
  if (!std::isfinite(h)) return godzina_pliku::nie_liczba;
  godzina = (float)(h < 0 ? 0.0 : (h > 23.5 ? 23.5 : h));
  return godzina_pliku::dobra;
}

// Header: map name, active player, hour, both golds and both sets of technology flags.
bool czytaj_naglowek(std::FILE* f, tresc_gry& t, const char* plik, char* blad) {
  char nazwa[256];
  if (std::fscanf(f, "%255s", nazwa) != 1) {
    ustaw_blad(blad, plik, "errempty");
    return false;
  }
  if (std::strlen(nazwa) >= (size_t)DLUGOSC_NAZWY_MAPY) {
    ustaw_blad(blad, plik, "errmapname");
    return false;
  }
  t.mapa = nazwa;
  int flagi[8];
  const bool aktywny = czytaj_liczbe(f, t.aktywny);
  const godzina_pliku h = aktywny ? czytaj_godzine(f, t.godzina) : godzina_pliku::uszkodzona;
  if (h == godzina_pliku::nie_liczba) {
    ustaw_blad(blad, plik, "hournotnumber");
    return false;
  }
  if (h != godzina_pliku::dobra || !czytaj_liczby(f, t.zloto + 1, 2) ||
      !czytaj_liczby(f, flagi, 8)) {
    ustaw_blad(blad, plik, "errheader");
    return false;
  }
  if (t.aktywny != 1 && t.aktywny != 2) {
    ustaw_blad(blad, plik, "errplayer");
    return false;
  }
  for (int i = 0; i < 4; i++) {
    t.technologie[1][i] = flagi[i];
    t.technologie[2][i] = flagi[4 + i];
  }
  return true;
}

// Values the game could not hold or would divide by zero with: the full hit points are at
// least 1, and level indexes a table. The 16-bit fields are held in range by their setters.
void przytnij_pola(int* pola) {
  struct zakres {
    int pole, od, doo;
  };
  static const zakres zakresy[] = {
      {3, -MAKS_CECHY, MAKS_CECHY}, {4, 1, MAKS_CECHY},           {5, 0, MAKS_PUNKTOW_RUCHU},
      {6, -MAKS_CECHY, MAKS_CECHY}, {7, -MAKS_CECHY, MAKS_CECHY}, {8, -MAKS_CECHY, MAKS_CECHY},
      {10, 1, MAKS_POZIOM},
  };
  for (const zakres& z : zakresy) pola[z.pole] = przytnij(pola[z.pole], z.od, z.doo);
}

// Reads records up to E, the end or a short record; bad records are logged and dropped.
void czytaj_jednostki(std::FILE* f, tresc_gry& t) {
  int znak;
  while ((std::fscanf(f, " "), znak = std::fgetc(f)) != EOF && znak != 'E') {
    zapis_jednostki z;
    if (!czytaj_liczby(f, z.pola, 14)) {
      piszlog("game file: short unit record, reading stopped", (int)t.jednostki.size());
      return;
    }
    const bool znany = rodzaj_litery((char)znak, z.rodzaj);
    const bool strona = z.pola[0] == 1 || z.pola[0] == 2;
    const bool na_mapie = z.pola[1] >= 0 && z.pola[1] < 60 && z.pola[2] >= 0 && z.pola[2] < 60;
    if (!znany || !strona || !na_mapie) {
      piszlog("game file: unit record dropped, letter", znak);
      continue;
    }
    przytnij_pola(z.pola);
    t.jednostki.push_back(z);
  }
}

bool ma_zamek(const tresc_gry& t, nazwa_pola rodzaj) {
  for (const zapis_jednostki& z : t.jednostki)
    if (z.rodzaj == rodzaj) return true;
  return false;
}

armia* zbuduj_wzorce(const nazwa_pola* rodzaje, int g, stan_gry& s, mapa* m,
                     mapa_jednostek* mj) {
  armia* a = new armia(rodzaje[0], g, s.ekran, m, mj, s.wejscie, -1, -1, false);
  for (int i = 1; i < 6; i++) a->dodaj(rodzaje[i], g, s.ekran, m, mj, s.wejscie, -1, -1, false);
  return a;
}

void ustaw_jednostke(jednostka* j, const int* p) {
  j->zmien_punkty_zycia(p[3]);
  j->zmien_d_punkty_zycia(p[4]);
  j->zmien_punkty_ruchu(p[5]);
  j->zmien_atak(p[6]);
  j->zmien_obrona(p[7]);
  j->zmien_zwinnosc(p[8]);
  j->zmien_do_rozdysponowania(p[9]);
  j->zmien_poziom(p[10]);
  j->zmien_doswiadczenie(p[11]);
  j->zmien_exp(p[12]);
  j->zmien_pieniadze(p[13]);
}

void zbuduj(const tresc_gry& t, stan_gry& s, mapa* m) {
  static const nazwa_pola wzory_1[6] = {pole_robotnik_1, pole_zolnierz, pole_rycerz,
                                        pole_mag,        pole_hydra,    pole_archaniol};
  static const nazwa_pola wzory_2[6] = {pole_ciemny_rycerz, pole_robotnik_2, pole_ognisty,
                                        pole_lord,          pole_smok,       pole_trol};
  s.zwolnij();
  mapa_jednostek* mj = new mapa_jednostek();
  s.teren = m;
  s.siatka = mj;
  s.wzorce_1 = zbuduj_wzorce(wzory_1, 1, s, m, mj);
  s.wzorce_2 = zbuduj_wzorce(wzory_2, 2, s, m, mj);
  for (int g = 1; g <= 2; g++) {
    s.gracze[g] = gracz();
    for (int i = 0; i < 4; i++)
      if (t.technologie[g][i] == 1) s.gracze[g].kup_technologie((short)(i + 2));
    s.gracze[g].zmien_zloto(t.zloto[g]);
  }
  s.armia_glowna = new armia(pole_zolnierz, 0, s.ekran, m, mj, s.wejscie, 1, 1, false);
  for (const zapis_jednostki& z : t.jednostki) {
    s.armia_glowna->dodaj(z.rodzaj, z.pola[0], s.ekran, m, mj, s.wejscie, z.pola[1], z.pola[2],
                          false);
    if (jednostka* j = s.armia_glowna->zwroc_ostatnia()) ustaw_jednostke(j, z.pola);
  }
  s.aktywny_gracz = t.aktywny;
  godzina = t.godzina;
}

// The text key of why the map a game file names was refused: it is something other than a
// file, or it is missing, empty or not a map.
const char* powod_mapy(const std::string& nazwa) {
  const std::string sciezka = znajdz_plik(nazwa.c_str());
  const bool jest = access(sciezka.c_str(), F_OK) == 0;
  return jest && !czy_zwykly_plik(sciezka.c_str()) ? "filenotregular" : "mapunreadable";
}

bool zapisz_tresc(std::FILE* f, const stan_gry& s) {
  const gracz& g1 = s.gracze[1];
  const gracz& g2 = s.gracze[2];
  return std::fprintf(f, "%s", s.teren->zwroc_nazwe()) >= 0 &&
         std::fprintf(f, " %d %f %d %d", s.aktywny_gracz, godzina, g1.pobierz_zloto(),
                      g2.pobierz_zloto()) >= 0 &&
         std::fprintf(f, " %d %d %d %d", g1.sprawdz_technologie(2), g1.sprawdz_technologie(3),
                      g1.sprawdz_technologie(4), g1.sprawdz_technologie(5)) >= 0 &&
         std::fprintf(f, " %d %d %d %d ", g2.sprawdz_technologie(2), g2.sprawdz_technologie(3),
                      g2.sprawdz_technologie(4), g2.sprawdz_technologie(5)) >= 0 &&
         s.armia_glowna->zapisz_jednostki(f);
}

}  // namespace

const char* plik_wyboru(int wybor) {
  return (wybor >= 1 && wybor <= 9) ? pliki_wyboru[wybor] : nullptr;
}

bool wczytaj_gre(const char* plik, stan_gry& stan, char* blad) {
  if (!plik) {
    ustaw_blad(blad, plik, "errnochoice");
    return false;
  }
  std::FILE* f = otworz_do_odczytu(znajdz_plik(plik).c_str());
  if (!f) {
    const bool nie_plik = errno == EISDIR || errno == EINVAL;
    ustaw_blad(blad, plik, nie_plik ? "filenotregular" : "erropen");
    return false;
  }
  tresc_gry t;
  const bool naglowek = czytaj_naglowek(f, t, plik, blad);
  if (naglowek) czytaj_jednostki(f, t);
  std::fclose(f);
  if (!naglowek) return false;
  if (!ma_zamek(t, pole_zamek_gracz_1) || !ma_zamek(t, pole_zamek_gracz_2)) {
    ustaw_blad(blad, plik, "errcastle");
    return false;
  }
  mapa* m = new mapa(stan.ekran, t.mapa.c_str());
  if (!m->czy_wczytana()) {
    delete m;
    ustaw_blad(blad, t.mapa.c_str(), powod_mapy(t.mapa));
    return false;
  }
  zbuduj(t, stan, m);
  if (blad) blad[0] = 0;
  return true;
}

zawartosc_slotu opisz_slot(int slot) {
  const char* plik = plik_wyboru(slot);
  zawartosc_slotu z;
  if (!plik) return z;
  std::FILE* f = otworz_do_odczytu(znajdz_plik(plik).c_str());
  if (!f) {
    z.stan = errno == ENOENT ? zawartosc_slotu::pusty : zawartosc_slotu::uszkodzony;
    return z;
  }
  tresc_gry t;
  const bool naglowek = czytaj_naglowek(f, t, plik, nullptr);
  std::fclose(f);
  z.stan = naglowek ? zawartosc_slotu::gra : zawartosc_slotu::uszkodzony;
  if (naglowek) {
    z.mapa = t.mapa;
    z.godzina = t.godzina;
  }
  return z;
}

bool zapisz_gre(const char* plik, const stan_gry& stan, char* blad) {
  if (!plik || !stan.teren || !stan.armia_glowna) {
    ustaw_blad(blad, plik, "errnogame");
    return false;
  }
  // The whole game is put together in memory first, so the file is written in one go.
  char* tresc = nullptr;
  std::size_t dlugosc = 0;
  std::FILE* f = open_memstream(&tresc, &dlugosc);
  bool dobrze = f && zapisz_tresc(f, stan);
  if (f) dobrze = std::fclose(f) == 0 && dobrze;
  if (!dobrze) errno = ENOMEM;
  dobrze = dobrze && zapisz_atomowo(sciezka_zapisu(plik).c_str(), tresc, dlugosc);
  const int powod = errno;
  std::free(tresc);
  if (!dobrze) {
    // The player reads that the old file is kept; the system's reason goes to the log.
    piszlog(std::strerror(powod), powod);
    // Without a player's folder nothing can be written: that is the reason to give.
    ustaw_blad(blad, plik, czy_zapis_mozliwy() ? "errsave" : "errplayerdir");
    return false;
  }
  if (blad) blad[0] = 0;
  return true;
}
