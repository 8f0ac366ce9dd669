// The name dialog of a new champion: a label, the name field, accept and cancel.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessarix {

// Modal. The field holds the name given, selected, and has the focus, and takes at most the
// hall of fame's name length in characters, and only characters the hall of fame's file can
// hold (others are refused as they are typed; control characters show as blanks). Enter and
// "&Eintragen" accept; Esc, "&Abbrechen" and the close box cancel.
class ChampionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ChampionDialog(const QString& name, QWidget* parent = nullptr);

  QString name() const;
  QLabel* label() const { return label_; }
  QLineEdit* nameField() const { return field_; }
  QPushButton* acceptButton() const { return accept_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  QLabel* label_;
  QLineEdit* field_;
  QPushButton* accept_;
  QPushButton* cancel_;
};

}  // namespace tessarix
