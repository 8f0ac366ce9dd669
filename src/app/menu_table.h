// The menu bar as a table of strings, and the builder that reads it in order.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessarix {

class Platform;
struct GameState;

// The strings of the menu bar, read in order: "id:text" a command item, "-" a separator, a text
// without a colon the title of a drop-down menu whose entries follow, ">text" a nested drop-down,
// "" the end of the current drop-down menu (at the top level: the end of the bar).
std::span<const std::string_view> menuTable();

// What the front end does while the table is read: the Qt side fills a QMenuBar and QMenus.
class MenuBuilder {
 public:
  virtual ~MenuBuilder() = default;
  virtual void appendItem(int id, const std::string& text) = 0;
  virtual void appendSeparator() = 0;
  // A drop-down menu titled title: the items up to the matching endPopup belong to it.
  virtual void beginPopup(const std::string& title) = 0;
  virtual void endPopup() = 0;
};

// Reads the whole table from its first string and builds the bar.
void buildMenu(MenuBuilder& builder);
// Reads one drop-down menu from position pos (just after its title) up to its closing empty
// string, recursively for nested ones; pos is left after that empty string.
void buildPopup(MenuBuilder& builder, std::span<const std::string_view> table, size_t& pos);

// The check marks from the state: 30 + level, 40 or 41 for the display mode, 44 while the
// candidates are shown, 45 while the symmetry is on; 30..33, 40, 41, 44, 45 cleared first.
void updateMenuChecks(const GameState& state, Platform& platform);

}  // namespace tessarix
