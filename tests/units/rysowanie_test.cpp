#include <gtest/gtest.h>

#include <allegro.h>

#include <string>
#include <tuple>
#include <vector>

#include "globalne.h"
#include "pomoc_jednostek.h"

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

// Dead and nobody's units are not drawn; a finished unit is greyed, except a side's own
// buildings; the tall buildings carry their flag higher. Row 6 is even: box (189, 182).
TEST_F(RysowanieJednostek, NakladkaIFlagaWedlugRodzajuIStanu) {
  const struct {
    nazwa_pola rodzaj;
    int gracz, stan, zycie;
    int wywolan, nakladek, flaga_y;
  } przypadki[] = {
      {pole_trol, 1, 0, 0, 0, 0, 0},           {pole_trol, 0, 1, 100, 0, 0, 0},
      {pole_smok, 2, 0, 100, 2, 0, 185},       {pole_smok, 2, 2, 100, 3, 1, 185},
      {pole_robotnik_1, 1, 2, 50, 3, 1, 185},  {pole_zamek_gracz_1, 1, 2, 600, 2, 0, 155},
      {pole_wieza_1, 1, 2, 150, 2, 0, 150},    {pole_wieza_1, 2, 2, 150, 3, 1, 150},
      {pole_miasto_2, 2, 2, 100, 2, 0, 150},
  };
  for (const auto& c : przypadki) {
    p.ekran.wyczysc();
    jednostka* j = p.postaw(c.rodzaj, 5, 6, c.gracz);
    j->zmien_stan(c.stan);
    j->zmien_punkty_zycia(c.zycie);
    j->rysuj();
    const std::string gdzie = std::to_string(c.rodzaj) + " of " + std::to_string(c.gracz);
    EXPECT_EQ((int)p.ekran.wywolania.size(), c.wywolan) << gdzie;
    EXPECT_EQ(pola(pole_nieaktywna), c.nakladek) << gdzie;
    const auto flagi = bitmapy(c.gracz == 1 ? b_flaga_1 : b_flaga_2);
    if (c.wywolan > 0) {
      ASSERT_EQ(flagi.size(), 1u) << gdzie;
      EXPECT_EQ(std::make_tuple(flagi[0].b, flagi[0].c), std::make_tuple(189, c.flaga_y)) << gdzie;
    }
    p.siatka.zeruj_pole(5, 6);
  }
}

TEST_F(RysowanieJednostek, WybranaZZasiegiemIPaskiemZycia) {
  jednostka* j = p.postaw(pole_rycerz, 3, 3, 2);
  j->zmien_punkty_zycia(100);
  j->zmien_stan(1);
  j->rysuj();
  const auto& w = p.ekran.wywolania;
  ASSERT_GE(w.size(), 4u);
  for (int i = 0; i < 3; i++)  // the own field gets a triple highlight first
    EXPECT_EQ(std::make_tuple(w[i].co, w[i].a, w[i].b, w[i].c),
              std::make_tuple(std::string("pole"), (int)pole_wskaznik, 3, 3));
  int zasieg = 0;
  for (int k = 0; k < LICZBA_POL; k++) zasieg += j->pobierz_mape_przejsc()[k] > 0;
  EXPECT_EQ(pola(pole_wskaznik), 3 + zasieg - 1);
  // Row 3 is odd: box at (40*3 + 20 - 11, 30*3 + 2) = (129, 92); the bar sits 2 up and left.
  ASSERT_EQ(bitmapy(b_pasek_tlo).size(), 1u);
  const auto tlo = bitmapy(b_pasek_tlo)[0], pasek = bitmapy(b_pasek_zycia)[0];
  EXPECT_EQ(std::make_tuple(tlo.b, tlo.c, tlo.d), std::make_tuple(127, 90, 43));
  EXPECT_EQ(std::make_tuple(pasek.b, pasek.c, pasek.d, pasek.e), std::make_tuple(127, 90, 21, 5));
}

TEST_F(RysowanieJednostek, SzerokoscPaska) {
  const int przypadki[][3] = {{200, 200, 43}, {100, 200, 21}, {1, 200, 0},  {0, 200, 0},
                              {-5, 200, 0},   {500, 200, 43}, {50, 0, 0},   {50, -10, 0},
                              {2000000000, 2000000000, 43},   {1999999999, 2000000000, 42}};
  for (auto& c : przypadki) EXPECT_EQ(szerokosc_paska_zycia(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

TEST_F(RysowanieJednostek, PasekPodWskaznikiemTylkoWewnatrzPola) {
  jednostka* j = p.postaw(pole_zamek_gracz_1, 2, 2, 1);  // box (69, 62), offset -30
  const struct {
    int x, y;
    bool pasek;
  } przypadki[] = {{70, 63, true},   {108, 101, true}, {69, 80, false},
                   {109, 80, false}, {90, 62, false},  {90, 102, false}};
  for (auto& m : przypadki) {
    p.ekran.wyczysc();
    mouse_x = m.x;
    mouse_y = m.y;
    j->rysuj();
    ASSERT_EQ(bitmapy(b_pasek_tlo).size(), m.pasek ? 1u : 0u) << m.x << "," << m.y;
    if (m.pasek) {
      EXPECT_EQ(bitmapy(b_pasek_tlo)[0].c, 62 - 30 - 2);
    }
  }
}

// The panel shows attack, defence and agility grown by the field's terrain, a friend beside
// the unit and the side's own hours, green when raised and red when lowered. A shop unit at
// (-1, -1) has no neighbours, though (0, 0) would be one by the formula.
TEST_F(RysowanieJednostek, PanelZModyfikatoramiTerenuPoryISasiada) {
  const int ziel = makecol(0, 200, 0), czer = makecol(200, 0, 0), czar = makecol(0, 0, 0);
  const struct {
    nazwa_pola rodzaj;
    int gracz, x;
    char znak;
    float godzina;
    bool przyjaciel;
    int atak, obrona, zwinnosc, k_atak, k_obrona, k_zwinnosc;
  } przypadki[] = {
      // knight: attack 50, defence 60, agility 60; 0.35 + 0.05 in single precision
      {pole_rycerz, 1, 10, '5', 12.0f, false, 60, 84, 41, ziel, ziel, czer},
      {pole_rycerz, 1, 10, '5', 0.0f, false, 60, 80, 41, ziel, ziel, czer},
      {pole_rycerz, 1, 10, '4', 0.0f, false, 55, 53, 53, ziel, czer, czer},  // 60 * -0.1f: just below 54
      {pole_rycerz, 1, 10, '1', 0.0f, false, 50, 60, 60, czar, czar, czar},
      {pole_rycerz, 1, 10, '1', 0.0f, true, 50, 66, 60, czar, ziel, czar},
      {pole_ognisty, 2, 10, '1', 8.0f, false, 50, 63, 60, czar, ziel, czar},
      {pole_ognisty, 2, 10, '1', 20.0f, false, 50, 63, 60, czar, ziel, czar},
      {pole_ognisty, 2, 10, '1', 8.5f, false, 50, 60, 60, czar, czar, czar},
      {pole_rycerz, 1, -1, '1', 3.0f, true, 50, 60, 60, czar, czar, czar},
  };
  for (const auto& c : przypadki) {
    pole_bitwy b;
    b.maluj(10, 10, 10, 10, c.znak);
    if (c.przyjaciel) b.postaw(pole_mag, c.x == -1 ? 0 : 11, c.x == -1 ? 0 : 10, c.gracz);
    godzina = c.godzina;
    jednostka* j = c.x == -1 ? b.utworz(c.rodzaj, -1, -1, c.gracz) : b.postaw(c.rodzaj, 10, 10, c.gracz);
    j->wyswietl_info(true, true);
    const std::string gdzie = std::string(1, c.znak) + " at " + std::to_string(c.godzina);
    auto napis_b = [&](int y) {
      for (const auto& w : b.ekran.wywolania)
        if (w.co == "pisz" && w.b == y && w.a == 310) return std::make_tuple(w.c, w.d);
      return std::make_tuple(-1, -1);
    };
    EXPECT_EQ(napis_b(634), std::make_tuple(c.atak, c.k_atak)) << gdzie;
    EXPECT_EQ(napis_b(646), std::make_tuple(c.obrona, c.k_obrona)) << gdzie;
    EXPECT_EQ(napis_b(658), std::make_tuple(c.zwinnosc, c.k_zwinnosc)) << gdzie;
  }
}

// The panel: the portrait at pixel coordinates, the values and the description, which the
// raise buttons replace while points are to be spent.
TEST_F(RysowanieJednostek, PanelPortretWartosciIOpis) {
  jednostka* j = p.postaw(pole_trol, 10, 10, 2);
  const struct {
    bool statystyki, opis;
    int napisow;
  } przypadki[] = {{true, true, 12}, {true, false, 11}, {false, true, 1}, {false, false, 0}};
  for (const auto& c : przypadki) {
    p.ekran.wyczysc();
    j->wyswietl_info(c.statystyki, c.opis);
    const auto& w = p.ekran.wywolania;
    EXPECT_EQ(std::make_tuple(w[0].co, w[0].b, w[0].c), std::make_tuple(std::string("pole"), 230, 650));
    EXPECT_EQ(p.ekran.ile("pisz"), c.napisow) << c.statystyki << c.opis;
    if (c.opis) {
      EXPECT_EQ(w.back().tekst, j->pobierz_opis());
    }
  }
}

}  // namespace
