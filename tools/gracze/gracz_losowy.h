#pragma once
// A player who clicks at random through the real mouse input, as a restless human might:
// selects its units, orders them to fields near where they stand or onto enemies in view,
// scrolls the view with the pointer at the map's edges, wanders through the shops and ends
// its turn after a few dozen frames. Its choices come from its own generator, because the
// main loop reseeds rand from the clock every frame. It never presses the options button:
// that menu saves into the player's save slots.
#include <deque>
#include <functional>
#include <random>
#include <vector>

#include "rozgrywka.h"
#include "stan_gry.h"

class jednostka;

class gracz_losowy {
 public:
  // How a turn ended.
  enum koniec {
    przyciskiem,        // the end-turn button handed it over
    koniec_gry,         // a castle fell
    przerwana,          // po_klatce stopped it
    bez_przycisku,      // the side changed before the button was pressed
    przycisk_nie_dziala // the button was pressed and the side stayed on turn
  };
  // po_klatce runs after every frame this player drives; false stops the turn there.
  gracz_losowy(rozgrywka& r, stan_gry& s, unsigned ziarno, std::function<bool()> po_klatce);
  // One turn of the side on turn.
  koniec tura();

  int ruchy = 0;     // frames in which the side's selected unit changed its field
  int zakupy = 0;    // frames in which the army grew
  int chybione = 0;  // clicks that the game placed on another field than the one aimed at

 private:
  struct krok {
    int x, y, b;
  };
  int los_z(int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los); }
  jednostka* jedna_z(const std::vector<jednostka*>& z) { return z[los_z(0, int(z.size()) - 1)]; }
  bool punkt_pola(int fx, int fy, int& px, int& py) const;
  std::vector<jednostka*> w_widoku(int gracz) const;
  void klik_pola(int fx, int fy, int przycisk_myszy);
  void klik_punktu(int x, int y);
  void klik_przycisku(int nr);
  void wybierz_akcje();
  void wybierz_jednostke();
  void wydaj_rozkaz();
  void przycisk_panelu();
  void przewin();
  bool klatka();
  koniec przerwanie() const;

  rozgrywka& r;
  stan_gry& s;
  std::mt19937 los;
  std::function<bool()> po_klatce;
  int strona = 1;
  bool widok_zmieniony = true;
  std::deque<krok> kroki;
};
