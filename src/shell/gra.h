#pragma once

// The game object: starts the screen, runs the main menu, loads the chosen game and runs
// the main loop until the player leaves.
class gra {
 public:
  explicit gra(char* tryb);
  ~gra();
  gra(const gra&) = delete;
  gra& operator=(const gra&) = delete;
};
