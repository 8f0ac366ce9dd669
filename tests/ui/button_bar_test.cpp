// The button bar: the hit ranges, the table of buttons, and the drawing of one button.
#include "ui/button_bar.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/recording_canvas.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

struct BarHit {
  int x, y;
  std::optional<BarButton> button;
};

class BarHitTest : public ::testing::TestWithParam<BarHit> {};

TEST_P(BarHitTest, ButtonUnderTheClick) {
  const BarHit& c = GetParam();
  EXPECT_EQ(barButtonAt(c.x, c.y), c.button) << "(" << c.x << ", " << c.y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BarHitTest,
    ::testing::Values(BarHit{159, 900, std::nullopt}, BarHit{160, 900, BarButton::Laden},
                      BarHit{291, 900, BarButton::Laden}, BarHit{292, 900, BarButton::Sichern},
                      BarHit{431, 900, BarButton::Sichern}, BarHit{432, 900, BarButton::Drucken},
                      BarHit{571, 900, BarButton::Drucken}, BarHit{572, 900, BarButton::Neustart},
                      BarHit{719, 900, BarButton::Neustart}, BarHit{720, 900, BarButton::Hilfe},
                      BarHit{843, 900, BarButton::Hilfe}, BarHit{844, 900, BarButton::Abbruch},
                      BarHit{983, 900, BarButton::Abbruch}, BarHit{984, 900, std::nullopt},
                      BarHit{500, 885, std::nullopt}, BarHit{500, 886, BarButton::Drucken},
                      BarHit{500, 912, BarButton::Drucken}, BarHit{500, 913, std::nullopt},
                      BarHit{160, 886, BarButton::Laden}, BarHit{983, 912, BarButton::Abbruch}),
    [](const ::testing::TestParamInfo<BarHit>& info) {
      std::string name = "x";
      name += std::to_string(info.param.x);
      name += 'y';
      name += std::to_string(info.param.y);
      return name;
    });

// Each button's frame ends one pixel left of the last column its click range takes, so the text
// lengths (blanks included) and the table's ranges agree; the access letter is the button's key.
TEST(ButtonBar, FramesFillTheClickRangesAndLettersAreTheKeys) {
  for (BarButton b : barButtons) {
    RecordingCanvas canvas;
    drawBarButton(canvas, b, false);
    const auto outlines = canvas.of(OpKind::OutlineBox);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].x1, barButtonX(b) - 1);
    EXPECT_EQ(outlines[0].y1, 885);
    EXPECT_EQ(outlines[0].x2, barButtonClickRight(b) - 1);
    EXPECT_EQ(outlines[0].y2, 911);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3].text, std::string(1, barButtonKey(b)));
  }
  EXPECT_EQ(barButtonText(BarButton::Neustart), "    _Neustart    ");
}

TEST(ButtonBar, DrawsAllSixRaisedInOrder) {
  RecordingCanvas canvas;
  drawButtonBar(canvas);
  const auto outlines = canvas.of(OpKind::OutlineBox);
  ASSERT_EQ(outlines.size(), 6u);
  const int left[] = {159, 291, 431, 571, 719, 843};
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(outlines[i].x1, left[i]) << i;
  for (const DrawOp& op : canvas.of(OpKind::Line)) {
    if (op.y1 == 886 && op.y2 == 886) {
      EXPECT_EQ(op.state.lineColor, colorWhite);
    }
  }
}

struct ButtonCase {
  const char* name;
  const char* text;
  bool large;
  const char* caption;
  int captionX;        // where the caption's white layer is drawn, minus x
  const char* letter;  // "" for a text without an access letter
  int letterX;         // where the letter's white layer is drawn, minus x
};

class DrawButtonTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(DrawButtonTest, CaptionAndAccessLetterInPlace) {
  const ButtonCase& c = GetParam();
  RecordingCanvas canvas;
  canvas.large = c.large;
  drawButton(canvas, false, 160, 886, c.text);
  const auto texts = canvas.texts();
  const bool hasLetter = c.letter[0] != '\0';
  ASSERT_EQ(texts.size(), hasLetter ? 4u : 2u);
  // The caption: white below, black one pixel up and left, base line y + 20 - 14.
  EXPECT_EQ(texts[0].text, c.caption);
  EXPECT_EQ(texts[0].x1, 160 + c.captionX);
  EXPECT_EQ(texts[0].y1, 892);
  EXPECT_EQ(texts[0].state.lineColor, colorWhite);
  EXPECT_EQ(texts[0].state.font, FontStyle::Button);
  EXPECT_EQ(texts[1].text, c.caption);
  EXPECT_EQ(texts[1].x1, 160 + c.captionX - 1);
  EXPECT_EQ(texts[1].y1, 891);
  EXPECT_EQ(texts[1].state.lineColor, colorBlack);
  if (hasLetter) {
    EXPECT_EQ(texts[2].text, c.letter);
    EXPECT_EQ(texts[2].x1, 160 + c.letterX);
    EXPECT_EQ(texts[2].y1, 892);
    EXPECT_EQ(texts[2].state.lineColor, colorWhite);
    EXPECT_TRUE(texts[2].state.transparent);
    EXPECT_EQ(texts[3].text, c.letter);
    EXPECT_EQ(texts[3].x1, 160 + c.letterX - 1);
    EXPECT_EQ(texts[3].y1, 891);
    EXPECT_EQ(texts[3].state.lineColor, colorRed);
    EXPECT_EQ(texts[3].state.font, FontStyle::Button);
  }
  EXPECT_EQ(canvas.state.lineColor, colorBlack);
  EXPECT_EQ(canvas.state.fillColor, colorWhite);
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DrawButtonTest,
    ::testing::Values(
        // Caption at x + 11, the letter 8 pixels per character further: the fifth place.
        ButtonCase{"laden", "    _Laden     ", false, "     aden     ", 11, "L", 43},
        // Large fonts: the caption 8 further, then 21 more by the caption drawing itself; the
        // letter from x + 19, 6 pixels back.
        ButtonCase{"ladenLargeFonts", "    _Laden     ", true, "     aden     ", 40, "L", 45},
        // No access letter: the caption at x + 7 and nothing red.
        ButtonCase{"noLetter", "  Ende  ", false, "  Ende  ", 7, "", 0},
        // A letter in the first place stands one pixel further left.
        ButtonCase{"letterFirst", "_Ok", false, " k", 11, "O", 10}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return info.param.name; });

struct FrameCase {
  bool pressed;
  int topColor, rightColor;
  size_t lines;
};

class ButtonFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ButtonFrameTest, FrameWidthFollowsTheTextAndTheStateItsColours) {
  const FrameCase& c = GetParam();
  RecordingCanvas canvas;
  drawButton(canvas, c.pressed, 572, 886, "    _Neustart    ");
  const auto lines = canvas.of(OpKind::Line);
  ASSERT_EQ(lines.size(), c.lines);
  // Seventeen characters: the frame reaches x + 8 * 16 + 18 = 718, its bottom y + 25.
  EXPECT_EQ(lines[0].x1, 572);
  EXPECT_EQ(lines[0].y1, 886);
  EXPECT_EQ(lines[0].x2, 718);
  EXPECT_EQ(lines[0].state.lineColor, c.topColor);
  EXPECT_EQ(lines.back().x1, 718 - static_cast<int>(c.lines / 4 - 1));
  EXPECT_EQ(lines.back().y2, 911);
  EXPECT_EQ(lines.back().state.lineColor, c.rightColor);
  const auto outlines = canvas.of(OpKind::OutlineBox);
  ASSERT_EQ(outlines.size(), 1u);
  EXPECT_EQ(outlines[0].state.lineColor, colorBlack);
  EXPECT_EQ(outlines[0].x2, 718);
  // The outline follows the frame and the caption follows the outline.
  size_t outlineAt = 0, firstText = 0;
  for (size_t i = 0; i < canvas.ops.size(); ++i) {
    if (canvas.ops[i].kind == OpKind::OutlineBox) outlineAt = i;
    if (canvas.ops[i].kind == OpKind::Text && firstText == 0) firstText = i;
  }
  EXPECT_EQ(outlineAt, c.lines);
  EXPECT_GT(firstText, outlineAt);
}

INSTANTIATE_TEST_SUITE_P(States, ButtonFrameTest,
                         ::testing::Values(FrameCase{false, colorWhite, colorDarkGrey, 12},
                                           FrameCase{true, colorDarkGrey, colorWhite, 8}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                           return info.param.pressed ? "pressed" : "raised";
                         });

}  // namespace
}  // namespace tessarix
