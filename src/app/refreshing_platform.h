// The front end's services as the Game uses them: each is handed on to the front end, and before
// anything that waits for the player (a message, a question, a dialog, the print job) the screen
// is refreshed, so that the dialog opens over the screen as the state stands.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/platform.h"

namespace tessarix {

class RefreshingPlatform : public Platform {
 public:
  RefreshingPlatform(Platform& target, std::function<void()> refresh)
      : target_(target), refresh_(std::move(refresh)) {}

  int ask(const std::string& text, const std::vector<std::string>& buttons, int defaultButton,
          MessageIcon icon) override {
    refresh_();
    return target_.ask(text, buttons, defaultButton, icon);
  }
  void showMessage(const std::string& text) override {
    refresh_();
    target_.showMessage(text);
  }
  int chooseSlot(SlotPurpose purpose, int preselected) override {
    refresh_();
    return target_.chooseSlot(purpose, preselected);
  }
  int showHallOfFame(const HallOfFame& tables, int level) override {
    refresh_();
    return target_.showHallOfFame(tables, level);
  }
  void showAbout() override {
    refresh_();
    target_.showAbout();
  }
  PrintOutcome print(const std::string& documentName, const PageDrawing& drawPage) override {
    refresh_();
    return target_.print(documentName, drawPage);
  }
  Answer askChampionName(const std::string& championName) override {
    refresh_();
    return target_.askChampionName(championName);
  }

  // The help viewer runs beside the game; the rest does not wait for the player.
  bool showHelpTopic(const std::string& file, const std::string& topic) override {
    return target_.showHelpTopic(file, topic);
  }
  void setBusyCursor(bool busy) override { target_.setBusyCursor(busy); }
  void setMenuEnabled(bool enabled) override { target_.setMenuEnabled(enabled); }
  void setMenuChecked(int id, bool checked) override { target_.setMenuChecked(id, checked); }
  void setClockText(const std::string& text) override { target_.setClockText(text); }
  void startClockTick() override { target_.startClockTick(); }
  void stopClockTick() override { target_.stopClockTick(); }
  int64_t nowTenths() override { return target_.nowTenths(); }
  std::string dateText() override { return target_.dateText(); }
  void startStepTimer(int milliseconds) override { target_.startStepTimer(milliseconds); }
  void runInBackground(std::function<void()> work, std::function<void()> done) override {
    target_.runInBackground(std::move(work), std::move(done));
  }
  bool mouseButtonsDown() override { return target_.mouseButtonsDown(); }
  void beep() override { target_.beep(); }
  void quit() override { target_.quit(); }
  int randomInt(int n) override { return target_.randomInt(n); }

 private:
  Platform& target_;
  std::function<void()> refresh_;
};

}  // namespace tessarix
