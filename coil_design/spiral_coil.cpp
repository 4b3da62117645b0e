#include "coil_design/spiral_coil.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

using quelm::Check;
using quelm::Div;

namespace {

// One segment of the factor's table: from x to the next point F rises by
// dF over dx.
struct Segment {
  Real x;
  Real f;
  Real df;
  Real dx;
};

constexpr std::array<Segment, 11> kSegments{{
    {0.05L, 7.7L, 0.8L, 0.05L},
    {0.1L, 8.5L, 1.9L, 0.1L},
    {0.2L, 10.4L, 2.5L, 0.1L},
    {0.3L, 12.9L, 2.8L, 0.1L},
    {0.4L, 15.7L, 3.3L, 0.1L},
    {0.5L, 19, 4.1L, 0.1L},
    {0.6L, 23.1L, 5.2L, 0.1L},
    {0.7L, 28.3L, 7, 0.1L},
    {0.8L, 35.3L, 4.3L, 0.05L},
    {0.85L, 39.6L, 6.4L, 0.05L},
    {0.9L, 46, 4, 0.025L},
}};
constexpr Real kFlatBelow = 7.7L;
constexpr Real kFlatFrom = 0.925L;
constexpr Real kFlatAbove = 50;

struct Radii {
  Real a; // outer, metres
  Real b; // inner, metres
};

Radii Read(const SpiralInputs& in) { return {in.outer / 1000, in.inner / 1000}; }

// The radii the formula uses: as read, or the equal-perimeter circle's.
Radii Working(const SpiralInputs& in) {
  const Radii r = Read(in);
  if (!in.square)
    return r;
  return {EqualPerimeterRadius(r.a), EqualPerimeterRadius(r.b)};
}

bool Rejected(const SpiralInputs& in, Real value) {
  const Radii r = Read(in);
  return r.a <= r.b || quelm::Product(r.a, r.b, value) == 0;
}

// F·(μs·1e-7)·a
Real SizeFactor(const SpiralInputs& in, const Radii& r) {
  const Real f = SpiralCoilFactor(Div(r.b, r.a));
  return Check(Check(f * Check(in.permeability * 1e-7L)) * r.a);
}

} // namespace

Real SpiralCoilFactor(Real x) {
  if (x < kSegments.front().x)
    return kFlatBelow;
  if (x >= kFlatFrom)
    return kFlatAbove;
  std::size_t k = kSegments.size() - 1;
  while (x < kSegments[k].x)
    --k;
  const Segment& s = kSegments[k];
  return (x - s.x) * s.df / s.dx + s.f;
}

Real EqualPerimeterRadius(Real r) { return Check(Check(std::sqrt(2.0L) * 4) * r) / kTwoPi; }

bool SpiralInductanceRejected(const SpiralInputs& in, Real turns) { return Rejected(in, turns); }

Real SpiralInductance(const SpiralInputs& in, Real turns) {
  return Check(SizeFactor(in, Working(in)) * Check(turns * turns));
}

bool SpiralTurnsRejected(const SpiralInputs& in, Real targetMicrohenries) {
  return Rejected(in, targetMicrohenries / 1000000);
}

Real SpiralTurns(const SpiralInputs& in, Real targetMicrohenries) {
  const Real target = targetMicrohenries / 1000000;
  return quelm::Sqrt(Div(target, SizeFactor(in, Working(in))));
}

Real SpiralWireLength(const SpiralInputs& in, Real turns) {
  const Radii r = Working(in);
  const Real pitch = Div(r.a - r.b, turns);
  const Real count = std::ceil(turns);
  Real sum = 0;
  if (count <= kTurnByTurnSum) {
    for (std::int64_t i = 1; i <= static_cast<std::int64_t>(count); ++i)
      sum += (r.a - pitch * static_cast<Real>(i)) * 2 * kPi;
  } else {
    // Σ (a − pitch·i) = N·a − pitch·N(N + 1)/2
    const Real radii = Check(count * r.a) - Check(pitch * Check(Check(count * (count + 1)) / 2));
    sum = Check(Check(radii * 2) * kPi);
  }
  return quelm::RoundDecimals(Check(sum), 2);
}

} // namespace coil_design
