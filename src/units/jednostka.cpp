#include "jednostka.h"

#include <climits>
#include <cstdlib>
#include <cstring>

const short PROGI_POZIOMOW[LICZBA_PROGOW_POZIOMOW] = {100,  250,  450,  700,  1000,
                                                      1350, 1750, 2200, 2700, 3250};

namespace {

short nasyc_do_short(long v) {
  if (v > SHRT_MAX) return SHRT_MAX;
  if (v < SHRT_MIN) return SHRT_MIN;
  return (short)v;
}

int nasyc_do_int(double v) {
  if (v >= (double)INT_MAX) return INT_MAX;
  if (v <= (double)INT_MIN) return INT_MIN;
  return (int)v;  // truncates toward zero
}

// Grows a hit-point value in proportion to the defence, as levelling does.
int wzrost_zycia(int wartosc, int obrona) {
  return nasyc_do_int(wartosc + wartosc * (obrona / 500.0));
}

}  // namespace

jednostka::jednostka() {
  // Every unit owns its reach map from the start, so even a bare unit can compute reach.
  mapa_przejsc = new short[LICZBA_POL];
  std::memset(mapa_przejsc, 0, sizeof(short) * LICZBA_POL);
}

jednostka::~jednostka() {
  delete[] mapa_przejsc;
  delete[] opis_kopia;
}

void jednostka::zmien_stan(int s) { stan = s; }
int jednostka::aktualny_stan() { return stan; }

void jednostka::przywroc_punkty_ruchu(int n) {
  punkty_ruchu = (n == -1) ? d_punkty_ruchu : n;
}

void jednostka::ulecz(short p) {
  const long granica = (long)p * d_punkty_zycia / 100;
  const int r = std::rand();  // drawn even when nothing can be gained
  if (granica <= 0) return;
  const long nowe = (long)punkty_zycia + r % granica;
  punkty_zycia = nowe > d_punkty_zycia ? d_punkty_zycia : (int)nowe;
}

void jednostka::trenuj(short p) {
  const int r = std::rand();
  if (p > 0) doswiadczenie = nasyc_do_short((long)doswiadczenie + r % p);
  nowy_poziom();
}

void jednostka::nowy_poziom() {
  // Only levels 1..10 have a threshold; anything else stays where it is.
  if (poziom < 1 || poziom > LICZBA_PROGOW_POZIOMOW) return;
  if (doswiadczenie < PROGI_POZIOMOW[poziom - 1]) return;
  do_rozdysponowania = 10;
  poziom++;
  punkty_zycia = wzrost_zycia(punkty_zycia, obrona);
  d_punkty_zycia = wzrost_zycia(d_punkty_zycia, obrona);
}

void jednostka::zmien_pieniadze(short p) { pieniadze = p; }

void jednostka::zwieksz_atak(int n) {
  if (atak <= 99) atak += n;
}
void jednostka::zwieksz_obrone(int n) {
  if (obrona <= 99) obrona += n;
}
void jednostka::zwieksz_zwinnosc(int n) {
  if (zwinnosc <= 99) zwinnosc += n;
}

void jednostka::zmniejsz_do_rozdysponowania() {
  do_rozdysponowania = nasyc_do_short((long)do_rozdysponowania - 1);
}

void jednostka::zmien_punkty_zycia(int v) { punkty_zycia = v; }

// The maximum divides the health bar and bounds healing, so it is at least 1.
void jednostka::zmien_d_punkty_zycia(int v) { d_punkty_zycia = v < 1 ? 1 : v; }

// Movement points fit the 16-bit reach map; negative points mean none.
void jednostka::zmien_punkty_ruchu(int v) {
  if (v < 0) v = 0;
  if (v > MAKS_PUNKTOW_RUCHU) v = MAKS_PUNKTOW_RUCHU;
  punkty_ruchu = v;
}

void jednostka::zmien_atak(int v) { atak = v; }
void jednostka::zmien_obrona(int v) { obrona = v; }
void jednostka::zmien_zwinnosc(int v) { zwinnosc = v; }
void jednostka::zmien_do_rozdysponowania(int v) { do_rozdysponowania = nasyc_do_short(v); }

// Level 11 is reached by play (levelling from 10) and must survive a save; beyond it, or
// below 1, the value is pulled back into that range.
void jednostka::zmien_poziom(int v) {
  if (v < 1) v = 1;
  if (v > MAKS_POZIOM) v = MAKS_POZIOM;
  poziom = (short)v;
}

void jednostka::zmien_doswiadczenie(int v) { doswiadczenie = nasyc_do_short(v); }
void jednostka::zmien_exp(int v) { exp = nasyc_do_short(v); }
void jednostka::zmien_pieniadze(int p) { pieniadze = nasyc_do_short(p); }

int jednostka::pobierz_gracz() { return nr_gracza; }
int jednostka::pobierz_x() { return x; }
int jednostka::pobierz_y() { return y; }
int jednostka::pobierz_punkty_zycia() { return punkty_zycia; }
int jednostka::pobierz_d_punkty_zycia() { return d_punkty_zycia; }
int jednostka::pobierz_punkty_ruchu() { return punkty_ruchu; }
int jednostka::pobierz_atak() { return atak; }
int jednostka::pobierz_obrona() { return obrona; }
int jednostka::pobierz_zwinnosc() { return zwinnosc; }
int jednostka::pobierz_do_rozdysponowania() { return do_rozdysponowania; }
int jednostka::pobierz_poziom() { return poziom; }
int jednostka::pobierz_doswiadczenie() { return doswiadczenie; }
int jednostka::pobierz_exp() { return exp; }
int jednostka::pobierz_cene() { return cena; }
int jednostka::pobierz_pieniadze() { return pieniadze; }
const char* jednostka::pobierz_opis() { return opis; }
nazwa_pola jednostka::pobierz_wyglad() { return wyglad; }
