#include <allegro.h>

#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "teksty.h"

namespace {

const int SZEROKOSC_PASKA = 43;
const int WYSOKOSC_PASKA = 5;

// How far the flag and the bar of a kind sit above the field box: the tall buildings carry
// them higher.
int przesuniecie_pionowe(nazwa_pola w) {
  switch (w) {
    case pole_zamek_gracz_1: case pole_zamek_gracz_2: return -30;
    case pole_wieza_1: case pole_wieza_2: case pole_miasto_1: case pole_miasto_2: return -35;
    default: return 0;
  }
}

// A side's own castle, tower and town never look finished.
bool czy_wlasny_budynek(int gracz, nazwa_pola w) {
  if (gracz == 1) return w == pole_zamek_gracz_1 || w == pole_wieza_1 || w == pole_miasto_1;
  if (gracz == 2) return w == pole_zamek_gracz_2 || w == pole_wieza_2 || w == pole_miasto_2;
  return false;
}

struct modyfikator_terenu {
  int znak;
  float atak, obrona, zwinnosc;
};

const modyfikator_terenu modyfikatory_terenu[] = {
    {'2', 0.1f, 0.2f, -0.1f},
    {'4', 0.1f, -0.1f, -0.1f},
    {'5', 0.2f, 0.35f, -0.3f},
};

int kolor_modyfikatora(float m) {
  if (m > 0) return makecol(0, 200, 0);
  if (m < 0) return makecol(200, 0, 0);
  return makecol(0, 0, 0);
}

// A shown statistic: the value grown by its modifier, worked out in double from the float
// modifier and truncated.
int z_modyfikatorem(int wartosc, float m) { return (int)(wartosc * (double)m + wartosc); }

}  // namespace

int szerokosc_paska_zycia(int zycie, int d_zycie) {
  if (d_zycie <= 0 || zycie <= 0) return 0;
  const double w = (double)SZEROKOSC_PASKA * zycie / d_zycie;
  return w >= SZEROKOSC_PASKA ? SZEROKOSC_PASKA : (int)w;
}

void jednostka::modyfikatory_panelu(float& m_atak, float& m_obrona, float& m_zwinnosc) {
  m_atak = m_obrona = m_zwinnosc = 0.0f;
  const int znak = teren ? teren->jakie_pole(x, y) : 0;
  for (const modyfikator_terenu& t : modyfikatory_terenu)
    if (t.znak == znak) {
      m_atak = t.atak;
      m_obrona = t.obrona;
      m_zwinnosc = t.zwinnosc;
    }
  if (x != -1 && y != -1 && sprawdz_sasiadow("przyjaciel")) m_obrona = m_obrona + 0.1f;
  if (czy_pora_strony(nr_gracza, godzina)) m_obrona = m_obrona + 0.05f;
}

void jednostka::rysuj() {
  if (nr_gracza == 0 || punkty_zycia <= 0 || !ekran) return;
  const punkt poczatek = teren ? teren->start_ekranu() : punkt();
  const int c = (int)(x - poczatek.rx()), r = (int)(y - poczatek.ry());

  if (stan == 1) {
    for (int i = 0; i < 3; i++) ekran->rysuj_pole(pole_wskaznik, c, r, 0);
    oblicz_zasieg();
  }
  ekran->rysuj_pole(wyglad, c, r, 0);
  if (stan == 2 && !czy_wlasny_budynek(nr_gracza, wyglad))
    ekran->rysuj_pole(pole_nieaktywna, c, r, 0);

  const int px = (int)(40.0 * c + (r % 2) * 20 - 11);
  const int py = (int)(30.0 * r + 2);
  const int off = przesuniecie_pionowe(wyglad);
  ekran->rysuj_bitmape(nr_gracza == 1 ? b_flaga_1 : b_flaga_2, px, py + off + 3, 0, 0, 0, 0);

  const bool pod_wskaznikiem = px < mouse_x && mouse_x < px + szerokosc_pola && py < mouse_y &&
                               mouse_y < py + wysokosc_pola;
  if (pod_wskaznikiem || stan == 1) {
    ekran->rysuj_bitmape(b_pasek_tlo, px - 2, py + off - 2, 0, 0, SZEROKOSC_PASKA,
                         WYSOKOSC_PASKA);
    ekran->rysuj_bitmape(b_pasek_zycia, px - 2, py + off - 2, 0, 0,
                         szerokosc_paska_zycia(punkty_zycia, d_punkty_zycia), WYSOKOSC_PASKA);
  }
}

void jednostka::wyswietl_info(bool statystyki, bool opis_tekst) {
  if (!ekran) return;
  float m_atak, m_obrona, m_zwinnosc;
  modyfikatory_panelu(m_atak, m_obrona, m_zwinnosc);
  ekran->rysuj_pole(wyglad, 230, 650, 0);
  const int czarny = makecol(0, 0, 0);
  if (statystyki) {
    ekran->pisz("HP:", 310, 610, punkty_zycia, czarny, false, -1);
    ekran->pisz("\\", 361, 610, d_punkty_zycia, czarny, false, -1);
    ekran->pisz(tekst("moves"), 310, 622, punkty_ruchu, czarny, false, -1);
    ekran->pisz("\\", 367, 622, d_punkty_ruchu, czarny, false, -1);
    ekran->pisz(tekst("attack"), 310, 634, z_modyfikatorem(atak, m_atak),
                kolor_modyfikatora(m_atak), false, -1);
    ekran->pisz(tekst("defense"), 310, 646, z_modyfikatorem(obrona, m_obrona),
                kolor_modyfikatora(m_obrona), false, -1);
    ekran->pisz(tekst("agility"), 310, 658, z_modyfikatorem(zwinnosc, m_zwinnosc),
                kolor_modyfikatora(m_zwinnosc), false, -1);
    ekran->pisz("Exp: ", 310, 670, exp, czarny, false, -1);
    ekran->pisz(tekst("level"), 310, 682, poziom, czarny, false, -1);
    ekran->pisz(tekst("experience"), 310, 694, doswiadczenie, czarny, false, -1);
    ekran->pisz(tekst("cost"), 310, 706, cena, czarny, false, -1);
  }
  if (opis_tekst && opis) ekran->pisz(opis, 400, 610, -1, czarny, false, 280);
}
