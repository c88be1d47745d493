#include "gra_na_mapie.h"

#include "armia.h"
#include "jednostka.h"
#include "plik_gry.h"

gra_na_mapie::gra_na_mapie(int mapa_nr, long (*zegar)()) {
  ekran.ustaw_zegar(zegar);
  stan.ekran = &ekran;
  stan.wejscie = &wejscie;
  wczytana = wczytaj_gre(plik_wyboru(5 + mapa_nr), stan, blad);
}

gra_na_mapie::~gra_na_mapie() { stan.zwolnij(); }

punkt_ekranu srodek_pola_w_widoku(int kolumna, int wiersz) {
  return {kolumna * 40 + (wiersz % 2) * 20 - 11 + 20, wiersz * 30 + 2 + 20};
}

std::vector<jednostka*> zywe_jednostki(armia* od, int gracz) {
  std::vector<jednostka*> w;
  for (armia* a = od; a; a = a->pobierz_nastepna()) {
    jednostka* j = a->pobierz_jednostke();
    if (j && j->pobierz_gracz() == gracz && j->pobierz_punkty_zycia() >= 1) w.push_back(j);
  }
  return w;
}
