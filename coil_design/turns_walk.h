#pragma once
// The turns searches walk a running count, t := t + step, each sum rounded to
// the 64-bit mantissa: after k steps the count is not start + k·step (200
// steps of 0.1 from 0 give 20.0000000000000000364…). These helpers find where
// such a walk stops without taking every step, and land on the very count the
// walk would.
#include <cstdint>
#include <functional>

#include "core/real.h"

namespace coil_design {

using quelm::Real;

// The running count after `count` steps from `start`: start + step + step + …,
// each sum rounded as the walk rounds it. Exact, and quick at any count:
// within one binary order of magnitude every step rounds alike, so the steps
// there are taken together.
Real SteppedValue(Real start, Real step, std::int64_t count);

// The walk t_k = SteppedValue(start, step, k), k = 1, 2, …, last, goes on while
// keepGoing(t_k) holds. Returns the first k at which it does not, or last + 1
// when it holds throughout. keepGoing must hold on a first stretch of the
// walk and fail from there on (an inductance that grows with the turns
// against a fixed target); it is asked at counts found by doubling and then
// halving the stretch, and the last few counts are walked one by one.
std::int64_t FirstStop(Real start, Real step, std::int64_t last, const std::function<bool(Real)>& keepGoing);

// How many steps from 0 keep the count at or below `bound`.
std::int64_t StepsUpTo(Real step, Real bound);

} // namespace coil_design
