// The side panels, the statistics below the field and the bottom strip: frames, captions, fixed
// texts, and the texts the game writes into them.
#include "ui/panels.h"

#include <algorithm>
#include <cstdio>

#include "logic/check.h"
#include "ui/board_drawing.h"
#include "ui/frames.h"
#include "ui/palette.h"
#include "ui/status_text.h"

namespace tessarix {

namespace {

// A number right-aligned in two characters.
std::string twoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2d", n);
  return buf;
}

// Panel texts are black on white, opaque: a new text covers the old one as far as it reaches.
void panelTextColors(Canvas& canvas) {
  canvas.setTransparentText(false);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

// Where a panel's texts may paint: the white inside of its writing area, within the black edge
// at (x0 + 6, y0 + 22) and (x0 + w - 7, y0 + h - 7).
struct Area {
  int left, top, right, bottom;
};
constexpr Area writingArea(int x0, int y0, int w, int h) {
  return {x0 + 7, y0 + 23, x0 + w - 8, y0 + h - 8};
}
// Texts end two pixels before the edge, as the fixed-pitch texts do.
constexpr int textRight(const Area& area) { return area.right - 2; }
constexpr Area statisticsArea = writingArea(40, 753, 308, 78);
constexpr Area statusArea = writingArea(1013, 219, 234, 78);
constexpr Area levelArea = writingArea(1014, 605, 234, 80);
constexpr Area hintArea = writingArea(1014, 707, 234, 72);

// The statistics' row labels end before the table line at x 109.
constexpr int labelRight = 106;
// The status message reaches down to row 277, the level panel's label line to row 649 (with
// large fonts); the line below each begins under it.
constexpr int statusBottom = 277;
constexpr int labelLineBottom = 649;

// White over the rows from `top` to the writing area's bottom: the line written there next is
// drawn over it without a background of its own, so that it leaves the line above it whole.
void blankBelow(Canvas& canvas, const Area& area, int top) {
  canvas.setLineWidth(1);
  canvas.setLineColor(colorWhite);
  canvas.setFillColor(colorWhite);
  canvas.filledBox(area.left, top, area.right, area.bottom);
}

}  // namespace

void drawPanel(Canvas& canvas, int x0, int y0, int w, int h, int tx, const std::string& caption) {
  drawFrame3D(canvas, false, 2, x0, y0, x0 + w, y0 + h);
  drawFrame3D(canvas, true, 2, x0 + 6, y0 + 22, x0 + w - 6, y0 + h - 6);
  // The caption's strip is the window's colour again before the caption goes on it: drawn
  // over its own smoothed edges, it would grow darker with every redraw of the panel.
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  canvas.filledBox(x0 + 3, y0 + 3, x0 + w - 3, y0 + 21);
  int x = x0 + tx;
  int y = y0 + 20;
  drawPanelTitle(canvas, FontStyle::Caption, colorBlack, x, y, caption);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
  canvas.filledBox(x0 + 6, y0 + 22, x0 + w - 7, y0 + h - 7);
}

void drawStatisticsPanel(Canvas& canvas, const GameState& s) {
  drawPanel(canvas, 40, 753, 308, 78, 122, "STATISTIK:");
  panelTextColors(canvas);
  canvas.fittedText(56, 785, s.options.digitMode ? "Zahlen" : "Ziffer", labelRight);
  canvas.fittedText(56, 805, "Anzahl", labelRight);
  for (int n = 1; n <= 9; ++n) {
    const int x = 119 + 24 * (n - 1);
    int dx = 8;
    if (canvas.largeFonts()) dx = !s.options.digitMode && n == 9 ? 4 : 0;
    canvas.fittedText(x + dx, 785, cellCharacter(s.options.digitMode, n), x + 23);
  }
  canvas.setLineWidth(1);
  canvas.setLineColor(colorBlack);
  canvas.line(52, 799, 334, 799);
  canvas.line(109, 781, 109, 820);
}

void drawDigitCounts(Canvas& canvas, const GameState& s) {
  canvas.setTextFont(FontStyle::Panel);
  panelTextColors(canvas);
  for (int d = 1; d <= 9; ++d) {
    const int x = 95 + 24 * d - (canvas.largeFonts() ? 4 : 0);
    // The highlighted value's count stands on the highlight's tint.
    canvas.setFillColor(d == s.highlightDigit ? colorHighlight : colorWhite);
    canvas.fittedText(x, 805, digitCountText(s.digitCount[d]),
                      std::min(x + 23, textRight(statisticsArea)));
  }
  canvas.setFillColor(colorWhite);
}

void drawStatusPanel(Canvas& canvas) {
  drawPanel(canvas, 1013, 219, 234, 78, 60, "STATUSMELDUNG:");
}

void drawStatusText(Canvas& canvas, const GameState& s) {
  canvas.setTextFont(FontStyle::Cell);
  canvas.setTransparentText(false);
  canvas.setLineColor(statusColor(s.status));
  canvas.setFillColor(colorWhite);
  canvas.fittedText(1052, 253, statusText(s.status), textRight(statusArea));
  // The wrong-entry line at y 277 on its own blanked rows: its background would cut off the
  // descenders of the message above (the hook of the g in "gelöst").
  blankBelow(canvas, statusArea, statusBottom + 1);
  canvas.setTextFont(FontStyle::Panel);
  canvas.setTransparentText(true);
  canvas.setLineColor(colorBlack);
  canvas.fittedText(1088, 277, wrongEntryLine(s.wrongCount), textRight(statusArea));
  panelTextColors(canvas);
}

void drawLevelPanel(Canvas& canvas, int givenCount) {
  drawPanel(canvas, 1014, 605, 234, 80, 38, "SCHWIERIGKEITSGRAD:");
  panelTextColors(canvas);
  // The label ends a blank before the count at x 1202, in any font.
  canvas.fittedText(1042, 635, "Vorgegebene Zahlen: ", 1197);
  canvas.fittedText(1202, 635, twoDigits(givenCount), textRight(levelArea));
}

void writeLevelLine(Canvas& canvas, int givenCount, int level) {
  canvas.setTextFont(FontStyle::Panel);
  panelTextColors(canvas);
  std::string count = twoDigits(givenCount) + " ";
  if (canvas.largeFonts() && givenCount < 10) count += "   ";
  canvas.fittedText(1202, 635, count, textRight(levelArea));
  // The level name on its own blanked rows, below the label line's descenders.
  blankBelow(canvas, levelArea, labelLineBottom + 1);
  canvas.setTextFont(FontStyle::Cell);
  canvas.setTransparentText(true);
  canvas.setLineColor(colorBlack);
  const int shown = level >= 0 && level < static_cast<int>(levelNames.size()) ? level : 0;
  canvas.fittedText(1082, 649, std::string(levelNames[shown]) + "  ", textRight(levelArea));
  panelTextColors(canvas);
}

void drawHelpPanel(Canvas& canvas) { drawPanel(canvas, 1014, 707, 234, 72, 64, "HILFEFENSTER:"); }

void writeHelpLine(Canvas& canvas, const std::string& helpText) {
  panelTextColors(canvas);
  canvas.setTextFont(FontStyle::Panel);
  canvas.fittedText(1028, 746, helpText, textRight(hintArea));
}

void drawClockPanel(Canvas& canvas) { drawPanel(canvas, 1014, 801, 234, 72, 64, "ZEITMESSUNG:"); }

void drawBottomStrip(Canvas& canvas) {
  drawFrame3D(canvas, false, 2, 0, 922, 1277, 944);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorBlue);
  canvas.setTextFont(FontStyle::Panel);
  int x = 10;
  int y = 940;
  drawPanelTitle(canvas, FontStyle::Caption, colorBlack, x, y, "Tessarix V6.0");
}

}  // namespace tessarix
