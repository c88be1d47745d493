// Unit sprites, flags, bars and player signs. Side 1 wears blue, side 2 yellow and gold;
// every sprite is drawn on its own canvas, outlined and pasted into its sheet cell.
#include <array>
#include <cmath>
#include <cstring>

#include "grafika_arkusz.h"
#include "grafika_rysunek.h"

namespace {

struct barwy_strony {
  kolor_rgba glowna, jasna, ciemna;
};

const barwy_strony NIEBIESCY = {{52, 96, 220, 255}, {120, 160, 250, 255}, {26, 46, 130, 255}};
const barwy_strony ZLOCI = {{228, 184, 40, 255}, {255, 230, 120, 255}, {150, 110, 20, 255}};

const kolor_rgba SKORA = {236, 196, 160, 255}, STAL = {180, 188, 200, 255},
                 STAL_CIEMNA = {96, 100, 116, 255}, DREWNO = {128, 84, 44, 255},
                 OBRYS = {24, 20, 28, 255}, CZARNY = {36, 34, 44, 255},
                 BIEL = {240, 240, 236, 255}, KAMIEN = {168, 164, 156, 255};

void glowa(obraz& o, float cx, float cy, float r) {
  elipsa(o, cx, cy, r, r, SKORA, 0.5f);
  o.ustaw((int)(cx - r * 0.4f), (int)cy, OBRYS);
  o.ustaw((int)(cx + r * 0.3f), (int)cy, OBRYS);
}

// Legs, body and arms of a standing figure centred on cx, feet at y = dol.
void postac(obraz& o, float cx, float dol, kolor_rgba tulow, kolor_rgba nogi) {
  blok(o, cx - 4, dol - 11, 3, 11, nogi);
  blok(o, cx + 1, dol - 11, 3, 11, nogi);
  blok(o, cx - 5, dol - 22, 10, 12, tulow);
  blok(o, cx - 5, dol - 12, 10, 2, DREWNO, 0.f);  // belt
}

void rycerz(obraz& o, const barwy_strony& b) {
  pas(o, 19.5f, 4, 19.5f, 35, 2, DREWNO);               // lance
  const float grot[] = {19.5f, 1, 21.5f, 6, 17.5f, 6};
  wielokat(o, grot, 3, STAL);
  postac(o, 11, 35, STAL, STAL_CIEMNA);
  blok(o, 8, 14, 6, 9, b.glowna);                       // tabard
  pas(o, 15, 15, 19, 19, 2.5f, STAL);                   // arm to the lance
  elipsa(o, 11, 8, 4.5f, 5, STAL, 0.6f);                // helmet
  blok(o, 8, 8, 7, 1, OBRYS, 0.f);                      // visor slit
  elipsa(o, 9, 3, 3, 2.5f, b.jasna);                    // plume
  elipsa(o, 5, 20, 3.5f, 5.5f, b.glowna, 0.6f);         // shield
  blok(o, 4.5f, 16, 1, 8, b.jasna, 0.f);
}

void zolnierz(obraz& o, const barwy_strony& b) {
  pas(o, 25, 22, 33, 4, 2, STAL);                       // sword raised
  blok(o, 23, 20, 6, 2, DREWNO, 0.f);                   // hilt guard
  postac(o, 18, 35, b.glowna, STAL_CIEMNA);
  pas(o, 21, 15, 25, 21, 3, b.glowna);                  // sword arm
  glowa(o, 18, 10, 4.5f);
  elipsa(o, 18, 7, 5, 3, STAL, 0.5f);                   // kettle helmet
  blok(o, 12, 8, 12, 1.5f, STAL_CIEMNA, 0.f);
  const float tarcza[] = {5, 14, 15, 14, 15, 24, 10, 31, 5, 24};
  wielokat(o, tarcza, 5, b.glowna, 0.6f);               // heater shield
  blok(o, 9, 15, 2, 14, BIEL, 0.f);
  blok(o, 6, 19, 8, 2, BIEL, 0.f);
}

void ciemny_rycerz(obraz& o, const barwy_strony& b) {
  pas(o, 18, 21, 20, 2, 2, STAL);                       // long sword
  blok(o, 15, 20, 7, 2, b.glowna, 0.f);
  postac(o, 10, 35, CZARNY, CZARNY);
  blok(o, 7, 14, 6, 9, rozjasnij(CZARNY, 1.3f));
  blok(o, 9, 14, 2, 9, b.glowna, 0.f);                  // gold trim
  pas(o, 14, 15, 17, 21, 2.5f, CZARNY);
  elipsa(o, 10, 8, 4.5f, 5, CZARNY, 0.6f);              // closed helm
  blok(o, 7, 8, 7, 1, rgba(230, 60, 30), 0.f);          // glowing eye slit
  const float rogi[] = {5, 5, 6, 1, 8, 4};
  wielokat(o, rogi, 3, b.jasna);
  const float rogi2[] = {12, 4, 14, 1, 15, 5};
  wielokat(o, rogi2, 3, b.jasna);
  elipsa(o, 3.5f, 21, 2.5f, 6, b.ciemna, 0.5f);         // round shield
}

void szata(obraz& o, float cx, float dol, float gora, float szer, kolor_rgba k) {
  const float p[] = {cx - 3, gora, cx + 3, gora, cx + szer / 2, dol, cx - szer / 2, dol};
  wielokat(o, p, 4, k);
}

void mag(obraz& o, const barwy_strony& b) {
  pas(o, 23, 6, 23, 35, 2, DREWNO);                     // staff
  elipsa(o, 23, 4, 3, 3, rgba(150, 230, 255), 0.8f);    // crystal
  szata(o, 12, 35, 13, 16, b.glowna);
  blok(o, 11, 14, 2, 21, b.jasna, 0.f);                 // robe seam
  pas(o, 16, 17, 22, 18, 3, b.glowna);                  // arm
  glowa(o, 12, 11, 3.5f);
  wielokat(o, std::array<float, 6>{12, 14, 9, 20, 15, 20}.data(), 3, BIEL, 0.f);  // beard
  const float kapelusz[] = {14, 1, 19, 9, 5, 9};
  wielokat(o, kapelusz, 3, b.ciemna, 0.5f);
  blok(o, 4, 8, 16, 2, b.glowna, 0.f);
}

void lord(obraz& o, const barwy_strony& b) {
  pas(o, 29, 9, 29, 35, 2, rgba(70, 40, 20));           // dark staff
  elipsa(o, 29, 6, 4, 4, rgba(255, 90, 30), 0.9f);      // fire orb
  elipsa(o, 28, 5, 1.5f, 1.5f, rgba(255, 240, 150), 0.f);
  const float plaszcz[] = {8, 12, 24, 12, 31, 35, 2, 35};
  wielokat(o, plaszcz, 4, b.ciemna);                    // wide cape
  szata(o, 16, 35, 12, 16, b.glowna);
  blok(o, 15, 13, 2, 22, rgba(140, 20, 20), 0.f);
  pas(o, 20, 15, 27, 17, 3, b.glowna);
  glowa(o, 16, 9, 3.5f);
  const float korona[] = {12, 6, 13, 2, 15, 5, 16, 1, 17, 5, 19, 2, 20, 6};
  wielokat(o, korona, 7, b.jasna, 0.3f);                // crown of the arch-mage
}

void hydra(obraz& o, const barwy_strony& b) {
  const kolor_rgba luska = pomiesz(b.glowna, rgba(40, 150, 130), 0.45f);
  elipsa(o, 10, 30, 8.5f, 5.5f, luska, 0.5f);           // coiled body
  elipsa(o, 10, 32, 5, 2.5f, b.jasna, 0.2f);            // belly
  pas(o, 15, 33, 18, 35, 2, luska);                     // tail tip
  // Three necks rise from the body in two bends each, every one ending in a head.
  const float szyje[3][6] = {{6, 27, 3, 18, 4, 9}, {10, 26, 11, 15, 9, 5}, {14, 27, 17, 19, 16, 10}};
  for (const auto& s : szyje) {
    pas(o, s[0], s[1], s[2], s[3], 3.5f, luska);
    pas(o, s[2], s[3], s[4], s[5] + 2, 3, luska);
    elipsa(o, s[4], s[5], 3, 2.4f, luska, 0.6f);       // head
    blok(o, s[4] - 1, s[5] + 1, 3, 1, rozjasnij(luska, 0.6f), 0.f);  // jaw line
    o.ustaw((int)s[4], (int)s[5] - 1, rgba(255, 220, 40));  // eye
  }
  o.ustaw(11, 7, rgba(230, 40, 40));                    // forked tongue of the middle head
  o.ustaw(11, 8, rgba(230, 40, 40));
}

void skrzydlo(obraz& o, float x0, float y0, float x1, float y1, float x2, float y2, kolor_rgba k) {
  const float p[] = {x0, y0, x1, y1, x2, y2};
  wielokat(o, p, 3, k, 0.5f);
}

void archaniol(obraz& o, const barwy_strony& b) {
  skrzydlo(o, 10, 13, 1, 3, 3, 26, BIEL);
  skrzydlo(o, 14, 13, 23, 3, 21, 26, rozjasnij(BIEL, 0.9f));
  for (int i = 0; i < 3; ++i) {  // feather lines
    pas(o, 4.f + i, 8.f + 5 * i, 8, 14.f + 2 * i, 1, rgba(190, 196, 210), 0.f);
    pas(o, 20.f - i, 8.f + 5 * i, 16, 14.f + 2 * i, 1, rgba(170, 176, 190), 0.f);
  }
  szata(o, 12, 35, 13, 13, b.glowna);
  blok(o, 11, 14, 2, 21, b.jasna, 0.f);
  glowa(o, 12, 9, 3.5f);
  elipsa(o, 12, 6, 3.5f, 2, rgba(240, 200, 80), 0.f);   // golden hair
  elipsa(o, 12, 2.5f, 4.5f, 1.3f, rgba(255, 240, 120), 0.f);  // halo
  pas(o, 16, 15, 21, 12, 2, SKORA);                     // raised arm with a sword
  pas(o, 21, 11, 22, 1.5f, 1.5f, rgba(255, 250, 200));
}

void smok(obraz& o, const barwy_strony& b) {
  skrzydlo(o, 12, 15, 1, 1, 3, 24, b.ciemna);           // wings spread wide
  skrzydlo(o, 16, 15, 27, 2, 25, 24, b.ciemna);
  pas(o, 2, 2, 6, 21, 1, b.glowna, 0.f);                // wing bones
  pas(o, 26, 3, 22, 21, 1, b.glowna, 0.f);
  const float ogon[] = {9, 29, 1, 35, 2, 31, 7, 27};
  wielokat(o, ogon, 4, b.glowna);
  elipsa(o, 14, 25, 8, 7.5f, b.glowna, 0.6f);           // body
  elipsa(o, 15, 27, 4.5f, 5, b.jasna, 0.2f);            // belly
  blok(o, 8, 30, 4, 5, b.ciemna);                       // legs
  blok(o, 17, 30, 4, 5, b.ciemna);
  pas(o, 15, 19, 18, 10, 4.5f, b.glowna);               // neck
  elipsa(o, 19, 8, 4.5f, 3.5f, b.glowna, 0.6f);         // head
  blok(o, 21, 7.5f, 5, 3, b.glowna);                    // snout
  o.ustaw(19, 7, rgba(200, 30, 20));
  const float rog[] = {17, 6, 14, 1, 19, 5};
  wielokat(o, rog, 3, BIEL, 0.2f);
  for (int i = 0; i < 4; ++i) o.ustaw(13 - i, 17 + 3 * i, b.ciemna);  // spines along the back
}

void ognisty(obraz& o, const barwy_strony& b) {
  // A living fireball: tongues of flame around a glowing core with a face.
  for (int i = 0; i < 9; ++i) {
    const float k = 6.2831853f * i / 9.f;
    const float dl = 17.f + 2.f * (i % 3);
    const float p[] = {20 + 8 * std::cos(k + 0.35f), 22 + 8 * std::sin(k + 0.35f),
                       20 + dl * std::cos(k) * 0.95f, 21 + dl * std::sin(k) * 0.9f - 2,
                       20 + 8 * std::cos(k - 0.35f), 22 + 8 * std::sin(k - 0.35f)};
    wielokat(o, p, 3, rgba(230, 80, 20), 0.3f);
  }
  elipsa(o, 20, 22, 11, 11, rgba(250, 130, 30), 0.5f);
  elipsa(o, 19, 21, 8, 8, b.glowna, 0.5f);
  elipsa(o, 18, 19, 4, 4, b.jasna, 0.1f);
  blok(o, 15, 20, 3, 2, OBRYS, 0.f);                    // eyes
  blok(o, 22, 20, 3, 2, OBRYS, 0.f);
  blok(o, 17, 25, 6, 1.5f, rgba(140, 30, 10), 0.f);     // grin
}

void trol(obraz& o, const barwy_strony& b) {
  const kolor_rgba cialo = rgba(112, 140, 84);
  pas(o, 27, 30, 31, 5, 4, DREWNO);                     // club
  elipsa(o, 31, 7, 3.5f, 4.5f, DREWNO, 0.5f);
  blok(o, 9, 26, 6, 10, cialo);                         // legs
  blok(o, 19, 26, 6, 10, cialo);
  elipsa(o, 17, 18, 12, 10, cialo, 0.55f);              // hulking body
  blok(o, 8, 22, 18, 6, b.glowna);                      // loincloth
  pas(o, 6, 12, 4, 26, 5, cialo);                       // long arms
  pas(o, 27, 13, 28, 25, 5, cialo);
  elipsa(o, 16, 7, 5, 4.5f, cialo, 0.5f);               // small head
  blok(o, 13, 6, 2, 1.5f, OBRYS, 0.f);
  blok(o, 18, 6, 2, 1.5f, OBRYS, 0.f);
  o.ustaw(14, 10, BIEL);
  o.ustaw(18, 10, BIEL);                                 // tusks
}

void robotnik(obraz& o, const barwy_strony& b) {
  pas(o, 27, 8, 27, 30, 2, DREWNO);                     // pick handle
  const float kilof[] = {20, 8, 27, 5, 35, 9, 27, 7};
  wielokat(o, kilof, 4, STAL);
  postac(o, 17, 35, b.glowna, rgba(110, 80, 50));
  pas(o, 21, 15, 26, 12, 3, b.glowna);                  // arm to the pick
  glowa(o, 17, 10, 4.5f);
  elipsa(o, 17, 6.5f, 5, 2.5f, rgba(190, 150, 70), 0.4f);  // straw hat
  blok(o, 11, 7, 12, 1.5f, rgba(160, 120, 50), 0.f);
  elipsa(o, 7, 31, 4, 3.5f, rgba(150, 140, 130), 0.6f);    // a mined stone
}

void blanki(obraz& o, float x, float y, float szer, kolor_rgba k) {
  for (float i = x; i + 2 <= x + szer; i += 4) blok(o, i, y, 2.5f, 3, k, 0.2f);
}

void choragiew(obraz& o, float x, float y, const barwy_strony& b) {
  pas(o, x, y, x, y + 9, 1, DREWNO, 0.f);
  const float p[] = {x + 1, y, x + 7, y + 2, x + 1, y + 4};
  wielokat(o, p, 3, b.glowna, 0.3f);
}

void wieza(obraz& o, const barwy_strony& b) {
  blok(o, 5, 20, 20, 36, KAMIEN);
  for (int r = 0; r < 6; ++r)  // courses of masonry
    blok(o, 5, 24.f + 6 * r, 20, 1, rozjasnij(KAMIEN, 0.75f), 0.f);
  blok(o, 3, 16, 24, 5, KAMIEN);
  blanki(o, 3, 13, 24, KAMIEN);
  const float dach[] = {15, 3, 26, 14, 4, 14};
  wielokat(o, dach, 3, b.glowna, 0.6f);
  choragiew(o, 15, 0.5f, b);
  blok(o, 13, 28, 4, 6, OBRYS, 0.f);                    // window
  const float drzwi[] = {11, 56, 11, 47, 15, 44, 19, 47, 19, 56};
  wielokat(o, drzwi, 5, DREWNO);
}

void zamek(obraz& o, const barwy_strony& b) {
  blok(o, 6, 32, 27, 32, KAMIEN);                       // curtain wall
  blanki(o, 6, 29, 27, KAMIEN);
  for (int bok = 0; bok < 2; ++bok) {
    const float x = bok ? 27.f : 1.f;
    blok(o, x, 18, 11, 46, rozjasnij(KAMIEN, bok ? 0.9f : 1.05f));
    blanki(o, x, 15, 11, KAMIEN);
    const float dach[] = {x + 5.5f, 5, x + 12, 15, x - 1, 15};
    wielokat(o, dach, 3, b.glowna, 0.6f);
    choragiew(o, x + 5.5f, 0.5f, b);
    blok(o, x + 4, 26, 3, 5, OBRYS, 0.f);
  }
  blok(o, 16, 22, 7, 12, KAMIEN);                       // keep
  const float dach[] = {19.5f, 13, 24, 22, 15, 22};
  wielokat(o, dach, 3, b.ciemna, 0.5f);
  const float brama[] = {14, 64, 14, 50, 19.5f, 45, 25, 50, 25, 64};
  wielokat(o, brama, 5, rgba(60, 40, 24), 0.3f);
  for (int i = 0; i < 3; ++i) blok(o, 15.f + 3.5f * i, 48, 1, 16, STAL_CIEMNA, 0.f);  // portcullis
  blok(o, 8, 40, 23, 3, b.glowna, 0.2f);                // a painted band of the side's colour
}

void dom(obraz& o, float x, float y, float sz, float wy, kolor_rgba dach, bool komin) {
  blok(o, x, y, sz, wy, rgba(220, 200, 160));
  const float p[] = {x - 2, y + 1, x + sz / 2, y - wy * 0.7f, x + sz + 2, y + 1};
  wielokat(o, p, 3, dach, 0.6f);
  blok(o, x + 2, y + wy * 0.35f, 3, 3, rgba(70, 60, 60), 0.f);
  blok(o, x + sz - 6, y + wy - 7, 4, 7, DREWNO, 0.f);
  if (komin) blok(o, x + sz * 0.7f, y - wy * 0.6f, 3, 5, rgba(130, 70, 50));
}

void miasto(obraz& o, const barwy_strony& b) {
  elipsa(o, 43, 62, 40, 22, rgba(110, 150, 70), 0.3f);  // the town's green
  pas(o, 6, 78, 82, 58, 5, rgba(170, 150, 110), 0.1f);  // road
  blok(o, 35, 22, 14, 30, KAMIEN);                      // church tower
  const float iglica[] = {42, 2, 50, 23, 34, 23};
  wielokat(o, iglica, 3, b.glowna, 0.6f);
  choragiew(o, 42, 0.5f, b);
  blok(o, 40, 30, 4, 6, OBRYS, 0.f);
  dom(o, 10, 38, 20, 16, b.ciemna, true);
  dom(o, 56, 36, 22, 17, b.glowna, false);
  dom(o, 6, 60, 18, 14, rgba(170, 60, 40), false);
  dom(o, 30, 52, 22, 16, b.glowna, true);
  dom(o, 60, 62, 20, 15, rgba(170, 60, 40), true);
  dom(o, 36, 72, 16, 12, b.ciemna, false);
}

struct rysunek_jednostki {
  const char* komorka;
  void (*rysuj)(obraz&, const barwy_strony&);
  const barwy_strony* barwy;
};

const rysunek_jednostki JEDNOSTKI[] = {
    {"rycerz", rycerz, &NIEBIESCY},        {"zolnierz", zolnierz, &NIEBIESCY},
    {"mag", mag, &NIEBIESCY},              {"hydra", hydra, &NIEBIESCY},
    {"archaniol", archaniol, &NIEBIESCY},  {"robotnik_1", robotnik, &NIEBIESCY},
    {"zamek_gracz_1", zamek, &NIEBIESCY},  {"wieza_1", wieza, &NIEBIESCY},
    {"miasto_1", miasto, &NIEBIESCY},      {"ciemny_rycerz", ciemny_rycerz, &ZLOCI},
    {"ognisty", ognisty, &ZLOCI},          {"lord", lord, &ZLOCI},
    {"smok", smok, &ZLOCI},                {"trol", trol, &ZLOCI},
    {"robotnik_2", robotnik, &ZLOCI},      {"zamek_gracz_2", zamek, &ZLOCI},
    {"wieza_2", wieza, &ZLOCI},            {"miasto_2", miasto, &ZLOCI},
};

const komorka_arkusza& komorka(const char* nazwa) {
  int ile = 0;
  const komorka_arkusza* k = pobierz_komorki(ile);
  for (int i = 0; i < ile; ++i)
    if (std::strcmp(k[i].nazwa, nazwa) == 0) return k[i];
  return k[0];
}

// Draws into a canvas of the cell's size, keeps a pixel free for the outline, and pastes.
void wklej_w_komorke(obraz& arkusz, const char* nazwa, void (*rysuj)(obraz&, const barwy_strony&),
                     const barwy_strony& b, bool z_obrysem = true) {
  const komorka_arkusza& k = komorka(nazwa);
  obraz o(k.szerokosc, k.wysokosc);
  rysuj(o, b);
  if (z_obrysem) {
    obraz wnetrze(k.szerokosc, k.wysokosc);  // clear the border row so the outline fits
    for (int y = 1; y + 1 < k.wysokosc; ++y)
      for (int x = 1; x + 1 < k.szerokosc; ++x) wnetrze.ustaw(x, y, o.piksel(x, y));
    o = wnetrze;
    obrysuj(o, OBRYS);
  }
  arkusz.wklej(o, k.x, k.y);
}

void flaga(obraz& o, const barwy_strony& b) {
  blok(o, 0, 0, 2, 15, DREWNO, 0.2f);
  const float p[] = {2, 0, 12, 2, 9, 4.5f, 12, 7, 2, 8};
  wielokat(o, p, 5, b.glowna, 0.5f);
  blok(o, 3, 3, 4, 2, b.jasna, 0.f);
}

void pasek_zycia(obraz& o, const barwy_strony&) {
  // Red at the left end, bright green at the right: a short (weak) bar shows only red.
  for (int x = 0; x < 43; ++x)
    for (int y = 0; y < 5; ++y) {
      const kolor_rgba k = pomiesz(rgba(40, 230, 40), rgba(220, 40, 30), 1.f - x / 42.f);
      o.ustaw(x, y, rozjasnij(k, y == 1 ? 1.25f : y == 4 ? 0.7f : 1.f));
    }
}

void pasek_tlo(obraz& o, const barwy_strony&) {
  blok(o, 0, 0, 43, 5, rgba(16, 16, 16), 0.f);
  blok(o, 1, 1, 41, 3, rgba(60, 50, 50), 0.f);
}

void znak(obraz& o, const barwy_strony& b) {
  const float w = (float)o.szerokosc(), s = w / 2;
  const float tarcza[] = {2, 3, w - 2, 3, w - 2, 38, s, 70, 2, 38};
  wielokat(o, tarcza, 5, rgba(210, 200, 170), 0.5f);   // rim
  const float pole[] = {5, 6, w - 5, 6, w - 5, 37, s, 66, 5, 37};
  wielokat(o, pole, 5, b.glowna, 0.6f);
  blok(o, s - 2.5f, 9, 5, 52, b.jasna, 0.3f);           // cross
  blok(o, 8, 24, w - 16, 5, b.jasna, 0.3f);
  elipsa(o, s, 26.5f, 7, 7, rgba(230, 230, 220), 0.5f); // boss
  elipsa(o, s, 26.5f, 4, 4, b.ciemna, 0.4f);
}

}  // namespace

void rysuj_jednostki(obraz& a) {
  for (const rysunek_jednostki& j : JEDNOSTKI) wklej_w_komorke(a, j.komorka, j.rysuj, *j.barwy);
}

void rysuj_znaki(obraz& a) {
  wklej_w_komorke(a, "flaga_1", flaga, NIEBIESCY, false);
  wklej_w_komorke(a, "flaga_2", flaga, ZLOCI, false);
  wklej_w_komorke(a, "pasek_zycia", pasek_zycia, NIEBIESCY, false);
  wklej_w_komorke(a, "pasek_tlo", pasek_tlo, NIEBIESCY, false);
  wklej_w_komorke(a, "znak_gracza_1", znak, NIEBIESCY);
  wklej_w_komorke(a, "znak_gracza_2", znak, ZLOCI);
}
