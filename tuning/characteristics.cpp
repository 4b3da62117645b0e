#include "tuning/characteristics.h"

#include <cmath>
#include <optional>

#include "core/checked.h"
#include "core/format.h"
#include "tuning/lc.h"

namespace tuning {

using quelm::Product;

using quelm::Check;
using quelm::Div;

namespace {

// The wording for impedances of 1000 ＭΩ and more.
constexpr char kUnbounded[] = "１ＴΩ以上（無限大）";

// An impedance in ohms as "1.731 ｋΩ": Ω, ｋΩ or ＭΩ by size, 3 decimals.
// With `limited`, 1000 ＭΩ and more has no number (the caller writes the
// wording instead).
std::optional<std::string> ImpedanceText(Real v, bool limited) {
  const char* unit = " Ω";
  if (v >= 1000) {
    v /= 1000;
    unit = " ｋΩ";
    if (v >= 1000) {
      v /= 1000;
      unit = " ＭΩ";
      if (limited && v >= 1000)
        return std::nullopt;
    }
  }
  return quelm::FormatRounded(v, 3) + unit;
}

} // namespace

std::string SeriesImpedanceCaption(Real f, Real l, Real c) {
  const std::string caption = "（直列共振 Zs） ";
  if (Product(l, c, f) == 0)
    return caption;
  const Real omega = Check(kTwoPi * f);
  const Real zs = std::fabs(Check(Check(omega * l) - Div(1, Check(omega * c))));
  return caption + ImpedanceText(zs, true).value_or(std::string(" ") + kUnbounded);
}

std::string ParallelImpedanceCaption(Real f, Real l, Real c) {
  const std::string caption = "（並列共振 Zp） ";
  if (Product(l, c, f) == 0)
    return caption;
  const Real omega = Check(kTwoPi * f);
  const Real difference = Check(Div(1, Check(omega * l)) - Check(omega * c));
  if (difference == 0)
    return caption + " " + kUnbounded;
  const Real zp = std::fabs(Div(1, difference));
  return caption + ImpedanceText(zp, true).value_or(std::string(" ") + kUnbounded);
}

std::string CharacteristicImpedanceCaption(Real l, Real c) {
  if (Product(l, c) == 0)
    return "特性インピーダンス";
  const Real z0 = quelm::Sqrt(Div(l, c));
  return "特性インピーダンス　" + ImpedanceText(z0, true).value_or(kUnbounded);
}

std::string CoilReactanceCaption(Real f, Real l) {
  if (Product(f, l) == 0)
    return "（コイル XL）";
  const Real xl = Check(Check(kTwoPi * f) * l);
  return "（コイル XL） 　　　" + *ImpedanceText(xl, false);
}

std::string CapacitorReactanceCaption(Real f, Real c) {
  if (Product(f, c) == 0)
    return "（コンデンサ XC）";
  const Real xc = Div(1, Check(Check(kTwoPi * f) * c));
  return "（コンデンサ XC）　" + *ImpedanceText(xc, false);
}

} // namespace tuning
