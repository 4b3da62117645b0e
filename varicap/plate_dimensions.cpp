#include "varicap/plate_dimensions.h"

#include <numbers>

#include "core/checked.h"
#include "core/format.h"

namespace varicap {

using quelm::Check;
using quelm::Div;
using quelm::Sqrt;

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

PlateResult Rounded(Real value) {
  PlateResult r;
  r.status = PlateStatus::Ok;
  r.value = quelm::RoundDecimals(value, 2);
  r.text = quelm::FormatGeneral(r.value);
  return r;
}

// For a result written into an input field: its text must survive the
// field's filter, which keeps only digits and points ("1.6E15" would read
// back as 1.615), so the digits are written out in full.
PlateResult ForInputField(Real value) {
  PlateResult r = Rounded(value);
  r.text = quelm::FormatPlain(r.value);
  return r;
}

Real Square(Real x) { return Check(x * x); }

// 2S/π, formed as S·2 divided by π.
Real TwoAreaOverPi(Real area) { return Div(Check(area * 2), kPi); }

} // namespace

std::string_view PlateMessage(PlateStatus status) {
  switch (status) {
  case PlateStatus::InnerNotSmaller:
    return "内径が外径より大きく、計算できません。\r\n正しい値を入力してください。";
  case PlateStatus::OuterTooSmall:
    return "外径が小さいため、面積が確保できません。\r\n";
  case PlateStatus::Ok:
  case PlateStatus::NoResult:
    break;
  }
  return {};
}

PlateResult SquareArea(Real side) { return ForInputField(Square(side)); }

PlateResult RectangleArea(Real sideA, Real sideB) { return ForInputField(Check(sideA * sideB)); }

PlateResult HalfRingArea(Real outerRadius, Real innerRadius) {
  if (innerRadius >= outerRadius)
    return {PlateStatus::InnerNotSmaller, 0, {}};
  const Real ring = Check(Square(outerRadius) - Square(innerRadius));
  return ForInputField(Check(ring * kPi) / 2);
}

PlateResult SquareSide(Real area) { return Rounded(Sqrt(area)); }

PlateResult RectangleSide(Real area, Real sideA) {
  if (sideA == 0)
    return {};
  return Rounded(Div(area, sideA));
}

PlateResult HalfRingInner(Real area, Real outerRadius) {
  const Real twoSOverPi = TwoAreaOverPi(area);
  const Real outer2 = Square(outerRadius);
  if (twoSOverPi >= outer2)
    return {PlateStatus::OuterTooSmall, 0, {}};
  return ForInputField(Sqrt(outer2 - twoSOverPi));
}

PlateResult HalfRingOuter(Real area, Real innerRadius) {
  return ForInputField(Sqrt(Check(Square(innerRadius) + TwoAreaOverPi(area))));
}

} // namespace varicap
