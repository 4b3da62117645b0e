// The antenna analyzer: listed cases, the rounded Cx carried into the later
// steps, the rejection and the fault of a Cx that rounds to zero.
#include <gtest/gtest.h>

#include <string>

#include "antenna/antenna_analyzer.h"
#include "antenna/tests/expect_fault.h"

namespace antenna {
namespace {

struct BridgeRow {
  const char* name;
  BridgeReadings in;
  const char* expected;
};
void PrintTo(const BridgeRow& row, std::ostream* os) { *os << row.name; }

class AnalyzerTest : public ::testing::TestWithParam<BridgeRow> {};

TEST_P(AnalyzerTest, Texts) {
  const AnalyzerTexts t = AnalyzeBridge(GetParam().in);
  EXPECT_EQ(t.cx + "|" + t.rx + "|" + t.zx + "|" + t.addedInductance, GetParam().expected);
}

// Worked by hand: Xc = 500000/(π·Cx), Zx = (√Xc + √Rx)²/1000,
// added L = 10⁶/(4·√(π·F/1000)·Cx).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Analyzer, AnalyzerTest, ::testing::Values(
  BridgeRow{"Defaults", {200, 2, 20, 10, 1000}, "400|1000|2.7|352.6"},
  // VR2 = R3: Cx = C1, Rx = VR1·1000.
  BridgeRow{"BalancedArms", {150, 3.3L, 10, 10, 531}, "150|3300|8.1|1290.4"},
  // Cx = 0.25 rounds to the even 0.2, and 0.2 is what Xc and L use.
  BridgeRow{"RoundedCxCarriesOn", {1, 1, 1, 4, 1000}, "0.2|4000|912.6|705237"},
  BridgeRow{"EmptyVR2", {200, 2, 0, 10, 1000}, "|||"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Analyzer, ACxRoundedToZeroDividesByZero) {
  ExpectFault(quelm::FaultKind::DivisionByZero, [] { AnalyzeBridge({0.04L, 2, 1, 1, 1000}); });
}

} // namespace
} // namespace antenna
