#pragma once
// The colour history window: one owner-drawn list, a row per entry with its swatch, its text in
// slot 1's pattern and a pin mark; choosing a row takes its colour back, a menu copies, pins,
// deletes, clears and saves the history as a palette. The history lives here, shown or not.
#include "color/ColorHistory.h"
#include "dialogs/ToolWindow.h"
#include "pattern/ColorPattern.h"
#include "settings/Settings.h"
#include "win/Control.h"
#include "win/Handles.h"

#include <functional>
#include <string>
#include <vector>

namespace huex {

// A row's text: the pattern applied to the entry's own colour, then a tab and "закреплён" for a
// pinned entry.
std::string historyRowText(const ColorPattern& pattern, const HistoryEntry& entry);

class HistoryWindow : public ToolWindow {
  public:
    // What the window asks of the picker.
    struct Hooks {
        std::function<void(ColorRef)> choose;    // a row chosen: its colour is the current one
        std::function<void(ColorRef)> toPalette; // into the selected palette cells
        std::function<void(HWND owner, const std::vector<ColorRef>&)> saveAsPalette;
        std::function<void()> changed; // the history changed: to be saved soon
    };

    HistoryWindow();
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    // Opens the window beside `owner` (or where it last stood), or brings it forward when open.
    void open(HWND owner);
    // A picked colour: one row's change in an open window.
    void add(ColorRef color);
    // Slot 1's pattern, which the rows' texts follow.
    void setPattern(const ColorPattern& pattern);
    // The row menu's commands on the selected row, as the menu or a message gives them.
    void runCommand(int id);

    void restore(const HistorySettings& settings);
    [[nodiscard]] HistorySettings settings() const;
    [[nodiscard]] const ColorHistory& history() const { return history_; }

  protected:
    bool onMessage(win::Message& m) override;
    bool preTranslateOwn(MSG& msg) override;

  private:
    // The list: its background is erased only where no row is, so rows never flash; a click on
    // the row already selected chooses it again.
    class List : public win::Control {
      public:
        explicit List(HistoryWindow& owner) : owner_(owner) {}

      protected:
        bool onMessage(win::Message& m) override;

      private:
        HistoryWindow& owner_;
    };

    void createList();
    void fillList();
    void apply(const RowEdits& edits);
    void rerenderRows();
    [[nodiscard]] std::wstring rowText(const HistoryEntry& e) const;
    [[nodiscard]] int selectedRow() const;
    void choose(int row);
    void copyRow(int row);
    void openMenu(POINT at, int row);
    void drawRow(const DRAWITEMSTRUCT& drawn);
    void layOut();

    ColorHistory history_;
    ColorPattern pattern_;
    Hooks hooks_;
    List list_{*this};
    win::UniqueFont font_;
    // One row's picture, made once and drawn over for every row: a bitmap per row cost a
    // millisecond each under Wine.
    win::UniqueBitmap rowBitmap_;
    win::UniqueMemoryDc rowDc_;
    SIZE rowSize_{};
};

} // namespace huex
