// The resonance solver: the solved value as its field holds it, the unit
// chosen by magnitude, and the cases that give no result.
#include <gtest/gtest.h>

#include <ostream>

#include "core/errors.h"
#include "tuning/resonance.h"

namespace tuning {
namespace {

using quelm::Real;

// Inputs as typed: a value and the selected item of its unit list.
struct Typed {
  Real value;
  int unit;
};

Real Frequency(Typed t) { return kFrequencyUnits[t.unit].Apply(t.value); }
Real Inductance(Typed t) { return kSolverInductanceUnits[t.unit].Apply(t.value); }
Real Capacitance(Typed t) { return kCapacitanceUnits[t.unit].Apply(t.value); }

struct SolveRow {
  const char* name;
  Solved solved;
  Typed f, l, c;
  const char* value;
  int unitIndex;
  const char* unit;
};
void PrintTo(const SolveRow& row, std::ostream* os) { *os << row.name; }

class SolveTest : public ::testing::TestWithParam<SolveRow> {};

TEST_P(SolveTest, ValueAndUnit) {
  const SolveRow& row = GetParam();
  const auto r = SolveResonance(row.solved, Frequency(row.f), Inductance(row.l), Capacitance(row.c));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->value, row.value);
  EXPECT_EQ(r->unitIndex, row.unitIndex);
  EXPECT_EQ(r->unit, row.unit);
}

constexpr auto F = Solved::Frequency;
constexpr auto L = Solved::Inductance;
constexpr auto C = Solved::Capacitance;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Resonance, SolveTest, ::testing::Values(
  // The defaults: 1000 kHz and 360 μＨ.
  SolveRow{"DefaultCapacitance", C, {1000, 1}, {360, 0}, {0, 0}, "70.362", 0, " ｐＦ"},
  SolveRow{"FrequencyOf360uH300pF", F, {0, 1}, {360, 0}, {300, 0}, "484.293", 1, " kHz"},
  SolveRow{"InductanceAt1000kHz300pF", L, {1000, 1}, {0, 0}, {300, 0}, "84.434", 0, " μＨ"},
  // The solved field's own value is ignored.
  SolveRow{"SolvedFieldIgnored", C, {1000, 1}, {360, 0}, {12345, 1}, "70.362", 0, " ｐＦ"},
  // Frequency: Hz below 1000 Hz, kHz below 10000 kHz, MHz from there; the
  // unit is chosen before rounding.
  SolveRow{"JustBelow1000HzRoundsUp", F, {0, 1}, {1000, 1}, {25330.3L, 0}, "1000", 0, " Hz"},
  SolveRow{"JustAbove1000Hz", F, {0, 1}, {1000, 1}, {25330.29591058L, 0}, "1", 1, " kHz"},
  SolveRow{"NinePointFiveMHzInKHz", F, {0, 1}, {1, 0}, {280.668098732238L, 0}, "9500", 1, " kHz"},
  SolveRow{"JustBelow10MHzInKHz", F, {0, 1}, {1, 0}, {253.302964L, 0}, "10000", 1, " kHz"},
  SolveRow{"JustAbove10MHz", F, {0, 1}, {1, 0}, {253.30295910584L, 0}, "10", 2, " MHz"},
  SolveRow{"MillihenryAndMicrofarad", F, {0, 1}, {1, 1}, {1, 1}, "5.033", 1, " kHz"},
  // Inductance: millihenries from 1000 μＨ.
  SolveRow{"JustBelow1000uH", L, {1000, 1}, {0, 0}, {25.3303L, 0}, "1000", 0, " μＨ"},
  SolveRow{"JustAbove1000uH", L, {1000, 1}, {0, 0}, {25.33029591058L, 0}, "1", 1, " ｍＨ"},
  SolveRow{"MillihenriesFromMicrofarad", L, {1, 1}, {0, 0}, {1, 1}, "25.33", 1, " ｍＨ"},
  // Capacitance: microfarads with 4 decimals from 10000 ｐＦ.
  SolveRow{"TwentyTwoNanofarads", C, {1, 1}, {1151.377L, 1}, {0, 0}, "0.022", 1, " μＦ"},
  SolveRow{"JustAbove10000pF", C, {1, 1}, {2533.0295910584L, 1}, {0, 0}, "0.01", 1, " μＦ"},
  SolveRow{"JustBelow10000pF", C, {1, 1}, {2533.0296L, 1}, {0, 0}, "10000", 0, " ｐＦ"},
  SolveRow{"BelowHalfThousandthPF", C, {100, 2}, {10, 1}, {0, 0}, "0", 0, " ｐＦ"},
  SolveRow{"AboveHalfThousandthPF", C, {100, 2}, {5, 1}, {0, 0}, "0.001", 0, " ｐＦ"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ZeroRow {
  const char* name;
  Solved solved;
  Real f, l, c;
};
void PrintTo(const ZeroRow& row, std::ostream* os) { *os << row.name; }

class ZeroTest : public ::testing::TestWithParam<ZeroRow> {};

TEST_P(ZeroTest, NoResult) {
  const ZeroRow& row = GetParam();
  EXPECT_FALSE(SolveResonance(row.solved, row.f, row.l, row.c).has_value());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Resonance, ZeroTest, ::testing::Values(
  ZeroRow{"FrequencyWithoutCoil", F, 1000, 0, 1},
  ZeroRow{"FrequencyWithoutCapacitor", F, 1000, 1, 0},
  ZeroRow{"InductanceWithoutFrequency", L, 0, 1, 1},
  ZeroRow{"InductanceWithoutCapacitor", L, 1000, 1, 0},
  ZeroRow{"CapacitanceWithoutFrequency", C, 0, 1, 1},
  ZeroRow{"CapacitanceWithoutCoil", C, 1000, 0, 1}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A value of 10^15 or more in its unit is written out in digits, since the
// field it goes back into keeps only digits and points.
TEST(Resonance, HugeFrequencyWrittenInDigits) {
  const auto r = SolveResonance(Solved::Frequency, 0, 1e-24L, 1e-21L);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->value, "5032921210448700");
  EXPECT_EQ(r->unit, " MHz");
}

// Beyond what rounding to 3 decimals can hold, the solver faults.
TEST(Resonance, FrequencyBeyondRoundingRangeFaults) {
  try {
    SolveResonance(Solved::Frequency, 0, 1e-25L, 1e-21L);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::InvalidOperation);
  }
}

} // namespace
} // namespace tuning
