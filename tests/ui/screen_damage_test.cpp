// Where a refresh paints: the boxes between two looks of the screen. Nothing differs, nothing is
// painted; a change is painted where it lies, and what lies within another box goes with it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "logic/geometry.h"
#include "ui/keypad_drawing.h"
#include "ui/panels.h"
#include "ui/screen_look.h"

namespace tessarix {
namespace {

bool covers(const CellBox& outer, const CellBox& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

struct DamageCase {
  std::string name;
  std::function<void(ScreenLook&)> change;
  CellBox within;   // every box painted lies within this one
  CellBox covered;  // and together they cover this one
  size_t boxes;
};

const int middle = cellIndex(5, 5, 5);
const CellBox middleBox = cellBox(5, 5, 5);
const KeypadPlace middleKeypad = keypadPlace(5, 5, 5);

class Damage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(Damage, PaintsWhereTheLookChanged) {
  const DamageCase& d = GetParam();
  ScreenLook before;
  before.cells[static_cast<size_t>(middle)].digit = 3;
  before.helpLine = "Bitte Menupunkt auswählen!";
  ScreenLook now = before;
  d.change(now);
  const std::vector<CellBox> boxes = damageBetween(before, now);
  ASSERT_EQ(boxes.size(), d.boxes);
  for (const CellBox& b : boxes) EXPECT_TRUE(covers(d.within, b));
  // The change's own box lies within one of the painted boxes.
  bool coveredOnce = false;
  for (const CellBox& b : boxes) coveredOnce |= covers(b, d.covered);
  EXPECT_TRUE(coveredOnce);
  // Back again paints the same boxes.
  EXPECT_EQ(damageBetween(now, before).size(), d.boxes);
}

const CellBox screen{0, 0, screenRight, screenBottom};
const CellBox aroundMiddle{middleBox.left - 2, middleBox.top - 2, middleBox.right + 2,
                           middleBox.bottom + 2};
const CellBox aroundKeypad{middleKeypad.left - 2, middleKeypad.top - 2,
                           middleKeypad.left + keypadSize + 2, middleKeypad.top + keypadSize + 2};
const CellBox aroundHelp{helpPanelBox.left - 2, helpPanelBox.top - 2, helpPanelBox.right + 2,
                         helpPanelBox.bottom + 2};

INSTANTIATE_TEST_SUITE_P(
    Looks, Damage,
    ::testing::Values(
        DamageCase{"ACell", [](ScreenLook& l) { l.cells[static_cast<size_t>(middle)].digit = 4; },
                   aroundMiddle, middleBox, 1},
        DamageCase{"AMark",
                   [](ScreenLook& l) {
                     l.marksOver[static_cast<size_t>(middle)] = true;
                     l.marks[markIndex(5, 5, 5, 7)] = 1;
                   },
                   aroundMiddle, middleBox, 1},
        DamageCase{"TheCursor", [](ScreenLook& l) { l.cursorCell = middle; }, aroundMiddle,
                   middleBox, 1},
        // The keypad closes over a cell that changed: one box, the keypad's.
        DamageCase{"TheKeypadOverACell",
                   [](ScreenLook& l) {
                     l.keypad = ShownKeypad{middleKeypad.left, middleKeypad.top, 3, true};
                     l.cells[static_cast<size_t>(middle)].digit = 4;
                   },
                   aroundKeypad, middleBox, 1},
        DamageCase{"TheHelpLine", [](ScreenLook& l) { l.helpLine = "Rechte Taste löscht Feld!"; },
                   aroundHelp, helpPanelBox, 1},
        DamageCase{"TheCounts", [](ScreenLook& l) { l.counts[2] = 17; }, screen, statisticsPanelBox,
                   1},
        DamageCase{"APause", [](ScreenLook& l) { l.paused = true; }, screen, screen, 1},
        DamageCase{"ManyCells",
                   [](ScreenLook& l) {
                     for (int c = 1; c <= 9; ++c)
                       for (int r = 1; r <= 9; ++r)
                         l.cells[static_cast<size_t>(cellIndex(1, c, r))].digit = 9;
                   },
                   screen, screen, 1}),
    [](const auto& info) { return info.param.name; });

TEST(Damage, NothingDiffersNothingIsPainted) {
  ScreenLook look;
  look.helpLine = "Bitte ein Feld anklicken! ";
  look.bar.emplace_back(BarButton::Laden, true);
  EXPECT_TRUE(damageBetween(look, look).empty());
}

}  // namespace
}  // namespace tessarix
