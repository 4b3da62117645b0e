// The speed of the waves and the shortening factor's rule.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "antenna/wave_options.h"
#include "core/errors.h"

namespace antenna {
namespace {

TEST(WaveSpeed, ApproximateAndExact) {
  EXPECT_EQ(WaveSpeed(true), 300.0L);
  EXPECT_EQ(WaveSpeed(false), 299.792458L);
  // The exact speed is the extended literal, not the double one widened.
  EXPECT_NE(WaveSpeed(false), static_cast<Real>(299.792458));
}

struct ShorteningCase {
  const char* name;
  const char* text;
  bool enabled;
  bool uncheck;
  std::optional<Real> factor;
};

class ShorteningRule : public ::testing::TestWithParam<ShorteningCase> {};

TEST_P(ShorteningRule, NormalisesThePanel) {
  const ShorteningCase& c = GetParam();
  const Shortening s = NormaliseShortening(c.text, c.enabled);
  EXPECT_EQ(s.uncheck, c.uncheck);
  EXPECT_EQ(s.factor, c.factor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShorteningRule,
    ::testing::Values(ShorteningCase{"EnabledFactorApplies", "0.95", true, false, 0.95L},
                      ShorteningCase{"TypedFactorApplies", "0.6", true, false, 0.6L},
                      ShorteningCase{"FactorAboveOneApplies", "1.5", true, false, 1.5L},
                      ShorteningCase{"DisabledFactorIsNotApplied", "0.95", false, false, std::nullopt},
                      ShorteningCase{"EmptyUnchecks", "", true, true, std::nullopt},
                      ShorteningCase{"EmptyWhileDisabled", "", false, true, std::nullopt},
                      ShorteningCase{"ZeroUnchecks", "0", true, true, std::nullopt},
                      ShorteningCase{"LonePointUnchecks", ".", true, true, std::nullopt},
                      ShorteningCase{"ZerosUncheck", "00.000", true, true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShorteningRule, ABadTextIsAConversionErrorEvenWhenDisabled) {
  for (bool enabled : {true, false}) {
    try {
      NormaliseShortening("1.2.3", enabled);
      ADD_FAILURE() << "no error, enabled=" << enabled;
    } catch (const quelm::CalcError& e) {
      EXPECT_EQ(e.kind(), quelm::FaultKind::Conversion);
      EXPECT_EQ(e.Message(), "'1.2.3' は浮動小数点数ではありません.");
    }
  }
}

// The short-wire calculation reads the factor without normalising the panel.
struct AsTypedRow {
  const char* name;
  const char* text;
  bool enabled;
  std::optional<Real> factor;
};
void PrintTo(const AsTypedRow& row, std::ostream* os) { *os << row.name; }

class ShorteningAsTypedTest : public ::testing::TestWithParam<AsTypedRow> {};

TEST_P(ShorteningAsTypedTest, Factor) {
  EXPECT_EQ(ShorteningAsTyped(GetParam().text, GetParam().enabled), GetParam().factor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ShorteningAsTypedTest, ::testing::Values(
  AsTypedRow{"Enabled", "0.95", true, 0.95L},
  AsTypedRow{"Disabled", "0.95", false, std::nullopt},
  AsTypedRow{"DisabledTextIsNotRead", "1.2.3", false, std::nullopt},
  AsTypedRow{"DisabledEmpty", "", false, std::nullopt},
  AsTypedRow{"ZeroIsNotApplied", "0", true, std::nullopt},
  AsTypedRow{"LonePointIsZero", ".", true, std::nullopt}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace antenna
