// What the tests of the game loops share: a game of the tests' puzzle in the play loop, the
// pixels of a cell, of its keypad and of its drawn value, and the look of a bar button.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "logic/geometry.h"
#include "logic/solver.h"
#include "ui/button_bar.h"
#include "ui/cell_hit.h"
#include "ui/field_layout.h"

namespace tessarix::testing {

inline constexpr int helpX = 1028, helpY = 746;
inline constexpr const char* helpDigitKeypad = "Rechte Taste löscht Feld!";
inline constexpr const char* helpMarksKeypad = "Bitte Kandidaten notieren!";
inline constexpr const char* helpAfterKeypad = "Bitte ein Feld anklicken! ";
inline constexpr const char* idleClock = " 99:99:99";
inline constexpr int escape = 27;
inline constexpr int colourBlack = 0, colourBlue = 4, colourBrightRed = 9;

struct Point {
  int x, y;
};

inline CellRef cellOf(int index) { return {cellGrid(index), cellCol(index), cellRow(index)}; }
inline int indexOf(const CellRef& c) { return cellIndex(c.grid, c.col, c.row); }

// The top-left pixel of a cell: 33 x 25 pixels per cell from its grid's anchor.
inline Point cellCorner(const CellRef& c) {
  return {anchorX[c.grid] + (c.col - 1) * 33, anchorY[c.grid] + (c.row - 1) * 25};
}
inline Point cellCentre(const CellRef& c) {
  const Point p = cellCorner(c);
  return {p.x + 16, p.y + 12};
}
// The keypad of a cell: 8 pixels left of and above the cell's corner, 45 x 45 pixels.
inline Point keypadCorner(const CellRef& c) {
  const Point p = cellCorner(c);
  return {p.x - 8, p.y - 8};
}
// The middle of keypad button n: 1 2 3 on top, 7 8 9 at the bottom, 15 pixels each.
inline Point keypadButton(const CellRef& c, int n) {
  const Point k = keypadCorner(c);
  return {k.x + (n - 1) % 3 * 15 + 7, k.y + (n - 1) / 3 * 15 + 7};
}

// Whether one of the clips among `ops` covers the keypad's square at c and reaches at most two
// pixels beyond it: what the keypad lay over was drawn again there.
inline bool keypadSquareRepainted(const std::vector<DrawOp>& ops, const CellRef& c) {
  const Point k = keypadCorner(c);
  return std::any_of(ops.begin(), ops.end(), [&k](const DrawOp& op) {
    return op.kind == OpKind::Clip && op.x1 <= k.x && op.y1 <= k.y && op.x2 >= k.x + 45 &&
           op.y2 >= k.y + 45 && op.x1 >= k.x - 2 && op.y1 >= k.y - 2 && op.x2 <= k.x + 47 &&
           op.y2 <= k.y + 47;
  });
}

// What a cell shows after its last blanking: its character and the colour it was drawn in,
// or an empty text when it was blanked and nothing written since.
struct Shown {
  std::string text;
  int colour = -1;
  bool blanked = false;
};

class PlayTest : public GameTest {
 protected:
  // The tests' puzzle (every `every`-th global position empty) with its derived solution.
  void loadPuzzle(int every = 4) {
    GameState& s = game->state();
    const GameState p = puzzleFrom(solvedField(), every);
    s.board = p.board;
    s.givens = p.givens;
    deriveSolution(s);
  }
  // The puzzle, then "Spielstart": an untimed game in the play loop.
  void startPuzzle(int every = 4) {
    loadPuzzle(every);
    game->menuEvent(10);
  }
  // A new game from "leicht.trx", whose four slots hold the tests' puzzle: a timed game that
  // started at platform.now.
  void startTimedGame() {
    const GameState p = puzzleFrom(solvedField(), 4);
    writeLevelFile("leicht.trx", {p, p, p, p});
    game->menuEvent(8);
    ASSERT_TRUE(game->state().clockRunning);
    ASSERT_EQ(game->mode(), Game::Mode::Playing);
  }

  // The empty non-clue cells in index order, each shared cell once by its leading copy.
  std::vector<int> emptyCells() const {
    std::vector<int> cells;
    const GameState& s = game->state();
    for (int i = 0; i < 1000; ++i)
      if (cellGrid(i) && cellCol(i) && cellRow(i) && s.givens[i] == 0 && s.board[i] == 0 &&
          leadingCopy(i) == i)
        cells.push_back(i);
    return cells;
  }
  // The n-th empty cell that lies in a grid of one copy only.
  int emptyPlainCell(int n = 0) const {
    for (int i : emptyCells())
      if (mirrorOf(i) == 0 && n-- == 0) return i;
    ADD_FAILURE() << "no empty cell";
    return 0;
  }
  // The n-th empty shared cell, by its upper copy.
  int emptySharedCell(int n = 0) const {
    for (int i : emptyCells())
      if (mirrorOf(i) != 0 && n-- == 0) return i;
    ADD_FAILURE() << "no empty shared cell";
    return 0;
  }
  int clueCell() const {
    for (int i = 0; i < 1000; ++i)
      if (game->state().givens[i] != 0) return i;
    return 0;
  }
  int solutionOf(int i) const { return game->state().solution[i]; }
  // A digit that is not the cell's solution.
  int wrongDigitFor(int i) const { return solutionOf(i) % 9 + 1; }

  void clickCell(MouseButton b, int i) {
    const Point p = cellCentre(cellOf(i));
    click(b, p.x, p.y);
  }
  void clickAt(MouseButton b, Point p) { click(b, p.x, p.y); }
  void moveTo(Point p) { game->input().pointerMoved(p.x, p.y); }
  void typeDigit(int d) { typeCharacter(static_cast<char>('0' + d)); }
  // A digit entered the way a player types it: the cell clicked, the digit typed.
  void enter(int i, int d) {
    clickCell(MouseButton::Left, i);
    typeDigit(d);
  }

  // What the cell shows on the canvas (see Shown).
  Shown shownAt(int i) const {
    const CellRef c = cellOf(i);
    const Point p = cellCorner(c);
    Shown shown;
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it) {
      if (it->kind == OpKind::Text && it->y1 == p.y + 1 && it->x1 > p.x && it->x1 < p.x + 14 &&
          it->text.size() == 1 && shown.text.empty()) {
        shown.text = it->text;
        shown.colour = it->state.lineColor;
      }
      if (it->kind == OpKind::FilledBox && it->x1 == p.x + 1 && it->y1 == p.y + 1 &&
          it->x2 >= p.x + 30) {
        shown.blanked = true;
        return shown;
      }
    }
    return shown;
  }

  // Whether pencil mark d of the cell is shown: its character drawn after its last blanking.
  bool markShown(int i, int d) const {
    const Point p = cellCorner(cellOf(i));
    const int px = p.x + (d - 1) % 3 * 10 + 3, py = p.y + (d - 1) / 3 * 8;
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it) {
      if (it->kind == OpKind::Text && it->x1 == px && it->y1 == py) return true;
      if (it->kind == OpKind::FilledBox && it->x1 == px && it->y1 == py + 2) return false;
    }
    return false;
  }

  // The drawings of bar button b in order, true for pressed and false for raised. Matched op
  // by op against the button drawn alone, by kind, place, text and line colour.
  std::vector<bool> barButtonLooks(BarButton b) const {
    std::array<RecordingCanvas, 2> alone;
    for (bool pressed : {false, true}) drawBarButton(alone[pressed], b, pressed);
    auto matchesAt = [&](const std::vector<DrawOp>& want, size_t start) {
      if (start + want.size() > canvas.ops.size()) return false;
      for (size_t k = 0; k < want.size(); ++k) {
        const DrawOp& a = canvas.ops[start + k];
        const DrawOp& w = want[k];
        if (a.kind != w.kind || a.x1 != w.x1 || a.y1 != w.y1 || a.x2 != w.x2 || a.y2 != w.y2 ||
            a.text != w.text || a.state.lineColor != w.state.lineColor)
          return false;
      }
      return true;
    };
    std::vector<bool> looks;
    for (size_t start = 0; start < canvas.ops.size(); ++start)
      for (bool pressed : {false, true})
        if (matchesAt(alone[pressed].ops, start)) {
          looks.push_back(pressed);
          start += alone[pressed].ops.size() - 1;
          break;
        }
    return looks;
  }
  // The last drawing of bar button b: pressed (true) or raised; nothing when it was not drawn.
  std::optional<bool> barButtonLook(BarButton b) const {
    const std::vector<bool> looks = barButtonLooks(b);
    if (looks.empty()) return std::nullopt;
    return looks.back();
  }
};

}  // namespace tessarix::testing
