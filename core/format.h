#pragma once
// Number-to-text conversions shared by every result.
#include <string>
#include <string_view>

#include "core/real.h"

namespace quelm {

// The general 15-digit form: the digits are rounded to 18 significant digits
// (half to even), then to 15 by the 16th digit (5 or more rounds up); trailing
// zeros dropped; fixed form for magnitudes from 0.0001 to below 1E15,
// exponent form ("1.2345E-5", "1E15") otherwise; zero is "0".
std::string FormatGeneral(Real x);

// FormatGeneral's text with any exponent written out in digits ("1.5E15" ->
// "1500000000000000", "1.2345E-5" -> "0.000012345"). For results written
// into input fields, whose filter keeps only digits and points and would
// turn "1.5E15" into "1.515".
std::string FormatPlain(Real x);
std::string WithoutExponent(const std::string& general);

// Round(x * 10^n) / 10^n: the product rounded to a 64-bit integer, ties to
// even on its binary value (beyond the 64-bit range: invalid operation).
// Negative n divides by 10^-n instead.
Real RoundDecimals(Real x, int n);

// FormatGeneral(RoundDecimals(x, n)).
std::string FormatRounded(Real x, int n);

// x with as many decimals as the picture ("0.00000000") has zeros after its
// point, rounded half away from zero; at least one integer digit.
std::string FormatFixed(Real x, std::string_view picture);

// How FormatEngineering rounds the prefixed value q.
enum class EngRounding {
  Significant, // a significant digits: q < 10 to a-1 decimals, q < 100 to a-2, else a-3
  Decimals,    // a decimals
  None,        // no rounding (FormatGeneral's 15 digits only)
};

// An SI-prefixed text such as "1.235kΩ": x in double precision, rounded as
// `rounding` says with `a`, then the prefix and the unit. The scaled value is
// not re-scaled after rounding (999.96 with four digits reads "1000Ω").
std::string FormatEngineering(double x, int a, EngRounding rounding, std::string_view unit);

} // namespace quelm
