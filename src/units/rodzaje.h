#pragma once
#include "jednostka.h"

// Statistics of one unit kind, from the one kind table.
struct dane_rodzaju {
  nazwa_pola wyglad;
  const char* klasa;  // class name, e.g. "robotnik_1"
  const char* klucz;  // language key of the name and description
  int ruchy;
  int zycie;
  int atak;
  int obrona;
  int zwinnosc;
  int exp;
  int cena;
  int sklep;          // side whose shop offers it, 0 none
};

// The row of a kind, or null for a value that names no unit kind (20, 23, <10, >29).
const dane_rodzaju* znajdz_rodzaj(nazwa_pola wyglad);
// All eighteen rows, in the order of the kind table.
const dane_rodzaju* tabela_rodzajow(int& liczba);

// A unit of the kind's class, or null for a value that names no unit kind.
jednostka* utworz_jednostke(nazwa_pola wyglad, grafika* g, mapa* m, mapa_jednostek* mj,
                            zdarzenia* z, int x, int y, int gracz);

// The eighteen kind classes: each only fills in its row of the kind table.
#define GRA_RODZAJ(nazwa)                                                             \
  class nazwa : public jednostka {                                                    \
   public:                                                                            \
    nazwa(grafika* g, mapa* m, mapa_jednostek* mj, zdarzenia* z, int x, int y, int gracz); \
  };
GRA_RODZAJ(robotnik_1)
GRA_RODZAJ(robotnik_2)
GRA_RODZAJ(wieza_1)
GRA_RODZAJ(wieza_2)
GRA_RODZAJ(miasto_1)
GRA_RODZAJ(miasto_2)
GRA_RODZAJ(zamek_gracz_1)
GRA_RODZAJ(zamek_gracz_2)
GRA_RODZAJ(zolnierz)
GRA_RODZAJ(rycerz)
GRA_RODZAJ(mag)
GRA_RODZAJ(hydra)
GRA_RODZAJ(archaniol)
GRA_RODZAJ(ciemny_rycerz)
GRA_RODZAJ(ognisty)
GRA_RODZAJ(lord)
GRA_RODZAJ(smok)
GRA_RODZAJ(trol)
#undef GRA_RODZAJ
