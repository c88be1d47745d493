#pragma once
// What one blow of a fight is likely to do, worked out from the rule of the fight: the
// blow takes a random part below the attack, less a random part below the defence when the
// defender blocks (a draw of 0..99 below the defence), and never heals.

// The mean damage of one blow.
double srednie_obrazenia(float atak, float obrona);
// The chance that one blow takes at least prog hit points (1 for prog 0 or less).
double szansa_obrazen(float atak, float obrona, int prog);
// The most one blow can take.
int najwieksze_obrazenia(float atak);
