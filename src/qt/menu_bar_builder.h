// Builds the game's menu table into a QMenuBar: drop-down QMenus, separators and one QAction per
// command, each sending its menu id when chosen.
#pragma once

#include <QMenuBar>
#include <functional>
#include <map>
#include <vector>

#include "app/menu_table.h"

class QMenu;

namespace tessarix {

class MenuBarBuilder : public MenuBuilder {
 public:
  // onChosen receives the id of every chosen item, after the menu has closed; onAdded is told
  // of every command item as it is built.
  MenuBarBuilder(QMenuBar* bar, std::function<void(int)> onChosen,
                 std::function<void(int, QAction*)> onAdded = {});

  void appendItem(int id, const std::string& text) override;
  void appendSeparator() override;
  void beginPopup(const std::string& title) override;
  void endPopup() override;

  // The command items built so far, by id.
  const std::map<int, QAction*>& actions() const { return actions_; }

 private:
  QMenuBar* bar_;
  std::function<void(int)> onChosen_;
  std::function<void(int, QAction*)> onAdded_;
  std::vector<QMenu*> open_;
  std::map<int, QAction*> actions_;
};

}  // namespace tessarix
