#include "core/numtext.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "core/errors.h"

namespace quelm {

std::u16string FilterNumericText(std::u16string_view text) {
  std::u16string kept;
  kept.reserve(text.size());
  for (char16_t unit : text) {
    if (unit == u'.' || (unit >= u'0' && unit <= u'9'))
      kept.push_back(unit);
  }
  return kept;
}

namespace {

// A C locale object of our own: the conversion never sees the locale that
// QApplication installs from the environment (which may use a decimal comma).
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return classic;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Real Convert(std::string_view text) {
  // Grammar: digits [ '.' digits ], either run possibly empty.
  std::size_t points = 0;
  std::size_t digits = 0;
  for (char c : text) {
    if (c == '.')
      ++points;
    else if (IsDigit(c))
      ++digits;
    else
      throw CalcError(FaultKind::Conversion, std::string(text));
  }
  if (points > 1)
    throw CalcError(FaultKind::Conversion, std::string(text));
  if (digits == 0)
    return 0; // "." alone
  const std::string buffer(text);
  char* end = nullptr;
  const Real value = strtold_l(buffer.c_str(), &end, ClassicLocale());
  if (end != buffer.c_str() + buffer.size() || std::isinf(value))
    throw CalcError(FaultKind::Conversion, std::string(text));
  // An underflow reads as zero or a denormal number, silently.
  return value;
}

} // namespace

Real ReadNumber(std::string_view utf8) {
  if (utf8.empty())
    return 0;
  return Convert(utf8);
}

Real ReadNumberStrict(std::string_view utf8) {
  if (utf8.empty())
    throw CalcError(FaultKind::Conversion, std::string());
  return Convert(utf8);
}

} // namespace quelm
