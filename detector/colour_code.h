#pragma once
// The four colour bands of a resistor: two digits, a multiplier and a
// tolerance, and the colours the page paints them in.
#include <array>
#include <cstdint>
#include <string>

namespace detector {

// Band colours in the order of the radio groups' items: the digit bands
// offer Black to White (0-9), the multiplier band adds Gold and Silver, the
// tolerance band adds None.
enum class BandColour {
  Black,
  Brown,
  Red,
  Orange,
  Yellow,
  Green,
  Blue,
  Violet,
  Grey,
  White,
  Gold,
  Silver,
  None
};

struct ColourLook {
  const char* name;         // as the legend and the lists show it: "黒"
  std::uint32_t rgb;        // 0xRRGGBB of the band and of the legend label
  bool buttonFace;          // painted in the system button-face colour instead (None)
  std::uint32_t legendText; // text colour of the colour's legend label
};

inline constexpr std::uint32_t kWhiteText = 0xFFFFFF;
inline constexpr std::uint32_t kYellowText = 0xFFFF00;
inline constexpr std::uint32_t kBlackText = 0x000000;

// Indexed by BandColour.
inline constexpr std::array<ColourLook, 13> kBandColours = {{
    {"黒", 0x000000, false, kWhiteText},
    {"茶", 0x800000, false, kYellowText},
    {"赤", 0xFF0000, false, kYellowText},
    {"橙", 0xFF8000, false, kBlackText},
    {"黄", 0xFFFF00, false, kBlackText},
    {"緑", 0x008000, false, kWhiteText},
    {"青", 0x0000FF, false, kWhiteText},
    {"紫", 0x800080, false, kWhiteText},
    {"灰", 0x808080, false, kWhiteText},
    {"白", 0xFFFFFF, false, kBlackText},
    {"金", 0xD9D262, false, kBlackText},
    {"銀", 0xC0C0C0, false, kBlackText},
    {"なし", 0, true, kBlackText},
}};

const ColourLook& LookOf(BandColour colour);

// "200 kΩ": 10·first + second, scaled and given a unit by the third band.
// The first two bands are digits (Black to White), the third Black to
// Silver.
std::string ResistanceText(BandColour first, BandColour second, BandColour third);

// "±5％ (J)", or "未定義" for a colour that is no tolerance code.
std::string ToleranceText(BandColour fourth);

} // namespace detector
