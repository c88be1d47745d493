// Writes the four new-game scenarios Pliki_danych/Mapy/map1.sce .. map4.sce below the given
// root. Each side gets its castle on the map's castle site, a worker beside it, and a
// tower, two towns and three fighters on the ring two fields out, which the maps keep as
// grass. Statistics come from the kind table; both sides start with 1000 gold at noon.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "armia.h"
#include "mapy_miejsca.h"
#include "nazwa_pola.h"
#include "obraz.h"
#include "rodzaje.h"

namespace {

struct pole {
  int x, y;
};

// Fields exactly two steps from (x, y), in a fixed order.
std::vector<pole> pierscien_2(int x, int y) {
  std::vector<pole> bliskie{{x, y}}, wynik;
  for (int k = 0; k < 6; k++) {
    int nx, ny;
    sasiad(x, y, k, nx, ny);
    bliskie.push_back({nx, ny});
  }
  for (size_t i = 1; i < 7; i++)
    for (int k = 0; k < 6; k++) {
      int nx, ny;
      sasiad(bliskie[i].x, bliskie[i].y, k, nx, ny);
      auto ten = [&](const pole& p) { return p.x == nx && p.y == ny; };
      if (std::none_of(bliskie.begin(), bliskie.end(), ten) &&
          std::none_of(wynik.begin(), wynik.end(), ten) && czy_na_mapie(nx, ny))
        wynik.push_back({nx, ny});
    }
  return wynik;
}

void dopisz_jednostke(std::string& s, nazwa_pola rodzaj, int gracz, pole p) {
  const dane_rodzaju* d = znajdz_rodzaj(rodzaj);
  char zapis[160];
  std::snprintf(zapis, sizeof zapis, "%c %d %d %d %d %d %d %d %d %d %d %d %d %d %d",
                litera_rodzaju(rodzaj), gracz, p.x, p.y, d->zycie, d->zycie, d->ruchy, d->atak,
                d->obrona, d->zwinnosc, 0, 1, 0, d->exp, 0);
  s += zapis;
}

// One side: castle, worker toward the enemy, then the ring fields nearest the enemy first.
void dopisz_strone(std::string& s, int gracz, int x, int y) {
  const bool zachod = gracz == 1;
  const nazwa_pola oddzial[6] = {
      zachod ? pole_zolnierz : pole_ciemny_rycerz, zachod ? pole_rycerz : pole_ognisty,
      zachod ? pole_zolnierz : pole_ciemny_rycerz, zachod ? pole_wieza_1 : pole_wieza_2,
      zachod ? pole_miasto_1 : pole_miasto_2,     zachod ? pole_miasto_1 : pole_miasto_2};
  dopisz_jednostke(s, zachod ? pole_zamek_gracz_1 : pole_zamek_gracz_2, gracz, {x, y});
  dopisz_jednostke(s, zachod ? pole_robotnik_1 : pole_robotnik_2, gracz,
                   {zachod ? x + 1 : x - 1, y});
  std::vector<pole> pierscien = pierscien_2(x, y);
  std::stable_sort(pierscien.begin(), pierscien.end(), [zachod](const pole& a, const pole& b) {
    return zachod ? a.x > b.x : a.x < b.x;
  });
  // Fighters in front, the tower behind them, the towns at the back.
  const size_t miejsca[6] = {0, 1, 2, 5, pierscien.size() - 1, pierscien.size() - 2};
  for (int i = 0; i < 6; i++) dopisz_jednostke(s, oddzial[i], gracz, pierscien[miejsca[i]]);
}

std::string scenariusz(int i) {
  const miejsce_zamku& m = MIEJSCA_ZAMKOW[i];
  std::string s = "Pliki_danych/Mapy/map" + std::to_string(i + 1) + ".map";
  s += " 1 12.000000 1000 1000 0 0 0 0 0 0 0 0 ";
  dopisz_strone(s, 1, m.x1, m.y1);
  dopisz_strone(s, 2, m.x2, m.y2);
  return s + "E";
}

bool zapisz(const std::string& sciezka, const std::string& tresc) {
  if (!utworz_katalogi_dla(sciezka)) return false;
  std::FILE* f = std::fopen(sciezka.c_str(), "wb");
  if (!f) return false;
  const bool dobrze = std::fwrite(tresc.data(), 1, tresc.size(), f) == tresc.size();
  return std::fclose(f) == 0 && dobrze;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output-root>\n", argv[0]);
    return 2;
  }
  for (int i = 0; i < 4; i++) {
    const std::string sciezka =
        std::string(argv[1]) + "/Pliki_danych/Mapy/map" + std::to_string(i + 1) + ".sce";
    if (!zapisz(sciezka, scenariusz(i))) {
      std::fprintf(stderr, "cannot write %s\n", sciezka.c_str());
      return 1;
    }
  }
  return 0;
}
