// The windows-level services the game asks of its front end: message boxes and dialogs, the
// menu bar, the cursor, the clock label, time, date and chance. Tests script the answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "extras/champion.h"
#include "logic/random.h"

namespace tessarix {

enum class MessageIcon { None, Question, Information, Warning };
enum class SlotPurpose { Load, Save };

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
  // Whether a mouse button is held down now (a dialog may have taken its release).
  virtual bool mouseButtonsDown() = 0;
  virtual void beep() = 0;
  // Ends the program (after "Spiel beenden?" was answered with "&JA").
  virtual void quit() = 0;
};

}  // namespace tessarix
