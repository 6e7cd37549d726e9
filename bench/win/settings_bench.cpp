// Times reading and writing the settings of a full session under Wine: ten palette cells, twenty
// user patterns and the image file, in a folder of their own. Each call is timed on its own; the
// table gives medians and the 10th and 90th percentiles in milliseconds.
//
//   huex_settings_bench.exe [REPETITIONS]       time load and save (default 200)
//   huex_settings_bench.exe --write FOLDER      write the full settings and image files there
#include "settings/ImageFile.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace huex {
namespace {

Settings fullSettings() {
    Settings s;
    s.firstRun = false;
    s.palette.count = Palette::capacity;
    for (int i = 0; i < Palette::capacity; ++i) {
        s.palette.colors[i] = {i / 9.0, 1 - i / 9.0, 0.5};
        s.palette.selected[i] = i == 2;
    }
    const std::array<std::string, 9> formats{"{X|0:255|2.*}", "{X|0:255|2.*}", "{X|0:255|2.*}",
                                             "{d|0:360|*.*}", "{d|0:100|*.*}", "{d|0:100|*.*}",
                                             "{d|0:360|*.*}", "{d|0:100|*.*}", "{d|0:100|*.*}"};
    for (int k = 0; k < 20; ++k)
        s.userPatterns.push_back(ColorPattern("Образец " + std::to_string(k),
                                              "rgb({rgbR}, {rgbG}, {rgbB}) hsb({hsbH}, {hsbS}, {hsbB})",
                                              formats));
    return s;
}

std::vector<std::uint8_t> fullImage() {
    std::vector<std::uint32_t> pixels(33 * 33);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    return imageFileBytes(pixels);
}

bool writeFull(const std::wstring& folder) {
    const SaveResult saved = saveFiles(settingsFilesIn(folder), settingsEntries(fullSettings()), fullImage());
    return saved.image && saved.settings;
}

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER end{}, frequency{};
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double quantile(std::vector<double> v, double q) {
    const auto at = static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    std::nth_element(v.begin(), v.begin() + at, v.end());
    return v[static_cast<std::size_t>(at)];
}

int run(int repetitions) {
    std::array<wchar_t, MAX_PATH + 1> temp{};
    GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
    const std::wstring folder = std::wstring(temp.data()) + L"huex-settings-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!writeFull(folder)) {
        std::fprintf(stderr, "settings_bench: the files could not be written\n");
        return 1;
    }
    const SettingsFiles files = settingsFilesIn(folder);
    const Rect screen{0, 0, 1024, 768};
    const Settings full = fullSettings();
    const std::vector<std::uint8_t> image = fullImage();
    std::vector<std::uint32_t> pixels(33 * 33);
    const IniDocument inMemory = readSettingsFile(files.settings);
    const struct {
        const char* name;
        std::function<void()> run;
    } steps[] = {
        {"load: settings file read and brought into range",
         [&] {
             if (loadSettings(readSettingsFile(files.settings), screen).userPatterns.size() != 20)
                 std::abort();
         }},
        {"  part: the file read and decoded alone", [&] { readSettingsFile(files.settings); }},
        {"  part: bringing into range alone (file in memory)", [&] { loadSettings(inMemory, screen); }},
        {"load: image file read into a capture",
         [&] { readImageFile(readImageFileBytes(files.image), pixels); }},
        {"save: image file and settings file", [&] { saveFiles(files, settingsEntries(full), image); }},
    };
    std::printf("settings_bench: %d timed repetitions per step, 10 cells, 20 user patterns\n", repetitions);
    std::printf("  %-52s %10s %10s %10s\n", "step", "median ms", "p10 ms", "p90 ms");
    for (const auto& step : steps) {
        std::vector<double> times;
        for (int i = -5; i < repetitions; ++i) {
            LARGE_INTEGER start{};
            QueryPerformanceCounter(&start);
            step.run();
            if (i >= 0) times.push_back(millisecondsSince(start));
        }
        std::printf("  %-52s %10.3f %10.3f %10.3f\n", step.name, quantile(times, 0.5), quantile(times, 0.1),
                    quantile(times, 0.9));
    }
    for (const std::wstring& f : {files.settings, files.image}) DeleteFileW(f.c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}

} // namespace
} // namespace huex

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"--write") return huex::writeFull(argv[2]) ? 0 : 1;
    return huex::run(argc > 1 ? std::max(10, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 200);
}
