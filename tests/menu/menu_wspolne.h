#pragma once
// A menu run in a temporary folder that holds copies of the language files and config.cfg,
// drawn into the recording stand-in, with a silent track in place of the menu music.
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "dzwiek.h"
#include "globalne.h"
#include "menu.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "srodowisko.h"

// Counts what the menu asks of its track.
class muzyka_testowa : public dzwiek {
 public:
  int przygotowania = 0, odtworzenia = 0, zatrzymania = 0;
  int przygotuj() override { return ++przygotowania, 0; }
  int odtwarzaj() override { return ++odtworzenia, 1; }
  int zatrzymaj() override { return ++zatrzymania, 0; }
};

class MenuTest : public ::testing::Test {
 protected:
  std::string katalog;
  grafika_nagrywajaca ekran;
  muzyka_testowa muzyka;
  menu m{&ekran};

  void SetUp() override {
    przygotuj_allegro();
    katalog = katalog_tymczasowy();
    for (const char* p : {"gm_pl.cfg", "gm_en.cfg", "gm_sp.cfg", "gm_it.cfg", "gm_fr.cfg",
                          "gm_cz.cfg", "gm_ge.cfg", "config.cfg"})
      zapisz_plik(katalog + "/" + p, wczytaj_plik(std::string(GRA_KATALOG_ZRODEL "/") + p));
    ASSERT_EQ(chdir(katalog.c_str()), 0);
    set_config_file("gm_pl.cfg");
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    key[KEY_ESC] = 0;
    mouse_x = mouse_y = mouse_b = 0;
    m.ustaw_muzyke(&muzyka);
    m.ustaw_czytnik_slotow(opisz_slot);
  }

  void TearDown() override {
    m.zamknij_menu();
    key[KEY_ESC] = 0;
    mouse_b = 0;
    ai = 2;
    sila_komputera = SILA_KLASYCZNA;
    if (chdir(GRA_KATALOG_ZRODEL) != 0) ADD_FAILURE() << "cannot return to the source tree";
    set_config_file("gm_pl.cfg");
    std::system(("rm -rf " + katalog).c_str());
  }

  void jezyk_startowy(const char* slowo) {
    zapisz_plik("config.cfg", std::string("[General]\nlanguage = ") + slowo + "\n");
  }

  // Press and release the left button over a button of the open menu: two passes. Returns
  // the result of the first pass that does not go on (or of the second).
  menu::wynik_kroku kliknij(menu::numer_przycisku n) {
    const przycisk* p = m.pobierz_przycisk(n);
    EXPECT_NE(p, nullptr);
    if (!p) return menu::wyjscie;
    mouse_x = p->pobierz_x() + 20;
    mouse_y = p->pobierz_y() + 10;
    mouse_b = 1;
    menu::wynik_kroku w = m.krok();
    mouse_b = 0;
    if (w != menu::dalej) return w;
    return m.krok();
  }

  std::string napis(menu::numer_przycisku n) {
    const przycisk* p = m.pobierz_przycisk(n);
    return p ? p->pobierz_napis() : "(none)";
  }
};
