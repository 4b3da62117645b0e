// Capacitor value marking: the capacitance in three units, the tolerance
// rules, the marking text and the conversion failures.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "detector/capacitor_marking.h"

namespace detector {
namespace {

template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

enum Letter { B = 0, C = 1, D = 2, J = 6, K = 7, None = 15 };

// What the two steps write: the pF, nF and μF texts ("": the labels are
// left alone) and the tolerance ("-": not written), or the message of the
// step that fails.
std::string Decode(const char* code, Letter letter) {
  std::string out;
  try {
    if (const auto c = CapacitanceTexts(code))
      out = c->picofarads + "|" + c->nanofarads + "|" + c->microfarads;
    const auto tolerance = MarkingToleranceText(code, kToleranceLetters[letter]);
    return out + "; " + (tolerance ? *tolerance : "-");
  } catch (const quelm::CalcError& e) {
    return out + "; " + e.Message();
  }
}

struct DecodeRow {
  const char* name;
  const char* code;
  Letter letter;
  const char* written;
  friend void PrintTo(const DecodeRow& row, std::ostream* os) { *os << row.name; }
};
class DecodeTest : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTest, Writes) { EXPECT_EQ(Decode(GetParam().code, GetParam().letter), GetParam().written); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Marking, DecodeTest, ::testing::Values(
  DecodeRow{"Defaults", "223", K, "22000 ｐＦ|22 ｎＦ|0.022 μＦ; 誤差　　±10％"},
  DecodeRow{"HundredNanofarads", "104", J, "100000 ｐＦ|100 ｎＦ|0.1 μＦ; 誤差　　±5％"},
  // "100" is 10 pF: the pF tolerance; its μF value is below 0.0001.
  DecodeRow{"TenPicofarads", "100", C, "10 ｐＦ|0.01 ｎＦ|1E-5 μＦ; 誤差　　±0.25ｐＦ"},
  DecodeRow{"TwoDigits", "47", K, "47 ｐＦ| | ; 誤差　　±10％"},
  DecodeRow{"OneDigit", "5", D, "5 ｐＦ| | ; 誤差　　±0.5ｐＦ"},
  DecodeRow{"TenIsAtMostTen", "10", B, "10 ｐＦ| | ; 誤差　　±0.1ｐＦ"},
  DecodeRow{"ElevenIsAboveTen", "11", B, "11 ｐＦ| | ; 誤差　　±0.1％"},
  // At most 10 pF with a letter that has no pF tolerance: not written.
  DecodeRow{"SmallWithPercentLetter", "10", K, "10 ｐＦ| | ; -"},
  // Three characters other than "100" take the % text, whatever the value.
  DecodeRow{"OnePicofaradAsThreeDigits", "010", B, "1 ｐＦ|0.001 ｎＦ|1E-6 μＦ; 誤差　　±0.1％"},
  // Every digit is an exponent.
  DecodeRow{"ExponentNine", "229", K, "22000000000 ｐＦ|22000000 ｎＦ|22000 μＦ; 誤差　　±10％"},
  DecodeRow{"NoLetter", "223", None, "22000 ｐＦ|22 ｎＦ|0.022 μＦ; "},
  // Four characters and more are not decoded.
  DecodeRow{"FourDigits", "2233", K, "; 誤差　　±10％"},
  // Failures: what was written before stays.
  DecodeRow{"Empty", "", K, "; '' は整数ではありません."},
  DecodeRow{"LetterInTwo", "4a", K, "4a ｐＦ| | ; '4a' は整数ではありません."},
  DecodeRow{"LetterInFirstTwo", "2x3", K, "; '2x' は浮動小数点数ではありません."},
  DecodeRow{"LetterAsExponent", "22x", K, "; 'x' は整数ではありません."},
  // Three characters, however many bytes.
  DecodeRow{"FullWidthDigits", "２２３", K, "; '２２' は浮動小数点数ではありません."}
), RowName<DecodeRow>);
// clang-format on

TEST(Marking, LabelTakesASingleCharacterLetter) {
  EXPECT_EQ(MarkingText("223", kToleranceLetters[K]), "223Ｋ");
  EXPECT_EQ(MarkingText("223", kToleranceLetters[None]), "223");
  EXPECT_EQ(MarkingText("", kToleranceLetters[B]), "Ｂ");
}

} // namespace
} // namespace detector
