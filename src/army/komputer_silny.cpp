#include "komputer_silny.h"

#include <algorithm>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "ocena_walki.h"
#include "rodzaje.h"
#include "stan_gry.h"
#include "zakupy.h"

namespace {

bool czy_wieza(nazwa_pola w) { return w == pole_wieza_1 || w == pole_wieza_2; }
bool czy_miasto(nazwa_pola w) { return w == pole_miasto_1 || w == pole_miasto_2; }
bool czy_robotnik(nazwa_pola w) { return w == pole_robotnik_1 || w == pole_robotnik_2; }
bool czy_budynek(nazwa_pola w) { return czy_wieza(w) || czy_miasto(w) || czy_zamek(w); }
bool czy_zywa(jednostka* j) { return j && j->pobierz_punkty_zycia() > 0; }

// Gold values the judgement weighs against each other.
const double NAGRODA_MIASTA = 700.0;   // a town taken: income for us, less for them, a hospital
const double NAGRODA_WIEZY = 600.0;    // a tower taken: one gun less for them, one more for us
const double NAGRODA_ZAMKU = 1.0e6;    // the game
const double ZA_PUNKT_DROGI = 3.0;     // a movement point nearer the goal
const double ZA_ZYCIE_ZAMKU = 3.0;     // a hit point off the enemy castle, outside an assault
const double ZA_ZYCIE_ZAMKU_SZTURM = 25.0;
const double ZA_DOSWIADCZENIE = 1.0;   // a point of experience for one of ours
const double AGRESJA = 1.15;           // damage dealt counts a little more than damage taken
const double CZESC_RANNEJ = 0.45;      // below this share of its hit points a unit goes to heal
const double CZESC_ZDROWEJ = 0.85;     // healing stops here
const int DALEKO_DO_LECZENIA = 30;     // a hospital farther than this is not worth the walk
const int WOJOWNICY_NA_START = 8;      // fighters bought before saving for the first technology

// The hit points of a unit grown by the levels its experience has brought (each level adds
// the share defence / 500).
int zycie_zamku(int zycie, int obrona, int doswiadczenie) {
  double z = zycie;
  for (int p : PROGI_POZIOMOW)
    if (doswiadczenie >= p) z += z * (obrona / 500.0);
  return (int)z;
}

int znak_pola(const stan_gry& s, int x, int y) { return s.teren ? s.teren->jakie_pole(x, y) : '1'; }

}  // namespace

komputer_silny::komputer_silny(stan_gry& s)
    : stan(s), ciosy_wroga(LICZBA_POL, 0.0f), atak_wroga(LICZBA_POL, 0.0f) {}

// ---- The turn ------------------------------------------------------------------------------

// A new turn of a side begins when the side or the hour differs from the last call's.
void komputer_silny::przygotuj(int gracz) {
  if (gracz != strona_tury || godzina != godzina_tury) nowa_tura(gracz);
  zbierz_jednostki();
  // Our unit that struck the castle last and fell gave it its experience.
  if (atakujacy_zamek &&
      (!czy_zywa(atakujacy_zamek) || atakujacy_zamek->pobierz_gracz() != strona)) {
    doswiadczenie_zamku[strona] += atakujacy_zamek->pobierz_exp();
    atakujacy_zamek = nullptr;
  }
  if ((int)wrogie.size() != wrogie_przy_mapach) {
    oblicz_mapy();
    oblicz_zagrozenie();
  }
}

void komputer_silny::nowa_tura(int gracz) {
  strona_tury = gracz;
  godzina_tury = godzina;
  strona = gracz;
  wrog = 3 - gracz;
  zrobione.clear();
  biezaca = nullptr;
  zamek_wlasny = stan.armia_glowna->zwroc_jednostke(strona == 1 ? pole_zamek_gracz_1
                                                               : pole_zamek_gracz_2);
  zamek_wroga = stan.armia_glowna->zwroc_jednostke(strona == 1 ? pole_zamek_gracz_2
                                                              : pole_zamek_gracz_1);
  atakujacy_zamek = nullptr;
  zbierz_jednostki();
  oblicz_mapy();
  oblicz_zagrozenie();
  ocen_sily();
  ocen_szturm();
}

// The fighting strength of each side (attack times hit points of everything that can
// strike), and from their ratio how careful to be.
void komputer_silny::ocen_sily() {
  double nasza = 0.0, ich = 0.0;
  for (jednostka* j : wlasne) {
    const nazwa_pola r = j->pobierz_wyglad();
    if (czy_miasto(r) || czy_zamek(r) || czy_robotnik(r)) continue;
    nasza += (double)j->pobierz_atak() * j->pobierz_punkty_zycia();
  }
  for (jednostka* w : wrogie) {
    const nazwa_pola r = w->pobierz_wyglad();
    if (czy_miasto(r) || czy_zamek(r) || czy_robotnik(r)) continue;
    const obraz_jednostki o = obraz(w);
    ich += (double)o.atak * o.zycie;
  }
  const double przewaga = nasza / std::max(1.0, ich);
  ostroznosc = std::min(1.0, std::max(0.1, 2.0 / std::max(1.0, przewaga)));
}

void komputer_silny::zbierz_jednostki() {
  wlasne.clear();
  wrogie.clear();
  for (armia* a = stan.armia_glowna; a; a = a->pobierz_nastepna()) {
    jednostka* j = a->pobierz_jednostke();
    if (!czy_zywa(j)) continue;
    if (j->pobierz_gracz() == strona) wlasne.push_back(j);
    else if (j->pobierz_gracz() == wrog) wrogie.push_back(j);
  }
}

void komputer_silny::oblicz_mapy() {
  wrogie_przy_mapach = (int)wrogie.size();
  std::vector<int> zamek, cele, lecznice, dom;
  auto sasiedzi = [](jednostka* j, std::vector<int>& do_) {
    for (int s = 0; s < 6; ++s) {
      int nx, ny;
      sasiad(j->pobierz_x(), j->pobierz_y(), s, nx, ny);
      if (czy_na_mapie(nx, ny)) do_.push_back(ny * ROZMIAR_MAPY + nx);
    }
  };
  if (zamek_wroga && czy_zywa(zamek_wroga)) sasiedzi(zamek_wroga, zamek);
  for (jednostka* w : wrogie) sasiedzi(w, cele);
  for (jednostka* j : wlasne)
    if (czy_miasto(j->pobierz_wyglad()) || j == zamek_wlasny) sasiedzi(j, lecznice);
  if (zamek_wlasny) sasiedzi(zamek_wlasny, dom);
  do_zamku_wroga.oblicz(*stan.teren, stan.siatka, zamek);
  do_celow.oblicz(*stan.teren, stan.siatka, cele);
  do_lecznic.oblicz(*stan.teren, stan.siatka, lecznice);
  do_domu.oblicz(*stan.teren, stan.siatka, dom);
  if (do_kopalni.czy_pusta()) {
    std::vector<int> kopalnie;
    for (int y = 0; y < ROZMIAR_MAPY; ++y)
      for (int x = 0; x < ROZMIAR_MAPY; ++x) {
        if (znak_pola(stan, x, y) != '5') continue;
        for (int s = 0; s < 6; ++s) {
          int nx, ny;
          sasiad(x, y, s, nx, ny);
          if (czy_na_mapie(nx, ny) && znak_pola(stan, nx, ny) == '5') {
            kopalnie.push_back(y * ROZMIAR_MAPY + x);
            break;
          }
        }
      }
    do_kopalni.oblicz(*stan.teren, nullptr, kopalnie);
  }
}

// Where the other side can strike before our next turn: its units within their moves and a
// step, its towers within the square they watch.
void komputer_silny::oblicz_zagrozenie() {
  std::fill(ciosy_wroga.begin(), ciosy_wroga.end(), 0.0f);
  std::fill(atak_wroga.begin(), atak_wroga.end(), 0.0f);
  for (jednostka* w : wrogie) {
    const nazwa_pola r = w->pobierz_wyglad();
    if (czy_miasto(r) || czy_zamek(r)) continue;
    const obraz_jednostki o = obraz(w);
    const int wx = w->pobierz_x(), wy = w->pobierz_y();
    const bool wieza = czy_wieza(r);
    const int zasieg = wieza ? o.ruchy + 1 : o.ruchy + 1;
    const float ciosy = wieza ? 3.0f : 2.0f;
    for (int y = std::max(0, wy - zasieg); y <= std::min(ROZMIAR_MAPY - 1, wy + zasieg); ++y)
      for (int x = std::max(0, wx - zasieg); x <= std::min(ROZMIAR_MAPY - 1, wx + zasieg); ++x) {
        if (!wieza && odleglosc_heksow(wx, wy, x, y) > zasieg) continue;
        const int i = y * ROZMIAR_MAPY + x;
        ciosy_wroga[i] += ciosy;
        atak_wroga[i] = std::max(atak_wroga[i], (float)o.atak);
      }
  }
}

// An assault goes in when the units near the castle can bring it down within three turns,
// fighting to the last, with a quarter to spare: the castle's sides hold six units at once,
// so a turn sees about two units a side; each unit that falls gives the castle its
// experience, a level makes its hit points grow by a share, and each end of turn heals it.
// Once begun, the assault goes on while it can still succeed without the spare.
void komputer_silny::ocen_szturm() {
  const bool trwal = szturm && szturm_strony == strona;
  szturm = false;
  szturm_strony = strona;
  if (!zamek_wroga || !czy_zywa(zamek_wroga)) return;
  const obraz_jednostki z = obraz(zamek_wroga);
  struct udzial {
    int tura;
    double obrazenia;
    int exp;
    bool pada;
  };
  std::vector<udzial> udzialy;
  for (jednostka* j : wlasne) {
    const nazwa_pola r = j->pobierz_wyglad();
    if (czy_budynek(r) || czy_robotnik(r)) continue;
    const int d = do_zamku_wroga.odleglosc(j->pobierz_x(), j->pobierz_y());
    const int ruchy = std::max(1, j->pobierz_d_punkty_ruchu()), punkty = j->pobierz_punkty_ruchu();
    int tura = 0, zostaje = punkty - d;
    if (zostaje < 1) {
      tura = 1 + (d - punkty) / ruchy;
      zostaje = ruchy - (d - punkty - (tura - 1) * ruchy);
    }
    if (tura > 2 || zostaje < 1) continue;
    float a = (float)j->pobierz_atak(), o = (float)j->pobierz_obrona();
    sily_w_walce('1', true, strona, godzina, a, o);
    const double zadane = srednie_obrazenia(a, (float)z.obrona);
    const double otrzymane = std::max(1.0, srednie_obrazenia((float)z.atak, o));
    const double do_smierci = j->pobierz_punkty_zycia() / otrzymane;
    const double ciosy = std::min((double)zostaje, do_smierci);
    udzialy.push_back({tura, ciosy * zadane, j->pobierz_exp(), ciosy >= do_smierci - 0.5});
  }
  std::sort(udzialy.begin(), udzialy.end(),
            [](const udzial& a, const udzial& b) { return a.obrazenia > b.obrazenia; });
  int boki = 0;
  for (int s = 0; s < 6; ++s) {
    int nx, ny;
    sasiad(zamek_wroga->pobierz_x(), zamek_wroga->pobierz_y(), s, nx, ny);
    if (czy_na_mapie(nx, ny) && znak_pola(stan, nx, ny) != '3') ++boki;
  }
  double zycie = z.zycie, potrzebne = 0.0, zapas = 0.0;
  int exp = doswiadczenie_zamku[strona];
  std::vector<bool> uzyty(udzialy.size(), false);
  bool pada = false;
  for (int tura = 0; tura < 3; ++tura) {
    int miejsca = 3 * boki;
    for (std::size_t i = 0; i < udzialy.size() && miejsca > 0; ++i) {
      if (uzyty[i] || udzialy[i].tura > tura) continue;
      uzyty[i] = true;
      --miejsca;
      if (pada) {
        zapas += udzialy[i].obrazenia;
        continue;
      }
      potrzebne += udzialy[i].obrazenia;
      zycie -= udzialy[i].obrazenia;
      if (zycie <= 0.0) {
        pada = true;
        zapas = -zycie;
        continue;
      }
      if (!udzialy[i].pada) continue;
      zycie *= (double)zycie_zamku(100000, z.obrona, exp + udzialy[i].exp) /
               zycie_zamku(100000, z.obrona, exp);
      exp += udzialy[i].exp;
    }
    if (!pada)
      zycie += 0.05 * z.d_zycie * zycie_zamku(100000, z.obrona, exp) /
               zycie_zamku(100000, z.obrona, doswiadczenie_zamku[strona]);
  }
  szturm = pada && (trwal || zapas >= 0.25 * potrzebne);
}

bool komputer_silny::czy_zrobiona(const jednostka* j) const {
  return std::find(zrobione.begin(), zrobione.end(), j) != zrobione.end();
}

void komputer_silny::zrob(jednostka* j) {
  if (!czy_zrobiona(j)) zrobione.push_back(j);
  if (biezaca == j) biezaca = nullptr;
}

jednostka* komputer_silny::nastepna_jednostka(int gracz) {
  przygotuj(gracz);
  auto moze = [this](jednostka* j) {
    return czy_zywa(j) && j->pobierz_gracz() == strona && j->pobierz_punkty_ruchu() > 0 &&
           !czy_zrobiona(j);
  };
  if (biezaca && moze(biezaca)) return biezaca;
  // Units already facing an enemy fight first, then the towers, then the rest in army order.
  jednostka* wybrana = nullptr;
  int najlepsza = -1;
  for (jednostka* j : wlasne) {
    if (!moze(j)) continue;
    int waga = 0;
    if (czy_wieza(j->pobierz_wyglad())) waga = 1;
    for (int s = 0; s < 6 && waga < 2; ++s) {
      int nx, ny;
      sasiad(j->pobierz_x(), j->pobierz_y(), s, nx, ny);
      jednostka* n = stan.siatka->pobierz_jednostke(nx, ny);
      if (n && n->pobierz_gracz() == wrog && czy_zywa(n)) waga = 2;
    }
    if (waga > najlepsza) {
      najlepsza = waga;
      wybrana = j;
    }
  }
  biezaca = wybrana;
  return wybrana;
}

bool komputer_silny::czy_koniec_tury(int gracz) {
  przygotuj(gracz);
  for (jednostka* j : wlasne)
    if (j->pobierz_punkty_ruchu() > 0 && !czy_zrobiona(j)) return false;
  return true;
}

// ---- What the side sees ----------------------------------------------------------------------

komputer_silny::obraz_jednostki komputer_silny::obraz(jednostka* j) const {
  if (j->pobierz_gracz() == strona)
    return {j->pobierz_punkty_zycia(), j->pobierz_d_punkty_zycia(), j->pobierz_atak(),
            j->pobierz_obrona(), j->pobierz_d_punkty_ruchu(), j->pobierz_cene(), j->pobierz_exp()};
  const dane_rodzaju* r = znajdz_rodzaj(j->pobierz_wyglad());
  if (!r) return {1, 1, 0, 0, 0, 0, 0};
  // The health bar is 43 pixels wide: a full bar reads as the kind's hit points.
  const int pasek = szerokosc_paska_zycia(j->pobierz_punkty_zycia(), j->pobierz_d_punkty_zycia());
  int d_zycie = r->zycie;
  if (czy_zamek(r->wyglad)) d_zycie = zycie_zamku(r->zycie, r->obrona, doswiadczenie_zamku[strona]);
  const int zycie = pasek >= 43 ? d_zycie : std::max(1, (int)((pasek + 0.5) * d_zycie / 43.0));
  return {zycie, d_zycie, r->atak, r->obrona, r->ruchy, r->cena, r->exp};
}

bool komputer_silny::czy_przyjaciel_obok(int x, int y, int gracz, const jednostka* bez) const {
  for (int s = 0; s < 6; ++s) {
    int nx, ny;
    sasiad(x, y, s, nx, ny);
    jednostka* n = stan.siatka->pobierz_jednostke(nx, ny);
    if (n && n != bez && n->pobierz_gracz() == gracz) return true;
  }
  return false;
}

// A unit of ours is worth its price, more when its attack and defence beat its kind's.
double komputer_silny::wartosc_jednostki(jednostka& j) const {
  const nazwa_pola r = j.pobierz_wyglad();
  if (czy_zamek(r)) return NAGRODA_ZAMKU;
  if (czy_wieza(r)) return NAGRODA_WIEZY;
  if (czy_miasto(r)) return NAGRODA_MIASTA;
  const dane_rodzaju* d = znajdz_rodzaj(r);
  double jakosc = 1.0;
  if (d && d->atak > 0 && d->obrona > 0)
    jakosc = std::max(1.0, (double)j.pobierz_atak() * j.pobierz_obrona() / (d->atak * d->obrona));
  return j.pobierz_cene() * jakosc + (czy_robotnik(r) ? 150.0 : 0.0);
}

bool komputer_silny::czy_ranna(jednostka& j) const {
  return j.pobierz_punkty_zycia() < CZESC_RANNEJ * j.pobierz_d_punkty_zycia();
}

bool komputer_silny::czy_przy_lecznicy(jednostka& j) const {
  return do_lecznic.odleglosc(j.pobierz_x(), j.pobierz_y()) == 0 &&
         (j.sprawdz_sasiadow("zamek") || j.sprawdz_sasiadow("miasto"));
}

// The cheapest fighters dig for gold on the mountains while no enemy is near them and no
// assault needs them.
bool komputer_silny::czy_gornik(jednostka& j) const {
  const nazwa_pola r = j.pobierz_wyglad();
  if ((r != pole_zolnierz && r != pole_ciemny_rycerz) || szturm || czy_ranna(j)) return false;
  if (do_kopalni.odleglosc(j.pobierz_x(), j.pobierz_y()) >= mapa_odleglosci::NIEOSIAGALNE)
    return false;
  for (jednostka* w : wrogie) {
    const nazwa_pola rw = w->pobierz_wyglad();
    if (czy_miasto(rw) || czy_zamek(rw)) continue;
    if (odleglosc_heksow(w->pobierz_x(), w->pobierz_y(), j.pobierz_x(), j.pobierz_y()) <= 6)
      return false;
  }
  return true;
}

const mapa_odleglosci& komputer_silny::cel_jednostki(jednostka& j) const {
  if (czy_robotnik(j.pobierz_wyglad())) return do_domu;
  if (czy_gornik(j)) return do_kopalni;
  if (czy_ranna(j) && !szturm &&
      do_lecznic.odleglosc(j.pobierz_x(), j.pobierz_y()) <= DALEKO_DO_LECZENIA)
    return do_lecznic;
  if (szturm) return do_zamku_wroga;
  return do_celow;
}

// ---- Values ----------------------------------------------------------------------------------

double komputer_silny::wartosc_ciosu(jednostka& j, int x, int y, jednostka& w) const {
  const obraz_jednostki oj = obraz(&j), ow = obraz(&w);
  float aj = (float)oj.atak, dj = (float)oj.obrona, aw = (float)ow.atak, dw = (float)ow.obrona;
  const int wx = w.pobierz_x(), wy = w.pobierz_y();
  sily_w_walce(znak_pola(stan, x, y), czy_przyjaciel_obok(x, y, strona, &j), strona, godzina, aj,
               dj);
  sily_w_walce(znak_pola(stan, wx, wy), czy_przyjaciel_obok(wx, wy, w.pobierz_gracz(), &w),
               w.pobierz_gracz(), godzina, aw, dw);
  const double zadane = std::min(srednie_obrazenia(aj, dw), (double)ow.zycie);
  const double otrzymane = srednie_obrazenia(aw, dj);
  const double smierc = szansa_obrazen(aw, dj, oj.zycie);
  const double zabicie = szansa_obrazen(aj, dw, ow.zycie) * (1.0 - smierc);

  const nazwa_pola rw = w.pobierz_wyglad();
  double nagroda, za_zycie;
  if (czy_zamek(rw)) {
    nagroda = NAGRODA_ZAMKU;
    za_zycie = szturm ? ZA_ZYCIE_ZAMKU_SZTURM : ZA_ZYCIE_ZAMKU;
  } else if (czy_miasto(rw) || czy_wieza(rw)) {
    nagroda = czy_miasto(rw) ? NAGRODA_MIASTA : NAGRODA_WIEZY;
    za_zycie = 0.5 * nagroda / std::max(1, ow.d_zycie);
  } else {
    nagroda = ow.cena + ZA_DOSWIADCZENIE * ow.exp;
    za_zycie = (double)ow.cena / std::max(1, ow.d_zycie);
  }
  const double wartosc_j = wartosc_jednostki(j);
  const double za_zycie_j = wartosc_j / std::max(1, oj.d_zycie);
  // A unit of ours that falls gives its experience to the winner: a castle grows with it.
  double strata = wartosc_j + (czy_zamek(rw) ? 4.0 : 1.0) * oj.exp;
  if (szturm && czy_zamek(rw)) strata *= 0.3;
  return AGRESJA * zadane * za_zycie + zabicie * nagroda - otrzymane * za_zycie_j -
         smierc * strata;
}

double komputer_silny::wartosc_pola(jednostka& j, int x, int y) const {
  const mapa_odleglosci& cel = cel_jednostki(j);
  const int d = std::min(cel.odleglosc(x, y), 200);
  double v = -ZA_PUNKT_DROGI * d;
  const int i = y * ROZMIAR_MAPY + x;
  if (ciosy_wroga[i] > 0.0f) {
    float a = 0.0f, o = (float)j.pobierz_obrona();
    sily_w_walce(znak_pola(stan, x, y), czy_przyjaciel_obok(x, y, strona, &j), strona, godzina,
                 a, o);
    // The blows fall on every unit of ours near the field, not on this one alone.
    int obok = 0;
    for (jednostka* w : wlasne)
      if (w != &j && !czy_budynek(w->pobierz_wyglad()) &&
          odleglosc_heksow(w->pobierz_x(), w->pobierz_y(), x, y) <= 3)
        ++obok;
    const double grozi = srednie_obrazenia(atak_wroga[i], o) * ciosy_wroga[i] / (1.0 + 0.5 * obok);
    const double za_zycie = wartosc_jednostki(j) / std::max(1, j.pobierz_d_punkty_zycia());
    v -= ostroznosc * grozi * za_zycie * (grozi >= j.pobierz_punkty_zycia() ? 3.0 : 1.0);
  }
  return v;
}

// ---- Orders ----------------------------------------------------------------------------------

punkt komputer_silny::rozkaz(jednostka& j) {
  przygotuj(j.pobierz_gracz());
  const nazwa_pola r = j.pobierz_wyglad();
  if (czy_wieza(r)) return rozkaz_wiezy(j);
  if (czy_robotnik(r)) return rozkaz_robotnika(j);
  // A wounded unit beside a hospital stays while the panel heals it.
  if (przycisk(j) == leczenie) return punkt((float)j.pobierz_x(), (float)j.pobierz_y());
  return rozkaz_wojownika(j);
}

punkt komputer_silny::rozkaz_wiezy(jednostka& j) {
  double najlepsza = 0.0;
  jednostka* cel = nullptr;
  for (jednostka* w : wrogie) {
    if (!czy_zywa(w)) continue;
    const double v = wartosc_ciosu(j, j.pobierz_x(), j.pobierz_y(), *w);
    if (v > najlepsza) {
      najlepsza = v;
      cel = w;
    }
  }
  if (!cel) {
    zrob(&j);
    return punkt((float)j.pobierz_x(), (float)j.pobierz_y());
  }
  if (cel == zamek_wroga) atakujacy_zamek = &j;
  return punkt((float)cel->pobierz_x(), (float)cel->pobierz_y());
}

punkt komputer_silny::rozkaz_robotnika(jednostka& j) {
  if (przycisk(j) == naprawa) return punkt((float)j.pobierz_x(), (float)j.pobierz_y());
  return rozkaz_wojownika(j);
}

punkt komputer_silny::rozkaz_wojownika(jednostka& j) {
  const int jx = j.pobierz_x(), jy = j.pobierz_y();
  const punkt tutaj((float)jx, (float)jy);
  // A miner on the mountains steps to the next mountain field: each arrival may find gold.
  if (czy_gornik(j) && znak_pola(stan, jx, jy) == '5') {
    for (int s = 0; s < 6; ++s) {
      int nx, ny;
      sasiad(jx, jy, s, nx, ny);
      if (j.wartosc_przejscia(nx, ny) > 0 && znak_pola(stan, nx, ny) == '5')
        return punkt((float)nx, (float)ny);
    }
  }
  // Blows from where it stands.
  double cios = 0.0;
  jednostka* ofiara = nullptr;
  for (int s = 0; s < 6; ++s) {
    int nx, ny;
    sasiad(jx, jy, s, nx, ny);
    jednostka* w = stan.siatka->pobierz_jednostke(nx, ny);
    if (!w || w->pobierz_gracz() != wrog || !czy_zywa(w)) continue;
    const double v = wartosc_ciosu(j, jx, jy, *w);
    if (v > cios) {
      cios = v;
      ofiara = w;
    }
  }
  // Moves: the reachable field worth most, with the blow it would allow next.
  const double tu = wartosc_pola(j, jx, jy);
  double ruch = 0.0;
  int bx = jx, by = jy;
  const short* zasieg = j.pobierz_mape_przejsc();
  for (int i = 0; i < LICZBA_POL; ++i) {
    if (zasieg[i] <= 0) continue;
    const int x = i % ROZMIAR_MAPY, y = i / ROZMIAR_MAPY;
    if ((x == jx && y == jy) || znak_pola(stan, x, y) == '3') continue;
    double v = wartosc_pola(j, x, y) - tu;
    if (zasieg[i] - 1 >= 1) {
      double potem = 0.0;
      for (int s = 0; s < 6; ++s) {
        int nx, ny;
        sasiad(x, y, s, nx, ny);
        jednostka* w = stan.siatka->pobierz_jednostke(nx, ny);
        if (!w || w->pobierz_gracz() != wrog || !czy_zywa(w)) continue;
        potem = std::max(potem, wartosc_ciosu(j, x, y, *w));
      }
      v += potem;
    }
    if (v > ruch) {
      ruch = v;
      bx = x;
      by = y;
    }
  }
  if (ofiara && cios >= ruch) {
    if (ofiara == zamek_wroga) atakujacy_zamek = &j;
    return punkt((float)ofiara->pobierz_x(), (float)ofiara->pobierz_y());
  }
  if (ruch > 0.5) return punkt((float)bx, (float)by);
  zrob(&j);
  return tutaj;
}

// ---- Purchases and the panel ----------------------------------------------------------------

int komputer_silny::liczba_jednostek_rodzaju(nazwa_pola w) const {
  int n = 0;
  for (jednostka* j : wlasne)
    if (j->pobierz_wyglad() == w) ++n;
  return n;
}

void komputer_silny::zakupy(int gracz) {
  przygotuj(gracz);
  if (!zamek_wlasny) return;
  // Units bought stand in the castle until they walk out: none while every side is held.
  bool wolne = false;
  for (int s = 0; s < 6 && !wolne; ++s) {
    int nx, ny;
    sasiad(zamek_wlasny->pobierz_x(), zamek_wlasny->pobierz_y(), s, nx, ny);
    wolne = czy_na_mapie(nx, ny) && !stan.siatka->pobierz_jednostke(nx, ny) &&
            znak_pola(stan, nx, ny) != '3';
  }
  if (!wolne) return;
  auto& p = stan.gracze[gracz];
  const int zloto = p.pobierz_zloto();
  const nazwa_pola robotnik = gracz == 1 ? pole_robotnik_1 : pole_robotnik_2;
  if (liczba_jednostek_rodzaju(robotnik) == 0 && zloto >= 70) {
    kup_jednostke(stan, gracz, 0);
    return;
  }
  // A few of the cheapest fighters to take the field early, then the first technology and
  // its stronger kind, which does far more against a castle for its price.
  int wojownicy = 0;
  for (jednostka* j : wlasne)
    if (!czy_budynek(j->pobierz_wyglad()) && !czy_robotnik(j->pobierz_wyglad())) ++wojownicy;
  if (!p.sprawdz_technologie(2)) {
    if (wojownicy < WOJOWNICY_NA_START && zloto >= 100)
      kup_jednostke(stan, gracz, 1);
    else if (zloto >= cena_technologii(2))
      kup_technologie(stan, gracz, 2);
    return;
  }
  if (zloto >= 150) kup_jednostke(stan, gracz, 2);
}

komputer_silny::przycisk_panelu komputer_silny::przycisk(jednostka& a) {
  przygotuj(a.pobierz_gracz());
  if (a.pobierz_do_rozdysponowania() >= 1) {
    if (a.pobierz_atak() <= 99) return punkt_ataku;
    if (a.pobierz_obrona() <= 99) return punkt_obrony;
    return punkt_zwinnosci;
  }
  const int zloto = stan.gracze[strona].pobierz_zloto();
  if (czy_robotnik(a.pobierz_wyglad()) && zamek_wlasny && a.sprawdz_sasiadow("zamek")) {
    const int brak = zamek_wlasny->pobierz_d_punkty_zycia() - zamek_wlasny->pobierz_punkty_zycia();
    if (brak > 40 && zloto >= zamek_wlasny->pobierz_cene() / 4 + 100) return naprawa;
  }
  const int zycie = a.pobierz_punkty_zycia(), pelne = a.pobierz_d_punkty_zycia();
  if (zycie > 0 && zycie < CZESC_ZDROWEJ * pelne && zloto >= a.pobierz_cene() / 4 &&
      (a.sprawdz_sasiadow("zamek") || a.sprawdz_sasiadow("miasto")) && a.pobierz_punkty_ruchu() > 0)
    return leczenie;
  return zaden;
}
