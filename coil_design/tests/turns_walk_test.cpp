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
// and at a stride beyond, across every binade the walk passes.
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

INSTANTIATE_TEST_SUITE_P(
    Walks, SteppedValueTest,
    ::testing::Values(WalkCase{"SquareHundredths", 0, 0.01L, 1000010},
                      WalkCase{"SpiderTenths", 0, 0.1L, 100010}, WalkCase{"SolenoidTens", 0, 10, 1000},
                      WalkCase{"WholeTurnsDown", 9990, -1, 9989},
                      WalkCase{"TenthsUpFromAWholeCount", 4321, 0.1L, 20000},
                      WalkCase{"HundredthsDown", 9999.37L, -0.01L, 999000},
                      // every step ends half-way between two grid points: 2.5 and
                      // 3.5 grid points from an odd start
                      WalkCase{"TiesRoundToEvenByTwo", 1 + 0x1p-63L, 5 * 0x1p-64L, 300000},
                      WalkCase{"TiesRoundToEvenByFour", 1 + 0x1p-63L, 7 * 0x1p-64L, 300000},
                      WalkCase{"ThirdsAcrossZero", -50, 1.0L / 3, 3000},
                      WalkCase{"StepBelowHalfTheGrid", 1e20L, 1, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
  const char* name;
  Real threshold; // the walk 1, 2, 3, … goes on while t < threshold
  std::int64_t last;
  std::int64_t stop;
};

class FirstStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(FirstStopTest, Stops) {
  const auto& c = GetParam();
  int asked = 0;
  const auto k = FirstStop(0, 1, c.last, [&](Real t) {
    ++asked;
    return t < c.threshold;
  });
  EXPECT_EQ(k, c.stop);
  // a handful of questions, whatever the length of the walk
  EXPECT_LE(asked, 64);
}

INSTANTIATE_TEST_SUITE_P(Ends, FirstStopTest,
                         ::testing::Values(StopCase{"AtTheFirstStep", 1, 1000000, 1},
                                           StopCase{"AtTheSecondStep", 2, 1000000, 2},
                                           StopCase{"Inside", 777777, 1000000, 777777},
                                           StopCase{"AtTheLastStep", 1000000, 1000000, 1000000},
                                           StopCase{"NeverStops", 2000000, 1000000, 1000001},
                                           StopCase{"NoStepsAllowed", 5, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepsUpTo, TheTurnsBound) {
  // The running sum of hundredths stays a hair below 10000 at 10^6 steps.
  EXPECT_LT(SteppedValue(0, 0.01L, 1000000), 10000);
  EXPECT_EQ(StepsUpTo(0.01L, 10000), 1000000);
  EXPECT_EQ(StepsUpTo(0.1L, 10000), 100000);
}

// ---- The searches against the walks they replace ----

// The outcome of a search: a fault, a count beyond the bound, or the count.
struct Outcome {
  std::optional<quelm::FaultKind> fault;
  bool inRange = true;
  Real turns = 0;
  Real coefficient = 0;

  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
  if (o.fault)
    *os << "fault " << static_cast<int>(*o.fault);
  else if (!o.inRange)
    *os << "out of range";
  else
    *os << quelm::FormatGeneral(o.turns) << " (" << static_cast<double>(o.turns - std::round(o.turns))
        << ") K " << quelm::FormatGeneral(o.coefficient);
}

Outcome OutcomeOf(const std::function<Outcome()>& search) {
  try {
    return search();
  } catch (const quelm::CalcError& e) {
    return {e.kind()};
  }
}

// The solenoid's search as the page first ran it: every step evaluated, the
// coefficients of counts already seen taken from `seen` (the same function
// of the same count).
Outcome SolenoidWalk(const SolenoidInputs& in, Real targetMicrohenries,
                     std::map<Real, SolenoidInductance>& seen) {
  const Real target = targetMicrohenries / 1000000;
  Outcome out;
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
  const auto outOfRange = [&] { return Outcome{std::nullopt, false}; };
  do {
    t += 10;
    if (t > kMaxSearchTurns || !at(t))
      return outOfRange();
  } while (inductance <= target);
  do {
    t -= 1;
    if (!at(t))
      return outOfRange();
  } while (inductance >= target);
  do {
    t += 0.1L;
    if (!at(t))
      return outOfRange();
  } while (inductance <= target);
  do {
    t -= 0.01L;
    if (!at(t))
      return outOfRange();
  } while (inductance >= target);
  out.turns = t;
  return out;
}

// Targets around the inductance of each count: on it and a few units in the
// last place either side, in μH as typed.
std::vector<Real> TargetsAround(const std::vector<Real>& microhenries) {
  std::vector<Real> targets;
  for (const Real l : microhenries) {
    Real below = l;
    Real above = l;
    targets.push_back(l);
    for (int i = 0; i < 3; ++i) {
      below = std::nextafter(below, Real{0});
      above = std::nextafter(above, Real{1e4000L});
      targets.push_back(below);
      targets.push_back(above);
    }
  }
  return targets;
}

struct SolenoidSweep {
  const char* name;
  SolenoidInputs in;
};

class SolenoidSearchTest : public ::testing::TestWithParam<SolenoidSweep> {};

TEST_P(SolenoidSearchTest, MatchesTheStepByStepWalk) {
  const SolenoidInputs in = GetParam().in;
  std::vector<Real> microhenries;
  for (const Real turns : {0.5L, 1.0L, 7.0L, 10.0L, 10.04L, 23.456L, 100.0L, 999.95L, 4000.0L, 9990.0L,
                           9999.99L, 10000.0L, 10000.5L})
    microhenries.push_back(SolenoidInductanceOf(in, turns).henries * 1000000);
  microhenries.push_back(1e-6L);
  microhenries.push_back(1e30L);
  std::map<Real, SolenoidInductance> seen;
  for (const Real target : TargetsAround(microhenries)) {
    const Outcome walked = OutcomeOf([&] { return SolenoidWalk(in, target, seen); });
    const Outcome searched = OutcomeOf([&] {
      const SolenoidTurns r = SolenoidTurnsOf(in, target);
      return r.inRange ? Outcome{std::nullopt, true, r.turns, r.coefficient} : Outcome{std::nullopt, false};
    });
    EXPECT_EQ(searched, walked) << quelm::FormatGeneral(target) << " μH";
  }
}

INSTANTIATE_TEST_SUITE_P(Coils, SolenoidSearchTest,
                         ::testing::Values(SolenoidSweep{"Default", {50, 60, 0.6L, 1, false}},
                                           SolenoidSweep{"WideCoilThinWire", {400, 60, 0.05L, 1, false}},
                                           SolenoidSweep{"NarrowCoilThickWire", {4, 60, 2.5L, 1, false}},
                                           SolenoidSweep{"FerriteCore", {12.7L, 60, 0.33L, 125, false}},
                                           SolenoidSweep{"OddSizes", {37.3L, 60, 0.123L, 3.7L, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SquareSweep {
  const char* name;
  SquareInputs in;
};

class SquareSearchTest : public ::testing::TestWithParam<SquareSweep> {};

// The walk in hundredths evaluates each count once, so one pass over all the
// counts up to the bound answers every target: the search stops at the first
// count whose inductance exceeds the target.
TEST_P(SquareSearchTest, MatchesTheStepByStepWalk) {
  const SquareInputs in = GetParam().in;
  std::vector<Real> counts;
  std::vector<Real> henries;
  for (Real n = 0.01L; n <= kMaxSearchTurns; n += 0.01L) {
    counts.push_back(n);
    henries.push_back(SquareInductance(in, n));
  }
  std::vector<Real> microhenries;
  for (const std::size_t k :
       {0UL, 1UL, 2UL, 99UL, 100UL, 1233UL, 99999UL, 500000UL, 999997UL, 999998UL, 999999UL})
    microhenries.push_back(henries[k] * 1000000);
  microhenries.push_back(1e-9L);
  microhenries.push_back(1e30L);
  for (const Real target : TargetsAround(microhenries)) {
    const Real targetHenries = target / 1000000;
    std::size_t k = 0;
    while (k < henries.size() && targetHenries >= henries[k])
      ++k;
    const SquareTurns searched = SquareTurnsOf(in, target);
    ASSERT_EQ(searched.inRange, k < henries.size()) << quelm::FormatGeneral(target) << " μH";
    if (searched.inRange) {
      EXPECT_EQ(searched.turns, counts[k]) << quelm::FormatGeneral(target) << " μH";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Coils, SquareSearchTest,
                         ::testing::Values(SquareSweep{"Default", {650, 650, 15, 0.6L, 1, false}},
                                           SquareSweep{"Rectangle", {400, 900, 15, 0.35L, 1, false}},
                                           // a small former whose coil grows longer than its side
                                           SquareSweep{"LongCoil", {8, 12, 15, 1.2L, 1, false}},
                                           SquareSweep{"FerriteThinWire", {20, 20, 15, 0.07L, 400, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SpiderSweep {
  const char* name;
  SpiderInputs in;
};

class SpiderSearchTest : public ::testing::TestWithParam<SpiderSweep> {};

// As the square's: one pass over the counts in tenths up to the bound. The
// search's count is shown, and its wire summed, to the tenth.
TEST_P(SpiderSearchTest, MatchesTheStepByStepWalk) {
  const SpiderInputs in = GetParam().in;
  std::vector<Real> counts;
  std::vector<Real> microhenries;
  for (Real n = 0.1L; n <= kMaxSearchTurns; n += 0.1L) {
    counts.push_back(n);
    microhenries.push_back(SpiderInductance(in, n));
  }
  std::vector<Real> picked;
  for (const std::size_t k : {0UL, 1UL, 9UL, 199UL, 700UL, 12345UL, 99997UL, 99998UL, 99999UL})
    picked.push_back(microhenries[k]);
  picked.push_back(1e-9L);
  picked.push_back(1e30L);
  for (const Real target : TargetsAround(picked)) {
    std::size_t k = 0;
    while (k < microhenries.size() && target >= microhenries[k])
      ++k;
    const SpiderTurns searched = SpiderTurnsOf(in, target);
    ASSERT_EQ(searched.inRange, k < microhenries.size()) << quelm::FormatGeneral(target) << " μH";
    if (searched.inRange) {
      EXPECT_EQ(SpiderTurnsText(searched.turns), SpiderTurnsText(counts[k]))
          << quelm::FormatGeneral(target) << " μH";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Coils, SpiderSearchTest,
                         ::testing::Values(SpiderSweep{"Default", {30, 72, 0.5L, 1, false}},
                                           SpiderSweep{"WideThinWire", {10, 200, 0.1L, 1, false}},
                                           SpiderSweep{"ThickWireCore", {50, 60, 1.2L, 7.5L, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace coil_design
