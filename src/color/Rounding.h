#pragma once
// Conversions from double to integer that never invoke undefined behaviour: truncation toward zero,
// clamped to the 32-bit range, with NaN read as 0.
#include <cmath>
#include <cstdint>
#include <limits>

namespace huex {

inline std::int32_t truncateToInt32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0) return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483649.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

} // namespace huex
