#include "tuning/capacitor_range.h"

#include <string_view>

#include "core/checked.h"
#include "core/format.h"

namespace tuning {

using quelm::Product;

std::optional<std::string> CapacitanceRange(Real l, Real f1, Real f2) {
  if (Product(l, f1, f2) == 0)
    return std::nullopt;
  const Real c1 = quelm::Div(1, OmegaSquaredTimes(f1, l));
  const Real c2 = quelm::Div(1, OmegaSquaredTimes(f2, l));
  return CapacitanceRangeText(c1, c2);
}

std::string CapacitanceRangeText(Real c1, Real c2) {
  static constexpr std::string_view kUnits[] = {" F", " μF", " pF"};
  int unit = 0;
  while (unit < 2 && (c1 < 0.001L || c2 < 0.001L)) {
    c1 = quelm::Check(c1 * 1000000);
    c2 = quelm::Check(c2 * 1000000);
    ++unit;
  }
  return RangeText(quelm::FormatRounded(c1, 3), quelm::FormatRounded(c2, 3), kUnits[unit]);
}

} // namespace tuning
