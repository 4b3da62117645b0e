// FormatEngineering: prefixes, their boundaries and the modes.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "core/format.h"

struct EngineeringCase {
  const char* name;
  friend void PrintTo(const EngineeringCase& c, std::ostream* os) { *os << c.name; }
  double value;
  int digits;
  quelm::EngRounding rounding;
  const char* unit;
  const char* text;
};

constexpr auto Sig = quelm::EngRounding::Significant;
constexpr auto Dec = quelm::EngRounding::Decimals;
constexpr auto None = quelm::EngRounding::None;

class FormatEngineeringTest : public testing::TestWithParam<EngineeringCase> {};

TEST_P(FormatEngineeringTest, WritesExactText) {
  const auto& c = GetParam();
  EXPECT_EQ(quelm::FormatEngineering(c.value, c.digits, c.rounding, c.unit), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    FourDigits, FormatEngineeringTest,
    testing::Values(EngineeringCase{"Kilo", 1234.567, 4, Sig, "Ω", "1.235kΩ"},
                    EngineeringCase{"Micro", 0.0001234567, 4, Sig, "A", "123.5μA"},
                    EngineeringCase{"NoPrefix", 12.3456, 4, Sig, "V", "12.35V"},
                    EngineeringCase{"Whole", 5, 4, Sig, "W", "5W"},
                    EngineeringCase{"NegativeMilli", -0.0025, 4, Sig, "V", "-2.5mV"},
                    EngineeringCase{"ZeroIsFemto", 0, 4, Sig, "A", "0fA"},
                    EngineeringCase{"NegativeZero", -0.0, 4, Sig, "A", "0fA"},
                    // Boundaries below 1 take the smaller prefix, above 1 the larger.
                    EngineeringCase{"MilliBoundary", 0.001, 4, Sig, "A", "1000μA"},
                    EngineeringCase{"MicroBoundary", 0.000001, 4, Sig, "A", "1000nA"},
                    EngineeringCase{"NanoBoundary", 1e-9, 4, Sig, "A", "1000pA"},
                    EngineeringCase{"PicoBoundary", 1e-12, 4, Sig, "A", "1000fA"},
                    EngineeringCase{"One", 1, 4, Sig, "V", "1V"},
                    EngineeringCase{"KiloBoundary", 1000, 4, Sig, "Ω", "1kΩ"},
                    EngineeringCase{"MegaBoundary", 1e6, 4, Sig, "Ω", "1MΩ"},
                    EngineeringCase{"GigaBoundary", 1e9, 4, Sig, "Ω", "1GΩ"},
                    EngineeringCase{"TeraBoundary", 1e12, 4, Sig, "Ω", "1TΩ"},
                    // No re-scaling after rounding.
                    EngineeringCase{"RoundsToThousand", 999.96, 4, Sig, "Ω", "1000Ω"},
                    EngineeringCase{"RoundsToThousandKilo", 999960, 4, Sig, "Ω", "1000kΩ"},
                    EngineeringCase{"RoundsToTen", 9.9996, 4, Sig, "V", "10V"},
                    EngineeringCase{"FemtoHasNoFloor", 1.234e-18, 4, Sig, "A", "0.001fA"},
                    EngineeringCase{"TeraHasNoCeiling", 4.5e16, 4, Sig, "W", "45000TW"},
                    EngineeringCase{"TieToEven", 1.0625, 4, Sig, "V", "1.062V"},
                    EngineeringCase{"Decimals", 1234.567, 2, Dec, "Ω", "1.23kΩ"},
                    EngineeringCase{"OtherModeUnrounded", 1234.567, 4, None, "Ω", "1.234567kΩ"},
                    EngineeringCase{"OtherModeNegative", -0.5, 4, None, "m", "-500mm"},
                    EngineeringCase{"SkinDepth", 0.000209, 4, Sig, "m", "209μm"}),
    [](const testing::TestParamInfo<EngineeringCase>& info) { return std::string(info.param.name); });

TEST(FormatEngineering, BeyondTheIntegerRangeStopsWithInvalidOperation) {
  EXPECT_EQ(quelm::FormatEngineering(9e29, 4, Sig, "W"), "9E17TW");
  EXPECT_THROW(quelm::FormatEngineering(1e31, 4, Sig, "W"), quelm::CalcError);
}
