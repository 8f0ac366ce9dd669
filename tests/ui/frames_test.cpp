// The bevelled frame and the embossed captions: lines, colours, the moved text position.
#include "ui/frames.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_canvas.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

struct FrameCase {
  bool sunken;
  int thickness;
  int lightLines, darkLines;  // lines per side
  int firstColor, lastColor;  // colour of the top edge and of the right edge
};

class FrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameTest, DrawsEachSideAsDeepAsItsThickness) {
  const FrameCase& c = GetParam();
  RecordingCanvas canvas;
  canvas.state.lineWidth = 3;
  drawFrame3D(canvas, c.sunken, c.thickness, 10, 20, 110, 60);
  const auto lines = canvas.of(OpKind::Line);
  ASSERT_EQ(lines.size(), static_cast<size_t>(2 * c.lightLines + 2 * c.darkLines));
  for (const DrawOp& op : lines) {
    EXPECT_EQ(op.state.lineWidth, 1);
    // Every line lies inside the box (10, 20)-(110, 60).
    EXPECT_TRUE(std::min(op.x1, op.x2) >= 10 && std::max(op.x1, op.x2) <= 110 &&
                std::min(op.y1, op.y2) >= 20 && std::max(op.y1, op.y2) <= 60)
        << op.x1 << "," << op.y1 << " to " << op.x2 << "," << op.y2;
  }
  // The top edge starts at the corner; the bottom edges end at x2, not beyond the box.
  EXPECT_EQ(lines[0].x1, 10);
  EXPECT_EQ(lines[0].y1, 20);
  EXPECT_EQ(lines[0].x2, 110);
  EXPECT_EQ(lines[0].y2, 20);
  EXPECT_EQ(lines[0].state.lineColor, c.firstColor);
  const DrawOp& lastBottom = lines[lines.size() - 2];
  EXPECT_EQ(lastBottom.y1, 60 - (c.darkLines - 1));
  EXPECT_EQ(lastBottom.x2, 110);
  const DrawOp& lastRight = lines.back();
  EXPECT_EQ(lastRight.x1, 110 - (c.darkLines - 1));
  EXPECT_EQ(lastRight.y1, 20 + (c.darkLines - 1));
  EXPECT_EQ(lastRight.y2, 60);
  EXPECT_EQ(lastRight.state.lineColor, c.lastColor);
  EXPECT_EQ(canvas.state.lineColor, colorBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameTest,
    ::testing::Values(FrameCase{false, 2, 3, 3, colorWhite, colorDarkGrey},  // raised: 3 deep
                      FrameCase{true, 2, 2, 2, colorDarkGrey, colorWhite},   // sunken: 2 deep
                      FrameCase{false, 0, 1, 1, colorWhite, colorDarkGrey}));

TEST(PanelTitle, DrawsWhiteUnderTheColourAndMovesTheCallersPosition) {
  RecordingCanvas canvas;
  int x = 162, y = 773;
  drawPanelTitle(canvas, FontStyle::Caption, colorBlack, x, y, "STATISTIK:");
  EXPECT_EQ(x, 162);
  EXPECT_EQ(y, 759);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].x1, 162);
  EXPECT_EQ(texts[0].y1, 759);
  EXPECT_EQ(texts[0].state.lineColor, colorWhite);
  EXPECT_TRUE(texts[0].state.transparent);
  EXPECT_EQ(texts[0].state.font, FontStyle::Caption);
  EXPECT_EQ(texts[1].x1, 161);
  EXPECT_EQ(texts[1].y1, 758);
  EXPECT_EQ(texts[1].state.lineColor, colorBlack);
  EXPECT_TRUE(texts[1].state.transparent);
  // Left behind for the panel texts: opaque, black on light grey, the panel font.
  EXPECT_FALSE(canvas.state.transparent);
  EXPECT_EQ(canvas.state.fillColor, colorLightGrey);
  EXPECT_EQ(canvas.state.font, FontStyle::Panel);
}

TEST(PanelTitle, Style14MovesRightOnLargeFontsOnly) {
  for (bool large : {false, true}) {
    RecordingCanvas canvas;
    canvas.large = large;
    int x = 100, y = 200;
    drawPanelTitle(canvas, FontStyle::Button, colorBlack, x, y, "Laden");
    EXPECT_EQ(x, large ? 121 : 100);
    int x16 = 100, y16 = 200;
    drawPanelTitle(canvas, FontStyle::Caption, colorBlack, x16, y16, "Laden");
    EXPECT_EQ(x16, 100) << "only style 14 moves";
  }
}

TEST(EmbossedText, UpperLayerIsRedOrTeal) {
  for (bool red : {false, true}) {
    RecordingCanvas canvas;
    int x = 50, y = 60;
    drawEmbossedText(canvas, red, FontStyle::Button, x, y, "L");
    EXPECT_EQ(y, 46);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].state.lineColor, colorWhite);
    EXPECT_EQ(texts[0].x1, 50);
    EXPECT_EQ(texts[1].state.lineColor, red ? colorRed : colorTeal);
    EXPECT_EQ(texts[1].x1, 49);
    EXPECT_EQ(texts[1].y1, 45);
    EXPECT_EQ(texts[1].state.font, FontStyle::Button);
    EXPECT_FALSE(canvas.state.transparent);
    EXPECT_EQ(canvas.state.fillColor, colorWhite);
  }
}

}  // namespace
}  // namespace tessarix
