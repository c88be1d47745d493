#include "doradca_komputera.h"

#include "globalne.h"

namespace {
doradca_komputera* zarejestrowany = nullptr;
}

doradca_komputera* doradca_strony(int gracz) {
  if (!zarejestrowany || gracz == 0 || gracz != ai || sila_komputera != SILA_SILNA)
    return nullptr;
  return zarejestrowany;
}

void ustaw_doradce(doradca_komputera* d) { zarejestrowany = d; }
