// The empty field (wells, staircase outline, grids, shared-box outlines) and the single cells.
#include "ui/board_drawing.h"

#include <array>

#include "logic/geometry.h"
#include "ui/frames.h"
#include "ui/palette.h"
#include "ui/field_layout.h"

namespace tessarix {

namespace {

struct Segment {
  int x1, y1, x2, y2;
};

// The staircase double line about 15 pixels outside the outer grid edges: the edges facing up
// and left in white, then those facing down and right in black; each row of the table holds the
// two lines of one double edge.
constexpr std::array<Segment, 20> whiteOutline = {{
    {410, 19, 735, 19},   {410, 20, 735, 20},   {410, 19, 410, 170},   {411, 19, 411, 171},
    {212, 169, 411, 169}, {212, 170, 411, 170}, {212, 169, 212, 320},  {213, 169, 213, 322},
    {14, 320, 213, 320},  {14, 321, 213, 321},  {14, 320, 14, 576},    {15, 320, 15, 576},
    {734, 169, 934, 169}, {735, 170, 934, 170}, {933, 320, 1131, 320}, {933, 321, 1131, 321},
    {410, 725, 410, 874}, {411, 725, 411, 874}, {212, 576, 212, 725},  {213, 576, 213, 725},
}};
constexpr std::array<Segment, 20> blackOutline = {{
    {735, 20, 735, 170},    {736, 19, 736, 169},    {934, 170, 934, 320},  {933, 171, 933, 321},
    {1131, 321, 1131, 576}, {1132, 320, 1132, 576}, {933, 574, 1133, 574}, {933, 575, 1133, 575},
    {933, 576, 933, 724},   {934, 576, 934, 724},   {735, 724, 935, 724},  {735, 725, 935, 725},
    {735, 725, 735, 873},   {736, 725, 736, 873},   {411, 873, 737, 873},  {410, 874, 737, 874},
    {212, 725, 410, 725},   {213, 724, 411, 724},   {15, 574, 213, 574},   {14, 575, 212, 575},
}};

// The four holes of the diamond, each a sunken well.
constexpr std::array<Segment, 4> wells = {{
    {537, 274, 609, 320},
    {537, 574, 609, 620},
    {339, 424, 411, 471},
    {735, 424, 807, 471},
}};

// Offsets of the twelve shared boxes from the field's origin, in the order they are outlined.
constexpr std::array<std::array<int, 2>, 12> sharedBoxOffsets = {{
    {396, 150},
    {594, 150},
    {396, 300},
    {594, 300},
    {198, 300},
    {792, 300},
    {396, 450},
    {594, 450},
    {198, 450},
    {792, 450},
    {396, 600},
    {594, 600},
}};

bool validDigit(int digit) { return digit >= 1 && digit <= 9; }

}  // namespace

void drawFieldOutline(Canvas& canvas) {
  canvas.setLineWidth(1);
  canvas.setLineColor(colorWhite);
  for (const Segment& s : whiteOutline) canvas.line(s.x1, s.y1, s.x2, s.y2);
  canvas.setLineColor(colorBlack);
  for (const Segment& s : blackOutline) canvas.line(s.x1, s.y1, s.x2, s.y2);
}

void drawEmptyField(Canvas& canvas) {
  for (const Segment& w : wells) drawFrame3D(canvas, true, 2, w.x1, w.y1, w.x2, w.y2);
  drawFieldOutline(canvas);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
  for (int g = 1; g <= gridCount; ++g) drawGrid(canvas, anchorX[g], anchorY[g]);
  canvas.setLineWidth(2);
  canvas.setLineColor(colorRed);
  for (const auto& [dx, dy] : sharedBoxOffsets)
    canvas.outlineBox(boardOriginX + dx, boardOriginY + dy, boardOriginX + dx + 99,
                      boardOriginY + dy + 75);
  canvas.setLineWidth(1);
}

void drawGrid(Canvas& canvas, int x, int y) {
  // Every grid sets its own colours: the blue box lines of one grid must not become the border
  // of the next.
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
  canvas.filledBox(x - 1, y - 1, x + 9 * cellWidth, y + 9 * cellHeight);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c)
      canvas.outlineBox(x + c * cellWidth, y + r * cellHeight, x + (c + 1) * cellWidth,
                        y + (r + 1) * cellHeight);
  const int boxW = 3 * cellWidth;
  const int boxH = 3 * cellHeight;
  canvas.setLineWidth(2);
  canvas.setLineColor(colorBlue);
  canvas.setFillColor(colorWhite);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      canvas.outlineBox(x + j * boxW, y + i * boxH, x + (j + 1) * boxW, y + (i + 1) * boxH);
  canvas.setLineWidth(1);
}

int cellInnerX(int grid, int col) { return anchorX[grid] + (col - 1) * cellWidth + 1; }
int cellInnerY(int grid, int row) { return anchorY[grid] + (row - 1) * cellHeight + 1; }

void blankCell(Canvas& canvas, int grid, int col, int row, int color) {
  const int x = cellInnerX(grid, col);
  const int y = cellInnerY(grid, row);
  // Beside and under columns and rows 3, 6 and 9 runs a 2-pixel box line: one pixel less.
  const int a = col % 3 == 0 ? 1 : 0;
  const int b = row % 3 == 0 ? 1 : 0;
  canvas.setLineColor(color);
  canvas.setFillColor(color);
  canvas.filledBox(x, y, x + cellWidth - 2 - a, y + cellHeight - 2 - b);
  canvas.setLineColor(colorWhite);
  canvas.setFillColor(colorWhite);
}

namespace {
// A cell holding the highlighted value is tinted behind its character.
int backgroundOf(const GameState& s, int digit) {
  return digit != 0 && digit == s.highlightDigit ? colorHighlight : colorWhite;
}
}  // namespace

std::string cellCharacter(bool digitMode, int digit) {
  if (!validDigit(digit)) return {};
  return std::string(1, static_cast<char>((digitMode ? '0' : '@') + digit));
}

void drawCellCharacter(Canvas& canvas, bool digitMode, int grid, int col, int row, int digit) {
  if (!validDigit(digit)) return;
  const int x = cellInnerX(grid, col);
  const int y = cellInnerY(grid, row);
  int dx = 7;
  if (!digitMode) dx = digit == 9 ? 11 : 5;  // the narrow "I" is moved to the middle
  canvas.text(x + dx, y, cellCharacter(digitMode, digit));
}

void drawGivenCell(Canvas& canvas, const GameState& s, int grid, int col, int row, int digit) {
  canvas.setTextFont(FontStyle::Cell);
  blankCell(canvas, grid, col, row, backgroundOf(s, digit));
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
  canvas.setTransparentText(true);
  if (digit != 0) drawCellCharacter(canvas, s.options.digitMode, grid, col, row, digit);
  canvas.setTransparentText(false);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

void drawEntryCell(Canvas& canvas, const GameState& s, int grid, int col, int row, int digit,
                   bool wrong) {
  canvas.setTextFont(FontStyle::Cell);
  blankCell(canvas, grid, col, row, backgroundOf(s, digit));
  canvas.setLineColor(colorBlue);
  canvas.setFillColor(colorWhite);
  if (digit != 0) {
    canvas.setTransparentText(true);
    if (wrong) canvas.setLineColor(colorBrightRed);
    drawCellCharacter(canvas, s.options.digitMode, grid, col, row, digit);
    canvas.setTransparentText(false);
  }
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

}  // namespace tessarix
