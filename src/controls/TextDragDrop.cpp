#include "controls/TextDragDrop.h"

#include "controls/TextSelection.h"
#include "win/OleSession.h"
#include "win/Text.h"

#include <array>
#include <cstring>

namespace huex {

namespace {
constexpr std::array<CLIPFORMAT, 2> offeredFormats{CF_UNICODETEXT, CF_TEXT};

bool offered(const FORMATETC* format) {
    if (!format || format->dwAspect != DVASPECT_CONTENT || !(format->tymed & TYMED_HGLOBAL)) return false;
    for (CLIPFORMAT f : offeredFormats)
        if (format->cfFormat == f) return true;
    return false;
}

HGLOBAL copyToGlobal(const void* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, bytes, size);
        GlobalUnlock(block);
        return block;
    }
    GlobalFree(block);
    return nullptr;
}

// The formats a drop target may ask for, one after another.
class FormatEnumerator final : public ComObject<IEnumFORMATETC> {
  public:
    explicit FormatEnumerator(std::size_t next = 0) : next_(next) {}
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* formats, ULONG* fetched) override {
        if (!formats || (count != 1 && !fetched)) return E_INVALIDARG;
        ULONG given = 0;
        for (; given < count && next_ < offeredFormats.size(); ++given, ++next_)
            formats[given] = FORMATETC{offeredFormats[next_], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        next_ += count;
        return next_ <= offeredFormats.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** copy) override {
        if (!copy) return E_POINTER;
        *copy = new FormatEnumerator(next_);
        return S_OK;
    }

  private:
    std::size_t next_;
};
} // namespace

HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) return E_POINTER;
    if (!offered(format)) return DV_E_FORMATETC;
    HGLOBAL block = nullptr;
    if (format->cfFormat == CF_UNICODETEXT) {
        block = copyToGlobal(text_.c_str(), (text_.size() + 1) * sizeof(wchar_t));
    } else {
        const std::string ansi = win::toAnsi(text_);
        block = copyToGlobal(ansi.c_str(), ansi.size() + 1);
    }
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT TextDataObject::GetDataHere(FORMATETC* /*format*/, STGMEDIUM* /*medium*/) {
    return DATA_E_FORMATETC;
}

HRESULT TextDataObject::QueryGetData(FORMATETC* format) {
    return offered(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT TextDataObject::GetCanonicalFormatEtc(FORMATETC* /*in*/, FORMATETC* out) {
    if (!out) return E_POINTER;
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT TextDataObject::SetData(FORMATETC* /*format*/, STGMEDIUM* /*medium*/, BOOL /*release*/) {
    return E_NOTIMPL;
}

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    *formats = new FormatEnumerator();
    return S_OK;
}

HRESULT TextDataObject::DAdvise(FORMATETC* /*format*/, DWORD /*flags*/, IAdviseSink* /*sink*/,
                                DWORD* /*connection*/) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDataObject::DUnadvise(DWORD /*connection*/) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDataObject::EnumDAdvise(IEnumSTATDATA** /*advises*/) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    constexpr DWORD bothButtons = MK_LBUTTON | MK_RBUTTON;
    if (escapePressed || (keyState & bothButtons) == bothButtons) return DRAGDROP_S_CANCEL;
    if (!(keyState & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT TextDropSource::GiveFeedback(DWORD /*effect*/) {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

HRESULT ColorDropTarget::DragEnter(IDataObject* /*data*/, DWORD /*keyState*/, POINTL /*point*/,
                                   DWORD* effect) {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT ColorDropTarget::DragOver(DWORD /*keyState*/, POINTL /*point*/, DWORD* effect) {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT ColorDropTarget::DragLeave() {
    return S_OK;
}

HRESULT ColorDropTarget::Drop(IDataObject* /*data*/, DWORD /*keyState*/, POINTL /*point*/, DWORD* effect) {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

bool waitForDragStart(HWND window, POINT press) {
    const UINT delay = GetProfileIntW(L"windows", L"DragDelay", DD_DEFDRAGDELAY);
    const ULONGLONG deadline = GetTickCount64() + delay;
    SetCapture(window);
    bool started = false, cancelled = false;
    while (!started && !cancelled) {
        if (GetCapture() != window) { // taken away, for example by another window
            cancelled = true;
            break;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            started = true;
            break;
        }
        MSG msg{};
        // Only input is looked at here; everything else waits for the drag loop or the caller.
        if (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
            PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (!insideDragStartSquare(press.x, press.y, msg.pt.x, msg.pt.y)) started = true;
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                cancelled = true;
                break;
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE) cancelled = true;
                break;
            default:
                break;
            }
            continue;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_INPUT);
    }
    if (GetCapture() == window) ReleaseCapture();
    return started;
}

DWORD dragTextOut(HWND window, POINT press, TextDataObject& data) {
    if (!waitForDragStart(window, press)) return DROPEFFECT_NONE;
    const ComRef<TextDropSource> source(new TextDropSource);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = win::doDragDrop(&data, source.get(), DROPEFFECT_COPY, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

} // namespace huex
