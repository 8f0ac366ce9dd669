// Where the help window goes beside the main window: right of it, left of it, or over the
// window's left edge, and never off the screen at the top or bottom.
#include <gtest/gtest.h>

#include "app/window_placement.h"

namespace tessarix::testing {
namespace {

struct BesideCase {
  const char* name;
  WindowRect screen;
  WindowRect frame;
  int width, height;
  int x, y;
};

class Beside : public ::testing::TestWithParam<BesideCase> {};

TEST_P(Beside, FitsRightElseLeftElseOverTheLeftEdge) {
  const BesideCase& c = GetParam();
  const WindowPosition p = besideWindowPosition(c.screen, c.frame, c.width, c.height);
  EXPECT_EQ(p.x, c.x);
  EXPECT_EQ(p.y, c.y);
}

// The main window's frame is 1280 x 974 throughout.
INSTANTIATE_TEST_SUITE_P(
    Screens, Beside,
    ::testing::Values(
        // 2560 wide, frame centred at 640: 640 free on the right.
        BesideCase{"Right", {0, 0, 2560, 1440}, {640, 233, 1280, 974}, 560, 700, 1920, 233},
        // Exactly fits on the right.
        BesideCase{"RightExactly", {0, 0, 2400, 1200}, {560, 100, 1280, 974}, 560, 700, 1840, 100},
        // One pixel too little on the right, enough on the left.
        BesideCase{"Left", {0, 0, 2400, 1200}, {561, 100, 1280, 974}, 560, 700, 1, 100},
        // A second screen to the right of the first: the screen's origin counts.
        BesideCase{"OffsetScreen", {1920, 0, 2560, 1440}, {2560, 0, 1280, 974}, 560, 700, 3840, 0},
        // Where it fits on neither side, it covers the frame's left edge, never its right side
        // with the status panel and the clock: 1920 wide, frame centred, 320 on each side.
        BesideCase{"Over", {0, 0, 1920, 1080}, {320, 53, 1280, 974}, 560, 700, 0, 53},
        // 1600 x 1200, frame centred: 160 on each side.
        BesideCase{"OverAt1600", {0, 0, 1600, 1200}, {160, 113, 1280, 974}, 560, 700, 0, 113},
        // More room on the right still goes left, against the screen's left edge.
        BesideCase{"OverRoomierRight", {0, 0, 1920, 1080}, {100, 53, 1280, 974}, 560, 700, 0, 53},
        BesideCase{"OverOffsetScreen", {1920, 0, 1600, 1200}, {2080, 0, 1280, 974}, 560, 700, 1920,
                   0},
        // A window wider than the screen starts at the screen's left edge.
        BesideCase{"Wider", {0, 0, 400, 300}, {0, 0, 1280, 974}, 560, 700, 0, 0},
        // Low on the screen: moved up until its bottom is on it.
        BesideCase{"Up", {0, 0, 2560, 1000}, {0, 600, 1280, 974}, 560, 700, 1280, 300},
        // Taller than the screen: top at the screen's top, under a panel of 30 pixels.
        BesideCase{"Taller", {0, 30, 2560, 600}, {0, 30, 1280, 974}, 560, 700, 1280, 30}),
    [](const auto& info) { return std::string(info.param.name); });

// The starting scale: the whole window (canvas and a 28-pixel menu bar) fits the available area.
struct FitCase {
  int width, height;
  double scale;
};

class Fit : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fit, WholeWindowOnTheScreen) {
  const FitCase& c = GetParam();
  const double scale = fittingScale(c.width, c.height);
  EXPECT_DOUBLE_EQ(scale, c.scale);
  EXPECT_LE(1280 * scale, c.width + 1e-9);
  EXPECT_LE(946 * scale + 28, c.height + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Screens, Fit,
                         ::testing::Values(FitCase{1920, 1080, 1.0},         // large: as it is
                                           FitCase{1280, 974, 1.0},          // exactly fits
                                           FitCase{1366, 768, 740.0 / 946},  // laptop: height
                                           FitCase{1000, 1200, 1000.0 / 1280},  // narrow: width
                                           FitCase{1366, 740, 712.0 / 946}));   // panel taken

}  // namespace
}  // namespace tessarix::testing
