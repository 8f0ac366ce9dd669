// The screen as a picture of the state: everything the window shows, drawn from scratch in one
// go (at a new scale, say), and the record of what the screen shows where it lags behind the
// position: a cell keeps the look it was last drawn with, a panel the text last written into it.
#include "app/game.h"

#include <string>
#include <vector>

#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/button_bar.h"
#include "ui/button_bar_strip.h"
#include "ui/candidates_drawing.h"
#include "ui/keypad_drawing.h"
#include "ui/frames.h"
#include "ui/palette.h"
#include "ui/panels.h"

namespace tessarix {

namespace {

// The canvas, 1280 x 946 pixels: its last column and row.
constexpr int screenRight = 1279, screenBottom = 945;

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> out;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80 || out.empty())
      out.emplace_back(1, static_cast<char>(c));
    else
      out.back() += static_cast<char>(c);
  }
  return out;
}

}  // namespace

// --- What the screen shows ------------------------------------------------------------------

void Game::drawGiven(int cell, int digit) {
  noteCellDrawn(cell, {static_cast<uint8_t>(digit), true, false,
                       digit != 0 && digit == state_.highlightDigit, state_.digitMode});
  drawGivenCell(canvas_, state_, cellGrid(cell), cellCol(cell), cellRow(cell), digit);
}

void Game::drawEntry(int cell, int digit, bool wrong) {
  noteCellDrawn(cell, {static_cast<uint8_t>(digit), false, wrong,
                       digit != 0 && digit == state_.highlightDigit, state_.digitMode});
  drawEntryCell(canvas_, state_, cellGrid(cell), cellCol(cell), cellRow(cell), digit, wrong);
}

void Game::noteCellDrawn(int cell, const ShownCell& look) {
  // Both copies of a shared cell lie on the same pixels: the screen holds one look for them,
  // under the leading copy, and the drawing covers the marks of either.
  shownCells_[static_cast<size_t>(leadingCopy(cell))] = look;
  for (const int copy : {cell, mirrorOf(cell)}) {
    if (copy == 0) continue;
    marksOver_[static_cast<size_t>(copy)] = false;
    for (int d = 1; d <= 9; ++d)
      marksEver_[markIndex(cellGrid(copy), cellCol(copy), cellRow(copy), d)] = 0;
  }
}

void Game::drawMarks() {
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        if (state_.board[i] != 0) continue;
        marksOver_[static_cast<size_t>(i)] = true;
        for (int d = 1; d <= 9; ++d) {
          const int k = markIndex(g, c, r, d);
          shownMarks_[k] = state_.marks[k];
          marksEver_[k] |= state_.marks[k];
        }
      }
  shownMarksDigitMode_ = state_.digitMode;
  drawCandidates(canvas_, state_);
}

void Game::noteHelpLine(const std::string& text) {
  const std::vector<std::string> before = characters(helpLine_);
  const size_t reach = characters(text).size();
  helpLine_ = text;
  for (size_t k = reach; k < before.size(); ++k) helpLine_ += before[k];
}

void Game::drawBar() {
  barShown_ = true;
  barDrawn_.clear();
  for (BarButton b : barButtons) barDrawn_.emplace_back(b, false);
  drawButtonBar(canvas_);
}

void Game::drawBarButtonAs(BarButton b, bool pressed) {
  // A raised button covers all the button drew before; a pressed one only a pressed one (the
  // raised frame's inner line stays around it).
  std::erase_if(barDrawn_, [b, pressed](const auto& drawn) {
    return drawn.first == b && (!pressed || drawn.second);
  });
  barDrawn_.emplace_back(b, pressed);
  drawBarButton(canvas_, b, pressed);
}

void Game::eraseBar() {
  barShown_ = false;
  if (!barStripKept_) return;
  const StateKeepingCanvas::State kept = canvas_.state();
  eraseButtonBar(canvas_);
  canvas_.setState(kept);
}

// --- The whole picture ----------------------------------------------------------------------

void Game::drawPicture() {
  const StateKeepingCanvas::State kept = canvas_.state();
  paintPicture(nullptr);
  canvas_.setState(kept);
}

void Game::drawPictureIn(const CellBox& box) {
  const StateKeepingCanvas::State kept = canvas_.state();
  canvas_.setClip(box.left, box.top, box.right, box.bottom);
  paintPicture(&box);
  canvas_.clearClip();
  canvas_.setState(kept);
}

void Game::paintPicture(const CellBox* region) {
  Canvas& canvas = canvas_;
  // Only the cells whose drawing may reach into the region are drawn: those that touch it, or
  // lie next to a cell that does.
  const auto near = [region](int g, int c, int r) {
    if (region == nullptr) return true;
    const CellBox b = cellBox(g, c, r);
    return b.right + cellWidth >= region->left && b.left - cellWidth <= region->right &&
           b.bottom + cellHeight >= region->top && b.top - cellHeight <= region->bottom;
  };
  // The window's colour everywhere.
  canvas.setLineWidth(1);
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  canvas.filledBox(0, 0, screenRight, screenBottom);

  // The frame of the window and the field with its panels, as the opening screen draws them.
  drawBottomStrip(canvas);
  drawEmptyField(canvas);
  GameState look = state_;  // the state as the screen shows it, for the drawing functions
  look.digitMode = statisticsDigitMode_;
  drawStatisticsPanel(canvas, look);
  look.digitCount = shownCounts_;
  look.highlightDigit = shownCountsHighlight_;
  drawDigitCounts(canvas, look);
  drawStatusPanel(canvas);
  if (statusShown_) {
    look.status = shownStatus_;
    look.wrongCount = shownWrongCount_;
    drawStatusText(canvas, look);
  }
  drawLevelPanel(canvas, givenCount_);
  writeLevelLine(canvas, givenCount_, shownLevel_);
  drawClockPanel(canvas);
  drawHelpPanel(canvas);
  tessarix::writeHelpLine(canvas, helpLine_);

  // Every cell with the look it was last drawn with, then the marks drawn over the cells.
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        if (leadingCopy(i) != i || !near(g, c, r)) continue;
        const ShownCell& shown = shownCells_[static_cast<size_t>(i)];
        look.digitMode = shown.digitMode;
        look.highlightDigit = shown.tinted ? shown.digit : 0;
        if (shown.given)
          drawGivenCell(canvas, look, g, c, r, shown.digit);
        else
          drawEntryCell(canvas, look, g, c, r, shown.digit, shown.wrong);
      }
  // A mark's glyph may reach a pixel beyond the spot that blanks it: what every mark drawn
  // since its cell was drawn left there stays, under the marks as they were drawn last. The
  // first pass draws only the cells where a mark has gone since.
  look.digitMode = shownMarksDigitMode_;
  look.marks = marksEver_;
  bool marksGone = false;
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        bool gone = false;
        for (int d = 1; d <= 9; ++d)
          gone |= marksEver_[markIndex(g, c, r, d)] != shownMarks_[markIndex(g, c, r, d)];
        look.board[i] = marksOver_[static_cast<size_t>(i)] && gone && near(g, c, r) ? 0 : 1;
        marksGone |= look.board[i] == 0;
      }
  if (marksGone) drawCandidates(canvas, look);
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        look.board[i] = marksOver_[static_cast<size_t>(i)] && near(g, c, r) ? 0 : 1;
      }
  look.marks = shownMarks_;
  drawCandidates(canvas, look);

  // The button bar of a game loop, a button held down; erased, the empty strip over it.
  // (A region above the bar leaves it out: a button's frame reaches two pixels above the strip.)
  const bool barInRegion = region == nullptr || region->bottom >= buttonBarTop - 2;
  if (barInRegion)
    for (const auto& [b, pressed] : barDrawn_) drawBarButton(canvas, b, pressed);
  if (barInRegion && !barShown_ && barStripKept_) eraseButtonBar(canvas);

  // The frames: the cursor's over the hint's, and over the hint's again.
  const auto frame = [&](int cell, int color) {
    drawCellFrame(canvas, cellGrid(cell), cellCol(cell), cellRow(cell), color);
  };
  if (cursorCell_ != 0) frame(cursorCell_, colorCursor);
  if (hint_ && hint_->framed) {
    frame(hint_->cell, colorHintFrame);
    if (cursorCell_ != 0) frame(cursorCell_, colorCursor);
  }

  // A pause covers the field.
  if (paused_) coverField(canvas);

  // The open keypad over what it covers.
  if (keypad_.open && keypad_.drawn)
    drawKeypad(canvas, keypad_.left, keypad_.top, keypad_.shownValue, state_.digitMode);
}

}  // namespace tessarix
