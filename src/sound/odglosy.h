#pragma once
#include "dzwiek.h"

// One WAV sound effect, played from memory at volume 125, pan 125, without looping.
class odglosy : public dzwiek {
 public:
  explicit odglosy(const char* nazwa);
  ~odglosy() override;
  int odtwarzaj() override;
  bool czy_wczytany() const { return probka != nullptr; }

 private:
  SAMPLE* probka = nullptr;
};
