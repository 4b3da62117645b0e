// The numeric filter and the number reader.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/errors.h"
#include "core/format.h"
#include "core/numtext.h"

using quelm::Real;

struct FilterCase {
  const char* name;
  friend void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }
  std::u16string in;
  std::u16string out;
};

class FilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, KeepsDigitsAndPoints) {
  EXPECT_EQ(quelm::FilterNumericText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Texts, FilterTest,
                         testing::Values(FilterCase{"LetterDropped", u"12a", u"12"},
                                         FilterCase{"CommaDropped", u"1,234.5", u"1234.5"},
                                         FilterCase{"SignAndExponentDropped", u"-3e-2", u"32"},
                                         FilterCase{"FullWidthDigitsDropped", u"１２", u""},
                                         FilterCase{"ExtraPointsKept", u"1.2.3", u"1.2.3"},
                                         FilterCase{"BlanksDropped", u" 1 0 ", u"10"},
                                         FilterCase{"FullWidthPointDropped", u"1．5", u"15"},
                                         // A character outside the basic plane is two code units;
                                         // both go.
                                         FilterCase{"SurrogatesDropped", u"1\U0001D7D82", u"12"},
                                         FilterCase{"Empty", u"", u""},
                                         FilterCase{"Clean", u"0005.50", u"0005.50"}),
                         [](const testing::TestParamInfo<FilterCase>& info) {
                           return std::string(info.param.name);
                         });

struct ReadCase {
  const char* name;
  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
  const char* text;
  Real value;
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheValue) { EXPECT_EQ(quelm::ReadNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTest,
                         testing::Values(ReadCase{"Empty", "", 0}, ReadCase{"LonePoint", ".", 0},
                                         ReadCase{"Integer", "5", 5}, ReadCase{"TrailingPoint", "5.", 5},
                                         ReadCase{"LeadingPoint", ".5", 0.5L},
                                         ReadCase{"LeadingZeros", "0005.50", 5.5L},
                                         // Correctly rounded to extended precision, not double.
                                         ReadCase{"ExtendedTenth", "0.1", 0.1L},
                                         ReadCase{"SpeedOfLight", "299.792458", 299.792458L}),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                           return std::string(info.param.name);
                         });

namespace {

std::string ConversionMessage(const std::string& text, bool strict = false) {
  try {
    if (strict)
      quelm::ReadNumberStrict(text);
    else
      quelm::ReadNumber(text);
  } catch (const quelm::CalcError& e) {
    EXPECT_EQ(e.kind(), quelm::FaultKind::Conversion);
    EXPECT_EQ(e.text(), text);
    return e.Message();
  }
  return "(read without error)";
}

} // namespace

TEST(ReadNumber, RejectsTextsThatAreNotNumbers) {
  EXPECT_EQ(ConversionMessage("1.2.3"), "'1.2.3' は浮動小数点数ではありません.");
  EXPECT_EQ(ConversionMessage(".."), "'..' は浮動小数点数ではありません.");
  EXPECT_EQ(ConversionMessage("1e5"), "'1e5' は浮動小数点数ではありません.");
  EXPECT_EQ(ConversionMessage("-1"), "'-1' は浮動小数点数ではありません.");
  EXPECT_EQ(ConversionMessage(" 1"), "' 1' は浮動小数点数ではありません.");
  EXPECT_EQ(ConversionMessage("12ｐ"), "'12ｐ' は浮動小数点数ではありません.");
}

TEST(ReadNumber, ADigitRunBeyondTheExtendedRangeIsAConversionError) {
  const std::string huge = "1" + std::string(4933, '0');
  EXPECT_EQ(ConversionMessage(huge), "'" + huge + "' は浮動小数点数ではありません.");
  EXPECT_EQ(quelm::ReadNumber("1" + std::string(4931, '0')), 1e4931L);
}

TEST(ReadNumber, AnUnderflowReadsAsZero) {
  EXPECT_EQ(quelm::ReadNumber("0." + std::string(5000, '0') + "1"), 0);
  EXPECT_GT(quelm::ReadNumber("0." + std::string(4940, '0') + "1"), 0); // a denormal number
}

TEST(ReadNumberStrict, EmptyIsAConversionError) {
  EXPECT_EQ(ConversionMessage("", true), "'' は浮動小数点数ではありません.");
  EXPECT_EQ(quelm::ReadNumberStrict("."), 0);
  EXPECT_EQ(quelm::ReadNumberStrict("2.5"), 2.5L);
}

// QApplication installs the C library's locale from the environment; a
// decimal comma there must change nothing in reading or writing.
TEST(Locale, CommaDecimalLocaleChangesNothing) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(quelm::ReadNumber("1.5"), 1.5L);
  EXPECT_THROW(quelm::ReadNumber("1,5"), quelm::CalcError);
  EXPECT_EQ(quelm::FormatGeneral(1234.5L), "1234.5");
  EXPECT_EQ(quelm::FormatGeneral(1.5e-7L), "1.5E-7");
  EXPECT_EQ(quelm::FormatFixed(1.0L / 3, "0.00"), "0.33");
  EXPECT_EQ(quelm::FormatEngineering(1234.567, 4, quelm::EngRounding::Significant, "Ω"), "1.235kΩ");
  std::setlocale(LC_ALL, saved.c_str());
}
