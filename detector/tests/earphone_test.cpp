// The earphone chart's curves follow the measured characteristics they are
// drawn from.
#include <gtest/gtest.h>

#include <cmath>

#include "detector/earphone.h"

namespace detector {
namespace {

::testing::AssertionResult Near(Real actual, Real expected, Real tolerance) {
  if (std::fabs(actual - expected) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << static_cast<double>(actual) << " is not within " << static_cast<double>(tolerance) << " of "
         << static_cast<double>(expected);
}

// The frequency in [from, to] where f is lowest (or highest), in 1 Hz steps.
template <class F> Real Extreme(F f, Real from, Real to, bool lowest) {
  Real best = from;
  for (Real hz = from; hz <= to; hz += 1) {
    if (lowest ? f(hz) < f(best) : f(hz) > f(best))
      best = hz;
  }
  return best;
}

TEST(Earphone, CrystalFallsWithABumpNear3700Hz) {
  EXPECT_TRUE(Near(CrystalEarphoneKiloohms(300), 300, 1));
  EXPECT_TRUE(Near(CrystalEarphoneKiloohms(5000), 30, 1));
  EXPECT_TRUE(Near(Extreme(CrystalEarphoneKiloohms, 3400, 4000, false), 3700, 50));
  EXPECT_GT(CrystalEarphoneKiloohms(3700), CrystalEarphoneKiloohms(3400));
}

TEST(Earphone, CeramicFallsWithItsResonances) {
  EXPECT_TRUE(Near(CeramicEarphoneKiloohms(200), 50, 2));
  EXPECT_TRUE(Near(CeramicEarphoneKiloohms(5000), 2.5L, 0.3L));
  const Real dip = Extreme(CeramicEarphoneKiloohms, 3000, 3300, true);
  const Real peak = Extreme(CeramicEarphoneKiloohms, 3300, 3600, false);
  EXPECT_TRUE(Near(dip, 3200, 20));
  EXPECT_TRUE(Near(peak, 3400, 20));
  EXPECT_TRUE(Near(CeramicEarphoneKiloohms(dip), 0.6L, 0.15L));
  EXPECT_TRUE(Near(CeramicEarphoneKiloohms(peak), 20, 3));
}

TEST(Earphone, CurvesStayOnTheChart) {
  for (const EarphoneCurve& curve : kEarphoneCurves) {
    for (Real hz = curve.fromHz; hz <= kChartMaxHz; hz += 10) {
      EXPECT_GE(curve.kiloohms(hz), kChartMinKiloohms) << curve.legend << " " << static_cast<double>(hz);
      EXPECT_LE(curve.kiloohms(hz), kChartMaxKiloohms) << curve.legend << " " << static_cast<double>(hz);
    }
  }
}

} // namespace
} // namespace detector
