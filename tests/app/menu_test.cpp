// The menu bar read from its table, and the check marks that follow the state.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "app/menu_table.h"
#include "app_fixture.h"

namespace tessarix::testing {
namespace {

// The bar as drop-down menus: the titles of the bar and, per drop-down, its item ids and texts.
class MenuShape : public MenuBuilder {
 public:
  struct Popup {
    std::string title;
    std::vector<std::pair<int, std::string>> items;
  };
  std::vector<Popup> popups;
  int depth = 0;
  void appendItem(int id, const std::string& t) override { popups.back().items.push_back({id, t}); }
  void appendSeparator() override {}
  void beginPopup(const std::string& title) override {
    if (depth++ == 0) popups.push_back({title, {}});
  }
  void endPopup() override { --depth; }
};

// The letter after "&", lower case, or 0 without one.
char accessKey(const std::string& text) {
  const size_t amp = text.find('&');
  if (amp == std::string::npos || amp + 1 >= text.size()) return 0;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
}

TEST(MenuTable, EveryCommandOnceWithAnAccessKeyOfItsOwnInItsMenu) {
  MenuShape shape;
  buildMenu(shape);
  EXPECT_EQ(shape.depth, 0);
  std::set<char> titleKeys;
  std::set<int> ids;
  for (const MenuShape::Popup& p : shape.popups) {
    const char key = accessKey(p.title);
    if (key) EXPECT_TRUE(titleKeys.insert(key).second) << p.title;
    std::set<char> itemKeys;
    for (const auto& [id, text] : p.items) {
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " twice";
      const char k = accessKey(text);
      if (k) EXPECT_TRUE(itemKeys.insert(k).second) << text << " in " << p.title;
    }
  }
  // Every command the game answers, and every item that carries a check mark, is on the bar.
  for (int id : {1, 8, 10, 11, 12, 20, 21, 22, 24, 25, 26, 27, 28, 30, 31, 32, 33, 40, 41, 44, 45,
                 48, 50, 60, 99})
    EXPECT_TRUE(ids.count(id)) << "id " << id;
  EXPECT_EQ(ids.size(), 25u);
}

TEST(MenuTable, NewPuzzlesSitInOptionenUnderAKeyNoOtherItemThereUses) {
  MenuShape shape;
  buildMenu(shape);
  const auto optionen = std::find_if(shape.popups.begin(), shape.popups.end(),
                                     [](const auto& p) { return p.title == "&Optionen"; });
  ASSERT_NE(optionen, shape.popups.end());
  const auto item = std::find_if(optionen->items.begin(), optionen->items.end(),
                                 [](const auto& i) { return i.first == menu::FreshPuzzles; });
  ASSERT_NE(item, optionen->items.end());
  EXPECT_EQ(item->second, "&Neue Rätsel erzeugen");
  const char key = accessKey(item->second);
  EXPECT_EQ(key, 'n');
  for (const auto& [id, text] : optionen->items)
    if (id != menu::FreshPuzzles) EXPECT_NE(accessKey(text), key) << text;
}

TEST(MenuTable, PopupReadsNestedMenusAndItemTextsAfterTheFirstColon) {
  constexpr std::array<std::string_view, 8> table = {
      "7:Zeit: jetzt", ">Mehr", "70:innen", "-", "", "71:danach", "", "nicht gelesen"};
  TextMenuBuilder builder;
  size_t pos = 0;
  buildPopup(builder, table, pos);
  EXPECT_EQ(builder.text, "7:Zeit: jetzt [Mehr 70:innen - ] 71:danach");
  EXPECT_EQ(pos, 7u);  // left just after the empty string that closed the menu
}

TEST(MenuTable, AnUnclosedTableIsRefused) {
  constexpr std::array<std::string_view, 2> table = {"7:eins", "-"};
  TextMenuBuilder builder;
  size_t pos = 0;
  EXPECT_ANY_THROW(buildPopup(builder, table, pos));
}

using MenuChecks = GameTest;

TEST_F(MenuChecks, StartUpChecksLevelDigitsAndSymmetry) {
  EXPECT_EQ(platform.checkedIds(), (std::vector<int>{30, 40, 45}));
  // The start-up builds the whole bar.
  TextMenuBuilder expected;
  buildMenu(expected);
  EXPECT_EQ(menu.text, expected.text);
}

struct ChecksCase {
  std::vector<int> commands;
  std::vector<int> checked;
};

class MenuChecksFollowState : public GameTest, public ::testing::WithParamInterface<ChecksCase> {};

TEST_P(MenuChecksFollowState, AfterCommands) {
  for (int id : GetParam().commands) game->menuEvent(id);
  EXPECT_EQ(platform.checkedIds(), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MenuChecksFollowState,
    ::testing::Values(ChecksCase{{32}, {32, 40, 45}},      // the level moves its mark
                      ChecksCase{{33, 31}, {31, 40, 45}},  // only one level at a time
                      ChecksCase{{41}, {30, 41, 45}},      // letters replace digits
                      ChecksCase{{41, 40}, {30, 40, 45}},  // and back
                      ChecksCase{{44}, {30, 40, 44, 45}},  // candidates shown
                      ChecksCase{{44, 44}, {30, 40, 45}},  // and hidden again
                      ChecksCase{{45}, {30, 40}},          // symmetry off
                      ChecksCase{{28}, {28, 30, 40, 45}},  // new puzzles made
                      ChecksCase{{28, 28}, {30, 40, 45}},  // and dealt from the files again
                      ChecksCase{{45, 45, 33, 41}, {33, 41, 45}},
                      ChecksCase{{48}, {30, 40, 45, 48}},  // the marks keep themselves
                      ChecksCase{{48, 48}, {30, 40, 45}}));

TEST_F(MenuChecks, ALevelChangesNoBoard) {
  GameState& s = game->state();
  s.board[cellIndex(5, 5, 5)] = 4;
  const CellArray before = s.board;
  game->menuEvent(32);
  EXPECT_EQ(s.options.level, 2);
  EXPECT_EQ(s.board, before);
}

}  // namespace
}  // namespace tessarix::testing
