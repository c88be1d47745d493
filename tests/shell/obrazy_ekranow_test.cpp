// Whole screens as the player sees them, drawn headless on a stopped clock and compared with
// known pictures by a hash of their pixels. GRA_NOWE_OBRAZY=1 prints the hashes of the
// pictures as drawn now, to paste in after a wanted change; a picture that differs is
// written to a temporary PNG file for a look.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "armia.h"
#include "dzwiek.h"
#include "globalne.h"
#include "grafika.h"
#include "jednostka.h"
#include "katalogi.h"
#include "mapa.h"
#include "menu.h"
#include "plik_gry.h"
#include "przycisk.h"
#include "rozgrywka.h"
#include "srodowisko.h"
#include "zdarzenia.h"

namespace {

const std::pair<const char*, uint64_t> OCZEKIWANE[] = {
    {"dzien_strona_1", 0x8f3890d1711e6f90ull},
    {"noc_strona_2", 0xdcd82db5c1ac6d32ull},
    {"sklep", 0xa63b1bb4d6def802ull},
    {"technologie_1", 0x69946f44e70873b2ull},
    {"technologie_2", 0x5ca282f778d40552ull},
    {"komunikat_jedzenie", 0x92fef647166e6864ull},
    {"komunikat_zloto", 0x4dd3716e3204d4dfull},
    {"pytanie_o_wyjscie", 0xbf3da14e1fae7f5dull},
    {"menu_w_grze", 0x19582ac734959dd9ull},
    {"menu_glowne", 0x718ca11a1bc08295ull},
    {"informacje", 0xbe529b24956734d1ull},
};

uint64_t hash_obrazu(BITMAP* b) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x)  // red, green and blue; the alpha byte is not drawn
      for (int i = 0; i < 3; ++i) h = (h ^ ((getpixel(b, x, y) >> (8 * i)) & 0xFF)) * 0x100000001b3ull;
  return h;
}

void porownaj(const char* nazwa, BITMAP* b) {
  const uint64_t h = hash_obrazu(b);
  if (std::getenv("GRA_NOWE_OBRAZY")) {
    std::printf("    {\"%s\", 0x%016llxull},\n", nazwa, (unsigned long long)h);
    return;
  }
  uint64_t oczekiwany = 0;
  for (const auto& o : OCZEKIWANE)
    if (std::strcmp(o.first, nazwa) == 0) oczekiwany = o.second;
  if (h == oczekiwany) return;
  const std::string plik = katalog_tymczasowy() + "/" + nazwa + ".png";
  BITMAP* bez_alfy = create_bitmap_ex(24, b->w, b->h);  // the buffer's alpha bytes are 0
  blit(b, bez_alfy, 0, 0, 0, 0, b->w, b->h);
  save_bitmap(plik.c_str(), bez_alfy, nullptr);
  destroy_bitmap(bez_alfy);
  ADD_FAILURE() << nazwa << " differs from the known picture; drawn now: " << plik;
}

// The sheets are read once for every scene.
grafika& ekran_testu() {
  static grafika* g = (przygotuj_allegro(), dev_mode = false, new grafika(tryb_grafiki::pamiec));
  g->ustaw_zegar([] { return 0L; });  // the clock stands: no animation step
  return *g;
}

// Map 1's terrain with every kind of unit and building of both sides near its left edge.
// Side 1's wounded worker stands by its damaged castle; side 2's knight on the forest beside
// a dragon has points to spend; finished units (no moves left) show greyed, own buildings
// never do. Side 1 has bought its second and fourth technologies, side 2 its first.
const char* const JEDNOSTKI =
    "Q 1 10 30 30 50 3 10 15 30 0 1 0 50 0 Z 1 9 30 400 600 0 95 90 40 0 1 0 200 0 "
    "M 1 5 26 150 150 0 60 65 30 0 1 0 50 0 K 1 4 34 100 100 0 30 30 20 0 1 0 10 0 "
    "S 1 12 24 200 200 5 50 60 60 0 1 0 40 0 X 1 14 24 180 180 0 40 50 70 0 1 0 20 0 "
    "N 1 16 24 200 200 5 50 60 60 0 1 0 40 0 C 1 12 27 200 200 5 50 60 60 0 1 0 40 0 "
    "V 1 14 27 200 200 5 50 60 60 0 1 0 40 0 B 1 16 27 200 200 5 50 60 60 0 1 0 40 0 "
    "N 2 20 24 200 200 5 50 60 60 2 1 0 40 0 D 2 21 24 200 200 5 50 60 60 0 1 0 40 0 "
    "A 2 20 30 600 600 0 95 90 40 0 1 0 200 0 J 2 21 27 150 150 0 60 65 30 0 1 0 50 0 "
    "L 2 18 32 100 100 0 30 30 20 0 1 0 10 0 W 2 19 29 50 50 0 10 15 30 0 1 0 50 0 "
    "F 2 12 31 200 200 5 50 60 60 0 1 0 40 0 G 2 14 31 200 200 0 50 60 60 0 1 0 40 0 "
    "H 2 16 31 200 200 5 50 60 60 0 1 0 40 0 H 1 18 27 200 200 5 50 60 60 0 1 0 40 0 E";

struct gra_testowa {
  grafika& ekran = ekran_testu();
  zdarzenia wejscie{&ekran};
  menu okna{&ekran};
  stan_gry stan;
  rozgrywka* r = nullptr;

  gra_testowa(int aktywny, float h, int mx, int my) {
    ai = 0;
    mouse_x = mx, mouse_y = my, mouse_b = 0;
    const std::string katalog = katalog_tymczasowy(), plik = katalog + "/gra.sce";
    zapisz_plik(plik, "Pliki_danych/Mapy/map1.map " + std::to_string(aktywny) + " " +
                          std::to_string(h) + " 3000 3000 0 1 0 1 1 0 0 0 " + JEDNOSTKI);
    stan.ekran = &ekran, stan.wejscie = &wejscie;
    char blad[256] = "";
    EXPECT_TRUE(wczytaj_gre(plik.c_str(), stan, blad)) << blad;
    std::system(("rm -r " + katalog).c_str());
    // Side 2's fallen lord stays in the army, but is no more drawn.
    stan.armia_glowna->zwroc_jednostke(pole_lord)->zmien_punkty_zycia(0);
    r = new rozgrywka(stan, &okna, false);
    r->ustaw_oddawanie_procesora(false);
  }
  ~gra_testowa() {
    delete r;
    stan.zwolnij();
    ai = 2;
    godzina = 0.0f;
  }
  // One pass drawn in full.
  BITMAP* klatka() {
    ekran.rysuj_w_nastepnym();
    r->klatka();
    return ekran.pobierz_bufor();
  }
};

// The game screen of each side and the panels and windows over it; each side's technologies.
TEST(ObrazyEkranow, EkranGry) {
  const struct {
    const char* nazwa;
    int aktywny;
    float godzina;
    int mx, my, panel, okno, klatki;
  } sceny[] = {
      // The pointer over the map near a row boundary of the field under it.
      {"dzien_strona_1", 1, 12.0f, 517, 547, rozgrywka::panel_jednostki, 0, 1},
      // Side 2's hour: the night tint, its knight's raised defence and the raise buttons; the
      // pointer at the top edge scrolls the view one step up.
      {"noc_strona_2", 2, 21.0f, 500, 50, rozgrywka::panel_jednostki, 0, 2},
      // The pointer over a unit: its life bar shows.
      {"sklep", 1, 12.0f, 650, 140, rozgrywka::panel_sklep, 0, 1},
      {"technologie_1", 1, 12.0f, 650, 140, rozgrywka::panel_technologie, 0, 1},
      {"technologie_2", 2, 12.0f, 650, 140, rozgrywka::panel_technologie, 0, 1},
      {"komunikat_jedzenie", 1, 12.0f, 650, 140, rozgrywka::panel_jednostki, 1, 1},
      {"komunikat_zloto", 1, 12.0f, 650, 140, rozgrywka::panel_jednostki, 2, 1},
      {"pytanie_o_wyjscie", 1, 12.0f, 650, 140, rozgrywka::panel_wyjscie, 0, 1},
  };
  for (const auto& s : sceny) {
    gra_testowa g(s.aktywny, s.godzina, s.mx, s.my);
    g.r->zmien_tryb_panelu(short(s.panel));
    g.wejscie.wyswietl_okno(short(s.okno));
    for (int i = 1; i < s.klatki; ++i) g.klatka();
    porownaj(s.nazwa, g.klatka());
  }
}

TEST(ObrazyEkranow, MenuWGrzePoKliknieciuOpcji) {
  gra_testowa g(1, 12.0f, 420, 750);
  for (int b : {1, 0}) mouse_b = b, g.r->klatka();  // a click on the options button
  mouse_x = 650, mouse_y = 140;
  porownaj("menu_w_grze", g.klatka());
}

// A map left alone is copied from its kept picture, the gaps between fields and all, instead
// of drawing every field again.
TEST(ObrazyEkranow, NieruchomaMapaKopiowanaZPamieci) {
  grafika& e = ekran_testu();
  mapa m(&e, "Pliki_danych/Mapy/map1.map");
  e.zmiana_klatki(true);
  for (int kolor : {0, makecol(255, 0, 0)}) clear_to_color(e.pobierz_bufor(), kolor), m.pokaz();
  EXPECT_EQ(getpixel(e.pobierz_bufor(), 0, 0) & 0xFFFFFF, 0) << "the top rows lie above the fields";
}

struct cisza : dzwiek {
  int przygotuj() override { return 0; }
  int odtwarzaj() override { return 1; }
  int zatrzymaj() override { return 0; }
};

TEST(ObrazyEkranow, MenuGlowneIStronaInformacji) {
  grafika& ekran = ekran_testu();
  cisza muzyka;
  menu m(&ekran);
  m.ustaw_muzyke(&muzyka);
  ustaw_katalogi("", "", true);
  mouse_x = mouse_y = mouse_b = 0;
  m.otworz_menu();
  m.krok();
  porownaj("menu_glowne", ekran.pobierz_bufor());
  const przycisk* info = m.pobierz_przycisk(menu::p_info);
  ASSERT_NE(info, nullptr);
  mouse_x = info->pobierz_x() + 20, mouse_y = info->pobierz_y() + 10;
  for (int b : {1, 0}) mouse_b = b, m.krok();
  mouse_x = mouse_y = 0;
  m.krok();
  EXPECT_EQ(m.pobierz_ekran(), menu::informacje);
  porownaj("informacje", ekran.pobierz_bufor());
  m.zamknij_menu();
  set_config_file("gm_pl.cfg");
}

}  // namespace
