// Envelope detection: the four labels for typed inputs, the unit steps of
// the cut-off frequency and of the time values, the five-decimal fallback.
#include <gtest/gtest.h>

#include <string>

#include "detector/envelope.h"

namespace detector {
namespace {

template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

// A value as typed and the item picked in its unit list.
struct Typed {
  Real value;
  int unit;
};

struct EvaluationRow {
  const char* name;
  Typed r, c, fc, fs;
  const char* labels[4]; // cut-off, τ, signal bound, carrier bound
  friend void PrintTo(const EvaluationRow& row, std::ostream* os) { *os << row.name; }
};
class EvaluationTest : public ::testing::TestWithParam<EvaluationRow> {};

TEST_P(EvaluationTest, WritesTheFourLabels) {
  const EvaluationRow& row = GetParam();
  const Real r = kLoadResistanceUnits[row.r.unit].Apply(row.r.value);
  const Real c = kSmoothingCapacitanceUnits[row.c.unit].Apply(row.c.value);
  EXPECT_EQ(CutOffText(r, c), row.labels[0]);
  const Real tau = TimeConstant(r, c);
  const TimeUnit unit = TimeUnitOf(tau);
  EXPECT_EQ(TimeConstantText(tau, unit), row.labels[1]);
  EXPECT_EQ(SignalBoundText(kSignalUnits[row.fs.unit].Apply(row.fs.value), unit), row.labels[2]);
  EXPECT_EQ(CarrierBoundText(kCarrierUnits[row.fc.unit].Apply(row.fc.value), unit), row.labels[3]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Envelope, EvaluationTest, ::testing::Values(
  // R 500 kΩ, C 10 pF, fc 1000 kHz, fs 3000 Hz.
  EvaluationRow{"Defaults", {500, 0}, {10, 0}, {1000, 0}, {3000, 0},
                {"遮断周波数 ： 31.83 kHz", "5 μs", "53.05 μs", "0.16 μs"}},
  // The carrier bound rounds to 0.00 ms and takes five decimals.
  EvaluationRow{"TenNanofarads", {500, 0}, {10, 1}, {1000, 0}, {3000, 0},
                {"遮断周波数 ： 31.83 Hz", "5 ms", "0.05 ms", "0.00016 ms"}},
  // Both bounds are 0 even with five decimals.
  EvaluationRow{"TenMicrofarads", {500, 0}, {10, 2}, {1000, 0}, {3000, 0},
                {"遮断周波数 ： 0.03 Hz", "5 s", "0 s", "0 s"}},
  // τ is exactly 1 s, not above it.
  EvaluationRow{"OneSecond", {1, 1}, {1, 2}, {1000, 0}, {3000, 0},
                {"遮断周波数 ： 0.16 Hz", "1000 ms", "0.05 ms", "0.00016 ms"}},
  EvaluationRow{"NoResistor", {0, 0}, {10, 0}, {1000, 0}, {3000, 0},
                {"遮断周波数 ： ", "0 ns", "53051.65 ns", "159.15 ns"}},
  EvaluationRow{"NoFrequencies", {500, 0}, {10, 0}, {0, 0}, {0, 0}, {"遮断周波数 ： 31.83 kHz", "5 μs", " ", " "}},
  EvaluationRow{"OtherUnits", {1, 1}, {100, 0}, {1, 1}, {3, 1}, {"遮断周波数 ： 1.59 kHz", "100 μs", "53.05 μs", "0.16 μs"}}
), RowName<EvaluationRow>);
// clang-format on

// Hz, kHz and MHz change at 1000 inclusive, before rounding to 2 decimals;
// time units at strict thresholds (2^-10 s = 976.5625 μs is a tie, to even).
struct TextRow {
  const char* name;
  std::string (*text)(Real);
  Real value;
  const char* expected;
  friend void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }
};
class TextTest : public ::testing::TestWithParam<TextRow> {};

TEST_P(TextTest, Thresholds) { EXPECT_EQ(GetParam().text(GetParam().value), GetParam().expected); }

std::string Time(Real tau) { return TimeConstantText(tau, TimeUnitOf(tau)); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Envelope, TextTest, ::testing::Values(
  TextRow{"RoundsUpToThousandHz", CutOffFrequencyText, 999.996L, "1000 Hz"},
  TextRow{"ThousandHz", CutOffFrequencyText, 1000, "1 kHz"},
  TextRow{"RoundsUpToThousandKHz", CutOffFrequencyText, 999999.996L, "1000 kHz"},
  TextRow{"ThousandKHz", CutOffFrequencyText, 1000000, "1 MHz"},
  TextRow{"JustAboveOneSecond", Time, 1 + 0x1p-20L, "1 s"},
  TextRow{"BelowOneMsTieToEven", Time, 0x1p-10L, "976.56 μs"},
  TextRow{"BelowOneMicrosecond", Time, 0x1p-20L, "953.67 ns"}
), RowName<TextRow>);
// clang-format on

} // namespace
} // namespace detector
