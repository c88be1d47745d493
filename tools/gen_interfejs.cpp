// Writes the interface pictures (screen frame, menu background, buttons, panels, pointer,
// food and gold) and the game's font, all drawn here from code.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "czcionka_wzory.h"
#include "grafika_rysunek.h"
#include "obraz.h"

namespace {

const std::string BITMAPY = "/Pliki_danych/Bitmapy/";

// Wood or stone grain: a colour darkened and lightened by layered noise.
kolor_rgba ziarno(kolor_rgba k, int x, int y, unsigned z, float sila) {
  float n = szum_warstwowy(x * 0.7f, y * 2.5f, 40, z, 3);
  return rozjasnij(k, 1.0f + sila * (n - 0.5f) * 2.0f);
}

void faktura(obraz& o, int x0, int y0, int sz, int wy, kolor_rgba k, unsigned z, float sila) {
  for (int y = y0; y < y0 + wy; ++y)
    for (int x = x0; x < x0 + sz; ++x) o.ustaw(x, y, ziarno(k, x, y, z, sila));
}

// A raised (or, with wypukla false, sunken) bevel of the given width around a rectangle.
void faza(obraz& o, int x0, int y0, int sz, int wy, int grubosc, bool wypukla) {
  for (int i = 0; i < grubosc; ++i) {
    float jasne = wypukla ? 1.35f : 0.6f, ciemne = wypukla ? 0.6f : 1.35f;
    for (int x = x0 + i; x < x0 + sz - i; ++x) {
      o.ustaw(x, y0 + i, rozjasnij(o.piksel(x, y0 + i), jasne));
      o.ustaw(x, y0 + wy - 1 - i, rozjasnij(o.piksel(x, y0 + wy - 1 - i), ciemne));
    }
    for (int y = y0 + i; y < y0 + wy - i; ++y) {
      o.ustaw(x0 + i, y, rozjasnij(o.piksel(x0 + i, y), jasne));
      o.ustaw(x0 + sz - 1 - i, y, rozjasnij(o.piksel(x0 + sz - 1 - i, y), ciemne));
    }
  }
}

void ramka(obraz& o, int x0, int y0, int sz, int wy, kolor_rgba k) {
  for (int x = x0; x < x0 + sz; ++x) {
    o.ustaw(x, y0, k);
    o.ustaw(x, y0 + wy - 1, k);
  }
  for (int y = y0; y < y0 + wy; ++y) {
    o.ustaw(x0, y, k);
    o.ustaw(x0 + sz - 1, y, k);
  }
}

// Parchment: warm light paper with blotches, darker towards its edges.
void pergamin(obraz& o, int x0, int y0, int sz, int wy, unsigned z) {
  for (int y = y0; y < y0 + wy; ++y)
    for (int x = x0; x < x0 + sz; ++x) {
      float n = szum_warstwowy(x * 1.3f, y * 1.3f, 40, z, 4);
      float dx = std::fmin(x - x0, x0 + sz - 1 - x) / 14.0f, dy = std::fmin(y - y0, y0 + wy - 1 - y) / 14.0f;
      float brzeg = std::fmin(1.0f, std::fmin(dx, dy));
      kolor_rgba k = pomiesz(rgba(150, 112, 62), rgba(236, 220, 178), 0.55f + 0.45f * brzeg);
      o.ustaw(x, y, rozjasnij(k, 0.92f + 0.16f * n));
    }
}

// Text drawn with the font patterns, scaled, with a dark shadow; for titles.
int szerokosc_napisu(const char* t, int skala) {
  int w = 0;
  for (const char* c = t; *c; ++c) w += (int(std::strlen(WZORY_ZNAKOW[*c - 32][0])) + 1) * skala;
  return w;
}

void napis(obraz& o, const char* t, int x, int y, int skala, kolor_rgba k, kolor_rgba cien) {
  for (int przebieg = 0; przebieg < 2; ++przebieg) {
    int px = x + (przebieg == 0 ? skala / 2 + 1 : 0), py = y + (przebieg == 0 ? skala / 2 + 1 : 0);
    for (const char* c = t; *c; ++c) {
      const char* const* w = WZORY_ZNAKOW[*c - 32];
      int sz = int(std::strlen(w[0]));
      for (int r = 0; r < 9 && w[r]; ++r)
        for (int s = 0; s < sz; ++s)
          if (w[r][s] == '#')
            for (int a = 0; a < skala; ++a)
              for (int b = 0; b < skala; ++b) {
                float blask = 1.25f - 0.5f * float(r * skala + a) / (7.0f * skala);
                o.ustaw(px + s * skala + b, py + r * skala + a,
                        przebieg == 0 ? cien : rozjasnij(k, blask));
              }
      px += (sz + 1) * skala;
    }
  }
}

obraz interfejs() {
  obraz o(1024, 768, ROZOWY);
  const int gora = 583;
  faktura(o, 0, gora, 1024, 768 - gora, rgba(92, 60, 34), 11, 0.35f);
  faza(o, 0, gora, 1024, 768 - gora, 4, true);
  // A gilded rail between the battlefield and the panel.
  for (int x = 0; x < 1024; ++x)
    for (int y = gora; y < gora + 3; ++y) o.ustaw(x, y, rgba(214, 170, 70 - 15 * (y - gora)));
  // Minimap well, portrait and text parchment, emblem niche, status band.
  faktura(o, 31, 614, 136, 136, rgba(40, 28, 18), 12, 0.2f);
  faza(o, 31, 614, 136, 136, 3, false);
  ramka(o, 38, 621, 122, 122, rgba(214, 170, 70));
  pergamin(o, 184, 598, 560, 138, 13);
  faza(o, 184, 598, 560, 138, 2, false);
  faktura(o, 762, 612, 96, 118, rgba(60, 40, 24), 14, 0.25f);
  faza(o, 762, 612, 96, 118, 3, false);
  faktura(o, 180, 739, 840, 26, rgba(48, 32, 20), 15, 0.2f);
  faza(o, 180, 739, 840, 26, 2, false);
  // Right wing: a carved shield rack with two crossed bars.
  faktura(o, 874, 600, 132, 128, rgba(110, 74, 42), 16, 0.3f);
  faza(o, 874, 600, 132, 128, 3, true);
  pas(o, 884, 612, 996, 716, 6, rgba(170, 140, 90));
  pas(o, 996, 612, 884, 716, 6, rgba(170, 140, 90));
  elipsa(o, 940, 664, 18, 18, rgba(190, 150, 60));
  // Studs along the top rail.
  for (int x = 12; x < 1024; x += 48) elipsa(o, float(x), gora + 8, 2.5f, 2.5f, rgba(200, 170, 90));
  // A thin frame round the battlefield.
  for (int i = 0; i < 3; ++i)
    for (int x = 0; x < 1024; ++x) o.ustaw(x, i, rgba(70 + 40 * i, 48 + 25 * i, 26));
  for (int i = 0; i < 3; ++i)
    for (int y = 0; y < gora; ++y) {
      o.ustaw(i, y, rgba(70 + 40 * i, 48 + 25 * i, 26));
      o.ustaw(1023 - i, y, rgba(70 + 40 * i, 48 + 25 * i, 26));
    }
  return o;
}

obraz tlo_menu() {
  obraz o(1024, 768, rgba(0, 0, 0));
  losowe los(21);
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1024; ++x) {
      float t = y / 520.0f;
      kolor_rgba niebo = pomiesz(rgba(28, 38, 84), rgba(232, 150, 92), std::fmin(1.0f, t * t));
      o.ustaw(x, y, niebo);
    }
  for (int i = 0; i < 160; ++i) {
    int x = los.zakres(0, 1023), y = los.zakres(0, 260);
    o.ustaw(x, y, rgba(255, 250, 220));
  }
  elipsa(o, 820, 150, 46, 46, rgba(255, 238, 190), 0.1f);
  // Three ranges of hills, each nearer one darker and greener.
  const kolor_rgba barwy[3] = {rgba(96, 92, 130), rgba(60, 90, 70), rgba(34, 62, 36)};
  for (int warstwa = 0; warstwa < 3; ++warstwa) {
    for (int x = 0; x < 1024; ++x) {
      float h = 430 + warstwa * 70 + 50 * std::sin(x * (0.006f + 0.003f * warstwa) + warstwa * 2.0f) +
                22 * szum_warstwowy(x * 0.5f, warstwa * 10.0f, 40, 30 + warstwa, 3);
      for (int y = int(h); y < 768; ++y)
        o.ustaw(x, y, rozjasnij(barwy[warstwa], 0.9f + 0.2f * szum_warstwowy(x, y, 40, 40 + warstwa, 2)));
    }
  }
  // A castle on the middle hill, dark against the evening sky.
  const kolor_rgba mur = rgba(36, 30, 40);
  blok(o, 150, 360, 260, 120, mur, 0.2f);
  for (int w = 0; w < 4; ++w) {
    float x = 150 + w * 80;
    blok(o, x - 14, 300 - (w % 2) * 40, 44, 200, mur, 0.2f);
    float dach[6] = {x - 20, 302.0f - (w % 2) * 40, x + 8, 250.0f - (w % 2) * 40, x + 36, 302.0f - (w % 2) * 40};
    wielokat(o, dach, 3, rgba(60, 30, 40), 0.2f);
    for (int z = 0; z < 3; ++z) blok(o, x - 14 + z * 16, 292 - (w % 2) * 40, 10, 8, mur, 0.1f);
  }
  for (int okno = 0; okno < 7; ++okno) blok(o, 170 + okno * 34, 400, 6, 10, rgba(255, 200, 90), 0.0f);
  // The title.
  const char* tytul = "Twierdze";
  int skala = 9;
  napis(o, tytul, 512 - szerokosc_napisu(tytul, skala) / 2 - 150, 60, skala, rgba(240, 196, 80), rgba(40, 20, 10));
  return o;
}

obraz przyciski() {
  obraz o(108, 66, ROZOWY);
  const kolor_rgba barwy[3] = {rgba(52, 70, 120), rgba(78, 100, 160), rgba(36, 48, 86)};
  for (int s = 0; s < 3; ++s) {
    int y0 = 22 * s;
    faktura(o, 0, y0, 108, 22, barwy[s], 50 + s, 0.12f);
    faza(o, 0, y0, 108, 22, 2, s != 2);
    ramka(o, 0, y0, 108, 22, rgba(200, 164, 80));
    // Rounded corners: the masked blit leaves the very corners out.
    for (int c = 0; c < 4; ++c) o.ustaw((c & 1) ? 107 : 0, y0 + ((c & 2) ? 21 : 0), ROZOWY);
  }
  return o;
}

obraz panel(int sz, int wy, kolor_rgba k, unsigned z, bool zloty_brzeg) {
  obraz o(sz, wy, k);
  faktura(o, 0, 0, sz, wy, k, z, 0.25f);
  faza(o, 0, 0, sz, wy, 3, true);
  if (zloty_brzeg) {
    ramka(o, 5, 5, sz - 10, wy - 10, rgba(200, 160, 70));
    ramka(o, 7, 7, sz - 14, wy - 14, rgba(120, 90, 40));
  }
  return o;
}

obraz menu_w_grze() {
  obraz o = panel(200, 330, rgba(70, 46, 28), 60, true);
  // A title ornament: a little crest above the buttons.
  const float tarcza[10] = {80, 22, 120, 22, 120, 48, 100, 66, 80, 48};
  wielokat(o, tarcza, 5, rgba(190, 150, 60));
  elipsa(o, 100, 40, 6, 6, rgba(120, 40, 30));
  pas(o, 20, 72, 180, 72, 2, rgba(200, 160, 70));
  return o;
}

obraz kursor() {
  obraz o(20, 24, ROZOWY);
  const float ostrze[8] = {0, 0, 14, 10, 8, 12, 3, 17};
  wielokat(o, ostrze, 4, rgba(226, 230, 240), 0.35f);
  pas(o, 7, 13, 15, 22, 3, rgba(150, 96, 40));
  pas(o, 4, 15, 11, 9, 2, rgba(210, 170, 60));
  obrysuj(o, rgba(20, 20, 30));
  return o;
}

// Soft-edged sprites with real alpha: the ham and the coins of the found-treasure windows.
obraz szynka() {
  obraz o(64, 48, rgba(0, 0, 0, 0));
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      float dx = (x - 28) / 22.0f, dy = (y - 26) / 16.0f;
      float r = std::sqrt(dx * dx + dy * dy);
      if (r < 1.08f) {
        float a = std::fmin(1.0f, (1.08f - r) * 8);
        kolor_rgba k = pomiesz(rgba(200, 96, 60), rgba(120, 44, 26), std::fmin(1.0f, r));
        k = rozjasnij(k, 1.2f - 0.4f * (dx + dy + 1) / 2);
        if (r < 0.35f && dx < 0) k = pomiesz(k, rgba(240, 200, 170), 0.5f);
        o.ustaw(x, y, rgba(k.r, k.g, k.b, int(255 * a)));
      }
    }
  // The bone.
  for (int y = 20; y < 30; ++y)
    for (int x = 46; x < 62; ++x) {
      float a = (y == 20 || y == 29) ? 0.5f : 1.0f;
      o.ustaw(x, y, rgba(240, 234, 214, int(255 * a)));
    }
  for (int k = 0; k < 2; ++k) elipsa(o, 61, 21.0f + 7 * k, 3, 3, rgba(246, 240, 222), 0.2f);
  return o;
}

obraz monety() {
  obraz o(64, 48, rgba(0, 0, 0, 0));
  const int srodki[7][2] = {{18, 34}, {32, 36}, {46, 34}, {25, 26}, {39, 26}, {32, 18}, {52, 40}};
  for (const auto& s : srodki)
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) {
        float dx = (x - s[0]) / 9.0f, dy = (y - s[1]) / 6.0f;
        float r = std::sqrt(dx * dx + dy * dy);
        if (r >= 1.05f) continue;
        float a = std::fmin(1.0f, (1.05f - r) * 10);
        kolor_rgba k = r > 0.8f ? rgba(170, 120, 20) : rozjasnij(rgba(240, 196, 60), 1.25f - 0.5f * (dx + dy + 1) / 2);
        o.ustaw(x, y, rgba(k.r, k.g, k.b, int(255 * a)));
      }
  return o;
}

// The font sheet: one box per character, each surrounded by grid lines (index 255), paper
// index 0 and ink index 1, read left to right and top to bottom from the space to the last
// character of the font.
bool zapisz_czcionke(const std::string& sciezka) {
  const int na_wiersz = 16, liczba = OSTATNI_ZNAK - PIERWSZY_ZNAK + 1;
  const int wiersze = (liczba + na_wiersz - 1) / na_wiersz;
  std::vector<std::vector<std::string>> wzory;
  for (int i = 0; i < liczba; ++i) wzory.push_back(wzor_znaku(PIERWSZY_ZNAK + i));
  auto szerokosc = [&](int i) { return int(wzory[std::size_t(i)][0].size()) + 1; };  // + spacing
  int szer = 1;
  for (int w = 0; w < wiersze; ++w) {
    int s = 1;
    for (int i = w * na_wiersz; i < std::min(liczba, (w + 1) * na_wiersz); ++i)
      s += szerokosc(i) + 1;
    szer = std::max(szer, s);
  }
  obraz_8bit p(szer, 1 + wiersze * (WYSOKOSC_ZNAKU + 1));
  for (auto& v : p.indeksy) v = 255;
  for (int w = 0; w < wiersze; ++w) {
    int x = 1, y = 1 + w * (WYSOKOSC_ZNAKU + 1);
    for (int i = w * na_wiersz; i < std::min(liczba, (w + 1) * na_wiersz); ++i) {
      const std::vector<std::string>& wzor = wzory[std::size_t(i)];
      for (int r = 0; r < WYSOKOSC_ZNAKU; ++r)
        for (int s = 0; s < szerokosc(i); ++s) {
          bool tusz = s < szerokosc(i) - 1 && wzor[std::size_t(r)][std::size_t(s)] == '#';
          p.indeksy[std::size_t(y + r) * p.w + x + s] = tusz ? 1 : 0;
        }
      x += szerokosc(i) + 1;
    }
  }
  for (int i = 0; i < 256; ++i) p.paleta[i][0] = p.paleta[i][1] = p.paleta[i][2] = 255;
  p.paleta[0][0] = p.paleta[0][1] = p.paleta[0][2] = 0;
  p.paleta[255][0] = 255;
  p.paleta[255][1] = 255;
  p.paleta[255][2] = 0;
  return p.zapisz_pcx(sciezka);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_interfejs <root>\n");
    return 1;
  }
  const std::string k = std::string(argv[1]) + BITMAPY;
  utworz_katalogi_dla(k + "x");
  bool dobrze = interfejs().zapisz_png(k + "interfejs.png");
  dobrze = tlo_menu().zapisz_png(k + "tlo_menu.png") && dobrze;
  dobrze = przyciski().zapisz_png(k + "button.png") && dobrze;
  dobrze = panel(150, 250, rgba(40, 30, 24), 61, true).zapisz_png(k + "pr.png") && dobrze;
  dobrze = panel(330, 330, rgba(40, 30, 24), 62, true).zapisz_png(k + "pr2.png") && dobrze;
  dobrze = panel(380, 170, rgba(54, 40, 30), 63, true).zapisz_png(k + "pr3.png") && dobrze;
  dobrze = menu_w_grze().zapisz_png(k + "ingamemenu.png") && dobrze;
  dobrze = kursor().zapisz_png(k + "kursor.png") && dobrze;
  dobrze = szynka().zapisz_png(k + "szynka.png", true) && dobrze;
  dobrze = monety().zapisz_png(k + "monety.png", true) && dobrze;
  dobrze = zapisz_czcionke(std::string(argv[1]) + "/Pliki_danych/Fonty/ex01.pcx") && dobrze;
  return dobrze ? 0 : 1;
}
