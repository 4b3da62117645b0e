// FormatGeneral, RoundDecimals and FormatFixed: exact texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/errors.h"
#include "core/format.h"

using quelm::Real;

struct GeneralCase {
  const char* name;
  friend void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }
  Real value;
  const char* text;
};

class FormatGeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, WritesExactText) {
  EXPECT_EQ(quelm::FormatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatGeneralTest,
    testing::Values(
        GeneralCase{"Thousand", 1000, "1000"}, GeneralCase{"Half", 0.5L, "0.5"},
        GeneralCase{"OneThird", 1.0L / 3, "0.333333333333333"},
        GeneralCase{"TwoThirds", 2.0L / 3, "0.666666666666667"},
        GeneralCase{"SmallestFixed", 0.0001L, "0.0001"}, GeneralCase{"BelowFixed", 0.00001L, "1E-5"},
        GeneralCase{"SmallExponent", 0.000012345L, "1.2345E-5"},
        GeneralCase{"TenToFourteen", 1e14L, "100000000000000"}, GeneralCase{"TenToFifteen", 1e15L, "1E15"},
        GeneralCase{"EighteenDigits", 123456789012345678.0L, "1.23456789012346E17"},
        GeneralCase{"Negative", -2.5L, "-2.5"}, GeneralCase{"Zero", 0, "0"},
        GeneralCase{"NegativeZero", -0.0L, "0"}, GeneralCase{"NegativeSmall", -0.00001L, "-1E-5"},
        GeneralCase{"NegativeLarge", -1e20L, "-1E20"},
        GeneralCase{"LargestFixed", 999999999999999.0L, "999999999999999"},
        // 15 nines followed by a 5 rounds up into the exponent form.
        GeneralCase{"RoundsIntoExponent", 999999999999999.5L, "1E15"},
        GeneralCase{"JustBelowFixed", 0.0000999999999999999L, "9.99999999999999E-5"},
        // 0.00009999999999999995 rounds up to 0.0001 and so is written fixed.
        GeneralCase{"RoundsIntoFixed", 0.00009999999999999995L, "0.0001"},
        GeneralCase{"FixedWithZeros", 0.00012L, "0.00012"},
        GeneralCase{"IntegerAndFraction", 123.456L, "123.456"},
        GeneralCase{"HugeExponent", 1.5e300L, "1.5E300"}, GeneralCase{"TinyExponent", 2.5e-300L, "2.5E-300"},
        GeneralCase{"SlowLight", 299.792458L / 0.3L, "999.308193333333"},
        // The double 0.1 is 0.1000000000000000055...: its 18 digits round to
        // ...0000001 and the 15-digit step drops them.
        GeneralCase{"DoublePointOne", static_cast<Real>(0.1), "0.1"},
        GeneralCase{"DoubleRounding", 0.1234567890123449999L, "0.123456789012345"}),
    [](const testing::TestParamInfo<GeneralCase>& info) { return std::string(info.param.name); });

// The 16th digit decides after the 18-digit step, so a value whose 16th to
// 18th digits read 4999... below half can still round up once the 18-digit
// rounding has carried: 1.23456789012344999(6) -> 18 digits ...345000 -> up.
TEST(FormatGeneral, RoundsTwiceThroughEighteenDigits) {
  EXPECT_EQ(quelm::FormatGeneral(1.234567890123449996L), "1.23456789012345");
  EXPECT_EQ(quelm::FormatGeneral(1.234567890123449L), "1.23456789012345");
  EXPECT_EQ(quelm::FormatGeneral(1.23456789012344L), "1.23456789012344");
}

namespace {

// An independent rendering: glibc's printf in the C locale for the 18 digits,
// integer arithmetic for the 15-digit step, and long-hand assembly.
std::string Reference(Real x) {
  if (x == 0)
    return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(x));
  std::string mantissa = std::string(1, buffer[0]) + std::string(buffer + 2, 17);
  int exponent = std::atoi(buffer + 20);
  unsigned long long n18 = std::stoull(mantissa);
  unsigned long long n15 = (n18 + 500) / 1000;
  if (n15 == 1000000000000000ULL) {
    n15 /= 10;
    ++exponent;
  }
  std::string digits = std::to_string(n15);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  std::string out = x < 0 ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
      std::string integer = digits.substr(0, std::min<std::size_t>(digits.size(), exponent + 1));
      integer.resize(static_cast<std::size_t>(exponent + 1), '0');
      out += integer;
      if (digits.size() > static_cast<std::size_t>(exponent + 1))
        out += "." + digits.substr(static_cast<std::size_t>(exponent + 1));
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1)
      out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return out;
}

} // namespace

TEST(FormatGeneral, AgreesWithAnIndependentRenderingOverRandomMagnitudes) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-30.0, 30.0);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  for (int i = 0; i < 20000; ++i) {
    Real x = static_cast<Real>(mantissa(random)) * std::pow(10.0L, static_cast<Real>(exponent(random)));
    if (i % 3 == 0)
      x = -x;
    if (i % 5 == 0) // a few values with short decimal expansions
      x = std::nearbyint(x * 1000) / 1000;
    ASSERT_EQ(quelm::FormatGeneral(x), Reference(x)) << "at " << static_cast<double>(x);
  }
}

TEST(FormatGeneral, ReadsBackWithinFifteenDigits) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-300.0, 300.0);
  for (int i = 0; i < 5000; ++i) {
    const Real x = std::pow(10.0L, static_cast<Real>(exponent(random)));
    const Real back = std::strtold(quelm::FormatGeneral(x).c_str(), nullptr);
    ASSERT_NEAR(static_cast<double>(back / x), 1.0, 6e-15) << quelm::FormatGeneral(x);
  }
}

struct RoundCase {
  const char* name;
  friend void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }
  Real value;
  int decimals;
  const char* text;
};

class RoundDecimalsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalsTest, RoundsTiesToEvenOnTheBinaryValue) {
  EXPECT_EQ(quelm::FormatRounded(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ties, RoundDecimalsTest,
    testing::Values(RoundCase{"EighthDown", 0.125L, 2, "0.12"},
                    RoundCase{"ThreeEighthsUp", 0.375L, 2, "0.38"},
                    RoundCase{"OneAndHalfKept", 1.5L, 1, "1.5"}, RoundCase{"HalfToEvenZero", 0.5L, 0, "0"},
                    RoundCase{"HalfToEvenTwo", 2.5L, 0, "2"}, RoundCase{"HalfToEvenFour", 3.5L, 0, "4"},
                    RoundCase{"NegativeTie", -0.125L, 2, "-0.12"},
                    // 0.145 is stored below the half: rounds down even though
                    // printed it looks like a tie.
                    RoundCase{"BinaryBelowHalf", 0.145L, 2, "0.14"},
                    RoundCase{"TrailingZerosDropped", 2.10004L, 3, "2.1"},
                    RoundCase{"ThirtySecondDown", 0.03125L, 4, "0.0312"},
                    RoundCase{"ThreeThirtySecondsUp", 0.09375L, 4, "0.0938"},
                    RoundCase{"NegativeDecimals", 1250, -2, "1200"}),
    [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

TEST(RoundDecimals, BeyondTheIntegerRangeIsAnInvalidOperation) {
  EXPECT_EQ(quelm::RoundDecimals(9.2e15L, 3), 9.2e15L);
  try {
    quelm::RoundDecimals(9.3e15L, 3);
    FAIL() << "no fault";
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::InvalidOperation);
    EXPECT_EQ(e.Message(), "不正な浮動小数点数演算命令.");
  }
  EXPECT_THROW(quelm::RoundDecimals(-9.3e18L, 0), quelm::CalcError);
  EXPECT_EQ(quelm::RoundDecimals(-9223372036854775808.0L, 0), -9223372036854775808.0L);
}

struct FixedCase {
  const char* name;
  friend void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.name; }
  Real value;
  const char* picture;
  const char* text;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, WritesThePicturesDecimals) {
  EXPECT_EQ(quelm::FormatFixed(GetParam().value, GetParam().picture), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pictures, FormatFixedTest,
                         testing::Values(FixedCase{"Half", 0.5L, "0.00000000", "0.50000000"},
                                         FixedCase{"Third", 1.0L / 3, "0.00000000", "0.33333333"},
                                         FixedCase{"TwoThirds", 2.0L / 3, "0.00000000", "0.66666667"},
                                         FixedCase{"HalfAwayFromZero", 0.125L, "0.00", "0.13"},
                                         FixedCase{"NegativeHalfAwayFromZero", -0.125L, "0.00", "-0.13"},
                                         FixedCase{"CarryIntoInteger", 9.996L, "0.00", "10.00"},
                                         FixedCase{"NoDecimals", 2.5L, "0", "3"},
                                         FixedCase{"Zero", 0, "0.000", "0.000"},
                                         FixedCase{"TinyIsZeroWithoutSign", -0.0001L, "0.00", "0.00"},
                                         FixedCase{"RoundsUpFromBelowTheFirstDigit", 0.006L, "0.00", "0.01"},
                                         FixedCase{"Large", 123456789.125L, "0.00", "123456789.13"},
                                         FixedCase{"Nagaoka", 0.688195362L, "0.00000000", "0.68819536"}),
                         [](const testing::TestParamInfo<FixedCase>& info) {
                           return std::string(info.param.name);
                         });

struct PlainCase {
  const char* general;
  const char* plain;
  friend void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.general; }
};

class WithoutExponentTest : public testing::TestWithParam<PlainCase> {};

TEST_P(WithoutExponentTest, WritesTheExponentOutInDigits) {
  EXPECT_EQ(quelm::WithoutExponent(GetParam().general), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Texts, WithoutExponentTest,
                         testing::Values(PlainCase{"123.5", "123.5"}, PlainCase{"0", "0"},
                                         PlainCase{"1E15", "1000000000000000"},
                                         PlainCase{"1.5E15", "1500000000000000"},
                                         PlainCase{"1.23456789012346E17", "123456789012346000"},
                                         PlainCase{"1.2345E2", "123.45"},
                                         PlainCase{"-2.5E16", "-25000000000000000"},
                                         PlainCase{"1E-5", "0.00001"}, PlainCase{"1.2345E-5", "0.000012345"}),
                         [](const auto& info) {
                           // The text as a test name: "1.5E16" reads 1p5E16, "" reads Empty.
                           std::string name;
                           for (char c : std::string(info.param.general))
                             name += c == '.' ? 'p' : (c == '-' ? 'm' : c);
                           return name.empty() ? std::string("Empty") : name;
                         });

TEST(FormatPlain, KeepsFifteenDigitsWithoutAnExponent) {
  EXPECT_EQ(quelm::FormatPlain(1e15L), "1000000000000000");
  EXPECT_EQ(quelm::FormatPlain(31622777.0L * 31622777.0L), "1000000025191730");
  EXPECT_EQ(quelm::FormatPlain(1234.5L), "1234.5");
}
