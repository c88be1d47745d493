// Fights and field events replayed from a seed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "globalne.h"
#include "pomoc_jednostek.h"

namespace {

int cios(int atak, int obrona) {
  const int r1 = std::rand() % 100, r2 = std::rand(), r3 = std::rand();
  int o = r2 % atak;
  if (r1 < obrona) o -= r3 % obrona;
  return o < 0 ? 0 : o;
}

TEST(walka, na_trawie_szesc_losowan_i_obrazenia) {
  przygotuj_allegro();
  godzina = 12.0f;
  for (unsigned ziarno = 1; ziarno < 30; ziarno++) {
    pole_bitwy b;
    jednostka* a = b.postaw(pole_zolnierz, 10, 10, 1);
    jednostka* d = b.postaw(pole_ciemny_rycerz, 11, 10, 2);
    const int za = a->pobierz_punkty_zycia(), zd = d->pobierz_punkty_zycia();
    std::srand(ziarno);
    const int na_d = cios(a->pobierz_atak(), d->pobierz_obrona());
    const int na_a = cios(d->pobierz_atak(), a->pobierz_obrona());
    const int dalej = std::rand();
    std::srand(ziarno);
    a->atakuj(d, 11, 10);
    EXPECT_EQ(std::rand(), dalej) << ziarno;
    EXPECT_EQ(d->pobierz_punkty_zycia(), zd - na_d);
    EXPECT_EQ(a->pobierz_punkty_zycia(), za - na_a);
    EXPECT_EQ(a->pobierz_punkty_ruchu(), a->pobierz_d_punkty_ruchu() - 1);
    EXPECT_EQ(d->pobierz_cel_wskaznik(), a);
  }
}

TEST(walka, obrona_sto_zawsze_blokuje_i_dzielnik_zero_nie_dzieli) {
  przygotuj_allegro();
  pole_bitwy b;
  jednostka* a = b.postaw(pole_zolnierz, 10, 10, 1);
  jednostka* d = b.postaw(pole_ciemny_rycerz, 11, 10, 2);
  d->zmien_obrona(1000);
  a->zmien_atak(0);  // a divisor below 1: no damage, draws still taken
  d->zmien_atak(0);
  const int zd = d->pobierz_punkty_zycia();
  std::srand(5);
  for (int i = 0; i < 6; i++) std::rand();
  const int dalej = std::rand();
  std::srand(5);
  a->atakuj(d, 11, 10);
  EXPECT_EQ(std::rand(), dalej);
  EXPECT_EQ(d->pobierz_punkty_zycia(), zd);
}

TEST(walka, upadek_lup_zdobycie_i_obie_strony) {
  przygotuj_allegro();
  pole_bitwy b;
  jednostka* a = b.postaw(pole_smok, 10, 10, 2);
  jednostka* wieza = b.postaw(pole_wieza_1, 11, 10, 1);
  a->zmien_atak(5000);
  a->zmien_obrona(5000);
  wieza->zmien_obrona(1);
  wieza->zmien_punkty_zycia(1);
  a->atakuj(wieza, 11, 10);
  EXPECT_EQ(wieza->pobierz_gracz(), 2);  // captured, full health, still on the grid
  EXPECT_EQ(wieza->pobierz_punkty_zycia(), wieza->pobierz_d_punkty_zycia());
  EXPECT_EQ(b.siatka.pobierz_jednostke(11, 10), wieza);
  EXPECT_EQ(a->pobierz_doswiadczenie(), wieza->pobierz_exp());

  jednostka* zamek = b.postaw(pole_zamek_gracz_1, 10, 11, 1);
  zamek->zmien_punkty_zycia(1);
  zamek->zmien_obrona(1);
  a->atakuj(zamek, 10, 11);
  EXPECT_LT(zamek->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(b.siatka.pobierz_jednostke(10, 11), nullptr);

  // Both below 1: the attacker falls, the defender keeps exactly 1.
  jednostka* x = b.postaw(pole_zolnierz, 20, 20, 1);
  jednostka* y = b.postaw(pole_ciemny_rycerz, 21, 20, 2);
  x->zmien_punkty_zycia(1);
  y->zmien_punkty_zycia(1);
  x->zmien_atak(5000);
  y->zmien_atak(5000);
  x->zmien_obrona(1);
  y->zmien_obrona(1);
  x->atakuj(y, 21, 20);
  EXPECT_LT(x->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(y->pobierz_punkty_zycia(), 1);
  EXPECT_EQ(b.siatka.pobierz_jednostke(20, 20), nullptr);
  EXPECT_EQ(y->pobierz_doswiadczenie(), x->pobierz_exp());
}

TEST(zdarzenie, las_gory_lawa_jeden_na_dziesiec) {
  przygotuj_allegro();
  pole_bitwy b;
  b.maluj(0, 0, 0, 0, '5');
  b.maluj(1, 0, 1, 0, '4');
  jednostka* j = b.postaw(pole_zolnierz, 0, 0, 1);
  int zloto = 0, trafienia = 0;
  for (unsigned ziarno = 1; ziarno < 200; ziarno++) {
    std::srand(ziarno);
    const int r = std::rand() % 101 + 1;
    const int ile = std::rand() % 26 + 25;
    j->zmien_pieniadze(0);
    std::srand(ziarno);
    j->zdarzenie_pola(0, 0);
    zloto = j->pobierz_pieniadze();
    EXPECT_EQ(zloto, r <= 10 ? ile : 0);
    trafienia += r <= 10;
    std::srand(ziarno);
    const int zycie = j->pobierz_punkty_zycia();
    const int r2 = std::rand() % 101 + 1, strata = std::rand() % 20;
    std::srand(ziarno);
    j->zdarzenie_pola(1, 0);
    EXPECT_EQ(j->pobierz_punkty_zycia(), zycie - (r2 <= 10 ? strata : 0));
    j->zmien_punkty_zycia(180);
  }
  EXPECT_GT(trafienia, 5);
}

}  // namespace
