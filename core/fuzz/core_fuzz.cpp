// A libFuzzer harness over the numeric core: reading and filtering field
// texts, the general format and the rounding, and the engineering format,
// with arbitrary inputs. Any crash, sanitizer report or broken property
// stops the run. The first byte picks the function; the rest is its input.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "core/format.h"
#include "core/numtext.h"

using quelm::CalcError;
using quelm::FaultKind;
using quelm::Real;

namespace {

void Require(bool property) {
  if (!property)
    std::abort();
}

// The filter keeps exactly the digits and points, in their order.
void Filter(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const std::u16string kept = quelm::FilterNumericText(text);
  std::u16string expected;
  for (char16_t c : text) {
    if ((c >= u'0' && c <= u'9') || c == u'.')
      expected += c;
  }
  Require(kept == expected);
  Require(quelm::FilterNumericText(kept) == kept);
}

// A field's text reads as a finite, non-negative number or fails as a
// conversion error carrying the text; what it reads formats, and the plain
// 15-digit text reads back to the same text.
void Read(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Real x = 0;
  try {
    x = quelm::ReadNumber(text);
  } catch (const CalcError& e) {
    Require(e.kind() == FaultKind::Conversion && e.text() == text);
    return;
  }
  Require(std::isfinite(x) && x >= 0);
  const std::string general = quelm::FormatGeneral(x);
  const std::string plain = quelm::FormatPlain(x);
  Require(quelm::FormatGeneral(quelm::ReadNumber(plain)) == general);
}

// Any extended value, NaN and infinities included: the formats never crash,
// and rounding either faults or gives a value that rounds to itself.
void Round(const std::uint8_t* data, std::size_t size) {
  if (size < 11)
    return;
  Real x = 0;
  std::memcpy(&x, data, 10);
  const int n = static_cast<int>(data[10] % 48) - 20; // -20 .. 27
  (void)quelm::FormatGeneral(x);
  (void)quelm::FormatFixed(x, "0.00000000");
  Real r = 0;
  try {
    r = quelm::RoundDecimals(x, n);
  } catch (const CalcError& e) {
    Require(e.kind() != FaultKind::Conversion);
    return;
  }
  Require(std::isfinite(r));
  // Away from the 64-bit edge the scaled value is an exact integer again.
  if (n >= 0 && std::fabs(r) < 1e15L && n <= 3)
    Require(quelm::RoundDecimals(r, n) == r);
  (void)quelm::FormatGeneral(r);
}

// Any double, any digit count and rounding: a text or a fault, no crash.
void Engineering(const std::uint8_t* data, std::size_t size) {
  if (size < 10)
    return;
  double x = 0;
  std::memcpy(&x, data, 8);
  const int a = static_cast<int>(data[8] % 12) - 1; // -1 .. 10
  const auto rounding = static_cast<quelm::EngRounding>(data[9] % 3);
  try {
    const std::string text = quelm::FormatEngineering(x, a, rounding, "Ω");
    Require(text.size() >= 2);
  } catch (const CalcError& e) {
    Require(e.kind() != FaultKind::Conversion);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::uint8_t* rest = data + 1;
  const std::size_t n = size - 1;
  switch (data[0] % 4) {
  case 0:
    Filter(rest, n);
    break;
  case 1:
    Read(rest, n);
    break;
  case 2:
    Round(rest, n);
    break;
  default:
    Engineering(rest, n);
    break;
  }
  return 0;
}
