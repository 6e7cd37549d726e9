// The settings dialog's pattern list: its layout, what a selection enables, the editing
// operations, which pattern each slot ends up with, and the magnifier and colour choices.
#include "dialogs/PatternListModel.h"
#include "dialogs/SettingsChoices.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace huex {
namespace {

const std::string sep(kPatternListSeparator);
const std::string add(kAddPatternItem);

// The four built-in patterns followed by user patterns with the given names.
std::vector<ColorPattern> withUserPatterns(const std::vector<std::string>& names) {
    std::vector<ColorPattern> list = builtInPatterns();
    for (const std::string& name : names) {
        PatternTexts texts = newPatternTexts();
        list.emplace_back(name, texts.patternString, texts.formats);
    }
    return list;
}

std::vector<std::string> names(const std::vector<ColorPattern>& list) {
    std::vector<std::string> out;
    for (const ColorPattern& p : list) out.push_back(p.name);
    return out;
}

PatternTexts named(const std::string& name) {
    PatternTexts texts = newPatternTexts();
    texts.name = name;
    return texts;
}

TEST(PatternList, ItemsKindsAndIndexesForNoneOneAndTwoUserPatterns) {
    const std::string b0 = "RRGGBB", b1 = "HSB(360, 100, 100)", b2 = "HSL(360, 100, 100)",
                      b3 = "CMY(255, 255, 255)";
    using K = PatternItem;
    struct Case {
        std::vector<std::string> user;
        std::vector<std::string> items;
        std::vector<K> kinds;
        std::vector<int> patternOfItem;
    } cases[] = {
        {{},
         {b0, b1, b2, b3, sep, add},
         {K::builtIn, K::builtIn, K::builtIn, K::builtIn, K::separator, K::addEntry},
         {0, 1, 2, 3, -1, -1}},
        {{"one"},
         {b0, b1, b2, b3, sep, "one", sep, add},
         {K::builtIn, K::builtIn, K::builtIn, K::builtIn, K::separator, K::user, K::separator, K::addEntry},
         {0, 1, 2, 3, -1, 4, -1, -1}},
        {{"one", "two"},
         {b0, b1, b2, b3, sep, "one", "two", sep, add},
         {K::builtIn, K::builtIn, K::builtIn, K::builtIn, K::separator, K::user, K::user, K::separator,
          K::addEntry},
         {0, 1, 2, 3, -1, 4, 5, -1, -1}},
    };
    for (const Case& c : cases) {
        std::vector<ColorPattern> list = withUserPatterns(c.user);
        const PatternListModel model(list, 4);
        EXPECT_EQ(model.items(), c.items);
        ASSERT_EQ(model.itemCount(), static_cast<int>(c.items.size()));
        for (int i = 0; i < model.itemCount(); ++i) {
            EXPECT_EQ(model.kindOf(i), c.kinds[static_cast<std::size_t>(i)]) << "item " << i;
            const int pattern = c.patternOfItem[static_cast<std::size_t>(i)];
            EXPECT_EQ(model.patternOfItem(i), pattern) << "item " << i;
            if (pattern >= 0) {
                EXPECT_EQ(model.itemOfPattern(pattern), i);
            }
        }
        EXPECT_EQ(model.kindOf(-1), K::none);
        EXPECT_EQ(model.kindOf(model.itemCount()), K::none);
        EXPECT_EQ(model.itemOfPattern(model.patternCount()), -1);
    }
}

TEST(PatternList, AShortListTakesAllItsPatternsAsBuiltIn) {
    std::vector<ColorPattern> list = builtInPatterns();
    list.resize(2);
    const PatternListModel model(list, 4);
    EXPECT_EQ(model.builtInCount(), 2);
    EXPECT_EQ(model.items(), (std::vector<std::string>{"RRGGBB", "HSB(360, 100, 100)", sep, add}));
}

TEST(PatternList, OnlyInnerUserPatternsMove) {
    // One string per user-pattern count: for each item, '^' up only, 'v' down only, 'b' both, '.' none.
    struct Case {
        std::vector<std::string> user;
        std::string arrows;
    } cases[] = {
        {{}, "......"},
        {{"a"}, "........"},
        {{"a", "b"}, ".....v^.."},
        {{"a", "b", "c"}, ".....vb^.."},
    };
    for (const Case& c : cases) {
        std::vector<ColorPattern> list = withUserPatterns(c.user);
        const PatternListModel model(list, 4);
        ASSERT_EQ(model.itemCount(), static_cast<int>(c.arrows.size()));
        std::string got;
        for (int i = 0; i < model.itemCount(); ++i) {
            const bool up = model.canMoveUp(i), down = model.canMoveDown(i);
            got += up && down ? 'b' : up ? '^' : down ? 'v' : '.';
            EXPECT_EQ(model.selectionStep(i).upEnabled, up);
            EXPECT_EQ(model.selectionStep(i).downEnabled, down);
        }
        EXPECT_EQ(got, c.arrows);
    }
}

TEST(PatternList, SelectionStepPerKindOfItem) {
    std::vector<ColorPattern> list = withUserPatterns({"a", "b"});
    const PatternListModel model(list, 4);
    using E = PageState::Edits;
    struct Case {
        int item;
        PageState page;
    } cases[] = {
        {-1, {false, false, false, E::unchanged, false, false, false}},
        {2, {false, false, true, E::pattern, false, false, false}},   // built-in: read-only
        {4, {false, false, true, E::cleared, false, false, false}},   // first separator
        {5, {false, true, true, E::pattern, true, true, false}},      // first user pattern
        {6, {true, false, true, E::pattern, true, true, false}},      // last user pattern
        {7, {false, false, true, E::cleared, false, false, false}},   // second separator
        {8, {false, false, true, E::newPattern, true, false, true}},  // add entry
        {9, {false, false, false, E::unchanged, false, false, false}} // past the end
    };
    for (const Case& c : cases) EXPECT_EQ(model.selectionStep(c.item), c.page) << "item " << c.item;
}

TEST(PatternList, TextsOfAPatternAreInEditOrder) {
    const std::vector<ColorPattern> list = builtInPatterns();
    const PatternTexts hsb = textsOfPattern(list[1]);
    EXPECT_EQ(hsb.name, "HSB(360, 100, 100)");
    EXPECT_EQ(hsb.patternString, "HSB({hsbH}, {hsbS}, {hsbB})");
    EXPECT_EQ(hsb.formats, (std::array<std::string, 9>{"", "", "", "{d|0:360|*.*}", "{d|0:100|*.*}",
                                                       "{d|0:100|*.*}", "", "", ""}));
    const PatternTexts fresh = newPatternTexts();
    EXPECT_EQ(fresh.name, "Новый шаблон");
    EXPECT_EQ(fresh.patternString, "#{rgbR}{rgbG}{rgbB}");
    EXPECT_EQ(fresh.formats[0], "{X|0:255|2.*}");
    EXPECT_EQ(fresh.formats[3], "{d|0:360|*.*}");
    EXPECT_EQ(fresh.formats[8], "{d|0:100|*.*}");
}

TEST(PatternList, AddTakesNewNamesFromTheAddEntryOnly) {
    struct Case {
        std::string name;
        int selected; // -1: the add entry
        AddOutcome outcome;
    } cases[] = {
        {"rgb()", -1, AddOutcome::added},          {"Mine", -1, AddOutcome::duplicateName},
        {"RRGGBB", -1, AddOutcome::duplicateName}, {"Добавить...", -1, AddOutcome::duplicateName},
        {sep, -1, AddOutcome::duplicateName},      {"mine", -1, AddOutcome::added}, // names differ by case
        {"", -1, AddOutcome::blankName},           {" \t ", -1, AddOutcome::blankName},
        {"other", 5, AddOutcome::notAddEntry},     {"other", 4, AddOutcome::notAddEntry},
    };
    for (const Case& c : cases) {
        std::vector<ColorPattern> list = withUserPatterns({"Mine"});
        PatternListModel model(list, 4);
        PatternTexts texts = named(c.name);
        texts.patternString = "rgb({rgbR}, {rgbG}, {rgbB})";
        texts.formats[0] = texts.formats[1] = texts.formats[2] = "{d|0:255|*.*}";
        const int selected = c.selected < 0 ? model.addEntryItem() : c.selected;
        EXPECT_EQ(model.add(selected, texts), c.outcome) << c.name;
        if (c.outcome != AddOutcome::added) {
            EXPECT_EQ(list.size(), 5u) << c.name;
            continue;
        }
        ASSERT_EQ(list.size(), 6u);
        EXPECT_EQ(textsOfPattern(list.back()), texts);
        EXPECT_TRUE(list.back().valid);
        EXPECT_EQ(model.items()[6], c.name);
        EXPECT_EQ(model.kindOf(model.addEntryItem()), PatternItem::addEntry);
    }
}

TEST(PatternList, AddStopsWhereTheSettingsFileStopsKeepingPatterns) {
    std::vector<ColorPattern> list = builtInPatterns();
    PatternListModel model(list, 4);
    for (int i = 0; i < kMaxUserPatterns; ++i)
        ASSERT_EQ(model.add(model.addEntryItem(), named(std::string("p").append(std::to_string(i)))), AddOutcome::added);
    EXPECT_EQ(model.add(model.addEntryItem(), named("one more")), AddOutcome::listFull);
    EXPECT_EQ(list.size(), 4u + kMaxUserPatterns);
    model.remove(5);
    EXPECT_EQ(model.add(model.addEntryItem(), named("one more")), AddOutcome::added);
}

TEST(PatternList, DeleteRemovesUserPatternsOnlyAndPicksTheNextItem) {
    struct Case {
        std::vector<std::string> user;
        int selected;
        int next;
        std::vector<std::string> userAfter;
    } cases[] = {
        {{"a"}, 5, 5, {}},         // the only one: the add entry takes its place
        {{"a", "b"}, 6, 5, {"a"}}, // the last one: the one above
        {{"a", "b"}, 5, 5, {"b"}}, // the first one: the one below
        {{"a", "b", "c"}, 6, 6, {"a", "c"}},
        {{"a"}, 3, -1, {"a"}}, // built-in
        {{"a"}, 4, -1, {"a"}}, // separator
        {{"a"}, 6, -1, {"a"}}, // second separator
        {{"a"}, 7, -1, {"a"}}, // add entry
        {{}, 5, -1, {}},       // add entry of a list without user patterns
        {{"a"}, -1, -1, {"a"}},
    };
    for (const Case& c : cases) {
        std::vector<ColorPattern> list = withUserPatterns(c.user);
        PatternListModel model(list, 4);
        EXPECT_EQ(model.remove(c.selected), c.next) << "item " << c.selected;
        std::vector<std::string> expected = names(builtInPatterns());
        expected.insert(expected.end(), c.userAfter.begin(), c.userAfter.end());
        EXPECT_EQ(names(list), expected) << "item " << c.selected;
    }
}

TEST(PatternList, DeletingTheOnlyUserPatternLeavesTheAddEntrySelected) {
    std::vector<ColorPattern> list = withUserPatterns({"a"});
    PatternListModel model(list, 4);
    const int next = model.remove(5);
    EXPECT_EQ(model.kindOf(next), PatternItem::addEntry);
    EXPECT_EQ(model.selectionStep(next).edits, PageState::Edits::newPattern);
}

TEST(PatternList, MoveSwapsNeighboursWithinTheUserGroup) {
    struct Case {
        int selected, direction, next;
        std::vector<std::string> userAfter;
    } cases[] = {
        {5, +1, 6, {"b", "a", "c"}},  {6, -1, 5, {"b", "a", "c"}},  {6, +1, 7, {"a", "c", "b"}},
        {7, -1, 6, {"a", "c", "b"}},  {5, -1, -1, {"a", "b", "c"}}, {7, +1, -1, {"a", "b", "c"}},
        {3, +1, -1, {"a", "b", "c"}}, {4, +1, -1, {"a", "b", "c"}}, {6, 0, -1, {"a", "b", "c"}},
        {9, -1, -1, {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        std::vector<ColorPattern> list = withUserPatterns({"a", "b", "c"});
        PatternListModel model(list, 4);
        EXPECT_EQ(model.move(c.selected, c.direction), c.next) << c.selected << " by " << c.direction;
        std::vector<std::string> expected = names(builtInPatterns());
        expected.insert(expected.end(), c.userAfter.begin(), c.userAfter.end());
        EXPECT_EQ(names(list), expected) << c.selected << " by " << c.direction;
    }
}

TEST(PatternList, UpdateRewritesTheSelectedUserPatternOnly) {
    std::vector<ColorPattern> list = withUserPatterns({"a"});
    PatternListModel model(list, 4);
    PatternTexts texts = newPatternTexts();
    texts.name = "hsl";
    texts.patternString = "hsl({hslH}, {hslS}%, {hslL}%)";
    texts.formats[0] = "{broken";
    EXPECT_TRUE(model.update(5, texts));
    EXPECT_EQ(textsOfPattern(list[4]), texts);
    EXPECT_TRUE(list[4].valid);
    EXPECT_TRUE(list[4].formats[static_cast<std::size_t>(Component::rgbR)].invalid);
    EXPECT_EQ(model.items()[5], "hsl");

    const std::vector<std::string> before = names(list);
    for (int item : {0, 4, 6, 7, -1}) EXPECT_FALSE(model.update(item, texts)) << "item " << item;
    EXPECT_EQ(names(list), before);
    EXPECT_EQ(textsOfPattern(list[0]), textsOfPattern(builtInPatterns()[0]));
}

std::array<std::string, 3> specsOf(const ColorPattern& p, std::size_t model) {
    return {p.formats[model * 3].specText, p.formats[model * 3 + 1].specText,
            p.formats[model * 3 + 2].specText};
}

std::array<std::string, 3> defaultsOf(std::size_t model) {
    const auto& d = colorModels[model].defaultFormats;
    return {std::string(d[0]), std::string(d[1]), std::string(d[2])};
}

TEST(PatternList, TheFourthRowShowsTheFirstNewModelUsedAndUsedModelsGetTheirDefaults) {
    constexpr std::size_t hwb = 3, lab = 4, oklch = 7, p3 = 8, none = modelCount;
    const struct {
        const char* patternString;
        std::size_t row;
        std::vector<std::size_t> defaulted;
    } cases[] = {
        {"#{rgbR}{rgbG}{rgbB}", none, {}},
        {"hwb({hwbH} {hwbW}% {hwbB}%)", hwb, {hwb}},
        {"lab({labL}% {labA} {labB}) {hwbB}", hwb, {hwb, lab}}, // HWB comes first whatever the position
        {"oklch({oklchL}% {oklchC} {oklchH})", oklch, {oklch}},
        {"color(display-p3 {p3R} {p3G} {p3B})", p3, {p3}},
        {"{lchL {hsbH}", none, {}}, // not a placeholder yet
        {"{ruName} · {cssName} · {isccName}", none, {}}, // names have no formats
        {"{cssName} oklch({oklchL}% {oklchC} {oklchH})", oklch, {oklch}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patternString);
        EXPECT_EQ(rowModelOf(c.patternString), c.row);
        std::vector<ColorPattern> list = withUserPatterns({"a"});
        PatternListModel model(list, 4);
        PatternTexts texts = named("b");
        texts.patternString = c.patternString;
        ASSERT_EQ(model.add(7, texts), AddOutcome::added);
        EXPECT_TRUE(model.update(5, texts));
        for (const ColorPattern& made : {list[4], list[5]}) {
            for (std::size_t m = classicModels; m < modelCount; ++m) {
                const bool defaulted =
                    std::find(c.defaulted.begin(), c.defaulted.end(), m) != c.defaulted.end();
                const std::array<std::string, 3> expected =
                    defaulted ? defaultsOf(m) : std::array<std::string, 3>{};
                EXPECT_EQ(specsOf(made, m), expected) << m;
            }
            EXPECT_EQ(textsOfPattern(made).rowModel, c.row);
        }
    }
    EXPECT_EQ(rowLabel(p3), "Display P3");
    EXPECT_EQ(rowLabel(none), "");
}

TEST(PatternList, SlotsFindTheirPatternsByNameAfterEditing) {
    const std::vector<ColorPattern> list = withUserPatterns({"a", "b", "a"});
    struct Case {
        std::optional<std::string> name;
        int index;
    } cases[] = {
        {"RRGGBB", 0},
        {"CMY(255, 255, 255)", 3},
        {"b", 5},
        {"a", 6},          // equal names: the later wins
        {"gone", 0},       // deleted or renamed: the first pattern
        {std::nullopt, 0}, // it had none
        {sep, 0},          // a separator is no pattern
        {std::string(kAddPatternItem), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(slotPatternAfterEdit(list, c.name), c.index) << c.name.value_or("none");

    EXPECT_EQ(slotPatternName(list, 5), "b");
    EXPECT_EQ(slotPatternName(list, 7), std::nullopt);
    EXPECT_EQ(slotPatternName(list, -1), std::nullopt);
}

TEST(PatternList, BothSlotsOnOnePatternKeepItThroughMovesAndDeletes) {
    std::vector<ColorPattern> list = withUserPatterns({"a", "b", "c"});
    PatternListModel model(list, 4);
    const auto slot1 = slotPatternName(list, 6), slot2 = slotPatternName(list, 6); // "c"
    const auto deleted = slotPatternName(list, 4);                                 // "a"
    model.move(7, -1);
    model.remove(5);
    EXPECT_EQ(slotPatternAfterEdit(list, slot1), 4);
    EXPECT_EQ(slotPatternAfterEdit(list, slot2), 4);
    EXPECT_EQ(slotPatternAfterEdit(list, deleted), 0);
}

TEST(SettingsChoices, AnimationBoxSetsTheFixedPaceOrStopsAtPeriodOne) {
    struct Case {
        bool animated;
        MarqueeValues before, after;
    } cases[] = {
        {true, {0, 1, 350}, {1, 3, 120}},
        {true, {1, 7, 900}, {1, 3, 120}},
        {false, {1, 3, 120}, {0, 1, 120}},
        {false, {0, 5, 4000}, {0, 1, 4000}},
    };
    for (const Case& c : cases) EXPECT_EQ(marqueeAfterChoice(c.animated, c.before), c.after);
}

TEST(SettingsChoices, SampleRadiosAndPaletteItemsMapBothWays) {
    struct Sample {
        int size, radio;
    } samples[] = {{1, 0}, {3, 1}, {5, 2}, {2, -1}, {0, -1}, {7, -1}};
    for (const Sample& s : samples) {
        EXPECT_EQ(sampleRadioOfSize(s.size), s.radio) << s.size;
        if (s.radio >= 0) {
            EXPECT_EQ(sampleSizeOfRadio(s.radio, 99), s.size);
        }
    }
    EXPECT_EQ(sampleSizeOfRadio(-1, 3), 3);
    EXPECT_EQ(sampleSizeOfRadio(3, 5), 5);

    for (int count = 5; count <= 10; ++count) {
        const int item = paletteItemOfCount(count);
        ASSERT_GE(item, 0);
        EXPECT_EQ(std::string(kPaletteSizeTexts[static_cast<std::size_t>(item)]), std::to_string(count));
        EXPECT_EQ(paletteCountOfItem(item, 0), count);
    }
    for (int count : {-1, 0, 1, 4, 11}) EXPECT_EQ(paletteItemOfCount(count), -1) << count;
    EXPECT_EQ(paletteCountOfItem(-1, 4), 4); // nothing selected: the count stays
    EXPECT_EQ(paletteCountOfItem(6, 4), 4);

    EXPECT_EQ(markedRadio(std::array<bool, 5>{false, false, true, false, false}, 0), 2);
    EXPECT_EQ(markedRadio(std::array<bool, 5>{}, 3), 3);
}

} // namespace
} // namespace huex
