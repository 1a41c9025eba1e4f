// startup_bench.exe [RUNS]: start-up time to the first paint of vix.exe, of
// a bare Win32 window program and of a program taking vix.exe's fixed steps
// with nothing in them (start_floor.exe), each started the same way from
// this driver.
//
// First paint: the driver polls the screen until the window's probe pixel
// shows the colour the program paints there.
//
// Then the start-up timelines of vix.exe and of the fixed steps: RUNS more
// starts of each with VIX_STARTUP_TIMELINE set, each step's time since
// process creation as the program marks it, the median of each over the
// starts, the same steps side by side.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup_timeline.h"
#include "platform/gdi.h"
#include "platform/handle.h"

namespace {

using vix::platform::GdiColor;
using vix::platform::KernelHandle;

struct Program {
    const wchar_t* label;
    const wchar_t* exe;
    const wchar_t* windowClass;
    POINT probe;  // in the window
};

std::wstring BinDir() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Found {
    DWORD pid;
    const wchar_t* windowClass;
    HWND window;
};

BOOL CALLBACK FindWindowOf(HWND w, LPARAM param) {
    auto* f = reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (pid == f->pid && IsWindowVisible(w) && std::wstring(name) == f->windowClass) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

// No colour when the pixel cannot be read.
GdiColor PixelAt(POINT p) {
    vix::platform::WindowDC screen;
    return GetPixel(screen.get(), p.x, p.y);
}

struct Started {
    KernelHandle process;
    DWORD pid = 0;
    double at = 0;  // ms
};

Started Launch(const Program& p) {
    const std::wstring exe = BinDir() + L"\\" + p.exe;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + exe + L"\"";
    Started started;
    started.at = Now();
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        BinDir().c_str(), &si, &pi))
        return started;
    KernelHandle thread(pi.hThread);
    started.process.reset(pi.hProcess);
    started.pid = pi.dwProcessId;
    return started;
}

// Waits for the visible window and, with `painted` given, for its colour.
HWND WaitForPaint(const Program& p, const Started& s, GdiColor painted, double timeoutMs) {
    Found found{s.pid, p.windowClass, nullptr};
    while (Now() - s.at < timeoutMs) {
        if (!found.window) EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&found));
        if (found.window) {
            if (painted.None()) return found.window;
            RECT r{};
            GetWindowRect(found.window, &r);
            if (PixelAt({r.left + p.probe.x, r.top + p.probe.y}) == painted) return found.window;
        }
        Sleep(1);
    }
    return nullptr;
}

void Close(HWND window, const Started& s) {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(s.process.get(), 5000) != WAIT_OBJECT_0)
        TerminateProcess(s.process.get(), 1);
}

// The colour the program paints at its probe, read once it has settled.
GdiColor LearnColour(const Program& p) {
    const Started s = Launch(p);
    HWND window = WaitForPaint(p, s, vix::platform::kNoColor, 20000);
    Sleep(1500);
    RECT r{};
    GetWindowRect(window, &r);
    const GdiColor colour = PixelAt({r.left + p.probe.x, r.top + p.probe.y});
    Close(window, s);
    return colour;
}

struct Step {
    std::string name;
    std::vector<double> at;
};

// Reads "step<TAB>ms" lines into `steps`, keeping the first start's order.
void ReadTimeline(const std::wstring& file, std::vector<Step>& steps) {
    vix::platform::File f(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!f) return;
    std::string text(64 * 1024, '\0');
    DWORD read = 0;
    ReadFile(f.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    text.resize(read);
    std::istringstream in(text);
    std::string line;
    std::size_t index = 0;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string name = line.substr(0, tab);
        const double at = std::stod(line.substr(tab + 1));
        if (index >= steps.size()) steps.push_back({name, {}});
        if (steps[index].name == name) steps[index].at.push_back(at);
        ++index;
    }
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Timeline {
    std::vector<Step> steps;
    std::vector<double> seen;  // the driver saw the probe painted
};

// RUNS starts of `program` with VIX_STARTUP_TIMELINE set: its own marks.
Timeline CollectTimeline(const Program& program, GdiColor painted, int runs) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"vix-startup-timeline.txt";
    SetEnvironmentVariableW(L"VIX_STARTUP_TIMELINE", file.c_str());
    Timeline t;
    for (int i = 0; i < runs; ++i) {
        DeleteFileW(file.c_str());
        const Started s = Launch(program);
        HWND window = WaitForPaint(program, s, painted, 20000);
        if (window) t.seen.push_back(Now() - s.at);
        for (int wait = 0;
             wait < 200 && GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait)
            Sleep(10);
        Sleep(50);  // the file is written in one go; let it be closed
        Close(window, s);
        ReadTimeline(file, t.steps);
    }
    SetEnvironmentVariableW(L"VIX_STARTUP_TIMELINE", nullptr);
    return t;
}

// vix.exe's steps, and beside each the same step of the fixed-steps program
// where it has one: the time since process creation and the step's cost
// (since the previous step of the same program).
void PrintTimelines(const Timeline& vix, const Timeline& floor) {
    std::printf("\n%-30s %21s %23s\n", "", "vix.exe", "fixed steps alone");
    std::printf("%-30s %10s %10s %11s %11s\n", "start-up step", "median at", "its cost",
                "median at", "its cost");
    double previous = 0, previousFloor = 0;
    const auto cpu = [](const Timeline& t) {
        const auto line = std::find_if(t.steps.begin(), t.steps.end(), [](const Step& s) {
            return s.name == vix::startup::kCpuTimeLine;
        });
        return line == t.steps.end() ? 0.0 : Median(line->at);
    };
    for (const Step& step : vix.steps) {
        if (step.name == vix::startup::kCpuTimeLine) continue;
        const double at = Median(step.at);
        std::printf("%-30s %8.1fms %8.1fms", step.name.c_str(), at, at - previous);
        previous = at;
        const auto same = std::find_if(floor.steps.begin(), floor.steps.end(),
                                       [&](const Step& f) { return f.name == step.name; });
        if (same != floor.steps.end()) {
            const double floorAt = Median(same->at);
            std::printf(" %9.1fms %9.1fms", floorAt, floorAt - previousFloor);
            previousFloor = floorAt;
        }
        std::printf("\n");
    }
    std::printf("%-30s %8.1fms %10s %9.1fms\n", "(driver saw the probe painted)", Median(vix.seen),
                "", Median(floor.seen));
    std::printf("(\"seen painted\" counts from the driver's CreateProcess call)\n");
    std::printf(
        "processor time the process used up to its first paint (median): vix.exe %.1f ms, "
        "fixed steps %.1f ms\n",
        cpu(vix), cpu(floor));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 10;
    const Program programs[] = {
        {L"bare window", L"bare_window.exe", L"VixBareWindow", {5, 5}},
        {L"fixed steps", L"start_floor.exe", L"VixStartFloor", {5, 5}},
        // The probe lies on the title strip.
        {L"vix.exe", L"vix.exe", L"Tvix_main", {8, 4}},
    };
    constexpr int kPrograms = 3;
    constexpr int kFloor = 1;
    constexpr int kVix = 2;
    GdiColor painted[kPrograms];
    for (int p = 0; p < kPrograms; ++p)
        painted[p] = LearnColour(programs[p]);
    // The programs take turns, so that a change of the machine's load during
    // the run falls on all alike.
    std::vector<double> paints[kPrograms];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const Started s = Launch(programs[p]);
            HWND window = WaitForPaint(programs[p], s, painted[p], 20000);
            if (window) paints[p].push_back(Now() - s.at);
            Close(window, s);
        }
    }
    std::printf("%-12s %10s %10s %10s\n", "program", "paint min", "median", "max");
    for (int p = 0; p < kPrograms; ++p) {
        std::sort(paints[p].begin(), paints[p].end());
        if (paints[p].empty()) {
            std::printf("%-12ls never painted\n", programs[p].label);
            return 1;
        }
        std::printf("%-12ls %8.1fms %8.1fms %8.1fms\n", programs[p].label, paints[p].front(),
                    Median(paints[p]), paints[p].back());
    }
    std::printf(
        "ratios of the medians: vix.exe to its fixed steps %.2f (goal <= 1.5); "
        "to the bare window: vix.exe %.2f, its fixed steps %.2f\n",
        Median(paints[kVix]) / Median(paints[kFloor]), Median(paints[kVix]) / Median(paints[0]),
        Median(paints[kFloor]) / Median(paints[0]));
    const Timeline vixTimeline = CollectTimeline(programs[kVix], painted[kVix], runs);
    const Timeline floorTimeline = CollectTimeline(programs[kFloor], painted[kFloor], runs);
    PrintTimelines(vixTimeline, floorTimeline);
    return 0;
}
