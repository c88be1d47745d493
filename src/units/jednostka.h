#pragma once
#include "nazwa_pola.h"
#include "punkt.h"

class grafika;
class mapa;
class zdarzenia;
class mapa_jednostek;

// Bounds of values that may come from game files: movement points must fit the 16-bit reach
// map, and level 11 is the highest one play can reach (levelling stops there). Hit points,
// attack, defence and agility stay within a million either way: far beyond anything play
// reaches, and small enough that no sum or product the game forms from them leaves an int.
const int MAKS_PUNKTOW_RUCHU = 32767;
const int MAKS_POZIOM = 11;
const int MAKS_CECHY = 1000000;

// Width in pixels (0..43) of the health bar of a unit with zycie of d_zycie hit points.
int szerokosc_paska_zycia(int zycie, int d_zycie);

// Whether the hour is the side's own time of day, when it fights better: side 1 by day
// (9..19), side 2 by night (20..23 and 0..8). At 8.5 and 19.5 it is nobody's.
bool czy_pora_strony(int gracz, float godzina);

// The attack and defence a fighter of the side brings to a fight on a field of the terrain,
// with or without a friendly neighbour, at the hour: they enter with their own values and
// leave changed as the fight changes them.
void sily_w_walce(int znak_terenu, bool przyjaciel, int strona, float godzina, float& atak,
                  float& obrona);

// Experience needed to leave level 1, 2, ... 10; past the last one a unit grows no more.
const int LICZBA_PROGOW_POZIOMOW = 10;
extern const short PROGI_POZIOMOW[LICZBA_PROGOW_POZIOMOW];

// Every piece on the battlefield: creatures, workers, towers, towns and castles. The kind
// classes (rodzaje.h) only construct; every operation is virtual.
class jednostka {
 public:
  jednostka();
  virtual ~jednostka();
  jednostka(const jednostka&) = delete;
  jednostka& operator=(const jednostka&) = delete;

  virtual void rysuj();                        // the unit, and its reach when selected
  virtual int obsluga();                       // per-frame handling; 1 when just clicked
  virtual void sterowanie();                   // carries out the selected unit's order
  virtual void zmien_stan(int s);
  virtual int aktualny_stan();
  virtual void przywroc_punkty_ruchu(int n);   // -1 restores the full points
  virtual void ulecz(short p);                 // heals up to p per cent of the maximum
  virtual void trenuj(short p);
  virtual void nowy_poziom();
  virtual void sprawdz_wokol(int x, int y);    // reach map from (x, y), see oblicz_zasieg
  virtual void zmien_pieniadze(short p);
  virtual void zwieksz_atak(int n);
  virtual void zwieksz_obrone(int n);
  virtual void zwieksz_zwinnosc(int n);
  virtual void zmniejsz_do_rozdysponowania();
  virtual void zmien_punkty_zycia(int v);
  virtual void zmien_d_punkty_zycia(int v);
  virtual void zmien_punkty_ruchu(int v);
  virtual void zmien_atak(int v);
  virtual void zmien_obrona(int v);
  virtual void zmien_zwinnosc(int v);
  virtual void zmien_do_rozdysponowania(int v);
  virtual void zmien_poziom(int v);
  virtual void zmien_doswiadczenie(int v);
  virtual void zmien_exp(int v);
  virtual void zmien_pieniadze(int p);
  virtual void wyswietl_info(bool statystyki, bool opis_tekst);
  virtual int pobierz_gracz();
  virtual int pobierz_x();
  virtual int pobierz_y();
  virtual int pobierz_punkty_zycia();
  virtual int pobierz_d_punkty_zycia();
  virtual int pobierz_punkty_ruchu();
  virtual int pobierz_atak();
  virtual int pobierz_obrona();
  virtual int pobierz_zwinnosc();
  virtual int pobierz_do_rozdysponowania();
  virtual int pobierz_poziom();
  virtual int pobierz_doswiadczenie();
  virtual int pobierz_exp();
  virtual int pobierz_cene();
  virtual int pobierz_pieniadze();
  virtual const char* pobierz_opis();
  virtual nazwa_pola pobierz_wyglad();
  virtual bool sprawdz_sasiadow(const char* co);  // "przyjaciel", "zamek", "wieza", "miasto"
  virtual void pobierz_cel();                      // computer player: choose the target
  virtual punkt akcja_cel();                       // computer player: choose the field
  virtual void czysc_mape_przejsc();

  // Not part of the dispatch table.
  // Clears the reach map, sets the own field to punkty_ruchu + 1 and fills in the rest.
  void oblicz_zasieg();
  // Reach value at (x, y): 0 unreachable, else 1 + points left on arrival; 0 off the map.
  int wartosc_przejscia(int px, int py) const;
  const short* pobierz_mape_przejsc() const { return mapa_przejsc; }
  jednostka* pobierz_cel_wskaznik() const { return cel; }
  void zmien_cel(jednostka* j) { cel = j; }
  void zmien_gracza(int g) { nr_gracza = g; }
  void zmien_polozenie(int nx, int ny) { x = nx; y = ny; }
  int pobierz_d_punkty_ruchu() const { return d_punkty_ruchu; }
  // Random event of the field the unit has just arrived on.
  void zdarzenie_pola(int fx, int fy);
  // The fight of this unit against the defender standing on (fx, fy).
  void atakuj(jednostka* obronca, int fx, int fy);

 protected:
  // Sets every member from the kind table row of rodzaj (used by the kind constructors).
  void wypelnij_z_rodzaju(nazwa_pola rodzaj, grafika* g, mapa* m, mapa_jednostek* mj,
                          zdarzenia* z, int px, int py, int gracz);
  // Movement cost of entering (nx, ny) for the reach map: 1..3, or 0 when it cannot be
  // entered (off the map, water, occupied).
  int koszt_wejscia(int nx, int ny) const;
  // The computer's choices: is cel a living enemy, and the steps of akcja_cel.
  bool czy_cel_wazny() const;
  void najblizsze_pole_celu(int& bx, int& by);
  void losowe_pole(int& bx, int& by);
  void cel_wiezy(int& bx, int& by);
  // Attack, defence and agility modifiers shown on the information panel.
  void modyfikatory_panelu(float& m_atak, float& m_obrona, float& m_zwinnosc);

  grafika* ekran = nullptr;
  mapa* teren = nullptr;
  zdarzenia* wejscie = nullptr;
  mapa_jednostek* siatka = nullptr;
  jednostka* cel = nullptr;
  short* mapa_przejsc = nullptr;
  const char* opis = nullptr;
  nazwa_pola wyglad = pole_brak;
  int x = 0, y = 0;
  int stan = 0;
  int punkty_ruchu = 0;
  int d_punkty_ruchu = 0;
  int nr_gracza = 0;
  int punkty_zycia = 0;
  int d_punkty_zycia = 0;
  int atak = 0;
  int obrona = 0;
  int zwinnosc = 0;
  short poziom = 1;
  short doswiadczenie = 0;
  short exp = 0;
  short cena = 0;
  short pieniadze = 0;
  short do_rozdysponowania = 0;
  // The unit's own copy of its description text, freed with the unit; opis points at it,
  // so a later change of language file cannot leave the unit with a dangling text.
  char* opis_kopia = nullptr;

  // Unit control (jednostka_sterowanie.cpp).
  // Carries out one order on (fx, fy); true when it moved the unit or held a fight.
  bool wykonaj_rozkaz(int fx, int fy, bool komputer);
  // Whether the unit, standing on its own field, touches (fx, fy): one of its six neighbours.
  bool czy_w_kontakcie(int fx, int fy) const;
  // The defender's losses and gains when it falls to this unit: experience, loot, capture.
  void pokonaj(jednostka* przegrany, int fx, int fy);
};
