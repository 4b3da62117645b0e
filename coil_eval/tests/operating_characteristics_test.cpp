// Q and bandwidth from the −3 dB frequencies, and the √2 conversions.
#include "coil_eval/operating_characteristics.h"

#include <gtest/gtest.h>

#include "coil_eval/tests/fault_of.h"

namespace coil_eval {
namespace {

TEST(Operating, QAndBandwidth) {
  const auto text = [](Real f1, Real f2) {
    const OperatingResult r = OperatingCharacteristics(f1, f2);
    return r.q + "|" + r.bandwidth;
  };
  EXPECT_EQ(text(997.5L, 1002.5L), "200|5");
  // 2000.1/11 = 181.8272…; the bandwidth is not rounded, yet reads 5.5 in 15 digits.
  EXPECT_EQ(text(997.3L, 1002.8L), "181.83|5.5");
  EXPECT_EQ(text(1002.5L, 997.5L), "-200|-5");
  EXPECT_EQ(text(0, 1002.5L), " | ");
  EXPECT_EQ(FaultOf([] { OperatingCharacteristics(1000, 1000); }), quelm::FaultKind::DivisionByZero);
}

TEST(Operating, ThreeDbLevels) {
  EXPECT_EQ(MinusThreeDbText(1), "0.707");
  EXPECT_EQ(MinusThreeDbText(1000), "707.107");
  EXPECT_EQ(PlusThreeDbText(1), "1.414");
}

} // namespace
} // namespace coil_eval
