#pragma once
// A simple medium-wave antenna analyzer: a bridge of C1, VR1, VR2 and R3 whose
// balance gives the antenna's equivalent series capacitance Cx and resistance
// Rx. From them an impedance figure at 1 MHz, Zx = (√Xc + √Rx)² (the square of
// the sum of the roots, as the bridge's maker defines it), and the inductance
// to add for resonance at F.
#include <string>

#include "core/real.h"

namespace antenna {

using quelm::Real;

// The five fields as read (empty reads as 0).
struct BridgeReadings {
  Real c1 = 0;        // pF
  Real vr1 = 0;       // kΩ
  Real vr2 = 0;       // kΩ
  Real r3 = 0;        // kΩ
  Real frequency = 0; // F, kHz
};

// The four result fields (no units: the units are on the page's labels).
struct AnalyzerTexts {
  std::string cx;              // Edit141, pF
  std::string rx;              // Edit142, Ω
  std::string zx;              // Edit143, kΩ at 1 MHz
  std::string addedInductance; // Edit144, μH
};

// All four texts, formed before any is written. A zero product of the five
// readings gives four empty texts. A Cx that rounds to 0 divides by zero
// (CalcError), as does any fault of the steps.
AnalyzerTexts AnalyzeBridge(const BridgeReadings& in);

} // namespace antenna
