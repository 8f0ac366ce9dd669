// The keypad: its corner for a cell, the button bands under the pointer, and its nine buttons.
#include "ui/keypad_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

TEST(KeypadPlace, EightPixelsLeftOfAndAboveTheCell) {
  struct Case {
    int grid, col, row;
    KeypadPlace corner;
  };
  for (const Case& c : {Case{1, 1, 1, {417, 27}}, Case{4, 1, 1, {21, 327}},
                        Case{6, 9, 9, {1077, 527}}, Case{2, 7, 4, {417, 252}}}) {
    EXPECT_EQ(keypadPlace(c.grid, c.col, c.row), c.corner)
        << "grid " << c.grid << " cell (" << c.col << ", " << c.row << ")";
  }
}

struct BandCase {
  int x, y;
  int button;
};

class KeypadBandTest : public ::testing::TestWithParam<BandCase> {};

// The keypad at (100, 200): columns [100, 115), [115, 130), [130, 145), rows likewise from 200.
TEST_P(KeypadBandTest, ButtonUnderThePointer) {
  const BandCase& c = GetParam();
  EXPECT_EQ(keypadButtonAt(100, 200, c.x, c.y), c.button);
  EXPECT_EQ(insideKeypad(100, 200, c.x, c.y), c.button != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, KeypadBandTest,
    ::testing::Values(BandCase{100, 200, 1}, BandCase{114, 214, 1}, BandCase{115, 200, 2},
                      BandCase{129, 214, 2}, BandCase{130, 200, 3}, BandCase{144, 214, 3},
                      BandCase{100, 215, 4}, BandCase{129, 229, 5}, BandCase{144, 229, 6},
                      BandCase{100, 230, 7}, BandCase{115, 244, 8}, BandCase{144, 244, 9},
                      BandCase{99, 200, 0}, BandCase{100, 199, 0}, BandCase{145, 200, 0},
                      BandCase{100, 245, 0}, BandCase{145, 245, 0}, BandCase{122, 260, 0},
                      BandCase{-5, 210, 0}),
    [](const ::testing::TestParamInfo<BandCase>& info) {
      // Offsets from the keypad's corner, "m" before a negative one.
      std::string name;
      for (int d : {info.param.x - 100, info.param.y - 200}) {
        name += name.empty() ? "dx" : "dy";
        if (d < 0) name += 'm';
        name += std::to_string(d < 0 ? -d : d);
      }
      return name;
    });

TEST(KeypadDrawing, StaysInItsSquareWithItsRightAndBottomBorder) {
  RecordingCanvas canvas;
  drawKeypad(canvas, 417, 27, 5, true);
  int right = 0, bottom = 0;
  for (const DrawOp& op : canvas.ops) {
    EXPECT_GE(std::min(op.x1, op.x2), 417);
    EXPECT_GE(std::min(op.y1, op.y2), 27);
    right = std::max({right, op.x1, op.x2});
    bottom = std::max({bottom, op.y1, op.y2});
  }
  EXPECT_EQ(right, 462);
  EXPECT_EQ(bottom, 72);
}

struct KeypadCase {
  bool digitMode;
  int highlighted;
  std::vector<std::string> labels;
  std::vector<int> labelDx;  // label's x minus the button's left
};

class KeypadTest : public ::testing::TestWithParam<KeypadCase> {};

TEST_P(KeypadTest, NineButtonsWithTheirLabels) {
  const KeypadCase& c = GetParam();
  RecordingCanvas canvas;
  canvas.state.transparent = true;
  canvas.state.lineColor = colorBlue;
  drawKeypad(canvas, 417, 27, c.highlighted, c.digitMode);
  const auto boxes = canvas.of(OpKind::FilledBox);
  const auto texts = canvas.texts();
  ASSERT_EQ(boxes.size(), 9u);
  ASSERT_EQ(texts.size(), 9u);
  for (int n = 1; n <= 9; ++n) {
    const DrawOp& box = boxes[n - 1];
    const int bx = 417 + 15 * ((n - 1) % 3);
    const int by = 27 + 15 * ((n - 1) / 3);
    EXPECT_EQ(box.x1, bx) << n;
    EXPECT_EQ(box.y1, by) << n;
    EXPECT_EQ(box.x2, bx + 15) << n;
    EXPECT_EQ(box.y2, by + 15) << n;
    EXPECT_EQ(box.state.lineColor, colorBlack) << n;
    EXPECT_EQ(box.state.fillColor, n == c.highlighted ? colorLightGrey : colorWhite) << n;
    const DrawOp& label = texts[n - 1];
    EXPECT_EQ(label.text, c.labels[n - 1]);
    EXPECT_EQ(label.x1, bx + c.labelDx[n - 1]) << n;
    EXPECT_EQ(label.y1, by + 1) << n;
    EXPECT_EQ(label.state.font, FontStyle::Keypad);
    EXPECT_TRUE(label.state.transparent);
    EXPECT_EQ(label.state.lineColor, colorBlack);
  }
  // Each label follows its own button, so a later button's box never covers an earlier label.
  for (size_t i = 1; i < canvas.ops.size(); ++i) {
    if (canvas.ops[i].kind == OpKind::FilledBox) {
      EXPECT_EQ(canvas.ops[i - 1].kind, OpKind::Text) << i;
    }
  }
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, KeypadTest,
    ::testing::Values(
        KeypadCase{
            true, 5, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {3, 3, 3, 3, 3, 3, 3, 3, 3}},
        KeypadCase{
            false, 9, {"A", "B", "C", "D", "E", "F", "G", "H", "I"}, {2, 2, 2, 2, 2, 2, 2, 2, 6}},
        KeypadCase{
            true, 0, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {3, 3, 3, 3, 3, 3, 3, 3, 3}}),
    [](const ::testing::TestParamInfo<KeypadCase>& info) {
      std::string name = info.param.digitMode ? "digits" : "letters";
      name += "Highlighting";
      name += std::to_string(info.param.highlighted);
      return name;
    });

}  // namespace
}  // namespace tessarix
