// Speed of the diode simulation: each mode at the page's defaults, and at
// inputs whose iterations never settle on their tolerance (they used to run
// without end) or run longest before they stop.
#include <benchmark/benchmark.h>

#include <string>

#include "detector/diode_simulation.h"

namespace {

using detector::DiodeInputs;
using detector::DiodeMode;
using detector::DiodeValue;
using detector::kResistanceUnits;
using detector::kSaturationCurrentUnits;
using detector::kVoltageUnits;

// Is 1 μA, VT 26 mV, Ro 100 kΩ, Vc 1 V, Vi 1 V, Zo 50 Ω, V 500 mV.
DiodeInputs Defaults() {
  return {DiodeValue(1, kSaturationCurrentUnits[0]), DiodeValue(26, detector::kThermalVoltageUnits[0]),
          DiodeValue(100, kResistanceUnits[1]),      DiodeValue(1, kVoltageUnits[0]),
          DiodeValue(1, kVoltageUnits[0]),           DiodeValue(50, kResistanceUnits[0]),
          DiodeValue(500, kVoltageUnits[1]),         false};
}

// Ro 0.1 Ω and Vc 16 V: Idc near 154 A, where doubles lie further apart than
// the 1e-15 A tolerance.
DiodeInputs LargeCurrent() {
  DiodeInputs in = Defaults();
  in.ro = DiodeValue(0.1L, kResistanceUnits[0]);
  in.vc = DiodeValue(16, kVoltageUnits[0]);
  return in;
}

// Is 1 fA, Ro 1 Ω, Zo 1 MΩ and Vi in volts: the secant creeps from Vi
// towards a root below 1 V.
DiodeInputs FarSource(int vi) {
  DiodeInputs in = Defaults();
  in.is = DiodeValue(1, kSaturationCurrentUnits[3]);
  in.ro = DiodeValue(1, kResistanceUnits[0]);
  in.zo = DiodeValue(1, kResistanceUnits[2]);
  in.vi = DiodeValue(vi, kVoltageUnits[0]);
  return in;
}

// Ro 10 Ω and V 1000 V: about 100 A through the series circuit.
DiodeInputs LargeSeriesCurrent() {
  DiodeInputs in = Defaults();
  in.ro = DiodeValue(10, kResistanceUnits[0]);
  in.v = DiodeValue(1000, kVoltageUnits[0]);
  return in;
}

// The slowest input a random search over all seven values found (7 ms).
DiodeInputs SlowestFound() {
  DiodeInputs in = Defaults();
  in.is = DiodeValue(0.0657122L, kSaturationCurrentUnits[3]);
  in.vt = DiodeValue(3582.38L, detector::kThermalVoltageUnits[0]);
  in.ro = DiodeValue(0.0133958L, kResistanceUnits[0]);
  in.vi = DiodeValue(998420, kVoltageUnits[0]);
  in.zo = DiodeValue(458.592L, kResistanceUnits[0]);
  return in;
}

// An input found to use up kMaxSecantNewtonSteps (after about 8500 secant
// steps of about 24 Newton steps each).
DiodeInputs NewtonBudgetUsedUp() {
  DiodeInputs in = Defaults();
  in.is = DiodeValue(1.36151L, kSaturationCurrentUnits[3]);
  in.vt = DiodeValue(5671.05L, detector::kThermalVoltageUnits[0]);
  in.ro = DiodeValue(0.0226389L, kResistanceUnits[0]);
  in.vi = DiodeValue(339.643L, kVoltageUnits[0]);
  in.zo = DiodeValue(36.0059L, kResistanceUnits[0]);
  return in;
}

void Run(benchmark::State& state, DiodeMode mode, const DiodeInputs& in) {
  for (auto _ : state) {
    int written = 0;
    detector::RunDiodeSimulation(mode, in, [&](int, const std::string&) { ++written; });
    benchmark::DoNotOptimize(written);
  }
}

BENCHMARK_CAPTURE(Run, DcCurrentDefaults, DiodeMode::DcCurrent, Defaults())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Run, DcCurrentLarge, DiodeMode::DcCurrent, LargeCurrent())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Run, InputConductanceDefaults, DiodeMode::InputConductance, Defaults())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Run, InputConductanceLarge, DiodeMode::InputConductance, LargeCurrent())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Run, LoadedSourceDefaults, DiodeMode::LoadedSource, Defaults())
    ->Unit(benchmark::kMicrosecond);
// Settles after about 9200 secant steps, the slowest run that settles.
BENCHMARK_CAPTURE(Run, LoadedSourceSlowSettling, DiodeMode::LoadedSource, FarSource(5000))
    ->Unit(benchmark::kMillisecond);
// Meets the step limit still far from the root: "収束しません: Vc".
BENCHMARK_CAPTURE(Run, LoadedSourceStepLimit, DiodeMode::LoadedSource, FarSource(100000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, LoadedSourceSlowestFound, DiodeMode::LoadedSource, SlowestFound())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, LoadedSourceNewtonBudget, DiodeMode::LoadedSource, NewtonBudgetUsedUp())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, SeriesCircuitDefaults, DiodeMode::SeriesCircuit, Defaults())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Run, SeriesCircuitLarge, DiodeMode::SeriesCircuit, LargeSeriesCurrent())
    ->Unit(benchmark::kMicrosecond);

// The two parts of a secant step's cost, for the bound of mode ③: 10000
// steps, each with both series at most (their longest sums are at x = 20),
// plus kMaxSecantNewtonSteps Newton steps for Idc in all.
void BothSeriesAt20(benchmark::State& state) {
  double x = 20;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(detector::LnBesselI0(x) + detector::LnBesselI1(x));
  }
}
BENCHMARK(BothSeriesAt20);

// Ro 0, Vc 10 V: 87 Newton steps from 0 up to Idc near 2·10¹⁵⁹ A.
void DcCurrent87NewtonSteps(benchmark::State& state) {
  const DiodeInputs in = Defaults();
  double vc = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vc);
    benchmark::DoNotOptimize(detector::DetectorDcCurrent(0, vc, in.is, in.vt));
  }
}
BENCHMARK(DcCurrent87NewtonSteps);

} // namespace
