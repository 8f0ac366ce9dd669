// The strip of the button bar under the field, captured empty at start-up and put back to erase
// the buttons.
#pragma once

namespace tessarix {

inline constexpr int buttonBarLeft = 159, buttonBarTop = 885;
inline constexpr int buttonBarRight = 982, buttonBarBottom = 912;

}  // namespace tessarix
