// The distance search: listed cases, its two ends (1 km and the bound of
// 1,000,000 km), the answers without a number, and the fast search against
// the literal four-stage walk over a sweep of paths and targets.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "antenna/reception_distance.h"
#include "antenna/tests/expect_fault.h"
#include "core/format.h"
#include "core/numtext.h"

namespace antenna {
namespace {

using quelm::FaultKind;

constexpr FieldPath kDefaults{313, 1000, 100, 15, 0.005L, true};
constexpr Real kInf = std::numeric_limits<Real>::infinity();

struct Outcome {
  DistanceOutcome outcome = DistanceOutcome::Found;
  Real km = 0;
  std::optional<FaultKind> fault;
  bool operator==(const Outcome&) const = default;
};
void PrintTo(const Outcome& o, std::ostream* os) {
  *os << static_cast<int>(o.outcome) << " " << quelm::FormatGeneral(o.km) << " fault "
      << (o.fault ? static_cast<int>(*o.fault) : -1);
}

// The four stages step by step, every E formed anew; stage a bounded as the
// search is.
Outcome LiteralWalk(const FieldPath& path, Real target) {
  const auto e = [&](Real d) { return FieldStrength(path, d); };
  try {
    Real d = 0;
    for (long steps = 0; steps == 0 || !(e(d) < target); ++steps) {
      if (steps == kDistanceSearchSteps)
        return {DistanceOutcome::Beyond, 0, {}};
      d = d + 10;
    }
    for (d -= 1; !(e(d) > target); d -= 1) {
    }
    for (d += 0.1L; !(e(d) < target); d += 0.1L) {
    }
    for (d -= 0.01L; !(e(d) > target); d -= 0.01L) {
    }
    return {DistanceOutcome::Found, d, {}};
  } catch (const quelm::CalcError& error) {
    return {DistanceOutcome::Found, 0, error.kind()};
  }
}

Outcome FastSearch(const FieldPath& path, Real target) {
  try {
    const ReceptionDistance r = FindReceptionDistance(path, target);
    return {r.outcome, r.km, {}};
  } catch (const quelm::CalcError& error) {
    return {DistanceOutcome::Found, 0, error.kind()};
  }
}

TEST(ReceptionDistance, ListedCasesAndEnds) {
  EXPECT_EQ(ReceptionDistanceResult(kDefaults, 10), "44.52 [km] ");
  EXPECT_EQ(ReceptionDistanceResult(kDefaults, 100), "14.18 [km] ");
  EXPECT_EQ(ReceptionDistanceResult(kDefaults, 1), "125.14 [km] ");
  EXPECT_EQ(ReceptionDistanceResult(kDefaults, 0), "[km]");
  // Just below the field at 1 km the walk comes back to 1 km; at it, stage b
  // walks down to d = 0, where E0 divides by zero.
  const Real e1 = FieldStrength(kDefaults, 1);
  EXPECT_EQ(ReceptionDistanceResult(kDefaults, e1 * (1 - 1e-6L)), "1 [km] ");
  ExpectFault(FaultKind::DivisionByZero, [&] { FindReceptionDistance(kDefaults, e1); });
}

TEST(ReceptionDistance, TheBoundOfAMillionKilometres) {
  const FieldPath sea{396, 1600, 1000, 80, 5, true};
  const Real last = FieldStrength(sea, kDistanceSearchLimit);
  // Below the target at the last step: the walk's own result, under the bound.
  const Real target = std::nextafter(last, kInf);
  const Outcome inside = FastSearch(sea, target);
  EXPECT_EQ(inside, LiteralWalk(sea, target));
  EXPECT_GE(inside.km, kDistanceSearchLimit - 10);
  // Equal at the last step is not below: the walk would go on.
  EXPECT_EQ(ReceptionDistanceResult(sea, last), "100万 km 以上");
  EXPECT_EQ(ReceptionDistanceResult(sea, 1e-300L), "100万 km 以上");
}

// A field below the range of normal numbers no longer falls from one 0.01 km
// step to the next: a refining stage ends at its bound with no number.
TEST(ReceptionDistance, AFlatSubnormalFieldIsIndeterminate) {
  const FieldPath path{313, 1e3000L, 1e-3900L, 15, 1e3000L, true};
  const Real target = FieldStrength(path, 28904.815979566L);
  ASSERT_LT(target, std::numeric_limits<Real>::min());
  EXPECT_EQ(ReceptionDistanceText(FindReceptionDistance(path, target)), "計算できません");
}

// Targets that end the walk all along the range, at the knee (where E jumps
// up, on the sea by more than it falls over a step of 10 km) and on the
// exact field values of steps, where "below" and "above" are strict.
std::vector<Real> SweepTargets(const GroundWave& wave) {
  std::vector<Real> targets;
  for (Real km = 1.3L; km < 60000; km *= 3.7L)
    targets.push_back(wave.At(km));
  long knee = 2;
  while (knee < kDistanceSearchSteps && !wave.BeyondKnee(10.0L * knee))
    ++knee;
  const Real before = wave.At(10.0L * (knee - 1));
  const Real after = wave.At(10.0L * knee);
  targets.push_back((before + after) / 2);
  for (Real e : {before, after, wave.At(10.0L * (knee + 1))})
    targets.insert(targets.end(), {e, std::nextafter(e, Real{0}), std::nextafter(e, kInf)});
  return targets;
}

TEST(ReceptionDistance, FastSearchEqualsTheLiteralWalk) {
  int compared = 0;
  bool approximate = false;
  for (Real k : kStationAntennaFactors)
    for (Real f : {531.0L, 1000.0L, 1602.0L})
      for (Real power : {1.0L, 300.0L})
        for (const GroundType& ground : kGroundTypes) {
          const FieldPath path{k,
                               f,
                               power,
                               quelm::ReadNumber(ground.permittivity),
                               quelm::ReadNumber(ground.conductivity),
                               approximate = !approximate};
          for (Real target : SweepTargets(GroundWave(path))) {
            EXPECT_EQ(FastSearch(path, target), LiteralWalk(path, target))
                << "f " << quelm::FormatGeneral(f) << " σ " << ground.conductivity << " Et "
                << quelm::FormatGeneral(target);
            ++compared;
          }
        }
  EXPECT_GT(compared, 700);
}

// 2·p overflows from about 910 km on: the search may look beyond the walk's
// end, but must neither fault there nor miss the walk's own fault.
TEST(ReceptionDistance, AnOverflowBeyondTheWalksEndIsNotReached) {
  const FieldPath path{313, 1e4932L, 1e4900L, 15, 1e4925L, true};
  const GroundWave wave(path);
  for (Real km : {15.0L, 300.0L, 800.0L, 3000.0L}) {
    const Real target = km < 900 ? wave.At(km) : wave.At(900) * 900 * 900 / (km * km);
    EXPECT_EQ(FastSearch(path, target), LiteralWalk(path, target)) << static_cast<double>(km);
  }
  EXPECT_EQ(LiteralWalk(path, wave.At(900) / 10).fault, FaultKind::Overflow);
}

} // namespace
} // namespace antenna
