// The printed page on a recording Canvas: the page units, the nine grids' cells and blocks, where
// the digits and letters land, and the footer line.
#include "ui/printed_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "logic/check.h"
#include "logic/geometry.h"
#include "support/recording_canvas.h"
#include "support/solved_field.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

// A page of 6600 x 4800 device pixels: units of 45 (6600 / 144 = 45.8) and 47 (4800 / 102 =
// 47.06) pixels, cells of 180 x 141.
constexpr int pageW = 6600, pageH = 4800;
constexpr int unitX = 45, unitY = 47, cellW = 180, cellH = 141;

// The grids' first cells on the page, in units.
constexpr int originX[10] = {0, 49, 25, 73, 1, 49, 97, 25, 73, 49};
constexpr int originY[10] = {0, 1, 19, 19, 37, 37, 37, 55, 55, 73};

GameState knownField() {
  GameState s = testing::puzzleFrom(testing::solvedField(), 4);
  // An entry of the player's is printed like a clue.
  s.board[cellIndex(4, 1, 1)] = testing::solvedField()[cellIndex(4, 1, 1)];
  return s;
}

std::vector<DrawOp> boxesOfWidth(const RecordingCanvas& page, int width) {
  std::vector<DrawOp> r;
  for (const DrawOp& op : page.ops)
    if ((op.kind == OpKind::OutlineBox || op.kind == OpKind::FilledBox) &&
        op.state.lineWidth == width)
      r.push_back(op);
  return r;
}

// The cells a grid draws filled: its rows and columns (first..last, in threes) per the layout
// of the shared boxes.
bool filledCell(int g, int c, int r) {
  const bool leftBox = c <= 3, rightBox = c >= 7;
  switch (g) {
    case 1:
    case 2:
    case 3:
    case 5: return r >= 7 && (leftBox || rightBox);
    case 4: return r >= 7 && rightBox;
    case 6: return r >= 7 && leftBox;
    case 9: return r <= 3 && (leftBox || rightBox);
    default: return false;
  }
}

TEST(PrintedPage, CellsOfAllNineGridsInOrderWithTheSharedBoxesFilledOnce) {
  RecordingCanvas page;
  drawPrintedPage(page, knownField(), pageW, pageH);
  const auto cells = boxesOfWidth(page, 1);
  ASSERT_EQ(cells.size(), 729u);
  size_t i = 0;
  for (int g = 1; g <= 9; ++g)
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c, ++i) {
        const DrawOp& op = cells[i];
        const int x = originX[g] * unitX + (c - 1) * cellW;
        const int y = originY[g] * unitY + (r - 1) * cellH;
        EXPECT_EQ(std::make_tuple(op.x1, op.y1, op.x2, op.y2),
                  std::make_tuple(x, y, x + cellW, y + cellH))
            << g << c << r;
        EXPECT_EQ(op.kind, filledCell(g, c, r) ? OpKind::FilledBox : OpKind::OutlineBox)
            << g << c << r;
        EXPECT_EQ(op.state.lineColor, colorBlack);
        EXPECT_EQ(op.state.fillColor, colorWhite);
      }
  // Every shared cell is drawn twice at one place, once of them filled: 12 boxes of 9 cells.
  std::set<std::tuple<int, int>> places;
  for (const DrawOp& op : cells) places.insert({op.x1, op.y1});
  EXPECT_EQ(places.size(), size_t{distinctCells});
  EXPECT_EQ(page.of(OpKind::FilledBox).size(), 108u);
}

TEST(PrintedPage, NineBlocksPerGridInWidthFiveLinesAfterTheCells) {
  RecordingCanvas page;
  drawPrintedPage(page, GameState{}, pageW, pageH);
  const auto blocks = boxesOfWidth(page, 5);
  ASSERT_EQ(blocks.size(), 81u);
  for (size_t i = 0; i < blocks.size(); ++i) {
    const int g = static_cast<int>(i / 9) + 1;
    const int row = static_cast<int>(i % 9) / 3, col = static_cast<int>(i % 3);
    const int x = originX[g] * unitX + 3 * col * cellW;
    const int y = originY[g] * unitY + 3 * row * cellH;
    EXPECT_EQ(blocks[i].kind, OpKind::OutlineBox);
    EXPECT_EQ(std::make_tuple(blocks[i].x1, blocks[i].y1, blocks[i].x2, blocks[i].y2),
              std::make_tuple(x, y, x + 3 * cellW, y + 3 * cellH))
        << i;
  }
  // The blocks come after all cells; no other line is 5 wide.
  EXPECT_EQ(page.ops.size(), 729u + 81u + 1u);  // the footer last
  EXPECT_EQ(page.ops[729].state.lineWidth, 5);
}

TEST(PrintedPage, EmptyBoardPrintsOnlyTheFooterText) {
  RecordingCanvas page;
  drawPrintedPage(page, GameState{}, pageW, pageH);
  const auto texts = page.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Schwierigkeitsgrad:  Leicht mit 0 Zahlen");
}

// The figure takes whole units, 133 across and 100 down: what is left of the printable area
// stays blank at the right and the bottom, and the cells keep 4 x 3 units.
TEST(PrintedPage, WholeUnitsNeverStretchTheFigure) {
  struct Size {
    int width, height, unitX, unitY;
  };
  for (const Size& sz : {Size{6600, 4800, 45, 47}, Size{14399, 10199, 99, 99},
                         Size{13432, 9592, 93, 94}, Size{144, 102, 1, 1}}) {
    RecordingCanvas page;
    drawPrintedPage(page, GameState{}, sz.width, sz.height);
    int right = 0, bottom = 0;
    for (const DrawOp& op : boxesOfWidth(page, 1)) {
      EXPECT_EQ(op.x2 - op.x1, 4 * sz.unitX);
      EXPECT_EQ(op.y2 - op.y1, 3 * sz.unitY);
      right = std::max(right, op.x2);
      bottom = std::max(bottom, op.y2);
    }
    EXPECT_EQ(right, 133 * sz.unitX) << sz.width;
    EXPECT_EQ(bottom, 100 * sz.unitY) << sz.height;
    EXPECT_EQ(page.texts().back().x1, sz.unitX);
  }
}

// A cell's character sits half a unit in and 0.43 of a unit down from the cell's corner
// (1.1 units plus a third, less the unit the grid's origin is in), then the small shifts in
// pixels: 7 right for a digit, 5 for a letter, 14 for the narrow "I", 4 up for all. With units
// of 45 and 47: [2 x 45] - [22.5] = 68 (the half going to the even neighbour) and
// [51.7] + [15.67] = 68.
TEST(PrintedPage, DigitsAndLettersLandAtTheirOffsets) {
  struct Case {
    bool digitMode;
    int grid, col, row, digit;
    std::string text;
    int x, y;
  };
  const Case cases[] = {
      {true, 1, 1, 1, 4, "4", 68 + 48 * unitX + 7, 68 + 0 * unitY - 4},
      {true, 9, 3, 9, 2, "2", 68 + 2 * cellW + 48 * unitX + 7, 68 + 8 * cellH + 72 * unitY - 4},
      {false, 4, 2, 5, 1, "A", 68 + cellW + 5, 68 + 4 * cellH + 36 * unitY - 4},
      {false, 6, 9, 1, 9, "I", 68 + 8 * cellW + 96 * unitX + 14, 68 + 36 * unitY - 4},
      {false, 7, 5, 5, 8, "H", 68 + 4 * cellW + 24 * unitX + 5, 68 + 4 * cellH + 54 * unitY - 4},
  };
  for (const Case& k : cases) {
    GameState s;
    s.options.digitMode = k.digitMode;
    s.board[cellIndex(k.grid, k.col, k.row)] = static_cast<uint8_t>(k.digit);
    RecordingCanvas page;
    drawPrintedPage(page, s, pageW, pageH);
    const auto texts = page.texts();
    ASSERT_EQ(texts.size(), 2u) << k.text;
    EXPECT_EQ(texts[0].text, k.text);
    EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1), std::make_tuple(k.x, k.y)) << k.text;
    EXPECT_EQ(texts[0].state.font, FontStyle::PageDigits);
    EXPECT_EQ(texts[0].state.lineColor, colorBlack);
    EXPECT_EQ(texts[0].state.lineWidth, 1);
    // No background: a character's cell reaches into the cell below.
    EXPECT_TRUE(texts[0].state.transparent);
  }
}

TEST(PrintedPage, EveryCopyOfEveryFilledCellIsPrintedAndSharedOnesTwiceInOnePlace) {
  const GameState s = knownField();
  RecordingCanvas page;
  drawPrintedPage(page, s, pageW, pageH);
  auto texts = page.texts();
  texts.pop_back();  // the footer
  size_t filled = 0;
  for (int i = 0; i < 1000; ++i) filled += cellGrid(i) != 0 && s.board[i] != 0;
  ASSERT_EQ(texts.size(), filled);
  std::set<std::tuple<int, int>> places;
  for (const DrawOp& t : texts) places.insert({t.x1, t.y1});
  size_t distinct = 0;
  for (int i = 0; i < 1000; ++i)
    distinct += cellGrid(i) != 0 && s.board[i] != 0 && leadingCopy(i) == i;
  EXPECT_EQ(places.size(), distinct);
}

// The footer names the level, whose stored name brings its blanks, and the clues, each shared
// cell counted once; the player's entries are not clues.
TEST(PrintedPage, FooterNamesTheLevelAndCountsTheClues) {
  const GameState field = knownField();
  const int clues = countGivens(field);
  ASSERT_GT(clues, 0);
  const std::string count = std::to_string(clues);
  const std::string expected[4] = {
      "Schwierigkeitsgrad:  Leicht mit " + count + " Zahlen",
      "Schwierigkeitsgrad:  Mittel mit " + count + " Zahlen",
      "Schwierigkeitsgrad: Schwer mit " + count + " Zahlen",
      "Schwierigkeitsgrad: Extrem mit " + count + " Zahlen",
  };
  for (int level = 0; level < 4; ++level) {
    GameState s = field;
    s.options.level = level;
    RecordingCanvas page;
    drawPrintedPage(page, s, pageW, pageH);
    const DrawOp footer = page.texts().back();
    EXPECT_EQ(footer.text, expected[level]);
    // [100.5 x 47] = [4723.5] = 4724.
    EXPECT_EQ(std::make_tuple(footer.x1, footer.y1), std::make_tuple(unitX, 4724));
    EXPECT_EQ(footer.state.font, FontStyle::PageFooter);
    EXPECT_EQ(s.givens, field.givens);  // counting changed nothing
  }
}

}  // namespace
}  // namespace tessarix
