// Filling the QMenuBar from the menu table.
#include "qt/menu_bar_builder.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace tessarix {

MenuBarBuilder::MenuBarBuilder(QMenuBar* bar, std::function<void(int)> onChosen,
                               std::function<void(int, QAction*)> onAdded)
    : bar_(bar), onChosen_(std::move(onChosen)), onAdded_(std::move(onAdded)) {}

void MenuBarBuilder::appendItem(int id, const std::string& text) {
  const QString caption = QString::fromStdString(text);
  QAction* action = open_.empty() ? bar_->addAction(caption) : open_.back()->addAction(caption);
  action->setData(id);
  // The command runs once the menu has closed, not inside the menu's own event handling.
  QObject::connect(action, &QAction::triggered, bar_, [bar = bar_, chosen = onChosen_, id] {
    QTimer::singleShot(0, bar, [chosen, id] { chosen(id); });
  });
  actions_[id] = action;
  if (onAdded_) onAdded_(id, action);
}

void MenuBarBuilder::appendSeparator() {
  if (open_.empty())
    bar_->addSeparator();
  else
    open_.back()->addSeparator();
}

void MenuBarBuilder::beginPopup(const std::string& title) {
  const QString caption = QString::fromStdString(title);
  QMenu* menu = open_.empty() ? bar_->addMenu(caption) : open_.back()->addMenu(caption);
  open_.push_back(menu);
}

void MenuBarBuilder::endPopup() {
  if (!open_.empty()) open_.pop_back();
}

}  // namespace tessarix
