// The menu bar read from its table, and the check marks that follow the state.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "app/menu_table.h"
#include "app_fixture.h"

namespace tessarix::testing {
namespace {

TEST(MenuTable, BuildsTheBarInOrderWithIdsSeparatorsAndDropDowns) {
  TextMenuBuilder builder;
  buildMenu(builder);
  EXPECT_EQ(builder.text,
            "[&Tessarix 8:&Neues Spiel - 10:&Spielstart 25:N&eustart - 12:Spieldruck - "
            "99:&Beenden ] "
            "[&Optionen 20:&lade Brett 21:&sichere Brett - 22:&Brett lösen 26:B&rett löschen "
            "27:Brett &drucken 24:Brett &mischen - 11:&Eigenes Brett ] "
            "[Sch&wierigkeit 30:&Leicht 31:&Mittel 32:&Schwer 33:&Extrem - 40:&Zahlen "
            "41:&Buchstaben - 44:Zeige &Kandidaten - 45:Rätsel-Symmetrie - 50:&Ruhmeshalle ] "
            "[&Hilfe 60:&Anleitung - 1:über &Tessarix... ]");
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

class MenuChecksFollowState : public GameTest,
                              public ::testing::WithParamInterface<ChecksCase> {};

TEST_P(MenuChecksFollowState, AfterCommands) {
  for (int id : GetParam().commands) game->menuEvent(id);
  EXPECT_EQ(platform.checkedIds(), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MenuChecksFollowState,
    ::testing::Values(ChecksCase{{32}, {32, 40, 45}},           // the level moves its mark
                      ChecksCase{{33, 31}, {31, 40, 45}},       // only one level at a time
                      ChecksCase{{41}, {30, 41, 45}},           // letters replace digits
                      ChecksCase{{41, 40}, {30, 40, 45}},       // and back
                      ChecksCase{{44}, {30, 40, 44, 45}},       // candidates shown
                      ChecksCase{{44, 44}, {30, 40, 45}},       // and hidden again
                      ChecksCase{{45}, {30, 40}},               // symmetry off
                      ChecksCase{{45, 45, 33, 41}, {33, 41, 45}}));

TEST_F(MenuChecks, ALevelChangesNoBoard) {
  GameState& s = game->state();
  s.board[cellIndex(5, 5, 5)] = 4;
  const CellArray before = s.board;
  game->menuEvent(32);
  EXPECT_EQ(s.level, 2);
  EXPECT_EQ(s.board, before);
}

}  // namespace
}  // namespace tessarix::testing
