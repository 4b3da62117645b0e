#include "antenna/reception_distance.h"

#include "core/errors.h"
#include "core/format.h"

namespace antenna {

namespace {

// The smallest index in [lo, hi) at which `holds` is true, or hi when there
// is none; `holds` must be false and then true over the range. Gallops up
// from lo, then bisects the last gap, so it asks about 2·log2(result - lo)
// indices.
template <class Pred> long FirstTrue(long lo, long hi, Pred holds) {
  long no = lo - 1; // the last index known false (or just below the range)
  long yes = hi;    // the first index known true (or the end)
  for (long step = 1; no + step < hi; step *= 2) {
    if (holds(no + step)) {
      yes = no + step;
      break;
    }
    no += step;
  }
  while (yes - no > 1) {
    const long mid = no + (yes - no) / 2;
    (holds(mid) ? yes : no) = mid;
  }
  return yes;
}

// The distance of stage a's n-th step: the walk's sum of n tens, exact.
Real StepDistance(long n) { return static_cast<Real>(10 * n); }

// Walks d by `step` until `done` holds for E(d), at most
// kDistanceRefineSteps times; false when it did not get there.
template <class Done> bool Walk(const GroundWave& wave, Real& d, Real step, Done done) {
  for (long i = 0; i < kDistanceRefineSteps; ++i) {
    d += step;
    if (done(wave.At(d)))
      return true;
  }
  return false;
}

} // namespace

ReceptionDistance FindReceptionDistance(const FieldPath& path, Real target) {
  const GroundWave wave(path);

  // Stage a: the first step at which E falls below Et. A step whose E faults
  // (a numerical distance beyond the range of numbers, which only grows
  // with d) ends the walk as well: there the walk would have faulted.
  const auto stops = [&](long n) {
    try {
      return wave.At(StepDistance(n)) < target;
    } catch (const quelm::CalcError&) {
      return true;
    }
  };
  const long end = kDistanceSearchSteps + 1;
  const long knee = FirstTrue(1, end, [&](long n) { return wave.BeyondKnee(StepDistance(n)); });
  long n = FirstTrue(1, knee, stops);
  if (n == knee)
    n = FirstTrue(knee, end, stops);
  if (n == end)
    return {DistanceOutcome::Beyond, 0};
  Real d = StepDistance(n);
  wave.At(d); // the walk's own fault, if this step faults

  // Stages b to d, step by step.
  const auto above = [target](Real e) { return e > target; };
  const auto below = [target](Real e) { return e < target; };
  if (!Walk(wave, d, -1, above) || !Walk(wave, d, 0.1L, below) || !Walk(wave, d, -0.01L, above))
    return {DistanceOutcome::Indeterminate, 0};
  return {DistanceOutcome::Found, d};
}

std::string ReceptionDistanceText(const ReceptionDistance& r) {
  switch (r.outcome) {
  case DistanceOutcome::Beyond:
    return kReceptionDistanceBeyond;
  case DistanceOutcome::Indeterminate:
    return kReceptionDistanceIndeterminate;
  case DistanceOutcome::Found:
    break;
  }
  return quelm::FormatGeneral(r.km) + " [km] ";
}

std::string ReceptionDistanceResult(const FieldPath& path, Real target) {
  if (FieldPathRejected(path, target))
    return kReceptionDistanceReset;
  return ReceptionDistanceText(FindReceptionDistance(path, target));
}

} // namespace antenna
