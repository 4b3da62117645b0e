#include "varicap/plate_design.h"

#include "core/checked.h"
#include "core/format.h"

namespace varicap {

using quelm::Check;
using quelm::Div;
using quelm::Product;

Real Epsilon0() { return Check(8.85418781762L * quelm::Pow10(-12)); }

PlateDesignResult SolvePlateDesign(Quantity target, const PlateDesignInput& in) {
  const Real e0 = Epsilon0();

  const quelm::UnitFactor areaUnit = in.areaUnit.factor;
  const quelm::UnitFactor spacingUnit = in.spacingUnit.factor;
  const quelm::UnitFactor capacitanceUnit = in.capacitanceUnit.factor;

  const Real n = in.multiplicity;
  const Real er = in.permittivity;
  const Real s = areaUnit.Apply(in.area);
  const Real d = spacingUnit.Apply(in.spacing);
  const Real c = capacitanceUnit.Apply(in.capacitance);

  PlateDesignResult result;
  Real value = 0;
  switch (target) {
  case Quantity::Multiplicity:
    if (Product(s, d, c, er) == 0)
      return result;
    value = Div(Check(c * d), Check(Check(er * e0) * s));
    break;
  case Quantity::Area:
    if (Product(n, d, c, er) == 0)
      return result;
    value = areaUnit.Unapply(Div(Check(c * d), Check(Check(er * e0) * n)));
    result.unit = in.areaUnit.text;
    break;
  case Quantity::Spacing:
    if (Product(n, s, c, er) == 0)
      return result;
    value = spacingUnit.Unapply(Div(Check(Check(Check(er * e0) * n) * s), c));
    result.unit = in.spacingUnit.text;
    break;
  case Quantity::Capacitance:
    if (Product(n, s, d, er) == 0)
      return result;
    value = capacitanceUnit.Unapply(Div(Check(Check(Check(er * e0) * n) * s), d));
    result.unit = in.capacitanceUnit.text;
    break;
  case Quantity::Permittivity:
    if (Product(n, s, d, c) == 0)
      return result;
    value = Div(Check(c * d), Check(Check(n * s) * e0));
    break;
  }

  // The rounding faults beyond 2^63 / 10^4 (about 9.2E14), so a solved
  // value always has the plain decimal form that its input field keeps.
  result.solved = true;
  result.value = quelm::RoundDecimals(value, 4);
  result.text = quelm::FormatGeneral(result.value);
  return result;
}

} // namespace varicap
