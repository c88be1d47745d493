// Long games on every shipped battlefield through the real main-loop frame: the computer
// against itself for hundreds of turns, and the computer against a player who clicks at
// random through real mouse input. The army, the grid, the purses and the hour are checked
// as the games go on.
#include <allegro.h>
#include <gtest/gtest.h>

#include <chrono>
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

// Where a failure happened, for the messages.
std::string gdzie(int mapa_nr, int tura, long klatka) {
  return "map " + std::to_string(mapa_nr) + ", turn " + std::to_string(tura) + ", frame " +
         std::to_string(klatka);
}

// The castle standing on a field, fallen or not; null when none.
jednostka* zamek_na_polu(const stan_gry& s, int x, int y) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (j && czy_zamek(j->pobierz_wyglad()) && j->pobierz_x() == x && j->pobierz_y() == y)
      return j;
  }
  return nullptr;
}

void sprawdz_spojnosc(const stan_gry& s, const std::string& miejsce) {
  for (armia* w = s.armia_glowna; w; w = w->pobierz_nastepna()) {
    jednostka* j = w->pobierz_jednostke();
    if (!j) continue;
    ASSERT_TRUE(czy_na_mapie(j->pobierz_x(), j->pobierz_y())) << miejsce;
    ASSERT_GE(j->pobierz_punkty_ruchu(), 0) << miejsce;
    if (j->pobierz_punkty_zycia() < 1) continue;
    // A live unit stands in the grid on its own field, unless it shares a castle's field;
    // a live castle always holds its own. A castle that falls leaves the grid, and with it
    // the units that stood on its field, but that ends the game.
    jednostka* na_polu = s.siatka->pobierz_jednostke(j->pobierz_x(), j->pobierz_y());
    if (!na_polu) {
      jednostka* zamek = zamek_na_polu(s, j->pobierz_x(), j->pobierz_y());
      if (zamek && zamek->pobierz_punkty_zycia() < 1) continue;
    }
    ASSERT_NE(na_polu, nullptr) << miejsce << ": a unit of kind " << j->pobierz_wyglad()
                                << " of side " << j->pobierz_gracz() << " at ("
                                << j->pobierz_x() << ", " << j->pobierz_y()
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

// A side's live units, from the given node of the army chain on.
std::vector<jednostka*> zywe_strony(armia* od, int gracz) {
  std::vector<jednostka*> w;
  for (armia* a = od; a; a = a->pobierz_nastepna()) {
    jednostka* j = a->pobierz_jednostke();
    if (j && j->pobierz_gracz() == gracz && j->pobierz_punkty_zycia() >= 1) w.push_back(j);
  }
  return w;
}

// Movement points held by a side's live units, from the given node of the chain on.
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
  grafika ekran{tryb_grafiki::pamiec};
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  gra_na_mapie() {
    ekran.ustaw_zegar(zegar_krokowy);
    stan.ekran = &ekran;
    stan.wejscie = &wejscie;
  }
  bool wczytaj(int mapa_nr, char* blad) {
    return wczytaj_gre(plik_wyboru(5 + mapa_nr), stan, blad);
  }
};

// One computer turn, frame by frame, with the game checked after every frame. In each frame
// the selected unit spends at least one point (a move, a fight, or an order that came to
// nothing), so the turn must end within the points its units hold, those bought during the
// turn included, plus a few frames of margin. Returns the frames the turn took.
long tura_komputera(rozgrywka& r, stan_gry& s, int mapa_nr, int tura) {
  const int gracz = s.aktywny_gracz;
  long granica = punkty_strony(s.armia_glowna, gracz) + 50;
  int wezly = s.armia_glowna->liczba_wezlow();
  long klatki = 0;
  while (s.aktywny_gracz == gracz && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
    r.klatka();
    ++klatki;
    sprawdz_spojnosc(s, gdzie(mapa_nr, tura, klatki));
    if (::testing::Test::HasFatalFailure()) return klatki;
    const int teraz = s.armia_glowna->liczba_wezlow();
    if (teraz > wezly) granica += punkty_strony(wezel(s.armia_glowna, wezly), gracz);
    wezly = teraz;
    EXPECT_FALSE(r.czy_menu_w_grze()) << gdzie(mapa_nr, tura, klatki);
    if (klatki > granica || klatki >= 20000) {
      ADD_FAILURE() << gdzie(mapa_nr, tura, klatki) << ": a computer turn never ended (limit "
                    << granica << ")";
      return klatki;
    }
  }
  return klatki;
}

TEST(DlugaGra, ComputerAgainstComputerOnEveryMapKeepsTheGameWhole) {
  przygotuj_allegro();
  dev_mode = false;
  const int TURY = 120;
  for (int mapa_nr = 1; mapa_nr <= 4; ++mapa_nr) {
    gra_na_mapie g;
    char blad[256];
    ASSERT_TRUE(g.wczytaj(mapa_nr, blad)) << blad;
    stan_gry& stan = g.stan;
    const int na_poczatku = stan.armia_glowna->liczba_wezlow();
    {
      rozgrywka r(stan, &g.okna, false);
      r.ustaw_oddawanie_procesora(false);
      int tura = 0;
      long klatki = 0;
      while (tura < TURY && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
        ai = (short)stan.aktywny_gracz;  // the computer plays whichever side is on turn
        ++tura;
        klatki += tura_komputera(r, stan, mapa_nr, tura);
        if (HasFailure()) return;
      }
      RecordProperty("map" + std::to_string(mapa_nr) + "_turns", tura);
      RecordProperty("map" + std::to_string(mapa_nr) + "_frames", int(klatki));
      // A game that ended has a winner and the panel says so.
      if (r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry) {
        EXPECT_NE(r.zwyciezca(), 0);
      }
      // The sides bought armies of their own along the way.
      EXPECT_GT(stan.armia_glowna->liczba_wezlow(), na_poczatku) << "map " << mapa_nr;
      std::printf("map %d: %d turns, %ld frames, %d units, winner %d\n", mapa_nr, tura, klatki,
                  stan.armia_glowna->liczba_wezlow(), r.zwyciezca());
    }
    stan.zwolnij();
  }
  ai = 2;
  godzina = 0.0f;
}

// The strong computer against the classic one on every map, each side in turn, checked after
// every frame; the seconds that seed the draws advance one every eight frames, so each game
// is the same at every run. The strong side takes the castle on at least three maps.
long przebiegi_losowania = 0;
long sekundy_co_osiem() { return przebiegi_losowania++ / 8; }

TEST(DlugaGra, SilnyKomputerBierzeZamekKlasycznego) {
  przygotuj_allegro();
  dev_mode = false;
  ustaw_zegar_losowania(sekundy_co_osiem);
  int wygrane = 0;
  for (int mapa_nr = 1; mapa_nr <= 4; ++mapa_nr) {
    przebiegi_losowania = 0;
    gra_na_mapie g;
    char blad[256];
    ASSERT_TRUE(g.wczytaj(mapa_nr, blad)) << blad;
    stan_gry& stan = g.stan;
    const int silny = mapa_nr <= 2 ? 1 : 2;
    {
      rozgrywka r(stan, &g.okna, false);
      r.ustaw_oddawanie_procesora(false);
      int tura = 0;
      while (tura < 200 && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
        ai = (short)stan.aktywny_gracz;
        sila_komputera = short(ai == silny ? SILA_SILNA : SILA_KLASYCZNA);
        tura_komputera(r, stan, mapa_nr, ++tura);
        if (HasFailure()) break;
      }
      if (r.zwyciezca() == silny) ++wygrane;
      std::printf("map %d: strong side %d, %d turns, winner %d\n", mapa_nr, silny, tura,
                  r.zwyciezca());
    }
    stan.zwolnij();
    if (HasFailure()) break;
  }
  ustaw_zegar_losowania(nullptr);
  sila_komputera = SILA_KLASYCZNA;
  ai = 2;
  godzina = 0.0f;
  EXPECT_GE(wygrane, 3);
}

// A player who clicks at random, as a restless human might: selects its units, orders them
// to fields near where they stand, scrolls the view, wanders through the shops and ends its
// turn after a few dozen frames. Its choices come from its own generator, because the main
// loop reseeds rand from the clock every frame.
class gracz_losowy {
 public:
  gracz_losowy(rozgrywka& r, stan_gry& s, int strona, unsigned ziarno, int mapa_nr)
      : r(r), s(s), strona(strona), los(ziarno), mapa_nr(mapa_nr) {}

  // One turn of random input ended by the end-turn button, every frame checked.
  void tura(int nr_tury) {
    tura_nr = nr_tury;
    kroki.clear();
    // The turn that ended brought the side's first unit into view.
    widok_zmieniony = true;
    const long budzet = los_z(30, 70);
    long w_turze = 0;
    while (w_turze < budzet || !kroki.empty()) {
      if (kroki.empty()) wybierz_akcje();
      klatka();
      ++w_turze;
      if (::testing::Test::HasFatalFailure() || koniec_gry()) return;
      ASSERT_EQ(s.aktywny_gracz, strona) << miejsce() << ": the turn ended without the button";
    }
    // A message still open holds every button until it is acknowledged.
    if (s.wejscie->zwroc_okno() != 0) klik_punktu(320 + 130, 216 + 125);
    // The end-turn button, pressed and released; the release ends the turn.
    klik_przycisku(rozgrywka::p_koniec_tury);
    while (!kroki.empty()) {
      klatka();
      if (::testing::Test::HasFatalFailure() || koniec_gry()) return;
    }
    ASSERT_NE(s.aktywny_gracz, strona) << miejsce() << ": the end-turn button did not end it";
    // Nothing held while the computer plays.
    mouse_x = 512;
    mouse_y = 300;
    mouse_b = 0;
  }

  long klatki = 0;
  int ruchy = 0, zakupy = 0, walki = 0;

 private:
  struct krok {
    int x, y, b;
  };

  // The window of the map where a pointer neither scrolls the view nor lies on the panel.
  static const int PIERWSZA_KOLUMNA = 3, OSTATNIA_KOLUMNA = 22;
  static const int PIERWSZY_WIERSZ = 3, OSTATNI_WIERSZ = 18;

  int los_z(int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los); }
  bool koniec_gry() const { return r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry; }
  std::string miejsce() const { return gdzie(mapa_nr, tura_nr, klatki); }

  // The screen point at the centre of a field, for the view the next frame draws; false
  // when the field lies outside the calm window of the map.
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

  // Press, then release in the next frame, inside a screen rectangle's top-left corner.
  void klik_punktu(int x, int y) {
    kroki.push_back({x + 50, y + 10, 1});
    kroki.push_back({x + 50, y + 10, 0});
  }
  void klik_przycisku(int nr) {
    przycisk* p = r.pobierz_przycisk(nr);
    klik_punktu(p->pobierz_x(), p->pobierz_y());
  }

  std::vector<jednostka*> wlasne_zywe() const { return zywe_strony(s.armia_glowna, strona); }

  void wybierz_akcje() {
    // After the view moved, one still frame lets the game draw it before anything is aimed.
    if (widok_zmieniony) {
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

  // A left click on one of the side's units in view, most often one that can still move.
  void wybierz_jednostke() {
    std::vector<jednostka*> widoczne, z_punktami;
    int px, py;
    for (jednostka* j : wlasne_zywe()) {
      if (!punkt_pola(j->pobierz_x(), j->pobierz_y(), px, py)) continue;
      widoczne.push_back(j);
      if (j->pobierz_punkty_ruchu() > 0) z_punktami.push_back(j);
    }
    std::vector<jednostka*>& z = !z_punktami.empty() && los_z(0, 3) != 0 ? z_punktami : widoczne;
    if (z.empty()) {
      przewin();
      return;
    }
    jednostka* j = z[los_z(0, int(z.size()) - 1)];
    klik_pola(j->pobierz_x(), j->pobierz_y(), 1);
  }

  // A right click on a field a few steps from the selected unit, leaning toward the enemy's
  // castle, or on an enemy close by: a move, a fight, or an order the game refuses.
  void wydaj_rozkaz() {
    jednostka* a = s.armia_glowna->zwroc_aktywna();
    if (!a || a->pobierz_gracz() != strona || a->pobierz_punkty_ruchu() < 1) {
      wybierz_jednostke();
      return;
    }
    const int ax = a->pobierz_x(), ay = a->pobierz_y();
    int px, py;
    if (los_z(0, 1) == 0) {
      std::vector<jednostka*> bliscy;
      for (jednostka* j : zywe_strony(s.armia_glowna, 3 - strona)) {
        if (std::abs(j->pobierz_x() - ax) <= 4 && std::abs(j->pobierz_y() - ay) <= 4 &&
            punkt_pola(j->pobierz_x(), j->pobierz_y(), px, py))
          bliscy.push_back(j);
      }
      if (!bliscy.empty()) {
        jednostka* j = bliscy[los_z(0, int(bliscy.size()) - 1)];
        klik_pola(j->pobierz_x(), j->pobierz_y(), 2);
        return;
      }
    }
    jednostka* zamek = s.armia_glowna->zwroc_jednostke(strona == 1 ? pole_zamek_gracz_2
                                                                   : pole_zamek_gracz_1);
    const int kx = zamek ? (zamek->pobierz_x() > ax) - (zamek->pobierz_x() < ax) : 0;
    const int ky = zamek ? (zamek->pobierz_y() > ay) - (zamek->pobierz_y() < ay) : 0;
    for (int proba = 0; proba < 8; ++proba) {
      const int fx = ax + los_z(-3, 3) + kx * los_z(0, 2);
      const int fy = ay + los_z(-3, 3) + ky * los_z(0, 2);
      if (!punkt_pola(fx, fy, px, py)) continue;
      klik_pola(fx, fy, 2);
      return;
    }
  }

  void przycisk_panelu() {
    static const int JEDNOSTKA[] = {rozgrywka::p_kup, rozgrywka::p_kup, rozgrywka::p_ulecz,
                                    rozgrywka::p_napraw, rozgrywka::p_trenuj};
    static const int PUNKTY[] = {rozgrywka::p_atak, rozgrywka::p_obrona, rozgrywka::p_zwinnosc};
    static const int WYBOR[] = {rozgrywka::p_kup_jednostke, rozgrywka::p_kup_technologie,
                                rozgrywka::p_powrot};
    static const int SKLEP[] = {rozgrywka::p_nastepna, rozgrywka::p_poprzednia, rozgrywka::p_kup,
                                rozgrywka::p_kup, rozgrywka::p_powrot};
    static const int TECHNOLOGIE[] = {rozgrywka::p_technologia1, rozgrywka::p_technologia2,
                                      rozgrywka::p_technologia3, rozgrywka::p_technologia4,
                                      rozgrywka::p_powrot};
    auto jeden_z = [this](const int* t, int n) { klik_przycisku(t[los_z(0, n - 1)]); };
    // The options button is never pressed: its menu saves into the shared save slots.
    switch (r.pobierz_tryb_panelu()) {
      case rozgrywka::panel_jednostki: {
        jednostka* a = s.armia_glowna->zwroc_aktywna();
        if (a && a->pobierz_gracz() == strona && a->pobierz_do_rozdysponowania() >= 1)
          jeden_z(PUNKTY, 3);
        else
          jeden_z(JEDNOSTKA, 5);
        break;
      }
      case rozgrywka::panel_wybor_sklepu: jeden_z(WYBOR, 3); break;
      case rozgrywka::panel_sklep: jeden_z(SKLEP, 5); break;
      case rozgrywka::panel_technologie: jeden_z(TECHNOLOGIE, 5); break;
      default: ADD_FAILURE() << miejsce() << ": panel mode " << r.pobierz_tryb_panelu();
    }
  }

  // Holds the pointer at the edges toward one of the side's units for a while.
  void przewin() {
    std::vector<jednostka*> wlasne = wlasne_zywe();
    if (wlasne.empty()) return;
    jednostka* j = wlasne[los_z(0, int(wlasne.size()) - 1)];
    punkt start = s.teren->start_ekranu();
    const int c = j->pobierz_x() - int(start.rx()), w = j->pobierz_y() - int(start.ry());
    int x = 512, y = 300;
    if (c < PIERWSZA_KOLUMNA) x = 40;
    if (c > OSTATNIA_KOLUMNA) x = 980;
    if (w < PIERWSZY_WIERSZ) y = 40;
    if (w > OSTATNI_WIERSZ) y = 767;
    if (x == 512 && y == 300) {  // already in view: a random edge instead
      const int k = los_z(0, 3);
      if (k == 0) x = 40;
      if (k == 1) x = 980;
      if (k == 2) y = 40;
      if (k == 3) y = 767;
    }
    for (int i = los_z(5, 25); i > 0; --i) kroki.push_back({x, y, 0});
  }

  // One frame with the next scripted input, checked afterwards; also counts what the
  // player's input achieved.
  void klatka() {
    const krok k = kroki.front();
    kroki.pop_front();
    mouse_x = k.x;
    mouse_y = k.y;
    mouse_b = k.b;
    const punkt srodek = s.teren->pobierz_srodek();
    jednostka* a = s.armia_glowna->zwroc_aktywna();
    const int ax = a ? a->pobierz_x() : -1, ay = a ? a->pobierz_y() : -1;
    const int wezly = s.armia_glowna->liczba_wezlow();
    const long zycie_wroga = zycie_strony(3 - strona);
    r.klatka();
    ++klatki;
    sprawdz_spojnosc(s, miejsce());
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_FALSE(r.czy_menu_w_grze()) << miejsce() << ": the in-game menu opened";
    ASSERT_NE(r.pobierz_tryb_panelu(), rozgrywka::panel_wyjscie) << miejsce();
    const punkt po = s.teren->pobierz_srodek();
    widok_zmieniony = po.rx() != srodek.rx() || po.ry() != srodek.ry();
    if (a && a->pobierz_gracz() == strona && (a->pobierz_x() != ax || a->pobierz_y() != ay))
      ++ruchy;
    if (s.armia_glowna->liczba_wezlow() > wezly) ++zakupy;
    if (zycie_strony(3 - strona) < zycie_wroga) ++walki;
  }

  long zycie_strony(int g) const {
    long suma = 0;
    for (jednostka* j : zywe_strony(s.armia_glowna, g)) suma += j->pobierz_punkty_zycia();
    return suma;
  }

  rozgrywka& r;
  stan_gry& s;
  const int strona;
  std::mt19937 los;
  const int mapa_nr;
  int tura_nr = 0;
  bool widok_zmieniony = true;
  std::deque<krok> kroki;
};

TEST(DlugaGra, ComputerAgainstARandomClickerOnEveryMapKeepsTheGameWhole) {
  przygotuj_allegro();
  dev_mode = false;
  for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
  const int TURY = 60;
  int zakupy = 0;
  for (int mapa_nr = 1; mapa_nr <= 4; ++mapa_nr) {
    const auto poczatek = std::chrono::steady_clock::now();
    gra_na_mapie g;
    char blad[256];
    ASSERT_TRUE(g.wczytaj(mapa_nr, blad)) << blad;
    stan_gry& stan = g.stan;
    // The computer takes the second side on the first two maps and the first on the others.
    ai = short(mapa_nr <= 2 ? 2 : 1);
    const int czlowiek = 3 - ai;
    mouse_x = 512;
    mouse_y = 300;
    mouse_b = 0;
    {
      rozgrywka r(stan, &g.okna, false);
      r.ustaw_oddawanie_procesora(false);
      gracz_losowy losowy(r, stan, czlowiek, 7919u * unsigned(mapa_nr), mapa_nr);
      int tura = 0;
      long klatki_komputera = 0;
      while (tura < TURY && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry) {
        ++tura;
        if (stan.aktywny_gracz == ai)
          klatki_komputera += tura_komputera(r, stan, mapa_nr, tura);
        else
          losowy.tura(tura);
        if (HasFailure()) return;
      }
      if (r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry) {
        EXPECT_NE(r.zwyciezca(), 0);
      }
      // The clicks reached the game: units walked on every map.
      EXPECT_GT(losowy.ruchy, 0) << "map " << mapa_nr;
      zakupy += losowy.zakupy;
      const double sekundy =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
      std::printf(
          "map %d (computer %d): %d turns, %ld frames (%ld computer), %d units, %d moves, "
          "%d purchases, %d fights by the clicker, winner %d, %.1f s\n",
          mapa_nr, ai, tura, klatki_komputera + losowy.klatki, klatki_komputera,
          stan.armia_glowna->liczba_wezlow(), losowy.ruchy, losowy.zakupy, losowy.walki,
          r.zwyciezca(), sekundy);
    }
    stan.zwolnij();
  }
  // ... and the shop sold to the clicker somewhere.
  EXPECT_GT(zakupy, 0);
  mouse_x = mouse_y = mouse_b = 0;
  ai = 2;
  godzina = 0.0f;
}

}  // namespace
