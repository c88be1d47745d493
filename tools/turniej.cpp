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
#include <random>
#include <string>
#include <vector>

#include "armia.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "zdarzenia.h"

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

// A headless game on a shipped battlefield.
struct gra_na_mapie {
  grafika ekran{tryb_grafiki::pamiec};
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  gra_na_mapie() {
    ekran.ustaw_zegar(zegar_staly);
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    stan.dzwiek_wlaczony = false;
  }
  ~gra_na_mapie() { stan.zwolnij(); }
};

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

// A player who clicks at random through the real mouse input: selects its units, orders
// them to fields near them (leaning toward the enemy castle) or onto an enemy beside them,
// wanders through the shops, and ends its turn after a few dozen actions.
class gracz_losowy {
 public:
  gracz_losowy(rozgrywka& r, stan_gry& s, unsigned ziarno) : r(r), s(s), los(ziarno) {}

  void tura() {
    strona = s.aktywny_gracz;
    const int akcje = los_z(10, 30);
    for (int i = 0; i < akcje && s.aktywny_gracz == strona && !koniec_gry(r); ++i) {
      const int rzut = los_z(0, 99);
      if (s.wejscie->zwroc_okno() != 0)
        klik_punktu(r, 320 + 130, 216 + 125, 1);  // the message window's only button
      else if (rzut < 35)
        wybierz_jednostke();
      else if (rzut < 80)
        wydaj_rozkaz();
      else
        przycisk_panelu();
    }
    for (int proba = 0; proba < 10 && s.aktywny_gracz == strona && !koniec_gry(r); ++proba) {
      if (r.pobierz_tryb_panelu() != rozgrywka::panel_jednostki)
        r.zmien_tryb_panelu(rozgrywka::panel_jednostki);
      klik_przycisku(r, rozgrywka::p_koniec_tury);
    }
    pusc_mysz();
  }

 private:
  int los_z(int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los); }

  std::vector<jednostka*> zywe(int gracz) const {
    std::vector<jednostka*> w;
    for (armia* a = s.armia_glowna; a; a = a->pobierz_nastepna()) {
      jednostka* j = a->pobierz_jednostke();
      if (j && j->pobierz_gracz() == gracz && j->pobierz_punkty_zycia() >= 1) w.push_back(j);
    }
    return w;
  }

  // Scrolls the view so the field is in the middle, as a player would, and lets one frame
  // draw it.
  void pokaz_pole(int fx, int fy) {
    int x = fx < 13 ? 13 : (fx > 47 ? 47 : fx);
    int y = (fy & ~1) < 10 ? 10 : ((fy & ~1) > 50 ? 50 : (fy & ~1));
    s.teren->ustaw_srodek(punkt(float(x), float(y)));
    pusc_mysz();
    klatka(r);
  }

  // The screen point at the centre of a field in the current view; false when the field lies
  // outside the calm middle of the view.
  bool punkt_pola(int fx, int fy, int& px, int& py) const {
    const punkt start = s.teren->start_ekranu();
    const int c = fx - int(start.rx()), w = fy - int(start.ry());
    if (!czy_na_mapie(fx, fy) || c < 3 || c > 22 || w < 3 || w > 18) return false;
    px = c * 40 + (w % 2) * 20 - 11 + 20;
    py = w * 30 + 2 + 20;
    return true;
  }

  void klik_pola(int fx, int fy, int przycisk_myszy) {
    int px, py;
    if (!punkt_pola(fx, fy, px, py)) {
      pokaz_pole(fx, fy);
      if (!punkt_pola(fx, fy, px, py)) return;
    }
    klik_punktu(r, px, py, przycisk_myszy);
    pusc_mysz();
  }

  void wybierz_jednostke() {
    std::vector<jednostka*> wszystkie = zywe(strona), z_punktami;
    for (jednostka* j : wszystkie)
      if (j->pobierz_punkty_ruchu() > 0) z_punktami.push_back(j);
    std::vector<jednostka*>& z = !z_punktami.empty() && los_z(0, 3) != 0 ? z_punktami : wszystkie;
    if (z.empty()) return;
    jednostka* j = z[los_z(0, int(z.size()) - 1)];
    klik_pola(j->pobierz_x(), j->pobierz_y(), 1);
  }

  void wydaj_rozkaz() {
    jednostka* a = s.armia_glowna->zwroc_aktywna();
    if (!a || a->pobierz_gracz() != strona || a->pobierz_punkty_ruchu() < 1) {
      wybierz_jednostke();
      return;
    }
    const int ax = a->pobierz_x(), ay = a->pobierz_y();
    if (los_z(0, 1) == 0) {
      std::vector<jednostka*> bliscy;
      for (jednostka* j : zywe(3 - strona))
        if (std::abs(j->pobierz_x() - ax) <= 2 && std::abs(j->pobierz_y() - ay) <= 2)
          bliscy.push_back(j);
      if (!bliscy.empty()) {
        jednostka* j = bliscy[los_z(0, int(bliscy.size()) - 1)];
        klik_pola(j->pobierz_x(), j->pobierz_y(), 2);
        return;
      }
    }
    jednostka* zamek = s.armia_glowna->zwroc_jednostke(strona == 1 ? pole_zamek_gracz_2
                                                                   : pole_zamek_gracz_1);
    const int kx = zamek ? (zamek->pobierz_x() > ax) - (zamek->pobierz_x() < ax) : 0;
    const int ky = zamek ? (zamek->pobierz_y() > ay) - (zamek->pobierz_y() < ay) : 0;
    const int fx = ax + los_z(-3, 3) + kx * los_z(0, 3);
    const int fy = ay + los_z(-3, 3) + ky * los_z(0, 3);
    if (czy_na_mapie(fx, fy)) klik_pola(fx, fy, 2);
  }

  void przycisk_panelu() {
    static const int JEDNOSTKA[] = {rozgrywka::p_kup, rozgrywka::p_kup, rozgrywka::p_ulecz,
                                    rozgrywka::p_napraw, rozgrywka::p_trenuj};
    static const int PUNKTY[] = {rozgrywka::p_atak, rozgrywka::p_obrona, rozgrywka::p_zwinnosc};
    static const int WYBOR[] = {rozgrywka::p_kup_jednostke, rozgrywka::p_kup_technologie,
                                rozgrywka::p_powrot};
    static const int SKLEP[] = {rozgrywka::p_nastepna, rozgrywka::p_poprzednia, rozgrywka::p_kup,
                                rozgrywka::p_kup, rozgrywka::p_powrot};
    static const int TECHNOLOGIE[] = {rozgrywka::p_technologia1, rozgrywka::p_technologia2,
                                      rozgrywka::p_technologia3, rozgrywka::p_technologia4,
                                      rozgrywka::p_powrot};
    auto jeden_z = [this](const int* t, int n) { klik_przycisku(r, t[los_z(0, n - 1)]); };
    switch (r.pobierz_tryb_panelu()) {
      case rozgrywka::panel_jednostki: {
        jednostka* a = s.armia_glowna->zwroc_aktywna();
        if (a && a->pobierz_gracz() == strona && a->pobierz_do_rozdysponowania() >= 1)
          jeden_z(PUNKTY, 3);
        else
          jeden_z(JEDNOSTKA, 5);
        break;
      }
      case rozgrywka::panel_wybor_sklepu: jeden_z(WYBOR, 3); break;
      case rozgrywka::panel_sklep: jeden_z(SKLEP, 5); break;
      case rozgrywka::panel_technologie: jeden_z(TECHNOLOGIE, 5); break;
      default: break;
    }
    pusc_mysz();
  }

  rozgrywka& r;
  stan_gry& s;
  std::mt19937 los;
  int strona = 1;
};

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
    w.jednostki[g] = 0;
  }
  for (armia* a = s.armia_glowna; a; a = a->pobierz_nastepna()) {
    jednostka* j = a->pobierz_jednostke();
    if (j && j->pobierz_punkty_zycia() >= 1 && (j->pobierz_gracz() == 1 || j->pobierz_gracz() == 2))
      ++w.jednostki[j->pobierz_gracz()];
  }
}

wynik_gry zagraj(const rodzaj_gracza gracze[3], int mapa_nr, int tury, long ziarno) {
  gra_na_mapie g;
  char blad[256] = "";
  if (!wczytaj_gre(plik_wyboru(5 + mapa_nr), g.stan, blad)) {
    std::fprintf(stderr, "map %d: %s\n", mapa_nr, blad);
    std::exit(2);
  }
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
  gracz_losowy losowi[3] = {{r, s, unsigned(ziarno) * 7919u + 1u},
                            {r, s, unsigned(ziarno) * 7919u + 2u},
                            {r, s, unsigned(ziarno) * 7919u + 3u}};
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
