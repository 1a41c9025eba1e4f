// capture_win_bench.exe [RUNS] [CAPTURES]: the whole-desktop capture into the
// snapshot (with its output copy) against one raw BitBlt of the same desktop
// into a DIB section, each timed RUNS times (30 by default); then the GDI and
// USER object counts and the private memory before and after CAPTURES
// captures (1,000 by default); last the next name of an image sequence in a
// folder of 10,000 numbered files (goal <= 20 ms).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "capture/image_sequence.h"
#include "capture/snapshot.h"
#include "capture/snapshot_files.h"
#include "gui_counts.h"
#include "platform/desktop.h"
#include "platform/file.h"
#include "platform/gdi.h"
#include "timing.h"

namespace {

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0; its page-file figure is the same count there.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

// The sequence's next name in a folder of 10,000 files (00001 to 10000):
// from one listing, as the program asks (and by the Win32 file search it
// falls back on), and by one look per number.
bool SequenceFigures(int runs) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"vix-sequence-bench";
    const std::wstring base = L"Img_Sequence";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (std::uint64_t i = 1; i <= 10000; ++i) {
        const std::wstring name = vix::SequenceFileName(folder, base, 5, i);
        if (!vix::NameTaken(name)) {
            vix::platform::File f(
                ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        }
    }
    bool right = true;
    const auto listed = vix::bench::Time(runs, [&](int) {
        const auto next = vix::NextSequenceFileName(
            folder, base, 5, vix::platform::EntryNamesIn(folder, base), &vix::NameTaken);
        right &= next.ends_with(L"Img_Sequence10001.jpg");
    });
    // The same through the Win32 file search, which the listing falls back on.
    const auto searched = vix::bench::Time(runs, [&](int) {
        const auto next = vix::NextSequenceFileName(
            folder, base, 5, vix::platform::detail::EntryNamesByFileSearch(folder, base),
            &vix::NameTaken);
        right &= next.ends_with(L"Img_Sequence10001.jpg");
    });
    const auto looked = vix::bench::Time(runs < 5 ? runs : 5, [&](int) {
        const auto next = vix::NextSequenceFileName(folder, base, 5, &vix::NameTaken);
        right &= next.ends_with(L"Img_Sequence10001.jpg");
    });
    std::printf(
        "next sequence name among 10,000 files: one listing median %.2f ms (99th %.2f), "
        "one look per number median %.2f ms (goal <= 20)\n",
        listed.median, listed.p99, looked.median);
    std::printf("  the same listing by the Win32 file search: median %.2f ms (99th %.2f)\n",
                searched.median, searched.p99);
    if (!right) std::printf("a wrong next name\n");
    return right;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 30;
    const int captures = argc > 2 ? _wtoi(argv[2]) : 1000;
    const vix::Rect desktop = vix::platform::VirtualDesktop();
    const vix::Point origin{desktop.left, desktop.top};
    vix::platform::WindowDC screen;

    vix::platform::DibSection raw(desktop.width(), desktop.height());
    vix::platform::MemoryDC rawDC(::CreateCompatibleDC(nullptr));
    vix::platform::Selection selected(rawDC.get(), raw.get());
    // The two take turns, so that both meet the same state of the screen.
    vix::Snapshot snapshot;
    bool failed = false;
    std::vector<double> blitTimes, captureTimes;
    for (int i = 0; i < runs; ++i) {
        double t0 = vix::bench::NowMs();
        ::BitBlt(rawDC.get(), 0, 0, desktop.width(), desktop.height(), screen.get(), desktop.left,
                 desktop.top, SRCCOPY);
        ::GdiFlush();
        blitTimes.push_back(vix::bench::NowMs() - t0);
        t0 = vix::bench::NowMs();
        failed |= static_cast<bool>(snapshot.CopyToBuffer(screen.get(), desktop, origin, {}));
        captureTimes.push_back(vix::bench::NowMs() - t0);
    }
    const auto figures = [](std::vector<double>& t) {
        std::sort(t.begin(), t.end());
        return vix::bench::Figures{t[t.size() / 2], t[t.size() * 99 / 100], t.back()};
    };
    const vix::bench::Figures blit = figures(blitTimes);
    const vix::bench::Figures capture = figures(captureTimes);
    if (failed) std::printf("a capture was refused\n");

    std::printf("desktop %d x %d at (%d, %d)\n", desktop.width(), desktop.height(), desktop.left,
                desktop.top);
    std::printf("raw BitBlt into a DIB section: median %.2f ms, 99th %.2f ms\n", blit.median,
                blit.p99);
    std::printf("CopyToBuffer with output copy:  median %.2f ms, 99th %.2f ms\n", capture.median,
                capture.p99);
    std::printf("ratio of the medians: %.2f (goal <= 1.2)\n", capture.median / blit.median);

    // Joined captures too, so that every path allocates and frees. One
    // round of the pattern first: the heap's first growth is not a leak.
    const auto mixed = [&](int i) {
        const vix::Rect part =
            i % 2 ? desktop
                  : vix::Rect::FromBounds(desktop.left + i % 97, desktop.top + i % 53, 300, 200);
        failed |= static_cast<bool>(
            snapshot.CopyToBuffer(screen.get(), part, {part.left, part.top}, {i % 4 == 0, false}));
    };
    const SIZE_T memoryAtStart = PrivateBytes();
    for (int i = 0; i < 8; ++i)
        mixed(i);
    const vix::test::GuiCounts before = vix::test::CurrentGuiCounts();
    const SIZE_T memoryBefore = PrivateBytes();
    for (int i = 0; i < captures; ++i)
        mixed(i);
    const vix::test::GuiCounts after = vix::test::CurrentGuiCounts();
    const SIZE_T memoryAfter = PrivateBytes();
    std::printf("first round of 8 captures: private memory %lu KB -> %lu KB\n",
                static_cast<unsigned long>(memoryAtStart / 1024),
                static_cast<unsigned long>(memoryBefore / 1024));
    std::printf(
        "%d captures: GDI objects %ld -> %ld, USER objects %ld -> %ld, "
        "private memory %lu KB -> %lu KB\n",
        captures, before.gdi, after.gdi, before.user, after.user,
        static_cast<unsigned long>(memoryBefore / 1024),
        static_cast<unsigned long>(memoryAfter / 1024));
    const bool sequenceRight = SequenceFigures(runs);
    return failed || !(before == after) || !sequenceRight ? 1 : 0;
}
