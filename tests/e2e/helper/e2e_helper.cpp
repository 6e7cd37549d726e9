// huex_e2e_helper: another program on the same desktop, for the end-to-end tests.
//
//   drop-target SECONDS   shows a window captioned "HUEX drop target" that accepts dropped text
//                         (CF_UNICODETEXT, else CF_TEXT) and prints each drop as one UTF-8 line
//                         "dropped:<text>"; lives for SECONDS.
//   record FILE ARGS...   writes ARGS, one per line, in UTF-8 to FILE (a link handler to register).
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring textFrom(IDataObject* data) {
    FORMATETC unicode{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC plain{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    std::wstring text;
    if (SUCCEEDED(data->GetData(&unicode, &medium))) {
        text = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal));
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
    } else if (SUCCEEDED(data->GetData(&plain, &medium))) {
        const std::string bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
        text.assign(bytes.begin(), bytes.end());
    }
    return text;
}

class TextTarget final : public IDropTarget {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        return static_cast<ULONG>(InterlockedDecrement(&references_));
    }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        std::printf("dropped:%s\n", utf8(textFrom(data)).c_str());
        std::fflush(stdout);
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }

  private:
    LONG references_ = 1;
};

int dropTarget(long seconds) {
    if (FAILED(OleInitialize(nullptr))) return 1;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"HuexE2eDropTarget";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"HUEX drop target", WS_POPUP | WS_VISIBLE,
                                  500, 300, 240, 160, nullptr, nullptr, windowClass.hInstance, nullptr);
    TextTarget target;
    if (!window || FAILED(RegisterDragDrop(window, &target))) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    SetTimer(window, 1, static_cast<UINT>(seconds * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window) break;
        DispatchMessageW(&message);
    }
    RevokeDragDrop(window);
    DestroyWindow(window);
    OleUninitialize();
    return 0;
}

int record(const wchar_t* file, int count, wchar_t** args) {
    FILE* out = _wfopen(file, L"wb");
    if (!out) return 1;
    for (int i = 0; i < count; ++i) std::fprintf(out, "%s\n", utf8(args[i]).c_str());
    std::fclose(out);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"drop-target") == 0)
        return dropTarget(std::wcstol(argv[2], nullptr, 10));
    if (argc >= 3 && std::wcscmp(argv[1], L"record") == 0) return record(argv[2], argc - 3, argv + 3);
    std::fputs("usage: huex_e2e_helper drop-target SECONDS | record FILE ARGS...\n", stderr);
    return 2;
}
