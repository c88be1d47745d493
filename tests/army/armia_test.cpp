// Armies, purchases and the strong computer on an open grass battlefield: turns, town income,
// the shop, both computers' purchases, the strong one's knowledge, orders and panel button.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "komputer_silny.h"
#include "mapa_odleglosci.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "zakupy.h"
#include "zdarzenia.h"

namespace {

// Both castles at (5, 10) and (50, 10), both shops, the yellow side on turn and strong.
struct pole_bitwy {
  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  stan_gry stan;
  armia*& a = stan.armia_glowna;
  pole_bitwy() {
    przygotuj_allegro();
    godzina = 12.0f;
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    stan.teren = mapa_trawy(&ekran);
    stan.siatka = new mapa_jednostek();
    a = new armia(pole_zamek_gracz_1, 1, &ekran, stan.teren, stan.siatka, &wejscie, 5, 10, false);
    dodaj(pole_zamek_gracz_2, 2, 50, 10);
    const nazwa_pola sklepy[2][6] = {
        {pole_robotnik_1, pole_zolnierz, pole_rycerz, pole_mag, pole_hydra, pole_archaniol},
        {pole_robotnik_2, pole_ciemny_rycerz, pole_ognisty, pole_lord, pole_smok, pole_trol}};
    for (int g = 0; g < 2; ++g) {
      armia*& w = g ? stan.wzorce_2 : stan.wzorce_1;
      w = new armia(sklepy[g][0], g + 1, &ekran, stan.teren, stan.siatka, &wejscie, -1, -1, false);
      for (int i = 1; i < 6; ++i)
        w->dodaj(sklepy[g][i], g + 1, &ekran, stan.teren, stan.siatka, &wejscie, -1, -1, false);
    }
    stan.aktywny_gracz = ai = 2;
    sila_komputera = SILA_SILNA;
  }
  ~pole_bitwy() {
    stan.zwolnij();
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
  }
  jednostka* dodaj(nazwa_pola r, int g, int x, int y) {
    a->dodaj(r, g, &ekran, stan.teren, stan.siatka, &wejscie, x, y, false);
    return a->zwroc_ostatnia();
  }
  // The classic computer's purchases of one pass with this gold and draws: whether a unit came.
  bool kupuje(int g, int zloto, unsigned ziarno) {
    const int wezly = a->liczba_wezlow();
    stan.gracze[g].zmien_zloto(zloto);
    std::srand(ziarno);
    zakupy_komputera(stan, g);
    return a->liczba_wezlow() > wezly;
  }
};

// A side's turn ends when none of its units can move: towers, towns and the other side do not
// hold it up. Towns pay their current owner while they stand.
TEST(Armia, TuraIDochodStrony) {
  pole_bitwy p;
  jednostka* robotnik = p.dodaj(pole_robotnik_1, 1, 6, 10);
  p.dodaj(pole_wieza_1, 1, 8, 8);
  for (int y : {20, 24}) p.dodaj(pole_miasto_1, 1, 8, y);
  jednostka* miasto = p.dodaj(pole_miasto_2, 2, 40, 20);
  p.dodaj(pole_zolnierz, 2, 40, 10);
  p.a->zaznacz_pierwsza(1);
  EXPECT_EQ(p.a->zwroc_aktywna(), robotnik);  // the castle has no points
  EXPECT_FALSE(p.a->czy_koniec_tury(1));
  robotnik->przywroc_punkty_ruchu(0);
  EXPECT_TRUE(p.a->czy_koniec_tury(1));
  EXPECT_EQ(p.a->aktualizuj(1), 2);
  miasto->zmien_gracza(1);  // captured
  EXPECT_EQ(p.a->aktualizuj(1), 3);
  miasto->zmien_punkty_zycia(0);
  EXPECT_EQ(p.a->aktualizuj(1), 2);
}

// A unit is sold at exactly its price, from the first entry of the shop to the last, once its
// technology is owned; it stands on the castle's field, which the castle keeps.
TEST(Zakupy, SklepSprzedajeZaDokladnaCene) {
  const struct { int gracz, indeks, technologia, zloto; nazwa_pola kupiona; } przypadki[] = {
      {1, 0, 0, 70, pole_robotnik_1}, {1, 0, 0, 69, pole_brak},     {2, 1, 0, 100, pole_ciemny_rycerz},
      {1, 2, 0, 5000, pole_brak},     {1, 2, 2, 150, pole_rycerz},  {1, 2, 2, 149, pole_brak},
      {2, 5, 5, 500, pole_trol},      {1, 5, 5, 450, pole_archaniol}, {1, -1, 0, 5000, pole_brak},
      {1, 6, 5, 5000, pole_brak},     {0, 1, 0, 5000, pole_brak},   {3, 1, 0, 5000, pole_brak},
  };
  for (const auto& c : przypadki) {
    pole_bitwy p;
    const int s = c.gracz == 2 ? 2 : 1, wezly = p.a->liczba_wezlow();
    const bool kupiona = c.kupiona != pole_brak;
    p.stan.gracze[s].kup_technologie((short)c.technologia);
    p.stan.gracze[s].zmien_zloto(c.zloto);
    SCOPED_TRACE(std::to_string(c.gracz) + "/" + std::to_string(c.indeks));
    EXPECT_EQ(kup_jednostke(p.stan, c.gracz, c.indeks), kupiona);
    EXPECT_EQ(p.a->liczba_wezlow(), wezly + kupiona);
    EXPECT_EQ(p.stan.gracze[s].pobierz_zloto(), kupiona ? 0 : c.zloto);
    if (!kupiona) continue;
    jednostka* nowa = p.a->zwroc_ostatnia();
    EXPECT_EQ(nowa->pobierz_wyglad(), c.kupiona);
    EXPECT_EQ(p.stan.siatka->pobierz_jednostke(nowa->pobierz_x(), nowa->pobierz_y()),
              p.a->zwroc_jednostke(s == 1 ? pole_zamek_gracz_1 : pole_zamek_gracz_2));
  }
}

// Technologies 2 to 5 at exactly their prices, once each.
TEST(Zakupy, TechnologieZaDokladnaCeneTylkoRaz) {
  const struct { int technologia, zloto; bool kupiona; } przypadki[] = {
      {2, 1000, true}, {2, 999, false}, {3, 2000, true}, {4, 4000, true},
      {5, 8000, true}, {5, 7999, false}, {1, 5000, false}, {6, 90000, false}};
  for (const auto& c : przypadki) {
    pole_bitwy p;
    gracz& g = p.stan.gracze[2];
    g.zmien_zloto(c.zloto);
    EXPECT_EQ(kup_technologie(p.stan, 2, c.technologia), c.kupiona) << c.technologia;
    EXPECT_EQ(g.pobierz_zloto(), c.kupiona ? 0 : c.zloto) << c.technologia;
    EXPECT_EQ(g.sprawdz_technologie((short)c.technologia), c.kupiona || c.technologia == 1);
    g.zmien_zloto(c.zloto);
    EXPECT_FALSE(kup_technologie(p.stan, 2, c.technologia)) << "bought twice";
  }
  gracz g;
  g.zmien_zloto(2147483600);
  g.zaplac(-1000);
  EXPECT_EQ(g.pobierz_zloto(), 2147483647);  // saturates instead of wrapping
}

// The classic computer first buys every technology it can afford, dearest first, then a unit of
// the strongest kind its technologies and gold allow, each at exactly its price.
TEST(Zakupy, KomputerKupujeNajsilniejszyNaJakiGoStac) {
  const struct { int gracz, zloto; short technologie[3]; nazwa_pola rodzaj; int reszta; } przypadki[] = {
      {1, 450, {5}, pole_archaniol, 0},   {2, 500, {5}, pole_trol, 0},     {2, 499, {5}, pole_ciemny_rycerz, 399},
      {2, 480, {4, 5}, pole_smok, 180},   {1, 299, {2, 3, 4}, pole_mag, 99}, {1, 300, {2, 3}, pole_mag, 100},
      {2, 8900, {}, pole_trol, 400},      {1, 1350, {}, pole_rycerz, 200}, {2, 999, {}, pole_ciemny_rycerz, 899},
  };
  for (const auto& c : przypadki) {
    pole_bitwy p;
    for (short t : c.technologie) p.stan.gracze[c.gracz].kup_technologie(t);
    bool kupil = false;
    for (unsigned ziarno = 1; ziarno < 50 && !kupil; ziarno++) kupil = p.kupuje(c.gracz, c.zloto, ziarno);
    ASSERT_TRUE(kupil) << c.zloto;
    EXPECT_EQ(p.a->zwroc_ostatnia()->pobierz_wyglad(), c.rodzaj) << c.zloto;
    EXPECT_EQ(p.stan.gracze[c.gracz].pobierz_zloto(), c.reszta) << c.zloto;
  }
}

// Each gold threshold (200, 300, 400, 600, 900) gives the classic computer one more draw for a unit:
// one gold less never buys where the same draws buy, at each some draws buy only with it.
TEST(Zakupy, KomputerMaSzanseWiecejOdKazdegoProgu) {
  pole_bitwy p;
  for (short t = 2; t <= 5; t++) p.stan.gracze[1].kup_technologie(t);
  for (unsigned ziarno = 1; ziarno < 40; ziarno++) EXPECT_FALSE(p.kupuje(1, 199, ziarno)) << ziarno;
  for (int prog : {200, 300, 400, 600, 900}) {
    bool nowa_szansa = false;
    for (unsigned ziarno = 1; ziarno < 400 && !nowa_szansa; ziarno++) {
      const bool mniej = p.kupuje(1, prog - 1, ziarno), dosc = p.kupuje(1, prog, ziarno);
      EXPECT_TRUE(dosc || !mniej) << prog << ", seed " << ziarno;
      nowa_szansa = dosc && !mniej;
    }
    EXPECT_TRUE(nowa_szansa) << prog;
  }
}

// The first unit's order: a field, or any farther than dalej_niz from it. It strikes whatever
// the screen does not show (hit points within a pixel of the bar, levels' attack and defence),
// the one of two equal enemies with no friend beside it, a castle of 220 points in the assault
// four trolls a turn away make possible (alone, the soldier); it stops out of a troll's reach.
TEST(KomputerSilny, RozkazWSytuacji) {
  struct jednostka_sytuacji { nazwa_pola rodzaj; int gracz, x, y, zycie, atak, obrona; };
  const jednostka_sytuacji nasz = {pole_ognisty, 2, 30, 10, 120, 0, 0}, trol = {pole_trol, 2, 6, 10, 0, 0, 0};
  const struct { std::vector<jednostka_sytuacji> jednostki; int x, y, dalej_niz, zamek, pomocnicy; } sytuacje[] = {
      {{nasz, {pole_rycerz, 1, 31, 10, 101, 50, 60}}, 31, 10}, {{nasz, {pole_rycerz, 1, 31, 10, 103, 50, 60}}, 31, 10},
      {{nasz, {pole_rycerz, 1, 31, 10, 101, 95, 95}}, 31, 10}, {{nasz, {pole_rycerz, 1, 31, 10, 101, 20, 10}}, 31, 10},
      {{nasz, {pole_rycerz, 1, 31, 10, 12, 50, 60}}, 31, 10},
      {{nasz, {pole_rycerz, 1, 29, 10}, {pole_rycerz, 1, 28, 10}, {pole_rycerz, 1, 31, 10}}, 31, 10},
      {{trol, {pole_zolnierz, 1, 7, 10}}, 5, 10, 0, 220, 4},   {{trol, {pole_zolnierz, 1, 7, 10}}, 7, 10, 0, 220, 0},
      {{{pole_ognisty, 2, 30, 26}, {pole_trol, 1, 30, 10}}, 30, 10, 9},
  };
  for (const auto& s : sytuacje) {
    pole_bitwy p;
    std::vector<jednostka*> j;
    for (const jednostka_sytuacji& u : s.jednostki) {
      j.push_back(p.dodaj(u.rodzaj, u.gracz, u.x, u.y));
      if (u.zycie) j.back()->zmien_punkty_zycia(u.zycie);
      if (u.atak) j.back()->zmien_atak(u.atak);
      if (u.obrona) j.back()->zmien_obrona(u.obrona);
    }
    for (int i = 0; i < s.pomocnicy; ++i) p.dodaj(pole_trol, 2, 10 + i, 14)->przywroc_punkty_ruchu(0);
    if (s.zamek) p.a->pobierz_jednostke()->zmien_punkty_zycia(s.zamek);
    komputer_silny k(p.stan);
    ASSERT_EQ(k.nastepna_jednostka(2), j[0]);
    j[0]->oblicz_zasieg();
    const punkt f = k.rozkaz(*j[0]);
    const int d = odleglosc_heksow((int)f.rx(), (int)f.ry(), s.x, s.y);
    EXPECT_TRUE(s.dalej_niz ? d > s.dalej_niz : d == 0) << f.rx() << "," << f.ry() << " in " << &s - sytuacje;
  }
}

// A whole turn through the frame: one order a pass, each one a person could give (a move
// within reach or a blow at a neighbour), at most one purchase a pass, and the turn ends.
TEST(KomputerSilny, TuraToRozkazyCzlowieka) {
  pole_bitwy p;
  p.dodaj(pole_robotnik_2, 2, 49, 10);
  p.dodaj(pole_wieza_2, 2, 48, 8);
  for (int y : {9, 11, 13}) p.dodaj(pole_ciemny_rycerz, 2, 40, y);
  p.dodaj(pole_ognisty, 2, 41, 10);
  for (int y : {8, 10, 12}) p.dodaj(pole_zolnierz, 1, 35, y);
  p.dodaj(pole_miasto_1, 1, 38, 16);
  p.stan.gracze[2].zmien_zloto(330);
  menu okna(&p.ekran);
  rozgrywka r(p.stan, &okna, false);
  r.ustaw_oddawanie_procesora(false);
  struct obraz { jednostka* j; int x, y, zycie, gracz; };
  int klatki = 0, ruchy = 0, ciosy = 0;
  for (; p.stan.aktywny_gracz == 2 && klatki < 400; ++klatki) {
    std::vector<obraz> przed;
    for (armia* a = p.a; a; a = a->pobierz_nastepna()) {
      jednostka* j = a->pobierz_jednostke();
      if (j->pobierz_gracz() == 2 && j->pobierz_punkty_zycia() > 0) j->oblicz_zasieg();
      przed.push_back({j, j->pobierz_x(), j->pobierz_y(), j->pobierz_punkty_zycia(), j->pobierz_gracz()});
    }
    const int wezly = p.a->liczba_wezlow();
    r.klatka();
    if (p.stan.aktywny_gracz != 2) break;  // the end of turn heals everyone
    EXPECT_LE(p.a->liczba_wezlow(), wezly + 1) << klatki;
    int ruszone = 0, trafione = 0;
    for (const obraz& o : przed) {
      const int x = o.j->pobierz_x(), y = o.j->pobierz_y();
      if (o.gracz == 2 && (x != o.x || y != o.y)) {
        ++ruszone;
        EXPECT_GT(o.j->wartosc_przejscia(x, y), 0) << "a jump beyond reach";
      }
      trafione += o.gracz == 1 && o.j->pobierz_punkty_zycia() < o.zycie;
    }
    EXPECT_LE(ruszone + trafione, 1) << "two orders in frame " << klatki;
    ruchy += ruszone;
    ciosy += trafione;
  }
  EXPECT_NE(p.stan.aktywny_gracz, 2) << "the turn did not end in " << klatki << " frames";
  EXPECT_TRUE(ruchy > 0 && ciosy > 0) << ruchy << " moves, " << ciosy << " blows";
}

// One purchase a pass: a worker while it has none, eight cheap fighters (towers and castles are
// none), the first technology, then its stronger kind, each at its price; none if shut in.
TEST(KomputerSilny, ZakupyZaDokladnaCene) {
  const struct { int robotnik, wojownicy, technologia, otoczony, zloto; nazwa_pola kupiona; int cena; } przypadki[] = {
      {0, 0, 0, 0, 70, pole_robotnik_2, 70},     {0, 0, 0, 0, 69, pole_brak, 0},
      {1, 0, 0, 0, 100, pole_ciemny_rycerz, 100}, {1, 0, 0, 0, 99, pole_brak, 0},
      {1, 7, 0, 0, 100, pole_ciemny_rycerz, 100}, {1, 8, 0, 0, 1000, pole_brak, 1000},
      {1, 8, 0, 0, 999, pole_brak, 0},            {1, 8, 2, 0, 150, pole_ognisty, 150},
      {1, 8, 2, 0, 149, pole_brak, 0},            {0, 0, 0, 1, 5000, pole_brak, 0},
  };
  for (const auto& c : przypadki) {
    pole_bitwy p;
    gracz& g = p.stan.gracze[2];
    if (c.robotnik) p.dodaj(pole_robotnik_2, 2, 40, 40);
    p.dodaj(pole_wieza_2, 2, 45, 40);
    for (int i = 0; i < c.wojownicy; ++i) p.dodaj(pole_ciemny_rycerz, 2, 30 + i, 45);
    for (int s = 0, nx, ny; s < 6 * c.otoczony; ++s) {
      sasiad(50, 10, s, nx, ny);
      p.stan.teren->zmien_pole(nx, ny, '3');
    }
    g.kup_technologie((short)c.technologia);
    g.zmien_zloto(c.zloto);
    const int wezly = p.a->liczba_wezlow();
    komputer_silny(p.stan).zakupy(2);
    SCOPED_TRACE(std::to_string(c.zloto) + " gold, " + std::to_string(c.wojownicy) + " fighters");
    EXPECT_EQ(p.a->liczba_wezlow() > wezly ? p.a->zwroc_ostatnia()->pobierz_wyglad() : pole_brak, c.kupiona);
    EXPECT_EQ(g.sprawdz_technologie(2), c.technologia || c.cena == 1000);
    EXPECT_EQ(g.pobierz_zloto(), c.zloto - c.cena);
  }
}

// The panel's button: raises while points are to spend, a repair only by a worker beside a castle
// missing over 40 points, healing below 85 % beside a castle or town; each with the gold for it.
TEST(KomputerSilny, PrzyciskPaneluNaGranicach) {
  using K = komputer_silny;
  const struct { nazwa_pola rodzaj; int punkty, atak, obrona, zycie, brak_zamku, zloto; K::przycisk_panelu p; }
      przypadki[] = {
      {pole_ognisty, 1, 99, 99, 200, 0, 0, K::punkt_ataku},     {pole_ognisty, 1, 100, 99, 200, 0, 0, K::punkt_obrony},
      {pole_ognisty, 1, 100, 100, 200, 0, 0, K::punkt_zwinnosci}, {pole_robotnik_2, 0, 10, 15, 50, 41, 350, K::naprawa},
      {pole_robotnik_2, 0, 10, 15, 50, 41, 349, K::zaden},      {pole_robotnik_2, 0, 10, 15, 50, 40, 5000, K::zaden},
      {pole_ognisty, 0, 50, 60, 200, 41, 5000, K::zaden},       {pole_ognisty, 0, 50, 60, 169, 0, 37, K::leczenie},
      {pole_ognisty, 0, 50, 60, 169, 0, 36, K::zaden},          {pole_ognisty, 0, 50, 60, 170, 0, 5000, K::zaden},
  };
  for (const auto& c : przypadki) {
    pole_bitwy p;
    jednostka* a = p.dodaj(c.rodzaj, 2, 49, 10);  // beside its castle
    a->zmien_do_rozdysponowania(c.punkty);
    a->zmien_atak(c.atak);
    a->zmien_obrona(c.obrona);
    a->zmien_punkty_zycia(c.zycie);
    jednostka* zamek = p.a->zwroc_jednostke(pole_zamek_gracz_2);
    zamek->zmien_punkty_zycia(zamek->pobierz_d_punkty_zycia() - c.brak_zamku);
    p.stan.gracze[2].zmien_zloto(c.zloto);
    EXPECT_EQ(komputer_silny(p.stan).przycisk(*a), c.p) << c.rodzaj << " with " << c.zloto << " gold";
  }
}

}  // namespace
