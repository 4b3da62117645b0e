// Q from the series resistance, and the memo lines of the resistance
// components: which lines, in which order, and what a rejected or failed run
// leaves.
#include "coil_eval/skin_effect.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "coil_eval/tests/fault_of.h"

namespace coil_eval {
namespace {

using Lines = std::vector<std::pair<int, std::string>>;

// 1000 kHz, 300 μH, 10 Ω, 0.5 mm, 30 m, 1.68·10⁻⁸ Ω·m.
const SkinInputs kDefaults{
    kSkinFrequencyUnits[1].Apply(1000), kSkinInductanceUnits[1].Apply(300), 10, 0.5L, 30, 1.68L};

Lines LinesOf(const SkinInputs& in, Lines&& lines = {}) {
  FaultOf([&] {
    ResistanceLines(in, [&](int line, const std::string& text) { lines.emplace_back(line, text); });
  });
  return lines;
}

TEST(SkinEffect, Quality) {
  SkinInputs in = kDefaults;
  EXPECT_EQ(QualityText(in), "188.5");                 // 2π·10⁶·300·10⁻⁶/10 = 188.496
  in.inductance = kSkinInductanceUnits[0].Apply(0.3L); // 0.3 mH
  EXPECT_EQ(QualityText(in), "188.5");
  in.frequency = 0;
  EXPECT_EQ(QualityText(in), "0");
  in.resistance = 0;
  EXPECT_EQ(QualityText(in), "");
}

TEST(SkinEffect, ResistanceLines) {
  EXPECT_EQ(LinesOf(kDefaults), (Lines{{0, "直流抵抗Rdc = 2.567Ω"},
                                       {2, "表皮深さδ = 65.23μm"},
                                       {3, "表皮効果による抵抗Rse = 5.657Ω"},
                                       {4, "（ 条件：線材半径>>δ )"},
                                       {6, "近接効果による抵抗Rpe = unknown"},
                                       {7, "誘導リアクタンスXL = 1.885kΩ"}}));
  // At 1 kHz δ is wider than the radius and the shell's area negative.
  SkinInputs in = kDefaults;
  in.frequency = kSkinFrequencyUnits[0].Apply(1000);
  const Lines low = LinesOf(in);
  ASSERT_EQ(low.size(), 6U);
  EXPECT_EQ(low[1].second, "表皮深さδ = 2.063mm");
  EXPECT_EQ(low[2].second, "表皮効果による抵抗Rse = -49.76mΩ");
  // A zero f, L, d, ℓ or ρ blanks lines 0 to 6 and leaves line 7.
  const Lines blanks{{0, " "}, {1, " "}, {2, " "}, {3, " "}, {4, " "}, {5, " "}, {6, " "}};
  for (Real SkinInputs::*field : {&SkinInputs::frequency, &SkinInputs::inductance, &SkinInputs::diameter,
                                  &SkinInputs::length, &SkinInputs::resistivity}) {
    in = kDefaults;
    in.*field = 0;
    EXPECT_EQ(LinesOf(in), blanks);
  }
}

// A skin depth of exactly the diameter leaves a shell of zero area: lines 0
// and 2 are written, then the division faults before line 7.
TEST(SkinEffect, SkinDepthOfTheDiameterFaultsAfterTwoLines) {
  SkinInputs in = kDefaults;
  // ρ and f as the calculation holds them; δ·1000/2/1000 is δ/2 exactly.
  in.diameter = static_cast<Real>(SkinDepth(static_cast<double>(in.resistivity / 100000000), 1000000)) * 1000;
  EXPECT_EQ(FaultOf([&] { ResistanceLines(in, [](int, const std::string&) {}); }),
            quelm::FaultKind::DivisionByZero);
  const Lines lines = LinesOf(in);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].first, 0);
  EXPECT_EQ(lines[1].first, 2);
}

} // namespace
} // namespace coil_eval
