#include "coil_design/square_coil.h"

#include <gtest/gtest.h>

#include "core/format.h"

namespace coil_design {
namespace {

SquareInputs Defaults(bool byLength) { return {650, 650, 15, 0.6L, 1, byLength}; }

std::string Lines(const Wire& wire) {
  return LengthLine(wire.length) + "|" + DiameterLine(wire.diameter, wire.suffix) + "|" +
         WeightLine(wire.weight);
}

struct FactorCase {
  const char* name;
  Real s;
  Real l;
  Real k;
};

class SquareCoilFactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(SquareCoilFactorTest, Branches) {
  const auto& c = GetParam();
  EXPECT_NEAR(static_cast<double>(SquareCoilFactor(c.s, c.l)), static_cast<double>(c.k), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, SquareCoilFactorTest,
                         ::testing::Values(
                             // Equal length and side take the short-coil branch: 0.4622 + 0.212.
                             FactorCase{"EqualIsShort", 0.65L, 0.65L, 0.6742L},
                             // Just longer than the side: 1 − 0.473 + 0.1592 in the limit.
                             FactorCase{"JustLongerIsLong", 1, 1.0000000001L, 0.6862L},
                             FactorCase{"TwiceTheSide", 1, 2, 1 - 0.473L / 2 + 0.1592L / 4},
                             // The defaults: 15 mm on a 650 mm side.
                             FactorCase{"DefaultShort", 0.65L, 0.015L, 0.0661540039L}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SquareCase {
  const char* name;
  bool byLength;
  const char* inductance;
  const char* inductanceLines;
  const char* turns;
  const char* turnsLines;
};

class SquareDefaultsTest : public ::testing::TestWithParam<SquareCase> {};

TEST_P(SquareDefaultsTest, BothCalculations) {
  const auto& c = GetParam();
  const SquareInputs in = Defaults(c.byLength);
  ASSERT_FALSE(SquareInductanceRejected(in, 13));
  EXPECT_EQ(InductanceText(SquareInductance(in, 13)), c.inductance);
  EXPECT_EQ(Lines(SquareWire(in, 13)), c.inductanceLines);

  ASSERT_FALSE(SquareTurnsRejected(in, 360));
  const SquareTurns turns = SquareTurnsOf(in, 360);
  ASSERT_TRUE(turns.inRange);
  EXPECT_EQ(TurnsText(turns.turns), c.turns);
  EXPECT_EQ(Lines(SquareWire(in, turns.turns)), c.turnsLines);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SquareDefaultsTest,
    ::testing::Values(SquareCase{"LengthGiven", true, "395.72 μH",
                                 "長さ ： 33.8 m|線径 ： 1.1538 mm|重量 ： 316.3 g", "12.4 巻",
                                 "長さ ： 32.24 m|線径 ： 1.2097 mm|重量 ： 331.6 g"},
                      SquareCase{"WireGiven", false, "452.87 μH",
                                 "長さ ： 33.8 m|線径 ： 0.6 mm|重量 ： 85.5 g", "11.46 巻",
                                 "長さ ： 29.8 m|線径 ： 0.6 mm|重量 ： 75.4 g"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SquareCoil, RectangleActsAsTheSquareOfEqualArea) {
  for (const bool byLength : {true, false}) {
    const SquareInputs rectangle{400, 900, 15, 0.6L, 1, byLength};
    const SquareInputs square{600, 600, 15, 0.6L, 1, byLength};
    EXPECT_EQ(SquareInductance(rectangle, 13), SquareInductance(square, 13));
    EXPECT_EQ(SquareTurnsOf(rectangle, 360).turns, SquareTurnsOf(square, 360).turns);
  }
}

TEST(SquareCoil, WireDiameterIsCheckedEvenWhenLengthIsGiven) {
  EXPECT_TRUE(SquareInductanceRejected({650, 650, 15, 0, 1, true}, 13));
  EXPECT_FALSE(SquareTurnsRejected({650, 650, 15, 0, 1, true}, 360));
  EXPECT_TRUE(SquareTurnsRejected({650, 650, 15, 0, 1, false}, 360));
  EXPECT_TRUE(SquareTurnsRejected({650, 650, 0, 0.6L, 1, true}, 360));
  EXPECT_FALSE(SquareTurnsRejected({650, 650, 0, 0.6L, 1, false}, 360));
  EXPECT_TRUE(SquareInductanceRejected({650, 0, 15, 0.6L, 1, true}, 13));
  EXPECT_TRUE(SquareTurnsRejected({650, 650, 15, 0.6L, 0, false}, 360));
}

// The search (wire diameter given) ends on the first multiple of 0.01 turn
// whose inductance exceeds the target, also across the change of branch.
TEST(SquareTurnsSearch, EndsJustAboveTheTarget) {
  const SquareInputs in = Defaults(false);
  for (const Real target : {0.5L, 360.0L, 5000.0L, 90000.0L}) {
    const SquareTurns result = SquareTurnsOf(in, target);
    ASSERT_TRUE(result.inRange) << quelm::FormatGeneral(target);
    EXPECT_GT(SquareInductance(in, result.turns) * 1000000, target) << quelm::FormatGeneral(target);
    EXPECT_LE(SquareInductance(in, result.turns - 0.01L) * 1000000, target) << quelm::FormatGeneral(target);
  }
}

TEST(SquareTurnsSearch, StopsAtTheTurnsBound) {
  const SquareInputs in = Defaults(false);
  // Well inside: about 9000 turns.
  const SquareTurns inside = SquareTurnsOf(in, SquareInductance(in, 9000) * 1000000);
  ASSERT_TRUE(inside.inRange);
  EXPECT_EQ(TurnsText(inside.turns), "9000.01 巻");
  EXPECT_FALSE(SquareTurnsOf(in, SquareInductance(in, 10000.5L) * 1000000).inRange);
  EXPECT_FALSE(SquareTurnsOf(in, 1e30L).inRange);
  EXPECT_FALSE(SquareTurnsOf({650, 650, 15, 0.6L, 1e-3000L, false}, 360).inRange);
}

} // namespace
} // namespace coil_design
