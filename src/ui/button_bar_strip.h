// The strip of the button bar under the field: the window's colour when the buttons are erased.
#pragma once

namespace tessarix {

inline constexpr int buttonBarLeft = 159, buttonBarTop = 885;
inline constexpr int buttonBarRight = 982, buttonBarBottom = 912;

}  // namespace tessarix
