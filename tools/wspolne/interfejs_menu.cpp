#include <cmath>

#include "czcionka_arkusz.h"
#include "grafika_rysunek.h"
#include "interfejs_rysunki.h"

namespace {
const int SZ = 1024, WY = 768;
const int HORYZONT = 470;  // the waterline of the lake

float grzbiet(float x, unsigned ziarno, float skala, float wysokosc) {
  return szum_warstwowy(x * skala, 3.0f, 16, ziarno, 4) * wysokosc;
}

void niebo(obraz& o) {
  for (int j = 0; j < HORYZONT; ++j) {
    const float t = (float)j / HORYZONT;
    kolor_rgba k = pomiesz(rgba(24, 30, 74), rgba(236, 150, 90), std::pow(t, 1.6f));
    for (int i = 0; i < SZ; ++i) {
      const float chmura = szum_warstwowy(i * 0.25f, j * 0.9f, 16, 41, 4);
      const float ile = std::max(0.0f, chmura - 0.55f) * 2.2f * (1.0f - t * 0.5f);
      o.ustaw(i, j, pomiesz(k, rgba(250, 200, 170), std::min(0.8f, ile)));
    }
  }
  // A low setting sun on the left, away from the menu panels.
  for (int j = 0; j < HORYZONT; ++j)
    for (int i = 0; i < 600; ++i) {
      const float d = std::hypot(i - 250.0f, j - 400.0f);
      if (d < 200) o.mieszaj(i, j, rgba(255, 220, 150, (int)(110 * (1 - d / 200))));
      if (d < 34) o.mieszaj(i, j, rgba(255, 240, 200, 230));
    }
}

void gory(obraz& o, unsigned ziarno, int podstawa, float wysokosc, kolor_rgba k, kolor_rgba mgla) {
  for (int i = 0; i < SZ; ++i) {
    const int szczyt = podstawa - (int)grzbiet((float)i, ziarno, 0.5f, wysokosc);
    for (int j = std::max(0, szczyt); j < HORYZONT; ++j) {
      const float t = (float)(j - szczyt) / (HORYZONT - szczyt + 1);
      o.ustaw(i, j, pomiesz(k, mgla, t * 0.6f));
    }
  }
}

void las(obraz& o, int od, int do_, int podstawa, unsigned ziarno) {
  losowe l(ziarno);
  for (int x = od; x < do_; x += l.zakres(5, 9)) {
    const int wys = l.zakres(18, 34);
    const int y = podstawa + l.zakres(-4, 4);
    const float drzewo[6] = {(float)x, (float)(y - wys), (float)(x + wys / 3), (float)y,
                             (float)(x - wys / 3), (float)y};
    wielokat(o, drzewo, 3, rgba(20 + l.zakres(0, 12), 46 + l.zakres(0, 16), 30), 0.6f);
  }
}

void zamek(obraz& o) {
  // A hill and the castle on it, dark against the evening sky.
  for (int i = 60; i < 520; ++i) {
    const float t = (i - 290.0f) / 230.0f;
    const int szczyt = HORYZONT - (int)(120 * (1 - t * t));
    for (int j = szczyt; j < HORYZONT; ++j) o.ustaw(i, j, rgba(34, 44, 30));
  }
  const kolor_rgba mur = rgba(30, 26, 36);
  o.prostokat(220, 300, 140, 60, mur);
  const int wieze[3][3] = {{205, 250, 34}, {275, 220, 40}, {350, 258, 32}};
  for (const auto& w : wieze) {
    o.prostokat(w[0], w[1], w[2], 360 - w[1], mur);
    for (int z = 0; z < w[2]; z += 8) o.prostokat(w[0] + z, w[1] - 6, 5, 6, mur);
    o.prostokat(w[0] + w[2] / 2 - 2, w[1] + 16, 4, 8, rgba(255, 200, 90));
  }
  for (int z = 220; z < 360; z += 10) o.prostokat(z, 294, 6, 6, mur);
  const float wlocznia[6] = {295, 190, 299, 220, 291, 220};
  wielokat(o, wlocznia, 3, mur, 0.0f);
  o.prostokat(282, 334, 16, 26, rgba(255, 190, 80));
}

void jezioro(obraz& o) {
  for (int j = HORYZONT; j < WY; ++j) {
    const int d = j - HORYZONT;
    for (int i = 0; i < SZ; ++i) {
      const int fala = (int)(std::sin(j * 0.7f + i * 0.02f) * (1 + d * 0.03f));
      const int zj = HORYZONT - 1 - d * 2 / 3;
      kolor_rgba k = o.piksel(std::min(SZ - 1, std::max(0, i + fala)), std::max(0, zj));
      k = pomiesz(rozjasnij(k, 0.7f), rgba(20, 40, 70), 0.3f + 0.4f * d / (WY - HORYZONT));
      o.ustaw(i, j, k);
    }
  }
  losowe l(77);
  for (int n = 0; n < 400; ++n) {
    const int y = l.zakres(HORYZONT + 2, WY - 1), x = l.zakres(0, SZ - 30);
    for (int i = 0; i < l.zakres(6, 24); ++i) o.mieszaj(x + i, y, rgba(255, 230, 190, 50));
  }
}

void tytul(obraz& o) {
  const std::string napis = "TWIERDZE";
  const int skala = 9;
  const int x = (SZ - szerokosc_tekstu(napis) * skala) / 2 - 140, y = 40;
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (dx * dx + dy * dy <= 10)
        pisz(o, napis, x + dx, y + dy, skala, rgba(30, 14, 4));
  pisz(o, napis, x + 6, y + 8, skala, rgba(10, 5, 0));
  pisz_wzorem(o, napis, x, y, skala, [y, skala](int px, int py) {
    const float t = (float)(py - y - skala) / (7.0f * skala);
    const float blask = ((px + py) % 23 < 2) ? 1.15f : 1.0f;
    return rozjasnij(pomiesz(rgba(255, 236, 150), rgba(170, 100, 30), t), blask);
  });
}
}  // namespace

obraz rysuj_tlo_menu() {
  obraz o(SZ, WY);
  niebo(o);
  gory(o, 3, 330, 160, rgba(92, 84, 120), rgba(200, 140, 120));
  gory(o, 9, 410, 110, rgba(52, 58, 76), rgba(140, 110, 100));
  zamek(o);
  las(o, 0, SZ, HORYZONT, 13);
  jezioro(o);
  tytul(o);
  return o;
}
