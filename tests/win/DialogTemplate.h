#pragma once
// Reads a dialog template (DLGTEMPLATEEX) from the program's resources as the dialog manager
// sees it: styles, rectangle, caption, font, and every control with its class and text.
#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace huex::test {

struct DialogItem {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring className, text;
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, className, caption, fontName;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

// Reads a DLGTEMPLATEEX; every read is bounds-checked, so a damaged resource fails the test.
class TemplateReader {
  public:
    TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }

    template <class T> T read() {
        T value{};
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    std::wstring readString() {
        std::wstring s;
        for (wchar_t c = read<wchar_t>(); ok_ && c != 0; c = read<wchar_t>()) s += c;
        return s;
    }
    // A string or an ordinal; predefined control classes come as ordinals 0x80 .. 0x85.
    std::wstring readNameOrOrdinal() {
        const auto first = read<WORD>();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            const auto ordinal = read<WORD>();
            switch (ordinal) {
            case 0x80:
                return L"Button";
            case 0x81:
                return L"Edit";
            case 0x82:
                return L"Static";
            case 0x83:
                return L"ListBox";
            case 0x84:
                return L"ScrollBar";
            case 0x85:
                return L"ComboBox";
            default:
                return L"#" + std::to_wstring(ordinal);
            }
        }
        pos_ -= sizeof(WORD);
        return readString();
    }
    void alignTo4() { pos_ = (pos_ + 3) & ~std::size_t{3}; }

  private:
    const BYTE* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

inline std::optional<DialogTemplate> loadDialogTemplate(int id) {
    HRSRC found =
        FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return std::nullopt;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleW(nullptr), found)));
    TemplateReader r(data, SizeofResource(GetModuleHandleW(nullptr), found));
    DialogTemplate t;
    if (r.read<WORD>() != 1 || r.read<WORD>() != 0xFFFF) return std::nullopt; // not a DLGTEMPLATEEX
    r.read<DWORD>();                                                          // help id
    t.exStyle = r.read<DWORD>();
    t.style = r.read<DWORD>();
    const WORD count = r.read<WORD>();
    t.x = r.read<short>(), t.y = r.read<short>(), t.cx = r.read<short>(), t.cy = r.read<short>();
    t.menu = r.readNameOrOrdinal();
    t.className = r.readNameOrOrdinal();
    t.caption = r.readString();
    if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
        t.pointSize = r.read<WORD>();
        t.weight = r.read<WORD>();
        t.italic = r.read<BYTE>();
        t.charset = r.read<BYTE>();
        t.fontName = r.readString();
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.alignTo4();
        DialogItem item;
        r.read<DWORD>(); // help id
        item.exStyle = r.read<DWORD>();
        item.style = r.read<DWORD>();
        item.x = r.read<short>(), item.y = r.read<short>(), item.cx = r.read<short>(),
        item.cy = r.read<short>();
        item.id = r.read<DWORD>();
        item.className = r.readNameOrOrdinal();
        item.text = r.readNameOrOrdinal();
        const WORD extra = r.read<WORD>();
        for (WORD b = 0; b < extra; ++b) r.read<BYTE>();
        t.items.push_back(item);
    }
    if (!r.ok()) return std::nullopt;
    return t;
}

} // namespace huex::test
