#include "doradca_komputera.h"

#include "globalne.h"

namespace {
doradca_komputera* zarejestrowany = nullptr;
long widoczne_rozkazy = 0;
punkt ostatnie_pole;
}

doradca_komputera* doradca_strony(int gracz) {
  if (!zarejestrowany || gracz == 0 || gracz != ai || sila_komputera != SILA_SILNA)
    return nullptr;
  return zarejestrowany;
}

void ustaw_doradce(doradca_komputera* d) { zarejestrowany = d; }

long liczba_widocznych_rozkazow() { return widoczne_rozkazy; }
punkt pole_ostatniego_rozkazu() { return ostatnie_pole; }

void zglos_widoczny_rozkaz(int x, int y) {
  ++widoczne_rozkazy;
  ostatnie_pole = punkt(float(x), float(y));
}
