#include "globalne.h"

#include <cstdio>
#include <ctime>

bool dev_mode = false;
bool MIERZ_FPS = false;
float godzina = 0.0f;
short ai = 2;
short sila_komputera = SILA_KLASYCZNA;

namespace {
zegar_sekund zegar_losowania = nullptr;
}

long sekundy_losowania() {
  return zegar_losowania ? zegar_losowania() : (long)std::time(nullptr);
}

void ustaw_zegar_losowania(zegar_sekund zegar) { zegar_losowania = zegar; }

void piszlog(const char* tekst, int liczba) {
  FILE* plik = std::fopen("log.txt", "a");
  if (!plik) return;
  std::fprintf(plik, "\n%s --- %d", tekst ? tekst : "", liczba);
  std::fclose(plik);
}
