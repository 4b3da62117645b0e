// The diode detector simulation: the Bessel series against reference values,
// the four modes' memo lines, their refusals and faults, and the iterations
// that cannot settle on their tolerances.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "detector/diode_simulation.h"

namespace detector {
namespace {

using quelm::FaultKind;
using Lines = std::vector<std::pair<int, std::string>>;

// Expected lines are the Part's own examples where it gives them, the others
// worked out independently with arbitrary-precision arithmetic.

// The page's defaults as the fields and lists hold them: Is 1 μA, VT 26 mV,
// Ro 100 kΩ, Vc 1 V, Vi 1 V, Zo 50 Ω, V 500 mV.
DiodeInputs Defaults() {
  return {DiodeValue(1, kSaturationCurrentUnits[0]), DiodeValue(26, kThermalVoltageUnits[0]),
          DiodeValue(100, kResistanceUnits[1]),      DiodeValue(1, kVoltageUnits[0]),
          DiodeValue(1, kVoltageUnits[0]),           DiodeValue(50, kResistanceUnits[0]),
          DiodeValue(500, kVoltageUnits[1]),         false};
}

// Runs a mode and records its writes in order; a fault is recorded too.
struct Memo {
  Lines lines;
  bool faulted = false;
  FaultKind fault = FaultKind::Overflow;
};
Memo Simulate(DiodeMode mode, const DiodeInputs& in) {
  Memo run;
  try {
    RunDiodeSimulation(mode, in,
                       [&](int line, const std::string& text) { run.lines.emplace_back(line, text); });
  } catch (const quelm::CalcError& e) {
    run.faulted = true;
    run.fault = e.kind();
  }
  return run;
}

Lines Refused(const std::string& message) {
  Lines lines{{0, message}};
  for (int line = 1; line < kMemoLines; ++line)
    lines.emplace_back(line, " ");
  return lines;
}

// ---- Bessel functions ----

// ln I0 and ln I1 to 20 digits (Abramowitz and Stegun, Table 9.8, at x = 1:
// I0 = 1.266065878, I1 = 0.565159104; the others from an arbitrary-precision
// evaluation), on both sides of the switch to the asymptotic series at 20.
struct BesselRow {
  const char* name;
  double x;
  double lnI0, lnI1;
};
void PrintTo(const BesselRow& row, std::ostream* os) { *os << row.name; }

class BesselTest : public ::testing::TestWithParam<BesselRow> {};

TEST_P(BesselTest, MatchesReference) {
  const BesselRow& row = GetParam();
  EXPECT_NEAR(LnBesselI0(row.x), row.lnI0, 1e-13);
  EXPECT_NEAR(LnBesselI1(row.x), row.lnI1, 1e-13);
  EXPECT_NEAR(BesselRatioI0I1(row.x), std::exp(row.lnI0 - row.lnI1), 1e-13);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, BesselTest, ::testing::Values(
  BesselRow{"Half", 0.5, 0.061549719185481304, -1.3552054470253345},
  BesselRow{"One", 1, 0.23591435850717865, -0.57064798749083128},
  BesselRow{"Two", 2, 0.82399354148295628, 0.46413447354615974},
  BesselRow{"Ten", 10, 7.9429720831186956, 7.8902038341042123},
  BesselRow{"JustBelowSwitch", 19.9, 17.492149818621351, 17.466361608587600},
  BesselRow{"AtSwitch", 20, 17.589610428244274, 17.563954622519344},
  BesselRow{"JustAboveSwitch", 20.5, 18.077103504148475, 18.052089824202392},
  BesselRow{"Fifty", 50, 47.127575501871805, 47.117473616587127},
  BesselRow{"TwoHundred", 200, 196.43252935422347, 196.43002307538049}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Bessel, PublishedValuesAtOne) {
  EXPECT_NEAR(std::exp(LnBesselI0(1)), 1.266065878, 5e-10);
  EXPECT_NEAR(std::exp(LnBesselI1(1)), 0.565159104, 5e-10);
}

// x = 20 takes the power series, the next double the asymptotic one.
TEST(Bessel, BranchesAgreeAtTwenty) {
  const double above = std::nextafter(20.0, 21.0);
  EXPECT_NEAR(LnBesselI0(20), LnBesselI0(above), 1e-14);
  EXPECT_NEAR(LnBesselI1(20), LnBesselI1(above), 1e-14);
}

// ---- The four modes ----

struct ModeRow {
  const char* name;
  DiodeMode mode;
  void (*change)(DiodeInputs&);
  Lines lines;
};
void PrintTo(const ModeRow& row, std::ostream* os) { *os << row.name; }

class ModeTest : public ::testing::TestWithParam<ModeRow> {};

TEST_P(ModeTest, WritesItsLines) {
  const ModeRow& row = GetParam();
  DiodeInputs in = Defaults();
  row.change(in);
  const Memo run = Simulate(row.mode, in);
  EXPECT_FALSE(run.faulted);
  EXPECT_EQ(run.lines, row.lines);
}

constexpr auto kDc = DiodeMode::DcCurrent;
constexpr auto kG = DiodeMode::InputConductance;
constexpr auto kLoaded = DiodeMode::LoadedSource;
constexpr auto kSeries = DiodeMode::SeriesCircuit;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, ModeTest, ::testing::Values(
  ModeRow{"DcCurrentDefaults", kDc, [](DiodeInputs&) {},
          {{0, "Idc = 8.697μA"}, {1, "Vo = 869.7mV"}, {2, "Vo/Vc = 86.97%"}, {3, "Po = 7.563μW"}}},
  // Square-law detection turning into linear detection.
  ModeRow{"DcCurrentVc1mV", kDc, [](DiodeInputs& in) { in.vc = DiodeValue(1, kVoltageUnits[1]); },
          {{0, "Idc = 76.31pA"}, {1, "Vo = 7.631μV"}, {2, "Vo/Vc = 0.76%"}, {3, "Po = 0.582fW"}}},
  ModeRow{"DcCurrentVc10mV", kDc, [](DiodeInputs& in) { in.vc = DiodeValue(10, kVoltageUnits[1]); },
          {{0, "Idc = 7.568nA"}, {1, "Vo = 756.8μV"}, {2, "Vo/Vc = 7.57%"}, {3, "Po = 5.727pW"}}},
  ModeRow{"DcCurrentVc100mV", kDc, [](DiodeInputs& in) { in.vc = DiodeValue(100, kVoltageUnits[1]); },
          {{0, "Idc = 492nA"}, {1, "Vo = 49.2mV"}, {2, "Vo/Vc = 49.2%"}, {3, "Po = 24.21nW"}}},
  ModeRow{"ConductanceDefaults", kG, [](DiodeInputs&) {}, {{0, "G = 19.14μS"}, {1, "Z = 52.25kΩ"}}},
  ModeRow{"LoadedDefaults", kLoaded, [](DiodeInputs&) {},
          {{0, "Vc = 999mV   (Vc/Vi = 99.9%)"}, {1, "Vo = 868.8mV   (Vo/Vi = 86.88%)"}, {2, "Po = 7.547μW"}}},
  ModeRow{"LoadedZo50k", kLoaded, [](DiodeInputs& in) { in.zo = DiodeValue(50, kResistanceUnits[1]); },
          {{0, "Vc = 508.8mV   (Vc/Vi = 50.88%)"}, {1, "Vo = 404.3mV   (Vo/Vi = 40.43%)"}, {2, "Po = 1.635μW"}}},
  ModeRow{"LoadedZoZero", kLoaded, [](DiodeInputs& in) { in.zo = 0; },
          {{0, "Vc = 1V   (Vc/Vi = 100%)"}, {1, "Vo = 869.7mV   (Vo/Vi = 86.97%)"}, {2, "Po = 7.563μW"}}},
  ModeRow{"SeriesDefaults", kSeries, [](DiodeInputs&) {}, {{0, "Idc = 4.554μA"}}},
  // -0.9999998 μA lies just below the μ threshold.
  ModeRow{"SeriesReverse", kSeries, [](DiodeInputs& in) { in.reverse = true; }, {{0, "Idc = -1000nA"}}},
  ModeRow{"SeriesWithoutResistor", kSeries, [](DiodeInputs& in) { in.ro = 0; }, {{0, "Idc = 224.8A"}}},
  ModeRow{"SeriesWithoutResistorReverse", kSeries, [](DiodeInputs& in) { in.ro = 0; in.reverse = true; },
          {{0, "Idc = -1000nA"}}},
  // Without a thermal voltage the forward current is V/Ro.
  ModeRow{"SeriesWithoutThermalVoltage", kSeries, [](DiodeInputs& in) { in.vt = 0; }, {{0, "Idc = 5μA"}}},
  // A mode needs only its own inputs.
  ModeRow{"DcCurrentIgnoresVi", kDc, [](DiodeInputs& in) { in.vi = 0; in.zo = 0; in.v = 0; },
          {{0, "Idc = 8.697μA"}, {1, "Vo = 869.7mV"}, {2, "Vo/Vc = 86.97%"}, {3, "Po = 7.563μW"}}},
  ModeRow{"LoadedIgnoresVc", kLoaded, [](DiodeInputs& in) { in.vc = 0; },
          {{0, "Vc = 999mV   (Vc/Vi = 99.9%)"}, {1, "Vo = 868.8mV   (Vo/Vi = 86.88%)"}, {2, "Po = 7.547μW"}}},
  // Missing inputs: the message and five blank lines.
  ModeRow{"DcCurrentWithoutVc", kDc, [](DiodeInputs& in) { in.vc = 0; }, Refused("req. Ist>0 TV>0 Vc>0")},
  ModeRow{"DcCurrentWithoutVt", kDc, [](DiodeInputs& in) { in.vt = 0; }, Refused("req. Ist>0 TV>0 Vc>0")},
  ModeRow{"ConductanceWithoutRo", kG, [](DiodeInputs& in) { in.ro = 0; }, Refused("req. Ist>0 TV>0 Ro>0 Vc>0")},
  ModeRow{"LoadedWithoutVi", kLoaded, [](DiodeInputs& in) { in.vi = 0; }, Refused("req. Ist>0 TV>0 Ro>0 Vi>0")},
  ModeRow{"SeriesWithoutIs", kSeries, [](DiodeInputs& in) { in.is = 0; }, Refused("req. Ist>0")}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Faults ----

struct FaultRow {
  const char* name;
  DiodeMode mode;
  void (*change)(DiodeInputs&);
  Lines linesBefore;
  FaultKind fault;
};
void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }

class FaultTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(FaultTest, StopsAfterTheLinesBeforeIt) {
  const FaultRow& row = GetParam();
  DiodeInputs in = Defaults();
  row.change(in);
  const Memo run = Simulate(row.mode, in);
  EXPECT_TRUE(run.faulted);
  EXPECT_EQ(run.fault, row.fault);
  EXPECT_EQ(run.lines, row.linesBefore);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, FaultTest, ::testing::Values(
  // Ro = 0: Idc = Is·(I0(Vc/VT) − 1), Vo = 0, then Po = 0·0/0.
  FaultRow{"DcCurrentWithoutLoad", kDc, [](DiodeInputs& in) { in.ro = 0; },
           {{0, "Idc = 3.262GA"}, {1, "Vo = 0fV"}, {2, "Vo/Vc = 0%"}}, FaultKind::InvalidOperation},
  FaultRow{"SeriesWithoutResistorOrVt", kSeries, [](DiodeInputs& in) { in.ro = 0; in.vt = 0; }, {},
           FaultKind::DivisionByZero},
  FaultRow{"SeriesWithoutResistorVtOrV", kSeries, [](DiodeInputs& in) { in.ro = 0; in.vt = 0; in.v = 0; }, {},
           FaultKind::InvalidOperation},
  FaultRow{"SeriesReverseWithoutVt", kSeries, [](DiodeInputs& in) { in.vt = 0; in.reverse = true; }, {},
           FaultKind::DivisionByZero}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Iterations that cannot settle ----

// A root by bisection in extended precision, to check the solvers' answers
// independently; f(lo) and f(hi) must differ in sign.
template <class F> Real Bisect(F f, Real lo, Real hi) {
  const bool rising = f(hi) > 0;
  for (int i = 0; i < 200; ++i) {
    const Real mid = (lo + hi) / 2;
    ((f(mid) > 0) == rising ? hi : lo) = mid;
  }
  return (lo + hi) / 2;
}
double Ratio(double value, Real root) { return static_cast<double>(value / root); }

// Ro 0.1 Ω and Vc 16 V: Idc near 154 A, where neighbouring doubles lie
// 2.8e-14 A apart, beyond the 1e-15 A tolerance. The estimate circles the
// root in the last place; it used to run without end.
TEST(Iterations, DcCurrentCirclesAtLargeCurrents) {
  const DiodeInputs in = Defaults();
  const double ro = DiodeValue(0.1L, kResistanceUnits[0]);
  const double vc = DiodeValue(16, kVoltageUnits[0]);
  const Estimate idc = DetectorDcCurrent(ro, vc, in.is, in.vt);
  EXPECT_EQ(idc.ending, Ending::Circling);
  const Real k = Real(in.vt) * LnBesselI0(vc / in.vt);
  const Real root =
      Bisect([&](Real l) { return in.vt * std::log(1 + l / in.is) + Real(ro) * l - k; }, 0, Real(vc) / ro);
  EXPECT_NEAR(Ratio(idc.value, root), 1, 1e-12);

  DiodeInputs large = in;
  large.ro = ro;
  large.vc = vc;
  EXPECT_EQ(Simulate(DiodeMode::DcCurrent, large).lines[0].second, "Idc = 154A");
  const Memo g = Simulate(DiodeMode::InputConductance, large);
  EXPECT_EQ(DetectorInputConductance(ro, vc, in.is, in.vt).ending, Ending::Circling);
  EXPECT_EQ(g.lines.size(), 2U);
}

// Ro 10 Ω and V 1000 V: about 100 A, beyond the 1e-14 A tolerance.
TEST(Iterations, SeriesCurrentCirclesAtLargeCurrents) {
  const DiodeInputs in = Defaults();
  const double ro = DiodeValue(10, kResistanceUnits[0]);
  const double v = DiodeValue(1000, kVoltageUnits[0]);
  const Estimate i = SeriesDiodeCurrent(ro, in.vt, in.is, v, false);
  EXPECT_EQ(i.ending, Ending::Circling);
  const Real root =
      Bisect([&](Real x) { return in.vt * std::log(1 + x / in.is) + Real(ro) * x - v; }, 0, v / ro);
  EXPECT_NEAR(Ratio(i.value, root), 1, 1e-12);
}

// H(v) = v − Vi/(Zo·G(v) + 1), the function the secant solves.
Real LoadedResidual(Real v, const DiodeInputs& in) {
  return v -
         in.vi / (in.zo * DetectorInputConductance(in.ro, static_cast<double>(v), in.is, in.vt).value + 1);
}

struct SecantRow {
  const char* name;
  void (*change)(DiodeInputs&);
  Ending ending;
  int minSteps, maxSteps;
};
void PrintTo(const SecantRow& row, std::ostream* os) { *os << row.name; }

class SecantTest : public ::testing::TestWithParam<SecantRow> {};

// Wherever the secant stops with a result, that result is the root.
TEST_P(SecantTest, EndsAtTheRoot) {
  const SecantRow& row = GetParam();
  DiodeInputs in = Defaults();
  row.change(in);
  const Estimate vc = LoadedInputAmplitude(in.zo, in.ro, in.vi, in.is, in.vt);
  EXPECT_EQ(vc.ending, row.ending);
  EXPECT_GE(vc.steps, row.minSteps);
  EXPECT_LE(vc.steps, row.maxSteps);
  const Real root = Bisect([&](Real v) { return LoadedResidual(v, in); }, in.vi / 1000000, in.vi);
  EXPECT_NEAR(Ratio(vc.value, root), 1, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Iterations, SecantTest, ::testing::Values(
  // Vi 17 V, Zo 10 kΩ, Ro 10 kΩ: two estimates a unit in the last place
  // apart meet the same H (the secant used to divide by zero there).
  SecantRow{"CirclesAtVoltLevel", [](DiodeInputs& in) {
              in.vi = DiodeValue(17, kVoltageUnits[0]);
              in.zo = DiodeValue(10, kResistanceUnits[1]);
              in.ro = DiodeValue(10, kResistanceUnits[1]); },
            Ending::Circling, 1, 20},
  // Is 1 fA, Ro 1 Ω, Zo 1 MΩ, Vi 5 kV: the secant creeps from 5 kV down to
  // a root below 1 V and settles after more than 9000 steps, within the
  // bound.
  SecantRow{"SettlesAfterNineThousandSteps", [](DiodeInputs& in) {
              in.is = DiodeValue(1, kSaturationCurrentUnits[3]);
              in.ro = DiodeValue(1, kResistanceUnits[0]);
              in.zo = DiodeValue(1, kResistanceUnits[2]);
              in.vi = DiodeValue(5000, kVoltageUnits[0]); },
            Ending::Settled, 9000, kMaxIterationSteps}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct NoConvergenceRow {
  const char* name;
  void (*change)(DiodeInputs&);
  int maxSteps;
};
void PrintTo(const NoConvergenceRow& row, std::ostream* os) { *os << row.name; }

class NoConvergenceTest : public ::testing::TestWithParam<NoConvergenceRow> {};

// A secant that stops far from the root says so instead of showing its
// last estimate.
TEST_P(NoConvergenceTest, SaysSo) {
  const NoConvergenceRow& row = GetParam();
  DiodeInputs in = Defaults();
  row.change(in);
  const Estimate vc = LoadedInputAmplitude(in.zo, in.ro, in.vi, in.is, in.vt);
  EXPECT_EQ(vc.ending, Ending::NotConverged);
  EXPECT_LE(vc.steps, row.maxSteps);
  EXPECT_GT(std::fabs(LoadedResidual(vc.value, in)), 1);
  EXPECT_EQ(Simulate(DiodeMode::LoadedSource, in).lines, Refused("no convergence: Vc"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Iterations, NoConvergenceTest, ::testing::Values(
  // As above with Vi 100 kV: still creeping after the step limit.
  NoConvergenceRow{"StepLimit", [](DiodeInputs& in) {
                     in.is = DiodeValue(1, kSaturationCurrentUnits[3]);
                     in.ro = DiodeValue(1, kResistanceUnits[0]);
                     in.zo = DiodeValue(1, kResistanceUnits[2]);
                     in.vi = DiodeValue(100000, kVoltageUnits[0]); },
                   kMaxIterationSteps},
  // Caught in a cycle of twelve estimates between 44 V and 244 V, which it
  // would repeat forever.
  NoConvergenceRow{"Cycle", [](DiodeInputs& in) {
                     in.is = DiodeValue(0.0554735L, kSaturationCurrentUnits[2]);
                     in.vt = DiodeValue(4617.01L, kThermalVoltageUnits[0]);
                     in.ro = DiodeValue(0.0249054L, kResistanceUnits[0]);
                     in.vi = DiodeValue(244.305L, kVoltageUnits[0]);
                     in.zo = DiodeValue(342.066L, kResistanceUnits[0]); },
                   1000},
  // Its evaluations of G use up kMaxSecantNewtonSteps (about 24 Newton
  // steps each for Idc) before the step limit.
  NoConvergenceRow{"NewtonBudget", [](DiodeInputs& in) {
                     in.is = DiodeValue(1.36151L, kSaturationCurrentUnits[3]);
                     in.vt = DiodeValue(5671.05L, kThermalVoltageUnits[0]);
                     in.ro = DiodeValue(0.0226389L, kResistanceUnits[0]);
                     in.vi = DiodeValue(339.643L, kVoltageUnits[0]);
                     in.zo = DiodeValue(36.0059L, kResistanceUnits[0]); },
                   9000}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Mode, FieldsReadFollowTheMode) {
  EXPECT_TRUE(FieldsReadBy(DiodeMode::InputConductance).vc);
  EXPECT_FALSE(FieldsReadBy(DiodeMode::InputConductance).zo);
  EXPECT_TRUE(FieldsReadBy(DiodeMode::LoadedSource).zo);
  EXPECT_FALSE(FieldsReadBy(DiodeMode::LoadedSource).vc);
  EXPECT_TRUE(FieldsReadBy(DiodeMode::SeriesCircuit).v);
  EXPECT_FALSE(FieldsReadBy(DiodeMode::SeriesCircuit).vi);
}

} // namespace
} // namespace detector
