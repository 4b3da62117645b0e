#pragma once
// Every quantity is computed in the x87 80-bit extended format.
#include <limits>

namespace quelm {

using Real = long double;
static_assert(std::numeric_limits<Real>::digits == 64,
              "QUELM needs the 80-bit extended long double (x86-64 Linux)");

} // namespace quelm
