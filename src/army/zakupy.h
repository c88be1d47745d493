#pragma once
#include "stan_gry.h"

// Unit and technology purchases, for a human from the shop and for the computer by itself.

// Shop index 0..5 of a player: the template unit (null when missing).
class jednostka;
jednostka* jednostka_sklepu(const stan_gry& stan, int gracz, int indeks);
// The hero roll: reseeds rand from the time in seconds; true for 6 draws in 100.
bool czy_heros();
// A human buys shop index k; false when the gold or the technology is missing.
bool kup_jednostke(stan_gry& stan, int gracz, int indeks);
// A human buys technology t (2..5); false when owned already or the gold is short.
bool kup_technologie(stan_gry& stan, int gracz, int t);
// The computer player's purchases of one frame (technologies, then at most one unit).
void zakupy_komputera(stan_gry& stan, int gracz);
// Income of an ending turn with the given count of live towns: 25 + 10 per town.
int dochod_tury(int miasta);
