// Where two looks of the screen differ, as the boxes a refresh paints again: a cell's box for a
// cell or its marks, the frames' cells, the keypad's square, a panel, the bar's strip.
#include "logic/geometry.h"
#include "ui/button_bar_strip.h"
#include "ui/keypad_drawing.h"
#include "ui/panels.h"
#include "ui/screen_look.h"

namespace tessarix {

namespace {

// Beyond so many boxes the whole screen is painted in one go.
constexpr size_t mostBoxes = 48;
// What a drawing may reach beyond its box: a mark's glyph, the edge of a smoothed line.
constexpr int reach = 2;

CellBox widened(const CellBox& b) {
  return {b.left - reach, b.top - reach, b.right + reach, b.bottom + reach};
}

CellBox boxOfCell(int cell) {
  return widened(cellBox(cellGrid(cell), cellCol(cell), cellRow(cell)));
}

CellBox boxOfKeypad(const ShownKeypad& k) {
  return widened({k.left, k.top, k.left + keypadSize, k.top + keypadSize});
}

bool contains(const CellBox& outer, const CellBox& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

bool marksDiffer(const ScreenLook& a, const ScreenLook& b, int g, int c, int r) {
  const auto i = static_cast<size_t>(cellIndex(g, c, r));
  if (a.marksOver[i] != b.marksOver[i]) return true;
  for (int d = 1; d <= 9; ++d) {
    const int k = markIndex(g, c, r, d);
    if (a.marks[k] != b.marks[k] || a.marksEver[k] != b.marksEver[k]) return true;
  }
  return false;
}

}  // namespace

std::vector<CellBox> damageBetween(const ScreenLook& before, const ScreenLook& now) {
  std::vector<CellBox> boxes;
  const std::vector<CellBox> everything = {{0, 0, screenRight, screenBottom}};
  if (before.paused != now.paused || before.marksDigitMode != now.marksDigitMode)
    return everything;

  if (before.cells != now.cells)
    for (int g = 1; g <= gridCount; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          const int i = cellIndex(g, c, r);
          if (leadingCopy(i) == i && before.cells[static_cast<size_t>(i)] != now.cells[static_cast<size_t>(i)])
            boxes.push_back(boxOfCell(i));
        }
  if (before.marksOver != now.marksOver || before.marks != now.marks ||
      before.marksEver != now.marksEver)
    for (int g = 1; g <= gridCount; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
          if (marksDiffer(before, now, g, c, r)) boxes.push_back(boxOfCell(cellIndex(g, c, r)));
  if (boxes.size() > mostBoxes) return everything;

  if (before.statisticsDigitMode != now.statisticsDigitMode ||
      before.countsShown != now.countsShown || before.counts != now.counts ||
      before.countsHighlight != now.countsHighlight)
    boxes.push_back(widened(statisticsPanelBox));
  if (before.statusShown != now.statusShown || before.status != now.status ||
      before.wrongCount != now.wrongCount)
    boxes.push_back(widened(statusPanelBox));
  if (before.givenCount != now.givenCount || before.level != now.level)
    boxes.push_back(widened(levelPanelBox));
  if (before.helpLine != now.helpLine) boxes.push_back(widened(helpPanelBox));
  if (before.bar != now.bar || before.barShown != now.barShown ||
      before.barStripKept != now.barStripKept)
    boxes.push_back({0, buttonBarTop - reach, screenRight, buttonBarBottom + reach});

  // The frames and the keypad: where they were and where they are.
  for (const auto& [was, is] : {std::pair{before.cursorCell, now.cursorCell},
                                std::pair{before.hintCell, now.hintCell}}) {
    if (was == is) continue;
    if (was != 0) boxes.push_back(boxOfCell(was));
    if (is != 0) boxes.push_back(boxOfCell(is));
  }
  if (before.keypad != now.keypad) {
    if (before.keypad) boxes.push_back(boxOfKeypad(*before.keypad));
    if (now.keypad) boxes.push_back(boxOfKeypad(*now.keypad));
  }
  // A box that lies within another (a cell under the keypad that closed over it, the same cell
  // twice) is painted with it.
  std::vector<CellBox> painted;
  for (size_t k = 0; k < boxes.size(); ++k) {
    bool within = false;
    for (size_t j = 0; j < boxes.size() && !within; ++j)
      within = j != k && contains(boxes[j], boxes[k]) && (!contains(boxes[k], boxes[j]) || j < k);
    if (!within) painted.push_back(boxes[k]);
  }
  return painted;
}

}  // namespace tessarix
