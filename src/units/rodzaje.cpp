#include "rodzaje.h"

#include <cstring>

#include "teksty.h"

namespace {

// One row per kind: sprite, class, language key, moves, hit points, attack, defence, agility,
// experience worth, price, side whose shop sells it.
const dane_rodzaju rodzaje[] = {
    {pole_robotnik_1, "robotnik_1", "robotnik", 5, 50, 10, 15, 30, 50, 70, 1},
    {pole_robotnik_2, "robotnik_2", "robotnik", 5, 50, 10, 15, 30, 50, 70, 2},
    {pole_wieza_1, "wieza_1", "wieza", 9, 150, 60, 65, 30, 50, 300, 0},
    {pole_wieza_2, "wieza_2", "wieza", 9, 150, 60, 65, 30, 50, 300, 0},
    {pole_miasto_1, "miasto_1", "miasto", 0, 100, 30, 30, 20, 10, 500, 0},
    {pole_miasto_2, "miasto_2", "miasto", 0, 100, 30, 30, 20, 10, 500, 0},
    {pole_zamek_gracz_1, "zamek_gracz_1", "white_fort", 0, 600, 95, 90, 40, 200, 1000, 0},
    {pole_zamek_gracz_2, "zamek_gracz_2", "dark_fort", 0, 600, 95, 90, 40, 200, 1000, 0},
    {pole_zolnierz, "zolnierz", "rycerz", 9, 180, 40, 50, 70, 20, 100, 1},
    {pole_rycerz, "rycerz", "lord", 10, 200, 50, 60, 60, 40, 150, 1},
    {pole_mag, "mag", "mag", 10, 170, 60, 30, 50, 50, 200, 1},
    {pole_hydra, "hydra", "hydra", 8, 220, 70, 50, 40, 70, 300, 1},
    {pole_archaniol, "archaniol", "archaniol", 8, 250, 80, 70, 60, 100, 450, 1},
    {pole_ciemny_rycerz, "ciemny_rycerz", "ciemny_rycerz", 9, 180, 40, 50, 70, 20, 100, 2},
    {pole_ognisty, "ognisty", "kula_ognista", 10, 200, 50, 60, 60, 40, 150, 2},
    {pole_lord, "lord", "arcymag", 10, 170, 60, 30, 50, 50, 200, 2},
    {pole_smok, "smok", "smok", 8, 220, 70, 50, 40, 70, 300, 2},
    {pole_trol, "trol", "trol", 8, 250, 80, 70, 60, 100, 500, 2},
};
const int liczba_rodzajow = sizeof(rodzaje) / sizeof(rodzaje[0]);

// A copy of the language text of a key, or null when the active language file lacks it.
char* opis_z_klucza(const char* klucz) {
  const char* t = tekst(klucz);
  if (!t || !t[0]) return nullptr;
  char* kopia = new char[std::strlen(t) + 1];
  std::strcpy(kopia, t);
  return kopia;
}

typedef jednostka* (*wytworca)(grafika*, mapa*, mapa_jednostek*, zdarzenia*, int, int, int);

template <class T>
jednostka* wytworz(grafika* g, mapa* m, mapa_jednostek* mj, zdarzenia* z, int x, int y,
                   int gracz) {
  return new T(g, m, mj, z, x, y, gracz);
}

struct wytworca_rodzaju {
  nazwa_pola wyglad;
  wytworca utworz;
};

const wytworca_rodzaju wytworcy[] = {
    {pole_robotnik_1, wytworz<robotnik_1>},     {pole_robotnik_2, wytworz<robotnik_2>},
    {pole_wieza_1, wytworz<wieza_1>},           {pole_wieza_2, wytworz<wieza_2>},
    {pole_miasto_1, wytworz<miasto_1>},         {pole_miasto_2, wytworz<miasto_2>},
    {pole_zamek_gracz_1, wytworz<zamek_gracz_1>}, {pole_zamek_gracz_2, wytworz<zamek_gracz_2>},
    {pole_zolnierz, wytworz<zolnierz>},         {pole_rycerz, wytworz<rycerz>},
    {pole_mag, wytworz<mag>},                   {pole_hydra, wytworz<hydra>},
    {pole_archaniol, wytworz<archaniol>},       {pole_ciemny_rycerz, wytworz<ciemny_rycerz>},
    {pole_ognisty, wytworz<ognisty>},           {pole_lord, wytworz<lord>},
    {pole_smok, wytworz<smok>},                 {pole_trol, wytworz<trol>},
};

}  // namespace

const dane_rodzaju* znajdz_rodzaj(nazwa_pola wyglad) {
  for (const dane_rodzaju& r : rodzaje)
    if (r.wyglad == wyglad) return &r;
  return nullptr;
}

const dane_rodzaju* tabela_rodzajow(int& liczba) {
  liczba = liczba_rodzajow;
  return rodzaje;
}

jednostka* utworz_jednostke(nazwa_pola wyglad, grafika* g, mapa* m, mapa_jednostek* mj,
                            zdarzenia* z, int x, int y, int gracz) {
  for (const wytworca_rodzaju& w : wytworcy)
    if (w.wyglad == wyglad) return w.utworz(g, m, mj, z, x, y, gracz);
  return nullptr;
}

// Fills in every member of a freshly built unit from its row of the kind table.
void jednostka::wypelnij_z_rodzaju(nazwa_pola rodzaj, grafika* g, mapa* m, mapa_jednostek* mj,
                                   zdarzenia* z, int px, int py, int gracz) {
  const dane_rodzaju* r = znajdz_rodzaj(rodzaj);
  czysc_mape_przejsc();
  cel = nullptr;
  ekran = g;
  teren = m;
  siatka = mj;
  wejscie = z;
  wyglad = rodzaj;
  x = px;
  y = py;
  stan = 0;
  punkty_ruchu = d_punkty_ruchu = r->ruchy;
  nr_gracza = gracz;
  punkty_zycia = d_punkty_zycia = r->zycie;
  atak = r->atak;
  obrona = r->obrona;
  zwinnosc = r->zwinnosc;
  delete[] opis_kopia;
  opis_kopia = opis_z_klucza(r->klucz);
  opis = opis_kopia;
  exp = (short)r->exp;
  cena = (short)r->cena;
  poziom = 1;
  doswiadczenie = 0;
  do_rozdysponowania = 0;
  pieniadze = 0;
}

#define GRA_KONSTRUKTOR(nazwa, rodzaj)                                                 \
  nazwa::nazwa(grafika* g, mapa* m, mapa_jednostek* mj, zdarzenia* z, int px, int py,  \
               int gracz) {                                                            \
    wypelnij_z_rodzaju(rodzaj, g, m, mj, z, px, py, gracz);                            \
  }
GRA_KONSTRUKTOR(robotnik_1, pole_robotnik_1)
GRA_KONSTRUKTOR(robotnik_2, pole_robotnik_2)
GRA_KONSTRUKTOR(wieza_1, pole_wieza_1)
GRA_KONSTRUKTOR(wieza_2, pole_wieza_2)
GRA_KONSTRUKTOR(miasto_1, pole_miasto_1)
GRA_KONSTRUKTOR(miasto_2, pole_miasto_2)
GRA_KONSTRUKTOR(zamek_gracz_1, pole_zamek_gracz_1)
GRA_KONSTRUKTOR(zamek_gracz_2, pole_zamek_gracz_2)
GRA_KONSTRUKTOR(zolnierz, pole_zolnierz)
GRA_KONSTRUKTOR(rycerz, pole_rycerz)
GRA_KONSTRUKTOR(mag, pole_mag)
GRA_KONSTRUKTOR(hydra, pole_hydra)
GRA_KONSTRUKTOR(archaniol, pole_archaniol)
GRA_KONSTRUKTOR(ciemny_rycerz, pole_ciemny_rycerz)
GRA_KONSTRUKTOR(ognisty, pole_ognisty)
GRA_KONSTRUKTOR(lord, pole_lord)
GRA_KONSTRUKTOR(smok, pole_smok)
GRA_KONSTRUKTOR(trol, pole_trol)
#undef GRA_KONSTRUKTOR
