#include "jednostka.h"
// Unit control: handled in the next commit.
