#include "coil_design/loop_coil.h"

#include <gtest/gtest.h>

namespace coil_design {
namespace {

constexpr LoopInputs kDefaults{650, 15, 1};

TEST(LoopCoil, InductanceAtTheDefaults) {
  ASSERT_FALSE(LoopInductanceRejected(kDefaults, 13));
  EXPECT_EQ(InductanceText(LoopInductance(kDefaults, 13)), "395.47 μH");
  const Real length = LoopWireLength(kDefaults, 13);
  EXPECT_EQ(LengthLine(length), "長さ ： 33.8 m");
  // 59.40 g loses its trailing zero
  EXPECT_EQ(WeightLine(CopperWeight(0.5L, length, 2)), "重量 ： 59.4 g");
}

TEST(LoopCoil, TurnsAtTheDefaults) {
  ASSERT_FALSE(LoopTurnsRejected(kDefaults, 360));
  const Real turns = LoopTurns(kDefaults, 360);
  EXPECT_EQ(TurnsText(turns), "12.4 巻");
  // the length is taken from the unrounded turns: 32.25 m, not 32.24 m
  const Real length = LoopWireLength(kDefaults, turns);
  EXPECT_EQ(LengthLine(length), "長さ ： 32.25 m");
  EXPECT_EQ(WeightLine(CopperWeight(0.5L, length, 2)), "重量 ： 56.67 g");
}

TEST(LoopCoil, ZeroProducts) {
  EXPECT_TRUE(LoopInductanceRejected({0, 15, 1}, 13));
  EXPECT_TRUE(LoopInductanceRejected({650, 0, 1}, 13));
  EXPECT_TRUE(LoopInductanceRejected({650, 15, 0}, 13));
  EXPECT_TRUE(LoopInductanceRejected(kDefaults, 0));
  EXPECT_TRUE(LoopTurnsRejected(kDefaults, 0));
  EXPECT_TRUE(LoopTurnsRejected({650, 15, 0}, 360));
}

TEST(LoopCoil, SectionLargerThanTheSideStillGivesAnInductance) {
  // ln(a/q) is negative, the bracket stays positive.
  EXPECT_GT(LoopInductance({100, 500, 1}, 10), 0);
  EXPECT_EQ(TurnsText(LoopTurns({100, 500, 1}, LoopInductance({100, 500, 1}, 10) * 1000000)), "10 巻");
}

} // namespace
} // namespace coil_design
