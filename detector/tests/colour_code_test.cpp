// The resistor colour code: resistance and tolerance texts of four bands.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "detector/colour_code.h"

namespace detector {
namespace {

using C = BandColour;

struct BandsRow {
  const char* name;
  BandColour first, second, third, fourth;
  const char* resistance;
  const char* tolerance;
};
void PrintTo(const BandsRow& row, std::ostream* os) { *os << row.name; }

class BandsTest : public ::testing::TestWithParam<BandsRow> {};

TEST_P(BandsTest, ResistanceAndTolerance) {
  const BandsRow& row = GetParam();
  EXPECT_EQ(ResistanceText(row.first, row.second, row.third), row.resistance);
  EXPECT_EQ(ToleranceText(row.fourth), row.tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ColourCode, BandsTest, ::testing::Values(
  BandsRow{"Defaults", C::Red, C::Black, C::Yellow, C::Gold, "200 kΩ", "±5％ (J)"},
  BandsRow{"FourPointSevenK", C::Yellow, C::Violet, C::Red, C::Brown, "4.7 kΩ", "±1％ (F)"},
  BandsRow{"GoldMultiplier", C::Brown, C::Black, C::Gold, C::Red, "1 Ω", "±2％ (G)"},
  BandsRow{"SilverMultiplier", C::Brown, C::Black, C::Silver, C::Orange, "0.1 Ω", "±0.05％ (W)"},
  BandsRow{"ZeroDigits", C::Black, C::Black, C::Orange, C::Green, "0 kΩ", "±0.5％ (D)"},
  BandsRow{"Largest", C::White, C::White, C::White, C::Blue, "99 GΩ", "±0.25％ (C)"},
  BandsRow{"TenOhmsTimesTen", C::Brown, C::Black, C::Brown, C::Violet, "100 Ω", "±0.1％ (B)"},
  BandsRow{"MegohmsOverTen", C::Blue, C::Grey, C::Green, C::Silver, "6.8 MΩ", "±10％ (K)"},
  BandsRow{"GigohmsOverTen", C::Yellow, C::Violet, C::Grey, C::None, "4.7 GΩ", "±20％ (M)"},
  BandsRow{"BlackIsNoTolerance", C::Red, C::Red, C::Black, C::Black, "22 Ω", "未定義"},
  BandsRow{"YellowIsNoTolerance", C::Red, C::Red, C::Blue, C::Yellow, "22 MΩ", "未定義"},
  BandsRow{"GreyIsNoTolerance", C::Red, C::Red, C::Violet, C::Grey, "220 MΩ", "未定義"},
  BandsRow{"WhiteIsNoTolerance", C::Red, C::Red, C::White, C::White, "22 GΩ", "未定義"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ColourCode, DefaultSwatchesAndNone) {
  EXPECT_EQ(LookOf(C::Red).rgb, 0xFF0000U);
  EXPECT_EQ(LookOf(C::Black).rgb, 0x000000U);
  EXPECT_EQ(LookOf(C::Yellow).rgb, 0xFFFF00U);
  EXPECT_EQ(LookOf(C::Gold).rgb, 0xD9D262U);
  EXPECT_FALSE(LookOf(C::Gold).buttonFace);
  EXPECT_TRUE(LookOf(C::None).buttonFace);
}

} // namespace
} // namespace detector
