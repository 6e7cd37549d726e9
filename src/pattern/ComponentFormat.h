#pragma once
// One component format such as "{X|0:255|2.*}": type letter, output range, width, precision.
#include <cstdint>
#include <string>
#include <string_view>

namespace huex {

struct ComponentFormat {
    std::string printfFormat, specText;
    char typeLetter = '\0';
    double rangeFrom = 0, rangeTo = 0;
    bool invalid = false;
    std::int32_t width = -1;
    ComponentFormat() = default;
    explicit ComponentFormat(std::string_view spec); // empty format, then parseFormatSpec
};

bool parseFormatSpec(ComponentFormat& f, std::string_view spec);

} // namespace huex
