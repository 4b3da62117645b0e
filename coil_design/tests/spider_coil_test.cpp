#include "coil_design/spider_coil.h"

#include <gtest/gtest.h>

#include "coil_design/turns_walk.h"
#include "core/errors.h"

namespace coil_design {
namespace {

SpiderInputs Defaults(bool byOuter) { return {30, 72, 0.5L, 1, byOuter}; }

std::string Lines(const Wire& wire) {
  return LengthLine(wire.length) + "|" + DiameterLine(wire.diameter) + "|" + WeightLine(wire.weight);
}

struct TextCase {
  const char* name;
  Real microhenries;
  const char* text;
};

class SpiderInductanceTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SpiderInductanceTextTest, Text) {
  EXPECT_EQ(SpiderInductanceText(GetParam().microhenries), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, SpiderInductanceTextTest,
                         ::testing::Values(TextCase{"Zero", 0, "0 nH"},
                                           // two decimals for nanohenries too
                                           TextCase{"NanohenriesTwoDecimals", 0.123456L, "123.46 nH"},
                                           TextCase{"OneMicrohenryIsNanohenries", 1, "1000 nH"},
                                           // 2.125 is exact: the tie goes to the even neighbour
                                           TextCase{"TieToEven", 2.125L, "2.12 μH"},
                                           TextCase{"OneMillihenryIsMicrohenries", 1000, "1000 μH"},
                                           TextCase{"Millihenries", 7044.7L, "7.04 mH"},
                                           TextCase{"OneHenryIsMillihenries", 1000000, "1000 mH"},
                                           TextCase{"Henries", 2345678, "2.35 H"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DefaultsCase {
  const char* name;
  bool byOuter;
  const char* turnsLines;
};

class SpiderDefaultsTest : public ::testing::TestWithParam<DefaultsCase> {};

// 70 turns of 0.5 mm wire fill the default annulus, so both choices give
// the same coil; the turns calculations differ in their wire.
TEST_P(SpiderDefaultsTest, BothCalculations) {
  const SpiderInputs in = Defaults(GetParam().byOuter);
  EXPECT_EQ(SpiderInductanceText(SpiderInductance(in, 70)), "292.99 μH");
  EXPECT_EQ(Lines(SpiderWire(in, 70, SpiderCalc::Inductance)),
            "長さ ： 11.2815 m|線径 ： 0.5 mm|重量 ： 19.83 g");
  const SpiderTurns result = SpiderTurnsOf(in, 300);
  ASSERT_TRUE(result.inRange);
  EXPECT_EQ(SpiderTurnsText(result.turns), "70.8 巻");
  EXPECT_EQ(Lines(SpiderWire(in, result.turns, SpiderCalc::Turns)), GetParam().turnsLines);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SpiderDefaultsTest,
    ::testing::Values(DefaultsCase{"OuterGiven", true, "長さ ： 11.7008 m|線径 ： 0.49 mm|重量 ： 19.75 g"},
                      DefaultsCase{"WireGiven", false, "長さ ： 11.758 m|線径 ： 0.5 mm|重量 ： 20.66 g"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
  const char* name;
  SpiderInputs in;
  Real value; // the turns, resp. the target
  bool inductanceRejected;
  bool turnsRejected;
};

class SpiderRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(SpiderRejectTest, Checks) {
  const auto& c = GetParam();
  EXPECT_EQ(SpiderInductanceRejected(c.in, c.value), c.inductanceRejected);
  EXPECT_EQ(SpiderTurnsRejected(c.in, c.value), c.turnsRejected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SpiderRejectTest,
    ::testing::Values(RejectCase{"Defaults", {30, 72, 0.5L, 1, true}, 70, false, false},
                      RejectCase{"EqualDiametersWireGiven", {72, 72, 0.5L, 1, false}, 70, true, true},
                      RejectCase{"NoInner", {0, 72, 0.5L, 1, true}, 70, true, true},
                      RejectCase{"NoTurnsOrTarget", {30, 72, 0.5L, 1, true}, 0, true, true},
                      // with b given, μs = 0 is left to divide by zero
                      RejectCase{"NoPermeabilityOuterGiven", {30, 72, 0.5L, 0, true}, 70, false, false},
                      // with Φ given the search could never reach the target
                      RejectCase{"NoPermeabilityWireGiven", {30, 72, 0.5L, 0, false}, 70, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpiderTurns, FaultsWithTheOuterDiameterGiven) {
  const auto kind = [](const SpiderInputs& in, Real target) {
    try {
      SpiderTurnsOf(in, target);
    } catch (const quelm::CalcError& e) {
      return e.kind();
    }
    return quelm::FaultKind::Conversion;
  };
  EXPECT_EQ(kind({30, 72, 0.5L, 0, true}, 300), quelm::FaultKind::DivisionByZero);
  // 0.04 turn rounds to none, over which the width cannot be shared
  EXPECT_EQ(kind(Defaults(true), SpiderInductance(Defaults(true), 0.04L)), quelm::FaultKind::DivisionByZero);
}

TEST(SpiderWire, FractionalCountSumsTheNextWholeTurn) {
  const SpiderInputs in = Defaults(false);
  EXPECT_EQ(SpiderWire(in, 70.2L, SpiderCalc::Inductance).length,
            SpiderWire(in, 71, SpiderCalc::Inductance).length);
}

TEST(SpiderWire, LongWiresTurnByTurnAndInClosedForm) {
  // 100000 and 200000 turns, worked at 50 digits
  EXPECT_EQ(SpiderWire(Defaults(false), 100000, SpiderCalc::Inductance).length, 9434296.9865L);
  EXPECT_EQ(SpiderWire(Defaults(false), 200000, SpiderCalc::Inductance).length, 37718149.8946L);
}

// The running count of tenths passes 20 a hair above it; the page shows
// "20 巻" and sums the wire of 20 turns, not 21.
TEST(SpiderTurnsSearch, WireIsSummedForTheTurnsShown) {
  const SpiderInputs in = Defaults(false);
  ASSERT_GT(SteppedValue(0, 0.1L, 200), 20);
  const SpiderTurns result = SpiderTurnsOf(in, SpiderInductance(in, SteppedValue(0, 0.1L, 199)));
  EXPECT_EQ(SpiderTurnsText(result.turns), "20 巻");
  EXPECT_EQ(SpiderWire(in, result.turns, SpiderCalc::Turns).length,
            SpiderWire(in, 20, SpiderCalc::Turns).length);
}

} // namespace
} // namespace coil_design
