// What the screen shows, element by element: the record the whole picture is drawn from. A cell
// keeps the look it was last shown with until something shows it again (a highlight that has
// moved on, an entry judged against an earlier solution), a panel the text last written into it,
// the help line the end of a longer text before it; the game changes this record as the rules
// change the screen, and the refresh paints where it differs from what the canvas holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logic/game_state.h"
#include "ui/button_bar.h"
#include "ui/canvas.h"
#include "ui/field_layout.h"

namespace tessarix {

// A cell as last shown: its character, clue or entry, judged wrong, tinted, in which mode.
struct ShownCell {
  uint8_t digit = 0;
  bool given = false, wrong = false, tinted = false, digitMode = true;
  friend bool operator==(const ShownCell&, const ShownCell&) = default;
};

// The open keypad: its corner, the button highlighted, letters or digits.
struct ShownKeypad {
  int left = 0, top = 0, value = 0;
  bool digitMode = true;
  friend bool operator==(const ShownKeypad&, const ShownKeypad&) = default;
};

struct ScreenLook {
  // The cells, by the leading copy (both copies of a shared cell lie on the same pixels).
  std::array<ShownCell, 1000> cells{};
  // The cell copies whose marks were shown since their cell was, those marks as shown last, and
  // every mark shown there since (a mark's glyph may reach a pixel beyond the spot that blanks
  // it, so what an earlier mark left stays under the later ones).
  std::array<bool, 1000> marksOver{};
  MarkArray marks{};
  MarkArray marksEver{};
  bool marksDigitMode = true;

  // The panels.
  bool statisticsDigitMode = true;  // the statistics' head row
  bool countsShown = false;         // written since the statistics panel was drawn
  DigitCounts counts{};
  int countsHighlight = 0;
  bool statusShown = false;
  CheckOutcome status = CheckOutcome::None;
  int wrongCount = 0;
  int givenCount = 0;
  int level = 0;
  std::string helpLine;

  // The bar's buttons as drawn since the bar stood, in their order, without those a later
  // drawing of the same button covers: a pressed button shows the inner line of the raised one
  // under it, a button's frame reaches one pixel into its right neighbour, and the last one's
  // stays beside the erased strip. barShown: the bar stands; barStripKept: an erased bar leaves
  // the window's colour (from start-up until the game quits).
  std::vector<std::pair<BarButton, bool>> bar;
  bool barShown = false;
  bool barStripKept = false;

  // What lies over the field: the frames (the cursor's over the hint's), the pause's cover, the
  // keypad.
  int cursorCell = 0;
  int hintCell = 0;
  bool paused = false;
  std::optional<ShownKeypad> keypad;

  friend bool operator==(const ScreenLook&, const ScreenLook&) = default;
};

// The canvas, 1280 x 946 pixels: its last column and row.
inline constexpr int screenRight = 1279, screenBottom = 945;

// The whole picture of the look, or with `region` the part of it in that box (both corners
// included; the caller clips the canvas to it).
void paintScreen(Canvas& canvas, const ScreenLook& look, const CellBox* region);

// The boxes where the picture of `now` may differ from that of `before`: what a refresh paints
// again. Empty when the two are the same.
std::vector<CellBox> damageBetween(const ScreenLook& before, const ScreenLook& now);

// Every cell of the field covered, as a pause shows it.
void coverField(Canvas& canvas);

}  // namespace tessarix
