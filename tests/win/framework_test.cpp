// The platform framework: dialog lifetime, the modal loop, subclassing with reflection, handle
// ownership and text conversion.
#include "resource.h"
#include "win/Control.h"
#include "win/Dialog.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "win/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace huex::win {
namespace {

class ProbeDialog : public Dialog {
  public:
    ProbeDialog() : Dialog(IDD_PICKER) {}
    std::vector<UINT> pretranslated;
    std::vector<UINT> handled;
    bool throwOnUser = false;
    int destroyedCalls = 0;
    HWND watchedOwner = nullptr;
    bool ownerEnabledAtDestroy = false;

    bool preTranslateMessage(MSG& msg) override {
        if (msg.message == WM_APP + 1) {
            pretranslated.push_back(msg.message);
            return true;
        }
        return false;
    }

  protected:
    bool onMessage(Message& m) override {
        if (m.id == WM_APP + 2) {
            handled.push_back(m.id);
            m.result = 42;
            return true;
        }
        if (m.id == WM_DESTROY) ownerEnabledAtDestroy = IsWindowEnabled(watchedOwner) != FALSE;
        if (m.id == WM_APP + 3) {
            if (throwOnUser) throw std::runtime_error("handler failed");
            endDialog(7);
            return true;
        }
        return false;
    }
    void onDestroyed() override { ++destroyedCalls; }
};

TEST(DialogBase, StoresObjectAndForgetsItWhenTheWindowDies) {
    ProbeDialog dialog;
    HWND window = dialog.create(nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&dialog));
    EXPECT_EQ(SendMessageW(window, WM_APP + 2, 0, 0), 42); // answer through DWLP_MSGRESULT
    DestroyWindow(window);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.destroyedCalls, 1);
    EXPECT_FALSE(IsWindow(window));
}

HWND gOwner = nullptr;
bool gOwnerEnabledDuringRun = true;

TEST(DialogBase, ModalRunPretranslatesEndsWithCodeAndReenablesOwner) {
    ProbeDialog owner;
    ASSERT_NE(owner.create(nullptr), nullptr);
    SetWindowTextW(owner.hwnd(), L"owner"); // the timer looks for the running dialog by its caption
    gOwner = owner.hwnd();
    SetActiveWindow(owner.hwnd());
    ProbeDialog dialog;
    dialog.watchedOwner = owner.hwnd();
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        gOwnerEnabledDuringRun = IsWindowEnabled(gOwner) != FALSE;
        HWND target = FindWindowW(nullptr, L"HUEX");
        PostMessageW(target, WM_APP + 1, 0, 0); // taken by the pre-translation
        PostMessageW(target, WM_APP + 3, 0, 0); // ends the run with code 7
    });
    EXPECT_EQ(dialog.runModal(owner.hwnd()), 7);
    EXPECT_FALSE(gOwnerEnabledDuringRun);
    EXPECT_EQ(dialog.pretranslated.size(), 1u);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    // Enabled before the dialog went, so that the activation came back to it.
    EXPECT_TRUE(dialog.ownerEnabledAtDestroy);
    EXPECT_EQ(GetActiveWindow(), owner.hwnd());
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogBase, ExceptionInHandlerDestroysWindowAndLeavesModalRun) {
    ProbeDialog dialog;
    dialog.throwOnUser = true;
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostMessageW(FindWindowW(nullptr, L"HUEX"), WM_APP + 3, 0, 0);
    });
    EXPECT_THROW(dialog.runModal(nullptr), std::runtime_error);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(FindWindowW(nullptr, L"HUEX"), nullptr);
}

class ReflectingEdit : public Control {
  public:
    std::vector<UINT> reflected;
    int ownMessages = 0;
    bool onReflected(Message& m) override {
        reflected.push_back(m.id);
        if (m.id == WM_CTLCOLOREDIT) {
            m.result = reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
            return true;
        }
        return false;
    }

  protected:
    bool onMessage(Message& m) override {
        if (m.id == WM_APP + 9) {
            ++ownMessages;
            m.result = 5;
            return true;
        }
        return false;
    }
};

TEST(ControlSubclass, FindsObjectThroughSubclassAndReceivesReflections) {
    ProbeDialog dialog;
    ASSERT_NE(dialog.create(nullptr), nullptr);
    ReflectingEdit edit;
    ASSERT_TRUE(edit.attachDlgItem(dialog.hwnd(), IDC_EDIT1));
    EXPECT_EQ(Control::fromWindow(edit.hwnd()), &edit);
    EXPECT_EQ(Control::fromWindow(GetDlgItem(dialog.hwnd(), IDC_EDIT2)), nullptr);
    EXPECT_EQ(SendMessageW(edit.hwnd(), WM_APP + 9, 0, 0), 5);
    SetWindowTextW(edit.hwnd(), L"changed"); // EN_CHANGE goes to the parent, which reflects it
    const win::WindowDc dc(edit.hwnd());
    const LRESULT brush = SendMessageW(dialog.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                       reinterpret_cast<LPARAM>(edit.hwnd()));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
    EXPECT_NE(std::find(edit.reflected.begin(), edit.reflected.end(), UINT{WM_COMMAND}),
              edit.reflected.end());
    DestroyWindow(dialog.hwnd());
    EXPECT_EQ(edit.hwnd(), nullptr); // detached when the control died
}

TEST(Handles, CountLiveHandlesAndFreeThemOnce) {
    const int gdi = liveGdiHandles();
    const int user = liveUserHandles();
    {
        UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        UniqueMenu menu(CreatePopupMenu());
        EXPECT_EQ(liveGdiHandles(), gdi + 1);
        EXPECT_EQ(liveUserHandles(), user + 1);
        UniqueBrush moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(liveGdiHandles(), gdi + 1);
        moved.reset(CreateSolidBrush(RGB(4, 5, 6))); // the first brush is freed here
        EXPECT_EQ(liveGdiHandles(), gdi + 1);
        HMENU kept = menu.release();
        EXPECT_EQ(liveUserHandles(), user);
        DestroyMenu(kept);
    }
    EXPECT_EQ(liveGdiHandles(), gdi);
    EXPECT_EQ(liveUserHandles(), user);
}

TEST(Handles, SelectGuardRestoresPreviousObject) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniquePen pen(CreatePen(PS_SOLID, 1, RGB(9, 9, 9)));
    const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_PEN);
    {
        const SelectGuard guard(dc.get(), pen.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), before);
}

TEST(Text, RoundTripsUtf8ThroughUtf16) {
    const struct {
        std::string utf8;
        std::wstring utf16;
    } cases[] = {
        {"", L""},
        {"HUEX", L"HUEX"},
        {"\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9", L"\u041F\u0435\u0440\u0432\u044B\u0439"},
        {"#FF8000 \xE2\x82\xAC", L"#FF8000 \u20AC"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widen(c.utf8), c.utf16);
        EXPECT_EQ(narrow(c.utf16), c.utf8);
    }
}

class CountingWindow : public Window {
  public:
    int creates = 0;

  protected:
    bool onMessage(Message& m) override {
        if (m.id == WM_CREATE) ++creates;
        return false;
    }
};

TEST(WindowBase, StoresObjectFromCreateAndClearsOnDestroy) {
    ASSERT_TRUE(Window::registerClass(L"HUEXTestWindow"));
    CountingWindow window;
    HWND hwnd = window.create(L"HUEXTestWindow", 0, WS_POPUP, L"probe", RECT{0, 0, 10, 10}, nullptr, 0);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.creates, 1);
    EXPECT_EQ(window.hwnd(), hwnd);
    window.destroy();
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0); // window gone: 0 either way
}

} // namespace
} // namespace huex::win
