#include <gtest/gtest.h>

#include <allegro.h>

#include <string>
#include <vector>

#include "globalne.h"
#include "pomoc_jednostek.h"
#include "teksty.h"

namespace {

class RysowanieJednostek : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse_x = mouse_y = -100;
    godzina = 12.0f;
  }
  void TearDown() override { godzina = 0.0f; }
  std::vector<wywolanie_rysowania> bitmapy(int typ) const {
    std::vector<wywolanie_rysowania> w;
    for (const auto& c : p.ekran.wywolania)
      if (c.co == "bitmapa" && c.a == typ) w.push_back(c);
    return w;
  }
  int pola(int rodzaj) const {
    int n = 0;
    for (const auto& c : p.ekran.wywolania) n += c.co == "pole" && c.a == rodzaj;
    return n;
  }
  const wywolanie_rysowania* napis(int y) const {
    for (const auto& c : p.ekran.wywolania)
      if (c.co == "pisz" && c.b == y && c.a == 310) return &c;
    return nullptr;
  }
  pole_bitwy p;
};

TEST_F(RysowanieJednostek, MartwaLubNiczyjaNieRysujeSie) {
  jednostka* martwa = p.postaw(pole_trol, 3, 3, 1);
  martwa->zmien_punkty_zycia(0);
  martwa->rysuj();
  jednostka* niczyja = p.postaw(pole_trol, 4, 4, 0);
  niczyja->zmien_stan(1);
  niczyja->rysuj();
  EXPECT_TRUE(p.ekran.wywolania.empty());
}

TEST_F(RysowanieJednostek, WybranaZZasiegiemFlagaIPaskiem) {
  jednostka* j = p.postaw(pole_rycerz, 3, 3, 2);
  j->zmien_punkty_zycia(100);
  j->zmien_stan(1);
  j->rysuj();
  const auto& w = p.ekran.wywolania;
  ASSERT_GE(w.size(), 4u);
  for (int i = 0; i < 3; i++) {  // the own field gets a triple highlight first
    EXPECT_EQ(w[i].co, "pole");
    EXPECT_EQ(w[i].a, pole_wskaznik);
    EXPECT_EQ(w[i].b, 3);
    EXPECT_EQ(w[i].c, 3);
  }
  int zasieg = 0;
  for (int k = 0; k < LICZBA_POL; k++) zasieg += j->pobierz_mape_przejsc()[k] > 0;
  EXPECT_EQ(pola(pole_wskaznik), 3 + zasieg - 1);
  EXPECT_EQ(pola(pole_rycerz), 1);
  EXPECT_EQ(pola(pole_nieaktywna), 0);
  // Row 3 is odd: box at (40*3 + 20 - 11, 30*3 + 2) = (129, 92).
  ASSERT_EQ(bitmapy(b_flaga_2).size(), 1u);
  EXPECT_EQ(bitmapy(b_flaga_2)[0].b, 129);
  EXPECT_EQ(bitmapy(b_flaga_2)[0].c, 95);
  ASSERT_EQ(bitmapy(b_pasek_tlo).size(), 1u);
  EXPECT_EQ(bitmapy(b_pasek_tlo)[0].b, 127);
  EXPECT_EQ(bitmapy(b_pasek_tlo)[0].c, 90);
  EXPECT_EQ(bitmapy(b_pasek_tlo)[0].d, 43);
  ASSERT_EQ(bitmapy(b_pasek_zycia).size(), 1u);
  EXPECT_EQ(bitmapy(b_pasek_zycia)[0].d, 21);
  EXPECT_EQ(bitmapy(b_pasek_zycia)[0].e, 5);
}

TEST_F(RysowanieJednostek, SzerokoscPaska) {
  const int przypadki[][3] = {{200, 200, 43}, {100, 200, 21}, {1, 200, 0},  {0, 200, 0},
                              {-5, 200, 0},   {500, 200, 43}, {50, 0, 0},   {50, -10, 0},
                              {2000000000, 2000000000, 43},   {1999999999, 2000000000, 42}};
  for (auto& c : przypadki) EXPECT_EQ(szerokosc_paska_zycia(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

TEST_F(RysowanieJednostek, PasekPodWskaznikiemTylkoWewnatrzPola) {
  jednostka* j = p.postaw(pole_zamek_gracz_1, 2, 2, 1);  // box (69, 62), offset -30
  const int wewnatrz[][2] = {{70, 63}, {108, 101}, {90, 80}};
  const int na_brzegu[][2] = {{69, 80}, {109, 80}, {90, 62}, {90, 102}, {0, 0}};
  for (auto& m : wewnatrz) {
    p.ekran.wyczysc();
    mouse_x = m[0];
    mouse_y = m[1];
    j->rysuj();
    ASSERT_EQ(bitmapy(b_pasek_tlo).size(), 1u) << m[0] << "," << m[1];
    EXPECT_EQ(bitmapy(b_pasek_tlo)[0].c, 62 - 30 - 2);
    EXPECT_EQ(bitmapy(b_pasek_zycia)[0].d, 43);
  }
  for (auto& m : na_brzegu) {
    p.ekran.wyczysc();
    mouse_x = m[0];
    mouse_y = m[1];
    j->rysuj();
    EXPECT_TRUE(bitmapy(b_pasek_tlo).empty()) << m[0] << "," << m[1];
    ASSERT_EQ(bitmapy(b_flaga_1).size(), 1u);
    EXPECT_EQ(bitmapy(b_flaga_1)[0].c, 62 - 30 + 3);
  }
}

TEST_F(RysowanieJednostek, SzaraNakladkaPoZakonczeniu) {
  const struct {
    nazwa_pola rodzaj;
    int gracz;
    int nakladek;
  } przypadki[] = {{pole_zamek_gracz_1, 1, 0}, {pole_wieza_1, 1, 0}, {pole_miasto_2, 2, 0},
                   {pole_robotnik_1, 1, 1},    {pole_wieza_1, 2, 1}, {pole_smok, 2, 1}};
  for (auto& c : przypadki) {
    p.ekran.wyczysc();
    jednostka* j = p.postaw(c.rodzaj, 5, 6, c.gracz);
    j->zmien_stan(2);
    j->rysuj();
    EXPECT_EQ(pola(pole_nieaktywna), c.nakladek) << c.rodzaj << " " << c.gracz;
    EXPECT_EQ(pola(pole_wskaznik), 0);
  }
  // Towers and towns carry their flag 35 pixels higher; row 6 is even: box (189, 182).
  p.ekran.wyczysc();
  p.postaw(pole_wieza_2, 5, 6, 2)->rysuj();
  EXPECT_EQ(bitmapy(b_flaga_2)[0].b, 189);
  EXPECT_EQ(bitmapy(b_flaga_2)[0].c, 182 - 35 + 3);
}

TEST_F(RysowanieJednostek, PanelZModyfikatoramiTerenuIPory) {
  jednostka* j = p.postaw(pole_rycerz, 10, 10, 1);  // attack 50, defence 60, agility 60
  const int zielony = makecol(0, 200, 0), czerwony = makecol(200, 0, 0), czarny = makecol(0, 0, 0);

  p.teren->zmien_pole(10, 10, '5');
  godzina = 12.0f;
  j->wyswietl_info(true, true);
  EXPECT_EQ(napis(646)->c, 84);  // 0.35 + 0.05 in single precision, then 60 * 0.4 + 60
  EXPECT_EQ(napis(646)->d, zielony);
  EXPECT_EQ(napis(634)->c, 60);
  EXPECT_EQ(napis(658)->c, 41);  // 60 * -0.3f lies just beyond -18
  EXPECT_EQ(napis(658)->d, czerwony);
  p.ekran.wyczysc();
  godzina = 0.0f;
  j->wyswietl_info(true, true);
  EXPECT_EQ(napis(646)->c, 80);  // 60 * 0.35f lies just below 21

  p.teren->zmien_pole(10, 10, '4');
  p.ekran.wyczysc();
  j->wyswietl_info(true, true);
  EXPECT_EQ(napis(634)->c, 55);
  EXPECT_EQ(napis(634)->d, zielony);
  EXPECT_EQ(napis(646)->d, czerwony);
  EXPECT_EQ(napis(658)->d, czerwony);

  p.teren->zmien_pole(10, 10, '1');
  p.ekran.wyczysc();
  j->wyswietl_info(true, true);
  EXPECT_EQ(napis(658)->c, 60);
  EXPECT_EQ(napis(658)->d, czarny);
  EXPECT_EQ(napis(646)->d, czarny);

  // A friend beside it: +0.1 defence; side 2 at night: +0.05 more.
  p.postaw(pole_mag, 11, 10, 1);
  p.ekran.wyczysc();
  j->wyswietl_info(true, true);
  EXPECT_EQ(napis(646)->c, 66);
  jednostka* nocny = p.postaw(pole_ognisty, 30, 30, 2);
  for (float g : {0.0f, 8.0f, 20.0f, 23.0f}) {
    godzina = g;
    p.ekran.wyczysc();
    nocny->wyswietl_info(true, false);
    EXPECT_EQ(napis(646)->c, 63) << g;
  }
  godzina = 8.5f;
  p.ekran.wyczysc();
  nocny->wyswietl_info(true, false);
  EXPECT_EQ(napis(646)->c, 60);
}

TEST_F(RysowanieJednostek, PanelPortretWartosciIOpis) {
  jednostka* j = p.postaw(pole_trol, 10, 10, 2);
  j->zmien_punkty_zycia(120);
  j->wyswietl_info(true, true);
  const auto& w = p.ekran.wywolania;
  ASSERT_EQ(w[0].co, "pole");  // the portrait, at pixel coordinates
  EXPECT_EQ(w[0].b, 230);
  EXPECT_EQ(w[0].c, 650);
  EXPECT_EQ(napis(610)->c, 120);
  EXPECT_EQ(napis(610)->tekst, "HP:");
  EXPECT_EQ(napis(670)->tekst, "Exp: ");
  EXPECT_EQ(napis(706)->c, 500);
  EXPECT_EQ(p.ekran.ile("pisz"), j->pobierz_opis() ? 12 : 11);
  if (j->pobierz_opis()) {
    EXPECT_EQ(w.back().a, 400);
    EXPECT_EQ(w.back().c, -1);
    EXPECT_EQ(w.back().tekst, j->pobierz_opis());
  }
  // While points are to be spent the raise buttons take the description's place.
  p.ekran.wyczysc();
  j->wyswietl_info(true, false);
  EXPECT_EQ(p.ekran.ile("pisz"), 11);
  p.ekran.wyczysc();
  j->wyswietl_info(false, false);
  EXPECT_EQ(p.ekran.ile("pisz"), 0);
  EXPECT_EQ(p.ekran.ile("pole"), 1);
}

TEST_F(RysowanieJednostek, JednostkaSklepuBezPremiiSasiada) {
  // A shop unit stands at (-1, -1); (0, 0) would be one of its neighbours by the formula.
  p.postaw(pole_mag, 0, 0, 1);
  jednostka* sklep = p.utworz(pole_rycerz, -1, -1, 1);
  godzina = 3.0f;
  sklep->wyswietl_info(true, true);
  EXPECT_EQ(napis(646)->c, 60);
  EXPECT_EQ(napis(646)->d, makecol(0, 0, 0));
}

}  // namespace
