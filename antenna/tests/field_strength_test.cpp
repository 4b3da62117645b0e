// The ground-wave field strength: listed cases, the five-decimal base, the
// jump at the knee of the attenuation and the zero products.
#include <gtest/gtest.h>

#include <string>

#include "antenna/field_strength.h"

namespace antenna {
namespace {

constexpr FieldPath kDefaults{313, 1000, 100, 15, 0.005L, true};

struct FieldRow {
  const char* name;
  FieldPath path;
  Real km;
  const char* expected;
};
void PrintTo(const FieldRow& row, std::ostream* os) { *os << row.name; }

class FieldStrengthTest : public ::testing::TestWithParam<FieldRow> {};

TEST_P(FieldStrengthTest, Text) {
  EXPECT_EQ(FieldStrengthResult(GetParam().path, GetParam().km), GetParam().expected);
}

// Expected values from an independent 40-digit evaluation of the formulas.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Field, FieldStrengthTest, ::testing::Values(
  FieldRow{"Defaults", kDefaults, 10, "173.52 [mV/m] "},
  FieldRow{"HalfWaveAntenna", {396, 1000, 100, 15, 0.005L, true}, 10, "219.53 [mV/m] "},
  FieldRow{"ExactSpeed", {313, 1000, 100, 15, 0.005L, false}, 10, "173.46 [mV/m] "},
  // With Euler's number as the base this would be 202.67.
  FieldRow{"FiveDecimalBase", kDefaults, 9, "202.68 [mV/m] "},
  // p = 4.49988 and 4.50103: the field jumps up where p reaches 4.5.
  FieldRow{"JustBeforeTheKnee", kDefaults, 39.28L, "12.84 [mV/m] "},
  FieldRow{"JustAfterTheKnee", kDefaults, 39.29L, "13.77 [mV/m] "},
  FieldRow{"ZeroDistance", kDefaults, 0, "[mV/m]"},
  FieldRow{"ZeroConductivity", {313, 1000, 100, 15, 0, true}, 10, "[mV/m]"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace antenna
