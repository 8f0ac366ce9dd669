// The empty field in its order, the grids, and the drawing of clue and entry cells.
#include "ui/board_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "logic/geometry.h"
#include "support/recording_canvas.h"
#include "ui/palette.h"
#include "ui/field_layout.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

TEST(EmptyField, WellsThenOutlineThenGridsThenRedSharedBoxes) {
  RecordingCanvas canvas;
  drawEmptyField(canvas);
  // Phases by the first operation of each kind of drawing.
  auto firstIndex = [&](auto pred) {
    for (size_t i = 0; i < canvas.ops.size(); ++i)
      if (pred(canvas.ops[i])) return i;
    return canvas.ops.size();
  };
  const size_t firstGrid = firstIndex([](const DrawOp& op) {
    return op.kind == OpKind::FilledBox && op.x1 == anchorX[1] - 1 && op.y1 == anchorY[1] - 1;
  });
  const size_t firstOutline = firstIndex([](const DrawOp& op) {
    return op.kind == OpKind::Line && op.x1 == 410 && op.y1 == 19 && op.x2 == 735;
  });
  const size_t firstRed = firstIndex(
      [](const DrawOp& op) { return op.kind == OpKind::OutlineBox && op.state.lineColor == 1; });
  ASSERT_LT(firstOutline, canvas.ops.size());
  ASSERT_LT(firstGrid, canvas.ops.size());
  ASSERT_LT(firstRed, canvas.ops.size());
  EXPECT_LT(firstOutline, firstGrid);
  EXPECT_LT(firstGrid, firstRed);
  // The first lines are the four sunken wells: each starts in dark grey at its corner.
  EXPECT_EQ(canvas.ops[0].x1, 537);
  EXPECT_EQ(canvas.ops[0].y1, 274);
  EXPECT_EQ(canvas.ops[0].state.lineColor, colorDarkGrey);
  EXPECT_EQ(canvas.state.lineWidth, 1);
}

TEST(EmptyField, OutlineIsAllWhiteLinesBeforeAllBlackLines) {
  RecordingCanvas canvas;
  drawFieldOutline(canvas);
  const auto lines = canvas.of(OpKind::Line);
  ASSERT_EQ(lines.size(), 40u);
  for (size_t i = 0; i < 20; ++i) EXPECT_EQ(lines[i].state.lineColor, colorWhite) << i;
  for (size_t i = 20; i < 40; ++i) EXPECT_EQ(lines[i].state.lineColor, colorBlack) << i;
}

TEST(EmptyField, RedOutlinesLieExactlyOnTheTwelveSharedBoxes) {
  RecordingCanvas canvas;
  drawEmptyField(canvas);
  std::set<std::tuple<int, int, int, int>> red;
  for (const DrawOp& op : canvas.of(OpKind::OutlineBox))
    if (op.state.lineColor == colorRed) {
      EXPECT_EQ(op.state.lineWidth, 2);
      red.insert({op.x1, op.y1, op.x2, op.y2});
    }
  // Each shared box as the geometry knows it: the upper copy's box and the lower copy's box
  // must be the same rectangle, and it must be outlined in red.
  std::set<std::tuple<int, int, int, int>> shared;
  for (const SharedPair& p : sharedPairs) {
    const int ux = anchorX[p.upper] + p.upperCol * cellWidth;
    const int uy = anchorY[p.upper] + p.upperRow * cellHeight;
    EXPECT_EQ(ux, anchorX[p.lower] + p.lowerCol * cellWidth);
    EXPECT_EQ(uy, anchorY[p.lower] + p.lowerRow * cellHeight);
    shared.insert({ux, uy, ux + 99, uy + 75});
  }
  EXPECT_EQ(red, shared);
  EXPECT_TRUE(red.count({425, 185, 524, 260}));
  EXPECT_TRUE(red.count({623, 635, 722, 710}));
}

TEST(Grid, CellLinesInBlackThenBoxLinesInBlueTwoPixelsWide) {
  RecordingCanvas canvas;
  canvas.state.lineColor = colorBlue;  // left over from an earlier grid
  drawGrid(canvas, 425, 35);
  const auto filled = canvas.of(OpKind::FilledBox);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(std::make_tuple(filled[0].x1, filled[0].y1, filled[0].x2, filled[0].y2),
            std::make_tuple(424, 34, 722, 260));
  EXPECT_EQ(filled[0].state.lineColor, colorBlack);
  EXPECT_EQ(filled[0].state.fillColor, colorWhite);
  const auto boxes = canvas.of(OpKind::OutlineBox);
  ASSERT_EQ(boxes.size(), 81u + 9u);
  for (size_t i = 0; i < 81; ++i) {
    EXPECT_EQ(boxes[i].state.lineColor, colorBlack);
    EXPECT_EQ(boxes[i].state.lineWidth, 1);
  }
  // Row by row: the second box of the first row is column 2.
  EXPECT_EQ(std::make_tuple(boxes[1].x1, boxes[1].y1, boxes[1].x2, boxes[1].y2),
            std::make_tuple(458, 35, 491, 60));
  for (size_t i = 81; i < 90; ++i) {
    EXPECT_EQ(boxes[i].state.lineColor, colorBlue);
    EXPECT_EQ(boxes[i].state.lineWidth, 2);
  }
  EXPECT_EQ(std::make_tuple(boxes[89].x1, boxes[89].y1, boxes[89].x2, boxes[89].y2),
            std::make_tuple(623, 185, 722, 260));
  EXPECT_EQ(canvas.state.lineWidth, 1);
}

struct CellCase {
  bool digitMode;
  int grid, col, row, digit;
  int blankX2, blankY2;  // right and bottom of the blanked interior
  int textX;
  const char* text;
};

class CellDrawingTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellDrawingTest, BlanksTheInteriorAndPlacesTheCharacter) {
  const CellCase& c = GetParam();
  GameState s;
  s.options.digitMode = c.digitMode;
  RecordingCanvas canvas;
  drawGivenCell(canvas, s, c.grid, c.col, c.row, c.digit);
  const int x = anchorX[c.grid] + (c.col - 1) * cellWidth + 1;
  const int y = anchorY[c.grid] + (c.row - 1) * cellHeight + 1;
  const auto filled = canvas.of(OpKind::FilledBox);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(std::make_tuple(filled[0].x1, filled[0].y1, filled[0].x2, filled[0].y2),
            std::make_tuple(x, y, c.blankX2, c.blankY2));
  EXPECT_EQ(filled[0].state.lineColor, colorWhite);
  EXPECT_EQ(filled[0].state.fillColor, colorWhite);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, c.text);
  EXPECT_EQ(texts[0].x1, c.textX);
  EXPECT_EQ(texts[0].y1, y);
  EXPECT_EQ(texts[0].state.font, FontStyle::Cell);
  EXPECT_EQ(texts[0].state.lineColor, colorBlack);
  EXPECT_TRUE(texts[0].state.transparent);
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellDrawingTest,
    ::testing::Values(
        // grid 1 cell (1, 1): interior 426..457 x 36..59
        CellCase{true, 1, 1, 1, 5, 457, 59, 433, "5"},
        // column 3 and row 6 end one pixel early, before the 2-pixel box lines
        CellCase{true, 5, 3, 6, 9, 425 + 66 + 1 + 30, 335 + 125 + 1 + 22, 425 + 66 + 8, "9"},
        CellCase{true, 9, 9, 9, 1, 425 + 264 + 1 + 30, 635 + 200 + 1 + 22, 425 + 264 + 8, "1"},
        // letters: A..H at +5, the narrow I at +11
        CellCase{false, 1, 1, 1, 1, 457, 59, 431, "A"},
        CellCase{false, 4, 2, 4, 8, 29 + 33 + 1 + 31, 335 + 75 + 1 + 23, 29 + 33 + 6, "H"},
        CellCase{false, 1, 1, 1, 9, 457, 59, 437, "I"}));

TEST(GivenCell, DigitZeroOnlyBlanks) {
  GameState s;
  RecordingCanvas canvas;
  drawGivenCell(canvas, s, 3, 4, 5, 0);
  EXPECT_TRUE(canvas.texts().empty());
  EXPECT_EQ(canvas.of(OpKind::FilledBox).size(), 1u);
}

struct EntryCase {
  int digit;
  bool wrong;
  int textColor;  // -1: no text
};

class EntryCellTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryCellTest, BlueOrRedOrNothing) {
  const EntryCase& c = GetParam();
  GameState s;
  RecordingCanvas canvas;
  drawEntryCell(canvas, s, 2, 4, 7, c.digit, c.wrong);
  EXPECT_EQ(canvas.of(OpKind::FilledBox).size(), 1u) << "the cell is always blanked";
  const auto texts = canvas.texts();
  if (c.textColor < 0) {
    EXPECT_TRUE(texts.empty());
  } else {
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].state.lineColor, c.textColor);
    EXPECT_TRUE(texts[0].state.transparent);
    EXPECT_EQ(texts[0].x1, 227 + 99 + 1 + 7);
    EXPECT_EQ(texts[0].y1, 185 + 150 + 1);
  }
  EXPECT_EQ(canvas.state.lineColor, colorBlack);
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryCellTest,
                         ::testing::Values(EntryCase{6, false, colorBlue},
                                           EntryCase{6, true, colorBrightRed},
                                           EntryCase{0, false, -1}, EntryCase{0, true, -1}));

TEST(CellCharacter, DigitsLettersAndOutOfRange) {
  EXPECT_EQ(cellCharacter(true, 1), "1");
  EXPECT_EQ(cellCharacter(true, 9), "9");
  EXPECT_EQ(cellCharacter(false, 1), "A");
  EXPECT_EQ(cellCharacter(false, 9), "I");
  EXPECT_EQ(cellCharacter(true, 0), "");
  EXPECT_EQ(cellCharacter(false, 10), "");
}

}  // namespace
}  // namespace tessarix
