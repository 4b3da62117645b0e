#pragma once
// The earphone page's impedance chart: the impedance of a crystal and of a
// ceramic earphone against frequency, as curves for the chart painter.
#include <array>
#include <cstdint>

#include "core/real.h"

namespace detector {

using quelm::Real;

// The chart: title, axes and legends.
inline constexpr const char* kEarphoneChartTitle = "インピーダンス特性";
inline constexpr Real kChartMinHz = 0;
inline constexpr Real kChartMaxHz = 5000;
inline constexpr const char* kChartFrequencyLabel = "(Hz)";
// Impedance on a logarithmic axis, in kΩ.
inline constexpr Real kChartMinKiloohms = 0.1L;
inline constexpr Real kChartMaxKiloohms = 1000;
inline constexpr const char* kChartImpedanceLabel = "（ｋΩ）";

struct EarphoneCurve {
  const char* legend;
  std::uint32_t rgb; // 0xRRGGBB
  Real fromHz;       // where the curve begins; it runs to kChartMaxHz
  Real (*kiloohms)(Real hz);
};

// The crystal earphone: about 300 kΩ at 300 Hz falling as a lossy
// capacitance to about 30 kΩ at 5 kHz, with a small bump near 3.7 kHz.
Real CrystalEarphoneKiloohms(Real hz);

// The ceramic earphone: a piezo disc, its capacitance in parallel with a
// series resonator (Butterworth-Van Dyke), about 50 kΩ at 200 Hz falling to
// about 2.5 kΩ at 5 kHz, dipping to about 0.5 kΩ at its series resonance
// near 3.2 kHz and peaking at about 20 kΩ near 3.4 kHz.
Real CeramicEarphoneKiloohms(Real hz);

inline constexpr std::array<EarphoneCurve, 2> kEarphoneCurves = {{
    {"クリスタルイヤホン", 0xFFFF00, 300, CrystalEarphoneKiloohms},
    {"セラミックイヤホン", 0x0000FF, 200, CeramicEarphoneKiloohms},
}};

} // namespace detector
