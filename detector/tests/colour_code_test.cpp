// The resistor colour code: resistance and tolerance texts of four bands.
#include <gtest/gtest.h>

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
  friend void PrintTo(const BandsRow& row, std::ostream* os) { *os << row.name; }
};
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
  BandsRow{"GoldMultiplier", C::Brown, C::Black, C::Gold, C::Orange, "1 Ω", "±0.05％ (W)"},
  BandsRow{"SilverMultiplier", C::Brown, C::Black, C::Silver, C::Silver, "0.1 Ω", "±10％ (K)"},
  BandsRow{"ZeroDigits", C::Black, C::Black, C::Orange, C::Black, "0 kΩ", "未定義"},
  BandsRow{"Largest", C::White, C::White, C::White, C::None, "99 GΩ", "±20％ (M)"},
  BandsRow{"GigohmsOverTen", C::Yellow, C::Violet, C::Grey, C::White, "4.7 GΩ", "未定義"},
  BandsRow{"TimesTen", C::Brown, C::Black, C::Brown, C::Yellow, "100 Ω", "未定義"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace detector
