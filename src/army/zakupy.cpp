#include "zakupy.h"

#include <cstdlib>

#include "armia.h"
#include "globalne.h"
#include "jednostka.h"
#include "odglosy.h"

namespace {

// The shop of each side, index 0..5; index k needs technology k.
const nazwa_pola sklep[3][6] = {
    {pole_brak, pole_brak, pole_brak, pole_brak, pole_brak, pole_brak},
    {pole_robotnik_1, pole_zolnierz, pole_rycerz, pole_mag, pole_hydra, pole_archaniol},
    {pole_robotnik_2, pole_ciemny_rycerz, pole_ognisty, pole_lord, pole_smok, pole_trol},
};

// What the computer buys with technology t (index 0: the basic fighter) and the gold it
// wants in hand before it picks that kind.
struct wybor_komputera {
  nazwa_pola rodzaj[3];
  int prog[3];
};
const wybor_komputera wybory[5] = {
    {{pole_brak, pole_zolnierz, pole_ciemny_rycerz}, {0, 0, 0}},
    {{pole_brak, pole_rycerz, pole_ognisty}, {0, 150, 150}},
    {{pole_brak, pole_mag, pole_lord}, {0, 200, 200}},
    {{pole_brak, pole_hydra, pole_smok}, {0, 300, 300}},
    {{pole_brak, pole_archaniol, pole_trol}, {0, 450, 500}},
};

bool czy_strona(int g) { return g == 1 || g == 2; }

jednostka* zamek_gracza(const stan_gry& stan, int g) {
  if (!stan.armia_glowna) return nullptr;
  return stan.armia_glowna->zwroc_jednostke(g == 1 ? pole_zamek_gracz_1 : pole_zamek_gracz_2);
}

// Adds a unit of the template's kind on the castle's field and pays for it.
bool dodaj_na_zamku(stan_gry& stan, int g, jednostka* wzor, bool heros) {
  jednostka* zamek = zamek_gracza(stan, g);
  if (!zamek) return false;
  stan.armia_glowna->dodaj(wzor->pobierz_wyglad(), g, stan.ekran, stan.teren, stan.siatka,
                           stan.wejscie, zamek->pobierz_x(), zamek->pobierz_y(), heros);
  stan.gracze[g].zaplac(wzor->pobierz_cene());
  stan.gracze[g].zwieksz_jednostki();
  if (jednostka* nowa = stan.armia_glowna->zwroc_ostatnia()) nowa->czysc_mape_przejsc();
  return true;
}

}  // namespace

jednostka* jednostka_sklepu(const stan_gry& stan, int g, int indeks) {
  if (!czy_strona(g) || indeks < 0 || indeks > 5 || !stan.wzorce(g)) return nullptr;
  return stan.wzorce(g)->zwroc_jednostke(sklep[g][indeks]);
}

bool czy_heros() {
  std::srand((unsigned)sekundy_losowania());
  return std::rand() % 100 <= 5;
}

bool kup_jednostke(stan_gry& stan, int g, int indeks) {
  jednostka* wzor = jednostka_sklepu(stan, g, indeks);
  if (!wzor || !zamek_gracza(stan, g)) return false;
  if (stan.gracze[g].pobierz_zloto() < wzor->pobierz_cene()) return false;
  if (!stan.gracze[g].sprawdz_technologie((short)indeks)) return false;
  if (stan.dzwiek_wlaczony && stan.dzwiek_zakupu[g]) stan.dzwiek_zakupu[g]->odtwarzaj();
  const bool heros = czy_heros();
  return dodaj_na_zamku(stan, g, wzor, heros);
}

bool kup_technologie(stan_gry& stan, int g, int t) {
  if (!czy_strona(g) || t < 2 || t > 5) return false;
  gracz& p = stan.gracze[g];
  if (p.sprawdz_technologie((short)t) || p.pobierz_zloto() < cena_technologii(t)) return false;
  p.kup_technologie((short)t);
  p.zaplac(cena_technologii(t));
  return true;
}

void zakupy_komputera(stan_gry& stan, int g) {
  if (!czy_strona(g)) return;
  gracz& p = stan.gracze[g];
  for (int t = 5; t >= 2; t--)
    if (!p.sprawdz_technologie((short)t) && p.pobierz_zloto() >= cena_technologii(t)) {
      p.kup_technologie((short)t);
      p.zaplac(cena_technologii(t));
    }
  const int t2 = p.sprawdz_technologie(2), t3 = p.sprawdz_technologie(3);
  const int t4 = p.sprawdz_technologie(4), t5 = p.sprawdz_technologie(5);
  const int szanse[5] = {90 - 10 * (t2 + t3 + t4 + t5), 90 - 15 * (t3 + t4 + t5),
                         90 - 20 * t4 - 25 * t5, 90 - 45 * t5, 90};
  const int progi[5] = {200, 300, 400, 600, 900};
  bool kupuj = false;
  for (int i = 0; i < 5 && !kupuj; i++)
    kupuj = std::rand() % 100 < szanse[i] && p.pobierz_zloto() >= progi[i];
  if (!kupuj) return;
  nazwa_pola rodzaj = wybory[0].rodzaj[g];
  for (int t = 2; t <= 5; t++)
    if (p.sprawdz_technologie((short)t) && p.pobierz_zloto() >= wybory[t - 1].prog[g])
      rodzaj = wybory[t - 1].rodzaj[g];
  jednostka* wzor = stan.wzorce(g) ? stan.wzorce(g)->zwroc_jednostke(rodzaj) : nullptr;
  if (wzor && wzor->pobierz_cene() <= p.pobierz_zloto()) dodaj_na_zamku(stan, g, wzor, false);
}

int dochod_tury(int miasta) { return 25 + 10 * miasta; }
