#pragma once
#include <allegro.h>

struct ALMP3_MP3STREAM;

// One MP3 stream fed from its file in 32768-byte blocks once per frame. A file that cannot
// be opened or decoded makes a silent track (logged once); every operation stays safe.
class dzwiek {
 public:
  static const int BLOK = 32768;
  static const int BUFOR_WYJSCIA = 65536;

  dzwiek();
  virtual ~dzwiek();
  dzwiek(const dzwiek&) = delete;
  dzwiek& operator=(const dzwiek&) = delete;

  virtual int otworz(const char* nazwa);  // 0 or -1
  virtual int zamknij();
  virtual int przygotuj();                 // starts (or restarts) playback
  virtual int odtwarzaj();                 // the per-frame feed; loops at the end
  virtual int zatrzymaj();
  virtual const char* podaj_tytul();

  bool czy_otwarty() const { return strumien != nullptr; }

 protected:
  PACKFILE* plik = nullptr;
  short glosnosc = 255;
  short panorama = 128;
  ALMP3_MP3STREAM* strumien = nullptr;
  const char* tytul = nullptr;
};
