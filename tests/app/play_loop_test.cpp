// The play loop as a player meets it: cell clicks and the keypad, the marks, letters mode, the
// wrong entries and the clock, a finished game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "app/keys.h"
#include "logic/check.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

// The keypad button drawn light grey in the last drawing of the keypad at `c`, 0 for none.
int highlightedButton(const RecordingCanvas& canvas, const CellRef& c) {
  const Point k = keypadCorner(c);
  std::array<int, 10> fill{};
  for (const DrawOp& op : canvas.ops) {
    const int dx = op.x1 - k.x, dy = op.y1 - k.y;
    if (op.kind != OpKind::FilledBox || op.x2 != op.x1 + 15 || op.y2 != op.y1 + 15) continue;
    if (dx < 0 || dy < 0 || dx > 30 || dy > 30 || dx % 15 || dy % 15) continue;
    fill[dy / 15 * 3 + dx / 15 + 1] = op.state.fillColor;
  }
  int lit = 0;
  for (int n = 1; n <= 9; ++n)
    if (fill[n] == 7) lit = lit ? -1 : n;
  return lit;
}

// --- The keypad ---------------------------------------------------------------------------------

TEST_F(PlayTest, TheKeypadOpensOverTheCellFollowsThePointerAndPutsTheBackgroundBack) {
  startPuzzle();
  const int i = emptyPlainCell();
  const CellRef c = cellOf(i);
  const Point k = keypadCorner(c);
  canvas.ops.clear();
  clickCell(MouseButton::Left, i);
  ASSERT_TRUE(game->keypadOpen());
  EXPECT_EQ(game->helpText(), helpDigitKeypad);
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpDigitKeypad);
  // Nothing is chosen yet: no button is lit.
  EXPECT_EQ(highlightedButton(canvas, c), 0);

  // The highlight follows the pointer over the buttons; outside the keypad it stays.
  for (int n : {8, 2, 9}) {
    moveTo(keypadButton(c, n));
    EXPECT_EQ(highlightedButton(canvas, c), n);
    EXPECT_EQ(game->keypadValue(), n);
  }
  moveTo({k.x + 60, k.y + 60});
  EXPECT_EQ(highlightedButton(canvas, c), 9);
  EXPECT_TRUE(game->keypadOpen());

  canvas.ops.clear();
  typeDigit(solutionOf(i));
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(game->state().board[i], solutionOf(i));
  // No pixels were kept: what the keypad covered was drawn again, clipped to a box around its
  // square, and every clip was lifted again.
  EXPECT_TRUE(canvas.of(OpKind::Capture).empty());
  EXPECT_TRUE(keypadSquareRepainted(canvas.ops, c));
  EXPECT_EQ(canvas.of(OpKind::ClearClip).size(), canvas.of(OpKind::Clip).size());
  const Shown shown = shownAt(i);
  EXPECT_EQ(shown.text, std::to_string(solutionOf(i)));
  EXPECT_EQ(shown.colour, colourBlue);
  EXPECT_EQ(game->helpText(), helpAfterKeypad);
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpAfterKeypad);
}

TEST_F(PlayTest, TheHintAfterTheKeypadIsLongerWithLargeFonts) {
  canvas.large = true;
  startPuzzle();
  enter(emptyPlainCell(), 1);
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), std::string(helpAfterKeypad) + "   ");
}

// What a player does with a keypad opened over a cell that holds a correct entry, and the value
// the cell ends with. `stays` is the case that leaves the keypad open and the cell as it was.
class KeypadActions;
struct KeypadCase {
  const char* name;
  std::function<void(KeypadActions&, const CellRef&, int other)> act;
  enum { Other, Old, Cleared, Stays } result;
  bool escapeIgnored = false;
};

class KeypadActions : public PlayTest, public ::testing::WithParamInterface<KeypadCase> {
 public:
  using PlayTest::clickAt;
  using PlayTest::moveTo;
  using PlayTest::typeCharacter;
  using PlayTest::typeDigit;
  using PlayTest::typeKey;
  // A character typed with its key held together with modifier flags (Alt, Ctrl).
  void typeWith(char c, int modifiers) {
    const int key = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : static_cast<unsigned char>(c);
    game->input().keyPressed(key | modifiers);
    game->input().characterTyped(static_cast<unsigned char>(c));
    game->input().keyReleased(key);
  }
};

TEST_P(KeypadActions, EndWithTheirValue) {
  const KeypadCase& k = GetParam();
  startPuzzle();
  const int i = emptyPlainCell();
  const CellRef c = cellOf(i);
  const int old = solutionOf(i);
  const int other = old % 9 + 1;
  enter(i, old);  // keypadValue is now `old`
  ASSERT_EQ(game->keypadValue(), old);
  clickCell(MouseButton::Left, i);
  ASSERT_TRUE(game->keypadOpen());
  ASSERT_EQ(highlightedButton(canvas, c), old);
  const int countOld = game->state().digitCount[old];
  canvas.ops.clear();

  k.act(*this, c, other);

  GameState& s = game->state();
  EXPECT_TRUE(platform.slotRequests.empty());
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  if (k.result == KeypadCase::Stays) {
    EXPECT_TRUE(game->keypadOpen());
    EXPECT_EQ(s.board[i], old);
    EXPECT_FALSE(keypadSquareRepainted(canvas.ops, c));
    EXPECT_EQ(game->helpText(), helpDigitKeypad);
    return;
  }
  const int want = k.result == KeypadCase::Other ? other : k.result == KeypadCase::Old ? old : 0;
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(s.board[i], want);
  EXPECT_EQ(s.wrongCount, want == other ? 1 : 0);
  const Shown shown = shownAt(i);
  EXPECT_TRUE(shown.blanked);
  EXPECT_EQ(shown.text, want ? std::to_string(want) : "");
  if (want) {
    EXPECT_EQ(shown.colour, want == old ? colourBlue : colourBrightRed);
  }
  EXPECT_TRUE(keypadSquareRepainted(canvas.ops, c));
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpAfterKeypad);
  EXPECT_EQ(game->ignoreEscape(), k.escapeIgnored);
  // The count of the old value follows; the same value again leaves the panel as it stands.
  EXPECT_EQ(s.digitCount[old], countOld - (want == old ? 0 : 1));
  EXPECT_EQ(canvas.lastTextAt(95 + 24 * old, 805),
            want == old ? "" : digitCountText(s.digitCount[old]));

  // The release of the key that closed the keypad did not end the loop; an Esc pressed and
  // let go in the loop afterwards does, also after the keypad's own Esc.
  EXPECT_TRUE(platform.stepTimers.empty());
  typeKey(escape);
  EXPECT_EQ(platform.stepTimers, std::vector<int>{200});
  EXPECT_FALSE(game->ignoreEscape());
}

const KeypadCase keypadCases[] = {
    {"TypedDigit", [](KeypadActions& t, const CellRef&, int o) { t.typeDigit(o); },
     KeypadCase::Other},
    {"TypedZero", [](KeypadActions& t, const CellRef&, int) { t.typeCharacter('0'); },
     KeypadCase::Cleared},
    {"TypedEsc",
     [](KeypadActions& t, const CellRef&, int) { t.typeCharacter(static_cast<char>(escape)); },
     KeypadCase::Cleared, true},
    {"RightClickInside",
     [](KeypadActions& t, const CellRef& c, int) {
       t.clickAt(MouseButton::Right, keypadButton(c, 5));
     },
     KeypadCase::Cleared},
    {"RightClickOnTheBar",
     [](KeypadActions& t, const CellRef&, int) {
       t.clickAt(MouseButton::Right, {300, 895});
     },
     KeypadCase::Cleared},
    {"MoveThenClick",
     [](KeypadActions& t, const CellRef& c, int o) {
       t.moveTo(keypadButton(c, o));
       t.clickAt(MouseButton::Left, keypadButton(c, o));
     },
     KeypadCase::Other},
    // A press somewhere else than the last move is a move first.
    {"PressWithoutMove",
     [](KeypadActions& t, const CellRef& c, int o) {
       t.clickAt(MouseButton::Left, keypadButton(c, o));
     },
     KeypadCase::Other},
    // The pointer has not moved since the keypad opened: the carried-over value is entered,
    // not the button under the pointer.
    {"ClickWhereItOpened",
     [](KeypadActions& t, const CellRef& c, int) { t.clickAt(MouseButton::Left, cellCentre(c)); },
     KeypadCase::Old},
    {"LeftClickOutside",
     [](KeypadActions& t, const CellRef& c, int) {
       const Point corner = keypadCorner(c);
       t.clickAt(MouseButton::Left, {corner.x + 45, corner.y + 20});
     },
     KeypadCase::Stays},
    {"LeftClickOnTheBar",
     [](KeypadActions& t, const CellRef&, int) {
       t.clickAt(MouseButton::Left, {300, 895});
     },
     KeypadCase::Stays},
    {"LoopKeys",
     [](KeypadActions& t, const CellRef&, int) {
       for (int key : {'N', 'S', 'L', 'K', 'O', 'F', 'M'}) t.typeKey(key);
     },
     KeypadCase::Stays},
    {"OtherCharacters",
     [](KeypadActions& t, const CellRef&, int) {
       for (char ch : {'a', 'n', ' ', '-'}) t.typeCharacter(ch);
     },
     KeypadCase::Stays},
    // Alt belongs to the menu, Ctrl to undo and redo: neither types into the keypad.
    {"DigitsWithAltOrCtrl",
     [](KeypadActions& t, const CellRef&, int o) {
       for (int modifiers : {keys::alt, keys::ctrl, keys::ctrl | keys::shift})
         for (char ch : {static_cast<char>('0' + o), '0', static_cast<char>(escape)})
           t.typeWith(ch, modifiers);
     },
     KeypadCase::Stays},
};

INSTANTIATE_TEST_SUITE_P(Keypad, KeypadActions, ::testing::ValuesIn(keypadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, TheKeypadValueCarriesOverToTheNextKeypad) {
  startPuzzle();
  const int a = emptyPlainCell(0), b = emptyPlainCell(1), c = emptyPlainCell(2);
  // Chosen with the pointer in one keypad, it is lit in the next one and a click that does not
  // move enters it.
  clickCell(MouseButton::Left, a);
  moveTo(keypadButton(cellOf(a), 6));
  clickAt(MouseButton::Left, keypadButton(cellOf(a), 6));
  EXPECT_EQ(game->state().board[a], 6);
  clickCell(MouseButton::Left, b);
  EXPECT_EQ(highlightedButton(canvas, cellOf(b)), 6);
  clickCell(MouseButton::Left, b);  // the cell's middle lies on button 5
  EXPECT_EQ(game->state().board[b], 6);
  // A typed digit becomes the value too.
  enter(c, 3);
  clickCell(MouseButton::Left, a);
  EXPECT_EQ(highlightedButton(canvas, cellOf(a)), 3);
  typeCharacter(static_cast<char>(escape));
  EXPECT_EQ(game->state().board[a], 0);
}

// --- Marks and the right button -----------------------------------------------------------------

TEST_F(PlayTest, TheRightButtonOpensTheKeypadForTheMarksOfBothCopies) {
  startPuzzle();
  const GameState& s = game->state();
  const int i = emptySharedCell();
  const int m = mirrorOf(i);
  const CellRef c = cellOf(i), cm = cellOf(m);
  auto marksOf = [&](const CellRef& r) {
    std::vector<int> on;
    for (int d = 0; d <= 9; ++d)
      if (s.mark(r.grid, r.col, r.row, d)) on.push_back(d);
    return on;
  };
  using Marks = std::vector<int>;

  clickCell(MouseButton::Right, i);
  ASSERT_TRUE(game->keypadOpen());
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpMarksKeypad);
  typeDigit(5);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpAfterKeypad);
  EXPECT_EQ(marksOf(c), Marks{5});
  EXPECT_EQ(marksOf(cm), Marks{5});
  EXPECT_TRUE(markShown(i, 5));

  // Typed digits and a click toggle; "0" and Esc only close the keypad.
  clickCell(MouseButton::Right, i);
  typeDigit(7);
  clickCell(MouseButton::Right, i);
  moveTo(keypadButton(c, 2));
  clickAt(MouseButton::Left, keypadButton(c, 2));
  EXPECT_EQ(marksOf(c), (Marks{2, 5, 7}));
  clickCell(MouseButton::Right, i);
  typeDigit(5);
  EXPECT_EQ(marksOf(c), (Marks{2, 7}));
  EXPECT_EQ(marksOf(cm), (Marks{2, 7}));
  EXPECT_FALSE(markShown(i, 5));
  for (char ch : {'0', static_cast<char>(escape)}) {
    clickCell(MouseButton::Right, i);
    typeCharacter(ch);
    EXPECT_FALSE(game->keypadOpen());
    EXPECT_EQ(marksOf(c), (Marks{2, 7}));
  }
  EXPECT_EQ(s.board[i], 0);

  // A right click in the keypad clears every mark of the cell, in both copies.
  clickCell(MouseButton::Right, i);
  clickAt(MouseButton::Right, keypadButton(c, 1));
  EXPECT_EQ(marksOf(c), Marks{});
  EXPECT_EQ(marksOf(cm), Marks{});
  EXPECT_FALSE(markShown(i, 2));
  EXPECT_FALSE(markShown(i, 7));
  EXPECT_EQ(s.board[i], 0);
}

TEST_F(PlayTest, ARightClickClearsAnEntryAtOnceAndCluesStayUntouched) {
  startPuzzle();
  GameState& s = game->state();
  const int i = emptySharedCell();
  enter(i, solutionOf(i));
  ASSERT_EQ(s.board[mirrorOf(i)], solutionOf(i));
  canvas.ops.clear();
  clickCell(MouseButton::Right, i);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(s.board[i], 0);
  EXPECT_EQ(s.board[mirrorOf(i)], 0);
  EXPECT_TRUE(shownAt(i).blanked);
  EXPECT_EQ(shownAt(i).text, "");
  EXPECT_TRUE(canvas.of(OpKind::Capture).empty());

  const int clue = clueCell();
  const CellArray board = s.board;
  for (MouseButton b : {MouseButton::Left, MouseButton::Right}) {
    canvas.ops.clear();
    clickCell(b, clue);
    EXPECT_FALSE(game->keypadOpen());
    EXPECT_EQ(s.board, board);
    EXPECT_TRUE(canvas.of(OpKind::Capture).empty());
    EXPECT_FALSE(shownAt(clue).blanked);
  }
}

TEST_F(PlayTest, AClickIntoASharedBoxEntersTheUpperCopyAndBothShowIt) {
  startPuzzle();
  const GameState& s = game->state();
  for (const SharedPair& p : sharedPairs) {
    SCOPED_TRACE(p.upper * 10 + p.lower);
    int upper = 0, lower = 0;
    for (int c = 1; c <= 3 && !upper; ++c)
      for (int r = 1; r <= 3 && !upper; ++r)
        if (s.board[cellIndex(p.upper, c + p.upperCol, r + p.upperRow)] == 0) {
          upper = cellIndex(p.upper, c + p.upperCol, r + p.upperRow);
          lower = cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow);
        }
    ASSERT_NE(upper, 0);
    // Aimed at by the lower grid's own cell coordinates: the same pixels.
    canvas.ops.clear();
    clickCell(MouseButton::Left, lower);
    typeDigit(solutionOf(upper));
    EXPECT_EQ(s.board[upper], solutionOf(upper));
    EXPECT_EQ(s.board[lower], solutionOf(upper));
    // The two copies lie on the same pixels, which show the value.
    const Point at = cellCorner(cellOf(upper));
    EXPECT_EQ(canvas.lastTextAt(at.x + 8, at.y + 1), std::to_string(s.board[upper]));
  }
}

// --- Letters mode -------------------------------------------------------------------------------

TEST_F(PlayTest, InLettersModeTheKeypadTakesLettersAndItsKeysActNoMore) {
  loadPuzzle();
  game->menuEvent(41);
  game->menuEvent(10);
  const GameState& s = game->state();
  const int i = emptyPlainCell(0), j = emptyPlainCell(1), k = emptyPlainCell(2);

  clickCell(MouseButton::Left, i);
  typeDigit(4);  // digits mean nothing here
  EXPECT_TRUE(game->keypadOpen());
  EXPECT_EQ(s.board[i], 0);
  canvas.ops.clear();
  typeCharacter('d');
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(s.board[i], 4);
  EXPECT_EQ(shownAt(i).text, "D");
  // The release of D did not press "Drucken".
  EXPECT_FALSE(barButtonLook(BarButton::Drucken).has_value());

  // "c" typed into the marks keypad toggles mark 3; its release clears no marks.
  clickCell(MouseButton::Right, j);
  typeCharacter('a');
  clickCell(MouseButton::Right, k);
  typeCharacter('c');
  const CellRef cj = cellOf(j), ck = cellOf(k);
  EXPECT_TRUE(s.mark(cj.grid, cj.col, cj.row, 1));
  EXPECT_TRUE(s.mark(ck.grid, ck.col, ck.row, 3));

  // A is the value 1 here, not Abbruch; Esc still ends the loop.
  typeKey('A');
  EXPECT_TRUE(platform.stepTimers.empty());
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  typeKey(escape);
  EXPECT_EQ(platform.stepTimers, std::vector<int>{200});
  game->timerFired();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
}

// --- Wrong entries and the clock ----------------------------------------------------------------

TEST_F(PlayTest, WrongEntriesAreRedCountedOnceAndTheThirdVoidsTheClock) {
  startTimedGame();
  const GameState& s = game->state();
  const int shared = emptySharedCell();
  const std::vector<int> plain = {emptyPlainCell(0), emptyPlainCell(1), emptyPlainCell(2),
                                  emptyPlainCell(3)};

  enter(shared, wrongDigitFor(shared));
  EXPECT_EQ(s.wrongCount, 1);
  EXPECT_EQ(shownAt(shared).colour, colourBrightRed);
  // The redraws of F and C paint it red again without counting it again.
  for (int key : {'F', 'C', 'F'}) {
    canvas.ops.clear();
    typeKey(key);
    EXPECT_EQ(s.wrongCount, 1);
    EXPECT_TRUE(shownAt(shared).blanked);
    EXPECT_EQ(shownAt(shared).colour, colourBrightRed);
  }
  enter(plain[0], solutionOf(plain[0]));  // a right one is blue and not counted
  EXPECT_EQ(shownAt(plain[0]).colour, colourBlue);
  enter(plain[1], wrongDigitFor(plain[1]));
  EXPECT_EQ(s.wrongCount, 2);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_TRUE(platform.ticking);
  platform.now += 75;
  game->clockTick();
  EXPECT_EQ(game->clockText(), " 00:00:07");

  platform.clockTexts.clear();
  enter(plain[2], wrongDigitFor(plain[2]));
  EXPECT_EQ(s.wrongCount, 3);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(platform.clockTexts, std::vector<std::string>{idleClock});

  // Later ones change nothing more.
  const int starts = platform.tickStarts;
  enter(plain[3], wrongDigitFor(plain[3]));
  platform.now += 100;
  game->clockTick();
  EXPECT_FALSE(s.clockRunning);
  EXPECT_EQ(platform.clockTexts, std::vector<std::string>{idleClock});
  EXPECT_EQ(platform.tickStarts, starts);
  EXPECT_EQ(shownAt(plain[3]).colour, colourBrightRed);
}

TEST_F(PlayTest, ATimedGameSolvedThroughTheKeypadRecordsItsFinishAndPlaysOn) {
  platform.now = 1000;
  startTimedGame();
  const GameState& s = game->state();
  const std::vector<int> cells = emptyCells();
  ASSERT_GT(cells.size(), 10u);
  platform.now = 1000 + 10 * 3723;  // 1 h 2 min 3 s
  for (size_t n = 0; n < cells.size(); ++n) {
    const int i = cells[n];
    ASSERT_NE(solutionOf(i), 0);
    ASSERT_TRUE(platform.championPrompts.empty()) << "finished before cell " << n;
    if (n % 2) {
      enter(i, solutionOf(i));
    } else {
      clickCell(MouseButton::Left, i);
      moveTo(keypadButton(cellOf(i), solutionOf(i)));
      clickAt(MouseButton::Left, keypadButton(cellOf(i), solutionOf(i)));
    }
  }
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_EQ(platform.championPrompts.size(), 1u);
  EXPECT_EQ(game->finishTime(), "01:02:03.0");
  ASSERT_GE(platform.clockTexts.size(), 2u);
  EXPECT_EQ(platform.clockTexts[platform.clockTexts.size() - 2], "01:02:03.0");
  EXPECT_EQ(platform.clockTexts.back(), idleClock);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_FALSE(game->gameSolved());
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_FALSE(platform.menuEnabled);

  // The finish is recorded once: a later click finds the clock stopped.
  clickCell(MouseButton::Left, clueCell());
  EXPECT_EQ(platform.championPrompts.size(), 1u);
}

}  // namespace
}  // namespace tessarix::testing
