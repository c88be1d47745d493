#include <gtest/gtest.h>

#include <vector>

#include "ocena_walki.h"

namespace {

// Every draw of one blow as the fight makes it: block draw 0..99, then a part below the attack
// less, when blocked, a part below the defence; never below 0. Counts of each damage.
std::vector<double> rozklad_ciosu(float atak, float obrona) {
  const int a = (int)atak, o = (int)obrona;
  std::vector<double> ile(a > 0 ? a : 1, 0.0);
  double wszystkie = 0.0;
  for (int r1 = 0; r1 < 100; ++r1)
    for (int r2 = 0; r2 < (a > 0 ? a : 1); ++r2)
      for (int r3 = 0; r3 < (o > 0 ? o : 1); ++r3) {
        int d = a >= 1 ? r2 : 0;
        if ((float)r1 < obrona && o >= 1) d -= r3;
        ile[d < 0 ? 0 : d] += 1.0;
        wszystkie += 1.0;
      }
  for (double& x : ile) x /= wszystkie;
  return ile;
}

TEST(OcenaWalki, ZgadzaSieZKazdymLosowaniemCiosu) {
  // Even and fractional values, a defence that always blocks, one that blocks without a
  // divisor, and attacks too weak to hurt.
  const struct {
    float atak, obrona;
  } przypadki[] = {{40, 50},   {95, 90},   {95, 99.0f}, {80, 105.5f}, {60, 0.5f},
                   {10, 11.25f}, {0.5f, 30}, {150, 30},   {1, 1}};
  for (const auto& p : przypadki) {
    const std::vector<double> r = rozklad_ciosu(p.atak, p.obrona);
    double srednia = 0.0;
    for (std::size_t d = 0; d < r.size(); ++d) srednia += d * r[d];
    EXPECT_NEAR(srednie_obrazenia(p.atak, p.obrona), srednia, 1e-9) << p.atak << "/" << p.obrona;
    EXPECT_EQ(najwieksze_obrazenia(p.atak), (int)r.size() - 1) << p.atak;
    for (int prog : {0, 1, 20, (int)r.size() - 1, (int)r.size()}) {
      double szansa = prog <= 0 ? 1.0 : 0.0;
      for (std::size_t d = prog > 0 ? prog : 0; d < r.size() && prog > 0; ++d) szansa += r[d];
      EXPECT_NEAR(szansa_obrazen(p.atak, p.obrona, prog), szansa, 1e-9)
          << p.atak << "/" << p.obrona << " at least " << prog;
    }
  }
}

}  // namespace
