#include "dialogs/AboutDialog.h"

#include "resource.h"
#include "win/Artwork.h"
#include "win/Dpi.h"

#include <array>
#include <string>

namespace huex {

AboutDialog::AboutDialog() : win::Dialog(IDD_ABOUT) {}

BOOL AboutDialog::onInitDialog() {
    emailLink.attachDlgItem(hwnd(), IDC_ABOUT_EMAIL);
    webLink.attachDlgItem(hwnd(), IDC_ABOUT_WEB);
    std::array<wchar_t, 512> text{};
    GetDlgItemTextW(hwnd(), IDC_ABOUT_EMAIL, text.data(), static_cast<int>(text.size()));
    emailLink.SetURL(std::wstring(L"mailto:") + text.data());
    GetDlgItemTextW(hwnd(), IDC_ABOUT_WEB, text.data(), static_cast<int>(text.size()));
    webLink.SetURL(text.data());
    showPictureForDpi();
    return TRUE;
}

// The template's picture is the 96-DPI drawing; on a scaled screen the one drawn for its DPI
// takes its place.
void AboutDialog::showPictureForDpi() {
    const int dpi = win::windowDpi(hwnd());
    if (dpi == kBaseDpi) return;
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        picture_ = win::loadAboutPicture(dpi);
        if (!picture_) return;
        // The static hands back the picture it loaded itself, which is then ours to free.
        const win::UniqueBitmap previous(reinterpret_cast<HBITMAP>(
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()))));
        return;
    }
}

bool AboutDialog::onMessage(win::Message& m) {
    if (m.id == WM_COMMAND && (LOWORD(m.wParam) == IDOK || LOWORD(m.wParam) == IDCANCEL)) {
        endDialog(LOWORD(m.wParam));
        return true;
    }
    return false;
}

} // namespace huex
