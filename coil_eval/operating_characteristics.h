#pragma once
// Q and bandwidth of a tuned circuit from its measured resonance curve: f1 and
// f2 are the frequencies 3 dB below the peak on either side, in any one unit
// (the bandwidth is in that unit). Two helpers turn a peak voltage into its
// −3 dB level and back, for finding those points on a meter.
#include <string>

#include "core/real.h"

namespace coil_eval {

using quelm::Real;

// The −3 dB level of a peak voltage, v/√2, with three decimals at most. For a
// field that is not empty (an empty one shows a single blank).
std::string MinusThreeDbText(Real peak);
// The peak voltage of a −3 dB level, v·√2, with three decimals at most.
std::string PlusThreeDbText(Real level);

struct OperatingResult {
  std::string q;         // (f2 + f1) / ((f2 − f1)·2), two decimals at most
  std::string bandwidth; // f2 − f1, unrounded
};

// Both texts are single blanks when f1·f2 is zero. Equal frequencies have no
// Q: the division by zero is a fault, raised before either text exists; the
// bandwidth itself cannot fail.
OperatingResult OperatingCharacteristics(Real f1, Real f2);

} // namespace coil_eval
