#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "pomoc_jednostek.h"

namespace {

TEST(RodzajeJednostek, KazdyRodzajBudujeSieZeSwojegoWiersza) {
  pole_bitwy p;
  int n = 0;
  const dane_rodzaju* t = tabela_rodzajow(n);
  ASSERT_EQ(n, 18);
  for (int i = 0; i < n; i++) {
    EXPECT_EQ(znajdz_rodzaj(t[i].wyglad), &t[i]);
    jednostka* j = p.utworz(t[i].wyglad, 5, 7, 2);
    ASSERT_NE(j, nullptr) << t[i].klasa;
    const int wartosci[] = {j->pobierz_wyglad(),      j->pobierz_punkty_ruchu(),
                            j->pobierz_d_punkty_ruchu(), j->pobierz_punkty_zycia(),
                            j->pobierz_d_punkty_zycia(), j->pobierz_atak(),
                            j->pobierz_obrona(),      j->pobierz_zwinnosc(),
                            j->pobierz_exp(),         j->pobierz_cene()};
    const int wiersz[] = {t[i].wyglad, t[i].ruchy,  t[i].ruchy,    t[i].zycie, t[i].zycie,
                          t[i].atak,   t[i].obrona, t[i].zwinnosc, t[i].exp,   t[i].cena};
    for (int k = 0; k < 10; k++) EXPECT_EQ(wartosci[k], wiersz[k]) << t[i].klasa << " " << k;
    EXPECT_EQ(std::make_tuple(j->pobierz_gracz(), j->pobierz_x(), j->pobierz_y(),
                              j->pobierz_poziom(), j->aktualny_stan()),
              std::make_tuple(2, 5, 7, 1, 0));
  }
  for (int v : {0, 2, 9, 20, 23, 30, -1}) {
    EXPECT_EQ(znajdz_rodzaj((nazwa_pola)v), nullptr) << v;
    EXPECT_EQ(utworz_jednostke((nazwa_pola)v, nullptr, nullptr, nullptr, nullptr, 0, 0, 1),
              nullptr);
  }
}

// The two sides are balanced: each kind has a twin on the other side with the same strength;
// only the strongest pair differs in price.
TEST(RodzajeJednostek, BliznietaStronMajaTeSameSily) {
  const nazwa_pola pary[][2] = {
      {pole_zolnierz, pole_ciemny_rycerz}, {pole_rycerz, pole_ognisty},
      {pole_mag, pole_lord},               {pole_hydra, pole_smok},
      {pole_archaniol, pole_trol},         {pole_robotnik_1, pole_robotnik_2},
      {pole_wieza_1, pole_wieza_2},        {pole_miasto_1, pole_miasto_2},
      {pole_zamek_gracz_1, pole_zamek_gracz_2}};
  for (auto& para : pary) {
    const dane_rodzaju* a = znajdz_rodzaj(para[0]);
    const dane_rodzaju* b = znajdz_rodzaj(para[1]);
    const int roznica_ceny = para[0] == pole_archaniol ? 50 : 0;
    EXPECT_EQ(std::make_tuple(a->ruchy, a->zycie, a->atak, a->obrona, a->zwinnosc, a->exp,
                              a->cena + roznica_ceny, a->sklep == 0),
              std::make_tuple(b->ruchy, b->zycie, b->atak, b->obrona, b->zwinnosc, b->exp,
                              b->cena, b->sklep == 0))
        << a->klasa;
  }
}

// The description comes from the active language; without the key it is empty, and a unit
// built before a change of language keeps its own copy.
TEST(RodzajeJednostek, OpisZKluczaJezyka) {
  pole_bitwy p;
  jednostka* ognisty = p.utworz(pole_ognisty, 0, 0, 1);
  ASSERT_NE(ognisty->pobierz_opis(), nullptr);
  const std::string tekst = ognisty->pobierz_opis();
  EXPECT_EQ(tekst, get_config_string("teksty", "kula_ognista", nullptr));
  const std::string pusty = katalog_tymczasowy() + "/pusty.cfg";
  zapisz_plik(pusty, "[teksty]\ninny = x\n");
  set_config_file(pusty.c_str());
  EXPECT_EQ(p.utworz(pole_ognisty, 0, 0, 1)->pobierz_opis(), nullptr);
  EXPECT_EQ(ognisty->pobierz_opis(), tekst);
  set_config_file("gm_pl.cfg");
}

// A level is gained at its threshold of experience, one a call, up to 11; hit points grow by a
// fifth of the defence in per cent, and a wounded unit keeps its share of health.
TEST(PoziomyJednostki, ProgiDoswiadczeniaIWzrostZycia) {
  pole_bitwy p;
  const struct {
    int poziom, doswiadczenie, zycie;
    int nowy_poziom, nowe_zycie, nowe_d_zycie;
  } przypadki[] = {
      {1, 99, 200, 1, 200, 200},     {1, 100, 200, 2, 224, 224},   {1, 32767, 200, 2, 224, 224},
      {2, 249, 200, 2, 200, 200},    {2, 250, 200, 3, 224, 224},   {10, 3249, 200, 10, 200, 200},
      {10, 3250, 200, 11, 224, 224}, {11, 32767, 200, 11, 200, 200}, {1, 100, 100, 2, 112, 224},
  };
  for (const auto& c : przypadki) {
    jednostka* j = p.utworz(pole_rycerz, 0, 0, 1);  // 200 hit points, defence 60
    j->zmien_poziom(c.poziom);
    j->zmien_doswiadczenie(c.doswiadczenie);
    j->zmien_punkty_zycia(c.zycie);
    j->zmien_do_rozdysponowania(3);
    j->nowy_poziom();
    const bool awans = c.nowy_poziom > c.poziom;
    EXPECT_EQ(std::make_tuple(j->pobierz_poziom(), j->pobierz_punkty_zycia(),
                              j->pobierz_d_punkty_zycia(), j->pobierz_do_rozdysponowania()),
              std::make_tuple(c.nowy_poziom, c.nowe_zycie, c.nowe_d_zycie, awans ? 10 : 3))
        << c.poziom << "/" << c.doswiadczenie;
  }
  jednostka* miasto = p.utworz(pole_miasto_1, 0, 0, 1);  // defence 30: +6 %
  miasto->zmien_doswiadczenie(100);
  miasto->nowy_poziom();
  EXPECT_EQ(miasto->pobierz_d_punkty_zycia(), 106);
}

TEST(LeczenieITrening, JednoLosowanieIGranice) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_rycerz, 0, 0, 1);
  for (unsigned ziarno = 1; ziarno < 100; ziarno++) {
    std::srand(ziarno);
    const int r = std::rand();
    j->zmien_punkty_zycia(100);
    std::srand(ziarno);
    j->ulecz(5);  // bound 10 of 200
    ASSERT_EQ(j->pobierz_punkty_zycia(), 100 + r % 10);
  }
  j->zmien_punkty_zycia(198);
  for (int i = 0; i < 50; i++) j->ulecz(10);
  EXPECT_EQ(j->pobierz_punkty_zycia(), 200);

  // A bound of 0 heals and trains nothing but still takes its draw.
  jednostka* slaby = p.utworz(pole_robotnik_1, 0, 0, 1);  // 50 hit points: 1 % is 0
  slaby->zmien_punkty_zycia(10);
  std::srand(7);
  std::rand(), std::rand(), std::rand();
  const int czwarty = std::rand();
  std::srand(7);
  slaby->ulecz(1);
  slaby->ulecz(-5);
  slaby->trenuj(0);
  EXPECT_EQ(std::make_tuple(slaby->pobierz_punkty_zycia(), slaby->pobierz_doswiadczenie()),
            std::make_tuple(10, 0));
  EXPECT_EQ(std::rand(), czwarty);

  jednostka* mag = p.utworz(pole_mag, 0, 0, 1);
  std::srand(3);
  const int r = std::rand();
  mag->zmien_doswiadczenie(90);
  std::srand(3);
  mag->trenuj(25);
  EXPECT_EQ(mag->pobierz_doswiadczenie(), 90 + r % 25);
  EXPECT_EQ(mag->pobierz_poziom(), 90 + r % 25 >= 100 ? 2 : 1);
  mag->zmien_doswiadczenie(32760);
  for (int i = 0; i < 20; i++) mag->trenuj(1000);
  EXPECT_GE(mag->pobierz_doswiadczenie(), 32760);  // saturates instead of turning negative
}

// Values read from game files are pulled into range; 16-bit members saturate; raising a
// statistic stops once it passes 99.
TEST(UstawieniaJednostki, WartosciZPlikowSaOgraniczane) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_hydra, 0, 0, 1);
  const struct {
    void (jednostka::*zmien)(int);
    int (jednostka::*pobierz)();
    int podane, oczekiwane;
  } przypadki[] = {
      {&jednostka::zmien_d_punkty_zycia, &jednostka::pobierz_d_punkty_zycia, 0, 1},
      {&jednostka::zmien_d_punkty_zycia, &jednostka::pobierz_d_punkty_zycia, 1, 1},
      {&jednostka::zmien_poziom, &jednostka::pobierz_poziom, 0, 1},
      {&jednostka::zmien_poziom, &jednostka::pobierz_poziom, 11, 11},
      {&jednostka::zmien_poziom, &jednostka::pobierz_poziom, 12, 11},
      {&jednostka::zmien_punkty_ruchu, &jednostka::pobierz_punkty_ruchu, -1, 0},
      {&jednostka::zmien_punkty_ruchu, &jednostka::pobierz_punkty_ruchu, 32768, 32767},
      {&jednostka::zmien_pieniadze, &jednostka::pobierz_pieniadze, 40000, 32767},
      {&jednostka::zmien_exp, &jednostka::pobierz_exp, 70000, 32767},
      {&jednostka::zmien_doswiadczenie, &jednostka::pobierz_doswiadczenie, -70000, -32768},
  };
  for (const auto& c : przypadki) {
    (j->*c.zmien)(c.podane);
    EXPECT_EQ((j->*c.pobierz)(), c.oczekiwane) << c.podane;
  }
  j->zmien_atak(99);
  j->zmien_obrona(99);
  j->zmien_zwinnosc(100);
  for (int i = 0; i < 2; i++) {
    j->zwieksz_atak(1);
    j->zwieksz_obrone(1);
    j->zwieksz_zwinnosc(1);
  }
  EXPECT_EQ(std::make_tuple(j->pobierz_atak(), j->pobierz_obrona(), j->pobierz_zwinnosc()),
            std::make_tuple(100, 100, 100));
}

TEST(SiatkaJednostek, WstawianieCzyszczenieIPolaPozaMapa) {
  pole_bitwy p;
  mapa_jednostek s;
  jednostka* a = p.utworz(pole_trol, 0, 4, 1);
  jednostka* b = p.utworz(pole_smok, 0, 4, 2);
  s.wstaw_jednostke(a);
  s.wstaw_jednostke(b);
  EXPECT_EQ(s.pobierz_jednostke(0, 4), b);
  s.zeruj_pole_jesli(0, 4, a);  // not a's field any more
  EXPECT_EQ(s.pobierz_jednostke(0, 4), b);
  s.zeruj_pole_jesli(0, 4, b);
  EXPECT_EQ(s.pobierz_jednostke(0, 4), nullptr);
  s.wstaw_jednostke(a);
  s.zeruj_pole(0, 4);
  EXPECT_EQ(s.pobierz_jednostke(0, 4), nullptr);

  // Each coordinate is checked on its own: (60, 3) and (-60, 5) must not reach (0, 4).
  const std::pair<int, int> poza[] = {{60, 3}, {-60, 5}, {-1, 4}, {0, -1}};
  for (auto& z : poza) s.wstaw_jednostke(p.utworz(pole_trol, z.first, z.second, 1));
  s.wstaw_jednostke(nullptr);
  for (int k = 0; k < LICZBA_POL; k++) ASSERT_EQ(s.pobierz_jednostke(k % 60, k / 60), nullptr);
  s.wstaw_jednostke(b);
  for (auto& z : poza) {
    EXPECT_EQ(s.pobierz_jednostke(z.first, z.second), nullptr);
    s.zeruj_pole(z.first, z.second);
    s.zeruj_pole_jesli(z.first, z.second, b);
  }
  EXPECT_EQ(s.pobierz_jednostke(0, 4), b);
}

}  // namespace
