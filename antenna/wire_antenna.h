#pragma once
// A wire antenna shorter than the wavelength: a vertical wire of height h with
// an optional horizontal top of length A (vertical, inverted-L or T antenna).
// Its effective height, capacitance, own inductance and radiation resistance,
// and the loading coil that tunes it to a working frequency.
//
// Every quantity and every text is formed before any label is written, so a
// fault leaves all five labels as they were: compute the whole result, then
// write the five texts.
#include <string>
#include <string_view>

#include "core/real.h"
#include "core/units.h"

namespace antenna {

using quelm::Real;

// The diameter is typed in millimetres, the frequency in kilohertz; both are
// divided by 1000 (into metres and megahertz).
inline constexpr quelm::UnitFactor kWireDiameterUnit = quelm::Over(3);
inline constexpr quelm::UnitFactor kWireFrequencyUnit = quelm::Over(3);

// The four fields as read (empty reads as 0).
struct WireInputs {
  Real horizontal = 0; // A, metres
  Real vertical = 0;   // h, metres
  Real diameter = 0;   // d, millimetres
  Real frequency = 0;  // F, kilohertz
};

struct WireAntenna {
  Real effectiveHeight = 0;     // He, metres
  Real capacitance = 0;         // C = Cv + Ch, picofarads
  Real radiationResistance = 0; // R, ohms
  Real inductance = 0;          // La, millihenries
  Real loadingCoil = 0;         // Lx, millihenries; negative when the wire resonates below F
};

// The five label texts, in the order of the labels on the page.
struct WireTexts {
  std::string effectiveHeight;     // Label236
  std::string capacitance;         // Label291
  std::string inductance;          // Label292
  std::string radiationResistance; // Label293
  std::string loadingCoil;         // Label346
};

// The captions the labels show before the first calculation.
WireTexts WireStartTexts();
// The captions they return to after a zero input; they differ from the start
// texts in their blanks ("[pF]", not "[ pF ]").
WireTexts WireResetTexts();

// h·d·F = 0 (after scaling): no antenna to compute. A may be zero.
bool WireAntennaRejected(const WireInputs& in);

// Every quantity, in the calculation's order. The shortening factor is read
// at its step, from the panel's factor text and enable box as they stand,
// without normalising the panel (see ShorteningAsTyped): so a fault of an
// earlier step comes before a conversion error of the factor's text.
WireAntenna ComputeWireAntenna(const WireInputs& in, Real waveSpeed, std::string_view factorText,
                               bool factorEnabled);

// The texts of a computed antenna (one decimal; ohms above 1 Ω, else ｍΩ; ｍH
// above 1 mH, else μH, negative coils included).
WireTexts WireAntennaTexts(const WireAntenna& a);

// The whole calculation: the reset captions when rejected, else the texts of
// the computed antenna. Faults throw quelm::CalcError before any text exists.
WireTexts WireAntennaResult(const WireInputs& in, Real waveSpeed, std::string_view factorText,
                            bool factorEnabled);

} // namespace antenna
