// Rounding to the nearest whole number, a half to the even neighbour, whatever rounding mode
// the process runs in (the IEEE remainder always rounds that way).
#pragma once

#include <cmath>

namespace tessarix {

inline int roundHalfEven(double v) { return static_cast<int>(v - std::remainder(v, 1.0)); }

}  // namespace tessarix
