#pragma once
// How the settings dialog's magnifier and colour choices map to the picker's values and back.
#include <array>
#include <string_view>

namespace huex {

struct MarqueeValues {
    int animation = 0, period = 1, interval = 0;
    friend bool operator==(const MarqueeValues&, const MarqueeValues&) = default;
};

// The selection-animation box on sets the animation's fixed pace; off stops it at period 1 and
// keeps the interval for the next time it is switched on.
MarqueeValues marqueeAfterChoice(bool animated, const MarqueeValues& before);

// Pipette radios ("single point", "3 x 3", "5 x 5"): the radio a sample size marks, -1 for none,
// and the size a marked radio gives (`before` when none is marked).
int sampleRadioOfSize(int sampleSize);
int sampleSizeOfRadio(int radio, int before);

// The palette-size list offers 5 to 10 cells, in this order.
inline constexpr std::array<std::string_view, 6> kPaletteSizeTexts{"5", "6", "7", "8", "9", "10"};
// The item a cell count selects, -1 for a count the list doesn't offer; and the count a selected
// item gives (`before` when nothing is selected).
int paletteItemOfCount(int count);
int paletteCountOfItem(int item, int before);

// Index of the first marked button of a radio group, `before` when none is.
template <std::size_t N> int markedRadio(const std::array<bool, N>& marked, int before) {
    for (std::size_t i = 0; i < N; ++i) {
        if (marked[i]) return static_cast<int>(i);
    }
    return before;
}

} // namespace huex
