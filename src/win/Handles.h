#pragma once
// One owner for every handle: a small unique-ownership template with a traits type per handle
// kind, plus scoped device contexts and a guard that restores SelectObject. Copies are deleted.
// Each kind keeps a count of live handles so that tests can prove long sessions do not leak
// (Wine does not answer GetGuiResources).
#include <windows.h>

#include <utility>

namespace huex::win {

template <class Traits> class Unique {
  public:
    using Type = typename Traits::Type;
    Unique() = default;
    explicit Unique(Type h) : handle_(h) { track(+1); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Type{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~Unique() { reset(); }

    [[nodiscard]] Type get() const { return handle_; }
    explicit operator bool() const { return handle_ != Type{}; }
    // Gives up ownership without freeing (for example when the clipboard takes memory).
    Type release() {
        track(-1);
        return std::exchange(handle_, Type{});
    }
    void reset(Type h = Type{}) {
        if (h == handle_) return;
        if (handle_ != Type{}) {
            track(-1);
            Traits::close(handle_);
        }
        handle_ = h;
        track(+1);
    }

  private:
    void track(int delta) const {
        if (handle_ != Type{}) Traits::live += delta;
    }
    Type handle_{};
};

// How a handle kind is freed, and the count of live handles of that kind.
template <class T, auto closeFunction> struct HandleTraits {
    using Type = T;
    static inline int live = 0;
    static void close(T h) { closeFunction(h); }
};

template <class T> using GdiObjectTraits = HandleTraits<T, &DeleteObject>;
using MemoryDcTraits = HandleTraits<HDC, &DeleteDC>;
using MenuTraits = HandleTraits<HMENU, &DestroyMenu>;
using IconTraits = HandleTraits<HICON, &DestroyIcon>;
using CursorTraits = HandleTraits<HCURSOR, &DestroyCursor>;
using KernelHandleTraits = HandleTraits<HANDLE, &CloseHandle>;
using GlobalMemoryTraits = HandleTraits<HGLOBAL, &GlobalFree>;

using UniqueBitmap = Unique<GdiObjectTraits<HBITMAP>>;
using UniqueFont = Unique<GdiObjectTraits<HFONT>>;
using UniquePen = Unique<GdiObjectTraits<HPEN>>;
using UniqueBrush = Unique<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueCursor = Unique<CursorTraits>;
using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueGlobal = Unique<GlobalMemoryTraits>;

// Live handles owned through this layer: GDI objects and DCs, and menus, icons and cursors.
int liveGdiHandles();
int liveUserHandles();
// Kilobytes in use in the process heap, where the system's libraries allocate, or in the other
// heaps, the C library's, where ours go: the measure of a leak that resident memory hides among
// caches and freed pages kept for reuse.
int heapKilobytesInUse(bool processHeap);

// GetDC / ReleaseDC against the same window (null for the whole screen).
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }
    [[nodiscard]] HDC get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace huex::win
