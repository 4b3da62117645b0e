#include "coil_design/toroid_cores.h"

#include <array>

#include "core/checked.h"
#include "core/format.h"

namespace coil_design {

namespace {

using quelm::FormatGeneral;

constexpr std::array<ToroidCoreRow, 8> kIron2{{
    {"T-200", 12, 0.0508L, 0.0318L, 0.014L},
    {"T-130", 11, 0.033L, 0.0198L, 0.0111L},
    {"T-106", 13.5L, 0.0269L, 0.0145L, 0.0111L},
    {"T-94", 8.4L, 0.0239L, 0.0142L, 0.00792L},
    {"T-80", 5.5L, 0.0202L, 0.0126L, 0.00635L},
    {"T-68", 5.7L, 0.0175L, 0.0094L, 0.00483L},
    {"T-50", 4.9L, 0.0127L, 0.0077L, 0.00483L},
    {"T-37", 4, 0.00953L, 0.00521L, 0.00325L},
}};

constexpr std::array<ToroidCoreRow, 8> kIron6{{
    {"T-200", 10, 0.0508L, 0.0318L, 0.014L},
    {"T-130", 9.6L, 0.033L, 0.0198L, 0.0111L},
    {"T-106", 11.6L, 0.0269L, 0.0145L, 0.0111L},
    {"T-94", 7, 0.0239L, 0.0142L, 0.00792L},
    {"T-80", 4.5L, 0.0202L, 0.0126L, 0.00635L},
    {"T-68", 4.7L, 0.0175L, 0.0094L, 0.00483L},
    {"T-50", 4, 0.0127L, 0.0077L, 0.00483L},
    {"T-37", 3, 0.00953L, 0.00521L, 0.00325L},
}};

constexpr std::array<ToroidCoreRow, 6> kFerrite43{{
    {"FT-240", 1160, 0.061L, 0.03555L, 0.0127L},
    {"FT-140", 950, 0.03555L, 0.023L, 0.0127L},
    {"FT-114", 540, 0.029L, 0.019L, 0.0075L},
    {"FT-82", 500, 0.021L, 0.0132L, 0.00635L},
    {"FT-50", 470, 0.0127L, 0.00715L, 0.0049L},
    {"FT-37", 375, 0.0095L, 0.00475L, 0.0033L},
}};

constexpr std::array<ToroidCoreRow, 6> kFerrite61{{
    {"FT-240", 170, 0.061L, 0.03555L, 0.0127L},
    {"FT-140", 140, 0.03555L, 0.023L, 0.0127L},
    {"FT-114", 80, 0.029L, 0.019L, 0.0075L},
    {"FT-82", 75, 0.021L, 0.0132L, 0.00635L},
    {"FT-50", 69, 0.0127L, 0.00715L, 0.0049L},
    {"FT-37", 55, 0.0095L, 0.00475L, 0.0033L},
}};

std::string Millimetres(Real metres) { return FormatGeneral(quelm::Check(metres * 1000)); }

} // namespace

std::string_view ToroidMaterialCaption(ToroidMaterial material) {
  switch (material) {
  case ToroidMaterial::Iron2:
    return " ＃２";
  case ToroidMaterial::Iron6:
    return " ＃６";
  case ToroidMaterial::Ferrite43:
    return "＃４３";
  case ToroidMaterial::Ferrite61:
    return "＃６１";
  }
  return {};
}

std::span<const ToroidCoreRow> ToroidCoreTable(ToroidMaterial material) {
  switch (material) {
  case ToroidMaterial::Iron2:
    return kIron2;
  case ToroidMaterial::Iron6:
    return kIron6;
  case ToroidMaterial::Ferrite43:
    return kFerrite43;
  case ToroidMaterial::Ferrite61:
    return kFerrite61;
  }
  return {};
}

std::string ToroidAlText(const ToroidCoreRow& row) { return "ＡL値 ： " + FormatGeneral(row.al); }

std::string ToroidDimensionText(const ToroidCoreRow& row) {
  return "寸法 ： a＝" + Millimetres(row.a) + " b＝" + Millimetres(row.b) + " c＝" + Millimetres(row.c);
}

} // namespace coil_design
