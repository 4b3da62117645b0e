#include "coil_design/turns_walk.h"

#include <cmath>

namespace coil_design {

namespace {

// Both values have the same sign and binary exponent, so they lie on one grid
// of spacing 2^(e−64).
bool SameBinade(Real x, Real y) {
  if (x == 0 || y == 0 || std::signbit(x) != std::signbit(y))
    return false;
  int ex = 0;
  int ey = 0;
  std::frexp(x, &ex);
  std::frexp(y, &ey);
  return ex == ey;
}

constexpr std::uint64_t kHalfRange = std::uint64_t{1} << 63;

} // namespace

Real SteppedValue(Real start, Real step, std::int64_t count) {
  Real t = start;
  while (count > 0) {
    // Two plain steps. Within t's binade a sum t + step rounds to the grid of
    // t, so every step adds the same multiple of the grid, except that a step
    // ending half-way between two grid points goes to the even one: the first
    // step settles that, and the second shows the steady increment.
    const Real a = t + step;
    if (count == 1)
      return a;
    const Real b = a + step;
    count -= 2;
    if (count == 0 || !SameBinade(t, b)) {
      t = b;
      continue;
    }
    int e = 0;
    const Real fraction = std::fabs(std::frexp(b, &e)); // |b| = m·2^(e−64), 2^63 ≤ m < 2^64
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const auto d = static_cast<std::uint64_t>(std::ldexp(std::fabs(b - a), 64 - e));
    if (d == 0)
      return b; // the step no longer moves the count
    // Take q more steps at once while every exact sum stays inside the binade
    // with a margin of a step and two grid points (|step| is within half a
    // grid point of d).
    const std::uint64_t margin = d + 2;
    const bool growing = std::signbit(step) == std::signbit(b);
    const std::uint64_t room = growing ? ~m : m - kHalfRange;
    if (room <= margin) {
      t = b;
      continue;
    }
    std::uint64_t q = (room - margin) / d;
    if (q > static_cast<std::uint64_t>(count))
      q = static_cast<std::uint64_t>(count);
    const std::uint64_t moved = growing ? m + q * d : m - q * d;
    t = std::copysign(std::ldexp(static_cast<Real>(moved), e - 64), b);
    count -= static_cast<std::int64_t>(q);
  }
  return t;
}

std::int64_t FirstStop(Real start, Real step, std::int64_t last, const std::function<bool(Real)>& keepGoing) {
  if (last < 1)
    return 1;
  // lo: a count where keepGoing held (0: the start, never asked); hi: one
  // where it failed, or last + 1.
  std::int64_t lo = 0;
  std::int64_t hi = last + 1;
  for (std::int64_t k = 1;; k = k > last / 2 ? last : 2 * k) {
    if (!keepGoing(SteppedValue(start, step, k))) {
      hi = k;
      break;
    }
    lo = k;
    if (k == last)
      return last + 1;
  }
  constexpr std::int64_t kScan = 8;
  while (hi - lo > kScan) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (keepGoing(SteppedValue(start, step, mid)))
      lo = mid;
    else
      hi = mid;
  }
  Real t = SteppedValue(start, step, lo);
  for (std::int64_t k = lo + 1; k < hi; ++k) {
    t += step;
    if (!keepGoing(t))
      return k;
  }
  return hi;
}

std::int64_t StepsUpTo(Real step, Real bound) {
  const auto steps = static_cast<std::int64_t>(bound / step);
  return FirstStop(0, step, 2 * steps + 2, [bound](Real t) { return t <= bound; }) - 1;
}

} // namespace coil_design
