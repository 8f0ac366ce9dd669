// The logical solver.
//
// The rules are the plain ones: a cell with one fitting digit takes it (boxes), a digit with one
// fitting cell goes there (boxes, rows, columns), in a fixed scan order, pass after pass. What
// "fits" means is fixed by the literal method: write the digit into the cell and into the other
// copy of a shared cell, validate the whole field, write 0 back into both. We keep that meaning
// and that order exactly, but decide it from digit masks of the 243 units:
//
// * On a clean field (no duplicate anywhere, both copies of every shared cell equal) a digit
//   fits an empty cell exactly when no unit of either copy holds it. Placements keep a field
//   clean, so a derivation that starts clean runs on masks alone.
// * A field that is not clean (a duplicate, or copies that disagree, as a hand-made file can
//   have) is walked trial by trial on per-unit digit counts, which simulate the literal writes
//   exactly, the emptying of a disagreeing copy by the trial included. The first placement
//   refreshes the lower copies, and duplicates never come back, so such a field usually turns
//   clean within a few units; each unit checks again when it starts.
#include "logic/solver.h"

#include <bit>

#include "logic/check.h"
#include "logic/units.h"

namespace tessarix {

namespace {

class PassRunner {
 public:
  PassRunner(GameState& s, EntryListener* listener) : s_(s), listener_(listener), t_(cellUnits()) {
    clean_ = buildUnitMasks(s_.board.data(), mask_) && copiesAgree();
    mask_[noUnit] = 0;
    if (clean_)
      buildCandidates();
    else
      buildCounts();
  }

  void box(int g, int x0, int y0) {
    const int u = boxUnit(g, x0, y0);
    if (!isClean()) {
      singleCandidatesLiteral(t_.unitCells[u].data());
      onlyPlaceLiteral(t_.unitCells[u].data());
      return;
    }
    if (!takeDirty(u) || mask_[u] == allDigits) return;  // unchanged since it found nothing, or full
    const int16_t* cells = t_.unitCells[u].data();
    uint16_t cand[9];
    for (int k = 0; k < 9; ++k) cand[k] = cand_[t_.unitLeading[u][k]];
    // A cell with a single candidate takes it; the digit then leaves every cell of the box.
    for (int k = 0; k < 9; ++k)
      if (cand[k] && !(cand[k] & (cand[k] - 1))) {  // exactly one candidate
        const uint16_t bit = cand[k];
        place(cells[k], std::countr_zero(bit));
        for (int j = 0; j < 9; ++j) cand[j] = static_cast<uint16_t>(cand[j] & ~bit);
        cand[k] = 0;
      }
    onlyPlace(cells, cand);
  }

  void line(int u) {
    if (!isClean()) {
      onlyPlaceLiteral(t_.unitCells[u].data());
      return;
    }
    if (!takeDirty(u) || mask_[u] == allDigits) return;
    const int16_t* cells = t_.unitCells[u].data();
    uint16_t cand[9];
    for (int k = 0; k < 9; ++k) cand[k] = cand_[t_.unitLeading[u][k]];
    onlyPlace(cells, cand);
  }

  bool pass() {
    s_.boardChanged = false;
    for (int g = 1; g <= 9; ++g) {
      for (int x0 = 1; x0 <= 7; x0 += 3)
        for (int y0 = 1; y0 <= 7; y0 += 3) box(g, x0, y0);
      for (int j = 1; j <= 9; ++j) {
        line(rowUnit(g, j));
        line(columnUnit(g, j));
      }
    }
    return s_.boardChanged;
  }

 private:
  // ---- the field's state ------------------------------------------------------------------

  bool copiesAgree() const {
    for (const SharedPair& p : sharedPairs)
      for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
          if (s_.board[cellIndex(p.upper, c + p.upperCol, r + p.upperRow)] !=
              s_.board[cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow)])
            return false;
    return true;
  }

  // Once clean, always clean: placements only add digits that fit, to both copies.
  bool isClean() {
    if (!clean_ && duplicates_ == 0 && copiesAgree()) {
      clean_ = true;
      buildCandidates();
    }
    return clean_;
  }

  // A unit whose cells' candidates have not changed since it was last looked at would find
  // nothing again: it is skipped. Placements mark the units they can affect.
  bool takeDirty(int u) {
    const uint64_t bit = uint64_t{1} << (u % 64);
    const bool dirty = dirty_[u / 64] & bit;
    dirty_[u / 64] &= ~bit;
    return dirty;
  }

  void markDirty(int cell) {
    const auto& units = t_.unitsOfCell[cell];
    for (int w = 0; w < 4; ++w) dirty_[w] |= units[w];
  }

  // The candidates of every empty cell, kept under its leading copy; 0 for a filled cell.
  void buildCandidates() {
    for (auto& w : dirty_) w = ~uint64_t{0};
    for (int i : t_.cells)
      if (t_.leading[i] == i) cand_[i] = s_.board[i] ? 0 : candidates(i);
  }

  // Digits that fit an empty cell of a clean field.
  uint16_t candidates(int i) const {
    const auto& u = t_.seen[i];
    return static_cast<uint16_t>(
        ~(mask_[u[0]] | mask_[u[1]] | mask_[u[2]] | mask_[u[3]] | mask_[u[4]] | mask_[u[5]]) &
        allDigits);
  }

  // ---- per-unit digit counts, for a field that is not clean ---------------------------------

  void buildCounts() {
    for (auto& unit : count_)
      for (auto& c : unit) c = 0;
    duplicates_ = 0;
    for (int i : t_.cells) {
      const int v = s_.board[i];
      if (v == 0 || v > 9) continue;
      for (int u : t_.of[i])
        if (++count_[u][v] == 2) ++duplicates_;
    }
  }
  void add(int i, int v) {
    if (v == 0 || v > 9) return;
    for (int u : t_.of[i]) {
      if (++count_[u][v] == 2) ++duplicates_;
      mask_[u] = static_cast<uint16_t>(mask_[u] | (1u << v));
    }
  }
  void remove(int i, int v) {
    if (v == 0 || v > 9) return;
    for (int u : t_.of[i]) {
      if (count_[u][v]-- == 2) --duplicates_;
      if (count_[u][v] == 0) mask_[u] = static_cast<uint16_t>(mask_[u] & ~(1u << v));
    }
  }
  // A write while the field is not clean keeps counts and masks.
  void write(int i, int v) {
    const int old = s_.board[i];
    if (old == v) return;
    remove(i, old);
    s_.board[i] = static_cast<uint8_t>(v);
    add(i, v);
  }

  // The literal trial on counts: both copies take d, the field is checked, both get 0.
  bool fitsLiteral(int i, int d) {
    const int m = mirrorOf(i);
    write(i, d);
    if (m) write(m, d);
    const bool valid = duplicates_ == 0;
    write(i, 0);
    if (m) write(m, 0);
    return valid;
  }

  // ---- placing --------------------------------------------------------------------------

  void place(int i, int d) {
    const int m = mirrorOf(i);
    if (clean_) {
      s_.board[i] = static_cast<uint8_t>(d);
      if (m) s_.board[m] = static_cast<uint8_t>(d);
      const uint16_t bit = static_cast<uint16_t>(1u << d);
      const uint16_t keep = static_cast<uint16_t>(~bit);
      // Only units with a cell whose candidates really changed can find something new.
      for (int u : t_.seen[i]) {
        if (u == noUnit) continue;
        mask_[u] = static_cast<uint16_t>(mask_[u] | bit);
        for (int c : t_.unitLeading[u])
          if (cand_[c] & bit) {
            cand_[c] &= keep;
            markDirty(c);
          }
      }
      cand_[t_.leading[i]] = 0;
      markDirty(t_.leading[i]);
    } else {
      write(i, d);
      if (m) write(m, d);
    }
    const int g = cellGrid(i), x = cellCol(i), y = cellRow(i);
    if (listener_) listener_->placed(g, x, y, d);
    // enterDigit: bookkeeping, then the lower copies follow the upper ones.
    s_.boardChanged = true;
    bool wrong = false;
    if (s_.solution[i] != 0) {
      if (s_.solution[i] != d) {
        wrong = true;
        ++s_.wrongCount;
      }
      if (s_.derivingSolution) s_.wrongCount = 0;
      if (s_.wrongCount == 3) {
        s_.clockRunning = false;
        if (listener_) listener_->clockVoided();
      }
    }
    if (listener_ && !s_.derivingSolution) listener_->entryDrawn(g, x, y, d, wrong);
    syncAfterPlacement();
  }

  void syncAfterPlacement() {
    if (!givensSynced_) {
      for (const SharedPair& p : sharedPairs)
        for (int c = 1; c <= 3; ++c)
          for (int r = 1; r <= 3; ++r)
            s_.givens[cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow)] =
                s_.givens[cellIndex(p.upper, c + p.upperCol, r + p.upperRow)];
      givensSynced_ = true;
    }
    if (clean_) return;  // on a clean field both copies already agree
    for (const SharedPair& p : sharedPairs)
      for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
          write(cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow),
                s_.board[cellIndex(p.upper, c + p.upperCol, r + p.upperRow)]);
  }

  // ---- the rules on a clean field ---------------------------------------------------------

  // For d = 1..9: when exactly one empty cell of the unit takes d, d goes there. A placement
  // fills its cell and otherwise changes only digit d, so the counts for the digits after it
  // come from the same candidates with that cell left out.
  void onlyPlace(const int16_t* cells, uint16_t* cand) {
    int from = 1;
    while (true) {
      uint16_t once = 0, twice = 0;
      for (int k = 0; k < 9; ++k) {
        twice = static_cast<uint16_t>(twice | (once & cand[k]));
        once = static_cast<uint16_t>(once | cand[k]);
      }
      const uint16_t single = static_cast<uint16_t>(once & ~twice & allDigits & ~((1u << from) - 1));
      if (single == 0) return;
      const int d = std::countr_zero(single);
      for (int k = 0; k < 9; ++k)
        if (cand[k] >> d & 1) {
          place(cells[k], d);
          cand[k] = 0;
          break;
        }
      from = d + 1;
    }
  }

  // ---- the rules, trial by trial ----------------------------------------------------------

  void singleCandidatesLiteral(const int16_t* cells) {
    for (int k = 0; k < 9; ++k) {
      const int i = cells[k];
      if (s_.board[i] != 0) continue;
      int found = 0, last = 0;
      for (int d = 1; d <= 9; ++d)
        if (fitsLiteral(i, d)) {
          ++found;
          last = d;
        }
      if (found == 1) place(i, last);
    }
  }

  void onlyPlaceLiteral(const int16_t* cells) {
    for (int d = 1; d <= 9; ++d) {
      int found = 0, last = 0;
      for (int k = 0; k < 9; ++k) {
        const int i = cells[k];
        if (s_.board[i] != 0) continue;
        if (fitsLiteral(i, d)) {
          ++found;
          last = i;
        }
      }
      if (found == 1) place(last, d);
    }
  }

  GameState& s_;
  EntryListener* listener_;
  const CellUnits& t_;
  uint16_t mask_[unitCount + 1];
  uint16_t cand_[1000];
  uint64_t dirty_[4] = {};
  uint8_t count_[unitCount][10];
  int duplicates_ = 0;
  bool clean_ = false;
  bool givensSynced_ = false;
};

int runPassesOn(GameState& s, EntryListener* listener) {
  PassRunner runner(s, listener);
  int passes = 0;
  do ++passes;
  while (runner.pass() && passes < maxPasses);
  return passes;
}

// One derivation from the board as it stands: solution, notSolvable, board left as it was.
int deriveOnce(GameState& s) {
  s.boardBackup = s.board;
  s.derivingSolution = true;
  const int passes = runPassesOn(s, nullptr);
  s.notSolvable = !boardFull(s);
  s.solution = s.board;
  s.board = s.boardBackup;
  s.derivingSolution = false;
  return passes;
}

}  // namespace

void enterDigit(GameState& s, int grid, int col, int row, int digit, bool countWrong,
                EntryListener* listener) {
  const int i = cellIndex(grid, col, row);
  s.boardChanged = true;
  bool wrong = false;
  if (digit != 0 && s.solution[i] != 0) {
    if (s.solution[i] != s.board[i]) {
      wrong = true;
      if (countWrong) ++s.wrongCount;
    }
    if (s.derivingSolution) s.wrongCount = 0;
    if (countWrong && s.wrongCount == 3) {
      s.clockRunning = false;
      if (listener) listener->clockVoided();
    }
  }
  if (listener && !s.derivingSolution) listener->entryDrawn(grid, col, row, digit, wrong);
  syncSharedBoxes(s);
}

bool digitFits(CellArray& board, int grid, int col, int row, int digit) {
  const int i = cellIndex(grid, col, row);
  const int m = mirrorOf(i);
  board[i] = static_cast<uint8_t>(digit);
  if (m) board[m] = static_cast<uint8_t>(digit);
  uint16_t masks[unitCount];
  const bool valid = buildUnitMasks(board.data(), masks);
  board[i] = 0;
  if (m) board[m] = 0;
  return valid;
}

void solveBox(GameState& s, int grid, int x0, int y0, EntryListener* listener) {
  PassRunner(s, listener).box(grid, x0, y0);
}
void solveRow(GameState& s, int grid, int y, EntryListener* listener) {
  PassRunner(s, listener).line(rowUnit(grid, y));
}
void solveColumn(GameState& s, int grid, int x, EntryListener* listener) {
  PassRunner(s, listener).line(columnUnit(grid, x));
}
bool solvePass(GameState& s, EntryListener* listener) { return PassRunner(s, listener).pass(); }

int runPasses(GameState& s, EntryListener* listener) { return runPassesOn(s, listener); }

int solveBoard(GameState& s, EntryListener* listener) {
  const int passes = runPassesOn(s, listener);
  countDigits(s);
  checkBoard(s);
  return passes;
}

int deriveSolution(GameState& s) {
  s.wrongCount = 0;
  int passes = deriveOnce(s);
  if (!s.notSolvable) return passes;
  bool hasEntries = false;
  for (int i : cellUnits().cells)
    if (s.board[i] != 0 && s.givens[i] == 0) hasEntries = true;
  if (!hasEntries) return passes;
  // A wrong entry must not leave the game without a solution: try the clues alone.
  GameState cluesOnly = s;
  for (int i : cellUnits().cells)
    if (cluesOnly.givens[i] == 0) cluesOnly.board[i] = 0;
  const int retryPasses = deriveOnce(cluesOnly);
  if (cluesOnly.notSolvable) return passes;
  s.solution = cluesOnly.solution;
  s.notSolvable = false;
  s.givens = cluesOnly.givens;
  s.digitCount = cluesOnly.digitCount;
  return retryPasses;
}

}  // namespace tessarix
