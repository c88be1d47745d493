#include "pomoc_jednostek.h"

const std::string& plik_trawy() {
  static const std::string sciezka = [] {
    przygotuj_allegro();
    const std::string p = katalog_tymczasowy() + "/trawa.map";
    zapisz_plik(p, std::string(LICZBA_POL, '1'));
    return p;
  }();
  return sciezka;
}

pole_bitwy::pole_bitwy() {
  przygotuj_allegro();
  teren.reset(new mapa(&ekran, plik_trawy().c_str()));
}

jednostka* pole_bitwy::utworz(nazwa_pola rodzaj, int x, int y, int gracz) {
  jednostki.emplace_back(utworz_jednostke(rodzaj, &ekran, teren.get(), &siatka, nullptr, x, y,
                                          gracz));
  return jednostki.back().get();
}

jednostka* pole_bitwy::postaw(nazwa_pola rodzaj, int x, int y, int gracz) {
  jednostka* j = utworz(rodzaj, x, y, gracz);
  siatka.wstaw_jednostke(j);
  return j;
}

void pole_bitwy::maluj(int x0, int y0, int x1, int y1, char znak) {
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) teren->zmien_pole(x, y, znak);
}
