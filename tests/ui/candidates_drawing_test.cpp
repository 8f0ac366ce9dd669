// The candidate marks: each at its spot, letters in letters mode, spots of unmarked digits
// blanked, filled cells left alone.
#include "ui/candidates_drawing.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

TEST(Candidates, EveryEmptyCellGetsNineSpotsFilledCellsNone) {
  GameState s;
  for (int g = 1; g <= 9; ++g) s.board[cellIndex(g, 5, 5)] = 3;  // one filled cell per grid
  s.setMark(1, 5, 5, 2, true);                                   // never drawn: cell filled
  RecordingCanvas canvas;
  drawCandidates(canvas, s);
  EXPECT_EQ(canvas.of(OpKind::FilledBox).size(), 9u * 80u * 9u);
  EXPECT_TRUE(canvas.texts().empty());
  // The centre cell of grid 1 is never touched.
  for (const DrawOp& op : canvas.of(OpKind::FilledBox)) {
    const bool inside = op.x1 >= 425 + 4 * 33 && op.x1 < 425 + 5 * 33 && op.y1 >= 35 + 4 * 25 &&
                        op.y1 < 35 + 5 * 25;
    EXPECT_FALSE(inside) << op.x1 << "," << op.y1;
  }
}

struct SpotCase {
  bool digitMode;
  int grid, col, row, digit;
  int px, py;  // expected text position
  const char* text;
};

class CandidateSpotTest : public ::testing::TestWithParam<SpotCase> {};

TEST_P(CandidateSpotTest, MarkAtItsSpot) {
  const SpotCase& c = GetParam();
  GameState s;
  s.options.digitMode = c.digitMode;
  s.setMark(c.grid, c.col, c.row, c.digit, true);
  RecordingCanvas canvas;
  drawCandidates(canvas, s);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, c.text);
  EXPECT_EQ(texts[0].x1, c.px);
  EXPECT_EQ(texts[0].y1, c.py);
  EXPECT_EQ(texts[0].state.font, FontStyle::Marks);
  EXPECT_EQ(texts[0].state.lineColor, colorBlack);
  // The spot is blanked first, one pixel narrower than an empty spot.
  bool blanked = false;
  const int spotX = c.text == std::string("I") ? c.px - 1 : c.px;
  for (const DrawOp& op : canvas.of(OpKind::FilledBox))
    blanked |= op.x1 == spotX && op.y1 == c.py + 2 && op.x2 == spotX + 5 && op.y2 == c.py + 7 &&
               op.state.fillColor == colorWhite;
  EXPECT_TRUE(blanked);
}

INSTANTIATE_TEST_SUITE_P(Spots, CandidateSpotTest,
                         ::testing::Values(
                             // grid 1 cell (1, 2): px = 425 + (d-1)%3*10 + 3, py = 60 + (d-1)/3*8
                             SpotCase{true, 1, 1, 2, 1, 428, 60, "1"},
                             SpotCase{true, 1, 1, 2, 5, 438, 68, "5"},
                             SpotCase{true, 1, 1, 2, 9, 448, 76, "9"},
                             SpotCase{true, 6, 9, 9, 3, 821 + 264 + 23, 335 + 200, "3"},
                             SpotCase{false, 7, 2, 3, 7, 227 + 33 + 3, 485 + 50 + 16, "G"},
                             SpotCase{false, 1, 1, 2, 9, 449, 76, "I"}));

TEST(Candidates, UnmarkedSpotsAreBlankedWhite) {
  GameState s;
  RecordingCanvas canvas;
  drawCandidates(canvas, s);
  const DrawOp& first = canvas.ops.front();
  EXPECT_EQ(first.kind, OpKind::FilledBox);
  EXPECT_EQ(std::make_tuple(first.x1, first.y1, first.x2, first.y2),
            std::make_tuple(428, 37, 434, 42));
  EXPECT_EQ(first.state.fillColor, colorWhite);
  EXPECT_EQ(first.state.lineColor, colorWhite);
  EXPECT_FALSE(canvas.state.transparent);
}

}  // namespace
}  // namespace tessarix
