// Palette files: export through the system save dialog, import through the open dialog.
#include "palette/PaletteFiles.h"
#include "picker/ColorPickerDialog.h"
#include "win/Files.h"
#include "win/LateBound.h"
#include "win/Text.h"

#include <commdlg.h>

#include <optional>

namespace huex {

namespace {

// Filter pairs: the four both dialogs list, in the order of PaletteFormat; then the export's two
// modern ones, or the import's design tokens and "all palettes" (a CSS file reads the same either way).
constexpr wchar_t kFormatFilters[] = L"Палитра GIMP (*.gpl)\0*.gpl\0"
                                     L"Adobe Swatch Exchange (*.ase)\0*.ase\0"
                                     L"CSS (*.css)\0*.css\0"
                                     L"Шестнадцатеричные коды (*.txt)\0*.txt\0";
constexpr wchar_t kExportFilters[] = L"CSS, oklch() (*.css)\0*.css\0"
                                     L"Design Tokens (*.tokens.json)\0*.tokens.json\0";
constexpr wchar_t kImportFilters[] =
    L"Design Tokens (*.tokens.json;*.json)\0*.tokens.json;*.json\0"
    L"Все палитры (*.gpl;*.ase;*.css;*.txt;*.json)\0*.gpl;*.ase;*.css;*.txt;*.json\0";
constexpr DWORD kAllPalettesIndex = 6;

struct ChosenFile {
    std::wstring path;
    DWORD filterIndex = 1;
};

std::optional<ChosenFile> askFile(HWND owner, bool save) {
    // The filter list ends with an empty string; each literal above brings its own terminators.
    std::wstring filters(kFormatFilters, std::size(kFormatFilters) - 1);
    if (save)
        filters.append(kExportFilters, std::size(kExportFilters) - 1);
    else
        filters.append(kImportFilters, std::size(kImportFilters) - 1);
    filters += L'\0';
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = save ? 1 : kAllPalettesIndex;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    // Bound on first use, like the colour dialog: the common dialogs library and the printing and
    // shell libraries it pulls in cost a megabyte of memory to every session that never opens one.
    using FileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);
    static const auto saveDialog = win::lateBound<FileDialog>(L"comdlg32.dll", "GetSaveFileNameW");
    static const auto openDialog = win::lateBound<FileDialog>(L"comdlg32.dll", "GetOpenFileNameW");
    const FileDialog show = save ? saveDialog : openDialog;
    if (!show || !show(&dialog)) return std::nullopt;
    path.resize(path.find(L'\0'));
    return ChosenFile{std::move(path), dialog.nFilterIndex};
}

void tell(HWND owner, const std::wstring& text, UINT icon) {
    MessageBoxW(owner, text.c_str(), L"HUEX", MB_OK | icon);
}

} // namespace

void ColorPickerDialog::exportPalette() {
    const std::vector<RgbColor> cells = paletteCells(state.palette);
    if (cells.empty()) {
        tell(hwnd(), L"Палитра пуста", MB_ICONINFORMATION);
        return;
    }
    exportColors(hwnd(), cells);
}

// The save dialog over `owner`, then the colours in the format chosen.
void ColorPickerDialog::exportColors(HWND owner, const std::vector<RgbColor>& colors) {
    const auto chosen = askFile(owner, true);
    if (!chosen) return;
    const DWORD index = chosen->filterIndex >= 1 && chosen->filterIndex <= static_cast<DWORD>(kPaletteFormats)
                            ? chosen->filterIndex
                            : 1;
    const auto format = static_cast<PaletteFormat>(index - 1);
    const std::wstring path = withPaletteExtension(chosen->path, format);
    // The dialog asked about the name as typed; a name that got its extension here is asked about now.
    if (path != chosen->path && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        MessageBoxW(owner, (path + L" уже существует.\nЗаменить его?").c_str(), L"HUEX",
                    MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    if (const DWORD error = win::replaceFileWith(path, writePalette(format, colors)); error != ERROR_SUCCESS)
        tell(owner, L"Не удалось записать палитру: " + win::systemErrorText(error), MB_ICONWARNING);
}

void ColorPickerDialog::importPalette() {
    const auto chosen = askFile(hwnd(), false);
    if (!chosen) return;
    // One byte past the limit is enough to tell a file that is too large.
    const win::FileBytes file = win::readFileBytes(chosen->path, kMaxPaletteFileSize + 1);
    if (file.error != ERROR_SUCCESS) {
        tell(hwnd(), L"Не удалось прочитать палитру: " + win::systemErrorText(file.error), MB_ICONWARNING);
        return;
    }
    const PaletteRead read = readPalette(file.bytes, chosen->path);
    if (applyImport(state.palette, read)) {
        state.selectionAnchor = state.selectionCursor = 0;
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
    if (const std::string message = importMessage(read); !message.empty())
        tell(hwnd(), win::widen(message), read.error.empty() ? MB_ICONINFORMATION : MB_ICONWARNING);
}

} // namespace huex
