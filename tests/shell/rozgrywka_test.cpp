// The main loop's frame and the command panel, driven with scripted mouse and keys over a
// recording graphics context.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "armia.h"
#include "doradca_komputera.h"
#include "globalne.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "gra_na_mapie.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "teksty.h"
#include "zdarzenia.h"

namespace {

class RozgrywkaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    przygotuj_allegro();
    ai = 0;
    dev_mode = false;
    godzina = 12.0f;
    mouse_x = mouse_y = 0;
    mouse_b = 0;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
    okna = new menu(&ekran);
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    stan.teren = mapa_trawy(&ekran);
    stan.siatka = new mapa_jednostek();
    stan.armia_glowna = nowa(pole_zamek_gracz_1, 1, 5, 10);
    dodaj(pole_zamek_gracz_2, 2, 50, 10);
    stan.gracze[1].zmien_zloto(1000);
    stan.gracze[2].zmien_zloto(1000);
  }
  void TearDown() override {
    delete gra_trwa;
    gra_trwa = nullptr;
    stan.zwolnij();
    delete okna;
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE();
  }
  // Runs the test in an empty folder of its own, for what it writes.
  void w_pustym_folderze() { ASSERT_EQ(chdir(katalog_tymczasowy().c_str()), 0); }
  // A key held down for one pass.
  void klawisz(int k) {
    key[k] = 1;
    gra_trwa->klatka();
    key[k] = 0;
  }
  armia* nowa(nazwa_pola r, int g, int x, int y) {
    return new armia(r, g, &ekran, stan.teren, stan.siatka, &wejscie, x, y, false);
  }
  void dodaj(nazwa_pola r, int g, int x, int y) {
    stan.armia_glowna->dodaj(r, g, &ekran, stan.teren, stan.siatka, &wejscie, x, y, false);
  }
  rozgrywka& start() {
    gra_trwa = new rozgrywka(stan, okna, false);
    gra_trwa->ustaw_oddawanie_procesora(false);
    return *gra_trwa;
  }
  // A press of a mouse button (1 left, 2 right: the order button) at a screen point, released
  // in the next frame.
  void nacisnij(int x, int y, int przycisk) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = przycisk;
    gra_trwa->klatka();
    mouse_b = 0;
    gra_trwa->klatka();
  }
  void kliknij(int x, int y) { nacisnij(x, y, 1); }
  // The same on the centre of a map field, for the view as it stands.
  void nacisnij_pole(int fx, int fy, int przycisk) {
    punkt s = stan.teren->start_ekranu();
    const punkt_ekranu e = srodek_pola_w_widoku(fx - int(s.rx()), fy - int(s.ry()));
    nacisnij(e.x, e.y, przycisk);
  }
  void kliknij_pole(int fx, int fy) { nacisnij_pole(fx, fy, 1); }
  void rozkaz_na_pole(int fx, int fy) { nacisnij_pole(fx, fy, 2); }
  void kliknij_przycisk(int nr) {
    przycisk* p = gra_trwa->pobierz_przycisk(nr);
    kliknij(p->pobierz_x() + 50, p->pobierz_y() + 10);
  }
  bool napisano(const std::string& t, int x, int y) const {
    for (const auto& w : ekran.wywolania)
      if (w.co == "pisz" && w.tekst == t && w.a == x && w.b == y) return true;
    return false;
  }
  bool narysowano_przycisk(int x, int y) const {
    for (const auto& w : ekran.wywolania)
      if (w.co == "bitmapa" && w.a == b_button && w.b == x && w.c == y) return true;
    return false;
  }
  jednostka* pierwsza(nazwa_pola r) { return stan.armia_glowna->zwroc_jednostke(r); }
  // Makes j the active unit by walking through the army's selection of the side on turn.
  bool uczyn_aktywna(jednostka* j) {
    while (stan.armia_glowna->zwroc_aktywna() && stan.armia_glowna->zwroc_aktywna() != j) {
      stan.armia_glowna->zwroc_aktywna()->zmien_stan(2);
      stan.armia_glowna->zaznacz_pierwsza(stan.aktywny_gracz);
    }
    return stan.armia_glowna->zwroc_aktywna() == j;
  }

  grafika_nagrywajaca ekran;
  zdarzenia wejscie{&ekran};
  menu* okna = nullptr;
  stan_gry stan;
  rozgrywka* gra_trwa = nullptr;
};

// The end-turn button hands the turn over an hour later, wrapping after 23:00, pays the
// ending side for its towns and selects the first unit of the next side, its points restored;
// without a computer player no turn ends by itself.
TEST_F(RozgrywkaTest, KoniecTuryPrzesuwaGodzineIPlaciZaMiasta) {
  for (int x : {20, 22, 24}) dodaj(pole_miasto_1, 1, x, 20);
  dodaj(pole_miasto_2, 2, 40, 20);
  dodaj(pole_rycerz, 2, 45, 30);
  rozgrywka& r = start();
  for (int i = 0; i < 20; ++i) r.klatka();
  EXPECT_EQ(stan.aktywny_gracz, 1);
  godzina = 22.5f;
  kliknij_przycisk(rozgrywka::p_koniec_tury);
  EXPECT_FLOAT_EQ(godzina, 23.0f);
  EXPECT_EQ(stan.aktywny_gracz, 2);
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 1000 + 55);
  EXPECT_EQ(stan.gracze[2].pobierz_zloto(), 1000);
  jednostka* a = stan.armia_glowna->zwroc_aktywna();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->pobierz_gracz(), 2);
  EXPECT_EQ(a->pobierz_punkty_ruchu(), a->pobierz_d_punkty_ruchu());
  kliknij_przycisk(rozgrywka::p_koniec_tury);
  EXPECT_FLOAT_EQ(godzina, 0.0f);
  EXPECT_EQ(stan.aktywny_gracz, 1);
  EXPECT_EQ(stan.gracze[2].pobierz_zloto(), 1000 + 35);
  EXPECT_EQ(r.pobierz_liczbe_klatek(), 24);
}

// Either castle falling ends the game naming the other side; then the options button reads
// Exit and ends it, and the window's close button ends it without asking.
TEST_F(RozgrywkaTest, UpadekZamkuKonczyGreZwyciestwemDrugiejStrony) {
  struct przypadek {
    nazwa_pola zamek;
    int zwyciezca;
    const char* napis;
    bool przyciskiem;
  };
  for (const przypadek& p : {przypadek{pole_zamek_gracz_2, 1, "bluewins", true},
                             przypadek{pole_zamek_gracz_1, 2, "yellowwins", false}}) {
    TearDown();
    SetUp();
    ekran.wyczysc();
    rozgrywka& r = start();
    pierwsza(p.zamek)->zmien_punkty_zycia(0);
    for (int i = 0; i < 3; ++i) r.klatka();
    EXPECT_EQ(r.zwyciezca(), p.zwyciezca);
    EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_koniec_gry);
    EXPECT_TRUE(napisano(tekst(p.napis), 435, 653));
    EXPECT_TRUE(napisano(tekst("endofgame"), 435, 621));
    EXPECT_STREQ(r.pobierz_przycisk(rozgrywka::p_opcje)->pobierz_napis(), "Exit");
    EXPECT_FALSE(r.czy_zakonczona());
    if (p.przyciskiem) {
      kliknij_przycisk(rozgrywka::p_opcje);
    } else {
      zglos_prosbe_zamkniecia();
      r.klatka();
    }
    EXPECT_TRUE(r.czy_zakonczona());
  }
}

// The window's close button asks first, over a message that waits its turn (the message is
// neither drawn nor dropped); cancel returns to the game and OK ends it.
TEST_F(RozgrywkaTest, ZamkniecieOknaPytaAAnulujWraca) {
  rozgrywka& r = start();
  kliknij_przycisk(rozgrywka::p_opcje);
  wejscie.wyswietl_okno(1);
  zglos_prosbe_zamkniecia();
  ekran.wyczysc();
  r.klatka();
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_wyjscie);
  EXPECT_FALSE(r.czy_menu_w_grze());
  EXPECT_FALSE(r.czy_zakonczona());
  EXPECT_FALSE(napisano(tekst("foodfound"), 400, 296));
  int panele = 0;
  for (const auto& w : ekran.wywolania) panele += w.co == "bitmapa" && w.a == b_pr3;
  EXPECT_EQ(panele, 1);
  kliknij(320 + 190 + 50, 216 + 125 + 10);  // the second button
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_jednostki);
  EXPECT_FALSE(r.czy_zakonczona());
  EXPECT_EQ(wejscie.zwroc_okno(), 1);
  // The question alone, with no message behind it, holds the panel's buttons too.
  wejscie.wyswietl_okno(0);
  r.zmien_tryb_panelu(rozgrywka::panel_wyjscie);
  kliknij_przycisk(rozgrywka::p_koniec_tury);
  EXPECT_EQ(stan.aktywny_gracz, 1);
  kliknij(320 + 70 + 50, 216 + 125 + 10);  // the first button
  EXPECT_TRUE(r.czy_zakonczona());
}

long zegar_staly() { return 0; }

TEST_F(RozgrywkaTest, KomunikatLezyNadMenuIJedynyOdpowiada) {
  ekran.ustaw_zegar(zegar_staly);  // no animation step: passes draw in full only when asked
  rozgrywka& r = start();
  kliknij_przycisk(rozgrywka::p_opcje);
  ASSERT_TRUE(r.czy_menu_w_grze());
  wejscie.wyswietl_okno(2);
  ekran.wyczysc();
  r.klatka();  // the window's first pass is drawn in full
  int okno = -1, ostatnie_menu = -1;
  for (int i = 0; i < (int)ekran.wywolania.size(); ++i) {
    const auto& w = ekran.wywolania[i];
    if (w.co == "bitmapa" && w.a == b_pr3) okno = i;
    if (w.co == "bitmapa" && (w.a == b_ingamemenu || (w.a == b_button && w.b == 455))) ostatnie_menu = i;
  }
  EXPECT_GT(okno, ostatnie_menu) << "the window is drawn under the in-game menu";
  ekran.wyczysc();
  r.klatka();
  EXPECT_FALSE(narysowano_przycisk(455, 320)) << "slot 5 comes out over the window between full frames";

  // Neither the menu nor the end of turn answers while the window is open.
  kliknij_przycisk(rozgrywka::p_powrot_menu);
  kliknij_przycisk(rozgrywka::p_koniec_tury);
  EXPECT_TRUE(r.czy_menu_w_grze());
  EXPECT_EQ(stan.aktywny_gracz, 1);
  kliknij(320 + 130 + 50, 216 + 125 + 10);
  EXPECT_EQ(wejscie.zwroc_okno(), 0);
  kliknij_przycisk(rozgrywka::p_powrot_menu);
  EXPECT_FALSE(r.czy_menu_w_grze());
}

TEST_F(RozgrywkaTest, SklepIdzieZaPrzyciskamiAWyborZostajeWZakresie) {
  rozgrywka& r = start();
  kliknij_przycisk(rozgrywka::p_kup);
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_wybor_sklepu);
  kliknij_przycisk(rozgrywka::p_kup_jednostke);
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_sklep);
  ekran.wyczysc();
  kliknij_przycisk(rozgrywka::p_poprzednia);
  EXPECT_EQ(r.pobierz_wybor_jednostki(1), 0);
  EXPECT_FALSE(narysowano_przycisk(400, 700));  // no "previous" at index 0
  for (int i = 0; i < 7; ++i) kliknij_przycisk(rozgrywka::p_nastepna);
  EXPECT_EQ(r.pobierz_wybor_jednostki(1), 5);
  ekran.wyczysc();
  r.klatka();
  EXPECT_FALSE(narysowano_przycisk(510, 700));  // no "next" at index 5
  EXPECT_EQ(r.pobierz_wybor_jednostki(2), 0);
  kliknij_przycisk(rozgrywka::p_powrot);
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_jednostki);
  kliknij_przycisk(rozgrywka::p_kup);
  kliknij_przycisk(rozgrywka::p_kup_technologie);
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_technologie);
  kliknij_przycisk(rozgrywka::p_technologia1);
  EXPECT_TRUE(stan.gracze[1].sprawdz_technologie(2));
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 0);
  ekran.wyczysc();
  r.klatka();
  EXPECT_TRUE(napisano(tekst("bought"), 247, 618));
  kliknij_przycisk(rozgrywka::p_powrot);
  EXPECT_EQ(r.pobierz_tryb_panelu(), rozgrywka::panel_wybor_sklepu);
}

TEST_F(RozgrywkaTest, PanelBezAktywnejJednostkiStronyNaTurze) {
  stan.aktywny_gracz = 2;
  dodaj(pole_rycerz, 1, 30, 30);
  rozgrywka& r = start();
  stan.aktywny_gracz = 1;
  // The selected unit belongs to the other side: no unit parts, but the menu still opens.
  kliknij_przycisk(rozgrywka::p_opcje);
  EXPECT_TRUE(r.czy_menu_w_grze());
  kliknij_przycisk(rozgrywka::p_powrot_menu);
  EXPECT_FALSE(r.czy_menu_w_grze());
}

TEST_F(RozgrywkaTest, RannyPrzyMiescieMozeSieLeczyc) {
  dodaj(pole_miasto_1, 1, 20, 20);
  dodaj(pole_rycerz, 1, 21, 20);
  rozgrywka& r = start();
  jednostka* rycerz = pierwsza(pole_rycerz);
  rycerz->zmien_punkty_zycia(rycerz->pobierz_d_punkty_zycia() / 2);
  ASSERT_TRUE(uczyn_aktywna(rycerz));
  ekran.wyczysc();
  r.klatka();
  EXPECT_TRUE(narysowano_przycisk(400, 700));
  int przed = rycerz->pobierz_punkty_zycia();
  kliknij_przycisk(rozgrywka::p_ulecz);
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 1000 - rycerz->pobierz_cene() / 4);
  EXPECT_GE(rycerz->pobierz_punkty_zycia(), przed);
  rycerz->zmien_punkty_zycia(rycerz->pobierz_d_punkty_zycia());
  ekran.wyczysc();
  r.klatka();
  EXPECT_FALSE(narysowano_przycisk(400, 700));
}

TEST_F(RozgrywkaTest, RobotnikPrzyUszkodzonymZamkuNaprawiaITrenuje) {
  dodaj(pole_robotnik_1, 1, 6, 10);  // right of the blue castle at (5, 10)
  rozgrywka& r = start();
  jednostka* robotnik = pierwsza(pole_robotnik_1);
  jednostka* zamek = pierwsza(pole_zamek_gracz_1);
  ASSERT_TRUE(uczyn_aktywna(robotnik));
  ekran.wyczysc();
  r.klatka();
  EXPECT_FALSE(narysowano_przycisk(620, 700)) << "an undamaged castle needs no repair";
  EXPECT_TRUE(narysowano_przycisk(510, 700)) << "training beside the castle";
  zamek->zmien_punkty_zycia(zamek->pobierz_d_punkty_zycia() / 2);
  ekran.wyczysc();
  r.klatka();
  EXPECT_TRUE(narysowano_przycisk(620, 700));
  int przed = zamek->pobierz_punkty_zycia();
  kliknij_przycisk(rozgrywka::p_napraw);
  EXPECT_EQ(stan.gracze[1].pobierz_zloto(), 1000 - zamek->pobierz_cene() / 4);
  EXPECT_GE(zamek->pobierz_punkty_zycia(), przed);
  // Training costs half the unit's price; without the gold it is not offered.
  stan.gracze[1].zmien_zloto(robotnik->pobierz_cene() / 2 - 1);
  ekran.wyczysc();
  r.klatka();
  EXPECT_FALSE(narysowano_przycisk(510, 700));
}

// Clicks on the command panel, or inside the open in-game menu, do not reach the map.
TEST_F(RozgrywkaTest, KlikNaPaneluIWMenuNieDochodziDoMapy) {
  w_pustym_folderze();  // a stray click on a save slot writes nowhere that matters
  rozgrywka& r = start();
  kliknij_przycisk(rozgrywka::p_opcje);
  ASSERT_TRUE(r.czy_menu_w_grze());
  struct przypadek {
    int x, y;
    bool dochodzi;
  } przypadki[] = {{300, 700, false}, {300, 300, true},  {410, 115, false}, {609, 444, false},
                   {409, 300, true},  {610, 300, true},  {500, 114, true},  {500, 445, true}};
  for (const przypadek& p : przypadki) {
    mouse_x = p.x;
    mouse_y = p.y;
    mouse_b = 1;
    r.klatka();
    EXPECT_EQ(wejscie.l_klikniety(), p.dochodzi) << p.x << ", " << p.y;
    mouse_b = 0;
    r.klatka();
  }
  EXPECT_TRUE(r.czy_menu_w_grze());
}

TEST_F(RozgrywkaTest, NieudanyZapisZostawiaMenuZKomunikatem) {
  w_pustym_folderze();
  // A plain file where the save folder should be: the save cannot be written.
  ASSERT_TRUE(zapisz_plik("Zapisane_gry", "x"));
  rozgrywka& r = start();
  kliknij_przycisk(rozgrywka::p_opcje);
  kliknij_przycisk(rozgrywka::p_zapis2);
  EXPECT_TRUE(r.czy_menu_w_grze());
  EXPECT_STRNE(r.pobierz_blad_zapisu(), "");
  kliknij(320 + 130 + 50, 216 + 125 + 10);  // acknowledge
  EXPECT_STREQ(r.pobierz_blad_zapisu(), "");
  EXPECT_TRUE(r.czy_menu_w_grze());
  unlink("Zapisane_gry");
  kliknij_przycisk(rozgrywka::p_zapis2);
  EXPECT_FALSE(r.czy_menu_w_grze());
  EXPECT_STREQ(r.pobierz_blad_zapisu(), "");
  struct stat st;
  EXPECT_EQ(stat("Zapisane_gry/2.sav", &st), 0);
}

TEST_F(RozgrywkaTest, RozkazGraczaKosztujeAPozaZasiegiemOdmowiony) {
  dodaj(pole_rycerz, 1, 20, 20);
  rozgrywka& r = start();
  stan.teren->ustaw_srodek(punkt(20, 20));
  r.klatka();
  jednostka* rycerz = pierwsza(pole_rycerz);
  kliknij_pole(20, 20);
  ASSERT_EQ(stan.armia_glowna->zwroc_aktywna(), rycerz);
  const int pelne = rycerz->pobierz_d_punkty_ruchu();
  rozkaz_na_pole(22, 20);  // two grass fields to the right
  EXPECT_EQ(rycerz->pobierz_x(), 22);
  EXPECT_EQ(rycerz->pobierz_punkty_ruchu(), pelne - 2);
  EXPECT_EQ(stan.siatka->pobierz_jednostke(22, 20), rycerz);
  EXPECT_EQ(stan.siatka->pobierz_jednostke(20, 20), nullptr);
  rozkaz_na_pole(22 + pelne + 3, 20);  // out of reach
  EXPECT_EQ(rycerz->pobierz_x(), 22);
  stan.teren->zmien_pole(23, 20, '3');
  rozkaz_na_pole(23, 20);  // water
  EXPECT_EQ(rycerz->pobierz_x(), 22);
  EXPECT_EQ(rycerz->pobierz_punkty_ruchu(), pelne - 2);
}

TEST_F(RozgrywkaTest, WalkaWymagaStycznosciWParzystymINieparzystymWierszu) {
  // Row 20 is even: its neighbours above and below are columns x-1 and x; on odd row 21
  // they are x and x+1.
  dodaj(pole_rycerz, 1, 20, 20);
  dodaj(pole_trol, 2, 21, 21);  // lower right of (20, 20): not a neighbour on an even row
  dodaj(pole_trol, 2, 20, 19);  // upper right of (20, 20): a neighbour
  ASSERT_TRUE(ekran.wczytaj_mape_myszki());
  rozgrywka& r = start();
  stan.teren->ustaw_srodek(punkt(20, 20));
  r.klatka();
  jednostka* rycerz = pierwsza(pole_rycerz);
  kliknij_pole(20, 20);
  ASSERT_EQ(stan.armia_glowna->zwroc_aktywna(), rycerz);
  jednostka* daleki = stan.siatka->pobierz_jednostke(21, 21);
  jednostka* bliski = stan.siatka->pobierz_jednostke(20, 19);
  ASSERT_TRUE(daleki && bliski);
  int zycie_dalekiego = daleki->pobierz_punkty_zycia();
  int punkty = rycerz->pobierz_punkty_ruchu();
  rozkaz_na_pole(21, 21);
  EXPECT_EQ(daleki->pobierz_punkty_zycia(), zycie_dalekiego);
  EXPECT_EQ(rycerz->pobierz_punkty_ruchu(), punkty) << "no fight, no cost";
  rozkaz_na_pole(20, 19);
  EXPECT_EQ(rycerz->pobierz_punkty_ruchu(), punkty - 1) << "a fight costs one point";
  EXPECT_EQ(rycerz->pobierz_x(), 20) << "the attacker stays on its field";
}

TEST_F(RozgrywkaTest, TrybDeweloperaPrzenosiGdziekolwiekIBudujeKlawiszami) {
  dodaj(pole_rycerz, 1, 20, 20);
  dodaj(pole_trol, 2, 24, 22);
  rozgrywka& r = start();
  stan.teren->ustaw_srodek(punkt(20, 20));
  stan.teren->zmien_pole(22, 18, '3');
  r.klatka();
  jednostka* rycerz = pierwsza(pole_rycerz);
  jednostka* trol = stan.siatka->pobierz_jednostke(24, 22);
  ASSERT_NE(trol, nullptr);
  dev_mode = true;
  kliknij_pole(20, 20);
  ASSERT_EQ(stan.armia_glowna->zwroc_aktywna(), rycerz);
  rycerz->zmien_punkty_ruchu(0);
  for (int i = 0; i < 3; ++i) r.klatka();
  EXPECT_EQ(rycerz->aktualny_stan(), 1) << "no points, still selected";
  // Onto an enemy's field: no fight, the grid then names only the moved unit there.
  const int zycie_trola = trol->pobierz_punkty_zycia();
  rozkaz_na_pole(24, 22);
  EXPECT_EQ(rycerz->pobierz_x(), 24);
  EXPECT_EQ(rycerz->pobierz_y(), 22);
  EXPECT_EQ(stan.siatka->pobierz_jednostke(24, 22), rycerz);
  EXPECT_EQ(stan.siatka->pobierz_jednostke(20, 20), nullptr);
  EXPECT_EQ(trol->pobierz_punkty_zycia(), zycie_trola);
  rozkaz_na_pole(22, 18);  // water
  EXPECT_EQ(rycerz->pobierz_x(), 22);
  EXPECT_EQ(stan.siatka->pobierz_jednostke(22, 18), rycerz);

  // O builds a town of the side on turn on the free building field; a taken field, or
  // developer mode off, builds nothing.
  const int wezly = stan.armia_glowna->liczba_wezlow();
  klawisz(KEY_O);
  jednostka* miasto = stan.siatka->pobierz_jednostke(10, 10);
  ASSERT_NE(miasto, nullptr);
  EXPECT_EQ(miasto->pobierz_wyglad(), pole_miasto_1);
  EXPECT_EQ(miasto->pobierz_gracz(), 1);
  klawisz(KEY_N);
  EXPECT_EQ(stan.armia_glowna->liczba_wezlow(), wezly + 1);
  stan.siatka->zeruj_pole(10, 10);
  dev_mode = false;
  klawisz(KEY_M);
  EXPECT_EQ(stan.armia_glowna->liczba_wezlow(), wezly + 1);
  // Out of developer mode the unit without points is done.
  r.klatka();
  EXPECT_EQ(rycerz->aktualny_stan(), 2);
}

// A key held over many passes acts once: D flips developer mode once, S writes the map once.
TEST_F(RozgrywkaTest, KlawiszDzialaRazNaNacisniecie) {
  w_pustym_folderze();
  mkdir("Pliki_danych", 0755);
  mkdir("Pliki_danych/Mapy", 0755);
  rozgrywka& r = start();
  struct stat st;
  for (int nacisniecie = 0; nacisniecie < 2; ++nacisniecie) {
    key[KEY_D] = key[KEY_S] = 1;
    for (int i = 0; i < 4; ++i) {
      r.klatka();
      EXPECT_EQ(stat(mapa::PLIK_EDYTORA, &st) == 0, i == 0) << nacisniecie << i;
      unlink(mapa::PLIK_EDYTORA);
    }
    EXPECT_EQ(dev_mode, nacisniecie == 0);
    key[KEY_D] = key[KEY_S] = 0;
    r.klatka();
  }
}

long czas_tempa = 0;
long zegar_tempa() { return czas_tempa; }

// The computer's turn at the pace of the clock, the classic and then the strong one: with the
// clock stopped nothing follows a shown order; the next comes on the beat; Space or a click
// lets the turn run out at once.
TEST_F(RozgrywkaTest, KomputerGraWRytmieZegaraAzDoPrzyspieszenia) {
  ai = 2;
  for (int y : {4, 10, 16}) dodaj(pole_zolnierz, 2, 30, y);
  ekran.ustaw_zegar(zegar_tempa);
  rozgrywka& r = start();
  r.ustaw_tempo_komputera(true);
  struct tura {
    short sila;
    int przyspieszenie;  // a key, or -1 for a left click on the map
  };
  for (const tura& t : {tura{SILA_KLASYCZNA, KEY_SPACE}, tura{SILA_SILNA, -1}}) {
    sila_komputera = t.sila;
    const int przyspieszenie = t.przyspieszenie;
    r.koniec_tury();
    ASSERT_EQ(stan.aktywny_gracz, 2);
    const long przed = liczba_widocznych_rozkazow();
    for (int i = 0; i < 20; ++i) r.klatka();
    EXPECT_EQ(liczba_widocznych_rozkazow(), przed + 1) << "clock stopped";
    czas_tempa += tempo_komputera::OKRES - 1;
    for (int i = 0; i < 20; ++i) r.klatka();
    EXPECT_EQ(liczba_widocznych_rozkazow(), przed + 1) << "before the beat";
    czas_tempa += 1;
    for (int i = 0; i < 20; ++i) r.klatka();
    EXPECT_EQ(liczba_widocznych_rozkazow(), przed + 2) << "on the beat";
    if (przyspieszenie == KEY_SPACE)
      klawisz(KEY_SPACE);
    else
      kliknij(500, 300);
    for (int i = 0; i < 200 && stan.aktywny_gracz == 2; ++i) r.klatka();
    EXPECT_EQ(stan.aktywny_gracz, 1) << "the rest of the turn at full speed";
    EXPECT_GT(liczba_widocznych_rozkazow(), przed + 2);
  }
  ekran.ustaw_zegar(nullptr);
}

}  // namespace
