#include "grafika_arkusz.h"

#include <string>

#include "grafika_rysunek.h"

namespace {

const komorka_arkusza KOMORKI[] = {
    {"rycerz", 0, 0, 24, 37},          {"hydra", 28, 0, 20, 37},
    {"archaniol", 53, 0, 24, 37},      {"mag", 84, 0, 28, 37},
    {"ognisty", 120, 0, 40, 40},       {"zolnierz", 160, 0, 37, 37},
    {"trol", 198, 0, 35, 37},          {"miasto_1", 248, 0, 87, 87},
    {"miasto_2", 338, 0, 87, 87},      {"wieza_1", 435, 16, 30, 57},
    {"wieza_2", 473, 16, 30, 57},      {"ciemny_rycerz", 0, 40, 23, 37},
    {"smok", 30, 40, 28, 37},          {"lord", 62, 40, 34, 37},
    {"zamek_gracz_1", 126, 42, 39, 66}, {"zamek_gracz_2", 174, 42, 39, 66},
    {"robotnik_1", 126, 115, 39, 37},  {"robotnik_2", 166, 115, 38, 37},
    {"pasek_zycia", 1, 80, 43, 5},     {"pasek_tlo", 1, 87, 43, 5},
    {"flaga_1", 1, 93, 12, 15},        {"flaga_2", 14, 93, 12, 15},
    {"znak_gracza_1", 1, 110, 51, 73}, {"znak_gracza_2", 53, 110, 61, 73},
    {"las", 0, 184, 320, 40},          {"woda", 0, 224, 320, 40},
    {"lawa", 0, 264, 320, 40},         {"trawa", 0, 304, 280, 40},
    {"piasek", 0, 344, 280, 40},       {"gory", 0, 384, 280, 40},
    {"spalona_ziemia", 0, 424, 320, 40}, {"kamien", 0, 464, 280, 40},
    {"las_brzegi", 40, 504, 240, 40},
};

const kolor_rgba BIALY = {255, 255, 255, 255}, CZERWONY = {255, 0, 0, 255},
                 ZOLTY = {255, 255, 0, 255}, ZIELONY = {0, 255, 0, 255},
                 NIEBIESKI = {0, 0, 255, 255};

// A hexagon filled by a colour function of the distance to its rim (in pixels).
obraz heks(kolor_rgba (*kolor)(float)) {
  obraz o(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      if (!czy_w_heksie(x, y)) continue;
      float d = 99;
      for (int k = 0; k < 4 && d > 0; ++k) {  // nearest rim pixel, searched outwards
        for (int j = -k; j <= k; ++j)
          for (int i = -k; i <= k; ++i) {
            const int px = x + i, py = y + j;
            const bool poza = px < 0 || py < 0 || px > 39 || py > 39 || !czy_w_heksie(px, py);
            if (poza && k < d) d = (float)k;
          }
      }
      o.ustaw(x, y, kolor(d));
    }
  return o;
}

}  // namespace

const komorka_arkusza* pobierz_komorki(int& ile) {
  ile = (int)(sizeof(KOMORKI) / sizeof(KOMORKI[0]));
  return KOMORKI;
}

bool czy_w_heksie(int x, int y) {
  if (x < 0 || y < 0 || x >= 40 || y >= 40) return false;
  // Doubled pixel-centre coordinates keep the edge tests in integers; no centre lies on an
  // edge, so every pixel of the plane belongs to exactly one field.
  const int X = 2 * x + 1, Y = 2 * y + 1;
  return 2 * Y + X > 40 && 2 * Y - X + 40 > 0 && 2 * Y < 120 + X && 2 * Y + X < 200;
}

obraz utworz_mape_myszki() {
  obraz o(40, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 40; ++x) {
      kolor_rgba k;
      if (y < 40 && czy_w_heksie(x, y))
        k = BIALY;
      else if (y < 20)
        k = x < 20 ? CZERWONY : ZOLTY;
      else
        k = x < 20 ? ZIELONY : NIEBIESKI;
      o.ustaw(x, y, k);
    }
  return o;
}

obraz utworz_wskaznik() {
  return heks([](float d) {
    if (d < 1.5f) return rgba(255, 230, 120);
    if (d < 2.5f) return rgba(255, 250, 200);
    return rgba(255, 255, 235);
  });
}

obraz utworz_nieaktywna() {
  return heks([](float d) { return d < 1.5f ? rgba(30, 30, 34) : rgba(60, 60, 66); });
}

obraz utworz_arkusz() {
  obraz a(ARKUSZ_SZEROKOSC, ARKUSZ_WYSOKOSC);
  rysuj_teren(a);
  rysuj_jednostki(a);
  rysuj_znaki(a);
  return a;
}

bool zapisz_grafike(const char* korzen) {
  const std::string k = std::string(korzen) + "/Pliki_danych/Bitmapy/";
  struct plik {
    const char* nazwa;
    obraz o;
  } pliki[] = {{"bitmapy.png", utworz_arkusz()},
               {"mapa_myszki.png", utworz_mape_myszki()},
               {"wskaznik.png", utworz_wskaznik()},
               {"nieaktywna.png", utworz_nieaktywna()}};
  for (const plik& p : pliki) {
    const std::string sciezka = k + p.nazwa;
    if (!utworz_katalogi_dla(sciezka) || !p.o.zapisz_png(sciezka)) return false;
  }
  return true;
}
