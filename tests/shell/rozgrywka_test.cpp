// The main loop's frame and the command panel, driven with scripted mouse and keys over a
// recording graphics context.
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "armia.h"
#include "doradca_komputera.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "teksty.h"
#include "zdarzenia.h"

namespace {

long czas = 0;
long zegar() { return czas; }
// The buttons of a message window (the only one; the question's first and second) and the
// row of the panel's offers.
const int OK_X = 320 + 130 + 50, TAK_X = 320 + 70 + 50, NIE_X = 320 + 190 + 50,
          OKNO_Y = 216 + 125 + 10, OFERTA_Y = 700;

class RozgrywkaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    ai = 0;
    dev_mode = false;
    godzina = 12.0f;
    mouse_x = 512, mouse_y = 300, mouse_b = 0;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    stan.teren = mapa_trawy(&ekran);
    stan.siatka = new mapa_jednostek();
    stan.armia_glowna = new armia(pole_zamek_gracz_1, 1, &ekran, stan.teren, stan.siatka,
                                  &wejscie, 5, 10, false);
    dodaj(pole_zamek_gracz_2, 2, 50, 10);
    stan.gracze[1].zmien_zloto(1000);
    stan.gracze[2].zmien_zloto(1000);
    ASSERT_EQ(chdir(katalog_tymczasowy().c_str()), 0);  // for what a test writes
  }
  void TearDown() override {
    delete r;
    stan.zwolnij();
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  jednostka* dodaj(nazwa_pola rodzaj, int g, int x, int y) {
    stan.armia_glowna->dodaj(rodzaj, g, &ekran, stan.teren, stan.siatka, &wejscie, x, y, false);
    return stan.armia_glowna->zwroc_ostatnia();
  }
  void start() {
    r = new rozgrywka(stan, &okna, false);
    r->ustaw_oddawanie_procesora(false);
  }
  void klatki(int n) {
    for (int i = 0; i < n; ++i) r->klatka();
  }
  // A press of the left mouse button, released a frame later.
  void nacisnij(int x, int y) {
    mouse_x = x, mouse_y = y, mouse_b = 1;
    r->klatka();
    mouse_b = 0;
    r->klatka();
  }
  void kliknij(int nr) {
    const przycisk* p = r->pobierz_przycisk(nr);
    nacisnij(p->pobierz_x() + 50, p->pobierz_y() + 10);
  }
  // One frame, recorded; whether it wrote the text t at (x, y) or drew a button there.
  bool w_klatce(int x, int y, const char* t = nullptr) {
    ekran.wyczysc();
    r->klatka();
    for (const auto& w : ekran.wywolania)
      if (t ? w.co == "pisz" && w.tekst == t && w.a == x && w.b == y
            : w.co == "bitmapa" && w.a == b_button && w.b == x && w.c == y)
        return true;
    return false;
  }
  // Makes j the active unit: the units the side selects before it spend their points.
  bool uczyn_aktywna(jednostka* j) {
    for (int i = 0; i < 9 && stan.armia_glowna->zwroc_aktywna() != j; ++i) {
      if (jednostka* a = stan.armia_glowna->zwroc_aktywna()) a->zmien_punkty_ruchu(0);
      stan.armia_glowna->zaznacz_pierwsza(stan.aktywny_gracz);
    }
    return stan.armia_glowna->zwroc_aktywna() == j;
  }
  bool w_widoku(punkt p) const {
    const punkt s = stan.teren->pobierz_srodek();
    return std::abs(p.rx() - s.rx()) <= 12 && std::abs(p.ry() - s.ry()) <= 9;
  }

  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  rozgrywka* r = nullptr;
};

// The end-turn button hands the turn over half an hour later, wrapping after 23:00, pays the
// ending side for its towns and brings the next side's first unit into view, its points
// restored; without a computer player no turn ends by itself.
TEST_F(RozgrywkaTest, KoniecTuryPrzesuwaGodzinePlaciZaMiastaIPokazujeJednostke) {
  for (int x : {20, 22, 24}) dodaj(pole_miasto_1, 1, x, 20);
  dodaj(pole_miasto_2, 2, 40, 20);
  dodaj(pole_rycerz, 2, 45, 30);
  start();
  klatki(20);
  godzina = 22.5f;
  stan.teren->ustaw_srodek(punkt(13, 50));
  kliknij(rozgrywka::p_koniec_tury);
  EXPECT_FLOAT_EQ(godzina, 23.0f);
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 1000 + 55);
  jednostka* a = stan.armia_glowna->zwroc_aktywna();
  ASSERT_EQ(a->pobierz_gracz(), 2);
  EXPECT_EQ(a->pobierz_punkty_ruchu(), a->pobierz_d_punkty_ruchu());
  EXPECT_TRUE(w_widoku(punkt(a->pobierz_x(), a->pobierz_y())));
  kliknij(rozgrywka::p_koniec_tury);
  EXPECT_FLOAT_EQ(godzina, 0.0f);
  EXPECT_EQ(stan.aktywny_gracz, 1);
  EXPECT_EQ(stan.gracze[2].pobierz_zloto(), 1000 + 35);
}

// Either castle falling ends the game naming the other side; then the options button reads
// Exit and ends it, and the window's close button ends it without asking.
TEST_F(RozgrywkaTest, UpadekZamkuKonczyGreZwyciestwemDrugiejStrony) {
  for (const int zwyciezca : {1, 2}) {
    if (zwyciezca == 2) TearDown(), SetUp();
    start();
    stan.armia_glowna->zwroc_jednostke(zwyciezca == 1 ? pole_zamek_gracz_2 : pole_zamek_gracz_1)
        ->zmien_punkty_zycia(0);
    klatki(2);
    EXPECT_EQ(r->zwyciezca(), zwyciezca);
    EXPECT_TRUE(w_klatce(435, 653, tekst(zwyciezca == 1 ? "bluewins" : "yellowwins")));
    EXPECT_STREQ(r->pobierz_przycisk(rozgrywka::p_opcje)->pobierz_napis(), "Exit");
    EXPECT_FALSE(r->czy_zakonczona());
    if (zwyciezca == 1) kliknij(rozgrywka::p_opcje);
    if (zwyciezca == 2) zglos_prosbe_zamkniecia(), r->klatka();
    EXPECT_TRUE(r->czy_zakonczona());
  }
}

// A message window over the open in-game menu is drawn in the frame it opens, last, and alone
// answers clicks: neither the menu nor the end of turn does until its button closes it. A
// failed save's message goes with a frame drawn in full, and the save then works. The window's
// close button asks in a frame drawn in full (the menu it closes is gone), also over a waiting
// message, which is neither drawn nor dropped; cancel returns to the game.
TEST_F(RozgrywkaTest, OknoKomunikatuNaWierzchuIJedyneOdpowiada) {
  ekran.ustaw_zegar(zegar);  // no animation step: frames draw in full only when asked
  start();
  kliknij(rozgrywka::p_opcje);
  for (const int okno : {2, 3, 0, 1}) {  // 3: a failed save, 0: the question alone
    if (okno == 2) wejscie.wyswietl_okno(2);
    if (okno == 3) zapisz_plik("Zapisane_gry", "x"), kliknij(rozgrywka::p_zapis2);
    if (okno == 1) wejscie.wyswietl_okno(1), klatki(2);
    if (okno < 2) zglos_prosbe_zamkniecia();
    ekran.wyczysc();
    r->klatka();
    EXPECT_TRUE(okno || ekran.ile("czysc") == 1) << "the question is not drawn in full";
    int ostatnie_okno = -1, ostatnie_menu = -1, okna = 0;
    for (int i = 0; i < (int)ekran.wywolania.size(); ++i) {
      const auto& w = ekran.wywolania[i];
      if (w.co == "bitmapa" && w.a == b_pr3) ostatnie_okno = i, ++okna;
      if (w.co == "bitmapa" && (w.a == b_ingamemenu || (w.a == b_button && w.b == 455)))
        ostatnie_menu = i;
    }
    EXPECT_EQ(okna, 1) << okno;
    EXPECT_GT(ostatnie_okno, ostatnie_menu) << okno << ": drawn under the menu";
    EXPECT_FALSE(w_klatce(455, 320)) << okno << ": slot 5 over the window between full frames";
    const bool menu = r->czy_menu_w_grze();
    for (int nr : {rozgrywka::p_powrot_menu, rozgrywka::p_koniec_tury}) kliknij(nr);
    EXPECT_EQ(r->czy_menu_w_grze(), menu) << okno;
    EXPECT_EQ(stan.aktywny_gracz, 1) << okno;
    ekran.wyczysc();
    nacisnij(okno >= 2 ? OK_X : NIE_X, OKNO_Y);
    EXPECT_EQ(wejscie.zwroc_okno(), okno == 1);
    EXPECT_STREQ(r->pobierz_blad_zapisu(), "");
    EXPECT_EQ(r->pobierz_tryb_panelu(), rozgrywka::panel_jednostki) << okno;
  }
  unlink("Zapisane_gry");
  wejscie.wyswietl_okno(0);
  kliknij(rozgrywka::p_opcje);
  kliknij(rozgrywka::p_zapis2);
  EXPECT_FALSE(r->czy_menu_w_grze());
  EXPECT_NE(wczytaj_plik("Zapisane_gry/2.sav"), "");
  r->zmien_tryb_panelu(rozgrywka::panel_wyjscie);
  nacisnij(TAK_X, OKNO_Y);
  EXPECT_TRUE(r->czy_zakonczona());
  ekran.ustaw_zegar(nullptr);
}

// Healing beside a town, a worker's repair of its damaged castle and training beside it are
// offered only with something to mend, happen only on a click with the price in the purse,
// and cost it. Points to dispose add one to the trait of the button; gold a unit carries
// goes to the purse.
TEST_F(RozgrywkaTest, PanelJednostkiLeczyNaprawiaTrenujeIRozdajePunkty) {
  jednostka* robotnik = dodaj(pole_robotnik_1, 1, 6, 10);  // beside the blue castle at (5, 10)
  dodaj(pole_miasto_1, 1, 20, 20);
  jednostka* rycerz = dodaj(pole_rycerz, 1, 21, 20);
  jednostka* zamek = stan.armia_glowna->zwroc_jednostke(pole_zamek_gracz_1);
  const struct {
    jednostka *kto, *ranny;
    int przycisk, x, cena;
  } oferty[] = {
      {robotnik, zamek, rozgrywka::p_napraw, 620, zamek->pobierz_cene() / 4},
      {robotnik, nullptr, rozgrywka::p_trenuj, 510, robotnik->pobierz_cene() / 2},
      {rycerz, rycerz, rozgrywka::p_ulecz, 400, rycerz->pobierz_cene() / 4},
  };
  start();
  for (const auto& o : oferty) {
    ASSERT_TRUE(uczyn_aktywna(o.kto));
    const int pelne = o.ranny ? o.ranny->pobierz_d_punkty_zycia() : 0;
    if (o.ranny) {
      EXPECT_FALSE(w_klatce(o.x, OFERTA_Y)) << o.przycisk << ": nothing to mend";
      o.ranny->zmien_punkty_zycia(pelne / 2);
    }
    stan.gracze[1].zmien_zloto(o.cena - 1);
    kliknij(o.przycisk);
    EXPECT_EQ(stan.gracze[1].pobierz_zloto(), o.cena - 1) << o.przycisk << ": too dear";
    stan.gracze[1].zmien_zloto(o.cena);
    EXPECT_TRUE(w_klatce(o.x, OFERTA_Y)) << o.przycisk;
    klatki(5);
    EXPECT_EQ(stan.gracze[1].pobierz_zloto(), o.cena) << o.przycisk << ": without a click";
    kliknij(o.przycisk);
    EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 0) << o.przycisk;
  }
  ASSERT_TRUE(uczyn_aktywna(rycerz));
  rycerz->zmien_do_rozdysponowania(3);
  const int atak = rycerz->pobierz_atak(), obrona = rycerz->pobierz_obrona(),
            zwinnosc = rycerz->pobierz_zwinnosc();
  for (int nr : {rozgrywka::p_atak, rozgrywka::p_obrona, rozgrywka::p_zwinnosc}) kliknij(nr);
  EXPECT_EQ(rycerz->pobierz_atak(), atak + 1);
  EXPECT_EQ(rycerz->pobierz_obrona(), obrona + 1);
  EXPECT_EQ(rycerz->pobierz_zwinnosc(), zwinnosc + 1);
  EXPECT_EQ(rycerz->pobierz_do_rozdysponowania(), 0);
  rycerz->zmien_pieniadze(1);
  klatki(1);
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 1);
}

// Clicks on the command panel, or inside the open in-game menu, do not reach the map; with
// the selected unit of the other side the menu still opens and closes.
TEST_F(RozgrywkaTest, KlikNaPaneluIWMenuNieDochodziDoMapy) {
  stan.aktywny_gracz = 2;
  start();
  stan.aktywny_gracz = 1;
  kliknij(rozgrywka::p_opcje);
  ASSERT_TRUE(r->czy_menu_w_grze());
  const struct {
    int x, y;
    bool dochodzi;
  } klikniecia[] = {{300, 700, false}, {300, 300, true}, {410, 115, false}, {609, 444, false},
                    {409, 300, true},  {610, 300, true}, {500, 114, true},  {500, 445, true}};
  for (const auto& k : klikniecia) {
    mouse_x = k.x, mouse_y = k.y, mouse_b = 1;
    r->klatka();
    EXPECT_EQ(wejscie.l_klikniety(), k.dochodzi) << k.x << ", " << k.y;
    mouse_b = 0;
    r->klatka();
  }
  kliknij(rozgrywka::p_powrot_menu);
  EXPECT_FALSE(r->czy_menu_w_grze());
}

// The computer's turn at full speed leaves the view where the player left it: unpaced, with
// the clock stopped, and once Space or a click hurried a paced turn. Paced (the classic and
// then the strong computer), nothing follows a shown order until the clock's beat, and the
// view goes to the order.
TEST_F(RozgrywkaTest, KomputerGraWRytmieZegaraAzDoPrzyspieszenia) {
  ai = 2;
  for (int y = 4; y < 20; y += 2) dodaj(pole_zolnierz, 2, 30, y);
  ekran.ustaw_zegar(zegar);
  start();
  for (const int tempo : {0, 1, 2}) {
    r->ustaw_tempo_komputera(tempo > 0);
    sila_komputera = tempo == 2 ? SILA_SILNA : SILA_KLASYCZNA;
    r->koniec_tury();
    stan.teren->ustaw_srodek(punkt(13, 50));
    const long przed = liczba_widocznych_rozkazow();
    for (const long krok : {0L, tempo_komputera::OKRES - 1, 1L}) {
      czas += krok;
      if (tempo) klatki(20);
      EXPECT_TRUE(!tempo || liczba_widocznych_rozkazow() == przed + 1 + (krok == 1)) << krok;
      EXPECT_TRUE(!tempo || w_widoku(pole_ostatniego_rozkazu())) << "the view stayed";
    }
    key[KEY_SPACE] = tempo == 1;
    mouse_b = tempo == 2;
    stan.teren->ustaw_srodek(punkt(13, 50));
    for (int i = 0; i < 200 && stan.aktywny_gracz == 2; ++i) {
      r->klatka();
      ASSERT_TRUE(stan.aktywny_gracz == 1 || stan.teren->pobierz_srodek().ry() == 50)
          << tempo << ": the view followed an order";
    }
    key[KEY_SPACE] = mouse_b = 0;
    EXPECT_EQ(stan.aktywny_gracz, 1) << tempo << ": the turn ran out";
    EXPECT_GT(liczba_widocznych_rozkazow(), przed + 2);
  }
  ekran.ustaw_zegar(nullptr);
}

}  // namespace
