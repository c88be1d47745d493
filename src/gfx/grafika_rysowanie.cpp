// Drawing into the back buffer, the animation clock and presenting.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>

#include "formatowanie.h"
#include "grafika.h"
#include "zawijanie.h"

namespace {

enum sposob_rysowania { nic, maskowany, kopia, przezroczysty, maskowany_staly, pasek, alfa };

// How each bitmap kind is drawn: method, translucency, fixed source cell, gating.
struct opis_bitmapy {
  sposob_rysowania sposob;
  int wspolczynnik;
  int zx, zy, szer, wys;
  bool bramkowany;
};

const opis_bitmapy OPISY[17] = {
    {nic, 0, 0, 0, 0, 0, false},              // 0
    {nic, 0, 0, 0, 0, 0, false},              // 1
    {maskowany, 0, 0, 0, 0, 0, true},         // b_interfejs
    {maskowany, 0, 0, 0, 0, 0, false},        // b_button
    {kopia, 0, 0, 0, 0, 0, false},            // b_tlo_menu
    {przezroczysty, 100, 0, 0, 0, 0, false},  // b_pr
    {przezroczysty, 100, 0, 0, 0, 0, false},  // b_pr2
    {przezroczysty, 240, 0, 0, 0, 0, true},   // b_pr3
    {przezroczysty, 255, 0, 0, 0, 0, true},   // b_ingamemenu
    {maskowany_staly, 0, 1, 93, 12, 15, true},     // b_flaga_1
    {maskowany_staly, 0, 14, 93, 12, 15, true},    // b_flaga_2
    {maskowany_staly, 0, 1, 110, 51, 73, false},   // b_znak_gracza_1
    {maskowany_staly, 0, 53, 110, 61, 73, false},  // b_znak_gracza_2
    {pasek, 0, 1, 87, 0, 5, true},            // b_pasek_tlo
    {pasek, 0, 1, 80, 0, 5, true},            // b_pasek_zycia
    {alfa, 0, 0, 0, 0, 0, true},              // b_szynka
    {alfa, 0, 0, 0, 0, 0, true},              // b_monety
};

// Where each field kind comes from: a sheet cell (animated or by variant), its size and the
// offset from the field's pixel position.
enum zrodlo_pola { brak, staly, animowany, wariantowy, las, wskaznik_pola, nieaktywna_pola };
struct opis_pola {
  zrodlo_pola zrodlo;
  int zx, zy, szer, wys, dx, dy;
};

const opis_pola POLA[30] = {
    {brak, 0, 0, 0, 0, 0, 0},                // pole_brak
    {las, 0, 184, 40, 40, 0, 0},             // pole_las (variants at row 504)
    {wskaznik_pola, 0, 0, 40, 40, 0, 0},     // pole_wskaznik
    {wariantowy, 0, 304, 40, 40, 0, 0},      // pole_trawa
    {wariantowy, 0, 384, 40, 40, 0, 0},      // pole_gory
    {animowany, 0, 224, 40, 40, 0, 0},       // pole_woda
    {animowany, 0, 264, 40, 40, 0, 0},       // pole_lawa
    {animowany, 0, 424, 40, 40, 0, 0},       // pole_spalona_ziemia
    {wariantowy, 0, 464, 40, 40, 0, 0},      // pole_kamien
    {wariantowy, 0, 344, 40, 40, 0, 0},      // pole_piasek
    {staly, 120, 0, 40, 40, 0, 0},           // pole_ognisty
    {staly, 160, 0, 37, 37, 0, 0},           // pole_zolnierz
    {staly, 0, 0, 24, 37, 6, 0},             // pole_rycerz
    {staly, 28, 0, 20, 37, 10, 0},           // pole_hydra
    {staly, 53, 0, 24, 37, 6, 0},            // pole_archaniol
    {staly, 84, 0, 28, 37, 10, 0},           // pole_mag
    {staly, 30, 40, 28, 37, 10, 0},          // pole_smok
    {staly, 198, 0, 35, 37, 0, 0},           // pole_trol
    {staly, 0, 40, 23, 37, 6, 0},            // pole_ciemny_rycerz
    {staly, 62, 40, 34, 37, 4, 0},           // pole_lord
    {nieaktywna_pola, 0, 0, 40, 40, 0, 0},   // pole_nieaktywna
    {staly, 126, 42, 39, 66, 0, -30},        // pole_zamek_gracz_1
    {staly, 174, 42, 39, 66, 0, -30},        // pole_zamek_gracz_2
    {brak, 0, 0, 0, 0, 0, 0},                // 23
    {staly, 435, 16, 30, 57, 6, -26},        // pole_wieza_1
    {staly, 473, 16, 30, 57, 6, -26},        // pole_wieza_2
    {staly, 248, 0, 87, 87, -23, -30},       // pole_miasto_1
    {staly, 338, 0, 87, 87, -23, -30},       // pole_miasto_2
    {staly, 126, 115, 39, 37, 0, 0},         // pole_robotnik_1
    {staly, 166, 115, 38, 37, 0, 0},         // pole_robotnik_2
};

}  // namespace

void grafika::zmiana_klatki(bool r) { rysowanie = r ? 1 : 0; }

// True from one clock unit before the animation step is due, or when a redraw was asked for
// (the view moved): the pass draws in full and its picture is presented. Asked at the top of
// each pass, it is where a redraw asked for the next pass becomes due.
bool grafika::czy_pokazac() {
  if (w_nastepnym) wymus = true;
  w_nastepnym = false;
  return wymus || zegar() / okres - czas_klatki / okres > 8;
}

void grafika::wymus_rysowanie() { wymus = true; }

void grafika::rysuj_w_nastepnym() { w_nastepnym = true; }

// The step comes in the first rysuj_pole once the elapsed units exceed 9.
long grafika::pobierz_termin_rysowania() const {
  if (wymus || w_nastepnym) return 0;
  return (czas_klatki / okres + 10) * okres;
}

void grafika::czysc_ekran(int kolor) {
  if (bufor) clear_to_color(bufor, kolor);
}

void grafika::prostokat(int x1, int y1, int x2, int y2, int kolor, bool wypelniony) {
  if (!bufor) return;
  if (wypelniony)
    rectfill(bufor, x1, y1, x2, y2, kolor);
  else
    rect(bufor, x1, y1, x2, y2, kolor);
}

void grafika::rysuj_noc(short godzina) {
  if (!rysowanie || !bufor) return;
  int wspolczynnik = 19 * std::abs(godzina - 12);
  prostokat_przezroczysty(bufor, 0, 0, 1023, 582, makecol(0, 0, 0), wspolczynnik);
}

void grafika::pokaz(bool wymus_teraz) {
  bool kopiuj = zmiana || wymus_teraz || wymus;
  if (!kopiuj) return;
  wymus = false;
  zmiana = false;
  ++liczba_pokazan;
  if (!na_ekranie || !bufor) return;
  // The pointer goes into the buffer only for the copy; what was under it comes back.
  BITMAP* pod_kursorem = nullptr;
  int mx = mouse_x, my = mouse_y;
  if (kursor) {
    pod_kursorem = create_bitmap(kursor->w, kursor->h);
    if (pod_kursorem) blit(bufor, pod_kursorem, mx, my, 0, 0, kursor->w, kursor->h);
    draw_sprite(bufor, kursor, mx, my);
  }
  blit(bufor, screen, 0, 0, 0, 0, 1024, 768);
  if (pod_kursorem) {
    blit(pod_kursorem, bufor, 0, 0, mx, my, kursor->w, kursor->h);
    destroy_bitmap(pod_kursorem);
  }
}

void grafika::rysuj_bitmape(typ_bitmapy typ, int x, int y, int zx, int zy, int szer, int wys) {
  if (typ < 0 || typ > 16 || !bufor) return;
  const opis_bitmapy& o = OPISY[typ];
  if (o.bramkowany && !rysowanie) return;
  BITMAP* const zrodla[17] = {nullptr, nullptr, interfejs, button, tlo_menu, pr, pr2, pr3,
                              ingamemenu, bitmapy, bitmapy, bitmapy, bitmapy, bitmapy, bitmapy,
                              szynka, monety};
  BITMAP* z = zrodla[typ];
  if (!z) return;
  if (typ == b_interfejs && zx == 0 && zy == 0 && szer == z->w && wys == z->h) {
    if (!interfejs_rle) interfejs_rle = get_rle_sprite(z);
    if (interfejs_rle) {
      draw_rle_sprite(bufor, interfejs_rle, x, y);
      return;
    }
  }
  switch (o.sposob) {
    case maskowany: masked_blit(z, bufor, zx, zy, x, y, szer, wys); break;
    case kopia: blit(z, bufor, zx, zy, x, y, szer, wys); break;
    case przezroczysty: blit_przezroczysty(z, bufor, x, y, o.wspolczynnik); break;
    case maskowany_staly: masked_blit(z, bufor, o.zx, o.zy, x, y, o.szer, o.wys); break;
    case pasek:
      if (szer > 0) masked_blit(z, bufor, o.zx, o.zy, x, y, szer, o.wys);
      break;
    case alfa:
      set_alpha_blender();
      draw_trans_sprite(bufor, z, x, y);
      break;
    case nic: break;
  }
}

void grafika::rysuj_pole(nazwa_pola pole, int x, int y, short wariant) {
  int px, py;
  if (x > 100 && y > 100) {
    px = x;
    py = y;
  } else {
    // Rows above the window (y = -1) shift like every odd row, not to the left.
    px = int(40.0 * x + 20.0 * (((y % 2) + 2) % 2) - 11.0);
    py = int(30.0 * y + 2.0);
  }
  if (klatka > 7) klatka = 0;
  if (rysowanie && bufor && pole >= 0 && pole < 30) {
    const opis_pola& o = POLA[pole];
    int w = wariant < 0 ? 0 : wariant;
    switch (o.zrodlo) {
      case staly:
        if (bitmapy) masked_blit(bitmapy, bufor, o.zx, o.zy, px + o.dx, py + o.dy, o.szer, o.wys);
        break;
      case animowany:
        if (bitmapy) masked_blit(bitmapy, bufor, 40 * klatka, o.zy, px, py, 40, 40);
        break;
      case wariantowy:
        if (bitmapy) masked_blit(bitmapy, bufor, 40 * w, o.zy, px, py, 40, 40);
        break;
      case las:
        if (bitmapy) {
          if (w == 0)
            masked_blit(bitmapy, bufor, 40 * klatka, 184, px, py, 40, 40);
          else
            masked_blit(bitmapy, bufor, 40 * w, 504, px, py, 40, 40);
        }
        break;
      case wskaznik_pola: blit_przezroczysty(wskaznik, bufor, px, py, 80); break;
      case nieaktywna_pola: blit_przezroczysty(nieaktywna, bufor, px, py, 155); break;
      case brak: break;
    }
  }
  long teraz = zegar();
  if (teraz / okres - czas_klatki / okres > 9) {
    ++klatka;
    czas_klatki = teraz;
    zmiana = true;
  }
}

void grafika::pisz(const char* tekst, int x, int y, int liczba, int kolor, bool wysrodkuj,
                   int szerokosc) {
  if (!tekst || !bufor) return;
  FONT* f = czcionka ? czcionka : font;
  // The font's boxes keep three rows above the cap line for the accents of capitals: the
  // cap line lands 3 px above y.
  y -= 6;
  if (wysrodkuj) {
    char wynik[512];
    formatuj(wynik, sizeof wynik, tekst, liczba);
    textout_centre_ex(bufor, f, wynik, x, y, kolor, -1);
    return;
  }
  // Whole words move to the next line; only a word wider than the line is broken.
  auto miara = [f](const std::string& t) { return text_length(f, t.c_str()); };
  const std::vector<std::string> linie = zawin_tekst(tekst, szerokosc, miara);
  int pen_x = x, pen_y = y;
  for (std::size_t i = 0; i < linie.size(); ++i) {
    if (i > 0) pen_y += text_height(f);
    textout_ex(bufor, f, linie[i].c_str(), x, pen_y, kolor, -1);
    pen_x = x + text_length(f, linie[i].c_str());
  }
  if (liczba != -1) {
    char liczba_tekst[16];
    std::snprintf(liczba_tekst, sizeof liczba_tekst, "%d", liczba);
    textout_ex(bufor, f, liczba_tekst, pen_x, pen_y, kolor, -1);
  }
}
