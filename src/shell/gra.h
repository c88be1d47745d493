#pragma once
#include "stan_gry.h"

class grafika;
class mapa;
class mapa_jednostek;
class menu;
class zdarzenia;

// The game object: starts the screen, runs the main menu, loads the chosen game and runs
// the main loop until the player leaves. The process ends inside the constructor.
class gra {
 public:
  explicit gra(char* tryb_ekranu);
  ~gra();
  gra(const gra&) = delete;
  gra& operator=(const gra&) = delete;

  // Reads the file chosen in the menu into stan; on a refusal hands the menu the reason to
  // show when it opens again and answers false.
  static bool wczytaj_wybrana_gre(menu& m, stan_gry& stan);

 private:
  grafika* ekran = nullptr;
  mapa* teren = nullptr;
  mapa_jednostek* siatka = nullptr;
  menu* glowne_menu = nullptr;
  zdarzenia* wejscie = nullptr;
  stan_gry stan;
};
