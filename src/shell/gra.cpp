#include "gra.h"

gra::gra(char* tryb) { (void)tryb; }

gra::~gra() = default;
