#include <climits>
#include <cstdlib>

#include "doradca_komputera.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "zdarzenia.h"

namespace {

bool czy_wieza(nazwa_pola w) { return w == pole_wieza_1 || w == pole_wieza_2; }
bool czy_zdobywalna(nazwa_pola w) {
  return czy_wieza(w) || w == pole_miasto_1 || w == pole_miasto_2;
}

short suma_16(int a, int b) {
  const long v = (long)a + b;
  return (short)(v > SHRT_MAX ? SHRT_MAX : (v < SHRT_MIN ? SHRT_MIN : v));
}


// How the field a fighter stands on changes its defence and attack.
struct wplyw_terenu {
  int znak;
  double obrona;  // base change of defence, before the neighbour and time bonuses
  double atak;
  int kierunek;   // +1 raises the defence, -1 lowers it
};
const wplyw_terenu tereny[] = {
    {'2', 0.2, 0.1, 1},   // forest
    {'4', 0.1, 0.1, -1},  // lava
    {'5', 0.35, 0.2, 1},  // mountains
};

void zmien_przez_teren(int znak, double f, double t, float& a, float& o) {
  for (const wplyw_terenu& w : tereny)
    if (w.znak == znak) {
      o = (float)(o + w.kierunek * (o * (w.obrona + f + t)));
      a = (float)(a + a * w.atak);
      return;
    }
  o = (float)(o + o * f);  // open ground: only the friendly neighbours count
}

// One blow: a block draw and two damage draws, always all three. A divisor below 1 adds
// nothing instead of dividing by zero.
int cios(float atak, float obrona) {
  const int r1 = std::rand() % 100, r2 = std::rand(), r3 = std::rand();
  const int dzielnik_a = (int)atak, dzielnik_o = (int)obrona;
  int obrazenia = dzielnik_a >= 1 ? r2 % dzielnik_a : 0;
  if ((float)r1 < obrona && dzielnik_o >= 1) obrazenia -= r3 % dzielnik_o;
  const short wynik = (short)obrazenia;
  return wynik < 0 ? 0 : wynik;
}

}  // namespace

void sily_w_walce(int znak_terenu, bool przyjaciel, int strona, float h, float& atak,
                  float& obrona) {
  zmien_przez_teren(znak_terenu, przyjaciel ? 0.1 : 0.0, czy_pora_strony(strona, h) ? 0.05 : 0.0,
                    atak, obrona);
}

bool czy_pora_strony(int gracz, float h) {
  if (gracz == 1) return h >= 9.0f && h <= 19.0f;
  if (gracz == 2) return (h >= 20.0f && h <= 23.0f) || (h >= 0.0f && h <= 8.0f);
  return false;
}

int jednostka::obsluga() {
  if ((punkty_ruchu < 1 && !dev_mode) || punkty_zycia < 1) stan = 2;
  if (stan == 1 && punkty_zycia > 0) sterowanie();
  if (!teren || !wejscie || punkty_zycia <= 0 || !wejscie->l_klikniety()) return 0;
  const punkt p = teren->pole_pod_myszka();
  return ((int)p.rx() == x && (int)p.ry() == y) ? 1 : 0;
}

void jednostka::sterowanie() {
  if (!teren || !siatka || !wejscie) return;
  punkt f = teren->pole_pod_myszka();
  const bool komputer = ai != 0 && nr_gracza == ai;
  // Counted before the destination is chosen: choosing may already take the point.
  const int przed = punkty_ruchu;
  if (komputer) {
    if (doradca_komputera* d = doradca_strony(nr_gracza)) {
      oblicz_zasieg();
      f = d->rozkaz(*this);
    } else {
      pobierz_cel();
      f = akcja_cel();
    }
  }
  const int fx = (int)f.rx(), fy = (int)f.ry();
  if (dev_mode) {
    if (wejscie->p_zwolniony()) {
      siatka->zeruj_pole_jesli(x, y, this);
      x = fx;
      y = fy;
      siatka->wstaw_jednostke(this);
    }
    return;
  }
  const bool dzialal = wykonaj_rozkaz(fx, fy, komputer);
  if (komputer && dzialal) zglos_widoczny_rozkaz(fx, fy);
  // An order of the computer that came to nothing still costs a point, so its turn ends.
  if (komputer && !dzialal && punkty_ruchu >= przed && punkty_ruchu > 0) punkty_ruchu--;
}

bool jednostka::wykonaj_rozkaz(int fx, int fy, bool komputer) {
  jednostka* t = siatka->pobierz_jednostke(fx, fy);
  const bool rozkaz = komputer || wejscie->p_zwolniony();
  if (!t && !czy_wieza(wyglad)) {
    if (!rozkaz || teren->jakie_pole(fx, fy) == '3') return false;
    const int wartosc = wartosc_przejscia(fx, fy);
    if (wartosc == 0 || stan != 1) return false;
    if (wartosc <= punkty_ruchu) punkty_ruchu = wartosc - 1;
    siatka->zeruj_pole_jesli(x, y, this);  // a castle sharing the field stays
    x = fx;
    y = fy;
    siatka->wstaw_jednostke(this);
    zdarzenie_pola(fx, fy);
    return true;
  }
  if (!t || !rozkaz) return false;
  // Own units, the neutral side and the dead are obstacles, never opponents.
  if (t->pobierz_gracz() == nr_gracza || nr_gracza == 0) return false;
  if (t->pobierz_gracz() == 0 || t->pobierz_punkty_zycia() < 1) return false;
  if (stan != 1 || (!czy_wieza(wyglad) && !czy_w_kontakcie(fx, fy))) return false;
  atakuj(t, fx, fy);
  return true;
}

bool jednostka::czy_w_kontakcie(int fx, int fy) const {
  const int dx = fx - x, dy = fy - y, p = y % 2;
  if (dy == 0) return dx == 1 || dx == -1;
  return (dy == 1 || dy == -1) && (dx - p == -1 || dx - p == 0);
}

void jednostka::zdarzenie_pola(int fx, int fy) {
  const int znak = teren ? teren->jakie_pole(fx, fy) : 0;
  const int r = std::rand() % 101 + 1;
  if (r > 10) return;
  if (znak == '2') {
    if (wejscie) wejscie->wyswietl_okno(1);
    ulecz(5);
  } else if (znak == '5') {
    if (wejscie) wejscie->wyswietl_okno(2);
    pieniadze = suma_16(pieniadze, std::rand() % 26 + 25);
  } else if (znak == '4') {
    if (wejscie) wejscie->wyswietl_okno(3);
    punkty_zycia -= std::rand() % 20;
    // Burnt to death: off the grid like any fallen unit, or it would block the field.
    if (punkty_zycia < 1 && siatka) siatka->zeruj_pole_jesli(fx, fy, this);
  }
}

void jednostka::pokonaj(jednostka* przegrany, int fx, int fy) {
  doswiadczenie = suma_16(doswiadczenie, przegrany->exp);
  const int polowa = przegrany->cena / 2;
  const int r = std::rand();
  if (polowa >= 1) pieniadze = suma_16(pieniadze, r % polowa);
  if (czy_zdobywalna(przegrany->wyglad)) {
    // Towers and towns change hands instead of falling.
    przegrany->punkty_zycia = przegrany->d_punkty_zycia;
    przegrany->nr_gracza = nr_gracza;
    przegrany->punkty_ruchu = 0;
  } else if (siatka) {
    siatka->zeruj_pole_jesli(fx, fy, przegrany);
  }
}

void jednostka::atakuj(jednostka* d, int fx, int fy) {
  if (!d) return;
  if (nr_gracza != ai) d->cel = this;
  float a_a = (float)atak, o_a = (float)obrona, a_d = (float)d->atak, o_d = (float)d->obrona;
  const bool f_d = d->sprawdz_sasiadow("przyjaciel");
  const bool f_a = sprawdz_sasiadow("przyjaciel");
  const int teren_a = teren ? teren->jakie_pole(x, y) : 0;
  const int teren_d = teren ? teren->jakie_pole(fx, fy) : 0;
  sily_w_walce(teren_a, f_a, nr_gracza, godzina, a_a, o_a);
  sily_w_walce(teren_d, f_d, d->nr_gracza, godzina, a_d, o_d);
  d->punkty_zycia -= cios(a_a, o_d);
  punkty_zycia -= cios(a_d, o_a);
  const bool a_padl = punkty_zycia < 1;
  bool d_padl = false;
  if (a_padl) d->pokonaj(this, x, y);
  if (d->punkty_zycia < 1) {
    if (a_padl) {
      d->punkty_zycia = 1;
    } else {
      d_padl = true;
      pokonaj(d, fx, fy);
    }
  }
  if (!a_padl) nowy_poziom();
  if (!d_padl) d->nowy_poziom();
  if (punkty_ruchu > 0) punkty_ruchu--;
}
