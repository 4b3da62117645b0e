// The AWG rows as displayed, and the reversal by pairs.
#include "coil_eval/awg_table.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace coil_eval {
namespace {

TEST(AwgTable, RowsAsDisplayed) {
  EXPECT_EQ(kAwgRows[1], (AwgRow{"000(3/0)", "10.40", "85.01"}));
  EXPECT_EQ(kAwgRows[37], (AwgRow{"34", "0.160", "0.020"}));
}

TEST(AwgTable, ReversalByPairsFromTheOutsideIn) {
  std::vector<std::pair<int, int>> exchanges;
  std::vector<AwgRow> grid(1, kAwgHeader);
  grid.insert(grid.end(), kAwgRows.begin(), kAwgRows.end());
  const auto press = [&] {
    ReverseRows(1, static_cast<int>(grid.size()) - 1, [&](int a, int b) {
      exchanges.emplace_back(a, b);
      std::swap(grid[static_cast<std::size_t>(a)], grid[static_cast<std::size_t>(b)]);
    });
  };
  press();
  ASSERT_EQ(exchanges.size(), 27U);
  EXPECT_EQ(exchanges.back(), std::make_pair(27, 28));
  EXPECT_EQ(grid[1], (AwgRow{"50", "0.0251", "0.000497"}));
  EXPECT_EQ(grid[54], (AwgRow{"0000(4/0)", "11.68", "107.2"}));
  press();
  EXPECT_EQ(grid[0], kAwgHeader);
  EXPECT_TRUE(std::equal(kAwgRows.begin(), kAwgRows.end(), grid.begin() + 1));
}

} // namespace
} // namespace coil_eval
