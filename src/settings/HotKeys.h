#pragma once
// The three global hot keys: their text form in the settings file and the menus, the keys a hot
// key control may hand over, and which of the three can be held when each is tried in turn.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace huex {

// A key with its modifiers; key 0 is no hot key at all. Modifier bits and key codes are the
// system's (MOD_ALT, MOD_CONTROL, MOD_SHIFT; virtual-key codes), so the window layer passes them on.
struct HotKey {
    static constexpr unsigned alt = 0x1, ctrl = 0x2, shift = 0x4;
    unsigned modifiers = 0;
    unsigned key = 0;
    [[nodiscard]] bool empty() const { return key == 0; }
    friend bool operator==(const HotKey&, const HotKey&) = default;
};

// Refresh, toggle, pick: the order they are registered in, ids 1, 2 and 3.
inline constexpr std::size_t kHotKeyCount = 3;
enum class HotKeyRole : std::size_t { refresh, toggle, pick };
inline constexpr std::array<HotKey, kHotKeyCount> kDefaultHotKeys{{
    {HotKey::alt, 0x74},               // Alt+F5
    {HotKey::ctrl | HotKey::alt, 'E'}, // Ctrl+Alt+E
    {HotKey::ctrl | HotKey::alt, 'P'}, // Ctrl+Alt+P
}};
inline constexpr std::array<std::string_view, kHotKeyCount> kHotKeyNames{"refresh", "toggle", "pick"};

struct HotKeySettings {
    std::array<HotKey, kHotKeyCount> keys = kDefaultHotKeys;
    bool pickCopies = true; // a pick puts slot 1's text on the clipboard
    [[nodiscard]] const HotKey& operator[](HotKeyRole role) const {
        return keys[static_cast<std::size_t>(role)];
    }
    friend bool operator==(const HotKeySettings&, const HotKeySettings&) = default;
};

// "Ctrl+Alt+Shift+Key", modifiers in that order; "" for no hot key.
std::string hotKeyText(const HotKey& k);
// The text form read back without regard to case, to blanks round "+" or to the modifiers' order.
// Blank text is no hot key; none when the text doesn't read or names a key that isn't allowed.
std::optional<HotKey> parseHotKey(std::string_view text);
// A key of the list, and with a modifier unless it is F1-F24, Pause or PrintScreen (a bare letter
// would be taken from every program's typing).
bool hotKeyAllowed(const HotKey& k);

// A menu item's text with the key after a tab ("Обновить \tAlt+F5"); the label alone without one.
std::string hotKeyMenuText(std::string_view label, const HotKey& k);

// A hot key control's value: the key in the low byte, its flags (shift 1, control 2, alt 4,
// extended 8) in the high byte. Keys of the navigation block carry the extended flag, so the
// control names them and not the numeric pad's keys.
std::uint16_t hotKeyControlValue(const HotKey& k);
// What the control holds as a hot key; none when the text form can't hold it.
std::optional<HotKey> hotKeyFromControl(std::uint16_t value);

// Which keys can't be had when the three are taken in order: an empty key is never taken; one
// equal to an earlier key is, without asking; for the rest `available(index, key)` asks the
// system (and, when registering, holds the key).
template <class Available>
std::array<bool, kHotKeyCount> takenHotKeys(const std::array<HotKey, kHotKeyCount>& keys,
                                            Available&& available) {
    std::array<bool, kHotKeyCount> taken{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].empty()) continue;
        bool repeated = false;
        for (std::size_t j = 0; j < i; ++j) repeated = repeated || keys[j] == keys[i];
        taken[i] = repeated || !available(i, keys[i]);
    }
    return taken;
}

} // namespace huex
