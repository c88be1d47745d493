#pragma once
#include "punkt.h"

class jednostka;

// A judgement that plays the computer's side in place of the classic rules: which unit acts
// next, the field it is ordered to, and when the turn is over. Its orders go through the
// same unit control as a person's clicks, one order a pass.
class doradca_komputera {
 public:
  virtual ~doradca_komputera() = default;
  // The field the selected unit is ordered to in this pass; its own field orders nothing.
  // The unit's reach map is fresh.
  virtual punkt rozkaz(jednostka& j) = 0;
  // The unit of the side to select next; null when none has anything left to do.
  virtual jednostka* nastepna_jednostka(int gracz) = 0;
  // Whether the side has done what it meant to do this turn.
  virtual bool czy_koniec_tury(int gracz) = 0;
};

// The adviser of a side: the registered one while it plays ai with the strong computer
// chosen, otherwise null (the classic rules).
doradca_komputera* doradca_strony(int gracz);
// Registers the adviser (null: none). It is not owned.
void ustaw_doradce(doradca_komputera* d);

// Orders of the computer's side that moved a unit or fought, counted as they are carried out
// by the unit control (the classic rules and the strong computer alike), and the field the
// last one went to. The game screen paces the computer's turn by them.
long liczba_widocznych_rozkazow();
punkt pole_ostatniego_rozkazu();
void zglos_widoczny_rozkaz(int x, int y);
