#include "coil_eval/series_resonance.h"

#include "core/checked.h"
#include "core/format.h"

namespace coil_eval {

using quelm::Check;
using quelm::Div;
using quelm::Product;

namespace {

// The measured Q before any correction.
Real MeasuredQ(const SeriesResonanceInputs& in) {
  if (in.direct)
    return Div(in.v2, in.v1);
  if (Product(in.r1, in.r2) == 0)
    return 0;
  // The divider injects V1·R2/(R1 + R2) into the series circuit.
  const Real injected = Div(Check(in.v1 * in.r2), Check(in.r1 + in.r2));
  return Div(in.v2, injected);
}

} // namespace

std::string SeriesResonanceQText(const SeriesResonanceInputs& in) {
  if (Product(in.v1, in.v2) == 0)
    return " ";
  const Real q = MeasuredQ(in);
  if (in.capacitanceIgnored)
    return quelm::FormatRounded(q, 1);
  if (in.c == 0)
    return " ";
  return quelm::FormatRounded(Check(q * Check(Div(in.cd, in.c) + 1)), 1);
}

} // namespace coil_eval
