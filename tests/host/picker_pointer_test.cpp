// Pointer rules of the picker window: which region a point is in, the hover tips, the click pick,
// the pattern menu's entries.
#include "picker/PatternMenuModel.h"
#include "picker/PointerRegions.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(PointerRegions, EveryRegionIsFoundAtItsOwnPoints) {
    const PickerLayout layout = computeLayout(7, 11);
    const Rect cell3 = paletteCell(layout, 3, 7);
    struct Case {
        Point p;
        int code;
    } cases[] = {
        {layout.zoomRect.topLeft(), kZoomRegion},
        {{layout.zoomRect.right - 1, layout.zoomRect.bottom - 1}, kZoomRegion},
        {{5, 5}, kNoRegion}, // the frame round the view
        {layout.colorSwatch.topLeft(), kColorSwatchRegion},
        {layout.modifiedSwatch.topLeft(), kModifiedSwatchRegion},
        {layout.sampleButton.topLeft(), kSampleButtonRegion},
        {{layout.sampleButton.left - 1, layout.sampleButton.top}, kPipetteBarRegion},
        {layout.pipetteBar.topLeft(), kPipetteBarRegion},
        {cell3.topLeft(), kPaletteRegion + 3},
        {{cell3.left - 3, cell3.top}, kPaletteRegion + 3}, // cells are hit 3 pixels beyond their edge
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regionAt(layout, 7, c.p), c.code) << c.p.x << "," << c.p.y;
    }
    EXPECT_EQ(paletteCellOfRegion(kPaletteRegion + 3), 3);
    EXPECT_EQ(paletteCellOfRegion(kSampleButtonRegion), -1);
}

TEST(PointerRegions, TooltipTextsWithAndWithoutFirstRunHints) {
    const std::string menu = "\nПравый клик для вызова контекстного меню.";
    const std::string pipette = "Перетащите лупу на интересующую часть экрана.";
    const RgbColor orange{1.0, 0.5, 0.0}; // 255, 128, 0; hue 30.1 -> 30, 100, 100
    const std::string orangeText = "RGB: 255, 128, 0\nHSB: 30, 100, 100";
    // The colour swatch names its colour too: Russian, CSS (with "~": not its bytes), ISCC–NBS.
    const std::string orangeNames = "\nоранжевый · ~darkorange · Vivid Orange";
    struct Case {
        int code;
        bool firstRun;
        std::string text;
    } cases[] = {
        {kNoRegion, true, ""},
        {kPipetteBarRegion, false, pipette},
        {kPipetteBarRegion, true, pipette},
        {kSampleButtonRegion, false, "Размер пипетки"},
        {kZoomRegion, false, ""},
        {kZoomRegion, true,
         "Счелкните правой кнопкой что бы выбрать степень увеличения.\n"
         "Счелкните левой кнопкой, что бы узнать цвет точки."},
        {kColorSwatchRegion, false, orangeText + orangeNames},
        {kColorSwatchRegion, true, orangeText + orangeNames + "\nВы можете перетащить этот цвет в палитру." + menu},
        {kModifiedSwatchRegion, true, orangeText + "\nВы можете перетащить этот цвет в палитру." + menu},
        {kPaletteRegion + 9, false, orangeText},
        {kPaletteRegion, true,
         orangeText + "\nИспользуйте клавиши SHIFT и CTRL что бы выбрать(и смешать) более чем 1 цвет." +
             menu},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hoverTooltip(c.code, orange, c.firstRun), c.text) << c.code << " " << c.firstRun;
    }
    // Numbers are rounded half up from the fractions: 0.5/255 above 127.5 is 128, hue 359.6 is 360.
    EXPECT_EQ(hoverTooltip(kModifiedSwatchRegion, {0.5, 0, 0.0019}, false), "RGB: 128, 0, 0\nHSB: 360, 100, 50");
    EXPECT_EQ(hoverTooltip(kColorSwatchRegion, colorrefToRgb(0xCCD148), false),
              "RGB: 72, 209, 204\nHSB: 178, 66, 82\nбирюзовый · mediumturquoise · Very Light Green");
    EXPECT_EQ(hoverCode(kZoomRegion, false), kNoRegion);
    EXPECT_EQ(hoverCode(kZoomRegion, true), kZoomRegion);
}

TEST(PointerRegions, ClickInTheZoomViewPicksTheBlockUnderItClampedToTheSample) {
    struct Case {
        int viewSize, zoomFactor, sampleSize;
        Point click, offset;
    } cases[] = {
        {7, 11, 1, {6, 6}, {-3, -3}},                     // top-left block
        {7, 11, 1, {6 + 3 * 11, 6 + 3 * 11}, {0, 0}},     // centre block
        {7, 11, 1, {6 + 7 * 11 - 1, 6}, {3, -3}},         // rightmost column, last pixel
        {7, 11, 5, {6 + 7 * 11 - 1, 6 + 3 * 11}, {1, 0}}, // 3 clamped to (7 - 5) / 2
        {5, 15, 5, {6, 6 + 5 * 15 - 1}, {0, 0}},          // a 5 x 5 sample fills the 5 x 5 view
        {25, 3, 3, {6 + 24 * 3, 6}, {11, -11}},
    };
    for (const Case& c : cases) {
        MagnifierState s;
        s.viewSize = c.viewSize;
        s.zoomFactor = c.zoomFactor;
        s.sampleSize = c.sampleSize;
        EXPECT_EQ(clickedPickOffset(s, c.click), c.offset)
            << c.viewSize << " " << c.click.x << "," << c.click.y;
    }
}

std::vector<ColorPattern> patternsNamed(int count) {
    std::vector<ColorPattern> patterns = builtInPatterns();
    for (int i = 4; i < count; ++i)
        patterns.push_back(
            ColorPattern("user " + std::to_string(i), "#{rgbR}", std::array<std::string, 9>{}));
    patterns.resize(static_cast<std::size_t>(count));
    return patterns;
}

TEST(PatternMenu, BuiltInsThenSeparatorThenUserPatternsThenTheEditEntry) {
    const PatternMenuEntry sep{true, 0, ""};
    const PatternMenuEntry edit4{false, 1038, "Добавить/Редактировать"};
    const std::vector<PatternMenuEntry> four{{false, 1034, "RRGGBB"},
                                             {false, 1035, "HSB(360, 100, 100)"},
                                             {false, 1036, "HSL(360, 100, 100)"},
                                             {false, 1037, "CMY(255, 255, 255)"},
                                             sep,
                                             edit4};
    EXPECT_EQ(patternMenuEntries(patternsNamed(4)), four);
    std::vector<PatternMenuEntry> five(four.begin(), four.begin() + 4);
    five.push_back(sep);
    five.push_back({false, 1038, "user 4"});
    five.push_back(sep);
    five.push_back({false, 1039, "Добавить/Редактировать"});
    EXPECT_EQ(patternMenuEntries(patternsNamed(5)), five);

    // Positions skip the separator after the built-in patterns; commands map back to indexes.
    EXPECT_EQ(patternMenuPosition(3), 3);
    EXPECT_EQ(patternMenuPosition(4), 5);
    EXPECT_EQ(patternOfCommand(1038, 5), 4);
    EXPECT_EQ(patternOfCommand(1039, 5), -1);
    EXPECT_EQ(patternOfCommand(1033, 5), -1);
    EXPECT_TRUE(isPatternSettingsCommand(1039, 5));
    EXPECT_FALSE(isPatternSettingsCommand(1038, 5));
}

} // namespace
} // namespace huex
