// Long games on every shipped battlefield through the real main-loop frame: the strong
// computer against the classic one, and the computer against a player who clicks at random
// through real mouse input. The army, the grid, the purses and the hour are checked after
// every frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "armia.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "mapa.h"
#include "mapa_jednostek.h"
#include "menu.h"
#include "plik_gry.h"
#include "pomoc_rozgrywki.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

long zegar_gry = 0;
long zegar_krokowy() { return zegar_gry += 37; }

std::string gdzie(int mapa_nr, int tura, long klatka) {
  return "map " + std::to_string(mapa_nr) + ", turn " + std::to_string(tura) + ", frame " +
         std::to_string(klatka);
}

// A side's live units, from the given node of the army chain on.
std::vector<jednostka*> zywe_strony(armia* od, int gracz) {
  std::vector<jednostka*> w;
  for (armia* a = od; a; a = a->pobierz_nastepna()) {
    jednostka* j = a->pobierz_jednostke();
    if (j && j->pobierz_gracz() == gracz && j->pobierz_punkty_zycia() >= 1) w.push_back(j);
  }
  return w;
}

// A fallen castle on the field: it left the grid, and with it the units on its field.
bool pod_upadlym_zamkiem(const stan_gry& s, int x, int y) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (j && czy_zamek(j->pobierz_wyglad()) && j->pobierz_x() == x && j->pobierz_y() == y)
      return j->pobierz_punkty_zycia() < 1;
  }
  return false;
}

// Every live unit holds its own field in the grid, or shares a castle's field with it.
void sprawdz_spojnosc(const stan_gry& s, const std::string& miejsce) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (!j) continue;
    ASSERT_TRUE(czy_na_mapie(j->pobierz_x(), j->pobierz_y())) << miejsce;
    ASSERT_GE(j->pobierz_punkty_ruchu(), 0) << miejsce;
    if (j->pobierz_punkty_zycia() < 1) continue;
    jednostka* na_polu = s.siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y());
    if (!na_polu && pod_upadlym_zamkiem(s, j->pobierz_x(), j->pobierz_y())) continue;
    ASSERT_NE(na_polu, nullptr) << miejsce << ": a unit of kind " << j->pobierz_wyglad()
                                << " at (" << j->pobierz_x() << ", " << j->pobierz_y()
                                << ") missing from the grid";
    if (czy_zamek(j->pobierz_wyglad())) {
      ASSERT_EQ(na_polu, j) << miejsce << ": a castle lost its field";
    }
    ASSERT_TRUE(na_polu == j || czy_zamek(na_polu->pobierz_wyglad()))
        << miejsce << ": another unit holds the field";
  }
  ASSERT_GE(s.gracze[1].pobierz_zloto(), 0) << miejsce;
  ASSERT_GE(s.gracze[2].pobierz_zloto(), 0) << miejsce;
  ASSERT_GE(godzina, 0.0f) << miejsce;
  ASSERT_LE(godzina, 23.0f) << miejsce;
}

int punkty_strony(armia* od, int gracz) {
  int suma = 0;
  for (jednostka* j : zywe_strony(od, gracz)) suma += j->pobierz_punkty_ruchu();
  return suma;
}

armia* wezel(armia* glowa, int nr) {
  while (glowa && nr-- > 0) glowa = glowa->pobierz_nastepna();
  return glowa;
}

// A headless game on a shipped battlefield, its clock stepping 37 ms a reading.
struct gra_na_mapie {
  const bool gotowa = (przygotuj_allegro(), dev_mode = false, true);  // before the graphics
  grafika ekran{tryb_grafiki::pamiec};
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  explicit gra_na_mapie(int mapa_nr) {
    ekran.ustaw_zegar(zegar_krokowy);
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
    char blad[256] = "";
    EXPECT_TRUE(wczytaj_gre(plik_wyboru(5 + mapa_nr), stan, blad)) << blad;
  }
  ~gra_na_mapie() {
    stan.zwolnij();
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    godzina = 0.0f;
  }
  bool koniec(rozgrywka& r) const { return r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry; }
};

// One computer turn, frame by frame, checked after every frame. Each frame the selected unit
// spends at least one point (a move, a fight, or an order that came to nothing), so the turn
// ends within the points its units hold, those bought during the turn included, plus a
// margin.
void tura_komputera(rozgrywka& r, stan_gry& s, int mapa_nr, int tura) {
  const int gracz = s.aktywny_gracz;
  long granica = punkty_strony(s.armia_glowna, gracz) + 50;
  int wezly = s.armia_glowna->liczba_wezlow();
  for (long klatki = 1; s.aktywny_gracz == gracz &&
                        r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry; ++klatki) {
    r.klatka();
    sprawdz_spojnosc(s, gdzie(mapa_nr, tura, klatki));
    if (::testing::Test::HasFatalFailure()) return;
    const int teraz = s.armia_glowna->liczba_wezlow();
    if (teraz > wezly) granica += punkty_strony(wezel(s.armia_glowna, wezly), gracz);
    wezly = teraz;
    ASSERT_FALSE(r.czy_menu_w_grze()) << gdzie(mapa_nr, tura, klatki);
    ASSERT_LE(klatki, granica) << gdzie(mapa_nr, tura, klatki) << ": a computer turn never ended";
  }
}

// The strong computer against the classic one on every map, each side in turn; the seconds
// that seed the draws advance one every eight frames, so each game is the same at every run.
// The sides buy armies along the way, and the strong side takes the castle on at least three
// maps.
long przebiegi_losowania = 0;
long sekundy_co_osiem() { return przebiegi_losowania++ / 8; }

TEST(DlugaGra, SilnyKomputerBierzeZamekKlasycznegoNaKazdejMapie) {
  ustaw_zegar_losowania(sekundy_co_osiem);
  int wygrane = 0;
  for (int mapa_nr = 1; mapa_nr <= 4 && !HasFailure(); ++mapa_nr) {
    przebiegi_losowania = 0;
    gra_na_mapie g(mapa_nr);
    const int silny = mapa_nr <= 2 ? 1 : 2;
    const int na_poczatku = g.stan.armia_glowna->liczba_wezlow();
    rozgrywka r(g.stan, &g.okna, false);
    r.ustaw_oddawanie_procesora(false);
    int tura = 0;
    while (tura < 200 && !g.koniec(r) && !HasFailure()) {
      ai = (short)g.stan.aktywny_gracz;
      sila_komputera = short(ai == silny ? SILA_SILNA : SILA_KLASYCZNA);
      tura_komputera(r, g.stan, mapa_nr, ++tura);
    }
    EXPECT_TRUE(!g.koniec(r) || r.zwyciezca() != 0) << "map " << mapa_nr;
    EXPECT_GT(g.stan.armia_glowna->liczba_wezlow(), na_poczatku) << "map " << mapa_nr;
    wygrane += r.zwyciezca() == silny;
    std::printf("map %d: strong side %d, %d turns, winner %d\n", mapa_nr, silny, tura,
                r.zwyciezca());
  }
  ustaw_zegar_losowania(nullptr);
  EXPECT_GE(wygrane, 3);
}

// A player who clicks at random, as a restless human might: selects its units, orders them
// to fields near where they stand or onto enemies close by, scrolls the view, wanders through
// the shops and ends its turn after a few dozen frames. Its choices come from its own
// generator, because the main loop reseeds rand from the clock every frame.
class gracz_losowy {
 public:
  gracz_losowy(rozgrywka& r, stan_gry& s, int strona, unsigned ziarno, int mapa_nr)
      : r(r), s(s), strona(strona), los(ziarno), mapa_nr(mapa_nr) {}

  // One turn of random input ended by the end-turn button, every frame checked.
  void tura(int nr_tury) {
    tura_nr = nr_tury;
    kroki.clear();
    widok_zmieniony = true;  // the turn that ended brought the side's first unit into view
    for (long w_turze = 0, budzet = los_z(30, 70); w_turze < budzet || !kroki.empty(); ++w_turze) {
      if (kroki.empty()) wybierz_akcje();
      if (!klatka()) return;
      ASSERT_EQ(s.aktywny_gracz, strona) << miejsce() << ": the turn ended without the button";
    }
    if (s.wejscie->zwroc_okno() != 0) klik_punktu(320 + 130, 216 + 125);  // the message first
    klik_przycisku(rozgrywka::p_koniec_tury);
    while (!kroki.empty())
      if (!klatka()) return;
    ASSERT_NE(s.aktywny_gracz, strona) << miejsce() << ": the end-turn button did not end it";
    mouse_x = 512;
    mouse_y = 300;
    mouse_b = 0;
  }

  int ruchy = 0, zakupy = 0;

 private:
  struct krok {
    int x, y, b;
  };
  // The window of the map where a pointer neither scrolls the view nor lies on the panel.
  static const int PIERWSZA_KOLUMNA = 3, OSTATNIA_KOLUMNA = 22;
  static const int PIERWSZY_WIERSZ = 3, OSTATNI_WIERSZ = 18;

  int los_z(int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los); }
  std::string miejsce() const { return gdzie(mapa_nr, tura_nr, klatki); }
  template <class T>
  T jeden_z(const std::vector<T>& z) { return z[los_z(0, int(z.size()) - 1)]; }

  // The screen point at the centre of a field; false outside the calm window of the map.
  bool punkt_pola(int fx, int fy, int& px, int& py) const {
    punkt start = s.teren->start_ekranu();
    const int c = fx - int(start.rx()), w = fy - int(start.ry());
    if (!czy_na_mapie(fx, fy) || c < PIERWSZA_KOLUMNA || c > OSTATNIA_KOLUMNA ||
        w < PIERWSZY_WIERSZ || w > OSTATNI_WIERSZ)
      return false;
    const punkt_ekranu e = srodek_pola_w_widoku(c, w);
    px = e.x;
    py = e.y;
    return true;
  }
  std::vector<jednostka*> w_widoku(int gracz) const {
    std::vector<jednostka*> w;
    int px, py;
    for (jednostka* j : zywe_strony(s.armia_glowna, gracz))
      if (punkt_pola(j->pobierz_x(), j->pobierz_y(), px, py)) w.push_back(j);
    return w;
  }

  void klik_pola(int fx, int fy, int przycisk_myszy) {
    int px, py;
    if (!punkt_pola(fx, fy, px, py)) return;
    // The player's aim must match the field the game finds under the pointer.
    punkt p = s.teren->pole_pod_punktem(px, py, false) + s.teren->start_ekranu();
    ASSERT_EQ(int(p.rx()), fx) << miejsce();
    ASSERT_EQ(int(p.ry()), fy) << miejsce();
    kroki.push_back({px, py, przycisk_myszy});
    kroki.push_back({px, py, 0});
  }
  void klik_punktu(int x, int y) {
    kroki.push_back({x + 50, y + 10, 1});
    kroki.push_back({x + 50, y + 10, 0});
  }
  void klik_przycisku(int nr) {
    przycisk* p = r.pobierz_przycisk(nr);
    klik_punktu(p->pobierz_x(), p->pobierz_y());
  }

  void wybierz_akcje() {
    if (widok_zmieniony) {  // one still frame lets the game draw the moved view first
      kroki.push_back({512, 300, 0});
      return;
    }
    if (s.wejscie->zwroc_okno() != 0 && los_z(0, 2) == 0) {
      klik_punktu(320 + 130, 216 + 125);  // the message window's only button
      return;
    }
    const int rzut = los_z(0, 99);
    if (rzut < 30)
      wybierz_jednostke();
    else if (rzut < 65)
      wydaj_rozkaz();
    else if (rzut < 90)
      przycisk_panelu();
    else
      przewin();
    if (kroki.empty()) kroki.push_back({los_z(150, 850), los_z(150, 550), 0});
  }

  void wybierz_jednostke() {
    std::vector<jednostka*> widoczne = w_widoku(strona);
    if (widoczne.empty()) return przewin();
    jednostka* j = jeden_z(widoczne);
    klik_pola(j->pobierz_x(), j->pobierz_y(), 1);
  }

  // A right click on an enemy in view, or on a field a few steps from the selected unit: a
  // move, a fight, or an order the game refuses.
  void wydaj_rozkaz() {
    jednostka* a = s.armia_glowna->zwroc_aktywna();
    if (!a || a->pobierz_gracz() != strona || a->pobierz_punkty_ruchu() < 1)
      return wybierz_jednostke();
    std::vector<jednostka*> wrogowie = w_widoku(3 - strona);
    if (!wrogowie.empty() && los_z(0, 1) == 0) {
      jednostka* j = jeden_z(wrogowie);
      return klik_pola(j->pobierz_x(), j->pobierz_y(), 2);
    }
    klik_pola(a->pobierz_x() + los_z(-3, 3), a->pobierz_y() + los_z(-3, 3), 2);
  }

  // The options button is never pressed: its menu saves into the shared save slots.
  void przycisk_panelu() {
    using R = rozgrywka;
    static const std::vector<int> JEDNOSTKA = {R::p_kup, R::p_ulecz, R::p_napraw, R::p_trenuj,
                                               R::p_atak, R::p_obrona, R::p_zwinnosc};
    static const std::vector<int> WYBOR = {R::p_kup_jednostke, R::p_kup_technologie, R::p_powrot};
    static const std::vector<int> SKLEP = {R::p_nastepna, R::p_poprzednia, R::p_kup, R::p_kup,
                                           R::p_powrot};
    static const std::vector<int> TECHNOLOGIE = {R::p_technologia1, R::p_technologia2,
                                                 R::p_technologia3, R::p_technologia4,
                                                 R::p_powrot};
    switch (r.pobierz_tryb_panelu()) {
      case R::panel_jednostki: klik_przycisku(jeden_z(JEDNOSTKA)); break;
      case R::panel_wybor_sklepu: klik_przycisku(jeden_z(WYBOR)); break;
      case R::panel_sklep: klik_przycisku(jeden_z(SKLEP)); break;
      case R::panel_technologie: klik_przycisku(jeden_z(TECHNOLOGIE)); break;
      default: ADD_FAILURE() << miejsce() << ": panel mode " << r.pobierz_tryb_panelu();
    }
  }

  // Holds the pointer at one edge of the map for a while.
  void przewin() {
    static const krok KRAWEDZIE[] = {{40, 300, 0}, {980, 300, 0}, {512, 40, 0}, {512, 767, 0}};
    const krok k = KRAWEDZIE[los_z(0, 3)];
    for (int i = los_z(5, 25); i > 0; --i) kroki.push_back(k);
  }

  // One frame with the next scripted input, checked afterwards; counts the player's moves
  // and purchases. False when the test failed or the game is over.
  bool klatka() {
    const krok k = kroki.front();
    kroki.pop_front();
    mouse_x = k.x;
    mouse_y = k.y;
    mouse_b = k.b;
    const punkt srodek = s.teren->pobierz_srodek();
    jednostka* a = s.armia_glowna->zwroc_aktywna();
    const int ax = a ? a->pobierz_x() : -1, ay = a ? a->pobierz_y() : -1;
    const int wezly = s.armia_glowna->liczba_wezlow();
    r.klatka();
    ++klatki;
    sprawdz_spojnosc(s, miejsce());
    if (::testing::Test::HasFatalFailure()) return false;
    EXPECT_FALSE(r.czy_menu_w_grze()) << miejsce() << ": the in-game menu opened";
    EXPECT_NE(r.pobierz_tryb_panelu(), rozgrywka::panel_wyjscie) << miejsce();
    const punkt po = s.teren->pobierz_srodek();
    widok_zmieniony = po.rx() != srodek.rx() || po.ry() != srodek.ry();
    ruchy += a && a->pobierz_gracz() == strona && (a->pobierz_x() != ax || a->pobierz_y() != ay);
    zakupy += s.armia_glowna->liczba_wezlow() > wezly;
    return !::testing::Test::HasFailure() &&
           r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry;
  }

  rozgrywka& r;
  stan_gry& s;
  const int strona;
  std::mt19937 los;
  const int mapa_nr;
  int tura_nr = 0;
  long klatki = 0;
  bool widok_zmieniony = true;
  std::deque<krok> kroki;
};

TEST(DlugaGra, KomputerPrzeciwLosowemuKlikaczowiNaKazdejMapie) {
  for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
  int zakupy = 0;
  for (int mapa_nr = 1; mapa_nr <= 4 && !HasFailure(); ++mapa_nr) {
    gra_na_mapie g(mapa_nr);
    // The computer takes the second side on the first two maps and the first on the others.
    ai = short(mapa_nr <= 2 ? 2 : 1);
    mouse_x = 512;
    mouse_y = 300;
    mouse_b = 0;
    rozgrywka r(g.stan, &g.okna, false);
    r.ustaw_oddawanie_procesora(false);
    gracz_losowy losowy(r, g.stan, 3 - ai, 7919u * unsigned(mapa_nr), mapa_nr);
    int tura = 0;
    while (tura < 60 && !g.koniec(r) && !HasFailure()) {
      if (g.stan.aktywny_gracz == ai)
        tura_komputera(r, g.stan, mapa_nr, ++tura);
      else
        losowy.tura(++tura);
    }
    EXPECT_TRUE(!g.koniec(r) || r.zwyciezca() != 0) << "map " << mapa_nr;
    EXPECT_GT(losowy.ruchy, 0) << "map " << mapa_nr << ": the clicks reached the game";
    zakupy += losowy.zakupy;
    std::printf("map %d (computer %d): %d turns, %d moves, %d purchases, winner %d\n", mapa_nr,
                ai, tura, losowy.ruchy, losowy.zakupy, r.zwyciezca());
  }
  EXPECT_GT(zakupy, 0) << "the shop sold to the clicker somewhere";
  mouse_x = mouse_y = mouse_b = 0;
}

}  // namespace
