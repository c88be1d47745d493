#include "grafika.h"

#include <allegro.h>
#include <alsa/asoundlib.h>
#include <loadpng.h>
#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dziennik.h"
#include "pliki.h"

long zegar_scienny_ms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return long(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

namespace {
volatile int prosba_zamkniecia = 0;

// alsa-lib reports on the terminal every device it fails to open while the library looks for
// a sound card; the game says what it found once, in its log.
void bez_komunikatow_alsa(const char*, int, const char*, int, const char*, ...) {}

void uruchom_dzwiek() {
  snd_lib_error_set_handler(bez_komunikatow_alsa);
  install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
  if (!digi_driver || digi_driver->id == DIGI_NONE) piszlog("No sound card: the game runs without sound", 0);
}
}  // namespace

bool czy_prosba_zamkniecia() { return prosba_zamkniecia != 0; }
void zeruj_prosbe_zamkniecia() { prosba_zamkniecia = 0; }
void zglos_prosbe_zamkniecia() { prosba_zamkniecia = 1; }

void uruchom_bez_ekranu() {
  if (system_driver) return;
  set_uformat(U_UTF8);
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  _png_screen_gamma = 0.0;
  register_png_file_type();
}

namespace {

// Every picture the game draws, in loading order, with the member that holds it.
struct plik_bitmapy {
  const char* sciezka;
  BITMAP* grafika::*pole;
};

// Ends the process with a message box and the same line on the error stream.
[[noreturn]] void zakoncz_z_komunikatem(const char* tekst) {
  std::fprintf(stderr, "%s\n", tekst);
  allegro_message("%s\n", tekst);
  std::exit(-1);
}

// The font must carry every letter of the seven languages: the space to the end of Latin
// Extended-A (U+0020..U+017F).
bool czy_pelna_czcionka(FONT* f) {
  if (!f || get_font_ranges(f) < 1) return false;
  if (get_font_range_begin(f, 0) > 0x20 || get_font_range_end(f, -1) < 0x17F) return false;
  return text_height(f) > 0 && text_height(f) < 64 && text_length(f, "A") > 0;
}

}  // namespace

// Pointer-to-member table of the sheets (defined here, where the members are reachable).
struct tabela_bitmap {
  static const plik_bitmapy* pobierz(int& liczba) {
    static const plik_bitmapy PLIKI[] = {
        {"Pliki_danych/Bitmapy/bitmapy.png", &grafika::bitmapy},
        {"Pliki_danych/Bitmapy/szynka.png", &grafika::szynka},
        {"Pliki_danych/Bitmapy/monety.png", &grafika::monety},
        {"Pliki_danych/Bitmapy/kursor.png", &grafika::kursor},
        {"Pliki_danych/Bitmapy/interfejs.png", &grafika::interfejs},
        {"Pliki_danych/Bitmapy/wskaznik.png", &grafika::wskaznik},
        {"Pliki_danych/Bitmapy/nieaktywna.png", &grafika::nieaktywna},
        {"Pliki_danych/Bitmapy/tlo_menu.png", &grafika::tlo_menu},
        {"Pliki_danych/Bitmapy/button.png", &grafika::button},
        {"Pliki_danych/Bitmapy/pr.png", &grafika::pr},
        {"Pliki_danych/Bitmapy/pr2.png", &grafika::pr2},
        {"Pliki_danych/Bitmapy/pr3.png", &grafika::pr3},
        {"Pliki_danych/Bitmapy/ingamemenu.png", &grafika::ingamemenu},
        {"Pliki_danych/Bitmapy/mapa_myszki.png", &grafika::mapa_myszki},
    };
    liczba = int(sizeof PLIKI / sizeof PLIKI[0]);
    return PLIKI;
  }
};

grafika::grafika(const char* tryb) : na_ekranie(true) {
  set_uformat(U_UTF8);
  if (allegro_init() != 0) {
    std::fprintf(stderr, "Cannot start the graphics library (is DISPLAY set?)\n");
    std::exit(-1);
  }
  install_timer();
  install_keyboard();
  install_mouse();
  // A pipe or folder in place of the texts is not opened: it would never finish reading.
  const std::string teksty = znajdz_plik("gm_pl.cfg");
  if (czy_zwykly_plik(teksty.c_str())) set_config_file(teksty.c_str());
  else set_config_data("", 0);
  register_png_file_type();
  uruchom_dzwiek();
  int glebia = desktop_color_depth();
  // 24-bit desktops get 32-bit bitmaps: the same picture, and the fast blending path.
  if (glebia == 0 || glebia == 24) glebia = 32;
  set_color_depth(glebia);
  set_color_conversion(COLORCONV_KEEP_ALPHA);
  _png_screen_gamma = 0.0;
  int karta = -1;
  if (tryb && std::strcmp(tryb, "fullscreen") == 0) karta = GFX_AUTODETECT_FULLSCREEN;
  if (tryb && std::strcmp(tryb, "windowed") == 0) karta = GFX_AUTODETECT_WINDOWED;
  if (karta == -1 || set_gfx_mode(karta, 1024, 768, 0, 0) != 0) {
    char tekst[300];
    std::snprintf(tekst, sizeof tekst, "Cannot set the 1024x768 screen mode \"%s\": %s",
                  tryb ? tryb : "", karta == -1 ? "unknown mode" : allegro_error);
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    zakoncz_z_komunikatem(tekst);
  }
  set_window_title("Twierdze");
  set_close_button_callback(zglos_prosbe_zamkniecia);
  bufor = create_bitmap(1024, 768);
  clear_to_color(bufor, 0);
  char blad[256];
  if (!wczytaj_pliki(blad)) {
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    zakoncz_z_komunikatem(blad);
  }
  show_mouse(nullptr);
  rysowanie = 1;
  czas_klatki = zegar();
}

grafika::grafika(tryb_grafiki tryb) {
  rysowanie = 1;
  if (tryb == tryb_grafiki::atrapa) return;
  bufor = create_bitmap(1024, 768);
  if (bufor) clear_to_color(bufor, 0);
  char blad[256];
  wczytaj_pliki(blad);
  czas_klatki = zegar();
}

grafika::~grafika() {
  if (na_ekranie && keyboard_driver) clear_keybuf();
  int liczba = 0;
  const plik_bitmapy* pliki = tabela_bitmap::pobierz(liczba);
  for (int i = 0; i < liczba; ++i)
    if (this->*pliki[i].pole) destroy_bitmap(this->*pliki[i].pole);
  if (bufor) destroy_bitmap(bufor);
  if (interfejs_rle) destroy_rle_sprite(interfejs_rle);
  if (czcionka) destroy_font(czcionka);
  if (na_ekranie) allegro_exit();
}

bool grafika::wczytaj_pliki(char* blad) {
  int liczba = 0;
  const plik_bitmapy* pliki = tabela_bitmap::pobierz(liczba);
  bool wszystkie = true;
  if (blad) blad[0] = 0;
  for (int i = 0; i < liczba; ++i) {
    BITMAP*& cel = this->*pliki[i].pole;
    if (cel) continue;
    std::string sciezka = znajdz_plik(pliki[i].sciezka);
    cel = czy_zwykly_plik(sciezka.c_str()) ? load_bitmap(sciezka.c_str(), nullptr) : nullptr;
    if (cel && pliki[i].pole == &grafika::mapa_myszki && (cel->w < 40 || cel->h < 60)) {
      destroy_bitmap(cel);
      cel = nullptr;
    }
    if (!cel && wszystkie) {
      if (blad) std::snprintf(blad, 256, "Cannot load %s (missing or damaged)", pliki[i].sciezka);
      wszystkie = false;
    }
  }
  if (!czcionka) {
    std::string sciezka = znajdz_plik("Pliki_danych/Fonty/ex01.pcx");
    czcionka = czy_zwykly_plik(sciezka.c_str()) ? load_font(sciezka.c_str(), nullptr, nullptr)
                                                : nullptr;
    if (czcionka && !czy_pelna_czcionka(czcionka)) {
      destroy_font(czcionka);
      czcionka = nullptr;
    }
    if (!czcionka && wszystkie) {
      if (blad) std::snprintf(blad, 256, "Cannot load Pliki_danych/Fonty/ex01.pcx (missing or damaged)");
      wszystkie = false;
    }
  }
  return wszystkie;
}

void grafika::ustaw_zegar(zegar_ms z) {
  zegar = z ? z : zegar_scienny_ms;
  czas_klatki = zegar();
}
