#pragma once
// A 2-D point of two floats: field positions and screen offsets.
class punkt {
 public:
  punkt() : x(0), y(0) {}
  punkt(float px, float py) : x(px), y(py) {}
  punkt(const punkt& p) = default;
  punkt& operator=(const punkt& p) = default;
  punkt operator+(const punkt& p) const { return punkt(x + p.x, y + p.y); }
  float rx() const { return x; }
  float ry() const { return y; }
  // Sets x for selector 1.0, y for 2.0; any other selector changes nothing.
  void wpisz(float ktora, float wartosc) {
    if (ktora == 1.0f) x = wartosc;
    else if (ktora == 2.0f) y = wartosc;
  }

 private:
  float x;
  float y;
};
