#include "dialogs/SettingsChoices.h"

namespace huex {

namespace {
constexpr std::array<int, 3> sampleSizes{1, 3, 5};
constexpr int animatedPeriod = 3;
constexpr int animatedInterval = 120;
constexpr int firstPaletteCount = 5;
} // namespace

MarqueeValues marqueeAfterChoice(bool animated, const MarqueeValues& before) {
    if (animated) return {1, animatedPeriod, animatedInterval};
    return {0, 1, before.interval};
}

int sampleRadioOfSize(int sampleSize) {
    for (std::size_t i = 0; i < sampleSizes.size(); ++i) {
        if (sampleSizes[i] == sampleSize) return static_cast<int>(i);
    }
    return -1;
}

int sampleSizeOfRadio(int radio, int before) {
    return radio >= 0 && radio < static_cast<int>(sampleSizes.size())
               ? sampleSizes[static_cast<std::size_t>(radio)]
               : before;
}

int paletteItemOfCount(int count) {
    const int item = count - firstPaletteCount;
    return item >= 0 && item < static_cast<int>(kPaletteSizeTexts.size()) ? item : -1;
}

int paletteCountOfItem(int item, int before) {
    return item >= 0 && item < static_cast<int>(kPaletteSizeTexts.size()) ? firstPaletteCount + item : before;
}

} // namespace huex
