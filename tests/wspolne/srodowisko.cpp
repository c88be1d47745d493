#include "srodowisko.h"

#include <allegro.h>
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "mapa.h"

void przygotuj_allegro() {
  static bool gotowe = false;
  if (gotowe) return;
  gotowe = true;
  if (chdir(GRA_KATALOG_ZRODEL) != 0) std::perror("chdir");
  uruchom_bez_ekranu();
  set_config_file("gm_pl.cfg");
}

std::string katalog_tymczasowy() {
  char wzor[] = "/tmp/gra_test_XXXXXX";
  const char* k = mkdtemp(wzor);
  return k ? std::string(k) : std::string("/tmp");
}

bool zapisz_plik(const std::string& sciezka, const std::string& dane) {
  std::ofstream f(sciezka, std::ios::binary);
  if (!f) return false;
  f.write(dane.data(), (std::streamsize)dane.size());
  return (bool)f;
}

std::string wczytaj_plik(const std::string& sciezka) {
  std::ifstream f(sciezka, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string pliki_w(const std::string& katalog) {
  std::vector<std::string> nazwy;
  if (DIR* d = opendir(katalog.c_str())) {
    while (dirent* e = readdir(d))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
        nazwy.push_back(e->d_name);
    closedir(d);
  }
  std::sort(nazwy.begin(), nazwy.end());
  std::string wynik;
  for (const std::string& n : nazwy) wynik += n + " ";
  return wynik;
}

grafika_nagrywajaca::grafika_nagrywajaca() : grafika(tryb_grafiki::atrapa) { rysowanie = 1; }

void grafika_nagrywajaca::pokaz(bool wymus_teraz) {
  wywolania.push_back({"pokaz", wymus_teraz ? 1 : 0});
}

void grafika_nagrywajaca::rysuj_bitmape(typ_bitmapy typ, int x, int y, int zx, int zy, int s,
                                        int w) {
  wywolania.push_back({"bitmapa", (int)typ, x, y, s, w});
}

void grafika_nagrywajaca::czysc_ekran(int kolor) { wywolania.push_back({"czysc", kolor}); }

void grafika_nagrywajaca::rysuj_pole(nazwa_pola pole, int x, int y, short wariant) {
  wywolania.push_back({"pole", (int)pole, x, y, wariant, rysowanie});
}

void grafika_nagrywajaca::pisz(const char* tekst, int x, int y, int liczba, int kolor,
                               bool wysrodkuj, int szerokosc) {
  wywolania.push_back({"pisz", x, y, liczba, kolor, wysrodkuj ? 1 : 0, tekst ? tekst : "(null)"});
}

void grafika_nagrywajaca::prostokat(int x1, int y1, int x2, int y2, int kolor,
                                    bool wypelniony) {
  wywolania.push_back({"prostokat", x1, y1, x2, y2, kolor});
}

void grafika_nagrywajaca::rysuj_noc(short godzina) { wywolania.push_back({"noc", godzina}); }

int grafika_nagrywajaca::ile(const std::string& co) const {
  int n = 0;
  for (const auto& w : wywolania) n += (w.co == co);
  return n;
}

mapa* mapa_trawy(grafika* ekran) {
  mapa* m = new mapa(ekran, "Pliki_danych/Mapy/map1.map");
  for (int y = 0; y < ROZMIAR_MAPY; ++y)
    for (int x = 0; x < ROZMIAR_MAPY; ++x) m->zmien_pole(x, y, '1');
  return m;
}
