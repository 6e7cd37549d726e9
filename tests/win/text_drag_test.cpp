// Dragging text out of an edit: the text a selection stands for, where the press counts as inside
// it, a press released without moving, the data offered to drop targets, and refused drops.
#include "controls/ColorTextEdit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace huex {
namespace {

class DragEdit : public ::testing::Test {
  protected:
    void open(DWORD style, const wchar_t* text) {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        window = CreateWindowExW(0, L"EDIT", text, WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, 300,
                                 120, parent, nullptr, nullptr, nullptr);
        ASSERT_TRUE(edit.attach(window));
        SetFocus(window);
    }
    void TearDown() override {
        if (parent) DestroyWindow(parent);
    }
    void select(int start, int end) { SendMessageW(window, EM_SETSEL, start, end); }
    POINT charPoint(int index) {
        const LRESULT at = SendMessageW(window, EM_POSFROMCHAR, index, 0);
        return {static_cast<short>(LOWORD(at)) + 1, static_cast<short>(HIWORD(at)) + 3};
    }
    HWND parent = nullptr, window = nullptr;
    ColorTextEdit edit;
};

TEST_F(DragEdit, SelectedTextOfOneLineAndOfSeveralJoinedByCrLf) {
    open(ES_MULTILINE, L"first\r\nsecond\r\nthird");
    const struct {
        int start, end;
        const wchar_t* text;
    } cases[] = {{1, 4, L"irs"}, {3, 10, L"st\r\nsec"}, {2, 18, L"rst\r\nsecond\r\nthi"}, {4, 4, L""}};
    for (const auto& c : cases) {
        select(c.start, c.end);
        EXPECT_EQ(edit.selectedText(), c.text) << c.start << "-" << c.end;
    }
}

TEST_F(DragEdit, PressPointsInsideTheSelectionBothEndsIncluded) {
    open(ES_AUTOHSCROLL, L"#FF8000");
    select(1, 4);
    EXPECT_FALSE(edit.pointInSelection(charPoint(0)));
    EXPECT_TRUE(edit.pointInSelection(charPoint(1)));
    EXPECT_TRUE(edit.pointInSelection(charPoint(3)));
    EXPECT_FALSE(edit.pointInSelection(charPoint(5)));
    select(0, 7);
    // Right of the end of the text is outside even though the whole text is selected.
    const LRESULT last = SendMessageW(window, EM_POSFROMCHAR, 6, 0);
    EXPECT_TRUE(edit.pointInSelection({static_cast<short>(LOWORD(last)) + 2, 4}));
    EXPECT_FALSE(edit.pointInSelection({250, 4}));
    select(3, 3);
    EXPECT_FALSE(edit.pointInSelection(charPoint(3))); // nothing selected, nothing to drag
    select(1, 4);
    SetFocus(parent); // a selection the edit does not show can't be grabbed
    EXPECT_FALSE(edit.pointInSelection(charPoint(2)));
}

TEST_F(DragEdit, PressReleasedWithoutMovingPutsTheCaretThere) {
    open(ES_AUTOHSCROLL, L"#FF8000");
    ASSERT_EQ(edit.EnableDragDrop(ColorTextEdit::dragOut), 1);
    select(1, 6);
    POINT press = charPoint(3);
    POINT screen = press;
    ClientToScreen(window, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y)); // the release, already waiting
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    DWORD start = 0, end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragEdit, DropTargetRegisteredOnceAndRefusesEverything) {
    ColorTextEdit detached;
    EXPECT_EQ(detached.EnableDragDrop(1), 0); // no window yet
    open(ES_AUTOHSCROLL, L"text");
    EXPECT_EQ(edit.EnableDragDrop(1), 1);
    EXPECT_EQ(edit.EnableDragDrop(1), 0);
    // Registered: a second registration of the window is refused by OLE itself.
    ColorDropTarget* other = new ColorDropTarget;
    EXPECT_EQ(RegisterDragDrop(window, other), DRAGDROP_E_ALREADYREGISTERED);
    other->Release();
    EXPECT_EQ(edit.dropEffectOffered(), static_cast<DWORD>(DROPEFFECT_NONE));
    ComRef<ColorDropTarget> target(new ColorDropTarget);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(nullptr, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
}

TEST_F(DragEdit, EditObjectGoingFirstRevokesTheTarget) {
    open(ES_AUTOHSCROLL, L"text");
    auto other = std::make_unique<ColorTextEdit>();
    HWND second = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(other->attach(second));
    ASSERT_EQ(other->EnableDragDrop(1), 1);
    other.reset();
    EXPECT_EQ(RevokeDragDrop(second), DRAGDROP_E_NOTREGISTERED);
}

std::string globalBytes(HGLOBAL block) {
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    std::string copy(bytes, GlobalSize(block));
    GlobalUnlock(block);
    return copy;
}

TEST(TextDataObject, OffersUnicodeTextUnchangedAndPlainText) {
    ComRef<TextDataObject> data(new TextDataObject);
    data->setText(L"#FF8000 \u0426\u0432\u0435\u0442");
    FORMATETC unicode{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&unicode, &medium), S_OK);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(medium.hGlobal)),
                 L"#FF8000 \u0426\u0432\u0435\u0442");
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);

    data->setText(L"HSB(30, 100, 100)");
    FORMATETC plain{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    ASSERT_EQ(data->GetData(&plain, &medium), S_OK);
    const std::string bytes = globalBytes(medium.hGlobal);
    EXPECT_STREQ(bytes.c_str(), "HSB(30, 100, 100)");
    ReleaseStgMedium(&medium);

    FORMATETC bitmap{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    EXPECT_EQ(data->QueryGetData(&bitmap), DV_E_FORMATETC);
    EXPECT_EQ(data->GetData(&bitmap, &medium), DV_E_FORMATETC);
    EXPECT_EQ(data->QueryGetData(&plain), S_OK);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    std::array<FORMATETC, 4> listed{};
    ULONG fetched = 0;
    EXPECT_EQ(formats->Next(4, listed.data(), &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(listed[0].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(listed[1].cfFormat, CF_TEXT);
    formats->Release();

    IDropTarget* wrong = nullptr;
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(&wrong)), E_NOINTERFACE);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(data->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u); // back to the ComRef's own reference
}

TEST(TextDropSource, DropsOnReleaseCancelsOnEscOrASecondButton) {
    ComRef<TextDropSource> source(new TextDropSource);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON), DRAGDROP_S_CANCEL);
}

} // namespace
} // namespace huex
