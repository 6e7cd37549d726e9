#include "picker/PointerRegions.h"

#include "color/ColorNames.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace huex {

namespace {
int scaled(double fraction, int scale) {
    return static_cast<int>(std::trunc(fraction * scale + 0.5));
}

constexpr std::string_view pipetteHint = "Перетащите лупу на интересующую часть экрана.";
constexpr std::string_view sampleHint = "Размер пипетки";
constexpr std::string_view zoomHint = "Счелкните правой кнопкой что бы выбрать степень увеличения.\n"
                                      "Счелкните левой кнопкой, что бы узнать цвет точки.";
constexpr std::string_view swatchHint = "Вы можете перетащить этот цвет в палитру.";
constexpr std::string_view paletteHint =
    "Используйте клавиши SHIFT и CTRL что бы выбрать(и смешать) более чем 1 цвет.";
constexpr std::string_view menuHint = "Правый клик для вызова контекстного меню.";

// The colour's nearest names: Russian, CSS (after "~" when the bytes differ), ISCC–NBS.
std::string namesLine(const RgbColor& color) {
    return colorNameText(NameList::russian, color) + " · " + colorNameText(NameList::css, color) + " · " +
           colorNameText(NameList::iscc, color);
}
} // namespace

int regionAt(const PickerLayout& layout, int paletteCount, Point p) {
    if (layout.zoomRect.contains(p)) return kZoomRegion;
    if (layout.colorSwatch.contains(p)) return kColorSwatchRegion;
    if (layout.modifiedSwatch.contains(p)) return kModifiedSwatchRegion;
    if (layout.sampleButton.contains(p)) return kSampleButtonRegion;
    if (layout.pipetteBar.contains(p)) return kPipetteBarRegion;
    const int cell = paletteHitTest(layout, paletteCount, p);
    return cell >= 0 ? kPaletteRegion + cell : kNoRegion;
}

int paletteCellOfRegion(int code) {
    return code >= kPaletteRegion ? code - kPaletteRegion : -1;
}

int hoverCode(int code, bool firstRun) {
    return code == kZoomRegion && !firstRun ? kNoRegion : code;
}

std::string hoverTooltip(int code, const RgbColor& color, bool firstRun) {
    switch (code) {
    case kNoRegion:
        return {};
    case kZoomRegion:
        return firstRun ? std::string(zoomHint) : std::string{};
    case kPipetteBarRegion:
        return std::string(pipetteHint);
    case kSampleButtonRegion:
        return std::string(sampleHint);
    default:
        break;
    }
    const HsbColor hsb = rgbToHsb(color);
    std::string text =
        "RGB: " + std::to_string(scaled(color.red, 255)) + ", " + std::to_string(scaled(color.green, 255)) +
        ", " + std::to_string(scaled(color.blue, 255)) + "\nHSB: " + std::to_string(scaled(hsb.hue, 360)) +
        ", " + std::to_string(scaled(hsb.saturation, 100)) + ", " +
        std::to_string(scaled(hsb.brightness, 100));
    if (code == kColorSwatchRegion) {
        text += '\n';
        text += namesLine(color);
    }
    if (firstRun) {
        text += '\n';
        text += code >= kPaletteRegion ? paletteHint : swatchHint;
        text += '\n';
        text += menuHint;
    }
    return text;
}

Point clickedPickOffset(const MagnifierState& s, Point p, ViewGrid grid) {
    const int half = s.viewSize / 2;
    const int bound = pickOffsetBound(s.viewSize, s.sampleSize);
    const int factor = std::max(1, grid.block);
    return {std::clamp((p.x - grid.origin.x) / factor - half, -bound, bound),
            std::clamp((p.y - grid.origin.y) / factor - half, -bound, bound)};
}

} // namespace huex
