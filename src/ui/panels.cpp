// The side panels, the statistics below the field and the bottom strip: frames, captions, fixed
// texts, and the texts the game writes into them.
#include "ui/panels.h"

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

}  // namespace

void drawPanel(Canvas& canvas, int x0, int y0, int w, int h, int tx, const std::string& caption) {
  drawFrame3D(canvas, false, 2, x0, y0, x0 + w, y0 + h);
  drawFrame3D(canvas, true, 2, x0 + 6, y0 + 22, x0 + w - 6, y0 + h - 6);
  int x = x0 + tx;
  int y = y0 + 20;
  drawPanelTitle(canvas, FontStyle::Caption, colorBlack, x, y, caption);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
  canvas.filledBox(x0 + 6, y0 + 22, x0 + w - 7, y0 + h - 7);
}

// The band between a panel's outer frame and its sunken writing area, where the caption lies.
static void clearCaptionBand(Canvas& canvas, int x0, int y0, int w) {
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  canvas.filledBox(x0 + 3, y0 + 3, x0 + w - 3, y0 + 21);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

void clearStatisticsCaptions(Canvas& canvas) {
  clearCaptionBand(canvas, 40, 753, 308);
  clearCaptionBand(canvas, 1013, 219, 234);
}

void clearHintCaption(Canvas& canvas) { clearCaptionBand(canvas, 1014, 707, 234); }

void drawStatisticsPanel(Canvas& canvas, const GameState& s) {
  drawPanel(canvas, 40, 753, 308, 78, 122, "STATISTIK:");
  panelTextColors(canvas);
  canvas.text(56, 785, s.digitMode ? "Zahlen" : "Ziffer");
  canvas.text(56, 805, "Anzahl");
  for (int n = 1; n <= 9; ++n) {
    const int x = 119 + 24 * (n - 1);
    int dx = 8;
    if (canvas.largeFonts()) dx = !s.digitMode && n == 9 ? 4 : 0;
    canvas.text(x + dx, 785, cellCharacter(s.digitMode, n));
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
    canvas.text(x, 805, digitCountText(s.digitCount[d]));
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
  canvas.text(1052, 253, statusText(s.status));
  canvas.setTextFont(FontStyle::Panel);
  panelTextColors(canvas);
  canvas.text(1088, 277, wrongEntryLine(s.wrongCount));
}

void drawLevelPanel(Canvas& canvas, int givenCount) {
  drawPanel(canvas, 1014, 605, 234, 80, 38, "SCHWIERIGKEITSGRAD:");
  panelTextColors(canvas);
  canvas.text(1042, 635, "Vorgegebene Zahlen: " + twoDigits(givenCount));
}

void writeLevelLine(Canvas& canvas, int givenCount, int level) {
  canvas.setTextFont(FontStyle::Panel);
  panelTextColors(canvas);
  std::string count = twoDigits(givenCount) + " ";
  if (canvas.largeFonts() && givenCount < 10) count += "   ";
  canvas.text(1202, 635, count);
  canvas.setTextFont(FontStyle::Cell);
  panelTextColors(canvas);
  const int shown = level >= 0 && level < static_cast<int>(levelNames.size()) ? level : 0;
  canvas.text(1082, 649, std::string(levelNames[shown]) + "  ");
}

void showHintPanel(Canvas& canvas) { drawPanel(canvas, 1014, 707, 234, 72, 64, "HILFEFENSTER:"); }

void writeHint(Canvas& canvas, const std::string& hintText) {
  panelTextColors(canvas);
  canvas.setTextFont(FontStyle::Panel);
  canvas.text(1028, 746, hintText);
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
