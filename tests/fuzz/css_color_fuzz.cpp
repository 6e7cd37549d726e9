// Any bytes through parseCssColor: a colour is three finite fractions in 0..1, and the text in
// upper case reads the same, as CSS ignores the case of everything a colour holds.
#include "color/CssColor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool inUnitRange(double v) {
    return v >= 0 && v <= 1; // false for NaN
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto color = huex::parseCssColor(text);
    if (color && !(inUnitRange(color->red) && inUnitRange(color->green) && inUnitRange(color->blue)))
        std::abort();

    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const auto again = huex::parseCssColor(upper);
    if (color.has_value() != again.has_value()) std::abort();
    if (color && std::memcmp(&*color, &*again, sizeof *color) != 0) std::abort();
    return 0;
}
