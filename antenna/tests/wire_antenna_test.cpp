// Short wire antennas: the five texts, the unit choice at 1, the ×1000
// one-decimal form with its ties, the resets and the faults.
#include <gtest/gtest.h>

#include <string>

#include "antenna/tests/expect_fault.h"
#include "antenna/wire_antenna.h"

namespace antenna {
namespace {

std::string Joined(const WireTexts& t) {
  return t.effectiveHeight + "|" + t.capacitance + "|" + t.inductance + "|" + t.radiationResistance + "|" +
         t.loadingCoil;
}

struct WireRow {
  const char* name;
  WireInputs in;
  Real waveSpeed;
  const char* factor; // enabled when not null
  const char* expected;
};
void PrintTo(const WireRow& row, std::ostream* os) { *os << row.name; }

class WireAntennaTest : public ::testing::TestWithParam<WireRow> {};

TEST_P(WireAntennaTest, Texts) {
  const WireRow& r = GetParam();
  // A disabled factor's text is not read, even when it is not a number.
  EXPECT_EQ(Joined(WireAntennaResult(r.in, r.waveSpeed, r.factor ? r.factor : "1.2.3", r.factor)),
            r.expected);
}

// Worked by hand from the formulas (the first row is the listed default).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Wire, WireAntennaTest, ::testing::Values(
  WireRow{"Defaults", {12, 8, 3, 1000}, 300, nullptr, "6.4 ｍ|126.6 pF|14.2 μH|687.5 ｍΩ|185.9 μH"},
  WireRow{"Shortened", {12, 8, 3, 1000}, 300, "0.95", "6.4 ｍ|126.6 pF|15.8 μH|687.5 ｍΩ|184.4 μH"},
  // A plain vertical wire: He = h/2, C = Cv, loading factor 1.
  WireRow{"PlainVertical", {0, 8, 3, 1000}, 300, nullptr, "4 ｍ|55.1 pF|5.2 μH|280.7 ｍΩ|454.8 μH"},
  // A long top: ohms, millihenries, and a negative loading coil in μH.
  WireRow{"LongTop", {2000, 10, 2, 1000}, 300, nullptr, "10 ｍ|11224 pF|1.6 ｍH|1.7 Ω|-1618.7 μH"},
  WireRow{"ZeroHeight", {12, 0, 3, 1000}, 300, "1.2.3", "[ｍ]|[pF]|[μH]|[mΩ]|[μH]"}
), [](const auto& info) { return std::string(info.param.name); });

struct UnitRow { const char* name; Real value; const char* expected; };
void PrintTo(const UnitRow& row, std::ostream* os) { *os << row.name; }
class WireUnitTest : public ::testing::TestWithParam<UnitRow> {};

// La, R and Lx all get the value.
TEST_P(WireUnitTest, OneDecimalOrThousandfold) {
  EXPECT_EQ(Joined(WireAntennaTexts({1, 1, GetParam().value, GetParam().value, GetParam().value})),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Wire, WireUnitTest, ::testing::Values(
  UnitRow{"OneIsTheSmallUnit", 1, "1 ｍ|1 pF|1000 μH|1000 ｍΩ|1000 μH"},
  UnitRow{"JustAboveOne", 1.00001L, "1 ｍ|1 pF|1 ｍH|1 Ω|1 ｍH"},
  // 1/32 × 10000 = 312.5 exactly: the tie goes to the even 312.
  UnitRow{"TieToEvenDown", 0.03125L, "1 ｍ|1 pF|31.2 μH|31.2 ｍΩ|31.2 μH"},
  UnitRow{"TieToEvenUp", 0.09375L, "1 ｍ|1 pF|93.8 μH|93.8 ｍΩ|93.8 μH"},
  UnitRow{"Negative", -2.5L, "1 ｍ|1 pF|-2500 μH|-2500 ｍΩ|-2500 μH"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Wire, Faults) {
  using quelm::FaultKind;
  // 1.15·h = d: log10(1) = 0 divides, before the factor's text is read.
  ExpectFault(FaultKind::DivisionByZero, [] { WireAntennaResult({0, 1, 1150, 1000}, 300, "", true); });
  // 4·h = d with a top.
  ExpectFault(FaultKind::DivisionByZero, [] { WireAntennaResult({5, 1, 4000, 1000}, 300, "0.95", true); });
  // An enabled factor is read without the empty test.
  ExpectFault(FaultKind::Conversion, [] { WireAntennaResult({12, 8, 3, 1000}, 300, "", true); });
}

} // namespace
} // namespace antenna
