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

// On a table point the factor is the point's own value exactly.
class SpiralCoilFactorPointTest : public SpiralCoilFactorTest {};

TEST_P(SpiralCoilFactorPointTest, Exact) { EXPECT_EQ(SpiralCoilFactor(GetParam().x), GetParam().f); }

INSTANTIATE_TEST_SUITE_P(Points, SpiralCoilFactorPointTest,
                         ::testing::Values(FactorCase{"FlatBelow", 0.03L, 7.7L},
                                           FactorCase{"FlatJustBelowTheFirstPoint", 0.0499L, 7.7L},
                                           FactorCase{"FirstPoint", 0.05L, 7.7L},
                                           FactorCase{"Half", 0.5L, 19}, FactorCase{"Steep", 0.9L, 46},
                                           FactorCase{"FlatFromTheLastPoint", 0.925L, 50},
                                           FactorCase{"FlatAbove", 0.95L, 50},
                                           FactorCase{"FlatAtOne", 1, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

class SpiralCoilFactorBetweenTest : public SpiralCoilFactorTest {};

TEST_P(SpiralCoilFactorBetweenTest, Linear) {
  EXPECT_NEAR(static_cast<double>(SpiralCoilFactor(GetParam().x)), static_cast<double>(GetParam().f), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Segments, SpiralCoilFactorBetweenTest,
                         ::testing::Values(FactorCase{"FirstSegment", 0.075L, 8.1L},
                                           FactorCase{"SecondSegment", 0.15L, 9.45L},
                                           FactorCase{"JustBelowAPoint", 0.3L - 1e-15L, 12.9L},
                                           FactorCase{"NarrowSegment", 0.825L, 37.45L},
                                           FactorCase{"LastSegment", 0.92L, 49.2L},
                                           FactorCase{"JustBelowTheFlatEnd", 0.925L - 1e-15L, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EqualPerimeterRadius, SquareOfHalfDiagonalOne) {
  // The square's side is √2, its perimeter 4√2, the circle's radius 2√2/π.
  EXPECT_NEAR(static_cast<double>(EqualPerimeterRadius(1)), 0.900316316157106, 1e-15);
}

struct SpiralCase {
  const char* name;
  bool square;
  const char* inductance;
  const char* inductanceLines;
  const char* turns;
  const char* turnsLines;
};

class SpiralDefaultsTest : public ::testing::TestWithParam<SpiralCase> {};

TEST_P(SpiralDefaultsTest, BothCalculations) {
  const auto& c = GetParam();
  const SpiralInputs in{c.square, 430, 290, 1};
  const auto lines = [](Real length) {
    return LengthLine(length) + "|" + WeightLine(CopperWeight(0.5L, length, 2));
  };
  ASSERT_FALSE(SpiralInductanceRejected(in, 17));
  EXPECT_EQ(InductanceText(SpiralInductance(in, 17)), c.inductance);
  EXPECT_EQ(lines(SpiralWireLength(in, 17)), c.inductanceLines);

  ASSERT_FALSE(SpiralTurnsRejected(in, 300));
  const Real turns = SpiralTurns(in, 300);
  EXPECT_EQ(TurnsText(turns), c.turns);
  EXPECT_EQ(lines(SpiralWireLength(in, turns)), c.turnsLines);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SpiralDefaultsTest,
    ::testing::Values(SpiralCase{"Square", true, "301.74 μH", "長さ ： 34.22 m|重量 ： 60.14 g", "16.95 巻",
                                 "長さ ： 34.2 m|重量 ： 60.1 g"},
                      SpiralCase{"Circle", false, "335.15 μH", "長さ ： 38.01 m|重量 ： 66.8 g", "16.08 巻",
                                 "長さ ： 37.56 m|重量 ： 66.01 g"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpiralCoil, ThickerWireReweighsTheLengthKeptInTheHiddenLabel) {
  const std::string hidden = quelm::FormatGeneral(SpiralWireLength({true, 430, 290, 1}, 17));
  EXPECT_EQ(hidden, "34.22");
  EXPECT_EQ(WeightLine(CopperWeight(0.8L, ReadLengthText(hidden), 2)), "重量 ： 153.95 g");
}

TEST(SpiralCoil, Checks) {
  EXPECT_TRUE(SpiralInductanceRejected({true, 290, 290, 1}, 17));
  EXPECT_TRUE(SpiralInductanceRejected({false, 200, 290, 1}, 17));
  EXPECT_TRUE(SpiralInductanceRejected({true, 430, 0, 1}, 17));
  EXPECT_TRUE(SpiralInductanceRejected({true, 430, 290, 1}, 0));
  EXPECT_TRUE(SpiralTurnsRejected({true, 430, 290, 1}, 0));
  EXPECT_TRUE(SpiralTurnsRejected({false, 290, 290, 1}, 300));
  EXPECT_FALSE(SpiralInductanceRejected({true, 430, 290, 0}, 17));
  EXPECT_FALSE(SpiralTurnsRejected({true, 430, 290, 0}, 300));
}

TEST(SpiralCoil, NoPermeability) {
  const SpiralInputs in{true, 430, 290, 0};
  EXPECT_EQ(InductanceText(SpiralInductance(in, 17)), "0 nH");
  try {
    SpiralTurns(in, 300);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::DivisionByZero);
  }
}

struct LongWireCase {
  const char* name;
  Real turns;
  Real metres; // worked at 40 digits
};

class SpiralLongWireTest : public ::testing::TestWithParam<LongWireCase> {};

// Turn by turn up to 100000 turns, in closed form beyond; the same sums.
TEST_P(SpiralLongWireTest, Length) {
  EXPECT_EQ(SpiralWireLength({false, 430, 290, 1}, GetParam().turns), GetParam().metres);
}

INSTANTIATE_TEST_SUITE_P(Counts, SpiralLongWireTest,
                         ::testing::Values(LongWireCase{"TurnByTurn", 100000, 226194.23L},
                                           LongWireCase{"ClosedForm", 200000, 452388.9L},
                                           LongWireCase{"AMillionTurns", 1000000, 2261946.27L}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace coil_design
