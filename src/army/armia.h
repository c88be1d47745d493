#pragma once
#include <cstdio>

#include "nazwa_pola.h"

class grafika;
class mapa;
class mapa_jednostek;
class zdarzenia;
class jednostka;

// A chain of units; the object the owner holds is the first node and carries a unit itself.
// Also the factory of unit kinds, the per-frame driver of one side and the turn resets.
class armia {
 public:
  armia();
  armia(nazwa_pola rodzaj, int gracz, grafika* g, mapa* m, mapa_jednostek* mj, zdarzenia* z,
        int x, int y, bool heros);
  ~armia();
  armia(const armia&) = delete;
  armia& operator=(const armia&) = delete;

  void dodaj(nazwa_pola rodzaj, int gracz, grafika* g, mapa* m, mapa_jednostek* mj,
             zdarzenia* z, int x, int y, bool heros);
  void usun();
  // The pass of one side: handles its units (unless obsluguj is false: a pass that only
  // draws) and draws every unit; returns the side's live towns.
  int aktualizuj(int gracz, bool obsluguj = true);
  jednostka* zwroc_aktywna();
  void zeruj_jednostki();
  bool czy_koniec_tury(int gracz);
  jednostka* zwroc_ostatnia();
  // Appends the records of every live unit of a side and the closing E to an open file;
  // false when a write fails.
  bool zapisz_jednostki(std::FILE* plik);
  void zakoncz_ture();
  void zaznacz_pierwsza(int gracz);
  jednostka* zwroc_jednostke(nazwa_pola rodzaj);
  void inicjalizuj_mape_jednostek();

  // Walking the chain (tests, the soak test and the save writer).
  armia* pobierz_nastepna() const { return nastepna; }
  jednostka* pobierz_jednostke() const { return jednostka_wezla; }
  int pobierz_gracza_wezla() const { return gracz_wezla; }
  int liczba_wezlow() const;

 private:
  int gracz_wezla = -1;
  mapa_jednostek* siatka = nullptr;
  jednostka* jednostka_wezla = nullptr;
  jednostka* aktywna = nullptr;
  armia* nastepna = nullptr;
};

// Kind letters of the game files: the letter of a unit kind (0 for none) and the kind of a
// letter (false for an unknown letter).
char litera_rodzaju(nazwa_pola rodzaj);
bool rodzaj_litery(char litera, nazwa_pola& rodzaj);
// Kinds 21 and 22: a castle keeps its grid field against any unit sharing it.
bool czy_zamek(nazwa_pola rodzaj);
