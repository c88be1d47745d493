#include "dzwiek.h"

#include <allegro.h>

#include <string>

#include "almp3.h"
#include "dziennik.h"
#include "pliki.h"

dzwiek::dzwiek() = default;

dzwiek::~dzwiek() { zamknij(); }

int dzwiek::otworz(const char* nazwa) {
  zamknij();
  if (!nazwa) return -1;
  std::string sciezka = znajdz_plik(nazwa);
  plik = czy_zwykly_plik(sciezka.c_str()) ? pack_fopen(sciezka.c_str(), "r") : nullptr;
  if (plik) {
    unsigned char blok[BLOK];
    long ile = pack_fread(blok, BLOK, plik);
    if (ile > 0) strumien = almp3_create_mp3stream(blok, int(ile), ile < BLOK ? -1 : 0);
    if (strumien) return 0;
  }
  // A missing, empty or broken file makes a silent track; said once, at opening.
  piszlog(const_cast<char*>(nazwa), -1);
  if (plik) pack_fclose(plik);
  plik = nullptr;
  return -1;
}

int dzwiek::zamknij() {
  if (plik) pack_fclose(plik);
  plik = nullptr;
  if (strumien) almp3_destroy_mp3stream(strumien);
  strumien = nullptr;
  return 0;
}

int dzwiek::przygotuj() {
  if (!strumien) return -1;
  return almp3_play_mp3stream(strumien, BUFOR_WYJSCIA, glosnosc, panorama);
}

int dzwiek::odtwarzaj() {
  if (!strumien) return 1;
  if (void* bufor = almp3_get_mp3stream_buffer(strumien)) {
    long ile = plik ? pack_fread(bufor, BLOK, plik) : 0;
    if (ile < 0) ile = 0;
    almp3_free_mp3stream_buffer(strumien, ile < BLOK ? int(ile) : -1);
  }
  if (almp3_poll_mp3stream(strumien) == 1) {
    // The track has ended: it starts over from the beginning of its file.
    zatrzymaj();
    const char* nazwa = podaj_tytul();
    zamknij();
    if (otworz(nazwa) == 0) przygotuj();
  }
  return 1;
}

int dzwiek::zatrzymaj() {
  if (strumien) almp3_stop_mp3stream(strumien);
  return 0;
}

const char* dzwiek::podaj_tytul() { return tytul; }
