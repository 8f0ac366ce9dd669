// The panels: frames and captions where they belong, the fixed texts, and the texts written
// into them at their pixels.
#include "ui/panels.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/recording_canvas.h"
#include "ui/palette.h"

namespace tessarix {
namespace {

using testing::DrawOp;
using testing::OpKind;
using testing::RecordingCanvas;

const DrawOp* findText(const RecordingCanvas& canvas, const std::string& text) {
  for (const DrawOp& op : canvas.ops)
    if (op.kind == OpKind::Text && op.text == text) return &op;
  return nullptr;
}

struct PanelCase {
  const char* name;
  std::function<void(Canvas&)> draw;
  int x0, y0, w, h;
  const char* caption;
  int captionX;  // the white copy's top-left x; y is y0 + 6
};

class PanelTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelTest, FramesCaptionAndWhiteArea) {
  const PanelCase& c = GetParam();
  RecordingCanvas canvas;
  c.draw(canvas);
  const auto lines = canvas.of(OpKind::Line);
  ASSERT_GE(lines.size(), 12u + 8u);
  // Raised outer frame first, starting at the corner in white; the sunken frame after it.
  EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2),
            std::make_tuple(c.x0, c.y0, c.x0 + c.w));
  EXPECT_EQ(lines[0].state.lineColor, colorWhite);
  EXPECT_EQ(std::make_tuple(lines[12].x1, lines[12].y1, lines[12].x2),
            std::make_tuple(c.x0 + 6, c.y0 + 22, c.x0 + c.w - 6));
  EXPECT_EQ(lines[12].state.lineColor, colorDarkGrey);
  const auto texts = canvas.texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, c.caption);
  EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1), std::make_tuple(c.captionX, c.y0 + 6));
  EXPECT_EQ(texts[0].state.font, FontStyle::Caption);
  EXPECT_EQ(std::make_tuple(texts[1].x1, texts[1].y1), std::make_tuple(c.captionX - 1, c.y0 + 5));
  // The caption's strip inside the raised frame in the window's colour first, then the
  // writing area.
  const auto filled = canvas.of(OpKind::FilledBox);
  ASSERT_EQ(filled.size(), 2u);
  EXPECT_EQ(std::make_tuple(filled[0].x1, filled[0].y1, filled[0].x2, filled[0].y2),
            std::make_tuple(c.x0 + 3, c.y0 + 3, c.x0 + c.w - 3, c.y0 + 21));
  EXPECT_EQ(filled[0].state.fillColor, colorWindow);
  EXPECT_EQ(filled[0].state.lineColor, colorWindow);
  EXPECT_EQ(std::make_tuple(filled[1].x1, filled[1].y1, filled[1].x2, filled[1].y2),
            std::make_tuple(c.x0 + 6, c.y0 + 22, c.x0 + c.w - 7, c.y0 + c.h - 7));
  EXPECT_EQ(filled[1].state.fillColor, colorWhite);
  EXPECT_EQ(filled[1].state.lineColor, colorBlack);
}

GameState digitState() { return GameState{}; }

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelTest,
    ::testing::Values(PanelCase{"statistics",
                                [](Canvas& c) { drawStatisticsPanel(c, digitState()); }, 40, 753,
                                308, 78, "STATISTIK:", 162},
                      PanelCase{"status", [](Canvas& c) { drawStatusPanel(c); }, 1013, 219, 234, 78,
                                "STATUSMELDUNG:", 1073},
                      PanelCase{"level", [](Canvas& c) { drawLevelPanel(c, 0); }, 1014, 605, 234,
                                80, "SCHWIERIGKEITSGRAD:", 1052},
                      PanelCase{"help", [](Canvas& c) { drawHelpPanel(c); }, 1014, 707, 234, 72,
                                "HILFEFENSTER:", 1078},
                      PanelCase{"clock", [](Canvas& c) { drawClockPanel(c); }, 1014, 801, 234, 72,
                                "ZEITMESSUNG:", 1078}),
    [](const ::testing::TestParamInfo<PanelCase>& info) { return std::string(info.param.name); });

TEST(Statistics, DigitModeLabelsAndHeadRow) {
  RecordingCanvas canvas;
  drawStatisticsPanel(canvas, GameState{});
  const DrawOp* label = findText(canvas, "Zahlen");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(std::make_tuple(label->x1, label->y1), std::make_tuple(56, 785));
  EXPECT_EQ(label->state.font, FontStyle::Panel);
  EXPECT_FALSE(label->state.transparent);
  ASSERT_NE(findText(canvas, "Anzahl"), nullptr);
  EXPECT_EQ(findText(canvas, "Anzahl")->y1, 805);
  EXPECT_EQ(findText(canvas, "Ziffer"), nullptr);
  for (int n = 1; n <= 9; ++n) {
    const DrawOp* head = findText(canvas, std::string(1, static_cast<char>('0' + n)));
    ASSERT_NE(head, nullptr) << n;
    EXPECT_EQ(std::make_tuple(head->x1, head->y1), std::make_tuple(127 + 24 * (n - 1), 785));
  }
  bool under = false, after = false;
  for (const DrawOp& op : canvas.of(OpKind::Line)) {
    under |= op.x1 == 52 && op.y1 == 799 && op.x2 == 334 && op.y2 == 799;
    after |= op.x1 == 109 && op.y1 == 781 && op.x2 == 109 && op.y2 == 820;
  }
  EXPECT_TRUE(under);
  EXPECT_TRUE(after);
}

TEST(Statistics, LettersModeShowsZifferAndAToI) {
  for (bool large : {false, true}) {
    GameState s;
    s.options.digitMode = false;
    RecordingCanvas canvas;
    canvas.large = large;
    drawStatisticsPanel(canvas, s);
    EXPECT_NE(findText(canvas, "Ziffer"), nullptr);
    EXPECT_EQ(findText(canvas, "Zahlen"), nullptr);
    for (int n = 1; n <= 9; ++n) {
      const DrawOp* head = findText(canvas, std::string(1, static_cast<char>('@' + n)));
      ASSERT_NE(head, nullptr) << n;
      const int x = 119 + 24 * (n - 1);
      const int expected = large ? (n == 9 ? x + 4 : x) : x + 8;
      EXPECT_EQ(head->x1, expected) << "letter " << n << (large ? " large" : "");
    }
  }
}

TEST(DigitCounts, TwoCharactersAndABlankUnderEachHead) {
  for (bool large : {false, true}) {
    GameState s;
    for (int d = 1; d <= 9; ++d) s.digitCount[d] = static_cast<uint8_t>(d == 4 ? 69 : d);
    RecordingCanvas canvas;
    canvas.large = large;
    drawDigitCounts(canvas, s);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 9u);
    for (int d = 1; d <= 9; ++d) {
      const DrawOp& t = texts[d - 1];
      EXPECT_EQ(t.x1, 95 + 24 * d - (large ? 4 : 0));
      EXPECT_EQ(t.y1, 805);
      EXPECT_EQ(t.state.font, FontStyle::Panel);
      EXPECT_FALSE(t.state.transparent);
      EXPECT_EQ(t.state.fillColor, colorWhite);
    }
    EXPECT_EQ(texts[0].text, " 1 ");
    EXPECT_EQ(texts[3].text, "69 ");
  }
}

struct StatusCase {
  CheckOutcome outcome;
  const char* text;
  int color;
};

class StatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusTextTest, MessageInItsColourThenTheWrongEntryLineInBlack) {
  const StatusCase& c = GetParam();
  GameState s;
  s.status = c.outcome;
  s.wrongCount = 2;
  RecordingCanvas canvas;
  drawStatusText(canvas, s);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, c.text);
  EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1), std::make_tuple(1052, 253));
  EXPECT_EQ(texts[0].state.font, FontStyle::Cell);
  EXPECT_EQ(texts[0].state.lineColor, c.color);
  EXPECT_EQ(texts[0].state.fillColor, colorWhite);
  EXPECT_FALSE(texts[0].state.transparent);
  EXPECT_EQ(texts[1].text, "Fehler: 2/3");
  EXPECT_EQ(std::make_tuple(texts[1].x1, texts[1].y1), std::make_tuple(1088, 277));
  EXPECT_EQ(texts[1].state.font, FontStyle::Panel);
  EXPECT_EQ(texts[1].state.lineColor, colorBlack);
  // The line goes without a background of its own onto its rows, blanked from 278 on, under
  // the message.
  EXPECT_TRUE(texts[1].state.transparent);
  const auto boxes = canvas.of(OpKind::FilledBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(std::make_tuple(boxes[0].x1, boxes[0].y1, boxes[0].x2, boxes[0].y2),
            std::make_tuple(1020, 278, 1239, 289));
  EXPECT_EQ(boxes[0].state.fillColor, colorWhite);
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, StatusTextTest,
    ::testing::Values(StatusCase{CheckOutcome::None, "", colorBlack},
                      StatusCase{CheckOutcome::WrongEntry, "Falsche Zahl! ", colorBrightRed},
                      StatusCase{CheckOutcome::NotSolvable, "Nicht l\xC3\xB6sbar!!!",
                                 colorBrightRed},
                      StatusCase{CheckOutcome::NoErrors, "Keine Fehler! ", colorBlack},
                      StatusCase{CheckOutcome::Solved, "Brett gel\xC3\xB6st!!! ", colorBlack},
                      StatusCase{CheckOutcome::SolvedDespiteWrongEntry, "Brett gel\xC3\xB6st!!! ",
                                 colorBrightRed}));

TEST(LevelPanel, LabelLineWithTheCount) {
  RecordingCanvas canvas;
  drawLevelPanel(canvas, 0);
  // The label ends a blank before x 1202, where the count stands, whatever the font.
  const DrawOp* label = findText(canvas, "Vorgegebene Zahlen: ");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(std::make_tuple(label->x1, label->y1, label->x2), std::make_tuple(1042, 635, 1197));
  EXPECT_EQ(label->state.font, FontStyle::Panel);
  const DrawOp* count = findText(canvas, " 0");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(std::make_tuple(count->x1, count->y1), std::make_tuple(1202, 635));
  EXPECT_EQ(count->state.font, FontStyle::Panel);
}

struct LevelLineCase {
  int givenCount, level;
  bool large;
  const char* count;
  const char* name;
};

class LevelLineTest : public ::testing::TestWithParam<LevelLineCase> {};

TEST_P(LevelLineTest, CountAt1202AndTheNameWithTwoBlanks) {
  const LevelLineCase& c = GetParam();
  RecordingCanvas canvas;
  canvas.large = c.large;
  writeLevelLine(canvas, c.givenCount, c.level);
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, c.count);
  EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1, texts[0].state.font),
            std::make_tuple(1202, 635, FontStyle::Panel));
  EXPECT_EQ(texts[1].text, c.name);
  EXPECT_EQ(std::make_tuple(texts[1].x1, texts[1].y1, texts[1].state.font),
            std::make_tuple(1082, 649, FontStyle::Cell));
  EXPECT_EQ(texts[1].state.lineColor, colorBlack);
  // The name goes without a background of its own onto its rows, blanked from 650 on, under
  // the label line and its descenders.
  EXPECT_TRUE(texts[1].state.transparent);
  const auto boxes = canvas.of(OpKind::FilledBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(std::make_tuple(boxes[0].x1, boxes[0].y1, boxes[0].x2, boxes[0].y2),
            std::make_tuple(1021, 650, 1240, 677));
  EXPECT_EQ(boxes[0].state.fillColor, colorWhite);
  EXPECT_EQ(boxes[0].state.lineColor, colorWhite);
  EXPECT_FALSE(canvas.state.transparent);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelLineTest,
                         ::testing::Values(LevelLineCase{34, 0, false, "34 ", " Leicht   "},
                                           LevelLineCase{7, 1, false, " 7 ", " Mittel   "},
                                           LevelLineCase{7, 2, true, " 7    ", "Schwer   "},
                                           LevelLineCase{12, 3, true, "12 ", "Extrem   "}));

TEST(Hint, WrittenOpaqueInFont8At1028And746) {
  RecordingCanvas canvas;
  canvas.state.transparent = true;
  canvas.state.lineColor = colorRed;
  writeHelpLine(canvas, "Rechte Taste löscht Feld!");
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Rechte Taste l\xC3\xB6scht Feld!");
  EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1, texts[0].state.font),
            std::make_tuple(1028, 746, FontStyle::Panel));
  EXPECT_FALSE(texts[0].state.transparent);
  EXPECT_EQ(texts[0].state.lineColor, colorBlack);
  EXPECT_EQ(texts[0].state.fillColor, colorWhite);
}

TEST(BottomStrip, RaisedStripWithTheProgramName) {
  RecordingCanvas canvas;
  drawBottomStrip(canvas);
  const auto lines = canvas.of(OpKind::Line);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2), std::make_tuple(0, 922, 1277));
  const auto texts = canvas.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Tessarix V6.0");
  EXPECT_EQ(std::make_tuple(texts[0].x1, texts[0].y1), std::make_tuple(10, 926));
  EXPECT_EQ(std::make_tuple(texts[1].x1, texts[1].y1), std::make_tuple(9, 925));
  EXPECT_EQ(texts[1].state.font, FontStyle::Caption);
  EXPECT_EQ(canvas.state.font, FontStyle::Panel);
}

}  // namespace
}  // namespace tessarix
