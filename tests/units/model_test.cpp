#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdlib>
#include <cstring>
#include <set>

#include "pomoc_jednostek.h"
#include "teksty.h"

namespace {

TEST(RodzajeJednostek, KazdyRodzajBudujeSieZeSwojegoWiersza) {
  pole_bitwy p;
  int n = 0;
  const dane_rodzaju* t = tabela_rodzajow(n);
  ASSERT_EQ(n, 18);
  std::set<int> wyglady;
  for (int i = 0; i < n; i++) {
    wyglady.insert(t[i].wyglad);
    EXPECT_EQ(znajdz_rodzaj(t[i].wyglad), &t[i]);
    jednostka* j = p.utworz(t[i].wyglad, 5, 7, 2);
    ASSERT_NE(j, nullptr) << t[i].klasa;
    EXPECT_EQ(j->pobierz_wyglad(), t[i].wyglad);
    EXPECT_EQ(j->pobierz_punkty_ruchu(), t[i].ruchy);
    EXPECT_EQ(j->pobierz_d_punkty_ruchu(), t[i].ruchy);
    EXPECT_EQ(j->pobierz_punkty_zycia(), t[i].zycie);
    EXPECT_EQ(j->pobierz_d_punkty_zycia(), t[i].zycie);
    EXPECT_EQ(j->pobierz_atak(), t[i].atak);
    EXPECT_EQ(j->pobierz_obrona(), t[i].obrona);
    EXPECT_EQ(j->pobierz_zwinnosc(), t[i].zwinnosc);
    EXPECT_EQ(j->pobierz_exp(), t[i].exp);
    EXPECT_EQ(j->pobierz_cene(), t[i].cena);
    EXPECT_EQ(j->pobierz_gracz(), 2);
    EXPECT_EQ(j->pobierz_x(), 5);
    EXPECT_EQ(j->pobierz_y(), 7);
    EXPECT_EQ(j->aktualny_stan(), 0);
    EXPECT_EQ(j->pobierz_poziom(), 1);
    EXPECT_EQ(j->pobierz_doswiadczenie(), 0);
    EXPECT_EQ(j->pobierz_do_rozdysponowania(), 0);
    EXPECT_EQ(j->pobierz_pieniadze(), 0);
    EXPECT_EQ(j->pobierz_cel_wskaznik(), nullptr);
    for (int k = 0; k < LICZBA_POL; k++) ASSERT_EQ(j->pobierz_mape_przejsc()[k], 0);
  }
  EXPECT_EQ(wyglady.size(), 18u);
  for (int v : {0, 2, 9, 20, 23, 30, -1}) {
    EXPECT_EQ(znajdz_rodzaj((nazwa_pola)v), nullptr) << v;
    EXPECT_EQ(utworz_jednostke((nazwa_pola)v, nullptr, nullptr, nullptr, nullptr, 0, 0, 1),
              nullptr);
  }
}

TEST(RodzajeJednostek, WartosciTablicyIBliznieta) {
  const dane_rodzaju* trol = znajdz_rodzaj(pole_trol);
  ASSERT_NE(trol, nullptr);
  const int w[] = {trol->ruchy, trol->zycie, trol->atak, trol->obrona, trol->zwinnosc,
                   trol->exp,   trol->cena,  trol->sklep};
  const int oczekiwane[] = {8, 250, 80, 70, 60, 100, 500, 2};
  for (int i = 0; i < 8; i++) EXPECT_EQ(w[i], oczekiwane[i]) << i;
  EXPECT_EQ(znajdz_rodzaj(pole_robotnik_1)->zycie, 50);
  EXPECT_EQ(znajdz_rodzaj(pole_zamek_gracz_1)->zycie, 600);
  EXPECT_EQ(znajdz_rodzaj(pole_wieza_2)->ruchy, 9);
  EXPECT_EQ(znajdz_rodzaj(pole_miasto_1)->ruchy, 0);

  // Creature twins differ only in sprite, shop side and, for the strongest pair, price.
  const nazwa_pola pary[][2] = {{pole_zolnierz, pole_ciemny_rycerz}, {pole_rycerz, pole_ognisty},
                                {pole_mag, pole_lord},               {pole_hydra, pole_smok},
                                {pole_archaniol, pole_trol},         {pole_robotnik_1, pole_robotnik_2},
                                {pole_wieza_1, pole_wieza_2},        {pole_miasto_1, pole_miasto_2},
                                {pole_zamek_gracz_1, pole_zamek_gracz_2}};
  for (auto& para : pary) {
    const dane_rodzaju* a = znajdz_rodzaj(para[0]);
    const dane_rodzaju* b = znajdz_rodzaj(para[1]);
    EXPECT_EQ(a->ruchy, b->ruchy);
    EXPECT_EQ(a->zycie, b->zycie);
    EXPECT_EQ(a->atak, b->atak);
    EXPECT_EQ(a->obrona, b->obrona);
    EXPECT_EQ(a->zwinnosc, b->zwinnosc);
    EXPECT_EQ(a->exp, b->exp);
    if (para[0] != pole_archaniol) {
      EXPECT_EQ(a->cena, b->cena);
    }
  }
  EXPECT_EQ(znajdz_rodzaj(pole_archaniol)->cena, 450);
  EXPECT_EQ(znajdz_rodzaj(pole_zolnierz)->sklep, 1);
  EXPECT_EQ(znajdz_rodzaj(pole_smok)->sklep, 2);
  EXPECT_EQ(znajdz_rodzaj(pole_wieza_1)->sklep, 0);
}

TEST(RodzajeJednostek, OpisZKluczaJezyka) {
  pole_bitwy p;
  const struct {
    nazwa_pola rodzaj;
    const char* klucz;
  } przypadki[] = {{pole_zolnierz, "rycerz"},     {pole_rycerz, "lord"},
                   {pole_lord, "arcymag"},        {pole_ognisty, "kula_ognista"},
                   {pole_miasto_1, "miasto"},     {pole_miasto_2, "miasto"},
                   {pole_zamek_gracz_1, "white_fort"}, {pole_zamek_gracz_2, "dark_fort"}};
  for (auto& c : przypadki) {
    const char* oczekiwany = get_config_string("teksty", c.klucz, nullptr);
    const char* opis = p.utworz(c.rodzaj, 0, 0, 1)->pobierz_opis();
    if (!oczekiwany) {
      EXPECT_EQ(opis, nullptr) << c.klucz;
    } else {
      ASSERT_NE(opis, nullptr) << c.klucz;
      EXPECT_STREQ(opis, oczekiwany);
    }
  }
  // A language file without the key leaves the description empty (null).
  const std::string pusty = katalog_tymczasowy() + "/pusty.cfg";
  // A unit built before keeps its text when another language file becomes active.
  zapisz_plik(pusty, "[teksty]\ninny = x\n");
  jednostka* wczesniejszy = p.utworz(pole_trol, 0, 0, 1);
  const std::string tekst_trola = wczesniejszy->pobierz_opis() ? wczesniejszy->pobierz_opis() : "";
  set_config_file(pusty.c_str());
  EXPECT_EQ(p.utworz(pole_trol, 0, 0, 1)->pobierz_opis(), nullptr);
  EXPECT_EQ(std::string(wczesniejszy->pobierz_opis() ? wczesniejszy->pobierz_opis() : ""),
            tekst_trola);
  set_config_file("gm_pl.cfg");
}

TEST(PoziomyJednostki, ProgDoswiadczeniaIPunktyDoRozdysponowania) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_zolnierz, 0, 0, 1);
  j->zmien_do_rozdysponowania(3);
  j->zmien_doswiadczenie(99);
  j->nowy_poziom();
  EXPECT_EQ(j->pobierz_poziom(), 1);
  EXPECT_EQ(j->pobierz_do_rozdysponowania(), 3);
  j->zmien_doswiadczenie(100);
  j->nowy_poziom();
  EXPECT_EQ(j->pobierz_poziom(), 2);
  EXPECT_EQ(j->pobierz_do_rozdysponowania(), 10);
  EXPECT_EQ(j->pobierz_punkty_zycia(), 198);  // 180 + 180 * 50 / 500
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), 198);
  EXPECT_EQ(j->pobierz_doswiadczenie(), 100);
  j->nowy_poziom();  // 100 is short of the 250 that level 2 needs
  EXPECT_EQ(j->pobierz_poziom(), 2);
}

TEST(PoziomyJednostki, OdPierwszegoDoJedenastegoPoziomu) {
  pole_bitwy p;
  jednostka* rycerz = p.utworz(pole_rycerz, 0, 0, 1);  // defence 60: +12 % a level
  jednostka* miasto = p.utworz(pole_miasto_1, 0, 0, 1);  // defence 30: +6 % a level
  const int zycie_rycerza[] = {224, 250, 280, 313, 350, 392, 439, 491, 549, 614};
  const int zycie_miasta[] = {106, 112, 118, 125, 132, 139, 147, 155, 164, 173};
  rycerz->zmien_doswiadczenie(32767);
  miasto->zmien_doswiadczenie(32767);
  for (int l = 0; l < 10; l++) {
    rycerz->nowy_poziom();  // one level per call, whatever the experience
    miasto->nowy_poziom();
    EXPECT_EQ(rycerz->pobierz_poziom(), l + 2);
    EXPECT_EQ(rycerz->pobierz_d_punkty_zycia(), zycie_rycerza[l]) << l;
    EXPECT_EQ(rycerz->pobierz_punkty_zycia(), zycie_rycerza[l]) << l;
    EXPECT_EQ(miasto->pobierz_d_punkty_zycia(), zycie_miasta[l]) << l;
  }
  // Level 11 has no threshold: nothing changes any more.
  rycerz->zmien_do_rozdysponowania(0);
  rycerz->nowy_poziom();
  EXPECT_EQ(rycerz->pobierz_poziom(), 11);
  EXPECT_EQ(rycerz->pobierz_d_punkty_zycia(), 614);
  EXPECT_EQ(rycerz->pobierz_do_rozdysponowania(), 0);

  // A wounded unit keeps its share of health, it is not healed to full.
  jednostka* ranny = p.utworz(pole_rycerz, 0, 0, 1);
  ranny->zmien_punkty_zycia(100);
  ranny->zmien_doswiadczenie(100);
  ranny->nowy_poziom();
  EXPECT_EQ(ranny->pobierz_punkty_zycia(), 112);
  EXPECT_EQ(ranny->pobierz_d_punkty_zycia(), 224);
}

TEST(LeczenieITrening, LosowanieIZakres) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_rycerz, 0, 0, 1);
  for (unsigned ziarno = 1; ziarno < 200; ziarno++) {
    std::srand(ziarno);
    const int r = std::rand();
    j->zmien_punkty_zycia(100);
    std::srand(ziarno);
    j->ulecz(5);  // bound 10
    ASSERT_EQ(j->pobierz_punkty_zycia(), 100 + r % 10);
  }
  j->zmien_punkty_zycia(198);
  for (int i = 0; i < 50; i++) j->ulecz(10);
  EXPECT_EQ(j->pobierz_punkty_zycia(), 200);  // never above the maximum

  // A bound of 0 heals nothing but still takes its draw.
  jednostka* slaby = p.utworz(pole_robotnik_1, 0, 0, 1);  // 50 hit points: 1 % is 0
  slaby->zmien_punkty_zycia(10);
  std::srand(7);
  std::rand(), std::rand(), std::rand();
  const int czwarty = std::rand();
  std::srand(7);
  slaby->ulecz(1);
  slaby->ulecz(0);
  slaby->ulecz(-5);
  EXPECT_EQ(slaby->pobierz_punkty_zycia(), 10);
  EXPECT_EQ(std::rand(), czwarty);
}

TEST(LeczenieITrening, TreningPodnosiPoziomINieZawija) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_mag, 0, 0, 1);
  std::srand(3);
  const int r = std::rand();
  j->zmien_doswiadczenie(90);
  std::srand(3);
  j->trenuj(25);
  EXPECT_EQ(j->pobierz_doswiadczenie(), 90 + r % 25);
  EXPECT_EQ(j->pobierz_poziom(), 90 + r % 25 >= 100 ? 2 : 1);

  j->zmien_doswiadczenie(100);
  j->zmien_poziom(1);
  j->trenuj(0);  // adds nothing, still levels
  EXPECT_EQ(j->pobierz_doswiadczenie(), 100);
  EXPECT_EQ(j->pobierz_poziom(), 2);

  j->zmien_doswiadczenie(32760);
  for (int i = 0; i < 20; i++) j->trenuj(1000);
  EXPECT_GE(j->pobierz_doswiadczenie(), 32760);  // saturates instead of turning negative
}

TEST(UstawieniaJednostki, WartosciZPlikowSaOgraniczane) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_hydra, 0, 0, 1);
  j->zmien_d_punkty_zycia(0);
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), 1);
  j->zmien_d_punkty_zycia(-40);
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), 1);
  j->zmien_d_punkty_zycia(300);
  EXPECT_EQ(j->pobierz_d_punkty_zycia(), 300);

  const int poziomy[][2] = {{0, 1}, {-3, 1}, {1, 1}, {10, 10}, {11, 11}, {12, 11}, {40000, 11}};
  for (auto& pz : poziomy) {
    j->zmien_poziom(pz[0]);
    EXPECT_EQ(j->pobierz_poziom(), pz[1]) << pz[0];
  }
  const int ruchy[][2] = {{-1, 0}, {0, 0}, {9, 9}, {32767, 32767}, {32768, 32767}, {2000000000, 32767}};
  for (auto& r : ruchy) {
    j->zmien_punkty_ruchu(r[0]);
    EXPECT_EQ(j->pobierz_punkty_ruchu(), r[1]) << r[0];
  }
  // 16-bit members saturate instead of wrapping.
  j->zmien_pieniadze(40000);
  EXPECT_EQ(j->pobierz_pieniadze(), 32767);
  j->zmien_pieniadze((short)-5);
  EXPECT_EQ(j->pobierz_pieniadze(), -5);
  j->zmien_exp(70000);
  EXPECT_EQ(j->pobierz_exp(), 32767);
  j->zmien_doswiadczenie(-70000);
  EXPECT_EQ(j->pobierz_doswiadczenie(), -32768);
}

TEST(UstawieniaJednostki, PodnoszenieStatystykIRuch) {
  pole_bitwy p;
  jednostka* j = p.utworz(pole_zolnierz, 0, 0, 1);
  j->zmien_atak(99);
  j->zwieksz_atak(1);
  EXPECT_EQ(j->pobierz_atak(), 100);
  j->zwieksz_atak(1);
  EXPECT_EQ(j->pobierz_atak(), 100);
  j->zmien_obrona(120);
  j->zmien_zwinnosc(60);
  j->zwieksz_zwinnosc(1);
  j->zwieksz_obrone(1);
  EXPECT_EQ(j->pobierz_zwinnosc(), 61);
  EXPECT_EQ(j->pobierz_obrona(), 120);

  j->zmien_do_rozdysponowania(2);
  j->zmniejsz_do_rozdysponowania();
  EXPECT_EQ(j->pobierz_do_rozdysponowania(), 1);

  jednostka* robotnik = p.utworz(pole_robotnik_2, 0, 0, 2);
  robotnik->przywroc_punkty_ruchu(0);
  EXPECT_EQ(robotnik->pobierz_punkty_ruchu(), 0);
  robotnik->przywroc_punkty_ruchu(-1);
  EXPECT_EQ(robotnik->pobierz_punkty_ruchu(), 5);
  robotnik->zmien_stan(2);
  EXPECT_EQ(robotnik->aktualny_stan(), 2);
}

TEST(SiatkaJednostek, WstawianieCzyszczenieIPolaPozaMapa) {
  pole_bitwy p;
  mapa_jednostek s;
  for (int y = 0; y < ROZMIAR_MAPY; y++)
    for (int x = 0; x < ROZMIAR_MAPY; x++) ASSERT_EQ(s.pobierz_jednostke(x, y), nullptr);
  jednostka* a = p.utworz(pole_trol, 3, 4, 1);
  jednostka* b = p.utworz(pole_smok, 3, 4, 2);
  s.wstaw_jednostke(a);
  EXPECT_EQ(s.pobierz_jednostke(3, 4), a);
  EXPECT_EQ(s.pobierz_jednostke(4, 3), nullptr);
  s.wstaw_jednostke(b);
  EXPECT_EQ(s.pobierz_jednostke(3, 4), b);
  s.zeruj_pole_jesli(3, 4, a);  // not a's field any more
  EXPECT_EQ(s.pobierz_jednostke(3, 4), b);
  s.zeruj_pole_jesli(3, 4, b);
  EXPECT_EQ(s.pobierz_jednostke(3, 4), nullptr);
  s.wstaw_jednostke(a);
  a->zmien_polozenie(10, 10);  // moving a unit does not move its entry
  EXPECT_EQ(s.pobierz_jednostke(3, 4), a);
  EXPECT_EQ(s.pobierz_jednostke(10, 10), nullptr);
  s.zeruj_pole(3, 4);
  EXPECT_EQ(s.pobierz_jednostke(3, 4), nullptr);
  EXPECT_EQ(a->pobierz_punkty_zycia(), 250);

  // Each coordinate is checked on its own: (60, 0) must not reach (0, 1).
  jednostka* poza[] = {p.utworz(pole_trol, 60, 0, 1), p.utworz(pole_trol, -1, 1, 1),
                       p.utworz(pole_trol, 0, 60, 1), p.utworz(pole_trol, 5, -1, 1)};
  for (jednostka* j : poza) s.wstaw_jednostke(j);
  s.wstaw_jednostke(nullptr);
  for (int y = 0; y < ROZMIAR_MAPY; y++)
    for (int x = 0; x < ROZMIAR_MAPY; x++) ASSERT_EQ(s.pobierz_jednostke(x, y), nullptr);
  s.wstaw_jednostke(b);
  const int zle[][2] = {{-1, 0}, {60, 0}, {0, -1}, {0, 60}, {-1, 5}, {61, 3}, {3, 61}};
  for (auto& z : zle) {
    EXPECT_EQ(s.pobierz_jednostke(z[0], z[1]), nullptr);
    s.zeruj_pole(z[0], z[1]);
    s.zeruj_pole_jesli(z[0], z[1], b);
  }
  EXPECT_EQ(s.pobierz_jednostke(3, 4), b);
}

}  // namespace
