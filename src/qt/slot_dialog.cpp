// The slot dialog's controls and the keys and clicks that choose a slot.
#include "qt/slot_dialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QVBoxLayout>
#include <functional>

#include "qt/canvas_paint.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

// An option button that tells when the mouse clicked it or its access key (Alt+1 to Alt+4)
// was pressed: both choose it at once. A radio button also reports arrow keys and Space as
// `clicked`, so only a left button released on it after a press on it counts as a click.
class SlotOption : public QRadioButton {
 public:
  SlotOption(const QString& text, QWidget* parent, std::function<void()> onChosen)
      : QRadioButton(text, parent), onChosen_(std::move(onChosen)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool clicked =
        event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint());
    QRadioButton::mouseReleaseEvent(event);
    if (clicked) onChosen_();
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
      onChosen_();
      return true;
    }
    return QRadioButton::event(event);
  }

 private:
  std::function<void()> onChosen_;
};

}  // namespace

SlotDialog::SlotDialog(SlotPurpose purpose, int preselected, QWidget* parent)
    : QDialog(parent),
      group_(new QButtonGroup(this)),
      ok_(new QPushButton(QStringLiteral("&OK"), this)),
      cancel_(new QPushButton(QStringLiteral("&Abbrechen"), this)) {
  setWindowTitle(purpose == SlotPurpose::Load ? QStringLiteral("Welches Brett laden?")
                                              : QStringLiteral("Sichern unter ..."));
  QFont dialogFont(QStringLiteral("Liberation Sans"));
  dialogFont.setStyleHint(QFont::SansSerif);
  setFont(dialogFont);
  QPalette colours = palette();
  // The window's own colour.
  colours.setColor(QPalette::Window, paletteColor(colorWindow));
  setPalette(colours);
  setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(this);
  group_->setExclusive(true);
  for (int slot = 0; slot < 4; ++slot) {
    options_[slot] = new SlotOption(QStringLiteral("Nr. &%1").arg(slot + 1), this,
                                    [this, slot] { choose(slot); });
    group_->addButton(options_[slot], slot);
    layout->addWidget(options_[slot]);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, [this] {
    // With no option set (a preselection outside 0 to 3) there is nothing to confirm.
    if (group_->checkedId() >= 0)
      choose(group_->checkedId());
    else
      reject();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  if (preselected >= 0 && preselected < 4) {
    options_[preselected]->setChecked(true);
    options_[preselected]->setFocus(Qt::OtherFocusReason);
  }
}

void SlotDialog::choose(int slot) {
  options_[slot]->setChecked(true);
  chosen_ = slot;
  accept();
}

int SlotDialog::slotOf(const QObject* widget) const {
  for (int slot = 0; slot < 4; ++slot)
    if (options_[slot] == widget) return slot;
  return -1;
}

void SlotDialog::keyPressEvent(QKeyEvent* event) {
  // Keys the focused control does not take itself (the option buttons keep the arrow keys and
  // Space, the push buttons Space and Enter) arrive here.
  const QString text = event->text();
  if (text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('4')) {
    choose(text[0].unicode() - '1');
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (const int slot = slotOf(focusWidget()); slot >= 0) choose(slot);
      return;
    case Qt::Key_Escape: reject(); return;
    default: return;  // any other key does nothing
  }
}

}  // namespace tessarix
