// The distance search of the field-strength page: the defaults, a result
// near the bound, targets beyond it (the walk as written would not end), and
// the refining stages run to their bound.
#include <benchmark/benchmark.h>

#include "antenna/reception_distance.h"

namespace {

using antenna::FieldPath;
using antenna::Real;

void Search(benchmark::State& state, const FieldPath& path, Real target) {
  for (auto _ : state)
    benchmark::DoNotOptimize(antenna::FindReceptionDistance(path, target));
}

// The page's defaults: 44.52 km.
void DistanceDefaults(benchmark::State& state) { Search(state, {313, 1000, 100, 15, 0.005L, true}, 10); }
BENCHMARK(DistanceDefaults)->Unit(benchmark::kMicrosecond);

// Sea, 1600 kHz, 1000 kW: a result just under 1,000,000 km.
void DistanceNearTheBound(benchmark::State& state) {
  const FieldPath sea{396, 1600, 1000, 80, 5, true};
  Search(state, sea, antenna::FieldStrength(sea, 999995) * (1 + 1e-9L));
}
BENCHMARK(DistanceNearTheBound)->Unit(benchmark::kMicrosecond);

// A target so small that the literal walk would not end.
void DistanceBeyondTheBound(benchmark::State& state) {
  Search(state, {396, 100, 1e4000L, 80, 5, true}, 1e-10L);
}
BENCHMARK(DistanceBeyondTheBound)->Unit(benchmark::kMicrosecond);

// A field below the range of normal numbers, where E is flat from one step
// to the next: a refining stage walks to its bound.
void DistanceRefiningToTheBound(benchmark::State& state) {
  const FieldPath path{313, 1e3000L, 1e-3900L, 15, 1e3000L, true};
  const Real target = antenna::FieldStrength(path, 28904.815979566L);
  if (antenna::FindReceptionDistance(path, target).outcome != antenna::DistanceOutcome::Indeterminate) {
    state.SkipWithError("the refining stages settled before their bound");
    return;
  }
  Search(state, path, target);
}
BENCHMARK(DistanceRefiningToTheBound)->Unit(benchmark::kMicrosecond);

} // namespace
