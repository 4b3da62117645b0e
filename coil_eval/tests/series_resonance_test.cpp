// The series-resonance Q: the listed cases, blanks, zero and one-decimal ties.
#include "coil_eval/series_resonance.h"

#include <gtest/gtest.h>

#include <ostream>

namespace coil_eval {
namespace {

struct Row {
  const char* name;
  SeriesResonanceInputs in; // R1, R2, Cd, C, V1, V2, direct feed, Cd ignored
  const char* q;
};
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class SeriesResonanceTest : public ::testing::TestWithParam<Row> {};

TEST_P(SeriesResonanceTest, QText) { EXPECT_EQ(SeriesResonanceQText(GetParam().in), GetParam().q); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(SeriesResonance, SeriesResonanceTest, ::testing::Values(
  Row{"Defaults", {50, 0.05L, 5, 100, 2000, 400, false, true}, "200.2"},   // 400·50.05/(2000·0.05)
  Row{"Corrected", {50, 0.05L, 5, 100, 2000, 400, false, false}, "210.2"}, // 200.2·(5/100 + 1)
  Row{"Direct", {50, 0.05L, 5, 100, 2000, 400, true, true}, "0.2"},
  Row{"NoR1", {0, 0.05L, 5, 100, 2000, 400, false, true}, "0"}, // not V2/V1
  Row{"NoV2", {50, 0.05L, 5, 100, 2000, 0, false, true}, " "},
  Row{"NoCCorrected", {50, 0.05L, 5, 0, 2000, 400, false, false}, " "},
  Row{"TieDown", {50, 0.05L, 5, 100, 4, 1, true, true}, "0.2"}, // 2.5 tenths to the even 2
  Row{"TieUp", {50, 0.05L, 5, 100, 4, 3, true, true}, "0.8"}    // 7.5 tenths to the even 8
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace coil_eval
