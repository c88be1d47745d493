#include "gracz_losowy.h"

#include <allegro.h>

#include "armia.h"
#include "gra_na_mapie.h"
#include "jednostka.h"
#include "mapa.h"
#include "przycisk.h"

namespace {
// The part of the view where a pointer neither scrolls the map nor lies on the panel.
const int PIERWSZA_KOLUMNA = 3, OSTATNIA_KOLUMNA = 22;
const int PIERWSZY_WIERSZ = 3, OSTATNI_WIERSZ = 18;
// Where the pointer rests, and the only button of a message window.
const int SPOCZYNEK_X = 512, SPOCZYNEK_Y = 300;
const int OKNO_X = 320 + 130 + 50, OKNO_Y = 216 + 125 + 10;
}  // namespace

gracz_losowy::gracz_losowy(rozgrywka& r, stan_gry& s, unsigned ziarno,
                           std::function<bool()> po_klatce)
    : r(r), s(s), los(ziarno), po_klatce(std::move(po_klatce)) {}

gracz_losowy::koniec gracz_losowy::tura() {
  strona = s.aktywny_gracz;
  kroki.clear();
  widok_zmieniony = true;  // the turn that ended brought the side's first unit into view
  for (long w_turze = 0, budzet = los_z(30, 70); w_turze < budzet || !kroki.empty(); ++w_turze) {
    if (kroki.empty()) wybierz_akcje();
    if (!klatka()) return przerwanie();
    if (s.aktywny_gracz != strona) return bez_przycisku;
  }
  if (s.wejscie->zwroc_okno() != 0) klik_punktu(OKNO_X, OKNO_Y);  // the message first
  klik_przycisku(rozgrywka::p_koniec_tury);
  while (!kroki.empty())
    if (!klatka()) return przerwanie();
  mouse_x = SPOCZYNEK_X;
  mouse_y = SPOCZYNEK_Y;
  mouse_b = 0;
  return s.aktywny_gracz != strona ? przyciskiem : przycisk_nie_dziala;
}

gracz_losowy::koniec gracz_losowy::przerwanie() const {
  return r.pobierz_tryb_panelu() == rozgrywka::panel_koniec_gry ? koniec_gry : przerwana;
}

// The screen point at the centre of a field; false outside the calm part of the view.
bool gracz_losowy::punkt_pola(int fx, int fy, int& px, int& py) const {
  const punkt start = s.teren->start_ekranu();
  const int c = fx - int(start.rx()), w = fy - int(start.ry());
  if (!czy_na_mapie(fx, fy) || c < PIERWSZA_KOLUMNA || c > OSTATNIA_KOLUMNA ||
      w < PIERWSZY_WIERSZ || w > OSTATNI_WIERSZ)
    return false;
  const punkt_ekranu e = srodek_pola_w_widoku(c, w);
  px = e.x;
  py = e.y;
  return true;
}

std::vector<jednostka*> gracz_losowy::w_widoku(int gracz) const {
  std::vector<jednostka*> w;
  int px, py;
  for (jednostka* j : zywe_jednostki(s.armia_glowna, gracz))
    if (punkt_pola(j->pobierz_x(), j->pobierz_y(), px, py)) w.push_back(j);
  return w;
}

void gracz_losowy::klik_pola(int fx, int fy, int przycisk_myszy) {
  int px, py;
  if (!punkt_pola(fx, fy, px, py)) return;
  const punkt p = s.teren->pole_pod_punktem(px, py, false) + s.teren->start_ekranu();
  chybione += int(p.rx()) != fx || int(p.ry()) != fy;
  kroki.push_back({px, py, przycisk_myszy});
  kroki.push_back({px, py, 0});
}

void gracz_losowy::klik_punktu(int x, int y) {
  kroki.push_back({x, y, 1});
  kroki.push_back({x, y, 0});
}

void gracz_losowy::klik_przycisku(int nr) {
  const przycisk* p = r.pobierz_przycisk(nr);
  klik_punktu(p->pobierz_x() + 50, p->pobierz_y() + 10);
}

void gracz_losowy::wybierz_akcje() {
  if (widok_zmieniony) {  // one still frame lets the game draw the moved view first
    kroki.push_back({SPOCZYNEK_X, SPOCZYNEK_Y, 0});
    return;
  }
  if (s.wejscie->zwroc_okno() != 0 && los_z(0, 2) == 0) return klik_punktu(OKNO_X, OKNO_Y);
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

void gracz_losowy::wybierz_jednostke() {
  const std::vector<jednostka*> widoczne = w_widoku(strona);
  if (widoczne.empty()) return przewin();
  jednostka* j = jedna_z(widoczne);
  klik_pola(j->pobierz_x(), j->pobierz_y(), 1);
}

// A right click on an enemy in view, or on a field a few steps from the selected unit: a
// move, a fight, or an order the game refuses.
void gracz_losowy::wydaj_rozkaz() {
  jednostka* a = s.armia_glowna->zwroc_aktywna();
  if (!a || a->pobierz_gracz() != strona || a->pobierz_punkty_ruchu() < 1)
    return wybierz_jednostke();
  const std::vector<jednostka*> wrogowie = w_widoku(3 - strona);
  if (!wrogowie.empty() && los_z(0, 1) == 0) {
    jednostka* j = jedna_z(wrogowie);
    return klik_pola(j->pobierz_x(), j->pobierz_y(), 2);
  }
  klik_pola(a->pobierz_x() + los_z(-3, 3), a->pobierz_y() + los_z(-3, 3), 2);
}

void gracz_losowy::przycisk_panelu() {
  using R = rozgrywka;
  static const std::vector<int> JEDNOSTKA = {R::p_kup, R::p_ulecz, R::p_napraw, R::p_trenuj,
                                             R::p_atak, R::p_obrona, R::p_zwinnosc};
  static const std::vector<int> WYBOR = {R::p_kup_jednostke, R::p_kup_technologie, R::p_powrot};
  static const std::vector<int> SKLEP = {R::p_nastepna, R::p_poprzednia, R::p_kup, R::p_kup,
                                         R::p_powrot};
  static const std::vector<int> TECHNOLOGIE = {R::p_technologia1, R::p_technologia2,
                                               R::p_technologia3, R::p_technologia4, R::p_powrot};
  const std::vector<int>* z = nullptr;
  switch (r.pobierz_tryb_panelu()) {
    case R::panel_jednostki: z = &JEDNOSTKA; break;
    case R::panel_wybor_sklepu: z = &WYBOR; break;
    case R::panel_sklep: z = &SKLEP; break;
    case R::panel_technologie: z = &TECHNOLOGIE; break;
    default: return;
  }
  klik_przycisku((*z)[los_z(0, int(z->size()) - 1)]);
}

// Holds the pointer at one edge of the map for a while.
void gracz_losowy::przewin() {
  static const krok KRAWEDZIE[] = {{40, 300, 0}, {980, 300, 0}, {512, 40, 0}, {512, 767, 0}};
  const krok k = KRAWEDZIE[los_z(0, 3)];
  for (int i = los_z(5, 25); i > 0; --i) kroki.push_back(k);
}

// One frame with the next scripted input; counts the side's moves and purchases. False when
// po_klatce says stop or the game is over.
bool gracz_losowy::klatka() {
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
  const punkt po = s.teren->pobierz_srodek();
  widok_zmieniony = po.rx() != srodek.rx() || po.ry() != srodek.ry();
  ruchy += a && a->pobierz_gracz() == strona && (a->pobierz_x() != ax || a->pobierz_y() != ay);
  zakupy += s.armia_glowna->liczba_wezlow() > wezly;
  return po_klatce() && r.pobierz_tryb_panelu() != rozgrywka::panel_koniec_gry;
}
