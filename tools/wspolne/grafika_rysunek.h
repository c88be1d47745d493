#pragma once
#include <functional>

#include "obraz.h"

// Small drawing kit of the picture-sheet generator: filled shapes with hard edges (the game
// blits masked, so sprites must not fade into pink), shaded by a light from the upper left.

// Tests a pixel centre (x + 0.5, y + 0.5) against a shape.
using ksztalt = std::function<bool(float x, float y)>;

// Multiplies the colour channels by f (1 = unchanged), clamped to 0..255.
kolor_rgba rozjasnij(kolor_rgba k, float f);
// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
kolor_rgba pomiesz(kolor_rgba a, kolor_rgba b, float t);

// Fills the shape within the box (x0, y0, x1, y1) with k, lighter towards the upper-left
// corner of the box and darker towards the lower right by the strength cien (0 = flat).
void wypelnij(obraz& o, const ksztalt& s, float x0, float y0, float x1, float y1,
              kolor_rgba k, float cien = 0.45f);

// Ready-made shapes, all shaded as above.
void elipsa(obraz& o, float cx, float cy, float rx, float ry, kolor_rgba k, float cien = 0.45f);
void wielokat(obraz& o, const float* punkty, int ile, kolor_rgba k, float cien = 0.45f);
void pas(obraz& o, float x0, float y0, float x1, float y1, float grubosc, kolor_rgba k,
         float cien = 0.3f);
void blok(obraz& o, float x, float y, float sz, float wy, kolor_rgba k, float cien = 0.45f);

// Draws a one-pixel dark outline around everything that is not pink.
void obrysuj(obraz& o, kolor_rgba k);

// Lattice-periodic value noise: the same value at (x, y), (x + 40, y) and (x + 20, y + 30),
// so tiles filled with it join seamlessly in the staggered field grid. n cells per period.
float szum_okresowy(float x, float y, int n, unsigned ziarno);
// Several octaves of the noise above, result about 0..1.
float szum_warstwowy(float x, float y, int n, unsigned ziarno, int oktawy = 3);
// Deterministic hash of integers to 0..1.
float hasz(int a, int b, unsigned ziarno);
