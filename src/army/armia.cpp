#include "armia.h"

#include <cstring>

#include "doradca_komputera.h"
#include "jednostka.h"
#include "mapa_jednostek.h"
#include "rodzaje.h"
#include "zdarzenia.h"

namespace {

bool czy_miasto(nazwa_pola w) { return w == pole_miasto_1 || w == pole_miasto_2; }
bool czy_budynek_staly(nazwa_pola w) {
  return w == pole_wieza_1 || w == pole_wieza_2 || czy_miasto(w);
}
bool czy_zywa(jednostka* j) { return j && j->pobierz_punkty_zycia() > 0; }

}  // namespace

armia::armia() {}

armia::armia(nazwa_pola rodzaj, int gracz, grafika* g, mapa* m, mapa_jednostek* mj,
             zdarzenia* z, int x, int y, bool heros)
    : gracz_wezla(gracz), siatka(mj) {
  jednostka_wezla = utworz_jednostke(rodzaj, g, m, mj, z, x, y, gracz);
  jednostka* j = jednostka_wezla;
  if (!j) return;
  if (heros) {
    j->zwieksz_atak(j->pobierz_atak());
    j->zwieksz_obrone(j->pobierz_obrona());
    j->zwieksz_zwinnosc(j->pobierz_zwinnosc());
    if (z) z->wyswietl_okno(4);
  }
  // A unit bought on its castle's field shares it; the castle keeps the grid field.
  if (x != -1 && y != -1 && mj && !mj->pobierz_jednostke(x, y)) mj->wstaw_jednostke(j);
}

// Destroys the chain node by node, so a very long army never recurses deeply.
armia::~armia() {
  armia* w = nastepna;
  nastepna = nullptr;
  while (w) {
    armia* dalej = w->nastepna;
    w->nastepna = nullptr;
    delete w;
    w = dalej;
  }
  delete jednostka_wezla;
  jednostka_wezla = nullptr;
  gracz_wezla = -1;
}

void armia::dodaj(nazwa_pola rodzaj, int gracz, grafika* g, mapa* m, mapa_jednostek* mj,
                  zdarzenia* z, int x, int y, bool heros) {
  armia* w = this;
  while (w->nastepna) w = w->nastepna;
  w->nastepna = new armia(rodzaj, gracz, g, m, mj, z, x, y, heros);
}

// The first node takes over the second node's unit; the second is detached before it goes.
void armia::usun() {
  armia* druga = nastepna;
  if (!druga) return;
  delete jednostka_wezla;
  jednostka_wezla = druga->jednostka_wezla;
  gracz_wezla = druga->gracz_wezla;
  nastepna = druga->nastepna;
  druga->jednostka_wezla = nullptr;
  druga->nastepna = nullptr;
  delete druga;
}

// Handling and income go by each unit's current owner, so a captured tower or town works
// for the side holding it, as it does after a reload.
int armia::aktualizuj(int gracz, bool obsluguj) {
  short miasta = 0;
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j) continue;
    if (j->pobierz_gracz() == gracz) {
      const bool klik = obsluguj && j->obsluga() != 0;
      if (klik && aktywna != j) {
        if (aktywna) aktywna->zmien_stan(0);
        j->zmien_stan(1);
        aktywna = j;
      }
      if (czy_zywa(j) && czy_miasto(j->pobierz_wyglad())) miasta++;
    }
    j->rysuj();
  }
  return miasta;
}

jednostka* armia::zwroc_aktywna() { return aktywna; }

void armia::zeruj_jednostki() {
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j) continue;
    if (j->pobierz_punkty_zycia() < 1) {
      j->zmien_stan(2);
    } else {
      j->zmien_stan(0);
      j->przywroc_punkty_ruchu(-1);
    }
  }
}

bool armia::czy_koniec_tury(int gracz) {
  if (doradca_komputera* d = doradca_strony(gracz)) return d->czy_koniec_tury(gracz);
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j || j->pobierz_gracz() != gracz) continue;
    if (czy_zywa(j) && j->pobierz_punkty_ruchu() > 0 && !czy_budynek_staly(j->pobierz_wyglad()))
      return false;
  }
  return true;
}

jednostka* armia::zwroc_ostatnia() {
  armia* w = this;
  while (w->nastepna) w = w->nastepna;
  return w->jednostka_wezla;
}

bool armia::zapisz_jednostki(std::FILE* plik) {
  if (!plik) return false;
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!czy_zywa(j) || j->pobierz_gracz() == 0) continue;
    const char litera = litera_rodzaju(j->pobierz_wyglad());
    if (!litera) continue;
    if (std::fprintf(plik, "%c %d %d %d %d %d %d %d %d %d %d %d %d %d %d", litera,
                     j->pobierz_gracz(), j->pobierz_x(), j->pobierz_y(),
                     j->pobierz_punkty_zycia(), j->pobierz_d_punkty_zycia(),
                     j->pobierz_punkty_ruchu(), j->pobierz_atak(), j->pobierz_obrona(),
                     j->pobierz_zwinnosc(), j->pobierz_do_rozdysponowania(),
                     j->pobierz_poziom(), j->pobierz_doswiadczenie(), j->pobierz_exp(),
                     j->pobierz_pieniadze()) < 0)
      return false;
  }
  return std::fputc('E', plik) != EOF;
}

void armia::zakoncz_ture() {
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j) continue;
    j->przywroc_punkty_ruchu(0);
    if (j->pobierz_punkty_zycia() < 1)
      j->zmien_stan(2);
    else
      j->ulecz(5);
  }
}

// The strong computer chooses its next unit as a person does, by selecting it; the unit
// it leaves goes back to idle.
void armia::zaznacz_pierwsza(int gracz) {
  if (doradca_komputera* d = doradca_strony(gracz)) {
    jednostka* j = d->nastepna_jednostka(gracz);
    if (!j) return;
    if (aktywna && aktywna != j && aktywna->aktualny_stan() == 1) aktywna->zmien_stan(0);
    j->zmien_stan(1);
    aktywna = j;
    return;
  }
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j || j->pobierz_gracz() != gracz) continue;
    if (czy_zywa(j) && j->pobierz_punkty_ruchu() > 0) {
      j->zmien_stan(1);
      aktywna = j;
      return;
    }
  }
}

jednostka* armia::zwroc_jednostke(nazwa_pola rodzaj) {
  for (armia* w = this; w; w = w->nastepna)
    if (w->jednostka_wezla && w->jednostka_wezla->pobierz_wyglad() == rodzaj)
      return w->jednostka_wezla;
  return nullptr;
}

// Places every unit in chain order; a castle is never displaced by a later unit on its field.
void armia::inicjalizuj_mape_jednostek() {
  if (!siatka) return;
  for (armia* w = this; w; w = w->nastepna) {
    jednostka* j = w->jednostka_wezla;
    if (!j) continue;
    jednostka* jest = siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y());
    if (jest && jest != j && czy_zamek(jest->pobierz_wyglad())) continue;
    siatka->wstaw_jednostke(j);
  }
}

int armia::liczba_wezlow() const {
  int n = 0;
  for (const armia* w = this; w; w = w->nastepna) n++;
  return n;
}

struct litera_rodzaju_pliku {
  char litera;
  nazwa_pola rodzaj;
};

static const litera_rodzaju_pliku litery[] = {
    {'S', pole_ognisty},        {'X', pole_zolnierz},      {'N', pole_rycerz},
    {'C', pole_hydra},          {'V', pole_archaniol},     {'B', pole_mag},
    {'D', pole_smok},           {'F', pole_trol},          {'G', pole_ciemny_rycerz},
    {'H', pole_lord},           {'Z', pole_zamek_gracz_1}, {'A', pole_zamek_gracz_2},
    {'M', pole_wieza_1},        {'J', pole_wieza_2},       {'K', pole_miasto_1},
    {'L', pole_miasto_2},       {'Q', pole_robotnik_1},    {'W', pole_robotnik_2},
};

char litera_rodzaju(nazwa_pola rodzaj) {
  for (const litera_rodzaju_pliku& l : litery)
    if (l.rodzaj == rodzaj) return l.litera;
  return 0;
}

bool rodzaj_litery(char litera, nazwa_pola& rodzaj) {
  for (const litera_rodzaju_pliku& l : litery)
    if (l.litera == litera) {
      rodzaj = l.rodzaj;
      return true;
    }
  return false;
}

bool czy_zamek(nazwa_pola rodzaj) {
  return rodzaj == pole_zamek_gracz_1 || rodzaj == pole_zamek_gracz_2;
}
