#include "settings/HotKeys.h"

#include <algorithm>

namespace huex {

namespace {

constexpr unsigned vkF1 = 0x70, vkF24 = 0x87, vkNum0 = 0x60, vkNum9 = 0x69, vkPause = 0x13,
                   vkPrintScreen = 0x2C;

struct NamedKey {
    std::string_view name;
    unsigned key;
    bool extended; // on the navigation block, not the numeric pad
};
constexpr std::array<NamedKey, 13> kNamedKeys{{
    {"Insert", 0x2D, true},
    {"Delete", 0x2E, true},
    {"Home", 0x24, true},
    {"End", 0x23, true},
    {"PageUp", 0x21, true},
    {"PageDown", 0x22, true},
    {"Left", 0x25, true},
    {"Up", 0x26, true},
    {"Right", 0x27, true},
    {"Down", 0x28, true},
    {"Space", 0x20, false},
    {"Pause", vkPause, false},
    {"PrintScreen", vkPrintScreen, false},
}};

constexpr std::array<std::pair<std::string_view, unsigned>, 3> kModifierNames{{
    {"Ctrl", HotKey::ctrl},
    {"Alt", HotKey::alt},
    {"Shift", HotKey::shift},
}};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// "F1".."F24" and "Num0".."Num9": a prefix and a small decimal number.
std::optional<unsigned> numbered(std::string_view name, std::string_view prefix, unsigned low,
                                 unsigned high) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 2 ||
        !sameLetters(name.substr(0, prefix.size()), prefix))
        return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() == 2 && digits[0] == '0') return std::nullopt;
    unsigned n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<unsigned>(c - '0');
    }
    return n >= low && n <= high ? std::optional<unsigned>(n) : std::nullopt;
}

std::optional<unsigned> keyOfName(std::string_view name) {
    if (name.size() == 1) {
        const char c = lower(name[0]);
        if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
        if (c >= '0' && c <= '9') return static_cast<unsigned>(c);
        return std::nullopt;
    }
    if (const auto f = numbered(name, "F", 1, 24)) return vkF1 + *f - 1;
    if (const auto n = numbered(name, "Num", 0, 9)) return vkNum0 + *n;
    for (const NamedKey& k : kNamedKeys)
        if (sameLetters(name, k.name)) return k.key;
    return std::nullopt;
}

std::string keyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= vkF1 && key <= vkF24) return "F" + std::to_string(key - vkF1 + 1);
    if (key >= vkNum0 && key <= vkNum9) return "Num" + std::to_string(key - vkNum0);
    for (const NamedKey& k : kNamedKeys)
        if (k.key == key) return std::string(k.name);
    return {};
}

} // namespace

bool hotKeyAllowed(const HotKey& k) {
    if (k.empty()) return true;
    if (keyName(k.key).empty() || (k.modifiers & ~(HotKey::alt | HotKey::ctrl | HotKey::shift)) != 0)
        return false;
    const bool bareAllowed = (k.key >= vkF1 && k.key <= vkF24) || k.key == vkPause || k.key == vkPrintScreen;
    return k.modifiers != 0 || bareAllowed;
}

std::string hotKeyText(const HotKey& k) {
    if (k.empty()) return {};
    std::string text;
    for (const auto& [name, bit] : kModifierNames) {
        if ((k.modifiers & bit) == 0) continue;
        text += name;
        text += '+';
    }
    return text + keyName(k.key);
}

std::optional<HotKey> parseHotKey(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return HotKey{};
    HotKey k;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            const auto key = keyOfName(part);
            if (!key) return std::nullopt;
            k.key = *key;
            break;
        }
        const auto* modifier = std::find_if(kModifierNames.begin(), kModifierNames.end(),
                                            [part](const auto& m) { return sameLetters(part, m.first); });
        if (modifier == kModifierNames.end() || (k.modifiers & modifier->second) != 0) return std::nullopt;
        k.modifiers |= modifier->second;
        text.remove_prefix(plus + 1);
    }
    return hotKeyAllowed(k) ? std::optional<HotKey>(k) : std::nullopt;
}

std::string hotKeyMenuText(std::string_view label, const HotKey& k) {
    std::string text(label);
    if (!k.empty()) text += " \t" + hotKeyText(k);
    return text;
}

namespace {
constexpr unsigned controlShift = 0x1, controlCtrl = 0x2, controlAlt = 0x4, controlExtended = 0x8;
} // namespace

std::uint16_t hotKeyControlValue(const HotKey& k) {
    if (k.empty()) return 0;
    unsigned flags = 0;
    if ((k.modifiers & HotKey::shift) != 0) flags |= controlShift;
    if ((k.modifiers & HotKey::ctrl) != 0) flags |= controlCtrl;
    if ((k.modifiers & HotKey::alt) != 0) flags |= controlAlt;
    const bool extended = std::any_of(kNamedKeys.begin(), kNamedKeys.end(),
                                      [&](const NamedKey& n) { return n.key == k.key && n.extended; });
    if (extended) flags |= controlExtended;
    return static_cast<std::uint16_t>((flags << 8) | (k.key & 0xFF));
}

std::optional<HotKey> hotKeyFromControl(std::uint16_t value) {
    const unsigned flags = value >> 8;
    HotKey k{0, value & 0xFFU};
    if (k.empty()) return k;
    if ((flags & controlShift) != 0) k.modifiers |= HotKey::shift;
    if ((flags & controlCtrl) != 0) k.modifiers |= HotKey::ctrl;
    if ((flags & controlAlt) != 0) k.modifiers |= HotKey::alt;
    return hotKeyAllowed(k) ? std::optional<HotKey>(k) : std::nullopt;
}

} // namespace huex
