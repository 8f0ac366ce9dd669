// The printed board: the nine grids on one page in page units, every cell's digit or letter in
// bold, and the footer naming the level and the number of clues.
#include "ui/printed_page.h"

#include <string>

#include "logic/check.h"
#include "logic/geometry.h"
#include "logic/rounding.h"
#include "puzzles/levels.h"
#include "ui/board_drawing.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

// The page is 144 units wide and 102 high; a cell is 4 units wide and 3 high, so the 33 x 33
// cells of the figure span units 1..133 across and 1..100 down.
constexpr int pageColumns = 144;
constexpr int pageRows = 102;
constexpr int cellUnitsX = 4;
constexpr int cellUnitsY = 3;

// A grid's place on the page, in units, one unit in from the page's corner: its first cell
// lies at (1 + offsetX, 1 + offsetY).
int gridOffsetUnitsX(int grid) { return cellUnitsX * gridOffsetX[grid]; }
int gridOffsetUnitsY(int grid) { return cellUnitsY * gridOffsetY[grid]; }


// Each shared box is drawn filled by one of its two grids: the upper grid for the boxes of
// grids 1 to 6, grid 9 itself for its two boxes. The other copy is only outlined.
bool filledOnPage(int index) {
  const int other = mirrorOf(index);
  if (other == 0) return false;
  const bool upperCopy = cellGrid(other) > cellGrid(index);
  const bool withGrid9 = cellGrid(index) == 9 || cellGrid(other) == 9;
  return upperCopy != withGrid9;
}

struct Units {
  int x, y;          // one page unit in device pixels
  int cellW, cellH;  // one printed cell
};

void drawCells(Canvas& page, const Units& u) {
  page.setLineColor(colorBlack);
  page.setFillColor(colorWhite);
  page.setLineWidth(1);
  for (int g = 1; g <= gridCount; ++g)
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        const int x = (1 + gridOffsetUnitsX(g)) * u.x + (c - 1) * u.cellW;
        const int y = (1 + gridOffsetUnitsY(g)) * u.y + (r - 1) * u.cellH;
        if (filledOnPage(cellIndex(g, c, r)))
          page.filledBox(x, y, x + u.cellW, y + u.cellH);
        else
          page.outlineBox(x, y, x + u.cellW, y + u.cellH);
      }
}

void drawBlocks(Canvas& page, const Units& u) {
  page.setLineWidth(5);
  for (int g = 1; g <= gridCount; ++g) {
    const int x0 = (1 + gridOffsetUnitsX(g)) * u.x;
    const int y0 = (1 + gridOffsetUnitsY(g)) * u.y;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        page.outlineBox(x0 + 3 * j * u.cellW, y0 + 3 * i * u.cellH, x0 + 3 * (j + 1) * u.cellW,
                        y0 + 3 * (i + 1) * u.cellH);
  }
}

// Every copy of every cell is printed, so a shared cell is printed twice at one place.
void drawDigits(Canvas& page, const GameState& s, const Units& u) {
  page.setLineWidth(1);
  page.setLineColor(colorBlack);
  page.setFillColor(colorWhite);
  page.setTextFont(FontStyle::PageDigits);
  const int left = roundHalfEven(2.0 * u.x) - roundHalfEven(u.x / 2.0);
  const int top = roundHalfEven(1.1 * u.y) + roundHalfEven(u.y / 3.0);
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int d = s.board[cellIndex(g, c, r)];
        if (d == 0) continue;
        const int x = left + (c - 1) * u.cellW + gridOffsetUnitsX(g) * u.x;
        const int y = top + (r - 1) * u.cellH + gridOffsetUnitsY(g) * u.y;
        // These small shifts are device pixels; the narrow "I" moves further right.
        int dx = 7;
        if (!s.options.digitMode) dx = d == 9 ? 14 : 5;
        page.text(x + dx, y - 4, cellCharacter(s.options.digitMode, d));
      }
}

void drawFooter(Canvas& page, const GameState& s, const Units& u) {
  page.setTextFont(FontStyle::PageFooter);
  // The level names carry their own blanks: two after the colon for " Leicht " and
  // " Mittel ", one for the other two, and one before "mit" for all.
  const std::string name = s.options.level >= 0 && s.options.level < levelCount
                               ? levels[s.options.level].displayName
                               : "";
  page.text(u.x, roundHalfEven(100.5 * u.y),
            "Schwierigkeitsgrad: " + name + "mit " + std::to_string(countGivens(s)) + " Zahlen");
}

}  // namespace

void drawPrintedPage(Canvas& page, const GameState& s, int width, int height) {
  page.setTextFont(FontStyle::PagePlain);
  // Whole units: a page whose size is no multiple of them keeps a blank strip at the right
  // and the bottom, and the figure keeps its proportions.
  Units u{};
  u.x = width / pageColumns;
  u.y = height / pageRows;
  u.cellW = cellUnitsX * u.x;
  u.cellH = cellUnitsY * u.y;
  // Texts without a background: a digit's character cell reaches below its printed cell, and
  // would blank the line there.
  page.setTransparentText(true);
  drawCells(page, u);
  drawBlocks(page, u);
  drawDigits(page, s, u);
  drawFooter(page, s, u);
}

}  // namespace tessarix
