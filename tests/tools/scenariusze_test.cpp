// The four scenarios as the game reads them: units on land, castles joined by a land path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "armia.h"
#include "jednostka.h"
#include "mapa.h"
#include "plik_gry.h"
#include "srodowisko.h"

namespace {

TEST(Scenariusze, JednostkiNaLadzieIZamkiPolaczone) {
  przygotuj_allegro();
  grafika_nagrywajaca ekran;
  for (int i = 1; i <= 4; i++) {
    stan_gry s;
    s.ekran = &ekran;
    char blad[256];
    const std::string plik = "Pliki_danych/Mapy/map" + std::to_string(i) + ".sce";
    ASSERT_TRUE(wczytaj_gre(plik.c_str(), s, blad)) << blad;
    auto lad = [&](int x, int y) { return koszt_terenu(s.teren->jakie_pole(x, y)) > 0; };
    for (armia* w = s.armia_glowna->pobierz_nastepna(); w; w = w->pobierz_nastepna())
      EXPECT_TRUE(lad(w->pobierz_jednostke()->pobierz_x(), w->pobierz_jednostke()->pobierz_y()));
    jednostka* z1 = s.armia_glowna->zwroc_jednostke(pole_zamek_gracz_1);
    jednostka* z2 = s.armia_glowna->zwroc_jednostke(pole_zamek_gracz_2);
    ASSERT_TRUE(z1 && z2) << plik;
    // The fields reached over land from the first castle, each spreading to its neighbours.
    std::vector<int> pola{z1->pobierz_y() * ROZMIAR_MAPY + z1->pobierz_x()};
    std::vector<char> byl(LICZBA_POL, 0);
    for (std::size_t n = 0; n < pola.size(); ++n)
      for (int k = 0, x, y; k < 6; k++) {
        sasiad(pola[n] % ROZMIAR_MAPY, pola[n] / ROZMIAR_MAPY, k, x, y);
        if (czy_na_mapie(x, y) && lad(x, y) && !byl[y * ROZMIAR_MAPY + x]++)
          pola.push_back(y * ROZMIAR_MAPY + x);
      }
    EXPECT_TRUE(byl[z2->pobierz_y() * ROZMIAR_MAPY + z2->pobierz_x()]) << plik << ": castles apart";
    s.zwolnij();
  }
}

}  // namespace
