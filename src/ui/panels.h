// The framed panels around the field: statistics, status, level, help, clock, and the bottom
// strip with the program's name; their fixed texts and the texts written into them.
#pragma once

#include <array>
#include <string>

#include "logic/game_state.h"
#include "puzzles/levels.h"
#include "ui/canvas.h"
#include "ui/field_layout.h"

namespace tessarix {

// The level panel's texts: each level's display name.
inline constexpr std::array<const char*, levelCount> levelNames = [] {
  std::array<const char*, levelCount> names{};
  for (int level = 0; level < levelCount; ++level) names[level] = levels[level].displayName;
  return names;
}();

// Each panel's box, from its corner (x0, y0) to (x0 + w, y0 + h): what its drawing covers.
inline constexpr CellBox statisticsPanelBox{40, 753, 40 + 308, 753 + 78};
inline constexpr CellBox statusPanelBox{1013, 219, 1013 + 234, 219 + 78};
inline constexpr CellBox levelPanelBox{1014, 605, 1014 + 234, 605 + 80};
inline constexpr CellBox helpPanelBox{1014, 707, 1014 + 234, 707 + 72};
inline constexpr CellBox clockPanelBox{1014, 801, 1014 + 234, 801 + 72};
// The raised strip at the bottom of the window, its caption within it.
inline constexpr CellBox bottomStripBox{0, 922, 1277, 944};

// One panel from its corner (x0, y0), width w and height h: raised frame, sunken frame, the
// caption at x0 + tx in style 16, the white writing area. Leaves opaque text, black on white,
// font 8.
void drawPanel(Canvas& canvas, int x0, int y0, int w, int h, int tx, const std::string& caption);

// The statistics panel: frames, caption, the labels "Zahlen"/"Ziffer" and "Anzahl", the head
// row (digits or letters by s.digitMode) and the table lines. The counts are drawDigitCounts'.
void drawStatisticsPanel(Canvas& canvas, const GameState& s);
// The nine counts of s.digitCount (as counted before) at x = 95 + 24 d (4 less on large fonts),
// y = 805.
void drawDigitCounts(Canvas& canvas, const GameState& s);

// The empty status panel.
void drawStatusPanel(Canvas& canvas);
// The text of s.status in its palette colour on white at (1052, 253), font 20; then the
// wrong-entry line in black at (1088, 277), font 8.
void drawStatusText(Canvas& canvas, const GameState& s);

// The level panel and its label line "Vorgegebene Zahlen: " with givenCount.
void drawLevelPanel(Canvas& canvas, int givenCount);
// What refreshPanels writes: the clue count at (1202, 635) and the level name at (1082, 649).
void writeLevelLine(Canvas& canvas, int givenCount, int level);

// The help panel (without its text) and the help line at (1028, 746).
void drawHelpPanel(Canvas& canvas);
void writeHelpLine(Canvas& canvas, const std::string& helpText);

// The empty clock panel; the clock label lies inside it.
void drawClockPanel(Canvas& canvas);

// The raised strip at the bottom of the window with the caption "Tessarix V6.0". Leaves font 8.
void drawBottomStrip(Canvas& canvas);

}  // namespace tessarix
