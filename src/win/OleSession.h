#pragma once
// OLE on the calling (the window's) thread, started when asked and ended with the object, and the
// OLE functions the program calls, bound on first use (win/LateBound.h).
#include <windows.h>

#include <ole2.h>

namespace huex::win {

class OleSession {
  public:
    OleSession() = default;
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession();
    // Starts OLE once; later calls do nothing.
    void start();
    [[nodiscard]] bool started() const { return started_; }

  private:
    bool started_ = false;
};

HRESULT registerDragDrop(HWND window, IDropTarget* target);
HRESULT revokeDragDrop(HWND window);
HRESULT doDragDrop(IDataObject* data, IDropSource* source, DWORD allowed, DWORD* effect);

} // namespace huex::win
