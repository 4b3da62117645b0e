#include "core/format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/checked.h"

namespace quelm {

namespace {

// The decimal digits of |x| > 0 rounded to 18 significant digits (half to
// even, on the exact binary value), with E such that |x| = 0.d1d2... x 10^E.
struct Digits18 {
  char d[18];
  int E;
};

Digits18 DecimalDigits(Real magnitude) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
  // "d.ddddddddddddddddde+XX"
  Digits18 out{};
  out.d[0] = buffer[0];
  for (int i = 1; i < 18; ++i)
    out.d[i] = buffer[i + 1];
  const char* exponent = buffer + 20; // after "e"
  int value = 0;
  std::from_chars(exponent + 1, result.ptr, value);
  out.E = (exponent[0] == '-' ? -value : value) + 1;
  return out;
}

// Rounds the digit string to `keep` digits by the digit that follows
// (5 or more rounds the magnitude up); a carry out of the first digit
// increments E. Returns the kept digits.
std::string RoundHalfUp(const Digits18& digits, int keep, int& E) {
  std::string kept(digits.d, digits.d + keep);
  if (keep < 18 && digits.d[keep] >= '5') {
    int i = keep - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
      kept[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++kept[static_cast<std::size_t>(i)];
    } else {
      kept.insert(kept.begin(), '1');
      kept.pop_back();
      ++E;
    }
  }
  return kept;
}

std::string WithoutTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  return digits;
}

} // namespace

std::string FormatGeneral(Real x) {
  if (std::isnan(x))
    return "NAN";
  if (std::isinf(x))
    return x < 0 ? "-INF" : "INF";
  if (x == 0)
    return "0";

  const Digits18 digits18 = DecimalDigits(std::fabs(x));
  int E = digits18.E;
  const std::string digits = WithoutTrailingZeros(RoundHalfUp(digits18, 15, E));
  const int count = static_cast<int>(digits.size());

  std::string text = std::signbit(x) ? "-" : "";
  if (E >= -3 && E <= 15) {
    if (E <= 0) {
      text += "0.";
      text.append(static_cast<std::size_t>(-E), '0');
      text += digits;
    } else if (count <= E) {
      text += digits;
      text.append(static_cast<std::size_t>(E - count), '0');
    } else {
      text.append(digits, 0, static_cast<std::size_t>(E));
      text += '.';
      text.append(digits, static_cast<std::size_t>(E));
    }
  } else {
    text += digits[0];
    if (count > 1) {
      text += '.';
      text.append(digits, 1);
    }
    text += 'E';
    const int exponent = E - 1;
    if (exponent < 0)
      text += '-';
    text += std::to_string(std::abs(exponent)); // an int: no locale involved
  }
  return text;
}

std::string WithoutExponent(const std::string& general) {
  const auto e = general.find('E');
  if (e == std::string::npos)
    return general;
  const bool negative = general[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
    if (general[i] != '.')
      digits += general[i];
  }
  // The exponent form is d.ddd x 10^exponent: one digit before the point.
  int exponent = 0;
  const char* first = general.c_str() + e + 1;
  const bool below = *first == '-';
  std::from_chars(below ? first + 1 : first, general.c_str() + general.size(), exponent);
  if (below)
    exponent = -exponent;
  std::string text = negative ? "-" : "";
  if (exponent >= 0) {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole)
      text += digits + std::string(whole - digits.size(), '0');
    else
      text += digits.substr(0, whole) + "." + digits.substr(whole);
  } else {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

std::string FormatPlain(Real x) { return WithoutExponent(FormatGeneral(x)); }

Real RoundDecimals(Real x, int n) {
  if (n >= 0) {
    const std::int64_t r = Round64(Check(x * Pow10(n)));
    return static_cast<Real>(r) / Pow10(n);
  }
  const std::int64_t r = Round64(Check(x / Pow10(-n)));
  return Check(static_cast<Real>(r) * Pow10(-n));
}

std::string FormatRounded(Real x, int n) { return FormatGeneral(RoundDecimals(x, n)); }

std::string FormatFixed(Real x, std::string_view picture) {
  int decimals = 0;
  if (const auto point = picture.find('.'); point != std::string_view::npos) {
    for (std::size_t i = point + 1; i < picture.size() && picture[i] == '0'; ++i)
      ++decimals;
  }
  if (std::isnan(x))
    return "NAN";
  if (std::isinf(x))
    return x < 0 ? "-INF" : "INF";

  // Digits of the value in a fixed frame: integer digits then `decimals`.
  std::string integer = "0";
  std::string fraction(static_cast<std::size_t>(decimals), '0');
  bool nonzero = false;
  if (x != 0) {
    const Digits18 digits18 = DecimalDigits(std::fabs(x));
    int E = digits18.E;
    const int keep = E + decimals; // digits up to the last decimal
    std::string digits;
    if (keep >= 18) {
      digits.assign(digits18.d, 18);
      digits.append(static_cast<std::size_t>(keep - 18), '0');
    } else if (keep >= 0) {
      // keep == 0: only the rounding digit decides (0.5 -> 1 with no decimals).
      std::string kept;
      if (keep == 0) {
        if (digits18.d[0] >= '5') {
          kept = "1";
          ++E;
        }
      } else {
        kept = RoundHalfUp(digits18, keep, E);
      }
      digits = kept;
    }
    // digits now holds the value's digits down to the last decimal, with the
    // first digit at decimal position E.
    const int total = E + decimals;
    if (!digits.empty() && total > 0) {
      std::string all = digits;
      all.resize(static_cast<std::size_t>(total), '0');
      if (E > 0) {
        integer = all.substr(0, static_cast<std::size_t>(E));
        fraction = all.substr(static_cast<std::size_t>(E));
      } else {
        fraction = std::string(static_cast<std::size_t>(-E), '0') + all;
      }
      nonzero = all.find_first_not_of('0') != std::string::npos;
    }
  }
  std::string text = (nonzero && x < 0) ? "-" : "";
  text += integer;
  if (decimals > 0) {
    text += '.';
    text += fraction;
  }
  return text;
}

std::string FormatEngineering(double x, int a, EngRounding rounding, std::string_view unit) {
  // Zero takes the negative branch; it still prints without a sign.
  const int sign = x <= 0 ? -1 : 1;
  const double c = x <= 0 ? -x : x;
  const Real C = static_cast<Real>(c);
  // Each scaled value is held in double, and the tests compare that double,
  // so that 0.001 (the double just above it) reads as 1000μ, not 1m.
  const auto up = [C](int p) { return static_cast<double>(C * Pow10(p)); };
  const auto down = [C](int p) { return static_cast<double>(C / Pow10(p)); };

  double q = 0;
  const char* prefix = "";
  if (c < 1) {
    if ((q = up(3)) > 1)
      prefix = "m";
    else if ((q = up(6)) > 1)
      prefix = "μ";
    else if ((q = up(9)) > 1)
      prefix = "n";
    else if ((q = up(12)) > 1)
      prefix = "p";
    else {
      q = up(15);
      prefix = "f";
    }
  } else if (c < 1000) {
    q = c;
  } else if ((q = down(3)) < 1000) {
    prefix = "k";
  } else if ((q = down(6)) < 1000) {
    prefix = "M";
  } else if ((q = down(9)) < 1000) {
    prefix = "G";
  } else {
    q = down(12);
    prefix = "T";
  }

  double value = sign * q;
  if (rounding != EngRounding::None) {
    int n = a;
    if (rounding == EngRounding::Significant)
      n = q < 10 ? a - 1 : (q < 100 ? a - 2 : a - 3);
    value = static_cast<double>(RoundDecimals(static_cast<Real>(value), n));
  }

  std::string text = FormatGeneral(static_cast<Real>(value));
  text += prefix;
  text += unit;
  return text;
}

} // namespace quelm
