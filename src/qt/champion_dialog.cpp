// The name dialog's controls.
#include "qt/champion_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "extras/champion.h"
#include "extras/hall_of_fame.h"

namespace tessarix {

namespace {

// Lets into the field only what the hall of fame's file can keep, as the game decides it: a
// character its code page cannot hold is refused as it is typed, and so is a name longer than
// the field; a control character shows as the blank it will be stored as. An accent typed
// apart from its letter is joined to it first, so "e" and a combining acute make one "é".
class StorableNameValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    const QString composed = input.normalized(QString::NormalizationForm_C);
    // A lone surrogate (half of a character) cannot be stored, and UTF-8 would hide it.
    for (const QChar c : composed)
      if (c.isSurrogate()) return Invalid;
    const std::optional<std::string> stored = nameAsStored(composed.toStdString());
    if (!stored) return Invalid;
    const QString shown = QString::fromStdString(*stored);
    if (shown != input) {
      pos = std::clamp(pos - static_cast<int>(input.size() - shown.size()), 0,
                       static_cast<int>(shown.size()));
      input = shown;
    }
    return Acceptable;
  }
};

}  // namespace

ChampionDialog::ChampionDialog(const QString& name, QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(QStringLiteral("Neuer Rekord! Bitte Namen eingeben:"), this)),
      field_(new QLineEdit(this)),
      accept_(new QPushButton(QStringLiteral("&Eintragen"), this)),
      cancel_(new QPushButton(QStringLiteral("&Abbrechen"), this)) {
  setWindowTitle(QStringLiteral("Neuer Rekord"));
  QFont dialogFont(QStringLiteral("Liberation Sans"));
  dialogFont.setStyleHint(QFont::SansSerif);
  setFont(dialogFont);

  // Every character the file holds is one UTF-16 unit, so the length counts characters.
  field_->setMaxLength(fameNameLength);
  field_->setValidator(new StorableNameValidator(field_));
  field_->setText(name);
  // Selected, so that another player's name simply replaces it and Enter keeps it.
  field_->selectAll();
  field_->setMinimumWidth(300);
  label_->setBuddy(field_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(field_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(accept_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  // Enter in the field presses the default button.
  accept_->setDefault(true);
  connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  field_->setFocus(Qt::OtherFocusReason);
}

QString ChampionDialog::name() const { return field_->text(); }

}  // namespace tessarix
