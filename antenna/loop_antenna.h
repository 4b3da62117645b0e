#pragma once
// The effective length of a loop antenna of N turns enclosing S square metres
// at the received frequency F: he = 2π·N·S / λ, with λ = WaveSpeed / F. Reads
// only the wave speed of the options panel (no shortening factor).
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace antenna {

using quelm::Real;

// The received frequency is typed in kilohertz and divided by 1000.
inline constexpr quelm::UnitFactor kLoopFrequencyUnit = quelm::Over(3);

// The text of Label231 from F (kHz), N and S (m²) as read (empty reads as 0):
// the caption "実効長" when F·N·S = 0, else "実効長 : 0.105 ｍ".
std::string LoopEffectiveLength(Real kilohertz, Real turns, Real area, Real waveSpeed);

} // namespace antenna
