#include "dialogs/AboutDialog.h"

#include "resource.h"

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
    return TRUE;
}

bool AboutDialog::onMessage(win::Message& m) {
    if (m.id == WM_COMMAND && (LOWORD(m.wParam) == IDOK || LOWORD(m.wParam) == IDCANCEL)) {
        endDialog(LOWORD(m.wParam));
        return true;
    }
    return false;
}

} // namespace huex
