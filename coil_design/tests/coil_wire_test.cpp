#include "coil_design/coil_wire.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace coil_design {
namespace {

struct InductanceCase {
  const char* name;
  Real henries;
  const char* text;
};

class InductanceTextTest : public ::testing::TestWithParam<InductanceCase> {};

TEST_P(InductanceTextTest, Text) { EXPECT_EQ(InductanceText(GetParam().henries), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Thresholds, InductanceTextTest,
                         ::testing::Values(InductanceCase{"Zero", 0, "0 nH"},
                                           InductanceCase{"OneHenryIsMillihenries", 1, "1000 mH"},
                                           InductanceCase{"AboveOneHenry", 1.005L, "1 H"},
                                           InductanceCase{"Henries", 2.345678L, "2.35 H"},
                                           InductanceCase{"TwoDecimalsDropTrailingZeros", 1.0049e-3L, "1 mH"},
                                           InductanceCase{"JustBelowOneMillihenry", 0.999996e-3L, "1000 μH"},
                                           InductanceCase{"OneMillihenryIsMicrohenries", 1e-3L, "1000 μH"},
                                           InductanceCase{"Microhenries", 298.9137e-6L, "298.91 μH"},
                                           InductanceCase{"JustBelowOneMicrohenry", 0.9999e-6L, "999.9 nH"},
                                           InductanceCase{"NanohenriesKeepThreeDecimals", 2.5e-7L, "250 nH"},
                                           InductanceCase{"SmallNanohenries", 1.23456e-9L, "1.235 nH"},
                                           InductanceCase{"BelowANanohenryStaysNanohenries", 1e-12L,
                                                          "0.001 nH"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InductanceText, RoundsTiesOnTheBinaryValue) {
  // 0.125 and 0.375 are exact in binary: ties go to the even neighbour.
  EXPECT_EQ(InductanceText(2.125L), "2.12 H");
  EXPECT_EQ(InductanceText(2.375L), "2.38 H");
}

TEST(InductanceText, HugeInductanceIsAnInvalidOperation) {
  // Rounding to 2 decimals goes through a 64-bit integer.
  try {
    InductanceText(1e17L);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::InvalidOperation);
  }
}

struct WeightCase {
  const char* name;
  Real diameter;
  Real length;
  int decimals;
  Real grams;
};

class CopperWeightTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(CopperWeightTest, Grams) {
  const auto& c = GetParam();
  EXPECT_EQ(CopperWeight(c.diameter, c.length, c.decimals), c.grams);
}

INSTANTIATE_TEST_SUITE_P(Cases, CopperWeightTest,
                         ::testing::Values(
                             // 0.36 · 8.95 · π · 15.71 / 4 = 39.75…
                             WeightCase{"SolenoidDefault", 0.6L, 15.71L, 1, 39.8L},
                             // the same wire to 2 decimals: 39.7549… keeps its hundredths
                             WeightCase{"SolenoidWireTwoDecimals", 0.6L, 15.71L, 2, 39.75L},
                             // 56.6737… rounds down
                             WeightCase{"LoopTurnsRoundsDown", 0.5L, 32.25L, 2, 56.67L},
                             WeightCase{"LoopDefault", 0.5L, 33.8L, 2, 59.4L},
                             WeightCase{"SpiralThickerWire", 0.8L, 34.22L, 2, 153.95L},
                             WeightCase{"NoWire", 0, 33.8L, 2, 0}, WeightCase{"NoLength", 0.5L, 0, 2, 0},
                             // 1 mm over 0.1 m is 0.70293…, 1 decimal keeps 0.7
                             WeightCase{"OneDecimal", 1, 0.1L, 1, 0.7L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WireLines, Texts) {
  EXPECT_EQ(LengthLine(15.71L), "長さ ： 15.71 m");
  EXPECT_EQ(DiameterLine(0.6L, " "), "線径 ： 0.6 mm ");
  EXPECT_EQ(DiameterLine(0.5989L), "線径 ： 0.5989 mm");
  EXPECT_EQ(WeightLine(59.4L), "重量 ： 59.4 g");
  EXPECT_EQ(WeightLine(0), "重量 ： 0 g");
}

TEST(TurnsText, TwoDecimals) {
  EXPECT_EQ(TurnsText(100.1849L), "100.18 巻");
  EXPECT_EQ(TurnsText(12.4L), "12.4 巻");
  EXPECT_EQ(TurnsText(2.125L), "2.12 巻");
}

TEST(TurnsText, HundredthsGatheredStepByStepShowTwoDecimals) {
  // 88127 steps of 0.01 leave 881.270000000001 at 15 digits.
  Real n = 0;
  for (int i = 0; i < 88127; ++i)
    n += 0.01L;
  EXPECT_EQ(TurnsText(n), "881.27 巻");
}

TEST(CopperWeight, BeyondTheRoundingRangeIsAnInvalidOperation) {
  // 10^9 mm of wire diameter over 10^3 m: about 7·10^21 g, beyond 2^63 tenths.
  try {
    CopperWeight(1e9L, 1000, 1);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::InvalidOperation);
  }
}

TEST(CopperWeight, OverflowIsReportedWhereItHappens) {
  try {
    CopperWeight(1e4000L, 1, 1); // (d/2)² overflows
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::Overflow);
  }
}

struct LengthTextCase {
  const char* text;
  Real value;
};

class ReadLengthTextTest : public ::testing::TestWithParam<LengthTextCase> {};

TEST_P(ReadLengthTextTest, Reads) { EXPECT_EQ(ReadLengthText(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, ReadLengthTextTest,
                         ::testing::Values(LengthTextCase{"", 0}, LengthTextCase{"33.8", 33.8L},
                                           LengthTextCase{"0.07", 0.07L}, LengthTextCase{"1E15", 1e15L},
                                           LengthTextCase{"1.5E16", 1.5e16L}),
                         [](const auto& info) {
                           // The text as a test name: "1.5E16" reads 1p5E16, "" reads Empty.
                           std::string name;
                           for (char c : std::string(info.param.text))
                             name += c == '.' ? 'p' : (c == '-' ? 'm' : c);
                           return name.empty() ? std::string("Empty") : name;
                         });

TEST(ReadLengthText, NoNumberIsAConversionError) {
  for (const char* text : {"abc", "1.2.3", "E5", "1E", "1Ex"}) {
    try {
      ReadLengthText(text);
      ADD_FAILURE() << text;
    } catch (const quelm::CalcError& e) {
      EXPECT_EQ(e.kind(), quelm::FaultKind::Conversion) << text;
      EXPECT_EQ(e.text(), text);
    }
  }
}

} // namespace
} // namespace coil_design
