#include "win/OleSession.h"

#include "win/LateBound.h"
#include "win/Trace.h"

namespace huex::win {

namespace {
template <class Function> Function ole(const char* name) {
    return lateBound<Function>(L"ole32.dll", name);
}
} // namespace

OleSession::~OleSession() {
    if (!started_) return;
    static const auto uninitialize = ole<void(WINAPI*)()>("OleUninitialize");
    if (uninitialize) uninitialize();
    trace::step("OLE ended");
}

void OleSession::start() {
    if (started_) return;
    static const auto initialize = ole<HRESULT(WINAPI*)(LPVOID)>("OleInitialize");
    started_ = initialize && SUCCEEDED(initialize(nullptr));
}

HRESULT registerDragDrop(HWND window, IDropTarget* target) {
    static const auto function = ole<HRESULT(WINAPI*)(HWND, IDropTarget*)>("RegisterDragDrop");
    return function ? function(window, target) : E_NOTIMPL;
}

HRESULT revokeDragDrop(HWND window) {
    static const auto function = ole<HRESULT(WINAPI*)(HWND)>("RevokeDragDrop");
    return function ? function(window) : E_NOTIMPL;
}

HRESULT doDragDrop(IDataObject* data, IDropSource* source, DWORD allowed, DWORD* effect) {
    static const auto function =
        ole<HRESULT(WINAPI*)(IDataObject*, IDropSource*, DWORD, DWORD*)>("DoDragDrop");
    return function ? function(data, source, allowed, effect) : E_NOTIMPL;
}

} // namespace huex::win
