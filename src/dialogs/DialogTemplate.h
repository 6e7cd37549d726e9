#pragma once
// Extended dialog templates (DLGTEMPLATEEX) read as the dialog manager reads them, and cut down:
// the settings dialog is created from its template without the controls of the pages not yet
// shown, and makes those later from the same items.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace huex {

// A class or resource name: text, or an ordinal (predefined control classes are 0x80 .. 0x85).
struct TemplateName {
    std::u16string text;
    std::uint16_t ordinal = 0; // 0 when the name is text
};

struct TemplateItem {
    std::uint32_t helpId = 0, exStyle = 0, style = 0, id = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    TemplateName className, title;
    std::vector<std::byte> creationData;
    std::size_t begin = 0, end = 0; // where the item lies in the template's bytes
};

struct DialogTemplateView {
    std::uint32_t exStyle = 0, style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu, className;
    std::u16string caption, fontName;
    std::uint16_t pointSize = 0, weight = 0;
    std::uint8_t italic = 0, charset = 0;
    std::size_t headerEnd = 0; // the first item starts at the next 4-byte boundary
    std::vector<TemplateItem> items;
};

// The window class an item names: predefined ordinals as their class names ("Button" ...), any
// other ordinal as "#n".
std::u16string itemClassName(const TemplateName& name);

// Every read is bounds-checked: a damaged or foreign template gives nothing rather than a guess.
std::optional<DialogTemplateView> readDialogTemplate(std::span<const std::byte> bytes);

// The same template without the items whose ids `leaveOut` lists; `view` is what
// readDialogTemplate gave for `bytes`.
std::vector<std::byte> templateWithout(std::span<const std::byte> bytes, const DialogTemplateView& view,
                                       std::span<const int> leaveOut);

} // namespace huex
