#include "win/Fonts.h"

#include "win/Dpi.h"
#include "win/Handles.h"

namespace huex::win {

HFONT createPointFont(int tenthsOfPoint, const wchar_t* face, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(tenthsOfPoint, dpi > 0 ? dpi : screenDpi(), 720);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

bool fontInstalled(const wchar_t* face) {
    const WindowDc screen(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(
        screen.get(), &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

} // namespace huex::win
