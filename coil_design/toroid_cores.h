#pragma once
// The ring cores of the toroid page's catalogue: four materials, two iron
// powders (" ＃２", " ＃６") sharing eight sizes and two ferrites ("＃４３",
// "＃６１") sharing six, each size with its AL value and dimensions.
#include <span>
#include <string>
#include <string_view>

#include "core/real.h"

namespace coil_design {

using quelm::Real;

// The material tabs, in the order of their tabs.
enum class ToroidMaterial { Iron2, Iron6, Ferrite43, Ferrite61 };

struct ToroidCoreRow {
  std::string_view item; // the drop-down item, "T-200"
  Real al;               // nH per turn² (N turns: N²·AL nH)
  Real a;                // outer diameter, m
  Real b;                // inner diameter, m
  Real c;                // height, m
};

// The tab's caption: " ＃２", " ＃６", "＃４３", "＃６１".
std::string_view ToroidMaterialCaption(ToroidMaterial material);

// The sizes of one material, in the order of its drop-down list.
std::span<const ToroidCoreRow> ToroidCoreTable(ToroidMaterial material);

// The tab's two labels for the chosen size: "ＡL値 ： 12" and
// "寸法 ： a＝50.8 b＝31.8 c＝14" (millimetres).
std::string ToroidAlText(const ToroidCoreRow& row);
std::string ToroidDimensionText(const ToroidCoreRow& row);

} // namespace coil_design
