// Reception range with a variable inductor: the frequency rule shared with
// the capacitor range, and the inductance rule that keeps a unit as soon as
// either end is above 1.
#include <gtest/gtest.h>

#include <ostream>

#include "tuning/inductor_range.h"

namespace tuning {
namespace {

using quelm::Real;

Real Capacitor(Real value, int unit) { return kCapacitanceUnits[unit].Apply(value); }
Real Inductor(Real value, int unit) { return kVariableInductorUnits[unit].Apply(value); }
Real Frequency(Real value, int unit) { return kRangeFrequencyUnits[unit].Apply(value); }

constexpr int kPF = 0, kUF = 1;
constexpr int kUH = 0, kMH = 1;
constexpr int kKHz = 1, kMHz = 2;

struct FrequencyRow {
  const char* name;
  Real c;
  int cUnit;
  Real l1, l2;
  int lUnit;
  const char* text;
};
void PrintTo(const FrequencyRow& row, std::ostream* os) { *os << row.name; }

class FrequencyOfInductorTest : public ::testing::TestWithParam<FrequencyRow> {};

TEST_P(FrequencyOfInductorTest, Text) {
  const FrequencyRow& row = GetParam();
  const auto text =
      FrequencyRange(Capacitor(row.c, row.cUnit), Inductor(row.l1, row.lUnit), Inductor(row.l2, row.lUnit));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(InductorRange, FrequencyOfInductorTest, ::testing::Values(
  FrequencyRow{"Defaults", 300, kPF, 300, 30, kUH, "530.52 ～ 1677.64 kHz"},
  FrequencyRow{"NotSorted", 300, kPF, 30, 300, kUH, "1677.64 ～ 530.52 kHz"},
  // 1 μF with 1 mH and 1 H: 5.03 kHz is not above 10000 Hz.
  FrequencyRow{"LowEndKeepsHertz", 1, kUF, 1, 1000, kMH, "5032.92 ～ 159.15 Hz"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct InductanceRow {
  const char* name;
  Real c;
  int cUnit;
  Real f1, f2;
  int fUnit;
  const char* text;
};
void PrintTo(const InductanceRow& row, std::ostream* os) { *os << row.name; }

class InductanceRangeTest : public ::testing::TestWithParam<InductanceRow> {};

TEST_P(InductanceRangeTest, Text) {
  const InductanceRow& row = GetParam();
  const auto text = InductanceRange(Capacitor(row.c, row.cUnit), Frequency(row.f1, row.fUnit),
                                    Frequency(row.f2, row.fUnit));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(InductorRange, InductanceRangeTest, ::testing::Values(
  InductanceRow{"Defaults", 300, kPF, 531, 1602, kKHz, "299.454 ～ 32.9 μH"},
  InductanceRow{"Nanohenries", 300, kPF, 100, 200, kMHz, "8.443 ～ 2.111 nH"},
  // The lower end is above 1 H, so both stay in henries.
  InductanceRow{"HenriesWithUpperEndZero", 300, kPF, 1, 1000, kKHz, "84.434 ～ 0 H"}
), [](const auto& info) { return std::string(info.param.name); });

struct StepRow {
  const char* name;
  Real l1, l2;
  const char* text;
};
void PrintTo(const StepRow& row, std::ostream* os) { *os << row.name; }


class InductanceStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(InductanceStepTest, Text) {
  EXPECT_EQ(InductanceRangeText(GetParam().l1, GetParam().l2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(InductorRange, InductanceStepTest, ::testing::Values(
  // Strictly above 1 keeps the unit; exactly 1 steps on.
  StepRow{"JustAboveOneHenry", 1.0001L, 0.5L, "1 ～ 0.5 H"},
  StepRow{"ExactlyOneHenrySteps", 1, 0.5L, "1000 ～ 500 mH"},
  StepRow{"EitherEndDecides", 0.5L, 0.0015L, "500 ～ 1.5 mH"},
  StepRow{"MicrohenriesTiesToEven", 0.0009765625L, 0.0001L, "976.562 ～ 100 μH"},
  StepRow{"Microhenries", 0.000002L, 0.0000005L, "2 ～ 0.5 μH"},
  StepRow{"NanohenriesWithoutTest", 1e-12L, 1e-13L, "0.001 ～ 0 nH"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(InductorRange, ZeroProductGivesNoResult) {
  EXPECT_FALSE(InductanceRange(0, 1000, 2000).has_value());
  EXPECT_FALSE(InductanceRange(1e-10L, 0, 2000).has_value());
  EXPECT_FALSE(InductanceRange(1e-10L, 1000, 0).has_value());
}

} // namespace
} // namespace tuning
