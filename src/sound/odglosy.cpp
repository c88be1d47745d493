#include "odglosy.h"

#include <allegro.h>

#include <string>

#include "dziennik.h"
#include "pliki.h"

odglosy::odglosy(const char* nazwa) {
  tytul = nazwa;
  std::string sciezka = znajdz_plik(nazwa);
  probka = czy_zwykly_plik(sciezka.c_str()) ? load_wav(sciezka.c_str()) : nullptr;
  if (!probka && nazwa) piszlog(const_cast<char*>(nazwa), -1);
}

odglosy::~odglosy() {
  if (probka) destroy_sample(probka);
  probka = nullptr;
}

int odglosy::odtwarzaj() {
  // Fire and forget; silent without a sample or a sound driver.
  if (probka && digi_driver && digi_driver->id != DIGI_NONE) play_sample(probka, 125, 125, 1000, 0);
  return 1;
}
