#include "dialogs/HotKeyPage.h"

#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace huex {

namespace {
// Never one of the program's own hot key ids (1 to 3): a trial must not disturb what it holds.
constexpr int trialId = 0x0BFF;
} // namespace

const std::array<int, kHotKeyCount> HotKeyPage::controlIds{IDC_SET_KEY_REFRESH, IDC_SET_KEY_TOGGLE,
                                                           IDC_SET_KEY_PICK};
const std::array<int, kHotKeyCount> HotKeyPage::takenIds{IDC_SET_KEY_REFRESH_TAKEN, IDC_SET_KEY_TOGGLE_TAKEN,
                                                         IDC_SET_KEY_PICK_TAKEN};

void HotKeyPage::fill(HWND dialog) {
    dialog_ = dialog;
    for (std::size_t i = 0; i < controlIds.size(); ++i) {
        HWND control = GetDlgItem(dialog, controlIds[i]);
        // A bare letter or digit would be taken from every program's typing: Ctrl+Alt is added.
        SendMessageW(control, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        SendMessageW(control, HKM_SETHOTKEY, hotKeyControlValue(values_.keys[i]), 0);
    }
    CheckDlgButton(dialog, IDC_SET_PICK_COPIES, values_.pickCopies ? BST_CHECKED : BST_UNCHECKED);
    markTaken();
}

bool HotKeyPage::onCommand(int id, int code) {
    if (std::find(controlIds.begin(), controlIds.end(), id) == controlIds.end()) return false;
    if (code == EN_CHANGE) markTaken();
    return true;
}

std::array<HotKey, kHotKeyCount> HotKeyPage::keysShown() const {
    std::array<HotKey, kHotKeyCount> keys = values_.keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto value =
            static_cast<std::uint16_t>(SendDlgItemMessageW(dialog_, controlIds[i], HKM_GETHOTKEY, 0, 0));
        keys[i] = hotKeyFromControl(value).value_or(values_.keys[i]);
    }
    return keys;
}

HotKeySettings HotKeyPage::chosen() const {
    if (!dialog_) return values_; // the page was never shown
    HotKeySettings s;
    s.keys = keysShown();
    s.pickCopies = IsDlgButtonChecked(dialog_, IDC_SET_PICK_COPIES) == BST_CHECKED;
    return s;
}

void HotKeyPage::markTaken() {
    if (!dialog_) return;
    const auto taken = takenHotKeys(keysShown(), [this](std::size_t, const HotKey& key) {
        if (std::find(held_.begin(), held_.end(), key) != held_.end()) return true;
        const bool free = RegisterHotKey(dialog_, trialId, key.modifiers, key.key) != FALSE;
        if (free) UnregisterHotKey(dialog_, trialId);
        return free;
    });
    for (std::size_t i = 0; i < takenIds.size(); ++i)
        SetDlgItemTextW(dialog_, takenIds[i], taken[i] ? L"занято" : L"");
}

} // namespace huex
