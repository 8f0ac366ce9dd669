// The slot dialog: which of the four saved boards to load, or where to save the board.
#pragma once

#include <QDialog>
#include <array>

#include "app/platform.h"

class QButtonGroup;
class QKeyEvent;
class QPushButton;
class QRadioButton;

namespace tessarix {

// A modal dialog that only returns the player's choice; the game loads or saves afterwards.
// It never acts by accident: "1" to "4" choose that slot at once, Enter the option that has the
// focus, a mouse click an option or its access key (Alt+1 to Alt+4) that option, "&OK" the
// checked option; arrow keys and Space only move the choice, Esc, "&Abbrechen" and the close box
// cancel, every other key does nothing.
class SlotDialog : public QDialog {
  Q_OBJECT

 public:
  SlotDialog(SlotPurpose purpose, int preselected, QWidget* parent = nullptr);

  // The slot chosen, 0 to 3, or -1 while nothing is chosen or when the dialog was cancelled.
  int chosenSlot() const { return chosen_; }
  QRadioButton* option(int slot) const { return options_[slot]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void choose(int slot);
  int slotOf(const QObject* widget) const;

  std::array<QRadioButton*, 4> options_{};
  QButtonGroup* group_;
  QPushButton* ok_;
  QPushButton* cancel_;
  int chosen_ = -1;
};

}  // namespace tessarix
