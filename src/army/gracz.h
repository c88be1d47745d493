#pragma once

// One side's purse and technologies (0 and 1 owned from the start, 2..5 to buy).
class gracz {
 public:
  gracz();
  int pobierz_zloto() const { return zloto; }
  void zmien_zloto(int z);
  // Subtracts the amount (a negative amount adds); saturates instead of wrapping.
  void zaplac(int kwota);
  void kup_technologie(short t);
  bool sprawdz_technologie(short t) const;
  void zwieksz_jednostki() { ++liczba_jednostek; }
  void zmniejsz_jednostki() { --liczba_jednostek; }
  int pobierz_liczbe_jednostek() const { return liczba_jednostek; }

 private:
  int zloto;
  bool technologie[6];
  int liczba_jednostek;
};

// Price of technology t (2..5): 1000, 2000, 4000, 8000; 0 for any other t.
int cena_technologii(int t);
