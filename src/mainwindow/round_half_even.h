#pragma once
// The one rounding rule of the window's layout: to the nearest whole pixel,
// halves to the even neighbour.

#include <cmath>

namespace lb {

inline int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace lb
