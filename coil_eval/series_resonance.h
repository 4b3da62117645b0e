#pragma once
// Q of a coil from a series-resonance measurement: a generator drives the
// divider R1 over R2, the coil and the variable capacitor in series hang on
// R2, V1 is the generator voltage and V2 the voltage across the capacitor at
// resonance. Q is the step-up V2 over the injected voltage, optionally
// corrected for the coil's distributed capacitance Cd against the tuning C.
#include <string>

#include "core/real.h"

namespace coil_eval {

using quelm::Real;

// The page's fields as typed (the quantities only meet in ratios, so their
// units never matter) and its two options.
struct SeriesResonanceInputs {
  Real r1 = 0, r2 = 0;            // Ω
  Real cd = 0, c = 0;             // pF
  Real v1 = 0, v2 = 0;            // mV
  bool direct = false;            // R1 shorted, R2 open: the generator feeds the circuit itself
  bool capacitanceIgnored = true; // no correction for Cd
};

// The text of the Q field: Q with one decimal at most (ties to even), or a
// single blank when V1·V2 is zero or, with the correction, C is zero. Without
// the direct feed a zero R1 or R2 gives Q = 0.
std::string SeriesResonanceQText(const SeriesResonanceInputs& in);

} // namespace coil_eval
