// Seeded headless games between two players, each one of: the classic computer, the strong
// computer, a side that does nothing but end its turns, and a random clicker. Every game runs
// the real frame of the main loop, as the long-game tests do, on one of the four shipped
// battlefields, until a castle falls or the turn limit.
//
//   turniej A B [--mapa N] [--gry N] [--tury N] [--ziarno N]
//
// A plays side 1 (blue), B side 2 (yellow). --mapa 0 (the default) plays every map in turn.
// A turn is one side's turn. The last line reads "wins A a B b undecided u".
#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "armia.h"
#include "globalne.h"
#include "gra_na_mapie.h"
#include "gracz_losowy.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "rozgrywka.h"

namespace {

enum rodzaj_gracza { klasyczny, silny, bezczynny, losowy };

struct nazwa_gracza {
  const char* nazwa;
  rodzaj_gracza rodzaj;
};
const nazwa_gracza NAZWY[] = {
    {"classic", klasyczny}, {"strong", silny}, {"idle", bezczynny}, {"random", losowy}};

bool czytaj_gracza(const char* s, rodzaj_gracza& r) {
  for (const nazwa_gracza& n : NAZWY)
    if (std::strcmp(s, n.nazwa) == 0) {
      r = n.rodzaj;
      return true;
    }
  return false;
}

bool czy_komputer(rodzaj_gracza r) { return r == klasyczny || r == silny; }

// The clocks of a seeded game: the animation clock stands still (no full redraws, nothing
// is looked at), and the seconds that seed each frame's draws advance one every eight
// frames, about the pace of a computer turn shown order by order.
long klatki_gry = 0;
long ziarno_gry = 0;
long zegar_staly() { return 0; }
long sekundy_gry() { return ziarno_gry * 100003L + klatki_gry / 8; }

void klatka(rozgrywka& r) {
  r.klatka();
  ++klatki_gry;
}

bool koniec_gry(const rozgrywka& r) {
  return r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry;
}

void pusc_mysz() {
  mouse_x = 512;
  mouse_y = 300;
  mouse_b = 0;
}

// A press and a release on a screen point, one frame each.
void klik_punktu(rozgrywka& r, int x, int y, int przycisk_myszy) {
  mouse_x = x;
  mouse_y = y;
  mouse_b = przycisk_myszy;
  klatka(r);
  mouse_b = 0;
  klatka(r);
}

void klik_przycisku(rozgrywka& r, int nr) {
  const przycisk* p = r.pobierz_przycisk(nr);
  klik_punktu(r, p->pobierz_x() + 50, p->pobierz_y() + 10, 1);
}

// A side that never moves or buys: it ends each turn with the button.
void tura_bezczynna(rozgrywka& r, stan_gry& s) {
  const int strona = s.aktywny_gracz;
  for (int proba = 0; proba < 10 && s.aktywny_gracz == strona && !koniec_gry(r); ++proba)
    klik_przycisku(r, rozgrywka::p_koniec_tury);
  pusc_mysz();
}

// The computer's turn: frames until the side changes; a turn that never ends is ended with
// the button after a generous number of frames, and counted.
long zawieszone_tury = 0;
void tura_komputera(rozgrywka& r, stan_gry& s) {
  const int strona = s.aktywny_gracz;
  long klatki = 0;
  while (s.aktywny_gracz == strona && !koniec_gry(r)) {
    klatka(r);
    if (++klatki > 50000) {
      ++zawieszone_tury;
      r.koniec_tury();
      return;
    }
  }
}

// The battlefield as text: terrain marks, and each unit as its kind's letter of the game
// files, upper case for side 1 and lower case for side 2.
void rysuj_plansze(const stan_gry& s, int tura) {
  static const char TEREN[] = "?.f~L^so:";
  std::printf("turn %d, hour %.1f, gold %d/%d\n", tura, godzina, s.gracze[1].pobierz_zloto(),
              s.gracze[2].pobierz_zloto());
  for (int y = 0; y < ROZMIAR_MAPY; ++y) {
    std::string w(y % 2 ? " " : "");
    for (int x = 0; x < ROZMIAR_MAPY; ++x) {
      const int z = s.teren->jakie_pole(x, y);
      char c = (z >= '1' && z <= '8') ? TEREN[z - '0'] : '?';
      if (jednostka* j = s.siatka->pobierz_jednostke(x, y)) {
        c = litera_rodzaju(j->pobierz_wyglad());
        if (j->pobierz_gracz() == 2) c = char(c - 'A' + 'a');
      }
      w += c;
      w += ' ';
    }
    std::printf("%s\n", w.c_str());
  }
}
int co_ile_plansza = 0;

struct wynik_gry {
  int zwyciezca;  // 1, 2, or 0 for an undecided game
  int tury;
  long klatki;
  int zamki[3];     // the castles' hit points at the end
  int jednostki[3]; // live units of each side at the end, buildings included
  int zloto[3];
};

void podsumuj(const stan_gry& s, wynik_gry& w) {
  for (int g = 1; g <= 2; ++g) {
    jednostka* z = s.armia_glowna->zwroc_jednostke(g == 1 ? pole_zamek_gracz_1
                                                          : pole_zamek_gracz_2);
    w.zamki[g] = z ? z->pobierz_punkty_zycia() : 0;
    w.zloto[g] = s.gracze[g].pobierz_zloto();
    w.jednostki[g] = int(zywe_jednostki(s.armia_glowna, g).size());
  }
}

wynik_gry zagraj(const rodzaj_gracza gracze[3], int mapa_nr, int tury, long ziarno) {
  gra_na_mapie g(mapa_nr, zegar_staly);
  if (!g.wczytana) {
    std::fprintf(stderr, "map %d: %s\n", mapa_nr, g.blad);
    std::exit(2);
  }
  g.stan.dzwiek_wlaczony = false;
  ziarno_gry = ziarno;
  klatki_gry = 0;
  std::srand((unsigned)ziarno);
  pusc_mysz();
  stan_gry& s = g.stan;
  // Who plays: the computer plays the side on turn; while a person's side is on turn, ai
  // names the other side when a computer plays it, as in a game against the computer.
  auto ustaw_graczy = [&]() {
    const int strona = s.aktywny_gracz, inna = 3 - strona;
    const rodzaj_gracza kto = gracze[strona];
    ai = short(czy_komputer(kto) ? strona : (czy_komputer(gracze[inna]) ? inna : 0));
    const rodzaj_gracza komputer = czy_komputer(kto) ? kto : gracze[inna];
    sila_komputera = short(komputer == silny ? SILA_SILNA : SILA_KLASYCZNA);
  };
  ustaw_graczy();
  rozgrywka r(s, &g.okna, false);
  r.ustaw_oddawanie_procesora(false);
  auto licz_klatke = [] { return ++klatki_gry, true; };
  gracz_losowy losowi[3] = {{r, s, unsigned(ziarno) * 7919u + 1u, licz_klatke},
                            {r, s, unsigned(ziarno) * 7919u + 2u, licz_klatke},
                            {r, s, unsigned(ziarno) * 7919u + 3u, licz_klatke}};
  int tura = 0;
  while (tura < tury && !koniec_gry(r)) {
    ++tura;
    const int strona = s.aktywny_gracz;
    const rodzaj_gracza kto = gracze[strona];
    ustaw_graczy();
    if (co_ile_plansza && tura % co_ile_plansza == 0) rysuj_plansze(s, tura);
    switch (kto) {
      case klasyczny:
      case silny: tura_komputera(r, s); break;
      case bezczynny: tura_bezczynna(r, s); break;
      case losowy: losowi[strona].tura(); break;
    }
  }
  wynik_gry w{r.zwyciezca(), tura, klatki_gry, {}, {}, {}};
  podsumuj(s, w);
  return w;
}

int liczba_z(const char* s) { return std::atoi(s); }

}  // namespace

int main(int argc, char** argv) {
  rodzaj_gracza gracze[3] = {klasyczny, klasyczny, klasyczny};
  if (argc < 3 || !czytaj_gracza(argv[1], gracze[1]) || !czytaj_gracza(argv[2], gracze[2])) {
    std::fprintf(stderr,
                 "usage: turniej A B [--mapa N] [--gry N] [--tury N] [--ziarno N]\n"
                 "  A, B: classic, strong, idle or random; A plays side 1 (blue)\n");
    return 2;
  }
  int mapa_nr = 0, gry = 20, tury = 400;
  long ziarno = 1;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string opcja = argv[i];
    if (opcja == "--mapa") mapa_nr = liczba_z(argv[i + 1]);
    else if (opcja == "--gry") gry = liczba_z(argv[i + 1]);
    else if (opcja == "--tury") tury = liczba_z(argv[i + 1]);
    else if (opcja == "--ziarno") ziarno = std::atol(argv[i + 1]);
    else if (opcja == "--plansza") co_ile_plansza = liczba_z(argv[i + 1]);
    else {
      std::fprintf(stderr, "unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (mapa_nr < 0 || mapa_nr > 4 || gry < 1 || tury < 1) {
    std::fprintf(stderr, "--mapa takes 0 to 4, --gry and --tury at least 1\n");
    return 2;
  }
  if (chdir(GRA_KATALOG_ZRODEL) != 0) {
    std::perror(GRA_KATALOG_ZRODEL);
    return 2;
  }
  uruchom_bez_ekranu();
  set_config_file("gm_en.cfg");
  dev_mode = false;
  for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
  ustaw_zegar_losowania(sekundy_gry);

  int wygrane[3] = {0, 0, 0};
  long suma_tur[3] = {0, 0, 0};
  for (int n = 0; n < gry; ++n) {
    const int m = mapa_nr ? mapa_nr : 1 + n % 4;
    const wynik_gry w = zagraj(gracze, m, tury, ziarno + n);
    ++wygrane[w.zwyciezca];
    suma_tur[w.zwyciezca] += w.tury;
    std::printf(
        "game %d: map %d, seed %ld, %s after %d turns (%ld frames); castles %d/%d, units "
        "%d/%d, gold %d/%d\n",
        n + 1, m, ziarno + n, w.zwyciezca ? (w.zwyciezca == 1 ? argv[1] : argv[2]) : "undecided",
        w.tury, w.klatki, w.zamki[1], w.zamki[2], w.jednostki[1], w.jednostki[2], w.zloto[1],
        w.zloto[2]);
    std::fflush(stdout);
  }
  for (int g = 1; g <= 2; ++g)
    if (wygrane[g])
      std::printf("%s (side %d) won %d in %.1f turns on average\n", argv[g], g, wygrane[g],
                  double(suma_tur[g]) / wygrane[g]);
  if (zawieszone_tury) std::printf("computer turns ended by the button: %ld\n", zawieszone_tury);
  std::printf("wins %s %d %s %d undecided %d\n", argv[1], wygrane[1], argv[2], wygrane[2],
              wygrane[0]);
  return 0;
}
