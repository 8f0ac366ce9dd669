// The about box's labels, its link label and its OK button.
#include "qt/about_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef TESSARIX_VERSION
#error "TESSARIX_VERSION comes from the project's version in CMake"
#endif

namespace tessarix {

namespace {

// A label that reports a left click on it: the whole label is the link.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
      : QLabel(text, parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      onClick_();
  }

 private:
  std::function<void()> onClick_;
};

QFont dialogFont(int pointSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace

AboutDialog::AboutDialog(std::function<void(const QString&)> openAddress, QWidget* parent)
    : QDialog(parent), ok_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("Inf"));
  setWindowTitle(QStringLiteral("über Tessarix"));
  setFont(dialogFont(0, false));

  auto* name = new QLabel(QStringLiteral("Tessarix"), this);
  name->setObjectName(QStringLiteral("lbl1"));
  name->setFont(dialogFont(20, true));
  auto* version = new QLabel(QStringLiteral("Version " TESSARIX_VERSION), this);
  version->setObjectName(QStringLiteral("lbl20"));
  auto* what = new QLabel(
      QStringLiteral("Ein Sudoku aus neun ineinander verschränkten 9 × 9-Gittern:\n"
                     "zwölf gemeinsame Blöcke, 621 Felder, vier Schwierigkeitsgrade."),
      this);
  what->setObjectName(QStringLiteral("lbl21"));

  const QString address = QString::fromLatin1(projectAddress);
  link_ = new LinkLabel(address, this, [address, openAddress] { openAddress(address); });
  link_->setObjectName(QStringLiteral("lbl28"));
  QFont linkFont = dialogFont(0, false);
  linkFont.setUnderline(true);
  link_->setFont(linkFont);
  QPalette linkColours = link_->palette();
  linkColours.setColor(QPalette::WindowText, QColor(0, 0, 0xC0));
  link_->setPalette(linkColours);
  link_->setCursor(Qt::PointingHandCursor);
  link_->setToolTip(QStringLiteral("Die Webseite im Browser öffnen"));

  ok_->setObjectName(QStringLiteral("cmd15"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->setSpacing(8);
  for (QLabel* label : {name, version, what, link_}) {
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessarix
