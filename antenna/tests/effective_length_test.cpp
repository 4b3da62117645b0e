// The three effective-length calculators: listed cases, their different
// rejection rules and the vertical antenna's unit switch at 10 MHz.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "antenna/dipole_antenna.h"
#include "antenna/loop_antenna.h"
#include "antenna/tests/expect_fault.h"
#include "antenna/vertical_antenna.h"

namespace antenna {
namespace {

using quelm::FaultKind;

TEST(EffectiveLength, LoopAndDipole) {
  // 2π·5·1/300 = 0.10472; a zero product resets the caption.
  EXPECT_EQ(LoopEffectiveLength(1000, 5, 1, 300), "実効長 : 0.105 ｍ");
  EXPECT_EQ(LoopEffectiveLength(1000, 0, 1, 300), "実効長");
  EXPECT_EQ(DipoleEffectiveLength(1.875L, std::nullopt), "実効長 : 1.194 ｍ");
  EXPECT_EQ(DipoleEffectiveLength(1.875L, 0.95L), "実効長 : 1.256 ｍ");
  // A length of 0 is not rejected.
  EXPECT_EQ(DipoleEffectiveLength(0, std::nullopt), "実効長 : 0 ｍ");
}

struct VerticalRow {
  const char* name;
  Real length;
  Real waveSpeed;
  const char* expected;
};
void PrintTo(const VerticalRow& row, std::ostream* os) { *os << row.name; }

class VerticalTest : public ::testing::TestWithParam<VerticalRow> {};

TEST_P(VerticalTest, Texts) {
  const VerticalAntenna v = ComputeVerticalAntenna(GetParam().length, GetParam().waveSpeed);
  EXPECT_EQ(VerticalFrequencyText(v.frequency) + "|" + VerticalHeightText(v.effectiveHeight),
            GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Vertical, VerticalTest, ::testing::Values(
  VerticalRow{"Defaults", 20, 300, "3750 kHz|12.73 ｍ"},
  VerticalRow{"ExactSpeedWholeKilohertz", 20, 299.792458L, "3747 kHz|12.73 ｍ"},
  VerticalRow{"TenMHzIsMHz", 7.5L, 300, "10 MHz|4.77 ｍ"},
  // 9.99999987 MHz is below 10: whole kilohertz, rounded up to 10000.
  VerticalRow{"JustBelowTenMHz", 7.5000001L, 300, "10000 kHz|4.77 ｍ"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Vertical, Faults) {
  ExpectFault(FaultKind::DivisionByZero, [] { ComputeVerticalAntenna(0, 300); });
  // The frequency's text forms; 6.4E17 m to 2 decimals is beyond 64 bits.
  const VerticalAntenna v = ComputeVerticalAntenna(1e18L, 300);
  EXPECT_EQ(VerticalFrequencyText(v.frequency), "0 kHz");
  ExpectFault(FaultKind::InvalidOperation, [&] { VerticalHeightText(v.effectiveHeight); });
}

} // namespace
} // namespace antenna
