#include "capture_fixture.h"

#include <algorithm>

#include "input.h"
#include "pattern.h"
#include "pattern_screen.h"

namespace vix::e2e {

namespace pt = test::pattern;

void CaptureFixture::SetUp() {
    VixTest::SetUp();
    BeforeStart();
    if (HasFatalFailure()) return;
    pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
    ASSERT_TRUE(pattern_->Start());
    ASSERT_NE(pattern_->WaitForWindow(L"VixTestPattern"), nullptr);
    ASSERT_TRUE(WaitPainted(patternWindow_ = ::WindowFromPoint({pt::kFlatX, pt::kFlatY})));
    StartVix();
    ClickTab(L" Capture");
}

void CaptureFixture::TearDown() {
    VixTest::TearDown();
    pattern_.reset();
}

HWND CaptureFixture::Overlay(const wchar_t* cls) const {
    for (HWND w : TopLevelWindows(vix_->Pid(), cls))
        if (::IsWindowVisible(w)) return w;
    return nullptr;
}

HWND CaptureFixture::StartRectangle() {
    LeftClickAt(Center(Control(L"Rectangle capture")));
    HWND overlay = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (overlay = Overlay(L"Trectan")) != nullptr; }));
    // The overlay shows before the hook library learns its area, and a part
    // pointed at earlier is not found; the prompt comes once the mode is on.
    // (Off the window the bar shows it.)
    MoveTo({1000, 700});
    EXPECT_TRUE(WaitUntil([&] { return HintBarText() == L"Press right mouse button to capture"; }))
        << testing::PrintToString(HintBarText());
    return overlay;
}

namespace {

bool PointerAt(POINT p) {
    POINT now{};
    ::GetCursorPos(&now);
    return now.x == p.x && now.y == p.y;
}

}  // namespace

void CaptureFixture::PointSteadily(POINT p) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        PointAt(p);
        ::Sleep(100);
        if (PointerAt(p)) {
            ::Sleep(100);
            if (PointerAt(p)) break;
        }
    }
    // Once the late reports are through, the last move the hook library
    // sees is one at the point.
    test::SendMouseAt(p, 0);
}

void CaptureFixture::SteadyDrag(POINT from, POINT to) {
    PointSteadily(from);
    LeftDrag(from, to);
}

void CaptureFixture::DragFrame(POINT from, POINT to) {
    PointSteadily(from);
    // The part under the pointer comes as a message the hook posts while the
    // move passes: handled before the button goes down.
    ASSERT_TRUE(WaitInputHandled(Main()));
    LeftDrag(from, to);
    ::Sleep(150);
    ASSERT_TRUE(WaitInputHandled(Main()));
}

RECT CaptureFixture::ShapeRectangle(HWND overlay, const RECT& to) {
    const int width = to.right - to.left;
    const int height = to.bottom - to.top;
    const auto sized = [&] {
        const RECT b = ScreenRect(overlay);
        return b.right - b.left == width && b.bottom - b.top == height;
    };
    const auto placed = [&] {
        const RECT b = ScreenRect(overlay);
        return sized() && b.left == to.left && b.top == to.top;
    };
    // A late pointer report may still give the hook library another part
    // than the one pressed: a drag that went astray is made again from
    // where the overlay is.
    for (int attempt = 0; attempt < 6 && !placed(); ++attempt) {
        const RECT r = ScreenRect(overlay);
        if (!sized()) {
            DragFrame({r.right - 2, r.bottom - 2}, {r.left + width - 2, r.top + height - 2});
            WaitUntil(sized, 2000);
        } else {
            const POINT inside{r.left + width / 2, r.top + height / 2};
            DragFrame(inside, {inside.x + to.left - r.left, inside.y + to.top - r.top});
            WaitUntil(placed, 2000);
        }
    }
    return BoundsOnceSettled(overlay, [&](const RECT&) { return placed(); });
}

void CaptureFixture::TakeRectangle(HWND overlay) {
    SettleScreen();
    // What the capture takes: the overlay's inside, within its frame.
    RECT inside = ScreenRect(overlay);
    ::InflateRect(&inside, -5, -5);
    ASSERT_TRUE(WaitPatternShown(inside)) << "the pattern is not whole inside the rectangle";
    RightClickAt({600, 700});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }));
    ASSERT_TRUE(WaitInputHandled(Main()));
}

bool CaptureFixture::ShowsLabels(int width, int height) const {
    return WaitUntil([&] {
        return FindByText(Main(), std::to_wstring(width)) &&
               FindByText(Main(), std::to_wstring(height));
    });
}

void CaptureFixture::StartControlCaptureOnPattern() {
    LeftClickAt(Center(Control(L"Control capture")));
    const POINT inside{pt::kFlatX, pt::kFlatY};
    PointAt(inside);
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (frame = Overlay(L"THottracker")) != nullptr; }));
    const RECT target = ScreenRect(patternWindow_);
    ASSERT_TRUE(WaitUntil([&] {
        const RECT f = ScreenRect(frame);
        return f.left == target.left - 1 && f.bottom == target.bottom + 1;
    }));
}

void CaptureFixture::TakePattern() {
    SettleScreen();
    ASSERT_TRUE(WaitPatternShown(ScreenRect(patternWindow_))) << "the pattern is not whole";
    RightClickAt({pt::kFlatX, pt::kFlatY});
    // Right clicks reach the program through the hook only, posted on.
    ASSERT_TRUE(WaitInputHandled(Main()));
}

Picture CaptureFixture::CapturePatternWindow() {
    StartControlCaptureOnPattern();
    TakePattern();
    LeftClickAt(Center(Control(L"Control capture")));
    EXPECT_TRUE(WaitUntil([&] { return Overlay(L"THottracker") == nullptr; }));
    return ScreenPicture(ScreenRect(patternWindow_));
}

std::optional<Picture> CaptureFixture::SnapshotViaClipboard() {
    HWND button = Control(L"Export snapshot to the clipboard");
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; }));
    ClearClipboard();
    LeftClickAt(Center(button));
    std::optional<Picture> shot;
    WaitUntil([&] { return (shot = ClipboardBitmap()).has_value(); });
    return shot;
}

std::wstring ScratchFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name;
    ::CreateDirectoryW(folder.c_str(), nullptr);
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    return folder;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::uint8_t> WholeJpeg(const std::wstring& path, DWORD timeoutMs) {
    std::vector<std::uint8_t> bytes;
    WaitUntil(
        [&] {
            bytes = ReadFileBytes(path);
            return bytes.size() > 4 && bytes[bytes.size() - 2] == 0xFF && bytes.back() == 0xD9;
        },
        timeoutMs);
    return bytes;
}

std::vector<std::uint8_t> WholePng(const std::wstring& path, DWORD timeoutMs) {
    static constexpr std::uint8_t kEnd[] = {'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    std::vector<std::uint8_t> bytes;
    WaitUntil(
        [&] {
            bytes = ReadFileBytes(path);
            return bytes.size() > 8 &&
                   std::equal(std::begin(kEnd), std::end(kEnd), bytes.end() - 8);
        },
        timeoutMs);
    return bytes;
}

std::vector<std::uint8_t> WholeFile(const std::wstring& path, std::size_t size, DWORD timeoutMs) {
    std::vector<std::uint8_t> bytes;
    WaitUntil(
        [&] {
            bytes = ReadFileBytes(path);
            return size ? bytes.size() == size : FileExists(path);
        },
        timeoutMs);
    return bytes;
}

}  // namespace vix::e2e
