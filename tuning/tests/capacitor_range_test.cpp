// Reception range with a variable capacitor: both ends in one unit, stepped
// by the two different rules, nothing sorted.
#include <gtest/gtest.h>

#include <ostream>

#include "tuning/capacitor_range.h"

namespace tuning {
namespace {

using quelm::Real;

Real Coil(Real value, int unit) { return kFixedCoilUnits[unit].Apply(value); }
Real Picofarads(Real value) { return kCapacitanceUnits[0].Apply(value); }
Real Frequency(Real value, int unit) { return kRangeFrequencyUnits[unit].Apply(value); }

constexpr int kMH = 0, kUH = 1;
constexpr int kHz = 0, kKHz = 1;

struct FrequencyRow {
  const char* name;
  Real l;
  int lUnit;
  Real c1, c2; // picofarads
  const char* text;
};
void PrintTo(const FrequencyRow& row, std::ostream* os) { *os << row.name; }

class FrequencyOfCapacitorTest : public ::testing::TestWithParam<FrequencyRow> {};

TEST_P(FrequencyOfCapacitorTest, Text) {
  const FrequencyRow& row = GetParam();
  const auto text = FrequencyRange(Coil(row.l, row.lUnit), Picofarads(row.c1), Picofarads(row.c2));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacitorRange, FrequencyOfCapacitorTest, ::testing::Values(
  FrequencyRow{"Defaults", 320, kUH, 260, 30, "551.77 ～ 1624.37 kHz"},
  FrequencyRow{"NotSorted", 320, kUH, 30, 260, "1624.37 ～ 551.77 kHz"},
  // 9 kHz and 2 MHz: the lower end is not above 10000 Hz, so both stay in Hz.
  FrequencyRow{"OneEndAtNineKilohertz", 1, kMH, 312719.702599808L, 6.33257397764611L,
               "9000 ～ 2000000 Hz"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CapacitanceRow {
  const char* name;
  Real l;
  int lUnit;
  Real f1, f2;
  int fUnit;
  const char* text;
};
void PrintTo(const CapacitanceRow& row, std::ostream* os) { *os << row.name; }

class CapacitanceRangeTest : public ::testing::TestWithParam<CapacitanceRow> {};

TEST_P(CapacitanceRangeTest, Text) {
  const CapacitanceRow& row = GetParam();
  const auto text =
      CapacitanceRange(Coil(row.l, row.lUnit), Frequency(row.f1, row.fUnit), Frequency(row.f2, row.fUnit));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacitorRange, CapacitanceRangeTest, ::testing::Values(
  CapacitanceRow{"Defaults", 320, kUH, 531, 1602, kKHz, "280.738 ～ 30.844 pF"},
  CapacitanceRow{"NotSorted", 320, kUH, 1602, 531, kKHz, "30.844 ～ 280.738 pF"},
  // 2 nF and 0.5 μF: scaled once, as one end is below 0.001 F.
  CapacitanceRow{"NanofaradsAndMicrofarads", 1, kMH, 112539.539519638L, 7117.62543417177L, kHz,
                 "0.002 ～ 0.5 μF"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct StepRow {
  const char* name;
  Real a, b;
  const char* text;
};
void PrintTo(const StepRow& row, std::ostream* os) { *os << row.name; }

class FrequencyStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(FrequencyStepTest, Text) {
  EXPECT_EQ(FrequencyRangeText(GetParam().a, GetParam().b), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacitorRange, FrequencyStepTest, ::testing::Values(
  // Both ends must be strictly above 10000 to step.
  StepRow{"EndExactly10000Hz", 10000, 2000000, "10000 ～ 2000000 Hz"},
  StepRow{"OtherEndExactly10000Hz", 2000000, 10000, "2000000 ～ 10000 Hz"},
  StepRow{"BothJustAbove", 10000.01L, 10000.01L, "10 ～ 10 kHz"},
  StepRow{"Megahertz", 20000000, 30000000, "20 ～ 30 MHz"},
  StepRow{"GigahertzIsTheLastStep", 2e13L, 3e13L, "20000 ～ 30000 GHz"},
  // Two decimals, ties to even on the binary value, trailing zeros dropped.
  StepRow{"TiesToEven", 1000.125L, 1000.375L, "1000.12 ～ 1000.38 Hz"},
  StepRow{"NoDecimalsLeft", 1000004, 2000000, "1000 ～ 2000 kHz"}
), [](const auto& info) { return std::string(info.param.name); });

class CapacitanceStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(CapacitanceStepTest, Text) {
  EXPECT_EQ(CapacitanceRangeText(GetParam().a, GetParam().b), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(CapacitorRange, CapacitanceStepTest, ::testing::Values(
  // Either end strictly below 0.001 steps both.
  StepRow{"Farads", 0.5L, 0.25L, "0.5 ～ 0.25 F"},
  StepRow{"ExactlyThousandthStays", 0.001L, 0.5L, "0.001 ～ 0.5 F"},
  StepRow{"OneEndBelow", 0.5L, 0.000999L, "500000 ～ 999 μF"},
  StepRow{"PicofaradsIsTheLastStep", 1e-15L, 1e-16L, "0.001 ～ 0 pF"},
  StepRow{"TiesToEven", 0.0009765625L, 0.0009765625L, "976.562 ～ 976.562 μF"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CapacitorRange, ZeroProductGivesNoResult) {
  EXPECT_FALSE(FrequencyRange(0, 1e-10L, 1e-10L).has_value());
  EXPECT_FALSE(FrequencyRange(1e-3L, 0, 1e-10L).has_value());
  EXPECT_FALSE(FrequencyRange(1e-3L, 1e-10L, 0).has_value());
  EXPECT_FALSE(CapacitanceRange(0, 1000, 2000).has_value());
  EXPECT_FALSE(CapacitanceRange(1e-3L, 0, 2000).has_value());
  EXPECT_FALSE(CapacitanceRange(1e-3L, 1000, 0).has_value());
}

} // namespace
} // namespace tuning
