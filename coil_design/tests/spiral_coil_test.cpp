#include "coil_design/spiral_coil.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format.h"

namespace coil_design {
namespace {

struct FactorCase {
  const char* name;
  Real x;
  Real f;
};

class SpiralCoilFactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(SpiralCoilFactorTest, Factor) {
  EXPECT_NEAR(static_cast<double>(SpiralCoilFactor(GetParam().x)), static_cast<double>(GetParam().f), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpiralCoilFactorTest,
    ::testing::Values(FactorCase{"FlatBelow", 0.03L, 7.7L}, FactorCase{"FirstPoint", 0.05L, 7.7L},
                      FactorCase{"FirstSegment", 0.075L, 8.1L},
                      FactorCase{"JustBelowAPoint", 0.3L - 1e-15L, 12.9L}, FactorCase{"OnAPoint", 0.5L, 19},
                      FactorCase{"NarrowSegment", 0.825L, 37.45L}, FactorCase{"LastSegment", 0.92L, 49.2L},
                      FactorCase{"FlatFromTheLastPoint", 0.925L, 50}, FactorCase{"FlatAbove", 0.95L, 50}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpiralCase {
  const char* name;
  bool square;
  const char* inductance; // with its wire lines, for 17 turns
  const char* turns;      // with its wire lines, for 300 μH
};

class SpiralDefaultsTest : public ::testing::TestWithParam<SpiralCase> {};

TEST_P(SpiralDefaultsTest, BothCalculations) {
  const auto& c = GetParam();
  const SpiralInputs in{c.square, 430, 290, 1};
  const auto lines = [&](Real turns) {
    const Real length = SpiralWireLength(in, turns);
    return LengthLine(length) + "|" + WeightLine(CopperWeight(0.5L, length, 2));
  };
  EXPECT_EQ(InductanceText(SpiralInductance(in, 17)) + "|" + lines(17), c.inductance);
  const Real turns = SpiralTurns(in, 300);
  EXPECT_EQ(TurnsText(turns) + "|" + lines(turns), c.turns);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SpiralDefaultsTest,
    ::testing::Values(SpiralCase{"Square", true, "301.74 μH|長さ ： 34.22 m|重量 ： 60.14 g",
                                 "16.95 巻|長さ ： 34.2 m|重量 ： 60.1 g"},
                      SpiralCase{"Circle", false, "335.15 μH|長さ ： 38.01 m|重量 ： 66.8 g",
                                 "16.08 巻|長さ ： 37.56 m|重量 ： 66.01 g"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpiralCoil, ThickerWireReweighsTheLengthKeptInTheHiddenLabel) {
  const std::string hidden = quelm::FormatGeneral(SpiralWireLength({true, 430, 290, 1}, 17));
  EXPECT_EQ(hidden, "34.22");
  EXPECT_EQ(WeightLine(CopperWeight(0.8L, ReadLengthText(hidden), 2)), "重量 ： 153.95 g");
}

TEST(SpiralCoil, ChecksAndNoPermeability) {
  EXPECT_TRUE(SpiralInductanceRejected({true, 290, 290, 1}, 17));
  EXPECT_TRUE(SpiralTurnsRejected({false, 200, 290, 1}, 300));
  EXPECT_TRUE(SpiralInductanceRejected({true, 430, 0, 1}, 17));
  EXPECT_TRUE(SpiralTurnsRejected({true, 430, 290, 1}, 0));
  const SpiralInputs in{true, 430, 290, 0};
  ASSERT_FALSE(SpiralTurnsRejected(in, 300));
  EXPECT_EQ(InductanceText(SpiralInductance(in, 17)), "0 nH");
  try {
    SpiralTurns(in, 300);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::DivisionByZero);
  }
}

TEST(SpiralWireLength, LongWiresTurnByTurnAndInClosedForm) {
  // circular, worked at 40 digits
  EXPECT_EQ(SpiralWireLength({false, 430, 290, 1}, 100000), 226194.23L);
  EXPECT_EQ(SpiralWireLength({false, 430, 290, 1}, 1000000), 2261946.27L);
}

} // namespace
} // namespace coil_design
