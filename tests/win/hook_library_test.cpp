// Vix32.dll: its exports, its version and what its hook reports and keeps
// from the windows underneath, with real input from SendInput.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "hooks/hook_protocol.h"
#include "fake_tool_host.h"
#include "input.h"
#include "platform/handle.h"
#include "platform/window.h"

namespace vix::hooks {
namespace {

constexpr const char* kExports[] = {"GetDllVersion",           "SetMainHandle",
                                    "SetColorPickerHook",      "UnSetColorPickerHook",
                                    "SetScreenCaptureHook",    "UnSetScreenCaptureHook",
                                    "SetRectangleCaptureHook", "UnSetRectangleCaptureHook",
                                    "SetCaptureRectangleArea", "SetControlCaptureHook",
                                    "UnSetControlCaptureHook"};

std::wstring BinDir() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

using VersionFn = int(WINAPI*)();
using HandleFn = void(WINAPI*)(HWND);
using VoidFn = void(WINAPI*)();
using ArmFn = BOOL(WINAPI*)();
using AreaFn = void(WINAPI*)(LONG, LONG, LONG, LONG);

template <typename F>
F Export(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window that records what reaches it: the hook's reports, or the mouse
// buttons when they get through.
class Recorder final : public platform::Window {
  public:
    explicit Recorder(Rect bounds) {
        Create({.name = L"VixHookTestRecorder"}, {.exStyle = WS_EX_TOPMOST,
                                                  .style = WS_POPUP | WS_VISIBLE,
                                                  .text = L"recorder",
                                                  .bounds = bounds});
    }
    std::vector<Posted> seen;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ||
            message == WM_LBUTTONDOWN)
            seen.push_back({message, wParam, lParam});
        if (message == WM_RBUTTONUP) return 0;  // no context menu
        return DefaultHandling(message, wParam, lParam);
    }
};

void SendMouse(Point p, DWORD flags) { test::SendMouseAt({p.x, p.y}, flags); }

class HookLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        library_.reset(::LoadLibraryW((BinDir() + L"\\Vix32.dll").c_str()));
    }
    static void TearDownTestSuite() { library_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(library_) << "Vix32.dll did not load";
        Export<HandleFn>(library_.get(), "SetMainHandle")(recorder.hwnd());
    }
    void Call(const char* name) {
        if (std::string_view(name).starts_with("Set"))
            ASSERT_TRUE(Export<ArmFn>(library_.get(), name)()) << name << " failed";
        else
            Export<VoidFn>(library_.get(), name)();
    }

    // Input comes from another thread while this one, which owns the hook,
    // keeps handling messages (the hook runs inside that handling).
    void Input(const std::function<void()>& send) {
        std::atomic<bool> done{false};
        std::thread sender([&] {
            send();
            done = true;
        });
        MSG msg;
        while (!done) {
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&msg);
            ::Sleep(5);
        }
        sender.join();
        test::Pump(150);
    }
    std::vector<Posted> Seen(UINT message) const {
        std::vector<Posted> out;
        for (const Posted& p : recorder.seen)
            if (p.message == message) out.push_back(p);
        return out;
    }
    static void RightClick(Point p) {
        SendMouse(p, MOUSEEVENTF_RIGHTDOWN);
        ::Sleep(30);
        SendMouse(p, MOUSEEVENTF_RIGHTUP);
        ::Sleep(30);
    }

    static inline platform::Module library_;
    Recorder recorder{Rect::FromBounds(300, 300, 200, 200)};
};

TEST_F(HookLibrary, ExportsEveryNameUndecoratedAndAnswersVersionTwo) {
    for (const char* name : kExports)
        EXPECT_NE(::GetProcAddress(library_.get(), name), nullptr) << name;
    EXPECT_EQ(Export<VersionFn>(library_.get(), "GetDllVersion")(), 2);
}

TEST_F(HookLibrary, PickerReportsMovesAndTakesTheRightPressFromTheWindowBelow) {
    Call("SetColorPickerHook");
    Input([] {
        SendMouse({350, 320}, 0);
        ::Sleep(30);
        SendMouse({360, 330}, 0);
        ::Sleep(30);
        RightClick({360, 330});
    });
    Call("UnSetColorPickerHook");
    const auto moves = Seen(kPickerMoved);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(UnpackPoint(moves.back().wParam), (Point{360, 330}));
    const auto samples = Seen(kPickerSample);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(UnpackPoint(samples[0].wParam), (Point{360, 330}));
    EXPECT_TRUE(Seen(WM_RBUTTONDOWN).empty()) << "the press must not reach the window below";
    EXPECT_TRUE(Seen(WM_RBUTTONUP).empty()) << "nor its release";

    recorder.seen.clear();
    Input([] { RightClick({360, 330}); });
    EXPECT_EQ(Seen(WM_RBUTTONDOWN).size(), 1u) << "unhooked, the press goes through again";
    EXPECT_TRUE(Seen(kPickerSample).empty());
}

TEST_F(HookLibrary, SwitchingOffBetweenPressAndReleaseStillKeepsTheRelease) {
    Call("SetColorPickerHook");
    Input([] { SendMouse({350, 350}, MOUSEEVENTF_RIGHTDOWN); });
    Call("UnSetColorPickerHook");
    Input([] { SendMouse({350, 350}, MOUSEEVENTF_RIGHTUP); });
    EXPECT_TRUE(Seen(WM_RBUTTONUP).empty());
    Input([] { RightClick({350, 350}); });
    EXPECT_EQ(Seen(WM_RBUTTONDOWN).size(), 1u);
}

TEST_F(HookLibrary, CaptureHooksReportTheRightPress) {
    Call("SetScreenCaptureHook");
    Input([] { RightClick({400, 400}); });
    Call("UnSetScreenCaptureHook");
    EXPECT_EQ(Seen(kScreenCaptureClick).size(), 1u);

    Call("SetControlCaptureHook");
    Input([] { RightClick({400, 400}); });
    Call("UnSetControlCaptureHook");
    EXPECT_EQ(Seen(kControlCaptureClick).size(), 1u);
    EXPECT_TRUE(Seen(WM_RBUTTONDOWN).empty());
}

TEST_F(HookLibrary, RectangleReportsZonesDragsAndTheCaptureClick) {
    Call("SetRectangleCaptureHook");
    Export<AreaFn>(library_.get(), "SetCaptureRectangleArea")(320, 320, 480, 480);
    Input([] {
        SendMouse({400, 400}, 0);  // inside
        ::Sleep(30);
        SendMouse({318, 400}, 0);  // left edge
        ::Sleep(30);
        SendMouse({318, 400}, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(30);
        SendMouse({300, 400}, 0);  // dragging: no zone reports
        ::Sleep(30);
        SendMouse({300, 400}, MOUSEEVENTF_LEFTUP);
        ::Sleep(30);
        RightClick({400, 400});
    });
    Call("UnSetRectangleCaptureHook");
    std::vector<std::pair<WPARAM, LPARAM>> events;
    for (const Posted& p : Seen(kRectangleEvent))
        events.emplace_back(p.wParam, p.lParam);
    const std::vector<std::pair<WPARAM, LPARAM>> expected = {
        {kZoneChanged, static_cast<LPARAM>(Zone::Inside)},
        {kZoneChanged, static_cast<LPARAM>(Zone::Left)},
        {kDragStart, static_cast<LPARAM>(PackPoint({318, 400}))},
        {kDragEnd, static_cast<LPARAM>(PackPoint({300, 400}))},
        {kZoneChanged, static_cast<LPARAM>(Zone::Inside)},
        {kCaptureClick, 0}};
    EXPECT_EQ(events, expected);
    EXPECT_TRUE(Seen(WM_LBUTTONDOWN).empty()) << "the drag press belongs to the frame";
}

TEST_F(HookLibrary, ARefusedHookIsReportedWithTheSystemsErrorAndArmsNothing) {
    platform::Module refusing(::LoadLibraryW((BinDir() + L"\\nohook\\Vix32.dll").c_str()));
    ASSERT_TRUE(refusing);
    Export<HandleFn>(refusing.get(), "SetMainHandle")(recorder.hwnd());
    for (const char* name : {"SetColorPickerHook", "SetScreenCaptureHook",
                             "SetRectangleCaptureHook", "SetControlCaptureHook"}) {
        ::SetLastError(0);
        EXPECT_FALSE(Export<ArmFn>(refusing.get(), name)()) << name;
        EXPECT_NE(::GetLastError(), 0u) << name;
    }
    Input([] { RightClick({350, 350}); });
    EXPECT_TRUE(Seen(kPickerSample).empty()) << "nothing is armed";
    EXPECT_TRUE(Seen(kScreenCaptureClick).empty());
    EXPECT_EQ(Seen(WM_RBUTTONDOWN).size(), 1u) << "the click goes through";
}

TEST(HookLibraryVersions, TestBuildsAnswerTheirNumbers) {
    for (auto [folder, version] : {std::pair{L"lib99", 99}, std::pair{L"lib3", 3}}) {
        platform::Module module(
            ::LoadLibraryW((BinDir() + L"\\" + folder + L"\\Vix32.dll").c_str()));
        ASSERT_TRUE(module);
        EXPECT_EQ(Export<VersionFn>(module.get(), "GetDllVersion")(), version);
    }
}

}  // namespace
}  // namespace vix::hooks
