// Speed of the solenoid's coefficient and of both turns calculations at the
// page's defaults (a 50 mm, b 60 mm, Φ 0.6 mm, μs 1, target 300 μH).
#include <benchmark/benchmark.h>

#include "coil_design/solenoid.h"
#include "coil_design/square_coil.h"

namespace {

using coil_design::Real;

void NagaokaCoefficientDefault(benchmark::State& state) {
  Real r = 0.025L;
  Real l = 0.06L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(l);
    benchmark::DoNotOptimize(coil_design::NagaokaCoefficient(r, l));
  }
}
BENCHMARK(NagaokaCoefficientDefault);

void SolenoidTurnsLengthGiven(benchmark::State& state) {
  const coil_design::SolenoidInputs in{50, 60, 0.6L, 1, true};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SolenoidTurnsOf(in, 300));
}
BENCHMARK(SolenoidTurnsLengthGiven);

void SolenoidTurnsWireGiven(benchmark::State& state) {
  const coil_design::SolenoidInputs in{50, 60, 0.6L, 1, false};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SolenoidTurnsOf(in, 300));
}
BENCHMARK(SolenoidTurnsWireGiven)->Unit(benchmark::kMillisecond);

// The worst a user can ask of the search: a target beyond the turns bound.
void SolenoidTurnsWireGivenOutOfRange(benchmark::State& state) {
  const coil_design::SolenoidInputs in{50, 60, 0.6L, 1, false};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SolenoidTurnsOf(in, 1e12L));
}
BENCHMARK(SolenoidTurnsWireGivenOutOfRange)->Unit(benchmark::kMillisecond);

void SquareTurnsLengthGiven(benchmark::State& state) {
  const coil_design::SquareInputs in{650, 650, 15, 0.6L, 1, true};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SquareTurnsOf(in, 360));
}
BENCHMARK(SquareTurnsLengthGiven);

void SquareTurnsWireGiven(benchmark::State& state) {
  const coil_design::SquareInputs in{650, 650, 15, 0.6L, 1, false};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SquareTurnsOf(in, 360));
}
BENCHMARK(SquareTurnsWireGiven)->Unit(benchmark::kMicrosecond);

void SquareTurnsWireGivenOutOfRange(benchmark::State& state) {
  const coil_design::SquareInputs in{650, 650, 15, 0.6L, 1, false};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SquareTurnsOf(in, 1e12L));
}
BENCHMARK(SquareTurnsWireGivenOutOfRange)->Unit(benchmark::kMillisecond);

} // namespace
