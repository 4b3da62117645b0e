#include "tuning/lc.h"

#include "core/checked.h"
#include "core/format.h"

namespace tuning {

using quelm::Product;

using quelm::Check;
using quelm::Div;

Real ResonantFrequency(Real a, Real b) {
  const Real root = quelm::Sqrt(Check(a * b));
  return Div(1, Check(root * kTwoPi));
}

Real OmegaSquaredTimes(Real f, Real x) {
  const Real omega = Check(kTwoPi * f);
  return Check(Check(omega * omega) * x);
}

std::string RangeText(std::string_view a, std::string_view b, std::string_view unit) {
  std::string text(a);
  text += " ～ ";
  text += b;
  text += unit;
  return text;
}

std::optional<std::string> FrequencyRange(Real fixed, Real end1, Real end2) {
  if (Product(fixed, end1, end2) == 0)
    return std::nullopt;
  const Real f1 = ResonantFrequency(fixed, end1);
  const Real f2 = ResonantFrequency(fixed, end2);
  return FrequencyRangeText(f1, f2);
}

std::string FrequencyRangeText(Real f1, Real f2) {
  static constexpr std::string_view kUnits[] = {" Hz", " kHz", " MHz", " GHz"};
  int unit = 0;
  while (unit < 3 && f1 > 10000 && f2 > 10000) {
    f1 /= 1000;
    f2 /= 1000;
    ++unit;
  }
  return RangeText(quelm::FormatRounded(f1, 2), quelm::FormatRounded(f2, 2), kUnits[unit]);
}

} // namespace tuning
