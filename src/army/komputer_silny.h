#pragma once
#include <vector>

#include "doradca_komputera.h"
#include "mapa_odleglosci.h"
#include "nazwa_pola.h"

struct stan_gry;
class jednostka;

// The strong computer: plays its side by judgement, within the rules and the orders a person
// has. In each pass it names the unit to act and that unit's order (a move or a blow), buys
// at most one thing and presses at most one button of the unit panel. Of the other side it
// reads only what the screen shows: kinds, places and health bars.
class komputer_silny : public doradca_komputera {
 public:
  enum przycisk_panelu { zaden, leczenie, naprawa, punkt_ataku, punkt_obrony, punkt_zwinnosci };

  explicit komputer_silny(stan_gry& stan);
  punkt rozkaz(jednostka& j) override;
  jednostka* nastepna_jednostka(int gracz) override;
  bool czy_koniec_tury(int gracz) override;
  // The purchase of one pass for the side on turn: one unit or one technology at most.
  void zakupy(int gracz);
  // The unit panel's button pressed for the side's active unit in this pass.
  przycisk_panelu przycisk(jednostka& a);

 private:
  // What the side knows of a unit: its own exactly, the other side's from the kind and the
  // health bar.
  struct obraz_jednostki {
    int zycie, d_zycie, atak, obrona, ruchy, cena, exp;
  };

  void przygotuj(int gracz);
  void nowa_tura(int gracz);
  void zbierz_jednostki();
  void oblicz_mapy();
  void oblicz_zagrozenie();
  void ocen_szturm();
  void ocen_sily();
  obraz_jednostki obraz(jednostka* j) const;
  bool czy_zrobiona(const jednostka* j) const;
  void zrob(jednostka* j);

  // Values in gold: a blow of j standing on (x, y) at w; a field for j to end its move on
  // with the given points left.
  double wartosc_ciosu(jednostka& j, int x, int y, jednostka& w) const;
  double wartosc_pola(jednostka& j, int x, int y) const;
  double wartosc_jednostki(jednostka& j) const;
  const mapa_odleglosci& cel_jednostki(jednostka& j) const;
  bool czy_przyjaciel_obok(int x, int y, int gracz, const jednostka* bez) const;
  bool czy_ranna(jednostka& j) const;
  bool czy_gornik(jednostka& j) const;
  bool czy_przy_lecznicy(jednostka& j) const;
  punkt rozkaz_wiezy(jednostka& j);
  punkt rozkaz_robotnika(jednostka& j);
  punkt rozkaz_wojownika(jednostka& j);
  int liczba_jednostek_rodzaju(nazwa_pola w) const;

  stan_gry& stan;
  int strona = 0;
  int wrog = 0;
  float godzina_tury = -1.0f;
  int strona_tury = 0;
  std::vector<jednostka*> wlasne;
  std::vector<jednostka*> wrogie;
  std::vector<const jednostka*> zrobione;
  jednostka* biezaca = nullptr;
  jednostka* zamek_wlasny = nullptr;
  jednostka* zamek_wroga = nullptr;
  int wrogie_przy_mapach = 0;
  bool szturm = false;
  // How much the side fears the other's blows: 1 when the armies are even, less when ours
  // is far the stronger.
  double ostroznosc = 1.0;
  // The experience the enemy castle has gained from our units that fell against it, as a
  // player who watched would count it; its levels make it tougher than its bar shows.
  int doswiadczenie_zamku[3] = {0, 0, 0};
  int szturm_strony = 0;
  jednostka* atakujacy_zamek = nullptr;

  mapa_odleglosci do_zamku_wroga;
  mapa_odleglosci do_celow;
  mapa_odleglosci do_lecznic;
  mapa_odleglosci do_domu;
  mapa_odleglosci do_kopalni;  // mountain fields beside another, where gold is found
  // Per field: how many enemy blows could fall on a unit there before our next turn, and the
  // strongest attack among them.
  std::vector<float> ciosy_wroga;
  std::vector<float> atak_wroga;
};
