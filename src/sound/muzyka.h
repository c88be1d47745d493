#pragma once
#include "dzwiek.h"

// One music track: a stream opened on a file at construction; plays after przygotuj().
class muzyka : public dzwiek {
 public:
  explicit muzyka(const char* nazwa);
  ~muzyka() override;
};
