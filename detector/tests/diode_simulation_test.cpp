// The diode detector simulation: Bessel series against references, the
// modes' memo lines, refusals and faults, and the iterations that cannot
// settle on their tolerances. Expected lines are the page's documented
// examples or worked out independently in arbitrary precision.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "detector/diode_simulation.h"

namespace detector {
namespace {

using Lines = std::vector<std::pair<int, std::string>>;
template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

// The page's defaults: Is 1 μA, VT 26 mV, Ro 100 kΩ, Vc 1 V, Vi 1 V,
// Zo 50 Ω, V 500 mV.
DiodeInputs Defaults() {
  return {DiodeValue(1, kSaturationCurrentUnits[0]), DiodeValue(26, kThermalVoltageUnits[0]),
          DiodeValue(100, kResistanceUnits[1]),      DiodeValue(1, kVoltageUnits[0]),
          DiodeValue(1, kVoltageUnits[0]),           DiodeValue(50, kResistanceUnits[0]),
          DiodeValue(500, kVoltageUnits[1]),         false};
}

// The lines written, in order, then the fault that stopped the run if any.
Lines Simulate(DiodeMode mode, const DiodeInputs& in, std::string* fault = nullptr) {
  Lines lines;
  try {
    RunDiodeSimulation(mode, in, [&](int line, const std::string& text) { lines.emplace_back(line, text); });
  } catch (const quelm::CalcError& e) {
    if (fault)
      *fault = e.Message();
  }
  return lines;
}

Lines Refused(const std::string& message) {
  return {{0, message}, {1, " "}, {2, " "}, {3, " "}, {4, " "}, {5, " "}};
}

// Ro 0.1 Ω, Vc 16 V: Idc near 154 A, where doubles lie 2.8e-14 A apart.
void LargeCurrent(DiodeInputs& in) {
  in.ro = DiodeValue(0.1L, kResistanceUnits[0]);
  in.vc = DiodeValue(16, kVoltageUnits[0]);
}
// Is in fA, VT in mV, Ro in Ω, Vi in V and Zo in Ω, as typed.
void Source(DiodeInputs& in, Real is, Real vt, Real ro, Real vi, Real zo) {
  in.is = DiodeValue(is, kSaturationCurrentUnits[3]);
  in.vt = DiodeValue(vt, kThermalVoltageUnits[0]);
  in.ro = DiodeValue(ro, kResistanceUnits[0]);
  in.vi = DiodeValue(vi, kVoltageUnits[0]);
  in.zo = DiodeValue(zo, kResistanceUnits[0]);
}

// Ro 10 Ω, V 1000 V: about 100 A, beyond the 1e-14 A tolerance.
void LargeSeriesCurrent(DiodeInputs& in) {
  in.ro = 10;
  in.v = 1000;
}
// Vi 17 V, Zo and Ro 10 kΩ: two estimates a unit in the last place apart
// meet the same H (where the secant divided by zero).
void VoltLevelSource(DiodeInputs& in) { Source(in, 1000000000, 26, 10000, 17, 10000); }
// Is 1 fA, Ro 1 Ω, Zo 1 MΩ: the secant creeps from Vi down to a root below
// 1 V, settling after more than 9000 steps from 5 kV, and still creeping
// at the step limit from 100 kV.
void FarSource(DiodeInputs& in) { Source(in, 1, 26, 1, 5000, 1000000); }
void FartherSource(DiodeInputs& in) { Source(in, 1, 26, 1, 100000, 1000000); }

// I0 and I1: at 1 from Abramowitz and Stegun, Table 9.8; elsewhere from an
// arbitrary-precision evaluation; on both sides of the switch at 20.
struct BesselRow {
  const char* name;
  double x, i0, i1, tolerance;
  friend void PrintTo(const BesselRow& row, std::ostream* os) { *os << row.name; }
};
class BesselTest : public ::testing::TestWithParam<BesselRow> {};

TEST_P(BesselTest, MatchesReference) {
  const BesselRow& row = GetParam();
  EXPECT_NEAR(std::exp(LnBesselI0(row.x)) / row.i0, 1, row.tolerance);
  EXPECT_NEAR(std::exp(LnBesselI1(row.x)) / row.i1, 1, row.tolerance);
  EXPECT_NEAR(BesselRatioI0I1(row.x) / (row.i0 / row.i1), 1, row.tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bessel, BesselTest, ::testing::Values(
  BesselRow{"Published", 1, 1.266065878, 0.565159104, 5e-10},
  BesselRow{"PowerSeriesAt20", 20, 43558282.55955353, 42454973.38512777, 1e-13},
  BesselRow{"AsymptoticAt20_5", 20.5, 70922869.83431701, 69170831.67918437, 1e-13},
  BesselRow{"Fifty", 50, 2.932553783849336e+20, 2.903078590103557e+20, 1e-13}
), RowName<BesselRow>);
// clang-format on

// x = 20 takes the power series, the next double the asymptotic one.
TEST(Bessel, BranchesAgreeAtTwenty) {
  EXPECT_NEAR(LnBesselI0(20), LnBesselI0(std::nextafter(20.0, 21.0)), 1e-14);
  EXPECT_NEAR(LnBesselI1(20), LnBesselI1(std::nextafter(20.0, 21.0)), 1e-14);
}

struct ModeRow {
  const char* name;
  DiodeMode mode;
  void (*change)(DiodeInputs&);
  Lines lines;
  const char* fault; // "": none
  friend void PrintTo(const ModeRow& row, std::ostream* os) { *os << row.name; }
};
class ModeTest : public ::testing::TestWithParam<ModeRow> {};

TEST_P(ModeTest, WritesItsLines) {
  DiodeInputs in = Defaults();
  GetParam().change(in);
  std::string fault;
  EXPECT_EQ(Simulate(GetParam().mode, in, &fault), GetParam().lines);
  EXPECT_EQ(fault, GetParam().fault);
}

constexpr auto kDc = DiodeMode::DcCurrent;
constexpr auto kG = DiodeMode::InputConductance;
constexpr auto kLoaded = DiodeMode::LoadedSource;
constexpr auto kSeries = DiodeMode::SeriesCircuit;

using In = DiodeInputs;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, ModeTest, ::testing::Values(
  ModeRow{"DcDefaults", kDc, [](In&) {},
          {{0, "Idc = 8.697μA"}, {1, "Vo = 869.7mV"}, {2, "Vo/Vc = 86.97%"}, {3, "Po = 7.563μW"}}, ""},
  // Square-law detection turning into linear detection.
  ModeRow{"DcVc1mV", kDc, [](In& in) { in.vc = DiodeValue(1, kVoltageUnits[1]); },
          {{0, "Idc = 76.31pA"}, {1, "Vo = 7.631μV"}, {2, "Vo/Vc = 0.76%"}, {3, "Po = 0.582fW"}}, ""},
  ModeRow{"DcVc100mV", kDc, [](In& in) { in.vc = DiodeValue(100, kVoltageUnits[1]); },
          {{0, "Idc = 492nA"}, {1, "Vo = 49.2mV"}, {2, "Vo/Vc = 49.2%"}, {3, "Po = 24.21nW"}}, ""},
  // Ro = 0: Idc = Is·(I0(Vc/VT) − 1) and Vo = 0 are written, then Po = 0·0/0.
  ModeRow{"DcNoLoad", kDc, [](In& in) { in.ro = 0; },
          {{0, "Idc = 3.262GA"}, {1, "Vo = 0fV"}, {2, "Vo/Vc = 0%"}}, "不正な浮動小数点数演算命令."},
  ModeRow{"GDefaults", kG, [](In&) {}, {{0, "G = 19.14μS"}, {1, "Z = 52.25kΩ"}}, ""},
  // Vc is solved for; its field is not read.
  ModeRow{"LoadedDefaults", kLoaded, [](In& in) { in.vc = 0; },
          {{0, "Vc = 999mV   (Vc/Vi = 99.9%)"}, {1, "Vo = 868.8mV   (Vo/Vi = 86.88%)"}, {2, "Po = 7.547μW"}}, ""},
  ModeRow{"LoadedZo50k", kLoaded, [](In& in) { in.zo = DiodeValue(50, kResistanceUnits[1]); },
          {{0, "Vc = 508.8mV   (Vc/Vi = 50.88%)"}, {1, "Vo = 404.3mV   (Vo/Vi = 40.43%)"}, {2, "Po = 1.635μW"}}, ""},
  ModeRow{"LoadedZo0", kLoaded, [](In& in) { in.zo = 0; },
          {{0, "Vc = 1V   (Vc/Vi = 100%)"}, {1, "Vo = 869.7mV   (Vo/Vi = 86.97%)"}, {2, "Po = 7.563μW"}}, ""},
  ModeRow{"SeriesDefaults", kSeries, [](In&) {}, {{0, "Idc = 4.554μA"}}, ""},
  // -0.9999998 μA lies just below the μ threshold.
  ModeRow{"SeriesReverse", kSeries, [](In& in) { in.reverse = true; }, {{0, "Idc = -1000nA"}}, ""},
  ModeRow{"SeriesRo0", kSeries, [](In& in) { in.ro = 0; }, {{0, "Idc = 224.8A"}}, ""},
  ModeRow{"SeriesRo0Reverse", kSeries, [](In& in) { in.ro = 0; in.reverse = true; }, {{0, "Idc = -1000nA"}}, ""},
  ModeRow{"SeriesVt0IsVOverRo", kSeries, [](In& in) { in.vt = 0; }, {{0, "Idc = 5μA"}}, ""},
  ModeRow{"SeriesVt0Ro0", kSeries, [](In& in) { in.vt = in.ro = 0; }, {}, "0 による浮動小数点数除算."},
  ModeRow{"SeriesVt0Reverse", kSeries, [](In& in) { in.vt = 0; in.reverse = true; }, {}, "0 による浮動小数点数除算."},
  // Iterations that do not settle: a circling estimate stands, a secant
  // stopped far from the root says so.
  ModeRow{"DcCircling", kDc, LargeCurrent,
          {{0, "Idc = 154A"}, {1, "Vo = 15.4V"}, {2, "Vo/Vc = 96.27%"}, {3, "Po = 2.372kW"}}, ""},
  ModeRow{"SeriesCircling", kSeries, LargeSeriesCurrent, {{0, "Idc = 99.95A"}}, ""},
  ModeRow{"LoadedCircling", kLoaded, VoltLevelSource,
          {{0, "Vc = 5.841V   (Vc/Vi = 34.36%)"}, {1, "Vo = 5.582V   (Vo/Vi = 32.84%)"}, {2, "Po = 3.116mW"}}, ""},
  ModeRow{"LoadedSlowSettling", kLoaded, FarSource,
          {{0, "Vc = 813.7mV   (Vc/Vi = 0.02%)"}, {1, "Vo = 2.541mV   (Vo/Vi = 0%)"}, {2, "Po = 6.454μW"}}, ""},
  ModeRow{"LoadedNoConvergence", kLoaded, FartherSource, Refused("収束しません: Vc"), ""},
  ModeRow{"DcNeedsVt", kDc, [](In& in) { in.vt = 0; }, Refused("req. Ist>0 TV>0 Vc>0"), ""},
  ModeRow{"GNeedsRo", kG, [](In& in) { in.ro = 0; }, Refused("req. Ist>0 TV>0 Ro>0 Vc>0"), ""},
  ModeRow{"LoadedNeedsVi", kLoaded, [](In& in) { in.vi = 0; }, Refused("req. Ist>0 TV>0 Ro>0 Vi>0"), ""},
  ModeRow{"SeriesNeedsIs", kSeries, [](In& in) { in.is = 0; }, Refused("req. Ist>0"), ""}
), RowName<ModeRow>);
// clang-format on

// ---- Iterations that cannot settle on their tolerances ----

struct IterationRow {
  const char* name;
  void (*change)(DiodeInputs&);
  Estimate (*solve)(const DiodeInputs&);
  Ending ending;
  int minSteps, maxSteps;
  friend void PrintTo(const IterationRow& row, std::ostream* os) { *os << row.name; }
};
class IterationTest : public ::testing::TestWithParam<IterationRow> {};

// Each stops within its bounds (the results are checked in the modes'
// table).
TEST_P(IterationTest, StopsWithinItsBounds) {
  DiodeInputs in = Defaults();
  GetParam().change(in);
  const Estimate e = GetParam().solve(in);
  EXPECT_EQ(e.ending, GetParam().ending);
  EXPECT_GE(e.steps, GetParam().minSteps);
  EXPECT_LE(e.steps, GetParam().maxSteps);
}

Estimate Dc(const DiodeInputs& in) { return DetectorDcCurrent(in.ro, in.vc, in.is, in.vt); }
Estimate Series(const DiodeInputs& in) { return SeriesDiodeCurrent(in.ro, in.vt, in.is, in.v, false); }
Estimate Loaded(const DiodeInputs& in) { return LoadedInputAmplitude(in.zo, in.ro, in.vi, in.is, in.vt); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Iterations, IterationTest, ::testing::Values(
  IterationRow{"DcCurrentCircles", LargeCurrent, Dc, Ending::Circling, 1, 20},
  IterationRow{"SeriesCurrentCircles", LargeSeriesCurrent, Series, Ending::Circling, 1, 20},
  IterationRow{"SecantCirclesAtVoltLevel", VoltLevelSource, Loaded, Ending::Circling, 1, 20},
  IterationRow{"SecantSettlesAfter9000Steps", FarSource, Loaded, Ending::Settled, 9000, kMaxIterationSteps},
  IterationRow{"SecantStepLimit", FartherSource, Loaded, Ending::NotConverged, kMaxIterationSteps,
               kMaxIterationSteps},
  // A cycle of twelve estimates between 44 V and 244 V.
  IterationRow{"SecantCycle", [](In& in) { Source(in, 55.4735L, 4617.01L, 0.0249054L, 244.305L, 342.066L); },
               Loaded, Ending::NotConverged, 1, 1000},
  // Its evaluations of G use up kMaxSecantNewtonSteps before the step limit.
  IterationRow{"SecantNewtonBudget", [](In& in) { Source(in, 1.36151L, 5671.05L, 0.0226389L, 339.643L, 36.0059L); },
               Loaded, Ending::NotConverged, 5000, 9000}
), RowName<IterationRow>);
// clang-format on

} // namespace
} // namespace detector
