#pragma once
// The distance at which the ground-wave field strength falls to a target Et.
//
// The answer is the one of a four-stage walk on d from 0, each step forming
// E(d) anew:
//   a. d += 10   until E(d) < Et
//   b. d -= 1    until E(d) > Et
//   c. d += 0.1  until E(d) < Et
//   d. d -= 0.01 until E(d) > Et
// the steps accumulating in extended precision; the result is the last d.
//
// Walked literally, stage a takes one step per 10 km of result, without
// limit as Et approaches zero, and for ever where E never falls below Et.
// Here stage a stops at 1,000,000 km (100,000 steps) and is not walked: its
// points are exact multiples of 10 km and E falls with d on either side of
// the attenuation's knee (p = 4.5), so the first step below Et is found by
// galloping and bisecting over the step index on each side of the knee. The
// later stages are walked step by step; they end within a few dozen steps,
// and each is bounded. Wherever the walk ends within 1,000,000 km the result
// is the walk's, digit for digit, and a fault (a target not below the field
// at 1 km walks stage b down to d = 0, a division by zero) is the walk's too.
#include <string>

#include "antenna/field_strength.h"
#include "core/real.h"

namespace antenna {

using quelm::Real;

// The last stage-a step searched, and its distance in km.
inline constexpr long kDistanceSearchSteps = 100000;
inline constexpr long kDistanceSearchLimit = 10 * kDistanceSearchSteps;
// The most steps any of the stages b, c and d may take.
inline constexpr long kDistanceRefineSteps = 1000;

enum class DistanceOutcome {
  Found,         // km holds the walk's result
  Beyond,        // the field is still at or above Et at 1,000,000 km
  Indeterminate, // a refining stage did not settle within its bound: only for
                 // field strengths below the range of normal numbers, where
                 // E no longer falls from one step to the next
};

struct ReceptionDistance {
  DistanceOutcome outcome = DistanceOutcome::Found;
  Real km = 0;
};

// The search for a path that is not rejected and a positive target.
ReceptionDistance FindReceptionDistance(const FieldPath& path, Real target);

inline constexpr const char* kReceptionDistanceStart = "[km]";
inline constexpr const char* kReceptionDistanceReset = "[km]";
// What the label shows instead of a number.
inline constexpr const char* kReceptionDistanceBeyond = "100万 km 以上";
inline constexpr const char* kReceptionDistanceIndeterminate = "計算できません";

// "44.52 [km] " (the general 15-digit form, a blank before and after the
// bracket), or the text of the outcome without a number.
std::string ReceptionDistanceText(const ReceptionDistance& r);

// The text of Label317: the reset caption when f·εr·σ·P·Et = 0, else the
// search's text.
std::string ReceptionDistanceResult(const FieldPath& path, Real target);

} // namespace antenna
