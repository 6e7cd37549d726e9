#pragma once
// The settings dialog's pattern page: mirrors the pattern list model into the list box and the
// page's edits and buttons, and turns their notifications into the model's operations.
#include "dialogs/PatternListModel.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace huex {

class PatternPage {
  public:
    // The eleven edits in the order of PatternTexts: name, pattern string, nine formats.
    static const std::array<int, 11> editIds;
    // The fourth row's three format edits, for the model its label names.
    static const std::array<int, 3> rowEditIds;

    // Shows the message that refuses a name; replaceable so that tests need not answer a box.
    using RefusalBox = void (*)(HWND dialog, AddOutcome why);
    static void showRefusal(HWND dialog, AddOutcome why);

    PatternPage(std::vector<ColorPattern>& patterns, int builtInCount) : model_(patterns, builtInCount) {}

    // Fills the list and remembers the names of the two slots' patterns.
    void open(HWND dialog, int color1Pattern, int color2Pattern);
    // A WM_COMMAND of the page's controls; false when it is not one.
    bool onCommand(int id, int code);
    // The slots' pattern indexes in the edited list: found by name, else the first pattern.
    [[nodiscard]] int slotPattern(int slot) const;

    [[nodiscard]] const PatternListModel& model() const { return model_; }
    void setRefusalBox(RefusalBox box) { refusalBox_ = box; }

  private:
    [[nodiscard]] HWND list() const;
    [[nodiscard]] int selectedItem() const;
    void fillList();
    void selectItem(int item, int topIndex);
    void selectionStep();
    void add();
    void remove();
    void move(int direction);
    void liveUpdate();
    void writeEdits(const PatternTexts& texts);
    // The fourth row for this model (modelCount: none) with these formats, writable when the page
    // is and there is a model.
    void showRow(std::size_t model, const std::array<std::string, 3>& formats);
    void followPatternString();
    void clearEdits();
    [[nodiscard]] PatternTexts readEdits() const;

    HWND dialog_ = nullptr;
    PatternListModel model_;
    bool fillingEdits_ = false;
    bool editable_ = false;             // the selection's edits take typing
    std::size_t rowModel_ = modelCount; // the model the fourth row shows
    std::optional<std::string> color1Name_, color2Name_;
    RefusalBox refusalBox_ = &showRefusal;
};

} // namespace huex
