#include "controls/LinkRules.h"

namespace huex {

ColorRef linkTextColour(const LinkState& state, unsigned options) {
    if (state.hovering && (options & linkHoverColour)) return linkHoverColourValue;
    if (state.active && !(options & linkNoActiveColour)) return linkActiveColour;
    return state.visited ? linkVisitedColour : linkColour;
}

LinkBox sizedToText(LinkBox box, int textWidth, int textHeight, TextAlignment alignment,
                    bool centredVertically) {
    if (centredVertically) {
        const int shrink = (box.bottom - box.top - textHeight) / 2;
        box.top += shrink;
        box.bottom -= shrink;
    } else {
        box.bottom = box.top + textHeight;
    }
    switch (alignment) {
    case TextAlignment::centre: {
        const int shrink = (box.right - box.left - textWidth) / 2;
        box.left += shrink;
        box.right -= shrink;
        break;
    }
    case TextAlignment::right:
        box.left = box.right - textWidth;
        break;
    case TextAlignment::left:
        box.right = box.left + textWidth;
        break;
    }
    return box;
}

} // namespace huex
