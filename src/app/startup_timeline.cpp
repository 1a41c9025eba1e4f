#include "app/startup_timeline.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/handle.h"

namespace vix::startup {
namespace {

struct Entry {
    const char* step;
    LONGLONG counter;
};

struct Timeline {
    bool enabled = false;
    bool written = false;
    std::wstring file;
    double originMs = 0;  // process creation on the performance counter's scale
    double ticksPerMs = 1;
    std::vector<Entry> entries;
};

LONGLONG Counter() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

ULONGLONG FileTimeUnits(const FILETIME& t) {
    return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// The counter's value at process creation: the wall clock tells how long ago
// that was, the counter measures everything after.
void FindOrigin(Timeline& t) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    t.ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    const LONGLONG counter = Counter();
    ::GetSystemTimePreciseAsFileTime(&now);
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const double sinceCreation =
        static_cast<double>(FileTimeUnits(now) - FileTimeUnits(created)) / 10000.0;
    t.originMs = static_cast<double>(counter) / t.ticksPerMs - sinceCreation;
}

Timeline& TheTimeline() {
    static Timeline t = [] {
        Timeline made;
        wchar_t file[MAX_PATH] = {};
        const DWORD n = ::GetEnvironmentVariableW(L"VIX_STARTUP_TIMELINE", file, MAX_PATH);
        if (n == 0 || n >= MAX_PATH) return made;
        made.enabled = true;
        made.file = file;
        made.entries.reserve(64);
        FindOrigin(made);
        return made;
    }();
    return t;
}

}  // namespace

void Mark(const char* step) {
    Timeline& t = TheTimeline();
    if (t.enabled && !t.written) t.entries.push_back({step, Counter()});
}

void WriteTimeline() {
    Timeline& t = TheTimeline();
    if (!t.enabled || t.written) return;
    t.written = true;
    std::string text;
    char line[160];
    for (const Entry& e : t.entries) {
        const double at = static_cast<double>(e.counter) / t.ticksPerMs - t.originMs;
        std::snprintf(line, sizeof(line), "%s\t%.2f\n", e.step, at);
        text += line;
    }
    // What the process itself has used of the processors so far: unlike the
    // times above, it hardly grows when other programs load the machine.
    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    std::snprintf(line, sizeof(line), "%s\t%.2f\n", kCpuTimeLine,
                  static_cast<double>(FileTimeUnits(kernel) + FileTimeUnits(user)) / 10000.0);
    text += line;
    platform::File file(::CreateFileW(t.file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;  // a timeline that cannot be written is simply lost
    DWORD written = 0;
    ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace vix::startup
