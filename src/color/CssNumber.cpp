#include "color/CssNumber.h"

#include "color/RealText.h"

#include <cmath>
#include <limits>

namespace huex {

double cssNumberValue(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    double value = readRealStart(text).value_or(0);
    if (std::isinf(value)) value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

} // namespace huex
