// The Platform on Qt: message boxes with German buttons, the busy cursor, the menu bar's state
// and check marks, the clock label, time, date, chance, the timed step and beep, the help window
// and the about box, and the background jobs. Tests answer the questions through hooks instead of
// real message boxes.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <random>

#include "app/platform.h"
#include "qt/background_jobs.h"
#include "qt/help_window.h"

class QAction;
class QDialog;

namespace tessarix {

class QtPlatform : public Platform {
 public:
  explicit QtPlatform(QWidget* window);
  ~QtPlatform() override;

  // The menu bar, and its command items by id as they are built.
  void setMenuBar(QMenuBar* bar) { menuBar_ = bar; }
  void addMenuAction(int id, QAction* action) { actions_[id] = action; }
  void setClockLabel(QLabel* label) { clockLabel_ = label; }
  // The window's clock timer, which the game starts and stops.
  void setClockTimer(QTimer* timer) { clockTimer_ = timer; }
  // The single-shot timer of the game's timed steps.
  void setStepTimer(QTimer* timer) { stepTimer_ = timer; }
  bool stepTimerRunning() const { return stepTimer_ && stepTimer_->isActive(); }
  bool clockTickRunning() const { return clockTimer_ && clockTimer_->isActive(); }

  int ask(const std::string& text, const std::vector<std::string>& buttons, int defaultButton,
          MessageIcon icon) override;
  void showMessage(const std::string& text) override;
  int chooseSlot(SlotPurpose purpose, int preselected) override;
  int showHallOfFame(const HallOfFame& tables, int level) override;
  void showAbout() override;
  bool showHelpTopic(const std::string& file, const std::string& topic) override;
  PrintOutcome print(const std::string& documentName, const PageDrawing& drawPage) override;
  // Every print job goes to this PDF file, without asking (empty: the printer).
  void setPrintFile(const std::string& path) { printFile_ = path; }
  // The help window once a topic was shown in it (null before).
  HelpWindow* helpWindow() const { return helpWindow_; }
  // Opens a web address in the browser (through openUrlHook when a test set it).
  void openUrl(const std::string& address);
  void setBusyCursor(bool busy) override;
  void setMenuEnabled(bool enabled) override;
  void setMenuChecked(int id, bool checked) override;
  void setClockText(const std::string& text) override;
  void startClockTick() override;
  void stopClockTick() override;
  int64_t nowTenths() override;
  std::string dateText() override;
  int randomInt(int n) override;
  void startStepTimer(int milliseconds) override;
  void runInBackground(std::function<void()> work, std::function<void()> done) override;
  // Background jobs started and not yet finished.
  int jobsRunning() const { return jobs_.running(); }
  bool mouseButtonsDown() override;
  Answer askChampionName(const std::string& championName) override;
  void beep() override;
  void quit() override;

  // Test hooks. answerHook answers ask() (text, buttons, default) with a button index instead
  // of a message box; messageHook takes showMessage's text; quitHook replaces ending the program.
  std::function<int(const std::string&, const std::vector<std::string>&, int)> answerHook;
  std::function<void(const std::string&)> messageHook;
  std::function<void()> quitHook;
  // Runs once the real slot dialog is shown, from inside its modal loop, so that a test can send
  // it real key and mouse events; the dialog must be closed by the time it returns.
  std::function<void(QDialog*)> slotDialogHook;
  // The same for the about box.
  std::function<void(QDialog*)> aboutDialogHook;
  // Takes the web address the about box's link asks to open, instead of the browser.
  std::function<void(const std::string&)> openUrlHook;
  // Like slotDialogHook, for the hall-of-fame dialog and the name dialog of a new champion.
  std::function<void(QDialog*)> fameDialogHook;
  std::function<void(QDialog*)> championDialogHook;
  // Answers the name dialog of a new champion (given the name last accepted this run) without
  // showing it; it wins over championDialogHook.
  std::function<Answer(const std::string&)> championNameHook;
  // Questions and messages seen, in order (kept with or without hooks).
  std::vector<std::string> asked;

 private:
  // Every modal dialog of the game runs here; returns its result.
  int runModal(QDialog& dialog);

  QPointer<QWidget> window_;
  QPointer<QMenuBar> menuBar_;
  std::map<int, QAction*> actions_;
  QPointer<QLabel> clockLabel_;
  QPointer<QTimer> clockTimer_;
  QPointer<QTimer> stepTimer_;
  QPointer<HelpWindow> helpWindow_;
  QElapsedTimer clock_;
  SeededRandom random_;  // seeded from the system's entropy at start
  bool busy_ = false;
  std::string printFile_;
  BackgroundJobs jobs_;
};

}  // namespace tessarix
