// The windows-level services the game asks of its front end: message boxes and dialogs, the
// menu bar, the cursor, the clock label, time, date and chance, and work in the background.
// Tests script the answers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "extras/champion.h"
#include "extras/hall_of_fame.h"
#include "logic/random.h"
#include "ui/canvas.h"

namespace tessarix {

enum class MessageIcon { None, Question, Information, Warning };
enum class SlotPurpose { Load, Save };
enum class PrintOutcome { Printed, Cancelled, Failed };

// What a print job draws: one page on the printer's canvas, whose printable area is width x
// height device pixels with its top-left corner at (0, 0).
using PageDrawing = std::function<void(Canvas& page, int width, int height)>;

// The name dialog of a new champion (askChampionName) is the Platform's too.
class Platform : public RandomSource, public ChampionPrompt {
 public:
  // A question with custom buttons ("&JA", "&NEIN"); returns the index of the chosen button.
  virtual int ask(const std::string& text, const std::vector<std::string>& buttons,
                  int defaultButton, MessageIcon icon) = 0;
  // A plain message with one OK button.
  virtual void showMessage(const std::string& text) = 0;
  // The slot dialog: returns the chosen slot 0..3, or -1 when cancelled. `preselected` is
  // boardSlot, the slot chosen last.
  virtual int chooseSlot(SlotPurpose purpose, int preselected) = 0;
  // The hall-of-fame dialog "Ruhmeshalle" over the tables, the tab of `level` selected. Returns
  // -1 when it was closed, or the level 0..3 of the tab whose list the player chose to clear
  // (after "Wirklich löschen?" was answered "&JA"); the game then clears, saves and shows it
  // again.
  virtual int showHallOfFame(const HallOfFame& tables, int level) = 0;
  // The about box; returns when it is closed.
  virtual void showAbout() = 0;
  // Shows a topic of the help bundle beside the game without waiting for it; false when the
  // topic cannot be shown.
  virtual bool showHelpTopic(const std::string& file, const std::string& topic) = 0;
  // One page to the printer under the job's document name: the printer is chosen (the default
  // one, else the system's print dialog), drawPage draws the page, the job ends. Cancelled when
  // the player cancelled the print dialog, Failed when anything else went wrong.
  virtual PrintOutcome print(const std::string& documentName, const PageDrawing& drawPage) = 0;

  virtual void setBusyCursor(bool busy) = 0;
  virtual void setMenuEnabled(bool enabled) = 0;
  virtual void setMenuChecked(int id, bool checked) = 0;
  virtual void setClockText(const std::string& text) = 0;
  // The 50 ms clock tick (Game::clockTick): the game starts it when a timed game starts and
  // stops it when the clock stops; it does not run while the game is idle.
  virtual void startClockTick() = 0;
  virtual void stopClockTick() = 0;

  // A monotonic clock in tenths of a second, and today's date as "TT.MM.JJJJ".
  virtual int64_t nowTenths() = 0;
  virtual std::string dateText() = 0;

  // A timed step of the game (the pause before a game loop ends): after the given time the
  // front end calls Game::timerFired once. Nothing sleeps meanwhile.
  virtual void startStepTimer(int milliseconds) = 0;
  // A job off the GUI thread: work runs in the background, then done runs on the GUI thread,
  // from the event loop (never inside this call). work touches nothing of the game; a job the
  // game no longer wants is told so by a flag of its own, and its done still runs, unless the
  // front end closes first (it then waits for the work to end and drops done).
  virtual void runInBackground(std::function<void()> work, std::function<void()> done) = 0;
  // Whether a mouse button is held down now (a dialog may have taken its release).
  virtual bool mouseButtonsDown() = 0;
  virtual void beep() = 0;
  // Ends the program (after "Spiel beenden?" was answered with "&JA").
  virtual void quit() = 0;
};

}  // namespace tessarix
