#pragma once
#include <vector>

class mapa;
class mapa_jednostek;

// Movement points from every field to the nearest of a set of fields, over the terrain's
// costs: water is never crossed and neither is a field held by a castle, a tower or a town
// (they never move); other units are left out, since they do.
class mapa_odleglosci {
 public:
  static constexpr int NIEOSIAGALNE = 1 << 20;

  mapa_odleglosci();
  // cele: field indices (y * 60 + x) to reach; they count 0.
  void oblicz(const mapa& teren, const mapa_jednostek* siatka, const std::vector<int>& cele);
  // NIEOSIAGALNE for a field that cannot reach any target, or off the map.
  int odleglosc(int x, int y) const;
  bool czy_pusta() const { return pusta; }

 private:
  std::vector<int> d;
  bool pusta = true;
};

// The steps between two fields of the offset rows, terrain aside.
int odleglosc_heksow(int x1, int y1, int x2, int y2);
