#pragma once
// The American Wire Gauge reference: each gauge from 4/0 to 50 with its
// diameter and cross-section in millimetres, as display texts (the digits
// vary by row and trailing zeros belong to the value shown).
#include <array>
#include <functional>
#include <string_view>

namespace coil_eval {

struct AwgRow {
  std::string_view gauge;
  std::string_view diameter; // mm
  std::string_view area;     // mm²

  friend bool operator==(const AwgRow&, const AwgRow&) = default;
};

// The header row and the grid's column widths in pixels.
inline constexpr AwgRow kAwgHeader{"ＡＷＧ", "直径(mm)", "断面積(mm^2)"};
inline constexpr std::array<int, 3> kAwgColumnWidths = {80, 80, 110};

// The data rows, thickest first.
extern const std::array<AwgRow, 54> kAwgRows;

// Reverses the rows first..last in place by exchanging them in pairs from the
// outside in (first with last, then the next pair inwards) until the two
// indices meet; the middle row of an odd count stays put. Reversing twice
// restores the order.
void ReverseRows(int first, int last, const std::function<void(int, int)>& exchange);

} // namespace coil_eval
