#pragma once
#include <allegro.h>

#include "nazwa_pola.h"

// Bitmap kinds drawn by grafika::rysuj_bitmape. 0, 1 and anything above 16 draw nothing.
enum typ_bitmapy {
  b_interfejs = 2,
  b_button = 3,
  b_tlo_menu = 4,
  b_pr = 5,
  b_pr2 = 6,
  b_pr3 = 7,
  b_ingamemenu = 8,
  b_flaga_1 = 9,
  b_flaga_2 = 10,
  b_znak_gracza_1 = 11,
  b_znak_gracza_2 = 12,
  b_pasek_tlo = 13,
  b_pasek_zycia = 14,
  b_szynka = 15,
  b_monety = 16,
};

// How a graphics context is made.
enum class tryb_grafiki {
  ekran,   // the real screen (library, input, sound, window or full screen)
  pamiec,  // headless: a memory back buffer and the sheets, no screen; the caller has
           // started the library with uruchom_bez_ekranu()
  atrapa,  // nothing loaded and nothing drawn; for recording stand-ins in tests
};

// Millisecond clock used by the animation; replaceable in tests.
typedef long (*zegar_ms)();
long zegar_scienny_ms();

// The window's close button. The library reports it on its own thread; the menu and the game
// look at it once a pass and decide what it means where the player is.
bool czy_prosba_zamkniecia();
void zeruj_prosbe_zamkniecia();
// What a press of the close button does (also for tests).
void zglos_prosbe_zamkniecia();

// Starts the library without a screen, for tests, tools and benchmarks: UTF-8 texts, 32-bit
// colour that keeps the sheets' alpha, PNG loading. Does nothing once the library runs.
void uruchom_bez_ekranu();

// The one object through which the game draws: back buffer, sheets, font, pointer and the
// 10 Hz animation clock that paces redrawing and presenting.
class grafika {
 public:
  // Starts the library and the screen; "fullscreen" or "windowed". Any other word, a mode
  // that cannot be set, or a missing sheet or font ends the process with a message box.
  explicit grafika(const char* tryb);
  explicit grafika(tryb_grafiki tryb);
  virtual ~grafika();

  virtual void pokaz(bool wymus_teraz);
  virtual void rysuj_bitmape(typ_bitmapy typ, int x, int y, int zrodlo_x, int zrodlo_y,
                             int szerokosc, int wysokosc);
  virtual void czysc_ekran(int kolor);
  virtual void rysuj_pole(nazwa_pola pole, int x, int y, short wariant);
  // Text in the game font. Centred texts use tekst as a format with liczba (only "%d" and
  // "%%" are expanded); left-aligned text wraps at szerokosc (negative: no limit) and is
  // followed by liczba unless it is -1.
  virtual void pisz(const char* tekst, int x, int y, int liczba, int kolor, bool wysrodkuj,
                    int szerokosc);
  virtual void prostokat(int x1, int y1, int x2, int y2, int kolor, bool wypelniony);
  virtual void zmiana_klatki(bool rysuj);
  // The next animation step is due, or a redraw was asked for.
  virtual bool czy_pokazac();
  // Asks for the next present to happen whatever the animation clock says.
  virtual void wymus_rysowanie();
  // Asks for the next pass to be drawn in full and presented: for a change made after this
  // pass has drawn the map (the view moved, the turn passed, the computer acted). The pass
  // that asks presents nothing new for it.
  void rysuj_w_nastepnym();
  // The clock time of the next pass that draws in full: the next animation step, or a time
  // long past when a redraw was asked for. A loop with nothing else to do sleeps until then.
  long pobierz_termin_rysowania() const;
  virtual void rysuj_noc(short godzina);

  // The colour-coded mouse map read by the map view; null when not loaded.
  BITMAP* pobierz_mape_myszki() const { return mapa_myszki; }
  BITMAP* pobierz_bufor() const { return bufor; }
  FONT* pobierz_czcionke() const { return czcionka; }
  int pobierz_klatke() const { return klatka; }
  bool czy_rysowanie() const { return rysowanie != 0; }
  bool czy_zmiana() const { return zmiana; }
  // Number of presents so far (copies of the back buffer to the screen).
  long pobierz_liczbe_pokazan() const { return liczba_pokazan; }
  // The clock everything paced reads (the animation, scrolling, the computer's pace, the idle
  // wait); null puts the wall clock back.
  void ustaw_zegar(zegar_ms zegar);
  long teraz() const { return zegar(); }
  // Loads every sheet, the font and the mouse map from Pliki_danych/; on failure names the
  // file in blad (a buffer of at least 256 bytes) and returns false.
  bool wczytaj_pliki(char* blad);

 protected:
  friend struct tabela_bitmap;
  BITMAP* bufor = nullptr;
  BITMAP* bitmapy = nullptr;
  BITMAP* szynka = nullptr;
  BITMAP* monety = nullptr;
  BITMAP* kursor = nullptr;
  BITMAP* interfejs = nullptr;
  BITMAP* wskaznik = nullptr;
  BITMAP* nieaktywna = nullptr;
  BITMAP* tlo_menu = nullptr;
  BITMAP* button = nullptr;
  BITMAP* pr = nullptr;
  BITMAP* pr2 = nullptr;
  BITMAP* pr3 = nullptr;
  BITMAP* ingamemenu = nullptr;
  FONT* czcionka = nullptr;
  int klatka = 0;
  int rysowanie = 0;
  long czas_klatki = 0;
  int okres = 10;
  bool zmiana = true;
  bool wymus = false;
  bool w_nastepnym = false;  // rysuj_w_nastepnym was asked; czy_pokazac turns it into wymus
  BITMAP* mapa_myszki = nullptr;
  // The frame of the game screen as runs of pixels, made on its first whole draw: the map
  // shows through most of it, and the runs skip that part instead of testing every pixel.
  RLE_SPRITE* interfejs_rle = nullptr;

  zegar_ms zegar = zegar_scienny_ms;
  bool na_ekranie = false;
  long liczba_pokazan = 0;
};

// Translucent blits into a target bitmap, clipped to it; pink (255, 0, 255) source pixels
// are skipped. Factor 255 replaces the destination, 0 leaves it.
void blit_przezroczysty(BITMAP* zrodlo, BITMAP* cel, int x, int y, int wspolczynnik);
void prostokat_przezroczysty(BITMAP* cel, int x1, int y1, int x2, int y2, int kolor,
                             int wspolczynnik);
