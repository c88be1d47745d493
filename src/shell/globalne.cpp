#include "globalne.h"

#include <cstdio>

bool dev_mode = false;
bool MIERZ_FPS = false;
float godzina = 0.0f;
short ai = 2;

void piszlog(const char* tekst, int liczba) {
  FILE* plik = std::fopen("log.txt", "a");
  if (!plik) return;
  std::fprintf(plik, "\n%s --- %d", tekst ? tekst : "", liczba);
  std::fclose(plik);
}
