#pragma once
// What a Windows benchmark sets up first, as the program does for itself: no error boxes, the
// common controls, and OLE on this (the GUI) thread for as long as the object lives.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

namespace huex::bench {

class BenchProcess {
  public:
    BenchProcess() {
        SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        ole_ = OleInitialize(nullptr);
    }
    BenchProcess(const BenchProcess&) = delete;
    BenchProcess& operator=(const BenchProcess&) = delete;
    ~BenchProcess() {
        if (SUCCEEDED(ole_)) OleUninitialize();
    }

  private:
    HRESULT ole_ = E_FAIL;
};

} // namespace huex::bench
