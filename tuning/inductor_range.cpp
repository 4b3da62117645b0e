#include "tuning/inductor_range.h"

#include <string_view>

#include "core/checked.h"
#include "core/format.h"

namespace tuning {

using quelm::Product;

std::optional<std::string> InductanceRange(Real c, Real f1, Real f2) {
  if (Product(c, f1, f2) == 0)
    return std::nullopt;
  const Real l1 = quelm::Div(1, OmegaSquaredTimes(f1, c));
  const Real l2 = quelm::Div(1, OmegaSquaredTimes(f2, c));
  return InductanceRangeText(l1, l2);
}

std::string InductanceRangeText(Real l1, Real l2) {
  static constexpr std::string_view kUnits[] = {" H", " mH", " μH", " nH"};
  int unit = 0;
  // H, mH and μH are kept as soon as either end is above 1; nanohenries
  // take whatever is left.
  while (unit < 3 && !(l1 > 1 || l2 > 1)) {
    l1 = quelm::Check(l1 * 1000);
    l2 = quelm::Check(l2 * 1000);
    ++unit;
  }
  return RangeText(quelm::FormatRounded(l1, 3), quelm::FormatRounded(l2, 3), kUnits[unit]);
}

} // namespace tuning
