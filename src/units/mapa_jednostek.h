#pragma once
class jednostka;

// Which unit stands on each of the 3600 fields (not owning them). Off-map positions read
// null and write nothing.
class mapa_jednostek {
 public:
  mapa_jednostek();
  ~mapa_jednostek();
  mapa_jednostek(const mapa_jednostek&) = delete;
  mapa_jednostek& operator=(const mapa_jednostek&) = delete;

  void wstaw_jednostke(jednostka* j);
  jednostka* pobierz_jednostke(int x, int y) const;
  void zeruj_pole(int x, int y);
  // Clears (x, y) only if it holds j; the rule for a unit that leaves or falls.
  void zeruj_pole_jesli(int x, int y, const jednostka* j);

 private:
  jednostka** pola_jednostek;
};
