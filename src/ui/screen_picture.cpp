// The screen as a picture of what it shows: everything the window holds, drawn from the record in
// one go (at a new scale, say), or only the part of it in one box (what a refresh paints again).
#include <memory>

#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/button_bar.h"
#include "ui/button_bar_strip.h"
#include "ui/candidates_drawing.h"
#include "ui/cell_frame.h"
#include "ui/keypad_drawing.h"
#include "ui/palette.h"
#include "ui/panels.h"
#include "ui/screen_look.h"

namespace tessarix {

namespace {

// A panel's drawing stays within its box and a pixel around it.
bool meets(const CellBox* region, const CellBox& box) {
  return region == nullptr || (box.left - 1 <= region->right && box.right + 1 >= region->left &&
                               box.top - 1 <= region->bottom && box.bottom + 1 >= region->top);
}

}  // namespace

void coverField(Canvas& canvas) {
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) blankCell(canvas, g, c, r, colorLightGrey);
}

void paintScreen(Canvas& canvas, const ScreenLook& look, const CellBox* region) {
  // Only the cells whose drawing may reach into the region are drawn: a cell's drawing, its
  // marks' glyphs included, stays within its box and two pixels around it.
  const auto near = [region](int g, int c, int r) {
    if (region == nullptr) return true;
    const CellBox b = cellBox(g, c, r);
    return b.right + 2 >= region->left && b.left - 2 <= region->right &&
           b.bottom + 2 >= region->top && b.top - 2 <= region->bottom;
  };
  // The window's colour everywhere (in the region).
  canvas.setLineWidth(1);
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  if (region == nullptr)
    canvas.filledBox(0, 0, screenRight, screenBottom);
  else
    canvas.filledBox(region->left, region->top, region->right, region->bottom);

  // The frame of the window and the field with its panels, as the opening screen draws them.
  if (meets(region, bottomStripBox)) drawBottomStrip(canvas);
  drawEmptyField(canvas);
  // The state as the screen shows it, for the drawing functions.
  const auto shown = std::make_unique<GameState>();
  GameState& s = *shown;
  if (meets(region, statisticsPanelBox)) {
    s.options.digitMode = look.statisticsDigitMode;
    drawStatisticsPanel(canvas, s);
    s.digitCount = look.counts;
    s.highlightDigit = look.countsHighlight;
    drawDigitCounts(canvas, s);
  }
  if (meets(region, statusPanelBox)) {
    drawStatusPanel(canvas);
    if (look.statusShown) {
      s.status = look.status;
      s.wrongCount = look.wrongCount;
      drawStatusText(canvas, s);
    }
  }
  if (meets(region, levelPanelBox)) {
    drawLevelPanel(canvas, look.givenCount);
    writeLevelLine(canvas, look.givenCount, look.level);
  }
  if (meets(region, clockPanelBox)) drawClockPanel(canvas);
  if (meets(region, helpPanelBox)) {
    drawHelpPanel(canvas);
    writeHelpLine(canvas, look.helpLine);
  }

  // Every cell with the look it was last shown with, then the marks drawn over the cells.
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        if (leadingCopy(i) != i || !near(g, c, r)) continue;
        const ShownCell& cell = look.cells[static_cast<size_t>(i)];
        s.options.digitMode = cell.digitMode;
        s.highlightDigit = cell.tinted ? cell.digit : 0;
        if (cell.given)
          drawGivenCell(canvas, s, g, c, r, cell.digit);
        else
          drawEntryCell(canvas, s, g, c, r, cell.digit, cell.wrong);
      }
  // What every mark shown since its cell was left there stays, under the marks as they were
  // shown last. The first pass draws only the cells where a mark has gone since.
  s.options.digitMode = look.marksDigitMode;
  s.marks = look.marksEver;
  bool marksGone = false;
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        bool gone = false;
        for (int d = 1; d <= 9; ++d)
          gone |= look.marksEver[markIndex(g, c, r, d)] != look.marks[markIndex(g, c, r, d)];
        s.board[i] = look.marksOver[static_cast<size_t>(i)] && gone && near(g, c, r) ? 0 : 1;
        marksGone |= s.board[i] == 0;
      }
  if (marksGone) drawCandidates(canvas, s);
  bool anyMarks = false;
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        s.board[i] = look.marksOver[static_cast<size_t>(i)] && near(g, c, r) ? 0 : 1;
        anyMarks |= s.board[i] == 0;
      }
  s.marks = look.marks;
  if (anyMarks || region == nullptr) drawCandidates(canvas, s);

  // The button bar of a game loop, a button held down; erased, the empty strip over it.
  // (A region above the bar leaves it out: a button's frame reaches two pixels above the strip.)
  const bool barInRegion = region == nullptr || region->bottom >= buttonBarTop - 2;
  if (barInRegion)
    for (const auto& [b, pressed] : look.bar) drawBarButton(canvas, b, pressed);
  if (barInRegion && !look.barShown && look.barStripKept) eraseButtonBar(canvas);

  // The frames: the cursor's over the hint's, and over the hint's again.
  const auto frame = [&](int cell, int color) {
    drawCellFrame(canvas, cellGrid(cell), cellCol(cell), cellRow(cell), color);
  };
  if (look.cursorCell != 0) frame(look.cursorCell, colorCursor);
  if (look.hintCell != 0) {
    frame(look.hintCell, colorHintFrame);
    if (look.cursorCell != 0) frame(look.cursorCell, colorCursor);
  }

  // A pause covers the field.
  if (look.paused) coverField(canvas);

  // The open keypad over what it covers.
  if (look.keypad)
    drawKeypad(canvas, look.keypad->left, look.keypad->top, look.keypad->value,
               look.keypad->digitMode);
}

}  // namespace tessarix
