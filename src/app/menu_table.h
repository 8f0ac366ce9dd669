// The menu bar as a table of strings, and the builder that reads it in order.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessarix {

class Platform;
struct GameState;

namespace menu {
// The ids of the menu's commands, as the table's strings carry them before the colon.
enum Id : int {
  About = 1,
  NewGame = 8,
  StartGame = 10,  // "&Spielstart": the board as it stands, played without the clock
  OwnBoard = 11,
  PrintedGame = 12,
  LoadBoard = 20,
  SaveBoard = 21,
  SolveBoard = 22,
  ShuffleBoard = 24,
  Restart = 25,
  ClearBoard = 26,
  PrintBoard = 27,
  FreshPuzzles = 28,  // "&Neue Rätsel erzeugen": new games deal newly made puzzles
  LevelEasy = 30,  // to LevelExtreme = 33: LevelEasy + level
  LevelMedium = 31,
  LevelHard = 32,
  LevelExtreme = 33,
  Digits = 40,
  Letters = 41,
  Candidates = 44,
  Symmetry = 45,
  TrackMarks = 48,  // "Markierungen nachführen": an entry removes its value's marks around it
  ShowHallOfFame = 50,
  Instructions = 60,
  Quit = 99,
};
}  // namespace menu

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

// The check marks from the state: the level, digits or letters, the candidates while shown,
// the symmetry and the newly made puzzles while on; all of them cleared first.
void updateMenuChecks(const GameState& state, Platform& platform);

}  // namespace tessarix
