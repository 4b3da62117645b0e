#pragma once
// The value marking of a ceramic capacitor: one to three digits and a
// tolerance letter ("223K": 22·10³ pF, ±10 %).
//
// Decoding writes the three capacitance labels (CapacitanceTexts), then the
// tolerance label (MarkingToleranceText); a code that cannot be converted
// throws quelm::CalcError at its step and leaves what was written before.
// Codes are UTF-8 and counted in characters.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace detector {

struct ToleranceLetter {
  const char* letter;        // as the list shows it: "Ｋ", or "なし"
  const char* percentText;   // for codes of more than 10 pF ("" for none)
  const char* picofaradText; // for codes of at most 10 pF; nullptr: not written
};

// The letter list's items in order (Ｋ, item 7, is selected at start).
inline constexpr std::array<ToleranceLetter, 16> kToleranceLetters = {{
    {"Ｂ", "誤差　　±0.1％", "誤差　　±0.1ｐＦ"},
    {"Ｃ", "誤差　　±0.25％", "誤差　　±0.25ｐＦ"},
    {"Ｄ", "誤差　　±0.5％", "誤差　　±0.5ｐＦ"},
    {"Ｆ", "誤差　　±1％", "誤差　　±1ｐＦ"},
    {"Ｇ", "誤差　　±2％", nullptr},
    {"Ｈ", "誤差　　±3％", nullptr},
    {"Ｊ", "誤差　　±5％", nullptr},
    {"Ｋ", "誤差　　±10％", nullptr},
    {"Ｍ", "誤差　　±20％", nullptr},
    {"Ｎ", "誤差　　±30％", nullptr},
    {"Ｑ", "誤差　　－10％, ＋30％", nullptr},
    {"Ｔ", "誤差　　－10％, ＋50％", nullptr},
    {"Ｓ", "誤差　　－20％, ＋50％", nullptr},
    {"Ｚ", "誤差　　－20％, ＋80％", nullptr},
    {"Ｐ", "誤差　　－0％, ＋100％", nullptr},
    {"なし", "", nullptr},
}};

// The marking on the drawn body at start (an ASCII K, unlike the list's
// letters), and the tolerance label's caption, which it shows again when
// the letter changes.
inline constexpr const char* kStartMarking = "223K";
inline constexpr const char* kToleranceCaption = "誤差";

// The marking on the body: the code, then the letter when it is a single
// character ("なし" adds nothing).
std::string MarkingText(std::string_view code, const ToleranceLetter& letter);

// The texts of the pF, nF and μF labels.
struct Capacitance {
  std::string picofarads;
  std::string nanofarads;
  std::string microfarads;
};

// One or two characters: the code itself in pF and " " for the others.
// Three: the first two as a decimal number v, the third as a whole number
// e, and v·10^e pF in the three units. Other lengths: no texts (the labels
// keep theirs).
std::optional<Capacitance> CapacitanceTexts(std::string_view code);

// The tolerance label's text, or none when it is not written: a code of at
// most 10 pF (one or two characters worth at most 10 as a whole number, or
// "100") takes the letter's pF text, which only Ｂ, Ｃ, Ｄ and Ｆ have; any
// other code the letter's % text.
std::optional<std::string> MarkingToleranceText(std::string_view code, const ToleranceLetter& letter);

} // namespace detector
