// Costs of the conversions every result goes through.
#include <benchmark/benchmark.h>

#include "core/format.h"
#include "core/numtext.h"

using quelm::Real;

static void BM_FormatGeneral(benchmark::State& state) {
  Real x = 299.792458L / 0.7L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quelm::FormatGeneral(x));
    x = x < 1e30L ? x * 1.0001L : 1.0L / 3;
  }
}
BENCHMARK(BM_FormatGeneral);

static void BM_FormatRounded(benchmark::State& state) {
  Real x = 1.23456789L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quelm::FormatRounded(x, 3));
    x = x < 1e6L ? x * 1.0001L : 1.23456789L;
  }
}
BENCHMARK(BM_FormatRounded);

static void BM_FormatFixed(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(quelm::FormatFixed(0.688195362L, "0.00000000"));
}
BENCHMARK(BM_FormatFixed);

static void BM_FormatEngineering(benchmark::State& state) {
  double x = 0.0001234567;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quelm::FormatEngineering(x, 4, quelm::EngRounding::Significant, "A"));
    x = x < 1e12 ? x * 1.001 : 0.0001234567; // double-literal
  }
}
BENCHMARK(BM_FormatEngineering);

static void BM_ReadNumber(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(quelm::ReadNumber("1234.5678"));
}
BENCHMARK(BM_ReadNumber);

static void BM_FilterNumericText(benchmark::State& state) {
  const std::u16string text = u"1,234.5 kHz";
  for (auto _ : state)
    benchmark::DoNotOptimize(quelm::FilterNumericText(text));
}
BENCHMARK(BM_FilterNumericText);
