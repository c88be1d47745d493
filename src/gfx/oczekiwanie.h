#pragma once
#include <allegro.h>

#include <functional>

class grafika;

// Sleeping while nothing happens. After a pass the loop remembers the pointer, its buttons,
// the wheel, the keys and the window's close button, then sleeps in short steps until one of
// them changes or the clock of the graphics context reaches the time something is due (the
// next animation step, a scrolling step, the computer's next order). What must go on while
// it sleeps (feeding the music) runs between the steps.
class oczekiwanie {
 public:
  typedef void (*uspienie_ms)(int ms);
  // One step of sleep: short enough that the pointer and a click answer at once.
  static const int KROK_MS = 5;

  // uspij null: the library's rest().
  explicit oczekiwanie(const grafika* ekran, uspienie_ms uspij = nullptr);
  // Remembers the input as it is now.
  void zapamietaj();
  // The input is not what was remembered.
  bool czy_zmiana() const;
  // Sleeps until the clock reaches termin, or until the input changes, but for a change not
  // before najwczesniej (so a moving pointer does not make the loop run flat out). A termin
  // already past returns at once. Returns the number of steps slept.
  int czekaj(long termin, long najwczesniej, const std::function<void()>& w_tle);

 private:
  struct stan_wejscia {
    int x = 0, y = 0, z = 0, b = 0;
    bool zamkniecie = false;
    char klawisze[KEY_MAX] = {};
  };
  static stan_wejscia odczytaj();
  static bool rowne(const stan_wejscia& a, const stan_wejscia& b);
  long teraz() const;

  const grafika* ekran;
  uspienie_ms uspij;
  stan_wejscia zapamietany;
};
