#pragma once
// The characteristics of the solver's coil and capacitor at a chosen
// frequency: each element's reactance, the series and parallel impedance and
// the characteristic impedance. Each function returns the whole caption of its
// result label, and each tests only its own inputs, so the page can write
// every caption as soon as it is known.
#include <string>

#include "core/real.h"

namespace tuning {

using quelm::Real;

// All take f [Hz], l [H], c [F].

// |ωL − 1/(ωC)|, or the bare caption when f·L·C is zero.
std::string SeriesImpedanceCaption(Real f, Real l, Real c);
// |1 / (1/(ωL) − ωC)|, or the bare caption when f·L·C is zero. At exact
// parallel resonance (1/(ωL) equal to ωC) the impedance is unbounded and reads
// like any other impedance from 1000 ＭΩ up.
std::string ParallelImpedanceCaption(Real f, Real l, Real c);
// √(L/C), or the bare caption when L·C is zero.
std::string CharacteristicImpedanceCaption(Real l, Real c);
// ωL, or the bare caption when f·L is zero.
std::string CoilReactanceCaption(Real f, Real l);
// 1/(ωC), or the bare caption when f·C is zero.
std::string CapacitorReactanceCaption(Real f, Real c);

} // namespace tuning
