#include "coil_design/spider_coil.h"

#include <gtest/gtest.h>

#include <functional>

#include "coil_design/turns_walk.h"
#include "core/errors.h"

namespace coil_design {
namespace {

SpiderInputs Defaults(bool byOuter) { return {30, 72, 0.5L, 1, byOuter}; }

std::string Lines(const Wire& wire) {
  return LengthLine(wire.length) + "|" + DiameterLine(wire.diameter) + "|" + WeightLine(wire.weight);
}

quelm::FaultKind FaultOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const quelm::CalcError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no fault";
  return quelm::FaultKind::Conversion;
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
                                           // nanohenries keep two decimals here: 123.456 nH
                                           TextCase{"NanohenriesTwoDecimals", 0.123456L, "123.46 nH"},
                                           TextCase{"OneMicrohenryIsNanohenries", 1, "1000 nH"},
                                           TextCase{"Microhenries", 292.98620689L, "292.99 μH"},
                                           // 2.125 is exact in binary: the tie goes to the even neighbour
                                           TextCase{"TieToEven", 2.125L, "2.12 μH"},
                                           TextCase{"OneMillihenryIsMicrohenries", 1000, "1000 μH"},
                                           TextCase{"JustAboveAMillihenry", 1000.0001L, "1 mH"},
                                           TextCase{"Millihenries", 7044.7L, "7.04 mH"},
                                           TextCase{"OneHenryIsMillihenries", 1000000, "1000 mH"},
                                           TextCase{"Henries", 2345678, "2.35 H"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DefaultsCase {
  const char* name;
  bool byOuter;
  const char* turns;
  const char* turnsLines;
};

class SpiderDefaultsTest : public ::testing::TestWithParam<DefaultsCase> {};

TEST_P(SpiderDefaultsTest, BothCalculations) {
  const auto& c = GetParam();
  const SpiderInputs in = Defaults(c.byOuter);
  // The default 70 turns of 0.5 mm wire fill the annulus exactly, so both
  // choices give the same coil.
  ASSERT_FALSE(SpiderInductanceRejected(in, 70));
  EXPECT_EQ(SpiderInductanceText(SpiderInductance(in, 70)), "292.99 μH");
  EXPECT_EQ(Lines(SpiderWire(in, 70, SpiderCalc::Inductance)),
            "長さ ： 11.2815 m|線径 ： 0.5 mm|重量 ： 19.83 g");

  ASSERT_FALSE(SpiderTurnsRejected(in, 300));
  const SpiderTurns result = SpiderTurnsOf(in, 300);
  ASSERT_TRUE(result.inRange);
  EXPECT_EQ(SpiderTurnsText(result.turns), c.turns);
  EXPECT_EQ(Lines(SpiderWire(in, result.turns, SpiderCalc::Turns)), c.turnsLines);
}

INSTANTIATE_TEST_SUITE_P(Modes, SpiderDefaultsTest,
                         ::testing::Values(DefaultsCase{"OuterGiven", true, "70.8 巻",
                                                        "長さ ： 11.7008 m|線径 ： 0.49 mm|重量 ： 19.75 g"},
                                           DefaultsCase{"WireGiven", false, "70.8 巻",
                                                        "長さ ： 11.758 m|線径 ： 0.5 mm|重量 ： 20.66 g"}),
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
                      RejectCase{"EqualDiameters", {72, 72, 0.5L, 1, true}, 70, true, true},
                      RejectCase{"EqualDiametersWireGiven", {72, 72, 0.5L, 1, false}, 70, true, true},
                      RejectCase{"InnerLarger", {80, 72, 0.5L, 1, false}, 70, true, true},
                      RejectCase{"NoInner", {0, 72, 0.5L, 1, true}, 70, true, true},
                      RejectCase{"NoTurnsOrTarget", {30, 72, 0.5L, 1, true}, 0, true, true},
                      RejectCase{"NoWireUnchecked", {30, 72, 0, 1, false}, 70, false, false},
                      // with b given, μs = 0 is left to divide by zero
                      RejectCase{"NoPermeabilityOuterGiven", {30, 72, 0.5L, 0, true}, 70, false, false},
                      // with Φ given the search could never reach the target
                      RejectCase{"NoPermeabilityWireGiven", {30, 72, 0.5L, 0, false}, 70, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpiderTurns, NoPermeabilityWithTheOuterDiameterDividesByZero) {
  EXPECT_EQ(FaultOf([] { SpiderTurnsOf({30, 72, 0.5L, 0, true}, 300); }), quelm::FaultKind::DivisionByZero);
}

TEST(SpiderTurns, ACountRoundingToZeroDividesByZeroDerivingTheWire) {
  // 0.04 turn rounds to 0 turns, over which the width cannot be shared.
  const SpiderInputs in = Defaults(true);
  const Real target = SpiderInductance(in, 0.04L);
  EXPECT_EQ(FaultOf([&] { SpiderTurnsOf(in, target); }), quelm::FaultKind::DivisionByZero);
}

TEST(SpiderWire, FractionalCountSumsTheNextWholeTurn) {
  const SpiderInputs in = Defaults(false);
  EXPECT_EQ(SpiderWire(in, 70.2L, SpiderCalc::Inductance).length,
            SpiderWire(in, 71, SpiderCalc::Inductance).length);
  EXPECT_LT(SpiderWire(in, 70, SpiderCalc::Inductance).length,
            SpiderWire(in, 70.2L, SpiderCalc::Inductance).length);
}

// The search's running count of tenths passes 20 a hair above it; the page
// shows "20 巻" and sums the wire of 20 turns, not 21.
TEST(SpiderTurnsSearch, WireIsSummedForTheTurnsShown) {
  const SpiderInputs in = Defaults(false);
  const Real before = SteppedValue(0, 0.1L, 199);
  ASSERT_GT(SteppedValue(0, 0.1L, 200), 20);
  const SpiderTurns result = SpiderTurnsOf(in, SpiderInductance(in, before));
  ASSERT_TRUE(result.inRange);
  EXPECT_EQ(SpiderTurnsText(result.turns), "20 巻");
  EXPECT_EQ(SpiderWire(in, result.turns, SpiderCalc::Turns).length,
            SpiderWire(in, 20, SpiderCalc::Turns).length);
}

TEST(SpiderTurnsSearch, StopsAtTheTurnsBound) {
  const SpiderInputs in = Defaults(false);
  const SpiderTurns inside = SpiderTurnsOf(in, SpiderInductance(in, 9999.95L));
  ASSERT_TRUE(inside.inRange);
  EXPECT_EQ(SpiderTurnsText(inside.turns), "10000 巻");
  EXPECT_FALSE(SpiderTurnsOf(in, SpiderInductance(in, 10000.05L)).inRange);
  EXPECT_FALSE(SpiderTurnsOf({30, 72, 0.5L, 1e-3000L, false}, 300).inRange);
}

struct LongWireCase {
  const char* name;
  Real turns;
  Real metres; // worked at 50 digits
};

class SpiderLongWireTest : public ::testing::TestWithParam<LongWireCase> {};

// Turn by turn up to 100000 turns, in closed form beyond; the same sums.
TEST_P(SpiderLongWireTest, Length) {
  EXPECT_EQ(SpiderWire(Defaults(false), GetParam().turns, SpiderCalc::Inductance).length, GetParam().metres);
}

INSTANTIATE_TEST_SUITE_P(Counts, SpiderLongWireTest,
                         ::testing::Values(LongWireCase{"TurnByTurn", 100000, 9434296.9865L},
                                           LongWireCase{"ClosedForm", 200000, 37718149.8946L}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace coil_design
