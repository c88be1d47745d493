#pragma once

// The pace of the computer's turn on screen, so that a person can follow it: after an order
// that moved a unit or fought, the computer waits OKRES milliseconds before its next pass;
// passes whose orders did nothing go on at once. A click or Space lets the rest of the turn
// run at full speed. Switched off (as in tests, soak games and the tournament) it never waits.
// Only the time between the computer's passes changes, never what a pass does.
class tempo_komputera {
 public:
  static const long OKRES = 150;

  void wlacz(bool tak) { wlaczone = tak; }
  bool czy_wlaczone() const { return wlaczone; }
  // Whether the computer may take its pass at clock time teraz.
  bool czy_moze(long teraz) const { return teraz >= pobierz_termin(); }
  // The clock time from which it may; a time long past when it need not wait.
  long pobierz_termin() const { return wlaczone && !pospiech ? nastepny : 0; }
  // After a pass of the computer at clock time teraz; pokazany when an order moved a unit
  // or fought.
  void po_przebiegu(bool pokazany, long teraz) {
    if (pokazany) nastepny = teraz + OKRES;
  }
  // The player asked for the rest of this turn at full speed.
  void przyspiesz() { pospiech = true; }
  bool czy_przyspieszony() const { return pospiech; }
  // A turn begins: shown at the usual pace again.
  void nowa_tura() {
    pospiech = false;
    nastepny = 0;
  }

 private:
  bool wlaczone = false;
  bool pospiech = false;
  long nastepny = 0;
};
