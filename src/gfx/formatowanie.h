#pragma once
#include <cstddef>

// Expands a text as a format with one number: "%d" becomes the number, "%%" a percent sign,
// any other '%' stays as it stands. Writes at most rozmiar - 1 characters and a terminator.
void formatuj(char* wynik, std::size_t rozmiar, const char* wzor, int liczba);
