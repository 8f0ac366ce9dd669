// The texts of the game clock: the running display, the finish time and the idle text.
#pragma once

#include <cstdint>
#include <string>

namespace tessarix {

// Shown whenever no game is timed, and at start-up.
inline constexpr const char* idleClockText = " 99:99:99";

// " hh:mm:ss" for elapsed whole seconds: a blank, then hours, minutes and seconds with two
// digits each; the hours keep only their last two digits (100 hours show as 00).
std::string clockDisplayText(int64_t elapsedSeconds);

// "hh:mm:ss.t" for elapsed whole tenths of a second ("00:07:42.0"), with no leading blank.
// Built from whole tenths, so it never shows "60.0" seconds; capped at "99:59:59.9", so that
// every finish text has the one shape the hall of fame compares character by character.
std::string finishTimeText(int64_t elapsedTenths);

// Whether text has the shape finishTimeText gives: "hh:mm:ss.t", all digits where digits
// belong, minutes and seconds below 60.
bool isFinishTimeText(const std::string& text);

}  // namespace tessarix
