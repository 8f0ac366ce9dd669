// The hall-of-fame dialog "Ruhmeshalle": the ten best of each level on four tabs.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "extras/hall_of_fame.h"

class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace tessarix {

// A modal dialog over the tables, the tab of `level` selected. It only reports the player's
// choice; the game clears and saves. "&OK", Esc and the close box close it (clearedLevel -1).
// "&Löschen" asks confirmClear: yes closes it with the selected tab's level as clearedLevel,
// no leaves it open as it was.
class HallOfFameDialog : public QDialog {
  Q_OBJECT

 public:
  HallOfFameDialog(const HallOfFame& tables, int level, std::function<bool()> confirmClear,
                   QWidget* parent = nullptr);

  // The level whose list the player chose to clear, or -1.
  int clearedLevel() const { return cleared_; }
  QTabWidget* tabs() const { return tabs_; }
  QTreeWidget* list(int level) const { return lists_[static_cast<size_t>(level)]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* clearButton() const { return clear_; }

 private:
  void clearClicked();

  QTabWidget* tabs_;
  std::array<QTreeWidget*, fameLevels> lists_{};
  QPushButton* ok_;
  QPushButton* clear_;
  std::function<bool()> confirmClear_;
  int cleared_ = -1;
};

}  // namespace tessarix
