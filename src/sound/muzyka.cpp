#include "muzyka.h"

muzyka::muzyka(const char* nazwa) {
  tytul = nazwa;
  otworz(nazwa);
  glosnosc = 255;
  panorama = 128;
}

muzyka::~muzyka() { zamknij(); }
