#include "detector/colour_code.h"

#include <cstddef>

#include "core/format.h"
#include "core/real.h"

namespace detector {

using quelm::Real;

namespace {

std::size_t Index(BandColour colour) { return static_cast<std::size_t>(colour); }

// How the third band turns the two digits n into the number shown.
enum class Scale { Same, TimesTen, OverTen, TimesTenth, TimesHundredth };

struct Multiplier {
  Scale scale;
  const char* unit;
};

// Indexed by BandColour, Black to Silver.
constexpr std::array<Multiplier, 12> kMultipliers = {{
    {Scale::Same, " Ω"},
    {Scale::TimesTen, " Ω"},
    {Scale::OverTen, " kΩ"},
    {Scale::Same, " kΩ"},
    {Scale::TimesTen, " kΩ"},
    {Scale::OverTen, " MΩ"},
    {Scale::Same, " MΩ"},
    {Scale::TimesTen, " MΩ"},
    {Scale::OverTen, " GΩ"},
    {Scale::Same, " GΩ"},
    {Scale::TimesTenth, " Ω"},
    {Scale::TimesHundredth, " Ω"},
}};

// Indexed by BandColour, all thirteen.
constexpr std::array<const char*, 13> kTolerances = {
    "未定義",     "±1％ (F)", "±2％ (G)", "±0.05％ (W)", "未定義",    "±0.5％ (D)", "±0.25％ (C)",
    "±0.1％ (B)", "未定義",   "未定義",   "±5％ (J)",    "±10％ (K)", "±20％ (M)",
};

} // namespace

const ColourLook& LookOf(BandColour colour) { return kBandColours[Index(colour)]; }

std::string ResistanceText(BandColour first, BandColour second, BandColour third) {
  const Real n = Real(10 * static_cast<int>(first) + static_cast<int>(second));
  const Multiplier& m = kMultipliers[Index(third)];
  Real shown = n;
  switch (m.scale) {
  case Scale::Same:
    break;
  case Scale::TimesTen:
    shown = n * 10;
    break;
  case Scale::OverTen:
    shown = n / 10;
    break;
  case Scale::TimesTenth:
    shown = n * 0.1L;
    break;
  case Scale::TimesHundredth:
    shown = n * 0.01L;
    break;
  }
  return quelm::FormatGeneral(shown) + m.unit;
}

std::string ToleranceText(BandColour fourth) { return kTolerances[Index(fourth)]; }

} // namespace detector
