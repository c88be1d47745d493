#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Shared set-up of the fuzz targets: the library without a screen, and a scratch file that
// each input is written to before a reader opens it.
void przygotuj_biblioteke();
// Writes the input to a file in a private scratch folder and returns its path.
const std::string& zapisz_wejscie(const uint8_t* dane, size_t rozmiar, const char* nazwa);
