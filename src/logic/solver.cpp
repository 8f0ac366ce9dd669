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
//   clean, so a derivation that starts clean runs on masks alone. The candidates are kept
//   three ways and follow every placement at once: per distinct cell (a mask), per unit (how
//   many of its cells take each digit, four bits a digit) and per grid and digit (a bit set of
//   the grid's cells that take it, with the cells of one candidate as digit 0). A placement
//   finds the cells that lose its digit by one AND with the bit set of the cell's neighbours;
//   a unit has something to place exactly when a digit count is 1 (or, in a box, a cell has a
//   single candidate), which each unit is asked with one test, in every pass in which its
//   grid changed.
// * A field that is not clean (a duplicate, or copies that disagree, as a hand-made file can
//   have) is walked trial by trial on per-unit digit counts (TrialCounts), which simulate the
//   literal writes exactly, the emptying of a disagreeing copy by the trial included. The
//   first placement refreshes the lower copies, and duplicates never come back, so such a
//   field usually turns clean within a few units; each unit checks again when it starts.
#include "logic/solver.h"

#include <bit>

#include "logic/check.h"
#include "logic/solver_layout.h"
#include "logic/trial_counts.h"

namespace tessarix {

namespace {

// Digit counts of a unit, four bits per digit (digit d at bit 4d): how many of its empty cells
// still take d. singleDigits marks bit 4d where the count of d is exactly 1 (counts are 0..9).
constexpr uint64_t countOnes = 0x1111111110;  // bit 4d for every digit 1..9
constexpr uint64_t singleDigits(uint64_t counts) {
  return counts & ~(counts >> 1 | counts >> 2 | counts >> 3) & countOnes;
}
constexpr uint64_t countOf(int d) { return uint64_t{1} << (4 * d); }

// Digit counts of a candidate mask (bits 1..9), by mask >> 1.
constexpr std::array<uint64_t, 512> countsOfMask = [] {
  std::array<uint64_t, 512> t{};
  for (int m = 0; m < 512; ++m)
    for (int d = 1; d <= 9; ++d)
      if (m >> (d - 1) & 1) t[m] += countOf(d);
  return t;
}();

constexpr uint64_t gridLowWord = ~uint64_t{0} >> 1;         // bits 0..62
constexpr uint64_t gridHighWord = (uint64_t{1} << 18) - 1;  // bits 64..81

class PassRunner {
 public:
  // deriving: the run derives the solution, so its placements are not drawn and count no
  // wrong entry.
  PassRunner(GameState& s, EntryListener* listener, bool deriving = false)
      : s_(s),
        listener_(listener),
        t_(cellUnits()),
        l_(scanLayout()),
        deriving_(deriving),
        // Deriving with nobody listening (and the count of wrong entries at 0, as deriveSolution
        // leaves it), a placement comes down to the arrays.
        quiet_(!listener && deriving && s.wrongCount == 0),
        trials_(s.board) {
    clean_ = copiesAgree() && buildMasks();
    if (clean_)
      buildCandidates();
    else
      trials_.recount();
  }

  // Units by scan number (27 per grid: nine boxes, then row 1, column 1, row 2, ...).
  void visit(int u) {
    const int g = u / 27 + 1, r = u % 27;
    if (!isClean()) {
      const int16_t* cells = t_.unitCells[unitNumber(g, r)].data();
      if (r < 9) singleCandidatesLiteral(cells);
      onlyPlaceLiteral(cells);
      return;
    }
    if (r < 9) singleCandidates(g, r);
    onlyPlace(g, r, u);
  }

  // boardFull as the check does it, which also counts the digits and lets the lower copies
  // follow the upper ones: on a clean field the copies agree already and the counts are kept.
  bool boardFull() {
    if (!clean_ || oddValues_) return tessarix::boardFull(s_);
    if (!givensSynced_) syncGivens();
    int empty = distinctCells + static_cast<int>(sharedPairs.size()) * 9;  // lower copies count 0
    bool full = true;
    for (int d = 1; d <= 9; ++d) {
      empty -= placed_[d];
      s_.digitCount[d] = static_cast<uint16_t>(placed_[d]);
      full = full && s_.digitCount[d] == cellsPerDigit;
    }
    s_.digitCount[0] = static_cast<uint16_t>(empty);
    return full;
  }

  // On a clean field each unit is first asked, with one test, whether it has anything to place
  // at all; most have not.
  bool pass() {
    s_.boardChanged = false;
    if (clean_ && empties_ == 0) return false;  // a full field has nothing to place
    int u = 0;
    for (; u < unitCount && !clean_; ++u) visit(u);
    for (int g = u / 27 + 1, r = u % 27; g <= 9; ++g, r = 0) {
      // A grid whose last scan found nothing, untouched since, has nothing now.
      if (!changed_[g]) continue;
      changed_[g] = false;
      const int base = (g - 1) * 27;
      for (; r < 9; ++r) {
        const int bit = boxBitBase(r);
        const uint64_t singles = where_[gridWord(g, 0, bit)] >> (bit & 63) & 0x1FF;
        if (singles | singleDigits(counts_[base + r])) [[unlikely]] {
          singleCandidates(g, r);
          onlyPlace(g, r, base + r);
        }
      }
      for (; r < 27; ++r)
        if (singleDigits(counts_[base + r])) [[unlikely]]
          onlyPlace(g, r, base + r);
    }
    // A quiet placement leaves the lower copies of the clues to the end of its pass.
    if (s_.boardChanged && !givensSynced_) syncGivens();
    return s_.boardChanged;
  }

 private:
  // The unit of units.h for scan place r of grid g.
  static int unitNumber(int g, int r) {
    if (r < 9) return boxUnit(g, r / 3 * 3 + 1, r % 3 * 3 + 1);
    const int j = (r - 9) / 2 + 1;
    return (r - 9) % 2 ? columnUnit(g, j) : rowUnit(g, j);
  }

  // ---- the field's state ------------------------------------------------------------------

  bool copiesAgree() const {
    bool agree = true;
    forEachSharedCell([&](int u, int l) { agree = agree && s_.board[u] == s_.board[l]; });
    return agree;
  }

  // Once clean, always clean: placements only add digits that fit, to both copies.
  bool isClean() {
    if (!clean_ && !trials_.anyDuplicate() && copiesAgree()) {
      clean_ = true;
      buildMasks();
      buildCandidates();
    }
    return clean_;
  }

  // Digit masks of the units (scan numbers) from the distinct cells, when both copies of every
  // shared cell agree; false when a unit holds a digit twice. On the way, where_ gathers per
  // grid the filled cells (digit 0) and the cells that see digit v (digit v), the empty cells
  // are listed and the filled ones counted per digit; buildCandidates turns where_ round.
  bool buildMasks() {
    for (auto& m : mask_) m = 0;
    for (auto& w : where_) w = 0;
    for (auto& c : placed_) c = 0;
    int empties = 0, filled = 0;
    for (int n = 0; n < distinctCells; ++n) {
      const int v = s_.board[l_.copies[n][0]];
      empty_[empties] = static_cast<int16_t>(n);
      filled_[filled] = static_cast<int16_t>(n);
      empties += v == 0;
      filled += v != 0;
    }
    empties_ = empties;
    uint16_t twice = 0;
    for (int f = 0; f < filled; ++f) {
      const int n = filled_[f];
      const ScanLayout::Cell& c = l_.cell[n];
      const int v = s_.board[l_.copies[n][0]];
      if (v > 9) {  // only 0..9 ever reach the field
        oddValues_ = true;
        continue;
      }
      ++placed_[v];
      const uint16_t bit = static_cast<uint16_t>(1u << v);
      for (int k = 0; k < (c.shared ? 6 : 3); ++k) {
        twice = static_cast<uint16_t>(twice | (mask_[c.unit[k]] & bit));
        mask_[c.unit[k]] = static_cast<uint16_t>(mask_[c.unit[k]] | bit);
      }
      for (int k = 0; k < (c.shared ? 2 : 1); ++k) {
        uint64_t* grid = where_ + 20 * c.grid[k];
        const GridBits& peers = l_.peers[c.bit[k]];
        grid[2 * v] |= peers.w[0];
        grid[2 * v + 1] |= peers.w[1];
        grid[c.bit[k] / 64] |= c.mask[k];
      }
    }
    return twice == 0;
  }

  // The candidates of a clean field, three ways: per distinct cell; per unit, as digit counts;
  // and per grid and digit, as the grid's cells that take the digit (digit 0: the cells with
  // exactly one candidate). Filled cells take nothing.
  void buildCandidates() {
    for (int g = 1; g <= 9; ++g) {
      uint64_t* grid = where_ + 20 * g;
      const uint64_t emptyLow = ~grid[0] & gridLowWord, emptyHigh = ~grid[1] & gridHighWord;
      for (int d = 1; d <= 9; ++d) {
        grid[2 * d] = emptyLow & ~grid[2 * d];
        grid[2 * d + 1] = emptyHigh & ~grid[2 * d + 1];
      }
      grid[0] = grid[1] = 0;
    }
    // A shared cell takes only what both of its grids allow.
    for (const ScanLayout::SharedBox& b : l_.shared) {
      uint64_t* upper = where_ + 20 * b.grid[0] + b.word[0];
      uint64_t* lower = where_ + 20 * b.grid[1] + b.word[1];
      for (int d = 2; d <= 18; d += 2) {
        const uint64_t u = upper[d] >> b.shift[0] & 0x1FF, l = lower[d] >> b.shift[1] & 0x1FF;
        upper[d] &= ~((u & ~l) << b.shift[0]);
        lower[d] &= ~((l & ~u) << b.shift[1]);
      }
    }
    for (auto& c : cand_) c = 0;
    for (int e = 0; e < empties_; ++e) {
      const int n = empty_[e];
      const ScanLayout::Cell& c = l_.cell[n];
      // A cell of one grid has the spare unit, which holds nothing, as its second copy's.
      const unsigned used = mask_[c.unit[0]] | mask_[c.unit[1]] | mask_[c.unit[2]] |
                            mask_[c.unit[3]] | mask_[c.unit[4]] | mask_[c.unit[5]];
      const uint16_t free = static_cast<uint16_t>(~used & allDigits);
      cand_[n] = free;
      if (!(free & (free - 1)) && free) {
        where_[c.word[0]] |= c.mask[0];
        where_[c.word[1]] |= c.mask[1];
      }
    }
    for (int u = 0; u < unitCount; ++u) {
      const int16_t* cells = l_.unitDistinct[u].data();
      uint64_t counts = 0;
      for (int k = 0; k < 9; ++k) counts += countsOfMask[cand_[cells[k]] >> 1];
      counts_[u] = counts;
    }
  }

  // ---- placing on a clean field -----------------------------------------------------------
  // Where it saves a branch, a cell of one grid is handled like a shared one: its second copy
  // has the spare unit, grid 0, word 0 and an empty mask, so updating it changes nothing.

  // A digit (count one, candidates keep, bit sets takesD) no longer fits distinct cell n: the
  // counts of its units, the bit of a second copy and its single mark follow (the caller has
  // cleared the bit of the copy it found).
  [[gnu::always_inline]] void drop(int n, uint64_t* takesD, uint64_t one, uint16_t keep) {
    const ScanLayout::Cell& c = l_.cell[n];
    const uint16_t left = cand_[n] & keep;
    cand_[n] = left;
    counts_[c.unit[0]] -= one;
    counts_[c.unit[1]] -= one;
    counts_[c.unit[2]] -= one;
    if (c.shared) {
      counts_[c.unit[3]] -= one;
      counts_[c.unit[4]] -= one;
      counts_[c.unit[5]] -= one;
      takesD[c.word[0]] &= ~c.mask[0];  // one of the two is in grid g, done already
      takesD[c.word[1]] &= ~c.mask[1];
      changed_[c.grid[0]] = changed_[c.grid[1]] = true;
    }
    if (!(left & (left - 1))) [[unlikely]]
      markSingle(c, left);
  }

  // Distinct cell n is left with one candidate or none: its single mark follows.
  [[gnu::noinline]] void markSingle(const ScanLayout::Cell& c, uint16_t left) {
    if (left) {
      where_[c.word[0]] |= c.mask[0];
      where_[c.word[1]] |= c.mask[1];
    } else {
      where_[c.word[0]] &= ~c.mask[0];
      where_[c.word[1]] &= ~c.mask[1];
    }
  }

  // Digit d leaves the cells of grid g that share a unit with the grid's bit.
  [[gnu::always_inline]] void dropAround(int g, int bit, int d) {
    uint64_t* takesD = where_ + 2 * d;
    uint64_t* takes = takesD + 20 * g;
    const GridBits& peers = l_.peers[bit];
    const int16_t* distinct = l_.distinctAt[g].data();
    const uint64_t one = countOf(d);
    const uint16_t keep = static_cast<uint16_t>(~(1u << d));
    const uint64_t low = takes[0] & peers.w[0], high = takes[1] & peers.w[1];
    changed_[g] = true;
    // The copies in grid g leave d at once; drop sees to the counts and the other copy.
    takes[0] &= ~low;
    takes[1] &= ~high;
    for (uint64_t rest = low; rest; rest &= rest - 1)
      drop(distinct[std::countr_zero(rest)], takesD, one, keep);
    for (uint64_t rest = high; rest; rest &= rest - 1)
      drop(distinct[64 + std::countr_zero(rest)], takesD, one, keep);
  }

  // Distinct cell n takes d in both copies: it leaves every count and bit set, and d leaves
  // every cell that shares a unit with either copy.
  void fill(int n, int d) {
    const ScanLayout::Cell& c = l_.cell[n];
    const uint64_t counts = countsOfMask[cand_[n] >> 1];
    cand_[n] = 0;
    for (int k = 0; k < 6; ++k) counts_[c.unit[k]] -= counts;
    uint64_t* word = where_ + c.word[0];
    const uint64_t keep = ~c.mask[0];
    for (int e = 0; e <= 18; e += 2) word[e] &= keep;
    dropAround(c.grid[0], c.bit[0], d);
    if (c.shared) {
      word = where_ + c.word[1];
      const uint64_t keep1 = ~c.mask[1];
      for (int e = 0; e <= 18; e += 2) word[e] &= keep1;
      dropAround(c.grid[1], c.bit[1], d);
    }
    s_.board[l_.copies[n][0]] = static_cast<uint8_t>(d);
    s_.board[l_.copies[n][1]] = static_cast<uint8_t>(d);
    ++placed_[d];
    --empties_;
  }

  // ---- placing --------------------------------------------------------------------------

  // A placement on a clean field, at bit of grid g. Quiet, what enterDigit does comes down to
  // boardChanged (the count of wrong entries is 0 and stays so; the clues' lower copies follow
  // at the end of the pass).
  [[gnu::always_inline]] void placeAt(int g, int bit, int d) {
    fill(l_.distinctAt[g][bit], d);
    if (quiet_) {
      s_.boardChanged = true;
      return;
    }
    announce(l_.copyAt[g][bit], d);
  }

  [[gnu::noinline]] void place(int i, int d) {
    if (clean_) {
      fill(l_.distinctOf[i], d);
    } else {
      trials_.write(i, d);
      if (const int m = mirrorOf(i)) trials_.write(m, d);
    }
    announce(i, d);
  }

  // What enterDigit does after a placement: the listener, the bookkeeping, then the lower
  // copies follow the upper ones.
  [[gnu::noinline]] void announce(int i, int d) {
    if (listener_) listener_->placed(cellGrid(i), cellCol(i), cellRow(i), d);
    s_.boardChanged = true;
    bool wrong = false;
    if (s_.solution[i] != 0) {
      if (s_.solution[i] != d) {
        wrong = true;
        ++s_.wrongCount;
      }
      if (deriving_) s_.wrongCount = 0;
      if (s_.wrongCount == 3) {
        s_.clockRunning = false;
        if (listener_) listener_->clockVoided();
      }
    }
    if (listener_ && !deriving_)
      listener_->entryDrawn(cellGrid(i), cellCol(i), cellRow(i), d, wrong);
    if (!givensSynced_) syncGivens();
    if (clean_) return;  // on a clean field both copies already agree
    forEachSharedCell([&](int u, int l) { trials_.write(l, s_.board[u]); });
  }

  void syncGivens() {
    forEachSharedCell([&](int u, int l) { s_.givens[l] = s_.givens[u]; });
    givensSynced_ = true;
  }

  // ---- the rules on a clean field ---------------------------------------------------------
  // Everything below reads the live candidates, so a placement is seen by every later cell
  // and digit of the same unit, as in the literal scan.

  // Box b of grid g: a cell with a single candidate takes it, cells in scan order.
  void singleCandidates(int g, int b) {
    const int base = boxBitBase(b);
    const uint64_t& word = where_[gridWord(g, 0, base)];
    const int shift = base & 63;
    for (uint32_t left = static_cast<uint32_t>(word >> shift) & 0x1FF; left;) {
      const int k = std::countr_zero(left);
      const int bit = base + k;
      placeAt(g, bit, std::countr_zero(cand_[l_.distinctAt[g][bit]]));
      left = static_cast<uint32_t>(word >> shift) & 0x1FF & (~0u << (k + 1));
    }
  }

  // Unit u (scan place r of grid g): for d = 1..9, when exactly one empty cell takes d, d goes
  // there.
  void onlyPlace(int g, int r, int u) {
    // The unit's counts are followed here as well as in counts_, so that the next digit need
    // not wait for the placement's stores: placing its single d in cell c empties d's count
    // (no other cell of the unit takes d) and takes one off each other candidate of c.
    uint64_t counts = counts_[u];
    for (uint64_t digits = singleDigits(counts); digits;) {
      const int d = std::countr_zero(digits) >> 2;
      const GridBits& cells = l_.unitBits[r];
      const uint64_t* takes = where_ + gridWord(g, d, 0);
      const uint64_t low = takes[0] & cells.w[0];
      const int bit = low ? std::countr_zero(low) : 64 + std::countr_zero(takes[1] & cells.w[1]);
      counts -= countsOfMask[cand_[l_.distinctAt[g][bit]] >> 1];
      placeAt(g, bit, d);
      digits = singleDigits(counts) & (~uint64_t{0} << (4 * d + 4));
    }
  }

  // ---- the rules, trial by trial ----------------------------------------------------------

  void singleCandidatesLiteral(const int16_t* cells) {
    for (int k = 0; k < 9; ++k) {
      const int i = cells[k];
      if (s_.board[i] != 0) continue;
      int found = 0, last = 0;
      for (int d = 1; d <= 9; ++d)
        if (trials_.fits(i, d)) {
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
        if (trials_.fits(i, d)) {
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
  const ScanLayout& l_;
  const bool deriving_;
  const bool quiet_;
  bool clean_ = false;
  bool givensSynced_ = false;
  // A clean field: unit digit masks and counts by scan number (one spare unit for the absent
  // second copy of a cell of one grid), candidates per distinct cell, where_ as described in
  // solver_layout.h (digit 0: the cells with one candidate), and the lists buildMasks makes.
  uint64_t where_[200];
  uint64_t counts_[unitCount + 1];
  uint16_t cand_[distinctCells];
  uint16_t mask_[unitCount + 1];
  int16_t empty_[distinctCells + 1];
  int16_t filled_[distinctCells + 1];
  int placed_[10];          // distinct cells holding each digit
  bool oddValues_ = false;  // a value above 9 somewhere: leave the counting to boardFull
  int empties_ = 0;  // empty distinct cells: empty_'s length once built, then one less a placement
  // A clean field: whether anything in a grid changed since its scan last began.
  bool changed_[10] = {true, true, true, true, true, true, true, true, true, true};
  // A field that is not clean is walked trial by trial on these.
  TrialCounts trials_;
};

int runPassesWith(PassRunner& runner) {
  int passes = 0;
  do ++passes;
  while (runner.pass() && passes < maxPasses);
  return passes;
}

int runPassesOn(GameState& s, EntryListener* listener) {
  PassRunner runner(s, listener);
  return runPassesWith(runner);
}

// One derivation from the board as it stands: solution, notSolvable, board left as it was.
int deriveOnce(GameState& s) {
  const CellArray boardBackup = s.board;
  PassRunner runner(s, nullptr, true);
  const int passes = runPassesWith(runner);
  s.notSolvable = !runner.boardFull();
  s.solution = s.board;
  s.board = boardBackup;
  return passes;
}

}  // namespace

void enterDigit(GameState& s, int grid, int col, int row, int digit, bool countWrong,
                EntryListener* listener) {
  const int i = cellIndex(grid, col, row);
  s.boardChanged = true;
  bool wrong = false;
  if (digit != 0 && s.solution[i] != 0) {
    if (isWrongEntry(s, i)) {
      wrong = true;
      if (countWrong) ++s.wrongCount;
    }
    if (countWrong && s.wrongCount == 3) {
      s.clockRunning = false;
      if (listener) listener->clockVoided();
    }
  }
  if (listener) listener->entryDrawn(grid, col, row, digit, wrong);
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
  PassRunner(s, listener).visit((grid - 1) * 27 + scanBox(boxOfCell(x0, y0)));
}
void solveRow(GameState& s, int grid, int y, EntryListener* listener) {
  PassRunner(s, listener).visit((grid - 1) * 27 + scanRow(y));
}
void solveColumn(GameState& s, int grid, int x, EntryListener* listener) {
  PassRunner(s, listener).visit((grid - 1) * 27 + scanColumn(x));
}
bool solvePass(GameState& s, EntryListener* listener) { return PassRunner(s, listener).pass(); }

int runPasses(GameState& s, EntryListener* listener) { return runPassesOn(s, listener); }

int solveBoard(GameState& s, EntryListener* listener) {
  const int passes = runPassesOn(s, listener);
  countDigits(s, s.digitCount);
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
