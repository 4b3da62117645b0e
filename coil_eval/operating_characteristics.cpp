#include "coil_eval/operating_characteristics.h"

#include "core/checked.h"
#include "core/format.h"

namespace coil_eval {

using quelm::Check;
using quelm::Div;

namespace {

Real SquareRootOfTwo() { return quelm::Sqrt(2); }

} // namespace

std::string MinusThreeDbText(Real peak) { return quelm::FormatRounded(Div(peak, SquareRootOfTwo()), 3); }

std::string PlusThreeDbText(Real level) { return quelm::FormatRounded(Check(level * SquareRootOfTwo()), 3); }

OperatingResult OperatingCharacteristics(Real f1, Real f2) {
  if (quelm::Product(f1, f2) == 0)
    return {" ", " "};
  // The mean of f1 and f2 over the bandwidth.
  const Real q = Div(Check(f2 + f1), Check(Check(f2 - f1) * 2));
  OperatingResult result;
  result.q = quelm::FormatRounded(q, 2);
  result.bandwidth = quelm::FormatGeneral(f2 - f1);
  return result;
}

} // namespace coil_eval
