#include "detector/capacitor_marking.h"

#include <cstddef>

#include "core/checked.h"
#include "core/errors.h"
#include "core/format.h"
#include "core/numtext.h"
#include "core/real.h"

namespace detector {

using quelm::Real;

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

// The number of characters of a UTF-8 text.
std::size_t Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    n += IsContinuation(c) ? 0 : 1;
  return n;
}

// The byte offset where character `index` begins.
std::size_t Offset(std::string_view text, std::size_t index) {
  std::size_t offset = 0;
  for (std::size_t seen = 0; offset < text.size(); ++offset) {
    if (!IsContinuation(text[offset]) && seen++ == index)
      return offset;
  }
  return text.size();
}

// A whole number of ASCII digits; anything else (an empty text included)
// is a conversion error.
long WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 9)
    throw quelm::CalcError(quelm::FaultKind::WholeConversion, std::string(text));
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      throw quelm::CalcError(quelm::FaultKind::WholeConversion, std::string(text));
    value = value * 10 + (c - '0');
  }
  return value;
}

// v·10^p, dividing for a negative p.
Real Scaled(Real v, int p) { return p >= 0 ? quelm::Check(v * quelm::Pow10(p)) : v / quelm::Pow10(-p); }

} // namespace

std::string MarkingText(std::string_view code, const ToleranceLetter& letter) {
  std::string text(code);
  if (Length(letter.letter) == 1)
    text += letter.letter;
  return text;
}

std::optional<Capacitance> CapacitanceTexts(std::string_view code) {
  const std::size_t n = Length(code);
  if (n == 1 || n == 2)
    return Capacitance{std::string(code) + " ｐＦ", " ", " "};
  if (n != 3)
    return std::nullopt;
  const std::size_t third = Offset(code, 2);
  const Real v = quelm::ReadNumberStrict(code.substr(0, third));
  const int e = static_cast<int>(WholeNumber(code.substr(third)));
  return Capacitance{quelm::FormatGeneral(Scaled(v, e)) + " ｐＦ",
                     quelm::FormatGeneral(Scaled(v, e - 3)) + " ｎＦ",
                     quelm::FormatGeneral(Scaled(v, e - 6)) + " μＦ"};
}

std::optional<std::string> MarkingToleranceText(std::string_view code, const ToleranceLetter& letter) {
  const bool atMostTenPicofarads = (Length(code) <= 2 && WholeNumber(code) <= 10) || code == "100";
  if (!atMostTenPicofarads)
    return std::string(letter.percentText);
  if (letter.picofaradText == nullptr)
    return std::nullopt;
  return std::string(letter.picofaradText);
}

} // namespace detector
