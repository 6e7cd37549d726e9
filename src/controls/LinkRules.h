#pragma once
// The rules of a hyperlink control that need no window: its colour by state and sizing to the text.
#include "color/Color.h"

#include <string>
#include <string_view>

namespace huex {

// Option bits of a hyperlink.
enum LinkOption : unsigned {
    linkUnderline = 0x01,      // underline the text
    linkHoverColour = 0x02,    // the hover colour while the mouse is over the link
    linkSizeToText = 0x04,     // shrink the control to its text
    linkOpenOnPress = 0x08,    // open when the button goes down, not when it comes up
    linkFocusOnClick = 0x10,   // take the keyboard focus when clicked
    linkNoHandCursor = 0x20,   // keep the default cursor
    linkNoActiveColour = 0x40, // never use the active colour
};
inline constexpr unsigned defaultLinkOptions = linkUnderline | linkSizeToText | linkFocusOnClick;

inline constexpr ColorRef linkColour = 0xFF0000;           // blue
inline constexpr ColorRef linkActiveColour = 0x808000;     // teal
inline constexpr ColorRef linkVisitedColour = 0x800080;    // purple
inline constexpr ColorRef linkHoverColourValue = 0x0000FF; // red

struct LinkState {
    bool active = false, hovering = false, visited = false;
};

ColorRef linkTextColour(const LinkState& state, unsigned options);

// A control's rectangle in its parent, shrunk round its text as a static of that alignment
// draws it.
struct LinkBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend constexpr bool operator==(const LinkBox&, const LinkBox&) = default;
};
enum class TextAlignment { left, centre, right };
LinkBox sizedToText(LinkBox box, int textWidth, int textHeight, TextAlignment alignment,
                    bool centredVertically);

} // namespace huex
