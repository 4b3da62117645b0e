#include "coil_design/turns_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "coil_design/solenoid.h"
#include "coil_design/spider_coil.h"
#include "coil_design/square_coil.h"
#include "core/errors.h"
#include "core/format.h"

namespace coil_design {
namespace {

struct WalkCase {
  const char* name;
  Real start;
  Real step;
  std::int64_t count;
};

class SteppedValueTest : public ::testing::TestWithParam<WalkCase> {};

// Against the running sum itself, at every count of the first few thousand
// and at a stride beyond, through every binade the walk passes.
TEST_P(SteppedValueTest, IsTheRunningSum) {
  const auto& c = GetParam();
  Real t = c.start;
  for (std::int64_t k = 1; k <= c.count; ++k) {
    t += c.step;
    if (k <= 4000 || k % 53 == 0 || k == c.count) {
      ASSERT_EQ(SteppedValue(c.start, c.step, k), t) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Walks, SteppedValueTest,
                         ::testing::Values(WalkCase{"SquareHundredths", 0, 0.01L, 1000010},
                                           WalkCase{"SpiderTenths", 0, 0.1L, 100010},
                                           WalkCase{"WholeTurnsDown", 9990, -1, 9989},
                                           WalkCase{"HundredthsDown", 9999.37L, -0.01L, 999000},
                                           // every step ends half-way between grid points (2.5 and 3.5 of
                                           // them) from an odd start: ties go to the even one
                                           WalkCase{"TiesByTwo", 1 + 0x1p-63L, 5 * 0x1p-64L, 300000},
                                           WalkCase{"TiesByFour", 1 + 0x1p-63L, 7 * 0x1p-64L, 300000},
                                           WalkCase{"ThirdsAcrossZero", -50, 1.0L / 3, 3000},
                                           WalkCase{"StepBelowHalfTheGrid", 1e20L, 1, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The searches against the walks they replace ----

// Targets on the inductance of each count and a few units in the last place
// either side.
std::vector<Real> TargetsAround(std::vector<Real> values) {
  values.push_back(1e-9L);
  values.push_back(1e30L);
  std::vector<Real> targets;
  for (const Real v : values) {
    Real below = v;
    Real above = v;
    targets.push_back(v);
    for (int i = 0; i < 3; ++i) {
      targets.push_back(below = std::nextafter(below, Real{0}));
      targets.push_back(above = std::nextafter(above, Real{1e4000L}));
    }
  }
  return targets;
}

// A walk from 0 in `step`s up to the turns bound, going on while the typed
// target over `divisor` is not below the inductance: each count is
// evaluated once, so one pass answers every target. `search` returns the
// count found, or nothing beyond the bound; `shown` is the count it stands for.
void ExpectSameStops(Real step, Real divisor, const std::function<Real(Real)>& inductance,
                     const std::vector<std::size_t>& at,
                     const std::function<std::optional<Real>(Real)>& search,
                     const std::function<Real(Real)>& shown) {
  std::vector<Real> counts;
  std::vector<Real> values;
  for (Real n = step; n <= kMaxSearchTurns; n += step) {
    counts.push_back(n);
    values.push_back(inductance(n));
  }
  std::vector<Real> picked;
  for (const std::size_t k : at)
    picked.push_back(values[k] * divisor);
  for (const Real target : TargetsAround(picked)) {
    std::size_t k = 0;
    while (k < values.size() && target / divisor >= values[k])
      ++k;
    const std::optional<Real> found = search(target);
    ASSERT_EQ(found.has_value(), k < values.size()) << quelm::FormatGeneral(target);
    if (found) {
      EXPECT_EQ(*found, shown(counts[k])) << quelm::FormatGeneral(target);
    }
  }
}

TEST(SquareTurnsSearch, MatchesTheStepByStepWalk) {
  for (const SquareInputs& in :
       {SquareInputs{650, 650, 15, 0.6L, 1, false},
        // a small former whose coil grows longer than its side
        SquareInputs{8, 12, 15, 1.2L, 1, false}, SquareInputs{20, 20, 15, 0.07L, 400, false}}) {
    ExpectSameStops(
        0.01L, 1000000, [&](Real n) { return SquareInductance(in, n); },
        {0, 1, 99, 100, 1233, 500000, 999997, 999998, 999999},
        [&](Real target) -> std::optional<Real> {
          const SquareTurns r = SquareTurnsOf(in, target);
          return r.inRange ? std::optional<Real>(r.turns) : std::nullopt;
        },
        [](Real n) { return n; });
  }
}

// The spider's count is shown, and its wire summed, to the tenth.
TEST(SpiderTurnsSearch, MatchesTheStepByStepWalk) {
  for (const SpiderInputs& in : {SpiderInputs{30, 72, 0.5L, 1, false}, SpiderInputs{10, 200, 0.1L, 1, false},
                                 SpiderInputs{50, 60, 1.2L, 7.5L, false}}) {
    ExpectSameStops(
        0.1L, 1, [&](Real n) { return SpiderInductance(in, n); }, {0, 1, 9, 199, 12345, 99997, 99998, 99999},
        [&](Real target) -> std::optional<Real> {
          const SpiderTurns r = SpiderTurnsOf(in, target);
          return r.inRange ? std::optional<Real>(r.turns) : std::nullopt;
        },
        [](Real n) { return quelm::RoundDecimals(n, 1); });
  }
}

// ---- The solenoid's four phases ----

struct Outcome {
  std::optional<quelm::FaultKind> fault;
  bool inRange = true;
  Real turns = 0;
  Real coefficient = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(const std::function<SolenoidTurns()>& search) {
  try {
    const SolenoidTurns r = search();
    return r.inRange ? Outcome{std::nullopt, true, r.turns, r.coefficient} : Outcome{std::nullopt, false};
  } catch (const quelm::CalcError& e) {
    return {e.kind()};
  }
}

// The search as the page first ran it, every step evaluated; the
// coefficients of counts already seen come from `seen`.
SolenoidTurns SolenoidWalk(const SolenoidInputs& in, Real targetMicrohenries,
                           std::map<Real, SolenoidInductance>& seen) {
  const Real target = targetMicrohenries / 1000000;
  SolenoidTurns out;
  Real t = 0;
  Real inductance = 0;
  int budget = kMaxSearchTurns / 10 + 200;
  const auto at = [&](Real turns) {
    if (--budget < 0)
      return false;
    auto it = seen.find(turns);
    if (it == seen.end())
      it = seen.emplace(turns, SolenoidInductanceOf(in, turns)).first;
    out.coefficient = it->second.coefficient;
    inductance = it->second.henries;
    return true;
  };
  const auto phase = [&](Real step, bool up) {
    do {
      t += step;
      if ((step == 10 && t > kMaxSearchTurns) || !at(t))
        return false;
    } while (up ? inductance <= target : inductance >= target);
    return true;
  };
  out.inRange = phase(10, true) && phase(-1, false) && phase(0.1L, true) && phase(-0.01L, false);
  out.turns = t;
  return out;
}

struct SolenoidSweep {
  const char* name;
  SolenoidInputs in;
};

class SolenoidSearchTest : public ::testing::TestWithParam<SolenoidSweep> {};

TEST_P(SolenoidSearchTest, MatchesTheStepByStepWalk) {
  const SolenoidInputs in = GetParam().in;
  std::vector<Real> values;
  for (const Real turns : {0.5L, 1.0L, 7.0L, 10.04L, 23.456L, 100.0L, 999.95L, 9990.0L, 9999.99L, 10000.5L})
    values.push_back(SolenoidInductanceOf(in, turns).henries * 1000000);
  std::map<Real, SolenoidInductance> seen;
  for (const Real target : TargetsAround(values)) {
    Outcome walked = OutcomeOf([&] { return SolenoidWalk(in, target, seen); });
    if (!walked.inRange)
      walked = Outcome{std::nullopt, false};
    EXPECT_EQ(OutcomeOf([&] { return SolenoidTurnsOf(in, target); }), walked) << quelm::FormatGeneral(target);
  }
}

INSTANTIATE_TEST_SUITE_P(Coils, SolenoidSearchTest,
                         ::testing::Values(SolenoidSweep{"Default", {50, 60, 0.6L, 1, false}},
                                           SolenoidSweep{"WideCoilThinWire", {400, 60, 0.05L, 1, false}},
                                           SolenoidSweep{"NarrowCoilThickWire", {4, 60, 2.5L, 1, false}},
                                           SolenoidSweep{"FerriteCore", {12.7L, 60, 0.33L, 125, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace coil_design
