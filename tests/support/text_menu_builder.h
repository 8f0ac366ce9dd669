// A MenuBuilder for tests that writes the menu bar as one line: "[title" ... "]" around drop-down
// menus, "id:text" items and "-" separators, separated by blanks.
#pragma once

#include <string>

#include "app/menu_table.h"

namespace tessarix::testing {

class TextMenuBuilder : public MenuBuilder {
 public:
  std::string text;
  void appendItem(int id, const std::string& t) override { add(std::to_string(id) + ":" + t); }
  void appendSeparator() override { add("-"); }
  void beginPopup(const std::string& title) override { add("[" + title); }
  void endPopup() override { add("]"); }

 private:
  void add(const std::string& part) { text += (text.empty() ? "" : " ") + part; }
};

}  // namespace tessarix::testing
