#pragma once
// The OLE side of dragging plain text out of an edit: a data object offering the text as CF_TEXT
// and CF_UNICODETEXT, a drop source, the wait for a press to become a drag, and a drop target
// that refuses everything.
#include "controls/ComObject.h"

#include <ole2.h>

#include <string>

namespace huex {

// Offers one text in two formats: CF_UNICODETEXT unchanged, CF_TEXT in the system's ANSI code
// page. Each request gets its own global memory block, which the receiver frees.
class TextDataObject final : public ComObject<IDataObject> {
  public:
    void setText(std::wstring text) { text_ = std::move(text); }
    [[nodiscard]] const std::wstring& text() const { return text_; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                      DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** advises) override;

  private:
    std::wstring text_;
};

// Ends the drag with a drop when the left button comes up; Esc or a second button cancels it.
class TextDropSource final : public ComObject<IDropSource> {
  public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;
};

// Registered for the slot edits: the no-drop cursor over them, and nothing is ever dropped.
class ColorDropTarget final : public ComObject<IDropTarget> {
  public:
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
};

// After a press at `press` (screen pixels): waits, with the mouse captured by `window`, until the
// mouse leaves the start square or the system's drag delay has passed (true: drag), or a button
// is released or pressed or Esc is pressed first (false).
bool waitForDragStart(HWND window, POINT press);

// Offers `text` as a copy-only drag from `window` after a press at `press`; the effect the drop
// target chose (DROPEFFECT_NONE when the drag was refused, cancelled or never began).
DWORD dragTextOut(HWND window, POINT press, TextDataObject& data);

} // namespace huex
