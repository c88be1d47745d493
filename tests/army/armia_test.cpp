// Armies and purchases on the map 1 scenario: turn passing, shop, computer purchases, income.
#include <gtest/gtest.h>

#include <cstdlib>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa_jednostek.h"
#include "plik_gry.h"
#include "srodowisko.h"
#include "zakupy.h"
#include "zdarzenia.h"

namespace {

struct gra_testowa {
  grafika_nagrywajaca ekran;
  stan_gry stan;
  gra_testowa() {
    przygotuj_allegro();
    stan.ekran = &ekran;
    char blad[256];
    EXPECT_TRUE(wczytaj_gre("Pliki_danych/Mapy/map1.sce", stan, blad)) << blad;
    stan.armia_glowna->inicjalizuj_mape_jednostek();
  }
  ~gra_testowa() { stan.zwolnij(); }
  jednostka* zamek(int g) {
    return stan.armia_glowna->zwroc_jednostke(g == 1 ? pole_zamek_gracz_1 : pole_zamek_gracz_2);
  }
};

TEST(armia, tura_zaznacza_i_konczy) {
  gra_testowa g;
  armia* a = g.stan.armia_glowna;
  a->zaznacz_pierwsza(1);
  jednostka* pierwsza = a->zwroc_aktywna();
  ASSERT_NE(pierwsza, nullptr);
  EXPECT_EQ(pierwsza->pobierz_wyglad(), pole_robotnik_1);  // the castle has no points
  EXPECT_EQ(pierwsza->aktualny_stan(), 1);
  EXPECT_FALSE(a->czy_koniec_tury(1));
  a->zakoncz_ture();
  EXPECT_TRUE(a->czy_koniec_tury(1));
  a->zaznacz_pierwsza(2);
  EXPECT_EQ(a->zwroc_aktywna(), pierwsza);  // nobody can move: the selection stays
  a->zeruj_jednostki();
  EXPECT_EQ(pierwsza->pobierz_punkty_ruchu(), pierwsza->pobierz_d_punkty_ruchu());
  EXPECT_EQ(a->liczba_wezlow(), 17);
}

TEST(armia, dochod_idzie_za_obecnym_wlascicielem) {
  gra_testowa g;
  armia* a = g.stan.armia_glowna;
  EXPECT_EQ(a->aktualizuj(1), 2);
  jednostka* miasto = a->zwroc_jednostke(pole_miasto_1);
  miasto->zmien_gracza(2);  // captured
  EXPECT_EQ(a->aktualizuj(1), 1);
  EXPECT_EQ(a->aktualizuj(2), 3);
  EXPECT_EQ(dochod_tury(3), 55);
  char blad[256];
  const std::string k = katalog_tymczasowy() + "/1.sav";
  ASSERT_TRUE(zapisz_gre(k.c_str(), g.stan, blad));
  stan_gry drugi;
  drugi.ekran = &g.ekran;
  ASSERT_TRUE(wczytaj_gre(k.c_str(), drugi, blad));
  EXPECT_EQ(drugi.armia_glowna->aktualizuj(2), 3);
  drugi.zwolnij();
}

TEST(zakupy, ceny_technologie_i_zamek) {
  gra_testowa g;
  gracz& p = g.stan.gracze[1];
  EXPECT_FALSE(kup_jednostke(g.stan, 1, 2));  // technology missing
  p.zmien_zloto(999);
  EXPECT_FALSE(kup_technologie(g.stan, 1, 2));
  p.zmien_zloto(1000);
  EXPECT_TRUE(kup_technologie(g.stan, 1, 2));
  EXPECT_EQ(p.pobierz_zloto(), 0);
  EXPECT_FALSE(kup_technologie(g.stan, 1, 2));
  jednostka* wzor = jednostka_sklepu(g.stan, 1, 2);
  ASSERT_NE(wzor, nullptr);
  EXPECT_EQ(wzor->pobierz_wyglad(), pole_rycerz);
  EXPECT_EQ(jednostka_sklepu(g.stan, 2, 5)->pobierz_wyglad(), pole_trol);
  p.zmien_zloto(wzor->pobierz_cene());
  ASSERT_TRUE(kup_jednostke(g.stan, 1, 2));
  EXPECT_EQ(p.pobierz_zloto(), 0);
  jednostka* nowa = g.stan.armia_glowna->zwroc_ostatnia();
  EXPECT_EQ(nowa->pobierz_x(), g.zamek(1)->pobierz_x());
  EXPECT_EQ(g.stan.siatka->pobierz_jednostke(nowa->pobierz_x(), nowa->pobierz_y()), g.zamek(1));
  p.zaplac(-55);
  EXPECT_EQ(p.pobierz_zloto(), 55);
}

// The computer's draws replayed: the same seed gives the same decision, draw for draw.
TEST(zakupy, komputer_losuje_w_ustalonej_kolejnosci) {
  for (unsigned ziarno = 1; ziarno < 40; ziarno++) {
    gra_testowa g;
    gracz& p = g.stan.gracze[2];
    p.zmien_zloto(480);
    p.kup_technologie(4);
    p.kup_technologie(5);
    const int szanse[5] = {70, 60, 45, 45, 90}, progi[5] = {200, 300, 400, 600, 900};
    std::srand(ziarno);
    bool kupi = false;
    
    for (int i = 0; i < 5 && !kupi; i++)
      kupi = std::rand() % 100 < szanse[i] && 480 >= progi[i];
    const int po = std::rand();
    const int wezly = g.stan.armia_glowna->liczba_wezlow();
    std::srand(ziarno);
    zakupy_komputera(g.stan, 2);
    EXPECT_EQ(std::rand(), po) << "draw count, seed " << ziarno;
    const int cena_smoka = g.stan.wzorce_2->zwroc_jednostke(pole_smok)->pobierz_cene();
    const bool kupil = g.stan.armia_glowna->liczba_wezlow() == wezly + 1;
    EXPECT_EQ(kupil, kupi && cena_smoka <= 480) << ziarno;
    if (kupil) {
      EXPECT_EQ(g.stan.armia_glowna->zwroc_ostatnia()->pobierz_wyglad(), pole_smok);
      EXPECT_EQ(p.pobierz_zloto(), 480 - cena_smoka);
    }
  }
}

TEST(gracz, start_i_ceny) {
  gracz p;
  EXPECT_EQ(p.pobierz_zloto(), 1000);
  EXPECT_TRUE(p.sprawdz_technologie(0) && p.sprawdz_technologie(1));
  EXPECT_FALSE(p.sprawdz_technologie(2));
  EXPECT_EQ(cena_technologii(5), 8000);
  EXPECT_EQ(cena_technologii(6), 0);
  p.zmien_zloto(2147483600);
  p.zaplac(-1000);
  EXPECT_EQ(p.pobierz_zloto(), 2147483647);
}

}  // namespace

namespace {

// The computer's turn ends within its units' movement points plus a few frames.
TEST(armia, tura_komputera_sie_konczy) {
  gra_testowa g;
  zdarzenia wejscie(&g.ekran);
  g.stan.wejscie = &wejscie;
  stan_gry& s = g.stan;
  char blad[256];
  s.zwolnij();
  ASSERT_TRUE(wczytaj_gre("Pliki_danych/Mapy/map1.sce", s, blad));
  s.armia_glowna->inicjalizuj_mape_jednostek();
  const short dawny_ai = ai;
  ai = 2;
  int suma = 0;
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna())
    if (w->pobierz_jednostke()->pobierz_gracz() == 2) suma += w->pobierz_jednostke()->pobierz_punkty_ruchu();
  std::srand(7);
  s.armia_glowna->zaznacz_pierwsza(2);
  int klatki = 0;
  while (!s.armia_glowna->czy_koniec_tury(2) && klatki < suma + 10) {
    wejscie.odswiez_ze_stanem(0);
    s.armia_glowna->aktualizuj(2);
    s.armia_glowna->zaznacz_pierwsza(2);
    klatki++;
  }
  ai = dawny_ai;
  EXPECT_GE(klatki, 4);  // one jump for each of the four movers at least
  EXPECT_TRUE(s.armia_glowna->czy_koniec_tury(2)) << klatki << " of " << suma;
  // Every live unit still stands in the grid and both castles are there.
  for (armia* w = s.armia_glowna->pobierz_nastepna(); w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (j->pobierz_punkty_zycia() > 0 && j->pobierz_wyglad() != pole_zamek_gracz_1 &&
        j->pobierz_wyglad() != pole_zamek_gracz_2) {
      EXPECT_NE(s.siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y()), nullptr);
    }
  }
  EXPECT_EQ(s.siatka->pobierz_jednostke(g.zamek(2)->pobierz_x(), g.zamek(2)->pobierz_y()), g.zamek(2));
}

}  // namespace
