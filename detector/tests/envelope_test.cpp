// Envelope detection: the four labels for typed inputs, the unit steps of
// the cut-off frequency and of the time values, and the carrier bound's
// five-decimal fallback.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "core/errors.h"
#include "detector/envelope.h"

namespace detector {
namespace {

// A value as typed and the item picked in its unit list.
struct Typed {
  Real value;
  int unit;
};

struct EvaluationRow {
  const char* name;
  Typed r, c, fc, fs;
  const char* cutOff;
  const char* tau;
  const char* signal;
  const char* carrier;
};
void PrintTo(const EvaluationRow& row, std::ostream* os) { *os << row.name; }

class EvaluationTest : public ::testing::TestWithParam<EvaluationRow> {};

TEST_P(EvaluationTest, WritesTheFourLabels) {
  const EvaluationRow& row = GetParam();
  const Real r = kLoadResistanceUnits[row.r.unit].Apply(row.r.value);
  const Real c = kSmoothingCapacitanceUnits[row.c.unit].Apply(row.c.value);
  const Real fc = kCarrierUnits[row.fc.unit].Apply(row.fc.value);
  const Real fs = kSignalUnits[row.fs.unit].Apply(row.fs.value);
  EXPECT_EQ(CutOffText(r, c), row.cutOff);
  const Real tau = TimeConstant(r, c);
  const TimeUnit unit = TimeUnitOf(tau);
  EXPECT_EQ(TimeConstantText(tau, unit), row.tau);
  EXPECT_EQ(SignalBoundText(fs, unit), row.signal);
  EXPECT_EQ(CarrierBoundText(fc, unit), row.carrier);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Envelope, EvaluationTest, ::testing::Values(
  // R 500 kΩ, C 10 pF, fc 1000 kHz, fs 3000 Hz.
  EvaluationRow{"Defaults", {500, 0}, {10, 0}, {1000, 0}, {3000, 0},
                "遮断周波数 ： 31.83 kHz", "5 μs", "53.05 μs", "0.16 μs"},
  // The carrier bound rounds to 0.00 ms and is shown with five decimals.
  EvaluationRow{"TenNanofarads", {500, 0}, {10, 1}, {1000, 0}, {3000, 0},
                "遮断周波数 ： 31.83 Hz", "5 ms", "0.05 ms", "0.00016 ms"},
  // Both bounds are 0 even with five decimals.
  EvaluationRow{"TenMicrofarads", {500, 0}, {10, 2}, {1000, 0}, {3000, 0},
                "遮断周波数 ： 0.03 Hz", "5 s", "0 s", "0 s"},
  // τ is exactly 1 s, not above it.
  EvaluationRow{"OneSecond", {1, 1}, {1, 2}, {1000, 0}, {3000, 0},
                "遮断周波数 ： 0.16 Hz", "1000 ms", "0.05 ms", "0.00016 ms"},
  EvaluationRow{"NoResistor", {0, 0}, {10, 0}, {1000, 0}, {3000, 0},
                "遮断周波数 ： ", "0 ns", "53051.65 ns", "159.15 ns"},
  EvaluationRow{"NoFrequencies", {500, 0}, {10, 0}, {0, 0}, {0, 0},
                "遮断周波数 ： 31.83 kHz", "5 μs", " ", " "},
  EvaluationRow{"MegahertzAndKilohertz", {1, 1}, {100, 0}, {1, 1}, {3, 1},
                "遮断周波数 ： 1.59 kHz", "100 μs", "53.05 μs", "0.16 μs"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CutOffRow {
  const char* name;
  Real hz;
  const char* text;
};
void PrintTo(const CutOffRow& row, std::ostream* os) { *os << row.name; }

class CutOffTest : public ::testing::TestWithParam<CutOffRow> {};

TEST_P(CutOffTest, StepsUpAtOneThousandBeforeRounding) {
  EXPECT_EQ(CutOffFrequencyText(GetParam().hz), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Envelope, CutOffTest, ::testing::Values(
  CutOffRow{"BelowThousandHz", 999.994L, "999.99 Hz"},
  CutOffRow{"RoundsUpToThousandHz", 999.996L, "1000 Hz"},
  CutOffRow{"ThousandHz", 1000, "1 kHz"},
  CutOffRow{"RoundsUpToThousandKHz", 999999.996L, "1000 kHz"},
  CutOffRow{"ThousandKHz", 1000000, "1 MHz"},
  CutOffRow{"LargeInMHz", 2500000000, "2500 MHz"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct TimeRow {
  const char* name;
  Real tau;
  const char* text;
};
void PrintTo(const TimeRow& row, std::ostream* os) { *os << row.name; }

class TimeTest : public ::testing::TestWithParam<TimeRow> {};

TEST_P(TimeTest, UnitByStrictThresholds) {
  const Real tau = GetParam().tau;
  EXPECT_EQ(TimeConstantText(tau, TimeUnitOf(tau)), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Envelope, TimeTest, ::testing::Values(
  TimeRow{"OneSecondInMs", 1, "1000 ms"},
  TimeRow{"JustAboveOneSecond", 1 + 0x1p-20L, "1 s"},
  // 2^-10 s = 976.5625 μs, a tie at the second decimal, to even.
  TimeRow{"BelowOneMsTieToEven", 0x1p-10L, "976.56 μs"},
  TimeRow{"JustAboveOneMs", 0x1p-10L * 1.25L, "1.22 ms"},
  // 2^-20 s = 0.95367... μs.
  TimeRow{"BelowOneMicrosecond", 0x1p-20L, "953.67 ns"},
  TimeRow{"Zero", 0, "0 ns"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A time value beyond what rounding to 2 decimals holds (9.22·10¹⁶ s) is an
// invalid operation; the labels written before keep their text.
TEST(Envelope, HugeTimeConstantFaults) {
  const Real tau = 1e17L;
  try {
    TimeConstantText(tau, TimeUnitOf(tau));
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::InvalidOperation);
  }
}

} // namespace
} // namespace detector
