#include <gtest/gtest.h>

#include "jednostka.h"

namespace {

// The life bar is 43 pixels at full health and never wider, whatever the numbers.
TEST(RysowanieJednostek, SzerokoscPaska) {
  const int przypadki[][3] = {{200, 200, 43}, {100, 200, 21}, {1, 200, 0},  {0, 200, 0},
                              {-5, 200, 0},   {500, 200, 43}, {50, 0, 0},   {50, -10, 0},
                              {2000000000, 2000000000, 43},   {1999999999, 2000000000, 42}};
  for (auto& c : przypadki) EXPECT_EQ(szerokosc_paska_zycia(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

}  // namespace
