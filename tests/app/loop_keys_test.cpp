// The play loop's keys and its button bar: N, K then O, F and C, a key whose press went
// elsewhere, the three ways out with their pause, and the buttons pressed by mouse and by key.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/keys.h"
#include "logic/check.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

// --- The loop's keys ----------------------------------------------------------------------------

TEST_F(PlayTest, NRestartsWithoutTheButtonsAnimation) {
  startPuzzle();
  GameState& s = game->state();
  const int i = emptyPlainCell();
  enter(i, solutionOf(i));
  canvas.ops.clear();
  typeKey('N');
  EXPECT_EQ(s.board, s.givens);
  EXPECT_TRUE(shownAt(i).blanked);
  EXPECT_EQ(shownAt(i).text, "");
  EXPECT_FALSE(barButtonLook(BarButton::Neustart).has_value());
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
}

TEST_F(PlayTest, KThenOSolvesEvenWithAnotherKeyBetweenAndVoidsTheClock) {
  startTimedGame();
  GameState& s = game->state();
  const CellArray board = s.board;
  typeKey('O');  // O alone does nothing
  EXPECT_EQ(s.board, board);
  EXPECT_TRUE(s.clockRunning);
  typeKey('K');
  EXPECT_TRUE(game->keyPrefix());
  typeKey('Z');
  typeKey('X');
  typeKey('O');
  EXPECT_FALSE(game->keyPrefix());
  EXPECT_EQ(s.board, s.solution);
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_EQ(game->clockText(), idleClock);
  EXPECT_FALSE(platform.ticking);
  EXPECT_TRUE(platform.championPrompts.empty());  // solved by the game, not timed
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(PlayTest, FAndCSetAndClearEveryMark) {
  startPuzzle();
  const GameState& s = game->state();
  const int i = emptyPlainCell();
  typeKey('F');
  EXPECT_TRUE(std::all_of(s.marks.begin(), s.marks.end(), [](uint8_t m) { return m == 1; }));
  for (int d = 1; d <= 9; ++d) EXPECT_TRUE(markShown(i, d)) << d;
  typeKey('C');
  EXPECT_EQ(s.marks, MarkArray{});
  for (int d = 1; d <= 9; ++d) EXPECT_FALSE(markShown(i, d)) << d;
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  // Shift does not turn F into C: a shifted F fills, a shifted C clears.
  typeKey('F' | keys::shift);
  EXPECT_TRUE(std::all_of(s.marks.begin(), s.marks.end(), [](uint8_t m) { return m == 1; }));
  typeKey('C' | keys::shift);
  EXPECT_EQ(s.marks, MarkArray{});
}

TEST_F(PlayTest, AKeyWhosePressDidNotReachTheLoopDoesNothing) {
  loadPuzzle();
  GameState& s = game->state();
  // The S that chose "Spielstart" in the menu is let go in the loop.
  game->input().keyPressed('S');
  game->menuEvent(10);
  game->input().keyReleased('S');
  EXPECT_TRUE(platform.slotRequests.empty());
  const int i = emptyPlainCell();
  enter(i, solutionOf(i));
  // A release alone.
  game->input().keyReleased('N');
  game->input().keyReleased(escape);
  EXPECT_EQ(s.board[i], solutionOf(i));
  EXPECT_TRUE(platform.stepTimers.empty());
  // Pressed and let go in the loop, it acts.
  typeKey('N');
  EXPECT_EQ(s.board[i], 0);
}

// Alt belongs to the menu's access keys and the menu is off in a loop; Ctrl belongs to undo
// and redo. In a timed game no other key with Alt or Ctrl does anything at all: the clock
// runs on, the entries and marks stay, nothing is drawn and nothing is asked.
struct ModifiedKeysCase {
  const char* name;
  std::vector<int> keys;
};

class ModifiedKeys : public PlayTest, public ::testing::WithParamInterface<ModifiedKeysCase> {};

TEST_P(ModifiedKeys, DoNothingInATimedGame) {
  startTimedGame();
  GameState& s = game->state();
  const int i = emptyPlainCell(0), marked = emptyPlainCell(1);
  clickCell(MouseButton::Right, marked);
  typeDigit(4);
  enter(i, solutionOf(i));
  const GameState before = s;
  const std::string hint = game->helpText();
  const size_t clockTexts = platform.clockTexts.size();
  canvas.ops.clear();

  for (int key : GetParam().keys) typeKey(key);

  EXPECT_TRUE(canvas.ops.empty());
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_TRUE(platform.ticking);
  EXPECT_EQ(platform.clockTexts.size(), clockTexts);
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.marks, before.marks);
  EXPECT_EQ(s.options.showCandidates, before.options.showCandidates);
  EXPECT_EQ(s.wrongCount, before.wrongCount);
  EXPECT_EQ(game->helpText(), hint);
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_EQ(game->cursorCell(), 0);
  EXPECT_FALSE(game->keyPrefix());
  EXPECT_TRUE(game->history().canUndo());
  EXPECT_TRUE(platform.stepTimers.empty());
  EXPECT_TRUE(platform.slotRequests.empty());
  EXPECT_TRUE(platform.printJobs.empty());
  EXPECT_TRUE(platform.helpTopics.empty());
  EXPECT_TRUE(platform.questions.empty());
  // Undo still acts with Ctrl, and the plain keys as ever.
  typeKey('Z' | keys::ctrl);
  EXPECT_EQ(s.board[i], 0);
  typeKey('N');
  EXPECT_EQ(s.board, s.givens);
}

constexpr int alt = keys::alt, ctrl = keys::ctrl, shift = keys::shift;

INSTANTIATE_TEST_SUITE_P(
    Loop, ModifiedKeys,
    ::testing::Values(
        // The menu's access letters, and every key of the loop, with Alt.
        ModifiedKeysCase{"AltT", {'T' | alt}}, ModifiedKeysCase{"AltN", {'N' | alt}},
        ModifiedKeysCase{"AltA", {'A' | alt}}, ModifiedKeysCase{"AltO", {'O' | alt}},
        ModifiedKeysCase{"AltW", {'W' | alt}}, ModifiedKeysCase{"AltH", {'H' | alt}},
        ModifiedKeysCase{"AltEsc", {escape | alt}},
        ModifiedKeysCase{"AltLSDF", {'L' | alt, 'S' | alt, 'D' | alt, 'F' | alt}},
        ModifiedKeysCase{"AltCM", {'C' | alt, 'M' | alt}},
        ModifiedKeysCase{"AltKThenO", {'K' | alt, 'O'}},
        ModifiedKeysCase{"AltDigit", {'5' | alt}},
        ModifiedKeysCase{"AltArrowEnter", {keys::right | alt, keys::enter | alt}},
        ModifiedKeysCase{"AltShiftT", {'T' | alt | shift}},
        ModifiedKeysCase{"AltUndoRedo", {'Z' | ctrl | alt, 'Y' | ctrl | alt}},
        // Every key but Z and Y with Ctrl.
        ModifiedKeysCase{"CtrlN", {'N' | ctrl}}, ModifiedKeysCase{"CtrlC", {'C' | ctrl}},
        ModifiedKeysCase{"CtrlA", {'A' | ctrl}}, ModifiedKeysCase{"CtrlT", {'T' | ctrl}},
        ModifiedKeysCase{"CtrlEsc", {escape | ctrl}},
        ModifiedKeysCase{"CtrlFM", {'F' | ctrl, 'M' | ctrl}},
        ModifiedKeysCase{"CtrlLSDH", {'L' | ctrl, 'S' | ctrl, 'D' | ctrl, 'H' | ctrl}},
        ModifiedKeysCase{"CtrlKThenO", {'K' | ctrl, 'O'}},
        ModifiedKeysCase{"CtrlDigit", {'5' | ctrl}},
        ModifiedKeysCase{"CtrlArrowEnterDelete",
                         {keys::down | ctrl, keys::enter | ctrl, keys::del | ctrl}},
        ModifiedKeysCase{"CtrlShiftN", {'N' | ctrl | shift}}),
    [](const auto& info) { return std::string(info.param.name); });

// The Esc that closed the keypad, the hall of fame after a win or a declined "Spiel
// beenden?" does not end the loop; the next Esc the player presses does, at once.
class EscapeAfter;
struct EscapeCase {
  const char* name;
  std::function<void(EscapeAfter&)> act;
};

class EscapeAfter : public PlayTest, public ::testing::WithParamInterface<EscapeCase> {
 public:
  using PlayTest::emptyPlainCell;
  using PlayTest::enter;
  using PlayTest::solutionOf;
  using PlayTest::typeCharacter;
  using PlayTest::clickCell;
  using PlayTest::game;
  using PlayTest::platform;
};

TEST_P(EscapeAfter, AFreshEscLeavesTheLoop) {
  startTimedGame();
  GetParam().act(*this);
  ASSERT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_TRUE(platform.stepTimers.empty());
  typeKey(escape);
  EXPECT_EQ(platform.stepTimers, std::vector<int>{200});
  game->timerFired();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Loop, EscapeAfter,
    ::testing::Values(
        EscapeCase{"TheKeypadsEsc",
                   [](EscapeAfter& t) {
                     t.clickCell(MouseButton::Left, t.emptyPlainCell());
                     t.typeCharacter(static_cast<char>(escape));
                   }},
        EscapeCase{"TheHallOfFameAfterAWin",
                   [](EscapeAfter& t) {
                     GameState& s = t.game->state();
                     const int last = t.emptyPlainCell();
                     for (int i = 0; i < 1000; ++i)
                       if (i != last && s.givens[i] == 0 && s.solution[i] != 0)
                         s.board[i] = s.solution[i];
                     t.enter(last, t.solutionOf(last));
                     ASSERT_EQ(t.platform.fameShowings.size(), 1u);
                   }},
        EscapeCase{"ADeclinedQuitQuestion",
                   [](EscapeAfter& t) {
                     t.platform.answers = {1};
                     ASSERT_FALSE(t.game->closeRequested());
                   }},
        // Held down in the loop while the question came: its release is the question's.
        EscapeCase{"AnEscHeldThroughTheQuestion",
                   [](EscapeAfter& t) {
                     t.game->input().keyPressed(escape);
                     t.platform.answers = {1};
                     ASSERT_FALSE(t.game->closeRequested());
                     t.game->input().keyReleased(escape);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// A, Esc and Abbruch: the button stays pressed through a pause of 200 ms in which input waits;
// then the loop is left. Only Esc sets the label to its idle text.
class LeavingTheLoop;
struct LeaveCase {
  const char* name;
  std::function<void(LeavingTheLoop&)> act;
  bool idleLabel;
};

class LeavingTheLoop : public PlayTest, public ::testing::WithParamInterface<LeaveCase> {
 public:
  using PlayTest::click;
  using PlayTest::typeKey;
};

TEST_P(LeavingTheLoop, PausesThenLeaves) {
  startTimedGame();
  GameState& s = game->state();
  const int i = emptyPlainCell();
  enter(i, solutionOf(i));
  platform.now += 75;
  game->clockTick();
  ASSERT_EQ(game->clockText(), " 00:00:07");
  canvas.ops.clear();

  GetParam().act(*this);
  EXPECT_EQ(platform.stepTimers, std::vector<int>{200});
  EXPECT_EQ(barButtonLook(BarButton::Abbruch), std::optional<bool>(true));
  EXPECT_FALSE(s.clockRunning);
  EXPECT_FALSE(platform.ticking);
  // Meanwhile keys, clicks and menu commands wait for nothing.
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  typeKey('N');
  clickCell(MouseButton::Left, emptyPlainCell());
  game->menuEvent(45);
  EXPECT_EQ(s.board[i], solutionOf(i));
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_TRUE(s.options.symmetryOn);
  EXPECT_EQ(platform.stepTimers.size(), 1u);

  game->timerFired();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_TRUE(platform.menuEnabled);
  EXPECT_EQ(game->clockText(), GetParam().idleLabel ? idleClock : " 00:00:07");
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), "Bitte Menupunkt auswählen!");
  game->timerFired();  // a late second firing changes nothing
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LeavingTheLoop,
    ::testing::Values(LeaveCase{"KeyA", [](LeavingTheLoop& t) { t.typeKey('A'); }, false},
                      LeaveCase{"Abbruch",
                                [](LeavingTheLoop& t) { t.click(MouseButton::Left, 844, 912); },
                                false},
                      LeaveCase{"Escape", [](LeavingTheLoop& t) { t.typeKey(escape); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The button bar -----------------------------------------------------------------------------

struct BarCase {
  BarButton button;
  int x;  // a column of its click range
  char key;
};

class BarButtons : public PlayTest, public ::testing::WithParamInterface<BarCase> {
 protected:
  // What the button did: the slot dialog asked, or the board restarted.
  void expectActed(size_t requestsBefore) {
    const BarButton b = GetParam().button;
    const bool asks = b == BarButton::Laden || b == BarButton::Sichern;
    ASSERT_EQ(platform.slotRequests.size(), requestsBefore + (asks ? 1 : 0));
    if (asks) {
      EXPECT_EQ(platform.slotRequests.back().purpose,
                b == BarButton::Laden ? SlotPurpose::Load : SlotPurpose::Save);
    }
    EXPECT_EQ(platform.printJobs.size(), b == BarButton::Drucken ? 1u : 0u);
    const GameState& s = game->state();
    EXPECT_EQ(s.board[entry] == 0, b == BarButton::Neustart);
    EXPECT_EQ(game->mode(), Game::Mode::Playing);
  }
  // A button whose action opens a dialog (the slots, the printer) shows pressed while it is open.
  void expectPressedInItsDialog(const std::optional<bool>& inDialog) {
    const BarButton b = GetParam().button;
    if (b == BarButton::Laden || b == BarButton::Sichern || b == BarButton::Drucken)
      EXPECT_EQ(inDialog, std::optional<bool>(true));
    else
      EXPECT_EQ(inDialog, std::nullopt);
  }
  void enterOne() {
    entry = emptyPlainCell();
    enter(entry, solutionOf(entry));
  }
  int entry = 0;
};

TEST_P(BarButtons, AMousePressActsAndTheButtonPopsUpOnTheRelease) {
  startPuzzle();
  enterOne();
  const BarCase& bc = GetParam();
  platform.buttonsDown = true;
  game->input().buttonPressed(MouseButton::Left, bc.x, 886);
  EXPECT_EQ(barButtonLook(bc.button), std::optional<bool>(true));
  expectActed(0);
  game->input().buttonReleased(MouseButton::Left, bc.x, 886);
  EXPECT_EQ(barButtonLook(bc.button), std::optional<bool>(false));
}

TEST_P(BarButtons, AfterADialogTookTheReleaseTheButtonPopsUpAtOnce) {
  startPuzzle();
  enterOne();
  const BarCase& bc = GetParam();
  platform.buttonsDown = false;
  std::optional<bool> inDialog;
  platform.whileInDialog = [&] { inDialog = barButtonLook(bc.button); };
  game->input().buttonPressed(MouseButton::Left, bc.x, 912);
  expectActed(0);
  expectPressedInItsDialog(inDialog);
  EXPECT_EQ(barButtonLook(bc.button), std::optional<bool>(false));
}

TEST_P(BarButtons, ItsKeyActsAndAnimatesAtOnceExceptN) {
  startPuzzle();
  enterOne();
  const BarCase& bc = GetParam();
  platform.buttonsDown = true;  // a key does not wait for the mouse
  std::optional<bool> inDialog;
  platform.whileInDialog = [&] { inDialog = barButtonLook(bc.button); };
  canvas.ops.clear();
  typeKey(bc.key);
  expectActed(0);
  expectPressedInItsDialog(inDialog);
  // N restarts without touching the bar; the others end raised.
  EXPECT_EQ(barButtonLook(bc.button),
            bc.button == BarButton::Neustart ? std::nullopt : std::optional<bool>(false));
  // Nothing is left held for the mouse's release.
  const size_t drawn = barButtonLooks(bc.button).size();
  game->input().buttonReleased(MouseButton::Left, 10, 10);
  EXPECT_EQ(barButtonLooks(bc.button).size(), drawn);
}

INSTANTIATE_TEST_SUITE_P(Bar, BarButtons,
                         ::testing::Values(BarCase{BarButton::Laden, 160, 'L'},
                                           BarCase{BarButton::Sichern, 431, 'S'},
                                           BarCase{BarButton::Drucken, 500, 'D'},
                                           BarCase{BarButton::Neustart, 719, 'N'},
                                           BarCase{BarButton::Hilfe, 720, 'H'}),
                         [](const auto& info) { return std::string(1, info.param.key); });

}  // namespace
}  // namespace tessarix::testing
