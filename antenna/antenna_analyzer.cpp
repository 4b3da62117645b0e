#include "antenna/antenna_analyzer.h"

#include <numbers>

#include "core/checked.h"
#include "core/format.h"

namespace antenna {

using quelm::Check;
using quelm::Div;
using quelm::RoundDecimals;
using quelm::Sqrt;

AnalyzerTexts AnalyzeBridge(const BridgeReadings& in) {
  if (quelm::Product(in.c1, in.vr1, in.vr2, in.r3, in.frequency) == 0)
    return {};
  constexpr Real kPi = std::numbers::pi_v<Real>;
  // The rounded Cx and Rx are the values the later steps use.
  const Real cx = RoundDecimals(Check(Div(in.vr2, in.r3) * in.c1), 1);
  const Real rx = RoundDecimals(Check(Check(Div(in.r3, in.vr2) * in.vr1) * 1000), 1);
  // The reactance of Cx at 1 MHz, in ohms.
  const Real xc = Div(500000, Check(kPi * cx));
  const Real roots = Check(Sqrt(xc) + Sqrt(rx));
  const Real zx = static_cast<Real>(quelm::Round64(Check(roots * roots) / 100)) / 10;
  const Real megahertz = in.frequency / 1000;
  const Real added = RoundDecimals(Div(1000000, Check(Check(4 * Sqrt(Check(kPi * megahertz))) * cx)), 1);
  return {quelm::FormatGeneral(cx), quelm::FormatGeneral(rx), quelm::FormatGeneral(zx),
          quelm::FormatGeneral(added)};
}

} // namespace antenna
