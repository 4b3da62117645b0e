#include "coil_design/coil_wire.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/format.h"
#include "core/numtext.h"

namespace coil_design {

using quelm::Check;
using quelm::FormatGeneral;
using quelm::FormatRounded;

std::string InductanceText(Real henries) {
  if (henries > 1)
    return FormatRounded(henries, 2) + " H";
  Real x = Check(henries * 1000);
  if (x > 1)
    return FormatRounded(x, 2) + " mH";
  x = Check(x * 1000);
  if (x > 1)
    return FormatRounded(x, 2) + " μH";
  x = Check(x * 1000);
  return FormatRounded(x, 3) + " nH";
}

Real CopperWeight(Real diameterMm, Real lengthM, int decimals) {
  const Real half = Check(diameterMm / 2);
  Real w = Check(half * half);
  w = Check(w * kCopperDensity);
  w = Check(w * kPi);
  w = Check(w * lengthM);
  return quelm::RoundDecimals(w, decimals);
}

Real Permeability(Real relative) { return Check(relative * kMu0OverPi) * kPi; }

std::string TurnsText(Real turns) { return FormatRounded(turns, 2) + " 巻"; }

std::string LengthLine(Real metres) { return "長さ ： " + FormatGeneral(metres) + " m"; }

std::string DiameterLine(Real millimetres, std::string_view suffix) {
  return "線径 ： " + FormatGeneral(millimetres) + " mm" + std::string(suffix);
}

std::string WeightLine(Real grams) { return "重量 ： " + FormatGeneral(grams) + " g"; }

Real ReadLengthText(std::string_view text) {
  const auto e = text.find('E');
  if (e == std::string_view::npos)
    return quelm::ReadNumber(text);
  // FormatGeneral's exponent form: digits, an optional point and digits, "E",
  // an optional "-", the exponent's digits.
  const std::string_view mantissa = text.substr(0, e);
  std::string_view exponent = text.substr(e + 1);
  const bool negative = !exponent.empty() && exponent.front() == '-';
  if (negative)
    exponent.remove_prefix(1);
  const auto fail = [&] { return quelm::CalcError(quelm::FaultKind::Conversion, std::string(text)); };
  if (mantissa.empty() || exponent.empty() || exponent.size() > 5)
    throw fail();
  int power = 0;
  for (const char c : exponent) {
    if (c < '0' || c > '9')
      throw fail();
    power = power * 10 + (c - '0');
  }
  Real value = 0;
  try {
    value = quelm::ReadNumberStrict(mantissa);
  } catch (const quelm::CalcError&) {
    throw fail();
  }
  return Check(value * quelm::Pow10(negative ? -power : power));
}

} // namespace coil_design
