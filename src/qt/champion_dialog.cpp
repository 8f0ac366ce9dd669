// The name dialog's controls.
#include "qt/champion_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "extras/hall_of_fame.h"

namespace tessarix {

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

  field_->setMaxLength(fameNameLength);
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
