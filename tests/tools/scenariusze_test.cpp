// The four scenarios: the generator reproduces them, the reader takes them, units on land.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "armia.h"
#include "jednostka.h"
#include "mapa.h"
#include "plik_gry.h"
#include "srodowisko.h"

namespace {

std::string plik(const std::string& korzen, int i, const char* rozszerzenie) {
  return korzen + "/Pliki_danych/Mapy/map" + std::to_string(i) + rozszerzenie;
}

TEST(Scenariusze, GeneratorDajeZapisaneBajty) {
  const std::string k = katalog_tymczasowy();
  const std::string polecenie = std::string(GRA_KATALOG_BUDOWY "/narzedzia/gen_scenariusze ") + k;
  ASSERT_EQ(std::system(polecenie.c_str()), 0);
  for (int i = 1; i <= 4; i++)
    EXPECT_EQ(wczytaj_plik(plik(k, i, ".sce")), wczytaj_plik(plik(GRA_KATALOG_ZRODEL, i, ".sce")));
}

TEST(Scenariusze, WczytujaSieNaLadzie) {
  przygotuj_allegro();
  grafika_nagrywajaca ekran;
  for (int i = 1; i <= 4; i++) {
    stan_gry s;
    s.ekran = &ekran;
    char blad[256];
    ASSERT_TRUE(wczytaj_gre(("Pliki_danych/Mapy/map" + std::to_string(i) + ".sce").c_str(), s, blad))
        << blad;
    for (nazwa_pola z : {pole_zamek_gracz_1, pole_zamek_gracz_2}) {
      jednostka* zamek = s.armia_glowna->zwroc_jednostke(z);
      ASSERT_NE(zamek, nullptr);
      int wolne = 0;
      for (int k = 0; k < 6; k++) {
        int nx, ny;
        sasiad(zamek->pobierz_x(), zamek->pobierz_y(), k, nx, ny);
        wolne += koszt_terenu(s.teren->jakie_pole(nx, ny)) > 0;
      }
      EXPECT_EQ(wolne, 6) << "map" << i;
    }
    for (armia* w = s.armia_glowna->pobierz_nastepna(); w; w = w->pobierz_nastepna()) {
      jednostka* j = w->pobierz_jednostke();
      EXPECT_GT(koszt_terenu(s.teren->jakie_pole(j->pobierz_x(), j->pobierz_y())), 0) << "map" << i;
      EXPECT_FALSE(j->pobierz_x() == 1 && j->pobierz_y() == 1);
    }
    s.zwolnij();
  }
}

}  // namespace
