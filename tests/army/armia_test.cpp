// Armies and purchases on the map 1 scenario: turn passing, income, the shop, the computer's
// purchases.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<bool> technologie(const gracz& p) {
  std::vector<bool> t;
  for (short i = 0; i < 6; i++) t.push_back(p.sprawdz_technologie(i));
  return t;
}

TEST(Armia, TuraZaznaczaIKonczy) {
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

// Towns pay their current owner, also after a save; each side's gold and technologies come
// back from the saved game as they were.
TEST(Armia, DochodIdzieZaObecnymWlascicielem) {
  gra_testowa g;
  armia* a = g.stan.armia_glowna;
  EXPECT_EQ(a->aktualizuj(1), 2);
  a->zwroc_jednostke(pole_miasto_1)->zmien_gracza(2);  // captured
  EXPECT_EQ(a->aktualizuj(1), 1);
  EXPECT_EQ(a->aktualizuj(2), 3);
  EXPECT_EQ(dochod_tury(0), 25);
  EXPECT_EQ(dochod_tury(3), 55);
  g.stan.gracze[1].kup_technologie(3);
  g.stan.gracze[2].kup_technologie(2);
  g.stan.gracze[2].kup_technologie(5);
  g.stan.gracze[1].zmien_zloto(4321);
  char blad[256];
  const std::string k = katalog_tymczasowy() + "/1.sav";
  ASSERT_TRUE(zapisz_gre(k.c_str(), g.stan, blad));
  stan_gry drugi;
  drugi.ekran = &g.ekran;
  ASSERT_TRUE(wczytaj_gre(k.c_str(), drugi, blad));
  EXPECT_EQ(drugi.armia_glowna->aktualizuj(2), 3);
  for (int s = 1; s <= 2; s++) {
    EXPECT_EQ(technologie(drugi.gracze[s]), technologie(g.stan.gracze[s])) << "side " << s;
    EXPECT_EQ(drugi.gracze[s].pobierz_zloto(), g.stan.gracze[s].pobierz_zloto()) << s;
  }
  drugi.zwolnij();
}

// A unit is sold at exactly its price, from the first entry of the shop to the last, once its
// technology is owned; it stands on the castle's field, which the castle keeps.
TEST(Zakupy, SklepSprzedajeZaDokladnaCene) {
  const struct {
    int gracz, indeks, technologia, zloto;
    nazwa_pola kupiona;  // pole_brak: refused
  } przypadki[] = {
      {1, 0, 0, 70, pole_robotnik_1},  {1, 0, 0, 69, pole_brak},
      {2, 1, 0, 100, pole_ciemny_rycerz}, {1, 2, 0, 5000, pole_brak},
      {1, 2, 2, 150, pole_rycerz},     {1, 2, 2, 149, pole_brak},
      {2, 5, 5, 500, pole_trol},       {1, 5, 5, 450, pole_archaniol},
      {1, -1, 0, 5000, pole_brak},     {1, 6, 5, 5000, pole_brak},
      {0, 1, 0, 5000, pole_brak},      {3, 1, 0, 5000, pole_brak},
  };
  for (const auto& c : przypadki) {
    gra_testowa g;
    g.stan.dzwiek_wlaczony = false;
    const int s = c.gracz == 1 || c.gracz == 2 ? c.gracz : 1;
    g.stan.gracze[s].kup_technologie((short)c.technologia);
    g.stan.gracze[s].zmien_zloto(c.zloto);
    const int wezly = g.stan.armia_glowna->liczba_wezlow();
    const std::string gdzie = std::to_string(c.gracz) + "/" + std::to_string(c.indeks);
    EXPECT_EQ(kup_jednostke(g.stan, c.gracz, c.indeks), c.kupiona != pole_brak) << gdzie;
    if (c.kupiona == pole_brak) {
      EXPECT_EQ(g.stan.armia_glowna->liczba_wezlow(), wezly) << gdzie;
      EXPECT_EQ(g.stan.gracze[s].pobierz_zloto(), c.zloto) << gdzie;
      continue;
    }
    jednostka* nowa = g.stan.armia_glowna->zwroc_ostatnia();
    EXPECT_EQ(nowa->pobierz_wyglad(), c.kupiona) << gdzie;
    EXPECT_EQ(nowa->pobierz_gracz(), c.gracz) << gdzie;
    EXPECT_EQ(g.stan.gracze[s].pobierz_zloto(), 0) << gdzie;
    EXPECT_EQ(nowa->pobierz_x(), g.zamek(s)->pobierz_x());
    EXPECT_EQ(nowa->pobierz_y(), g.zamek(s)->pobierz_y());
    EXPECT_EQ(g.stan.siatka->pobierz_jednostke(nowa->pobierz_x(), nowa->pobierz_y()), g.zamek(s));
  }
}

TEST(Zakupy, TechnologiaZaDokladnaCeneTylkoRaz) {
  const struct {
    int technologia, zloto;
    bool kupiona;
  } przypadki[] = {{2, 1000, true}, {2, 999, false}, {3, 2000, true}, {4, 4000, true},
                   {5, 8000, true}, {5, 7999, false}, {1, 5000, false}, {6, 90000, false}};
  for (const auto& c : przypadki) {
    gra_testowa g;
    gracz& p = g.stan.gracze[2];
    p.zmien_zloto(c.zloto);
    EXPECT_EQ(kup_technologie(g.stan, 2, c.technologia), c.kupiona) << c.technologia;
    EXPECT_EQ(p.pobierz_zloto(), c.kupiona ? 0 : c.zloto) << c.technologia;
    EXPECT_EQ(p.sprawdz_technologie((short)c.technologia), c.kupiona || c.technologia == 1);
    p.zmien_zloto(c.zloto);
    EXPECT_FALSE(kup_technologie(g.stan, 2, c.technologia)) << "bought twice";
  }
  gracz p;
  EXPECT_EQ(p.pobierz_zloto(), 1000);
  p.zmien_zloto(2147483600);
  p.zaplac(-1000);
  EXPECT_EQ(p.pobierz_zloto(), 2147483647);  // saturates instead of wrapping
}

// The computer first buys every technology it can afford, dearest first, each at exactly its
// price; what is left may then go on a unit.
TEST(Zakupy, KomputerKupujeTechnologieOdNajdrozszej) {
  const struct {
    int zloto;
    std::vector<bool> technologie;
    int reszta;
  } przypadki[] = {
      {999, {true, true, false, false, false, false}, 999},
      {1000, {true, true, true, false, false, false}, 0},
      {3000, {true, true, true, true, false, false}, 0},
      {8000, {true, true, false, false, false, true}, 0},
      {15100, {true, true, true, true, true, true}, 100},
  };
  for (const auto& c : przypadki) {
    gra_testowa g;
    g.stan.gracze[2].zmien_zloto(c.zloto);
    const int wezly = g.stan.armia_glowna->liczba_wezlow();
    std::srand(1);
    zakupy_komputera(g.stan, 2);
    EXPECT_EQ(technologie(g.stan.gracze[2]), c.technologie) << c.zloto;
    const int za_jednostke = g.stan.armia_glowna->liczba_wezlow() > wezly
                                 ? g.stan.armia_glowna->zwroc_ostatnia()->pobierz_cene()
                                 : 0;
    EXPECT_EQ(g.stan.gracze[2].pobierz_zloto() + za_jednostke, c.reszta) << c.zloto;
  }
}

// The computer's draws replayed: its chances follow the technologies it owns, the same seed
// gives the same decision draw for draw, and it buys the strongest kind its gold allows, also
// at exactly the price.
TEST(Zakupy, KomputerLosujeWUstalonejKolejnosci) {
  const struct {
    int gracz, zloto;
    std::vector<short> technologie;
    int szanse[5];
    nazwa_pola rodzaj;
    int reszta;
  } przypadki[] = {
      {1, 450, {5}, {80, 75, 65, 45, 90}, pole_archaniol, 0},
      {2, 500, {5}, {80, 75, 65, 45, 90}, pole_trol, 0},
      {2, 480, {4, 5}, {70, 60, 45, 45, 90}, pole_smok, 180},
      {1, 299, {2, 3, 4}, {60, 60, 70, 90, 90}, pole_mag, 99},
  };
  const int progi[5] = {200, 300, 400, 600, 900};
  for (const auto& c : przypadki)
    for (unsigned ziarno = 1; ziarno < 30; ziarno++) {
      gra_testowa g;
      gracz& p = g.stan.gracze[c.gracz];
      p.zmien_zloto(c.zloto);
      for (short t : c.technologie) p.kup_technologie(t);
      std::srand(ziarno);
      bool kupi = false;
      for (int i = 0; i < 5 && !kupi; i++) kupi = std::rand() % 100 < c.szanse[i] && c.zloto >= progi[i];
      const int po = std::rand();
      const int wezly = g.stan.armia_glowna->liczba_wezlow();
      std::srand(ziarno);
      zakupy_komputera(g.stan, c.gracz);
      EXPECT_EQ(std::rand(), po) << "draw count, seed " << ziarno;
      ASSERT_EQ(g.stan.armia_glowna->liczba_wezlow(), wezly + kupi) << c.zloto << ", seed " << ziarno;
      if (kupi) {
        EXPECT_EQ(g.stan.armia_glowna->zwroc_ostatnia()->pobierz_wyglad(), c.rodzaj) << c.zloto;
        EXPECT_EQ(p.pobierz_zloto(), c.reszta) << c.zloto;
      }
    }
}

// The computer's turn ends within its units' movement points plus a few frames.
TEST(Armia, TuraKomputeraSieKonczy) {
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
    const bool stoi = s.siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y()) != nullptr;
    EXPECT_TRUE(stoi || j->pobierz_punkty_zycia() <= 0 || czy_zamek(j->pobierz_wyglad()));
  }
  EXPECT_EQ(s.siatka->pobierz_jednostke(g.zamek(2)->pobierz_x(), g.zamek(2)->pobierz_y()), g.zamek(2));
}

}  // namespace
