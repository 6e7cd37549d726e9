#pragma once
// The settings dialog's keys page: a hot key control for each of the three global hot keys, the
// "taken" mark beside each and the check box for copying a pick's text.
#include "settings/HotKeys.h"

#include <windows.h>

#include <array>

namespace huex {

class HotKeyPage {
  public:
    static const std::array<int, kHotKeyCount> controlIds;
    static const std::array<int, kHotKeyCount> takenIds;

    // `held`: the keys the program holds now (empty where it holds none); those count as free.
    HotKeyPage(const HotKeySettings& values, const std::array<HotKey, kHotKeyCount>& held)
        : values_(values), held_(held) {}

    // Called once the page's controls exist: sets their rules and values, marks the taken keys.
    void fill(HWND dialog);
    // A WM_COMMAND of the page's controls; false when it is not one.
    bool onCommand(int id, int code);
    // The keys and the check box as the page has them; a key the text form can't hold keeps its
    // value from before.
    [[nodiscard]] HotKeySettings chosen() const;
    // Marks each key another program (or an earlier key of ours) holds.
    void markTaken();

  private:
    [[nodiscard]] std::array<HotKey, kHotKeyCount> keysShown() const;
    HWND dialog_ = nullptr;
    HotKeySettings values_;
    std::array<HotKey, kHotKeyCount> held_;
};

} // namespace huex
