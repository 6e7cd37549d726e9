#pragma once
// A dialog template (DLGTEMPLATEEX) from the program's resources as the dialog manager sees it:
// styles, rectangle, caption, font, and every control with its class and text.
#include "dialogs/DialogTemplate.h"
#include "win/Artwork.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace huex::test {

struct DialogItem {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring className, text;
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, className, caption, fontName;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

inline std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}
inline std::wstring nameText(const TemplateName& name) {
    return name.ordinal ? wide(itemClassName(name)) : wide(name.text);
}

inline std::optional<DialogTemplate> loadDialogTemplate(int id) {
    const auto view = readDialogTemplate(win::resourceBytes(id, RT_DIALOG));
    if (!view) return std::nullopt;
    DialogTemplate t{view->style,
                     view->exStyle,
                     view->x,
                     view->y,
                     view->cx,
                     view->cy,
                     nameText(view->menu),
                     nameText(view->className),
                     wide(view->caption),
                     wide(view->fontName),
                     view->pointSize,
                     view->weight,
                     view->italic,
                     view->charset,
                     {}};
    for (const TemplateItem& item : view->items)
        t.items.push_back({item.style, item.exStyle, item.x, item.y, item.cx, item.cy, item.id,
                           nameText(item.className), nameText(item.title)});
    return t;
}

} // namespace huex::test
