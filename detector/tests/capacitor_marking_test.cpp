// Capacitor value marking: the capacitance in three units, the tolerance
// rules, the marking text and the conversion failures.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/errors.h"
#include "detector/capacitor_marking.h"

namespace detector {
namespace {

enum Letter { B = 0, C = 1, D = 2, J = 6, K = 7, None = 15 };

constexpr const char* kNotWritten = nullptr;
constexpr const char* kUntouched = nullptr;

struct DecodeRow {
  const char* name;
  const char* code;
  Letter letter;
  const char* picofarads; // kUntouched: no capacitance texts
  const char* nanofarads;
  const char* microfarads;
  const char* tolerance; // kNotWritten: the label is not written
};
void PrintTo(const DecodeRow& row, std::ostream* os) { *os << row.name; }

class DecodeTest : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTest, CapacitanceAndTolerance) {
  const DecodeRow& row = GetParam();
  const auto capacitance = CapacitanceTexts(row.code);
  if (row.picofarads == kUntouched) {
    EXPECT_FALSE(capacitance.has_value());
  } else {
    ASSERT_TRUE(capacitance.has_value());
    EXPECT_EQ(capacitance->picofarads, row.picofarads);
    EXPECT_EQ(capacitance->nanofarads, row.nanofarads);
    EXPECT_EQ(capacitance->microfarads, row.microfarads);
  }
  const auto tolerance = MarkingToleranceText(row.code, kToleranceLetters[row.letter]);
  if (row.tolerance == kNotWritten) {
    EXPECT_FALSE(tolerance.has_value());
  } else {
    ASSERT_TRUE(tolerance.has_value());
    EXPECT_EQ(*tolerance, row.tolerance);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Marking, DecodeTest, ::testing::Values(
  DecodeRow{"Defaults", "223", K, "22000 ｐＦ", "22 ｎＦ", "0.022 μＦ", "誤差　　±10％"},
  DecodeRow{"HundredNanofarads", "104", J, "100000 ｐＦ", "100 ｎＦ", "0.1 μＦ", "誤差　　±5％"},
  // "100" is 10 pF: the pF tolerance; its μF value is below 0.0001.
  DecodeRow{"TenPicofarads", "100", C, "10 ｐＦ", "0.01 ｎＦ", "1E-5 μＦ", "誤差　　±0.25ｐＦ"},
  DecodeRow{"TwoDigits", "47", K, "47 ｐＦ", " ", " ", "誤差　　±10％"},
  DecodeRow{"OneDigit", "5", D, "5 ｐＦ", " ", " ", "誤差　　±0.5ｐＦ"},
  DecodeRow{"TenIsAtMostTen", "10", B, "10 ｐＦ", " ", " ", "誤差　　±0.1ｐＦ"},
  DecodeRow{"ElevenIsAboveTen", "11", B, "11 ｐＦ", " ", " ", "誤差　　±0.1％"},
  // At most 10 pF with a letter that has no pF tolerance: not written.
  DecodeRow{"SmallWithPercentLetter", "10", K, "10 ｐＦ", " ", " ", kNotWritten},
  // Three characters other than "100" take the % text, whatever the value.
  DecodeRow{"OnePicofaradAsThreeDigits", "010", B, "1 ｐＦ", "0.001 ｎＦ", "1E-6 μＦ", "誤差　　±0.1％"},
  // Every digit is an exponent.
  DecodeRow{"ExponentNine", "229", K, "22000000000 ｐＦ", "22000000 ｎＦ", "22000 μＦ", "誤差　　±10％"},
  DecodeRow{"DecimalPoint", ".52", K, "50 ｐＦ", "0.05 ｎＦ", "5E-5 μＦ", "誤差　　±10％"},
  DecodeRow{"NoLetter", "223", None, "22000 ｐＦ", "22 ｎＦ", "0.022 μＦ", ""},
  // Four characters and more are not decoded.
  DecodeRow{"FourDigits", "2233", K, kUntouched, nullptr, nullptr, "誤差　　±10％"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FailureRow {
  const char* name;
  const char* code;
  bool capacitanceFails; // else the capacitance step passes and the tolerance step fails
  const char* message;
};
void PrintTo(const FailureRow& row, std::ostream* os) { *os << row.name; }

class FailureTest : public ::testing::TestWithParam<FailureRow> {};

std::string FailureOf(void (*step)(const char*), const char* code) {
  try {
    step(code);
  } catch (const quelm::CalcError& e) {
    return e.Message();
  }
  return "no fault";
}

TEST_P(FailureTest, StopsWithTheConversionMessage) {
  const FailureRow& row = GetParam();
  const auto capacitance = [](const char* code) { CapacitanceTexts(code); };
  const auto tolerance = [](const char* code) { MarkingToleranceText(code, kToleranceLetters[K]); };
  if (row.capacitanceFails) {
    EXPECT_EQ(FailureOf(capacitance, row.code), row.message);
  } else {
    EXPECT_EQ(FailureOf(capacitance, row.code), "no fault");
    EXPECT_EQ(FailureOf(tolerance, row.code), row.message);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Marking, FailureTest, ::testing::Values(
  FailureRow{"Empty", "", false, "'' は整数ではありません."},
  FailureRow{"LetterInTwo", "4a", false, "'4a' は整数ではありません."},
  FailureRow{"LetterInFirstTwo", "2x3", true, "'2x' は浮動小数点数ではありません."},
  FailureRow{"LetterAsExponent", "22x", true, "'x' は整数ではありません."},
  // Three characters, however many bytes.
  FailureRow{"FullWidthDigits", "２２３", true, "'２２' は浮動小数点数ではありません."},
  FailureRow{"FullWidthExponent", "22３", true, "'３' は整数ではありません."}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Marking, TwoCharacterCodeIsWrittenBeforeItsToleranceFails) {
  const auto capacitance = CapacitanceTexts("4a");
  ASSERT_TRUE(capacitance.has_value());
  EXPECT_EQ(capacitance->picofarads, "4a ｐＦ");
  EXPECT_EQ(capacitance->nanofarads, " ");
}

TEST(Marking, LabelTakesASingleCharacterLetter) {
  EXPECT_EQ(MarkingText("223", kToleranceLetters[K]), "223Ｋ");
  EXPECT_EQ(MarkingText("223", kToleranceLetters[None]), "223");
  EXPECT_EQ(MarkingText("", kToleranceLetters[B]), "Ｂ");
  EXPECT_EQ(MarkingText("1.2.3x", kToleranceLetters[J]), "1.2.3xＪ");
}

} // namespace
} // namespace detector
