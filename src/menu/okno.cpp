// The message window drawn over the game screen: a panel, a wrapped text and up to two
// buttons; a label that starts with a blank means no such button.
#include <allegro.h>

#include "grafika.h"
#include "menu.h"
#include "przycisk.h"

namespace {
bool czy_przycisk(const char* napis) { return napis && napis[0] != ' '; }
}  // namespace

int menu::okno(int x, int y, const char* tekst, const char* napis1, const char* napis2) {
  if (!okno_przycisk1) okno_przycisk1 = new przycisk(ekran, x + 70, y + 125, napis1);
  if (!okno_przycisk2) okno_przycisk2 = new przycisk(ekran, x + 190, y + 125, napis2);
  if (okno_pierwsze_uruchomienie) {
    ekran->zmiana_klatki(true);
    okno_pierwsze_uruchomienie = false;
  }
  okno_przycisk1->napis(napis1);
  okno_przycisk2->napis(napis2);
  bool jest1 = czy_przycisk(napis1), jest2 = czy_przycisk(napis2);
  if (jest1 && jest2) {
    okno_przycisk1->przesun(x + 70, y + 125);
    okno_przycisk2->przesun(x + 190, y + 125);
  } else if (jest1) {
    okno_przycisk1->przesun(x + 130, y + 125);
  } else if (jest2) {
    okno_przycisk2->przesun(x + 130, y + 125);
  }
  ekran->rysuj_bitmape(b_pr3, x, y, 0, 0, 0, 0);
  ekran->pisz(tekst ? tekst : "", x + 80, y + 80, -1, makecol(255, 255, 255), false, 220);
  if (jest1 && okno_przycisk1->zdarzenie() == przycisk::klikniety) {
    okno_pierwsze_uruchomienie = true;
    return 0;
  }
  if (jest2 && okno_przycisk2->zdarzenie() == przycisk::klikniety) {
    okno_pierwsze_uruchomienie = true;
    return 1;
  }
  if (jest1) okno_przycisk1->rysuj();
  if (jest2) okno_przycisk2->rysuj();
  return OKNO_OTWARTE;
}
