#include "win/Trace.h"

#include "win/Handles.h"
#include "win/ProgramFolder.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace huex::trace {

namespace {
// Hundredths of a millisecond as "1234.56".
std::string milliseconds(std::int64_t hundredths) {
    std::string text = std::to_string(hundredths / 100) + '.';
    const auto rest = static_cast<int>(hundredths % 100);
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return std::string(text.size() < 9 ? 9 - text.size() : 0, ' ') + text;
}

std::int64_t fileTimeValue(const FILETIME& t) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

class TraceFile {
  public:
    TraceFile() {
        wchar_t flag[4]{};
        if (GetEnvironmentVariableW(L"HUEX_TRACE", flag, 4) != 1 || flag[0] != L'1') return;
        const std::wstring path = win::programFolder() + L"\\huex-trace.txt";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        file_.reset(file);
        LARGE_INTEGER frequency{}, now{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&now);
        frequency_ = frequency.QuadPart;
        // The process's creation time is on the system clock: the first step is placed on it once,
        // the rest follow on the performance counter.
        FILETIME created{}, exited{}, kernel{}, user{}, clock{};
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        GetSystemTimeAsFileTime(&clock);
        const std::int64_t sinceCreation = fileTimeValue(clock) - fileTimeValue(created); // 100 ns units
        origin_ = now.QuadPart - sinceCreation * frequency_ / 10'000'000;
        previous_ = now.QuadPart;
        write("  since start   since previous   step (ms)\n");
    }

    [[nodiscard]] bool open() const { return static_cast<bool>(file_); }

    void step(const char* name) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        const auto hundredths = [this](std::int64_t ticks) { return ticks * 100'000 / frequency_; };
        write(milliseconds(hundredths(now.QuadPart - origin_)) + "   " +
              milliseconds(hundredths(now.QuadPart - previous_)) + "        " + name + "\n");
        previous_ = now.QuadPart;
    }

  private:
    void write(const std::string& line) {
        DWORD written = 0;
        WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

    win::UniqueHandle file_;
    std::int64_t frequency_ = 1, origin_ = 0, previous_ = 0;
};

TraceFile& traceFile() {
    static TraceFile file;
    return file;
}
} // namespace

bool enabled() {
    return traceFile().open();
}

void step(const char* name) {
    if (TraceFile& file = traceFile(); file.open()) file.step(name);
}

} // namespace huex::trace
