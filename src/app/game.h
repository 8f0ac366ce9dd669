// The Game: the whole state of a run, the menu commands, the game loops as modes and what the
// screen shows of it, painted by one refresh after each event. The front end forwards menu ids,
// the close button, the clock tick, the timed step and the window's input events.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/game_clock.h"
#include "app/input_router.h"
#include "app/kept_game.h"
#include "app/kept_game_file.h"
#include "app/menu_table.h"
#include "app/platform.h"
#include "app/refreshing_platform.h"
#include "extras/hall_of_fame.h"
#include "logic/game_state.h"
#include "logic/moves.h"
#include "logic/next_step.h"
#include "logic/position_history.h"
#include "logic/solver.h"
#include "ui/button_bar.h"
#include "ui/canvas.h"
#include "ui/cell_frame.h"
#include "ui/cell_hit.h"
#include "ui/field_layout.h"
#include "ui/screen_look.h"
#include "ui/state_keeping_canvas.h"

namespace tessarix {

// The help panel's line that explains a solver step: the value, and the rule that puts it in
// its cell.
std::string hintTextFor(const SolverStep& step, bool digitMode);

class Game : private EntryListener, private InputTarget {
 public:
  // What the game is doing between two events: nothing (menu), a game loop, the own-board entry.
  enum class Mode { Idle, Playing, OwnBoard };

  Game(Canvas& canvas, Platform& platform);
  ~Game() override;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- Start-up and quitting ---------------------------------------------------------------
  // The state, the hall of fame, the menu bar with its check marks and the opening screen, in
  // the order of start-up.
  void startUp(MenuBuilder& menu);
  // "Spiel beenden?": on "&JA" the front end is told to quit and true is returned; on "&NEIN"
  // nothing changes and false is returned.
  bool confirmQuit();
  // The window's close button: asks as confirmQuit; a declined question sets ignoreEscape.
  // Returns true when the program ends.
  bool closeRequested();
  // The game in progress the last run left in the game directory, taken up where it was (in
  // its loop, its clock going on from the time played); from here on this copy keeps the game
  // in progress there after every change. A damaged file is set aside with a message; a file
  // another copy of the game owns is neither taken up nor written, and that is said once.
  void resumeKeptGame();

  // --- Commands ----------------------------------------------------------------------------
  // One menu command: prologue, the command of the id, and, once no game loop runs any more,
  // the common epilogue. Unknown ids run only prologue and epilogue.
  void menuEvent(int id);

  // --- Input -------------------------------------------------------------------------------
  // The front end forwards the window's events here; the router asks the Game by its mode.
  InputRouter& input() { return input_; }
  // The timed step asked for with startStepTimer has come due.
  void timerFired();
  // The window was minimised or hidden: a timed game pauses (game_pause.cpp).
  void windowHidden();

  // --- The clock ---------------------------------------------------------------------------
  // Every 50 ms from the front end's timer, which runs only while a timed game runs: the label
  // follows the elapsed time whenever its second has moved on; once the clock stops it writes
  // nothing.
  void clockTick();
  void updateClock();

  // --- The picture -------------------------------------------------------------------------
  // The whole screen as it stands, drawn from the state onto the canvas from scratch (a new
  // scale, a new canvas).
  void drawPicture();

  // --- State, for the front end and the tests ----------------------------------------------
  GameState& state() { return state_; }
  const GameState& state() const { return state_; }
  Mode mode() const { return mode_; }
  const std::string& helpText() const { return helpText_; }
  const std::string& dataFile() const { return dataFile_; }
  const std::string& finishTime() const { return finishTime_; }
  bool ignoreEscape() const { return ignoreEscape_; }
  bool gameSolved() const { return gameSolved_; }
  bool ownBoardMode() const { return mode_ == Mode::OwnBoard; }
  int givenCount() const { return look_.givenCount; }
  int64_t startTime() const { return clock_.startTime(); }
  const std::string& clockText() const { return clock_.text(); }
  const HallOfFame& hallOfFame() const { return hallOfFame_; }
  const PositionHistory& history() const { return history_; }
  // The cell the hint frames (its leading copy), or 0.
  int hintCell() const { return hint_ ? hint_->cell : 0; }
  bool quitting() const { return quitting_; }
  // A, Esc or Abbruch ended the loop; its pause still runs.
  bool leavingLoop() const { return pendingStep_ != PendingStep::None; }
  // A new puzzle is being made in the background ("Neue Rätsel erzeugen").
  bool generating() const { return generation_ != nullptr; }
  bool keypadOpen() const { return keypad_.open; }
  int keypadValue() const { return keypadValue_; }
  int boardSlot() const { return boardSlot_; }
  bool keyPrefix() const { return keyPrefix_; }
  // The play loop is paused: the clock stopped, the field covered (P).
  bool paused() const { return paused_; }
  // The cell under the keyboard cursor (its leading copy), or 0 while the cursor is hidden.
  int cursorCell() const { return cursorCell_; }

 private:
  // EntryListener: what enterDigit does beyond the arrays (the cell shown as entered).
  void entryDrawn(int grid, int col, int row, int digit, bool wrong) override;
  void clockVoided() override;

  // --- What the screen shows (screen_look.h): the handlers change it as the rules change the
  // screen; the refresh paints it. Nothing here draws.
  void showOpeningScreen();
  // Every cell as it stands, with the counts and the marks.
  void showBoard();
  // The statistics panel afresh (its head row in the mode now), its counts and the status.
  void showStatistics();
  void showDigitCounts();
  // The level panel's line: the clue count and the level.
  void showLevelLine();
  // The help panel afresh with helpText, or only the line written over what it read.
  void showHelpPanel();
  void showHelpLine();
  // The candidates worked out again where they are shown, and the marks shown.
  void refreshCandidates();
  // The solver's passes on the field as it stands, shown as they place; the counts and the
  // status; the message when the field is not solved.
  void solveAndReport();

  // The handlers of the commands, some of them also steps of another command.
  void newGame();
  // A puzzle of the level dealt from its file at random (or the one just made for this game)
  // and shuffled; false when the file could not be loaded (the board stays as it was).
  bool dealPuzzle();
  // A slot of the level file drawn at random and loaded; a file missing or refused is named.
  bool loadLevelSlot();

  // "Neue Rätsel erzeugen" (game_generation.cpp): "&Neues Spiel" and "Spieldruck" chosen while
  // it is on first have their puzzle made in the background, the window live meanwhile; the
  // command runs once the puzzle is there. Any command chosen before drops it without a trace.
  struct Generation;
  void startGeneration(int id);
  void generationFinished(Generation& job);
  void cancelGeneration();
  // The puzzle made as the dealt one: clues only, no marks, the clock not yet running.
  void takeFreshPuzzle();
  // "Spieldruck": a dealt puzzle printed, then played without the clock.
  void printedGame();
  void solveCommand();
  void shuffleCommand();
  void restartCommand();
  void clearCommand();
  // The status panel's text after checkBoard, and the beep of a field that breaks a rule
  // although every entry agrees with the solution.
  void checkAndShowStatus();

  // The game loops. A command that ends in one enters its mode; the epilogue of the command
  // runs when the mode is left.
  void playLoop();
  void ownBoardLoop();
  void enterLoop(Mode mode);
  void leaveLoop();
  // A, Esc and Abbruch: the button stays pressed, the pause runs as a timed step, then the
  // loop is left.
  void abortLoop(bool byEscape);
  void commandEpilogue();
  // K, O: the solve command without the menu.
  void solveShortcut();
  // A button of the bar pressed by its key or by the mouse: shown pressed, its action, up again.
  void barButtonPressed(BarButton b, bool byMouse);

  // InputTarget: the router's steps.
  InputMode inputMode() const override;
  uint64_t inputEpoch() const override { return inputEpoch_; }
  void pointerMoved(int x, int y) override;
  void loopKeyPressed(int key) override;
  void loopKeyReleased(int key) override;
  void loopButtonPressed(MouseButton button, const LoopHit& hit) override;
  void buttonReleased(MouseButton button) override;
  void keypadButtonPressed(MouseButton button, int x, int y) override;
  void keypadCharacterTyped(int code) override;
  void inputHandled() override;

  // After each event, and before a dialog opens in the middle of one (so that it opens over
  // the screen as it stands): the canvas painted where what it holds differs from what the
  // screen shows (the cursor hidden first once a click has closed the keypad it opened, or the
  // loop has ended). Paints nothing where nothing differs.
  void refresh();

  // The keyboard cursor: the arrows move it over the cells, Enter and Space act as a left
  // click on its cell, Delete and Backspace clear its cell as the right button does. Returns
  // whether the key was one of these.
  bool cursorKeyReleased(int key);
  // T: the hint, or its value entered when it was the key before; returns whether it acted.
  bool hintKeyReleased(int key);
  // The hint's frame goes, and with restoreHelpLine the help panel's line too, when it still
  // says a hint's text (also that of a hint already entered).
  void dropHint(bool restoreHelpLine);
  // "0" to "9": the value highlighted everywhere, or none; returns whether the key was one.
  bool highlightKeyReleased(int key);
  void setHighlight(int digit);
  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z (keys::isUndo, keys::isRedo): a step back or forth.
  void historyKeyReleased(int key);
  // What the event just handled changed in the position becomes a step of the history; an
  // event of the menu or of a loop that starts a new history (a load, M) records nothing.
  void recordMove();
  // The cells an undo or redo changed, shown as they stand, with the counts, status and marks.
  void showChangedCells(const std::vector<int>& cells);
  // A cell shown as it stands (its clue or entry; the marks are showMarks').
  void showCell(int cell);
  // A click of a mouse button at the cursor's cell.
  void clickAtCursor(MouseButton button);
  void showCursorAt(int cell);
  // The frame goes and the cell is shown as it is.
  void hideCursor();

  // Cell input and the keypad: a click on a cell of the play loop or of the own-board entry.
  void cellClicked(MouseButton button, const CellRef& cell);
  void handleCellClick(MouseButton button, const CellRef& cell);
  void ownBoardCellClick(MouseButton button, const CellRef& cell);
  // A solved field while the clock runs: the finish is recorded.
  void finishTest();
  void openKeypad(const CellRef& cell, bool marksMode);
  void keypadPointerMoved(int x, int y);
  void clearFromKeypad();
  void toggleMark(int digit);
  // A value chosen in a keypad of values (0 clears).
  void keypadChose(int value);
  // A move applied to the state, with the game listening to its entries (the only way the
  // game changes the position once a game runs).
  void play(const Move& move);
  void keypadClosed();
  // The help line after a keypad or a hint: "Bitte ein Feld anklicken! ".
  void askForCellAgain();
  // An entry (0 clears) shown and judged through enterDigit, the lower copy shown too.
  void enterCell(const CellRef& cell, int digit);
  // The own-board entry's clues, in both copies of a shared cell.
  void enterClue(const CellRef& cell, int digit);
  void removeClue(const CellRef& cell);

  // The saved boards in "brett.trx": the slot dialog, then loading or saving.
  // Returns whether the player chose a slot (a board was loaded, or refused with a message).
  bool loadBoardDialog();
  void saveBoardDialog();
  void deriveWithBusyCursor();

  // The front end's clock tick runs exactly while a timed game's clock runs.
  void followClock();
  // The hall of fame from "Champions.Rhm" at start-up; a file that cannot be read or is
  // damaged is reported, and kept as it is for the run.
  void readHallOfFame();
  // A solved timed game's finish time offered to the hall of fame, the file's messages, then
  // the dialog.
  void enterChampion();
  // The dialog "Ruhmeshalle"; a level the player cleared is saved and the dialog shown again.
  // The Esc that closed it does not end a game loop (ignoreEscape).
  void showHallOfFame();

  // The game in progress into its file when anything a next run needs has changed (always:
  // also when only the time played has); a finished game's file goes (game_keeping.cpp).
  void keepGame(bool always = false);
  bool gameToKeep() const;
  KeptGame keptGame() const;
  void takeUp(KeptGame kept);

  // The pause (game_pause.cpp): P pauses, P, Esc or a click goes on; while paused no other
  // key or click acts. pausedKeyReleased returns whether the pause took the key.
  bool canPause() const;
  void pauseGame();
  void endPause();
  bool pausedKeyReleased(int key);
  // The time played: stopped at its value while paused.
  int64_t playedTenths() const;

  // The board on one page of the printer; "Druckerfehler!" when the job fails.
  void printBoard();
  // A topic of the help bundle; the message when it cannot be shown.
  void showHelpTopic(const std::string& topic);

  StateKeepingCanvas canvas_;
  // The front end, the screen refreshed before every dialog (refresh).
  RefreshingPlatform platform_;
  GameState state_;
  HallOfFame hallOfFame_;
  bool fameFileKept_ = false;  // "Champions.Rhm" is never written this run (see readHallOfFame)
  Mode mode_ = Mode::Idle;

  std::string helpText_;  // what the game last wrote into the help panel's line
  std::string dataFile_;
  std::string finishTime_;
  // The Esc that closed the keypad, the hall of fame or a declined "Spiel beenden?" does not
  // also end the game loop. The pairing of presses and releases already drops every release
  // whose press went elsewhere; the flag stops only an Esc that was held down in the loop
  // while the question came. A fresh Esc press in a loop clears it.
  bool ignoreEscape_ = false;
  bool gameSolved_ = false;
  bool quitting_ = false;
  bool commandRunning_ = false;  // between a command's prologue and its end or its game loop

  GameClock clock_{platform_};

  std::string championName_;  // the name last accepted in the hall of fame this run

  // Input: the router, the pairing epoch, the loops' key state.
  InputRouter input_{static_cast<InputTarget&>(*this)};
  uint64_t inputEpoch_ = 0;
  bool keyPrefix_ = false;                  // K was released: O solves
  std::optional<BarButton> heldBarButton_;  // pressed by the mouse, up on its release
  enum class PendingStep { None, Leave, LeaveAfterEscape };
  PendingStep pendingStep_ = PendingStep::None;

  // The keypad over a cell. keypadValue carries over from one keypad to the next.
  struct Keypad {
    bool open = false;
    bool marksMode = false;  // opened by the right button: it edits the pencil marks
    bool cleared = false;    // closed by a right click
    CellRef cell{};
    int left = 0, top = 0;
  };
  Keypad keypad_;
  int keypadValue_ = 0;
  int boardSlot_ = 0;  // the slot chosen last in the slot dialog

  PositionHistory history_;

  std::shared_ptr<Generation> generation_;  // the puzzle being made; the only owner
  std::optional<CellArray> freshClues_;     // made, and not yet dealt

  // The hint on the screen: the framed cell, the solver's step (none for a wrong entry), and
  // whether a T now enters it.
  struct Hint {
    int cell = 0;
    std::optional<SolverStep> step;
    bool armed = false;
  };
  std::optional<Hint> hint_;
  bool hintOnHelpLine_ = false;  // the help panel's line is a hint's text

  // --- What the screen shows (game_picture.cpp) ----------------------------------------------
  void showGiven(int cell, int digit);
  void showEntry(int cell, int digit, bool wrong);
  void noteCellShown(int cell, const ShownCell& look);
  // The marks of every empty cell, as drawCandidates draws them.
  void showMarks();
  // A text written over the help line, which keeps what the text does not reach.
  void noteHelpLine(const std::string& text);
  void showBar();
  void showBarButton(BarButton b, bool pressed);
  // The bar's strip erased to the window's colour.
  void hideBar();
  // The look's frames, pause and keypad as the play interface stands.
  void lookAtInterface();
  // The picture of the look on the canvas, or with `region` the part of it in that box; the
  // canvas's drawing state stays as it was.
  void paint(const CellBox* region);
  ScreenLook look_;
  // The look the canvas holds (nothing: the canvas holds nothing of it yet).
  std::optional<ScreenLook> painted_;

  // The game in progress on disk: the file, once this copy owns it; what was kept last (the
  // history's revision and the play state it was kept with); the time played then.
  struct KeptState {
    uint64_t revision = 0;
    Mode mode = Mode::Idle;
    Options options;
    int wrongCount = 0;
    bool timed = false;
    friend bool operator==(const KeptState&, const KeptState&) = default;
  };
  KeptState keptStateNow() const;
  std::unique_ptr<KeptGameFile> keptFile_;
  std::optional<KeptState> kept_;  // nothing: no file of this copy stands
  int64_t keptPlayedTenths_ = 0;
  bool keepFailureSaid_ = false;

  bool paused_ = false;
  int64_t pausedTenths_ = 0;  // the time played when the pause began

  int cursorCell_ = 0;              // 0: the cursor is hidden
  bool hideCursorAfterKeypad_ = false;  // a click into a keypad the cursor opened
};

}  // namespace tessarix
