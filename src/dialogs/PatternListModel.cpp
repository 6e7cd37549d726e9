#include "dialogs/PatternListModel.h"

#include "settings/Settings.h"

#include <algorithm>
#include <utility>

namespace huex {

namespace {
// The edits' format order (rgb, hsb, hsl) in the record's Component order.
constexpr std::array<Component, 9> editOrder{Component::rgbR, Component::rgbG, Component::rgbB,
                                             Component::hsbH, Component::hsbS, Component::hsbB,
                                             Component::hslH, Component::hslS, Component::hslL};

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

// The pattern's formats and string from the edits' texts; the formats of models the edits don't
// show stay as they are.
void applyTexts(ColorPattern& pattern, const PatternTexts& texts) {
    for (std::size_t i = 0; i < editOrder.size(); ++i)
        pattern.formats[static_cast<std::size_t>(editOrder[i])] = ComponentFormat(texts.formats[i]);
    if (texts.rowModel < modelCount) {
        for (std::size_t i = 0; i < 3; ++i)
            pattern.formats[texts.rowModel * 3 + i] = ComponentFormat(texts.rowFormats[i]);
    }
    fillDefaultFormats(pattern, texts.patternString);
    analysePattern(pattern, texts.patternString);
}
} // namespace

std::size_t rowModelOf(std::string_view patternString) {
    for (std::size_t m = classicModels; m < modelCount; ++m) {
        if (usesModel(patternString, m)) return m;
    }
    return modelCount;
}

std::string_view rowLabel(std::size_t rowModel) {
    return rowModel < modelCount ? colorModels[rowModel].name : std::string_view{};
}

PatternTexts textsOfPattern(const ColorPattern& pattern) {
    PatternTexts texts{pattern.name, pattern.patternString, {}, modelCount, {}};
    for (std::size_t i = 0; i < editOrder.size(); ++i)
        texts.formats[i] = pattern.formats[static_cast<std::size_t>(editOrder[i])].specText;
    texts.rowModel = rowModelOf(pattern.patternString);
    if (texts.rowModel < modelCount) {
        for (std::size_t i = 0; i < 3; ++i)
            texts.rowFormats[i] = pattern.formats[texts.rowModel * 3 + i].specText;
    }
    return texts;
}

PatternTexts newPatternTexts() {
    const std::string hex = "{X|0:255|2.*}";
    const std::string hue = "{d|0:360|*.*}";
    const std::string percent = "{d|0:100|*.*}";
    return {"Новый шаблон",
            "#{rgbR}{rgbG}{rgbB}",
            {hex, hex, hex, hue, percent, percent, hue, percent, percent},
            modelCount,
            {}};
}

PatternListModel::PatternListModel(std::vector<ColorPattern>& patterns, int builtInCount)
    : patterns_(&patterns), builtIn_(std::clamp(builtInCount, 0, static_cast<int>(patterns.size()))) {}

std::vector<std::string> PatternListModel::items() const {
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(itemCount()));
    for (int i = 0; i < patternCount(); ++i) {
        if (i == builtIn_) list.emplace_back(kPatternListSeparator);
        list.push_back((*patterns_)[static_cast<std::size_t>(i)].name);
    }
    // The first separator when every pattern is built in, else the second one.
    list.emplace_back(kPatternListSeparator);
    list.emplace_back(kAddPatternItem);
    return list;
}

int PatternListModel::itemCount() const {
    // patterns, the first separator, the second one when there are user patterns, the add entry
    return patternCount() + (patternCount() > builtIn_ ? 3 : 2);
}

PatternItem PatternListModel::kindOf(int item) const {
    const int count = itemCount();
    if (item < 0 || item >= count) return PatternItem::none;
    if (item == count - 1) return PatternItem::addEntry;
    if (item == builtIn_ || item == count - 2) return PatternItem::separator;
    return item < builtIn_ ? PatternItem::builtIn : PatternItem::user;
}

int PatternListModel::patternOfItem(int item) const {
    switch (kindOf(item)) {
    case PatternItem::builtIn:
        return item;
    case PatternItem::user:
        return item - 1;
    default:
        return -1;
    }
}

int PatternListModel::itemOfPattern(int pattern) const {
    if (pattern < 0 || pattern >= patternCount()) return -1;
    return pattern < builtIn_ ? pattern : pattern + 1;
}

bool PatternListModel::canMoveUp(int item) const {
    return builtIn_ + 1 < item && item <= itemCount() - 3;
}

bool PatternListModel::canMoveDown(int item) const {
    return builtIn_ < item && item < itemCount() - 3;
}

PageState PatternListModel::selectionStep(int item) const {
    PageState page;
    page.upEnabled = canMoveUp(item);
    page.downEnabled = canMoveDown(item);
    switch (kindOf(item)) {
    case PatternItem::none:
        return page;
    case PatternItem::builtIn:
        page.edits = PageState::Edits::pattern;
        break;
    case PatternItem::separator:
        page.edits = PageState::Edits::cleared;
        break;
    case PatternItem::user:
        page.edits = PageState::Edits::pattern;
        page.editable = true;
        page.deleteEnabled = true;
        break;
    case PatternItem::addEntry:
        page.edits = PageState::Edits::newPattern;
        page.editable = true;
        page.addEnabled = true;
        break;
    }
    page.selected = true;
    return page;
}

AddOutcome PatternListModel::add(int selected, const PatternTexts& texts) {
    if (kindOf(selected) != PatternItem::addEntry) return AddOutcome::notAddEntry;
    // Every item counts, separators and the add entry too: a pattern must not look like them.
    const std::vector<std::string> shown = items();
    if (std::find(shown.begin(), shown.end(), texts.name) != shown.end()) return AddOutcome::duplicateName;
    // A blank name would be a blank entry in the slots' pattern menu.
    if (blank(texts.name)) return AddOutcome::blankName;
    // The settings file keeps no more user patterns than this; one more would be lost at the next start.
    if (patternCount() - builtIn_ >= kMaxUserPatterns) return AddOutcome::listFull;
    ColorPattern& added = patterns_->emplace_back();
    added.name = texts.name;
    applyTexts(added, texts);
    return AddOutcome::added;
}

int PatternListModel::remove(int selected) {
    if (kindOf(selected) != PatternItem::user) return -1;
    patterns_->erase(patterns_->begin() + (selected - 1));
    // The item below takes the place; after the last user pattern, the one above it.
    return kindOf(selected) == PatternItem::separator ? selected - 1 : selected;
}

int PatternListModel::move(int selected, int direction) {
    if (direction < 0 ? !canMoveUp(selected) : (direction == 0 || !canMoveDown(selected))) return -1;
    const int step = direction < 0 ? -1 : 1;
    const int pattern = patternOfItem(selected), neighbour = pattern + step;
    std::swap((*patterns_)[static_cast<std::size_t>(pattern)],
              (*patterns_)[static_cast<std::size_t>(neighbour)]);
    return selected + step;
}

bool PatternListModel::update(int selected, const PatternTexts& texts) {
    if (kindOf(selected) != PatternItem::user) return false;
    ColorPattern& pattern = (*patterns_)[static_cast<std::size_t>(selected - 1)];
    pattern.name = texts.name;
    applyTexts(pattern, texts);
    return true;
}

int slotPatternAfterEdit(const std::vector<ColorPattern>& patterns, const std::optional<std::string>& name) {
    if (!name) return 0;
    int found = -1;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (patterns[i].name == *name) found = static_cast<int>(i); // the later of equal names wins
    }
    return found < 0 ? 0 : found;
}

std::optional<std::string> slotPatternName(const std::vector<ColorPattern>& patterns, int index) {
    if (index < 0 || index >= static_cast<int>(patterns.size())) return std::nullopt;
    return patterns[static_cast<std::size_t>(index)].name;
}

} // namespace huex
