#pragma once
// The pattern page's list as plain data: the items the list box shows, what each item is, what
// selecting it enables, and the add, delete, move and edit operations on the pattern list copy.
// The dialog mirrors the items into its list box and the page state into its controls.
#include "pattern/ColorModels.h"
#include "pattern/ColorPattern.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace huex {

// The line between the built-in patterns and the user's (61 hyphens), also after the last one.
inline constexpr std::string_view kPatternListSeparator =
    "-------------------------------------------------------------";
inline constexpr std::string_view kAddPatternItem = "Добавить...";

enum class PatternItem { none, builtIn, separator, user, addEntry };

// The texts of the page's edits: name, pattern string, the nine formats in the order rgbR, rgbG,
// rgbB, hsbH, hsbS, hsbB, hslH, hslS, hslL, and the fourth row: the model it shows (modelCount
// for none) and that model's three formats.
struct PatternTexts {
    std::string name, patternString;
    std::array<std::string, 9> formats;
    std::size_t rowModel = modelCount;
    std::array<std::string, 3> rowFormats;
    friend bool operator==(const PatternTexts&, const PatternTexts&) = default;
};

// The model of the fourth row: the first of HWB, Lab, LCh, OKLab, OKLCh and Display P3 that the
// pattern string uses; modelCount for none.
std::size_t rowModelOf(std::string_view patternString);
// The fourth row's label: the model's name, empty for none.
std::string_view rowLabel(std::size_t rowModel);

PatternTexts textsOfPattern(const ColorPattern& pattern);
// What the edits offer for a new pattern.
PatternTexts newPatternTexts();

// What the selection step puts into the page's controls.
struct PageState {
    enum class Edits { unchanged, pattern, cleared, newPattern };
    bool upEnabled = false, downEnabled = false;
    // The rest applies only when something is selected.
    bool selected = false;
    Edits edits = Edits::unchanged;
    bool editable = false;
    bool deleteEnabled = false, addEnabled = false;
    friend bool operator==(const PageState&, const PageState&) = default;
};

enum class AddOutcome { added, duplicateName, blankName, listFull, notAddEntry };

class PatternListModel {
  public:
    // `patterns` must outlive the model; a built-in count larger than the list is cut to it.
    PatternListModel(std::vector<ColorPattern>& patterns, int builtInCount);

    [[nodiscard]] int builtInCount() const { return builtIn_; }
    [[nodiscard]] int patternCount() const { return static_cast<int>(patterns_->size()); }
    [[nodiscard]] const std::vector<ColorPattern>& patterns() const { return *patterns_; }

    // The list box's items, top to bottom.
    [[nodiscard]] std::vector<std::string> items() const;
    [[nodiscard]] int itemCount() const;
    [[nodiscard]] int addEntryItem() const { return itemCount() - 1; }
    [[nodiscard]] PatternItem kindOf(int item) const;
    // Pattern shown by a list item, -1 for separators, the add entry and anything outside.
    [[nodiscard]] int patternOfItem(int item) const;
    // List item showing a pattern, -1 for an index outside the list.
    [[nodiscard]] int itemOfPattern(int pattern) const;

    [[nodiscard]] bool canMoveUp(int item) const;
    [[nodiscard]] bool canMoveDown(int item) const;
    // What selecting `item` (-1 for nothing) shows and enables.
    [[nodiscard]] PageState selectionStep(int item) const;

    // Appends a pattern made from the texts when the add entry is selected and the name is new
    // and not blank; the add entry stays the selection. Models it uses with no formats get their
    // defaults, as in update.
    AddOutcome add(int selected, const PatternTexts& texts);
    // Removes the user pattern at `selected`; the item to select next, or -1 when nothing went.
    int remove(int selected);
    // Swaps the user pattern at `selected` with its neighbour (direction -1 up, +1 down); the
    // moved pattern's new item, or -1 when it can't move that way.
    int move(int selected, int direction);
    // Rewrites the user pattern at `selected` from the texts (the name unchecked, as typed), the
    // models the string comes to use with no formats getting their defaults; false when
    // `selected` is not a user pattern.
    bool update(int selected, const PatternTexts& texts);

  private:
    std::vector<ColorPattern>* patterns_;
    int builtIn_;
};

// The index a slot uses after editing: the last pattern named `name`, else 0 (its pattern was
// deleted or renamed, or it had none).
int slotPatternAfterEdit(const std::vector<ColorPattern>& patterns, const std::optional<std::string>& name);
// The name of the pattern a slot uses when editing starts; none for an index outside the list.
std::optional<std::string> slotPatternName(const std::vector<ColorPattern>& patterns, int index);

} // namespace huex
