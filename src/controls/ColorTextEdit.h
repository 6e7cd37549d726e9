#pragma once
// An edit whose selected text can be dragged out, as plain text, into any program that takes
// text. Its window is also a drop target that refuses everything.
#include "controls/TextDragDrop.h"
#include "controls/TextSelection.h"
#include "win/Control.h"

#include <string>

namespace huex {

class ColorTextEdit : public win::Control {
  public:
    // Option bit of EnableDragDrop: the edit is a drag source.
    static constexpr unsigned dragOut = 1;

    ColorTextEdit();
    ~ColorTextEdit() override;

    // Registers the drop target and stores the options; 1 on success, 0 when OLE is not running
    // on this thread, the edit has no window, or it was registered before.
    int EnableDragDrop(unsigned options);

    // What the press handler works with, open to tests.
    [[nodiscard]] TextSelection selection() const;
    [[nodiscard]] std::wstring selectedText() const;
    // Whether the character at a client point lies in the selection (both ends included).
    [[nodiscard]] bool pointInSelection(POINT client) const;
    // The drop target's answer to a drag entering the edit.
    [[nodiscard]] DWORD dropEffectOffered() const;

  protected:
    bool onMessage(win::Message& m) override;
    // The window is going: no drop target may outlive it.
    void revokeDropTarget();

  private:
    [[nodiscard]] TextPosition positionOf(int index) const;
    [[nodiscard]] POINT charPosition(int index) const;
    [[nodiscard]] std::wstring lineText(int line) const;
    [[nodiscard]] bool mouseInSelection() const;
    void caretToMouse();
    bool onPress(LPARAM clientPoint);

    bool registered_ = false;
    unsigned options_ = 0;
    ComRef<ColorDropTarget> dropTarget_;
    ComRef<TextDataObject> dataSource_;
};

} // namespace huex
