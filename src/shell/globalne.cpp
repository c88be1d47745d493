#include "globalne.h"

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
