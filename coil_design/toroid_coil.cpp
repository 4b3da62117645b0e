#include "coil_design/toroid_coil.h"

#include <cmath>

#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;
using quelm::FormatGeneral;

namespace {

bool Rejected(const ToroidCore& core, Real value) {
  if (!core.general)
    return false;
  return core.b >= core.a || quelm::Product(core.a, core.b, core.c, value, core.mu) == 0;
}

} // namespace

ToroidCore GeneralToroidCore(Real aMm, Real bMm, Real cMm, Real permeability) {
  ToroidCore core;
  core.general = true;
  core.a = aMm / 1000;
  core.b = bMm / 1000;
  core.c = cMm / 1000;
  core.mu = Permeability(permeability);
  return core;
}

ToroidCore CatalogueToroidCore(const ToroidCoreRow& row) {
  ToroidCore core;
  core.al = row.al;
  core.a = row.a;
  core.b = row.b;
  core.c = row.c;
  return core;
}

bool ToroidInductanceRejected(const ToroidCore& core, Real turns) { return Rejected(core, turns); }

Real ToroidInductance(const ToroidCore& core, Real turns) {
  const Real n2 = Check(turns * turns);
  if (!core.general)
    return Check(n2 * core.al) / 1000000000;
  // ln(a/b)·(N²/2π)·μ·c
  const Real shape = Check(quelm::Ln(Div(core.a, core.b)) * (n2 / kTwoPi));
  return Check(Check(shape * core.mu) * core.c);
}

std::string ToroidInductanceText(Real henries) {
  const Real millihenries = Check(henries * 1000);
  if (henries > 1 || !(millihenries > 1))
    return InductanceText(henries);
  const std::int64_t hundredths = quelm::Round64(std::ceil(Check(millihenries * 100)));
  return FormatGeneral(static_cast<Real>(hundredths) / 100) + " mH";
}

bool ToroidTurnsRejected(const ToroidCore& core, Real targetMicrohenries) {
  return Rejected(core, targetMicrohenries / 1000000);
}

Real ToroidTurns(const ToroidCore& core, Real targetMicrohenries) {
  const Real target = targetMicrohenries / 1000000;
  if (!core.general)
    return quelm::Sqrt(Div(Check(target * 1000000000), core.al));
  // √(L·2π/(ln(a/b)·μ·c)), 2π formed as 2·π
  const Real shape = Check(Check(quelm::Ln(Div(core.a, core.b)) * core.mu) * core.c);
  return quelm::Sqrt(Div(Check(target * (2 * kPi)), shape));
}

Real ToroidWireLength(const ToroidCore& core, Real turns) {
  const Real section = Check(Check(core.a - core.b) + Check(2 * core.c));
  const Real advance = Div(Check(kPi * core.a), turns);
  const Real perTurn = quelm::Sqrt(Check(Check(section * section) + Check(advance * advance)));
  return quelm::RoundDecimals(Check(perTurn * turns), 2);
}

std::string MaxTurnsEstimate(Real innerMetres, Real wireMm) {
  const Real hole = Check(innerMetres * 1000);
  const Real ratio = Div(hole, wireMm);
  if (ratio <= 2.6L)
    return "推定最大巻数 ： " + FormatGeneral(std::trunc(ratio)) + " 巻";
  // The wires side by side on the circle through their centres, with 0.86
  // for the packing.
  const Real around = Div(Check(Check(Check(hole - wireMm) * 0.86L) * kPi), wireMm);
  return "推定最大巻数 ： 約 " + FormatGeneral(std::trunc(around)) + " 巻";
}

} // namespace coil_design
