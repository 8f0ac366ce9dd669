// A Platform with scripted answers: what the Game asks of the front end, answered from queues
// the test fills, with every question, message and request recorded. Used by the Game's tests,
// the soak and the event fuzzer; it needs no test framework.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/platform.h"
#include "logic/random.h"
#include "support/recording_canvas.h"

namespace tessarix::testing {

class ScriptedPlatform : public Platform {
 public:
  struct Question {
    std::string text;
    std::vector<std::string> buttons;
    int defaultButton;
  };
  struct SlotRequest {
    SlotPurpose purpose;
    int preselected;
  };

  // Answers to ask(), in order; without one left the default button is chosen.
  std::deque<int> answers;
  // Answers to chooseSlot(), in order; without one left the dialog counts as cancelled (-1).
  std::deque<int> slotAnswers;
  // Numbers randomInt returns first (each taken modulo n); then a seeded generator.
  std::deque<int> forcedRandom;
  int64_t now = 1000;  // tenths of a second
  // Runs while a question is open, as events reaching the game from inside a message box.
  std::function<void()> whileAsking;
  // Runs while the hall of fame is open.
  std::function<void()> whileShowingFame;
  // Runs while the slot dialog or the print dialog is open.
  std::function<void()> whileInDialog;

  std::vector<Question> questions;
  std::vector<std::string> messages;
  std::vector<SlotRequest> slotRequests;
  std::map<int, bool> checks;
  bool menuEnabled = true;
  bool busy = false;
  int busyCount = 0;
  std::vector<std::string> clockTexts;
  int beeps = 0;
  std::vector<int> stepTimers;  // the timed steps asked for, in milliseconds
  bool buttonsDown = false;     // what mouseButtonsDown answers
  // The name dialog: the names it was pre-filled with; answers in order (default: cancelled).
  std::vector<std::string> championPrompts;
  std::deque<Answer> championAnswers;
  int quits = 0;
  // The hall-of-fame dialog: each showing with a copy of the tables and the level of its
  // selected tab; answers in order (default: closed, -1).
  struct FameShowing {
    HallOfFame tables;
    int level;
  };
  std::vector<FameShowing> fameShowings;
  std::deque<int> fameAnswers;
  int aboutShown = 0;
  // The help topics asked for (file, topic); helpAvailable is what showHelpTopic answers.
  std::vector<std::pair<std::string, std::string>> helpTopics;
  bool helpAvailable = true;
  // Print jobs by document name; printOutcome is what each ends with, and a printed page is
  // drawn on printCanvas with the printable area printWidth x printHeight.
  std::vector<std::string> printJobs;
  PrintOutcome printOutcome = PrintOutcome::Printed;
  RecordingCanvas printCanvas;
  int printWidth = 6600, printHeight = 4800;
  bool ticking = false;  // the clock tick, as the game last started or stopped it
  // The background jobs asked for and not yet run; runJobs runs them, in order.
  struct Job {
    std::function<void()> work, done;
  };
  std::deque<Job> jobs;
  int tickStarts = 0;

  int ask(const std::string& text, const std::vector<std::string>& buttons, int defaultButton,
          MessageIcon) override {
    questions.push_back({text, buttons, defaultButton});
    if (whileAsking) whileAsking();
    if (answers.empty()) return defaultButton;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  int chooseSlot(SlotPurpose purpose, int preselected) override {
    slotRequests.push_back({purpose, preselected});
    if (whileInDialog) whileInDialog();
    if (slotAnswers.empty()) return -1;
    const int a = slotAnswers.front();
    slotAnswers.pop_front();
    return a;
  }
  void setBusyCursor(bool b) override {
    if (b && !busy) ++busyCount;
    busy = b;
  }
  void setMenuEnabled(bool enabled) override { menuEnabled = enabled; }
  void setMenuChecked(int id, bool checked) override { checks[id] = checked; }
  void setClockText(const std::string& text) override { clockTexts.push_back(text); }
  void startClockTick() override {
    ticking = true;
    ++tickStarts;
  }
  void stopClockTick() override { ticking = false; }
  int64_t nowTenths() override { return now; }
  std::string dateText() override { return "10.12.2026"; }
  int randomInt(int n) override {
    if (!forcedRandom.empty()) {
      const int v = forcedRandom.front() % n;
      forcedRandom.pop_front();
      return v;
    }
    return seeded_.randomInt(n);
  }
  void startStepTimer(int milliseconds) override { stepTimers.push_back(milliseconds); }
  void runInBackground(std::function<void()> work, std::function<void()> done) override {
    jobs.push_back({std::move(work), std::move(done)});
  }
  // Each job waiting, as the front end runs it: its work, then its done on the game's thread.
  // Returns how many ran.
  int runJobs() {
    int ran = 0;
    while (!jobs.empty()) {
      Job job = std::move(jobs.front());
      jobs.pop_front();
      job.work();
      job.done();
      ++ran;
    }
    return ran;
  }
  bool mouseButtonsDown() override { return buttonsDown; }
  Answer askChampionName(const std::string& name) override {
    championPrompts.push_back(name);
    Answer a;
    if (!championAnswers.empty()) {
      a = championAnswers.front();
      championAnswers.pop_front();
    }
    return a;
  }
  int showHallOfFame(const HallOfFame& tables, int level) override {
    fameShowings.push_back({tables, level});
    if (whileShowingFame) whileShowingFame();
    if (fameAnswers.empty()) return -1;
    const int a = fameAnswers.front();
    fameAnswers.pop_front();
    return a;
  }
  void showAbout() override { ++aboutShown; }
  bool showHelpTopic(const std::string& file, const std::string& topic) override {
    helpTopics.emplace_back(file, topic);
    return helpAvailable;
  }
  PrintOutcome print(const std::string& documentName, const PageDrawing& drawPage) override {
    printJobs.push_back(documentName);
    if (whileInDialog) whileInDialog();
    if (printOutcome == PrintOutcome::Printed) drawPage(printCanvas, printWidth, printHeight);
    return printOutcome;
  }
  void beep() override { ++beeps; }
  void quit() override { ++quits; }

  std::vector<int> checkedIds() const {
    std::vector<int> ids;
    for (const auto& [id, on] : checks)
      if (on) ids.push_back(id);
    return ids;
  }

 private:
  SeededRandom seeded_{20261210};
};

}  // namespace tessarix::testing
