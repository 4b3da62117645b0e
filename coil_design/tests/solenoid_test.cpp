#include "coil_design/solenoid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/errors.h"
#include "core/format.h"

namespace coil_design {
namespace {

SolenoidInputs Defaults(bool byLength) { return {50, 60, 0.6L, 1, byLength}; }

std::string Lines(const Wire& wire) {
  return LengthLine(wire.length) + "|" + DiameterLine(wire.diameter, wire.suffix) + "|" +
         WeightLine(wire.weight);
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

TEST(NagaokaCoefficient, DefaultCoil) {
  EXPECT_EQ(NagaokaText(NagaokaCoefficient(0.025L, 0.06L)), "長岡係数 ： 0.72686059");
}

struct NagaokaCase {
  const char* name;
  Real r;
  Real l;
  double truncated; // the 10000-term sums, worked at 40 digits
  double exact;     // from the complete elliptic integrals
};

class NagaokaTest : public ::testing::TestWithParam<NagaokaCase> {};

TEST_P(NagaokaTest, IsTheTruncatedSum) {
  const auto& c = GetParam();
  const double k = static_cast<double>(NagaokaCoefficient(c.r, c.l));
  EXPECT_NEAR(k, c.truncated, c.truncated * 1e-12);
  if (std::abs(c.exact - c.truncated) > c.exact * 1e-9) {
    EXPECT_GT(std::abs(k - c.exact), c.exact * 1e-9); // the truncation shows
  }
}

INSTANTIATE_TEST_SUITE_P(
    Coils, NagaokaTest,
    ::testing::Values(NagaokaCase{"Default", 0.025L, 0.06L, 0.726860594566379, 0.726860594566379},
                      NagaokaCase{"Long", 0.001L, 1, 0.999151673636593, 0.999151673636593},
                      NagaokaCase{"Short", 1, 0.1L, 0.123614809704757, 0.123614809704763},
                      // a disc: the truncated sums miss the logarithmic end of K(k)
                      NagaokaCase{"Disc", 1, 0.001L, 0.0230063411471254, 0.00270155874588844}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NagaokaCoefficient, ZeroLengthDividesByZero) {
  EXPECT_EQ(FaultOf([] { NagaokaCoefficient(0.025L, 0); }), quelm::FaultKind::DivisionByZero);
}

struct SolenoidCase {
  const char* name;
  bool byLength;
  const char* text;
  const char* lines;
  const char* coefficient;
};

class SolenoidInductanceTest : public ::testing::TestWithParam<SolenoidCase> {};

TEST_P(SolenoidInductanceTest, Defaults) {
  const auto& c = GetParam();
  const SolenoidInputs in = Defaults(c.byLength);
  ASSERT_FALSE(SolenoidInductanceRejected(in, 100));
  const SolenoidInductance result = SolenoidInductanceOf(in, 100);
  EXPECT_EQ(InductanceText(result.henries), c.text);
  EXPECT_EQ(Lines(SolenoidWire(in, 100, SolenoidCalc::Inductance)), c.lines);
  EXPECT_EQ(NagaokaText(result.coefficient), c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SolenoidInductanceTest,
    ::testing::Values(SolenoidCase{"LengthGiven", true, "298.91 μH",
                                   "長さ ： 15.71 m|線径 ： 0.6 mm |重量 ： 39.8 g",
                                   "長岡係数 ： 0.72686059"},
                      SolenoidCase{"WireGiven", false, "298.91 μH",
                                   "長さ ： 15.71 m|線径 ： 0.6 mm 　(コイル長b= 60mm)|重量 ： 39.8 g",
                                   "長岡係数 ： 0.72686059"}),
    [](const auto& info) { return std::string(info.param.name); });

class SolenoidTurnsTest : public ::testing::TestWithParam<SolenoidCase> {};

TEST_P(SolenoidTurnsTest, Defaults) {
  const auto& c = GetParam();
  const SolenoidInputs in = Defaults(c.byLength);
  ASSERT_FALSE(SolenoidTurnsRejected(in, 300));
  const SolenoidTurns result = SolenoidTurnsOf(in, 300);
  ASSERT_TRUE(result.inRange);
  EXPECT_EQ(TurnsText(result.turns), c.text);
  EXPECT_EQ(Lines(SolenoidWire(in, result.turns, SolenoidCalc::Turns)), c.lines);
  EXPECT_EQ(NagaokaText(result.coefficient), c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SolenoidTurnsTest,
    ::testing::Values(SolenoidCase{"LengthGiven", true, "100.18 巻",
                                   "長さ ： 15.74 m|線径 ： 0.5989 mm|重量 ： 39.7 g",
                                   "長岡係数 ： 0.72686059"},
                      SolenoidCase{"WireGiven", false, "100.28 巻",
                                   "長さ ： 15.75 m|線径 ： 0.6 mm 　(コイル長b= 60.168mm)|重量 ： 39.9 g",
                                   "長岡係数 ： 0.72742827"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
  const char* name;
  SolenoidInputs in;
  Real value;
  bool inductanceRejected;
  bool turnsRejected;
};

class SolenoidRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(SolenoidRejectTest, ZeroProducts) {
  const auto& c = GetParam();
  EXPECT_EQ(SolenoidInductanceRejected(c.in, c.value), c.inductanceRejected);
  EXPECT_EQ(SolenoidTurnsRejected(c.in, c.value), c.turnsRejected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SolenoidRejectTest,
    ::testing::Values(RejectCase{"Defaults", {50, 60, 0.6L, 1, true}, 100, false, false},
                      RejectCase{"NoDiameter", {0, 60, 0.6L, 1, true}, 100, true, true},
                      RejectCase{"NoLengthWhenGiven", {50, 0, 0.6L, 1, true}, 100, true, true},
                      RejectCase{"NoLengthUnused", {50, 0, 0.6L, 1, false}, 100, false, false},
                      RejectCase{"NoWireUnused", {50, 60, 0, 1, true}, 100, false, false},
                      RejectCase{"NoWireWhenGiven", {50, 60, 0, 1, false}, 100, true, true},
                      RejectCase{"NoPermeability", {50, 60, 0.6L, 0, true}, 100, true, true},
                      RejectCase{"NoTurnsOrTarget", {50, 60, 0.6L, 1, false}, 0, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The search (wire diameter given) ends on the largest multiple of 0.01 turn
// whose inductance is below the target; one step up reaches it.
TEST(SolenoidTurnsSearch, EndsJustBelowTheTarget) {
  const SolenoidInputs in = Defaults(false);
  for (const Real target : {2.5L, 40.0L, 300.0L, 1234.5L, 20000.0L}) {
    const SolenoidTurns result = SolenoidTurnsOf(in, target);
    ASSERT_TRUE(result.inRange) << quelm::FormatGeneral(target);
    const Real below = SolenoidInductanceOf(in, result.turns).henries * 1000000;
    const Real above = SolenoidInductanceOf(in, result.turns + 0.01L).henries * 1000000;
    EXPECT_LT(below, target) << quelm::FormatGeneral(target);
    EXPECT_GE(above, target) << quelm::FormatGeneral(target);
  }
}

TEST(SolenoidTurnsSearch, TargetOfAtMostOneTurnDividesByZero) {
  // Phase 2 steps down to t = 0, where the coil has no length.
  const SolenoidInputs in = Defaults(false);
  const Real oneTurn = SolenoidInductanceOf(in, 1).henries * 1000000;
  EXPECT_EQ(FaultOf([&] { SolenoidTurnsOf(in, oneTurn); }), quelm::FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([&] { SolenoidTurnsOf(in, 0.001L); }), quelm::FaultKind::DivisionByZero);
}

TEST(SolenoidTurnsSearch, StopsAtTheTurnsBound) {
  const SolenoidInputs in = Defaults(false);
  const Real atBound = SolenoidInductanceOf(in, kMaxSearchTurns).henries * 1000000;
  // Just below the inductance of 10000 turns: found below the bound.
  const SolenoidTurns inside = SolenoidTurnsOf(in, atBound * (1 - 1e-9L));
  ASSERT_TRUE(inside.inRange);
  EXPECT_EQ(TurnsText(inside.turns), "9999.99 巻");
  // Reaching it exactly would need a step past 10000 turns.
  EXPECT_FALSE(SolenoidTurnsOf(in, atBound).inRange);
  EXPECT_FALSE(SolenoidTurnsOf(in, 1e30L).inRange);
  // A vanishing permeability makes every coil too small.
  EXPECT_FALSE(SolenoidTurnsOf({50, 60, 0.6L, 1e-3000L, false}, 300).inRange);
}

TEST(SolenoidTurns, ClosedFormInvertsTheInductance) {
  const SolenoidInputs in = Defaults(true);
  const SolenoidTurns result = SolenoidTurnsOf(in, 298.913L);
  EXPECT_EQ(TurnsText(result.turns), "100 巻");
}

TEST(SolenoidWire, HugeCoilFaultsWhenRoundingTheLength) {
  // 10^20 mm across: the wire length overflows the 64-bit rounding.
  const SolenoidInputs in{1e20L, 60, 0.6L, 1, true};
  EXPECT_EQ(FaultOf([&] { SolenoidWire(in, 100, SolenoidCalc::Inductance); }),
            quelm::FaultKind::InvalidOperation);
}

} // namespace
} // namespace coil_design
