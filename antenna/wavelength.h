#pragma once
// Wavelength and frequency: a (part of a) wavelength into the frequency, and
// a frequency into the wavelength with its half, quarter and sixth.
//
// Both calculations are split at the point where the options panel is read,
// so that a page normalises the panel exactly when the calculation reaches
// that step (a fault before it leaves the panel alone).
#include <array>
#include <optional>
#include <string>

#include "core/real.h"
#include "core/units.h"

namespace antenna {

using quelm::Real;

// ---- Wavelength to frequency ------------------------------------------------

// The length units "mm", "cm", "m", "km", into metres.
inline constexpr std::array<quelm::UnitFactor, 4> kLengthUnits = {quelm::Over(3), quelm::Over(2),
                                                                  quelm::One(), quelm::Times(3)};

// What the typed length is ("λ", "λ/2", "λ/4", "λ/6"): the wavelength is the
// typed length times 1, 2, 4 or 6. Checked for overflow.
Real TypedWavelength(Real typed, int part);

// f in megahertz from the wavelength in metres: the physical length is
// lengthened by 1/k when a shortening factor applies, then f = speed / λ.
Real FrequencyMHz(Real waveSpeed, Real metres, std::optional<Real> factor);

// The frequency text: GHz from 10000 MHz, MHz from 10 MHz, Hz below
// 0.01 MHz, kHz in between; each boundary belongs to the larger unit.
std::string FrequencyText(Real megahertz);

// ---- Frequency to wavelength ------------------------------------------------

// The frequency units "Hz", "kHz", "MHz", "GHz".
enum class FrequencyUnit { Hz, kHz, MHz, GHz };
FrequencyUnit FrequencyUnitAt(int index);

// speed / f: the wavelength in the length unit that belongs to the frequency
// unit (megametres for Hz, kilometres for kHz, metres for MHz, millimetres
// for GHz).
Real WavelengthInUnit(Real waveSpeed, Real frequency);

// The wavelength shortened by the factor k, when one applies.
Real Shortened(Real wavelength, std::optional<Real> factor);

struct WavelengthTexts {
  std::string lambda;  // λ
  std::string half;    // λ/2
  std::string quarter; // λ/4
  std::string sixth;   // λ/6
};

// The four result texts from the wavelength X in the frequency unit's length
// unit. Below 1 of that unit the next smaller unit is shown (Hz: km, kHz: m,
// MHz: cm); GHz keeps millimetres (below 1 mm too), and Hz shows kilometres
// from 1000 km on as well.
WavelengthTexts WavelengthResult(Real x, FrequencyUnit unit);

} // namespace antenna
