#include <cstring>

#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"

namespace {

// Cost of entering a terrain character: forest, lava and scorched ground 2, mountains 3,
// water impassable (0), everything else 1.
int koszt_znaku(int znak) {
  switch (znak) {
    case '2': case '4': case '6': return 2;
    case '5': return 3;
    case '3': return 0;
    default: return 1;
  }
}

// Fields waiting to be expanded, one bucket per reach value modulo 4. Steps cost 1 to 3,
// so every pending value lies within 3 of the one being expanded and four buckets never
// mix two values. A field enters a bucket at most once per value it is given, and values
// only grow, so each bucket needs room for every field once.
struct kolejka_kubelkowa {
  short pola[4][LICZBA_POL];
  int ile[4] = {0, 0, 0, 0};
  int pozostalo = 0;

  void dodaj(int wartosc, int indeks) {
    short* kubel = pola[wartosc & 3];
    kubel[ile[wartosc & 3]++] = (short)indeks;
    pozostalo++;
  }
};

}  // namespace

int jednostka::koszt_wejscia(int nx, int ny) const {
  if (!czy_na_mapie(nx, ny)) return 0;
  if (siatka && siatka->pobierz_jednostke(nx, ny)) return 0;
  return koszt_znaku(teren ? teren->jakie_pole(nx, ny) : '1');
}

void jednostka::czysc_mape_przejsc() {
  std::memset(mapa_przejsc, 0, sizeof(short) * LICZBA_POL);
}

void jednostka::oblicz_zasieg() {
  czysc_mape_przejsc();
  if (!czy_na_mapie(x, y)) return;
  int start = punkty_ruchu;
  if (start > MAKS_PUNKTOW_RUCHU - 1) start = MAKS_PUNKTOW_RUCHU - 1;
  if (start < -1) start = -1;
  mapa_przejsc[y * ROZMIAR_MAPY + x] = (short)(start + 1);
  sprawdz_wokol(x, y);
}

int jednostka::wartosc_przejscia(int px, int py) const {
  return czy_na_mapie(px, py) ? mapa_przejsc[py * ROZMIAR_MAPY + px] : 0;
}

// Spreads the value of (sx, sy) over every field it can improve, cheapest paths first
// (Dijkstra with a bucket queue). Each field reached for the first time is highlighted
// once, so the picture and the number of field draws match a plain recursive relaxation,
// without its recursion depth or its repeated visits.
void jednostka::sprawdz_wokol(int sx, int sy) {
  if (!czy_na_mapie(sx, sy) || mapa_przejsc[sy * ROZMIAR_MAPY + sx] <= 0) return;
  const punkt poczatek = teren ? teren->start_ekranu() : punkt();
  const int start_x = (int)poczatek.rx(), start_y = (int)poczatek.ry();

  kolejka_kubelkowa kolejka_na_stosie;
  kolejka_kubelkowa* kolejka = &kolejka_na_stosie;
  int biezaca = mapa_przejsc[sy * ROZMIAR_MAPY + sx];
  kolejka->dodaj(biezaca, sy * ROZMIAR_MAPY + sx);
  while (kolejka->pozostalo > 0 && biezaca > 1) {
    const int k = biezaca & 3;
    while (kolejka->ile[k] > 0) {
      const int indeks = kolejka->pola[k][--kolejka->ile[k]];
      kolejka->pozostalo--;
      if (mapa_przejsc[indeks] != biezaca) continue;  // improved since it was queued
      const int fx = indeks % ROZMIAR_MAPY, fy = indeks / ROZMIAR_MAPY;
      for (int s = 0; s < 6; s++) {
        int nx, ny;
        sasiad(fx, fy, s, nx, ny);
        const int koszt = koszt_wejscia(nx, ny);
        if (koszt == 0) continue;
        const int nowa = biezaca - koszt;
        short& pole = mapa_przejsc[ny * ROZMIAR_MAPY + nx];
        if (nowa < 1 || pole >= nowa) continue;
        if (pole == 0 && ekran) ekran->rysuj_pole(pole_wskaznik, nx - start_x, ny - start_y, 0);
        pole = (short)nowa;
        kolejka->dodaj(nowa, ny * ROZMIAR_MAPY + nx);
      }
    }
    biezaca--;
  }
}
