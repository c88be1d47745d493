#include "stan_gry.h"

#include "armia.h"
#include "mapa.h"
#include "mapa_jednostek.h"

void stan_gry::zwolnij() {
  delete armia_glowna;
  delete wzorce_1;
  delete wzorce_2;
  delete siatka;
  delete teren;
  armia_glowna = wzorce_1 = wzorce_2 = nullptr;
  siatka = nullptr;
  teren = nullptr;
}
