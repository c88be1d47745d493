#pragma once
#include "gracz.h"

class grafika;
class mapa;
class mapa_jednostek;
class zdarzenia;
class armia;
class odglosy;

// The state one game works on: built by the game-file reader, saved by the writer, and
// driven by the main loop, the command panel and the purchases.
struct stan_gry {
  grafika* ekran = nullptr;
  zdarzenia* wejscie = nullptr;
  mapa* teren = nullptr;
  mapa_jednostek* siatka = nullptr;
  armia* armia_glowna = nullptr;
  armia* wzorce_1 = nullptr;
  armia* wzorce_2 = nullptr;
  gracz gracze[3];          // indices 1 and 2
  int aktywny_gracz = 1;
  // Purchase sounds of player 1 and 2 (null: silent) and whether sound is switched on.
  odglosy* dzwiek_zakupu[3] = {nullptr, nullptr, nullptr};
  bool dzwiek_wlaczony = true;

  armia* wzorce(int gracz) const { return gracz == 1 ? wzorce_1 : wzorce_2; }
  // Frees everything the reader built (map, grid, the three armies).
  void zwolnij();
};
