#pragma once
// Palette selections written as strings of '0' and '1', cell 0 first.
#include "color/Palette.h"

#include <string>

namespace huex {

inline std::string selection(const Palette& p) {
    std::string s;
    for (bool on : p.selected) s += on ? '1' : '0';
    return s;
}

inline Palette withSelection(const std::string& marks, int count = 7) {
    Palette p;
    p.count = count;
    for (std::size_t i = 0; i < marks.size() && i < p.selected.size(); ++i) p.selected[i] = marks[i] == '1';
    return p;
}

} // namespace huex
