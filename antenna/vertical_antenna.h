#pragma once
// A vertical antenna at quarter-wave resonance: its total length L is a
// quarter of the wavelength, λ = 4·L; the resonant frequency is WaveSpeed / λ
// and the effective height λ / (2π). No shortening factor applies.
//
// For the page: an empty length field blanks both labels (kVerticalBlank)
// and ends; otherwise the two texts are written in order, the frequency
// first, each as soon as it is formed (a fault in the height's text leaves
// the new frequency text standing).
#include <string>

#include "core/real.h"

namespace antenna {

using quelm::Real;

inline constexpr const char* kVerticalBlank = " ";

struct VerticalAntenna {
  Real frequency = 0;       // megahertz
  Real effectiveHeight = 0; // metres
};

// From the length in metres. A length of 0 divides by zero (CalcError), so
// neither label changes.
VerticalAntenna ComputeVerticalAntenna(Real length, Real waveSpeed);

// Label318: below 10 MHz the frequency in whole kilohertz ("3750 kHz"),
// otherwise in megahertz to 3 decimals ("15 MHz").
std::string VerticalFrequencyText(Real megahertz);

// Label319: the height to 2 decimals, "12.73 ｍ" (full-width ｍ).
std::string VerticalHeightText(Real metres);

} // namespace antenna
