// The main window's frame as a user meets it: what the caption buttons say,
// the window menu, copies started together, and hook reports that
// arrive for a tool that is not running.

#include <string>
#include <vector>

#include "app/vendor.h"
#include "hooks/hook_protocol.h"
#include "platform/handle.h"
#include "platform/session_lock.h"
#include "settings/settings.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

using Shell = VixTest;

TEST_F(Shell, CaptionButtonsKeepTheirNamesButShowNoHint) {
    StartVix();
    const HWND settings = Control(L"Settings");
    ASSERT_NE(settings, nullptr);
    for (const wchar_t* name : {L"Minimize", L"Restore", L"Exit"}) {
        const HWND button = Control(name);
        ASSERT_NE(button, nullptr) << testing::PrintToString(name);
        PointAt(Center(settings));
        ASSERT_TRUE(WaitUntil([&] { return HintBarText() == L"Settings"; }));
        PointAt(Center(button));
        EXPECT_TRUE(WaitUntil([&] { return HintBarText().empty(); }))
            << testing::PrintToString(name) << " shows " << testing::PrintToString(HintBarText());
    }
}

// The window menu's "Minimize" (its key N) acts only when the window has the
// minimise style; greyed, the key does nothing.
TEST_F(Shell, TheWindowMenusMinimizeMinimisesTheProgram) {
    StartVix();
    ::PostMessageW(Main(), WM_SYSCOMMAND, SC_KEYMENU, L' ');
    ASSERT_NE(WaitForPopupMenu(), nullptr) << "the window menu did not open";
    PressKey('N');
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));
    EXPECT_TRUE(vix_->Running());
}

// The lock, not the window, tells a copy that another runs: a copy whose
// window is still being made holds the lock already.
TEST_F(Shell, ACopyHoldingTheSessionLockTurnsTheNextStartAway) {
    const platform::SessionLock running(kSessionLockName);
    ASSERT_TRUE(running.First());
    VixProcess vix;
    ASSERT_TRUE(vix.Start());
    const HWND box = WaitForMessageBox(vix.Pid(), 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"VIX is already running.");
    EXPECT_TRUE(TopLevelWindows(vix.Pid(), L"Tvix_main").empty());
    PressOk(box);
    EXPECT_TRUE(vix.WaitForExit().has_value());
}

// Copies of vix.exe made suspended and let go at the same moment, so that
// each looks for the others while none has its window yet.
class Copies {
  public:
    explicit Copies(int count) {
        const std::wstring exe = BinDir() + L"\\vix.exe";
        for (int i = 0; i < count; ++i) {
            STARTUPINFOW si{};
            si.cb = sizeof(si);
            std::wstring command = L"\"" + exe + L"\"";
            PROCESS_INFORMATION info{};
            if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE,
                                  CREATE_SUSPENDED, nullptr, BinDir().c_str(), &si, &info))
                continue;
            processes_.emplace_back(info.hProcess);
            threads_.emplace_back(info.hThread);
            pids_.push_back(info.dwProcessId);
        }
        for (const platform::KernelHandle& t : threads_)
            ::ResumeThread(t.get());
    }
    ~Copies() {
        for (const platform::KernelHandle& p : processes_) {
            ::TerminateProcess(p.get(), 1);
            ::WaitForSingleObject(p.get(), 5000);
        }
    }
    const std::vector<DWORD>& Pids() const { return pids_; }

  private:
    std::vector<platform::KernelHandle> processes_, threads_;
    std::vector<DWORD> pids_;
};

TEST_F(Shell, OfCopiesStartedTogetherOneRunsAndEveryOtherSaysSo) {
    const Copies copies(3);
    ASSERT_EQ(copies.Pids().size(), 3u);
    std::vector<DWORD> withWindow, withBox;
    // Each copy ends up either with its main window or with the message.
    const bool settled = WaitUntil(
        [&] {
            withWindow.clear();
            withBox.clear();
            for (DWORD pid : copies.Pids()) {
                if (!TopLevelWindows(pid, L"Tvix_main").empty() &&
                    ::IsWindowVisible(TopLevelWindows(pid, L"Tvix_main")[0]))
                    withWindow.push_back(pid);
                if (WaitForMessageBox(pid, 0)) withBox.push_back(pid);
            }
            return withWindow.size() + withBox.size() == copies.Pids().size();
        },
        30000);
    EXPECT_TRUE(settled);
    EXPECT_EQ(withWindow.size(), 1u) << "copies with a main window";
    EXPECT_EQ(withBox.size(), 2u) << "copies that said another runs";
    for (DWORD pid : withBox)
        EXPECT_EQ(MessageBoxText(WaitForMessageBox(pid, 0)), L"VIX is already running.");
}

// A sample report posted while the picker is off once added a black colour
// to the library.
TEST_F(Shell, APickerReportWhileThePickerIsOffTakesNoSample) {
    StartVix();
    const auto before = RegistryBinary(kColorLibraryKeyPath, L"Sampled colors");
    ::PostMessageW(Main(), hooks::kPickerSample, 5, 5);
    ::PostMessageW(Main(), hooks::kPickerMoved, 5, 5);
    // The click that closes comes through the input queue, after the reports.
    CloseVix();
    const auto after = RegistryBinary(kColorLibraryKeyPath, L"Sampled colors");
    if (after) {
        ASSERT_EQ(after->size(), 106u);
        EXPECT_EQ((*after)[105], 0) << "no colour may be sampled";
    }
    EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace vix::e2e
