// The hit test of the grids: edges, shared boxes, and every cell found again from its middle.
#include "ui/cell_hit.h"

#include <gtest/gtest.h>

#include <optional>

#include "logic/geometry.h"
#include "ui/field_layout.h"

namespace tessarix {
namespace {

struct HitCase {
  const char* name;
  int x, y;
  std::optional<CellRef> cell;
};

class CellHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(CellHitTest, FindsTheCellUnderThePixel) {
  const HitCase& c = GetParam();
  const std::optional<CellRef> got = cellAt(c.x, c.y);
  ASSERT_EQ(got.has_value(), c.cell.has_value());
  if (got) {
    EXPECT_EQ(got->grid, c.cell->grid);
    EXPECT_EQ(got->col, c.cell->col);
    EXPECT_EQ(got->row, c.cell->row);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CellHitTest,
    ::testing::Values(HitCase{"grid1TopLeftCornerIsIn", 425, 35, CellRef{1, 1, 1}},
                      HitCase{"leftOfGrid1", 424, 35, std::nullopt},
                      HitCase{"aboveGrid1", 425, 34, std::nullopt},
                      HitCase{"lastPixelsOfACellColumnAndRow", 61, 359, CellRef{4, 1, 1}},
                      HitCase{"firstPixelsOfTheNextCell", 62, 360, CellRef{4, 2, 2}},
                      HitCase{"grid1LastColumnIsIn", 721, 100, CellRef{1, 9, 3}},
                      HitCase{"grid1RightEdgeIsOut", 722, 100, std::nullopt},
                      HitCase{"grid1BottomEdgeFallsIntoGrid2", 425, 260, CellRef{2, 7, 4}},
                      HitCase{"sharedBoxOfGrids1And2GivesGrid1", 425, 185, CellRef{1, 1, 7}},
                      HitCase{"sharedBoxOfGrids1And3GivesGrid1", 721, 259, CellRef{1, 9, 9}},
                      HitCase{"sharedBoxOfGrids8And9GivesGrid8", 623, 635, CellRef{8, 1, 7}},
                      HitCase{"sharedBoxOfGrids5And7GivesGrid5", 523, 559, CellRef{5, 3, 9}},
                      HitCase{"centreOfGrid5", 557, 435, CellRef{5, 5, 5}},
                      HitCase{"lastPixelOfGrid9", 721, 859, CellRef{9, 9, 9}},
                      HitCase{"rightOfGrid9", 722, 859, std::nullopt},
                      HitCase{"belowGrid9", 721, 860, std::nullopt},
                      HitCase{"wellBetweenGrids1And5", 570, 300, std::nullopt},
                      HitCase{"leftOfGrid4", 28, 400, std::nullopt},
                      HitCase{"grid6RightEdgeIsOut", 1118, 400, std::nullopt},
                      HitCase{"negative", -1, -1, std::nullopt}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return info.param.name; });

// The middle and the four corner pixels of every cell of every grid lead back to that cell, or,
// for the lower copy of a shared box, to the upper copy of the same cell.
TEST(CellHit, EveryCellIsFoundAtItsCornersAndMiddle) {
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int index = leadingCopy(cellIndex(g, c, r));
        const CellRef want{cellGrid(index), cellCol(index), cellRow(index)};
        const int x = anchorX[g] + (c - 1) * cellWidth;
        const int y = anchorY[g] + (r - 1) * cellHeight;
        for (auto [dx, dy] :
             {std::pair{0, 0}, std::pair{cellWidth - 1, 0}, std::pair{0, cellHeight - 1},
              std::pair{cellWidth - 1, cellHeight - 1}, std::pair{cellWidth / 2, cellHeight / 2}}) {
          const std::optional<CellRef> got = cellAt(x + dx, y + dy);
          ASSERT_TRUE(got.has_value()) << g << " " << c << " " << r;
          EXPECT_EQ(*got, want) << "grid " << g << " cell (" << c << ", " << r << ") + (" << dx
                                << ", " << dy << ")";
        }
      }
}

}  // namespace
}  // namespace tessarix
