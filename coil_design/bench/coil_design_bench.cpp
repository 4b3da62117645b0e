// Speed of the coil pages' calculations: the solenoid's coefficient, the
// turns calculations at the pages' defaults, the searches at their turns
// bound (the worst a user can ask of them: a target just inside the bound,
// and one beyond it), and the wire sums of the flat coils at their largest
// turn-by-turn count.
#include <benchmark/benchmark.h>

#include "coil_design/solenoid.h"
#include "coil_design/spider_coil.h"
#include "coil_design/spiral_coil.h"
#include "coil_design/square_coil.h"
#include "coil_design/toroid_coil.h"

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

// A wide coil of thin wire: every coefficient of the search takes all its
// 10000 terms.
const coil_design::SolenoidInputs kWideThinSolenoid{400, 60, 0.05L, 1, false};

void SolenoidTurnsWireGivenAtTheBound(benchmark::State& state) {
  const Real target = coil_design::SolenoidInductanceOf(kWideThinSolenoid, 9999.99L).henries * 1000000;
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SolenoidTurnsOf(kWideThinSolenoid, target));
}
BENCHMARK(SolenoidTurnsWireGivenAtTheBound)->Unit(benchmark::kMillisecond);

void SolenoidTurnsWideCoilOutOfRange(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SolenoidTurnsOf(kWideThinSolenoid, 1e12L));
}
BENCHMARK(SolenoidTurnsWideCoilOutOfRange)->Unit(benchmark::kMillisecond);

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

void SquareTurnsWireGivenAtTheBound(benchmark::State& state) {
  const coil_design::SquareInputs in{650, 650, 15, 0.6L, 1, false};
  const Real target = coil_design::SquareInductance(in, 9999.99L) * 1000000;
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SquareTurnsOf(in, target));
}
BENCHMARK(SquareTurnsWireGivenAtTheBound)->Unit(benchmark::kMicrosecond);

const coil_design::SpiderInputs kSpiderWireGiven{30, 72, 0.5L, 1, false};

void SpiderTurnsOuterGiven(benchmark::State& state) {
  const coil_design::SpiderInputs in{30, 72, 0.5L, 1, true};
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SpiderTurnsOf(in, 300));
}
BENCHMARK(SpiderTurnsOuterGiven);

void SpiderTurnsWireGiven(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SpiderTurnsOf(kSpiderWireGiven, 300));
}
BENCHMARK(SpiderTurnsWireGiven)->Unit(benchmark::kMicrosecond);

void SpiderTurnsWireGivenAtTheBound(benchmark::State& state) {
  const Real target = coil_design::SpiderInductance(kSpiderWireGiven, 9999.9L);
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SpiderTurnsOf(kSpiderWireGiven, target));
}
BENCHMARK(SpiderTurnsWireGivenAtTheBound)->Unit(benchmark::kMicrosecond);

void SpiderTurnsWireGivenOutOfRange(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SpiderTurnsOf(kSpiderWireGiven, 1e12L));
}
BENCHMARK(SpiderTurnsWireGivenOutOfRange)->Unit(benchmark::kMicrosecond);

// The wire of the turns calculation at the search's bound, and at the
// largest count summed turn by turn.
void SpiderWireOfTurns(benchmark::State& state) {
  const auto turns = static_cast<Real>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        coil_design::SpiderWire(kSpiderWireGiven, turns, coil_design::SpiderCalc::Turns));
}
BENCHMARK(SpiderWireOfTurns)->Arg(70)->Arg(10000)->Arg(100000)->Arg(100001)->Unit(benchmark::kMicrosecond);

void SpiralWireLengthOfTurns(benchmark::State& state) {
  const coil_design::SpiralInputs in{true, 430, 290, 1};
  const auto turns = static_cast<Real>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(coil_design::SpiralWireLength(in, turns));
}
BENCHMARK(SpiralWireLengthOfTurns)->Arg(17)->Arg(100000)->Arg(100001)->Unit(benchmark::kMicrosecond);

void ToroidTurnsCatalogue(benchmark::State& state) {
  const auto core = coil_design::CatalogueToroidCore(
      coil_design::ToroidCoreTable(coil_design::ToroidMaterial::Ferrite43)[0]);
  for (auto _ : state) {
    const Real turns = coil_design::ToroidTurns(core, 1e9L);
    benchmark::DoNotOptimize(coil_design::ToroidWireLength(core, turns));
  }
}
BENCHMARK(ToroidTurnsCatalogue);

} // namespace
