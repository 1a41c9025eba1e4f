// The snapshot under Windows: copies from a device context, joins at true
// screen positions, refusals that keep the previous picture, the cursor,
// the bottom-up output copy, files and the clipboard.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "capture/snapshot.h"
#include "capture/snapshot_files.h"
#include "capture_fakes.h"
#include "gui_counts.h"
#include "platform/gdi.h"

namespace vix {
namespace {

using test::PaintedWindow;

// Every pixel of the source says where it is.
constexpr DWORD SourcePixel(int x, int y) {
    return 0x010000u * (x & 0xFF) + 0x100u * (y & 0xFF) + 0x5Au;
}

class SnapshotCopy : public ::testing::Test {
  protected:
    SnapshotCopy() : source_(400, 300), dc_(::CreateCompatibleDC(nullptr)) {
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                source_.pixels()[y * 400 + x] = SourcePixel(x, y);
        selection_.emplace(dc_.get(), source_.get());
    }

    std::optional<std::wstring> Take(Rect area, Point from, bool multi = false) {
        return snapshot.CopyToBuffer(dc_.get(), area, from, {multi, false});
    }
    DWORD At(int x, int y) const { return snapshot.Pixels().At(x, y) & 0xFFFFFF; }

    Snapshot snapshot;

  private:
    platform::DibSection source_;
    platform::MemoryDC dc_;
    std::optional<platform::Selection> selection_;
};

TEST_F(SnapshotCopy, ACaptureReplacesTheSnapshotFromTheSourceOrigin) {
    EXPECT_TRUE(snapshot.Empty());
    ASSERT_FALSE(Take({10, 20, 110, 70}, {30, 40}));
    EXPECT_EQ(snapshot.State().rect, (Rect{10, 20, 110, 70}));
    EXPECT_EQ(snapshot.Pixels().width, 100);
    EXPECT_EQ(snapshot.Pixels().height, 50);
    EXPECT_EQ(At(0, 0), SourcePixel(30, 40));
    EXPECT_EQ(At(99, 49), SourcePixel(129, 89));
    ASSERT_FALSE(Take({-20, -10, 80, 40}, {200, 100}));
    EXPECT_EQ(snapshot.State().rect, (Rect{-20, -10, 80, 40})) << "the same size elsewhere";
    EXPECT_EQ(At(0, 0), SourcePixel(200, 100));
    EXPECT_EQ(snapshot.Output().At(99, 49) & 0xFFFFFF, SourcePixel(299, 149));
    ASSERT_FALSE(Take({0, 0, 5, 5}, {0, 0}));
    EXPECT_EQ(snapshot.Pixels().width, 5) << "without multi-capture the next one replaces";
}

TEST_F(SnapshotCopy, TheOutputCopyIsBottomUpWithTheSamePixels) {
    ASSERT_FALSE(Take({0, 0, 37, 23}, {3, 4}));
    const PixelView out = snapshot.Output();
    ASSERT_LT(out.stride, 0) << "rows stored from the bottom up";
    BITMAP info{};
    ASSERT_TRUE(::GetObjectW(snapshot.OutputBitmap(), sizeof info, &info));
    EXPECT_EQ(info.bmBitsPixel, 32);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(out.At(x, y) & 0xFFFFFF, SourcePixel(x + 3, y + 4)) << x << "," << y;
}

TEST_F(SnapshotCopy, TwoJoinedCapturesGiveTheUnionWithBlackGaps) {
    ASSERT_FALSE(Take({0, 0, 100, 100}, {0, 0}, true));
    ASSERT_FALSE(Take({200, 50, 300, 120}, {200, 50}, true));
    EXPECT_EQ(snapshot.State().rect, (Rect{0, 0, 300, 120}));
    EXPECT_EQ(At(0, 0), SourcePixel(0, 0));
    EXPECT_EQ(At(99, 99), SourcePixel(99, 99));
    EXPECT_EQ(At(200, 50), SourcePixel(200, 50));
    EXPECT_EQ(At(299, 119), SourcePixel(299, 119));
    EXPECT_EQ(snapshot.Pixels().At(150, 10), 0u) << "black with a zero fourth byte";
    EXPECT_EQ(snapshot.Pixels().At(50, 110), 0u);
    EXPECT_EQ(snapshot.Output().At(150, 10), 0u);
}

TEST_F(SnapshotCopy, JoinsKeepTrueScreenPositionsLeftOfAndAboveThePrimaryScreen) {
    ASSERT_FALSE(Take({-50, -30, 50, 20}, {0, 0}, true));
    ASSERT_FALSE(Take({0, 0, 100, 100}, {300, 200}, true));
    EXPECT_EQ(snapshot.State().rect, (Rect{-50, -30, 100, 100}));
    EXPECT_EQ(At(0, 0), SourcePixel(0, 0));
    EXPECT_EQ(At(49, 29), SourcePixel(49, 29));
    EXPECT_EQ(At(50, 30), SourcePixel(300, 200)) << "the newest wins where they overlap";
    EXPECT_EQ(At(149, 129), SourcePixel(399, 299));
    EXPECT_EQ(At(0, 129), 0u);
}

TEST_F(SnapshotCopy, ACaptureInsideTheSnapshotKeepsItsSize) {
    ASSERT_FALSE(Take({0, 0, 200, 200}, {0, 0}, true));
    ASSERT_FALSE(Take({10, 10, 20, 20}, {300, 250}, true));
    EXPECT_EQ(snapshot.State().rect, (Rect{0, 0, 200, 200}));
    EXPECT_EQ(At(10, 10), SourcePixel(300, 250));
    EXPECT_EQ(At(9, 9), SourcePixel(9, 9));
}

TEST_F(SnapshotCopy, RefusedCapturesKeepThePreviousSnapshot) {
    ASSERT_FALSE(Take({0, 0, 40, 30}, {5, 5}));
    EXPECT_TRUE(Take({10, 10, 10, 50}, {0, 0})) << "an empty area";
    const auto tooLarge = Take({0, 0, 60000, 60000}, {0, 0});
    ASSERT_TRUE(tooLarge);
    EXPECT_NE(tooLarge->find(L"60000 x 60000"), std::wstring::npos)
        << std::string(tooLarge->begin(), tooLarge->end());
    const auto joinedTooLarge = Take({-40000, -40000, -39990, -39990}, {0, 0}, true);
    EXPECT_TRUE(joinedTooLarge) << "a union larger than can be held";
    EXPECT_EQ(snapshot.State().rect, (Rect{0, 0, 40, 30}));
    EXPECT_EQ(At(0, 0), SourcePixel(5, 5));
    EXPECT_EQ(snapshot.Output().At(39, 29) & 0xFFFFFF, SourcePixel(44, 34));
}

TEST_F(SnapshotCopy, ManyCapturesLeakNoGdiObjects) {
    ASSERT_FALSE(Take({0, 0, 50, 50}, {0, 0}, true));
    const long before = test::CurrentGdiObjects();
    for (int i = 0; i < 200; ++i)
        ASSERT_FALSE(Take(Rect::FromBounds(i % 7, i % 5, 30, 20), {1, 1}, i % 2 == 0));
    EXPECT_EQ(test::CurrentGdiObjects(), before);
}

TEST(SnapshotScreen, AWindowOnTheScreenComesBackWithItsColours) {
    PaintedWindow window({200, 150, 280, 190}, 0x12A4E0, 0x7F0033);
    test::Pump(150);
    Snapshot snapshot;
    platform::WindowDC screen;
    ASSERT_FALSE(snapshot.CopyToBuffer(screen.get(), {200, 150, 280, 190}, {200, 150}, {}));
    EXPECT_EQ(snapshot.Pixels().At(0, 0) & 0xFFFFFF, 0x12A4E0u);
    EXPECT_EQ(snapshot.Pixels().At(39, 39) & 0xFFFFFF, 0x12A4E0u);
    EXPECT_EQ(snapshot.Pixels().At(40, 0) & 0xFFFFFF, 0x7F0033u);
    EXPECT_EQ(snapshot.Pixels().At(79, 39) & 0xFFFFFF, 0x7F0033u);
}

TEST(SnapshotScreen, TheCursorIsDrawnWithItsHotSpotOnThePointer) {
    PaintedWindow window({300, 200, 400, 300}, 0xFFFFFF, 0xFFFFFF);
    ::SetCursorPos(350, 250);
    test::Pump(150);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    Snapshot plain, withCursor;
    platform::WindowDC screen;
    ASSERT_FALSE(plain.CopyToBuffer(screen.get(), {300, 200, 400, 300}, {300, 200}, {}));
    ASSERT_FALSE(
        withCursor.CopyToBuffer(screen.get(), {300, 200, 400, 300}, {300, 200}, {false, true}));
    // The arrow's hot spot is its tip: the changed pixels start at the
    // pointer and none lie above or left of it.
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain.Pixels().At(x, y) != withCursor.Pixels().At(x, y)) {
                ++changed;
                EXPECT_GE(x, 48);
                EXPECT_GE(y, 48);
            }
    EXPECT_GT(changed, 20);
}

TEST(SnapshotFiles, JpegAndTiffReachTheirUnicodeNamesAndAFailureHarmsNoFile) {
    Snapshot snapshot;
    PaintedWindow window({100, 100, 132, 124}, 0x336699, 0xCC3300);
    test::Pump(100);
    platform::WindowDC screen;
    ASSERT_FALSE(snapshot.CopyToBuffer(screen.get(), {100, 100, 132, 124}, {100, 100}, {}));
    const std::wstring folder = test::TempFolder(L"vix snapshot \u00fc\u4e2d");
    const std::wstring tiff = folder + L"\\shot \u00e9.tif";
    const std::wstring jpeg = folder + L"\\shot \u00e9.jpg";
    ASSERT_FALSE(SaveSnapshotFile(snapshot.Output(), {ImageFormat::kTiff, tiff}, 100));
    ASSERT_FALSE(SaveSnapshotFile(snapshot.Output(), {ImageFormat::kJpeg, jpeg}, 90));
    const auto tiffBytes = test::ReadFile(tiff);
    ASSERT_EQ(tiffBytes.size(), 227u + 3u * 32u * 24u);
    EXPECT_EQ(tiffBytes[41], 0x33) << "the top-left pixel's red comes first";
    EXPECT_EQ(tiffBytes[42], 0x66);
    const auto jpegBytes = test::ReadFile(jpeg);
    ASSERT_GT(jpegBytes.size(), 100u);
    EXPECT_EQ(jpegBytes[0], 0xFF);
    EXPECT_EQ(jpegBytes[1], 0xD8);

    // A file held open by someone else stays as it was, and nothing is left beside it.
    HANDLE held = ::CreateFileW(tiff.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto locked = SaveSnapshotFile(snapshot.Output(), {ImageFormat::kTiff, tiff}, 100);
    ::CloseHandle(held);
    ASSERT_TRUE(locked);
    EXPECT_NE(locked->find(tiff), std::wstring::npos) << "the message names the file";
    EXPECT_EQ(test::ReadFile(tiff), tiffBytes);
    EXPECT_FALSE(NameTaken(tiff + L".vix-new"));

    const std::wstring gone = folder + L"\\no such folder\\a.jpg";
    const auto missing = SaveSnapshotFile(snapshot.Output(), {ImageFormat::kJpeg, gone}, 90);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find(gone), std::wstring::npos);
    EXPECT_FALSE(NameTaken(gone));

    const auto empty = SaveSnapshotFile(PixelView{}, {ImageFormat::kTiff, folder + L"\\e.tif"}, 90);
    EXPECT_TRUE(empty) << "an empty picture is refused";
    EXPECT_FALSE(NameTaken(folder + L"\\e.tif"));
}

TEST(SnapshotClipboard, TheBitmapOnTheClipboardHasTheSnapshotsPixels) {
    PaintedWindow window({120, 320, 170, 350}, 0x0A0B0C, 0xF0E0D0);
    test::Pump(100);
    Snapshot snapshot;
    platform::WindowDC screen;
    ASSERT_FALSE(snapshot.CopyToBuffer(screen.get(), {120, 320, 170, 350}, {120, 320}, {}));
    const platform::ClipboardWriter clipboard([&window] { return window.hwnd(); });
    ASSERT_TRUE(CopySnapshotToClipboard(clipboard, snapshot.Output()));
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 50;
    info.bmiHeader.biHeight = -30;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(50 * 30);
    const int rows = ::GetDIBits(screen.get(), bitmap, 0, 30, pixels.data(), &info, DIB_RGB_COLORS);
    ::CloseClipboard();
    ASSERT_EQ(rows, 30);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x0A0B0Cu);
    EXPECT_EQ(pixels[29 * 50 + 49] & 0xFFFFFF, 0xF0E0D0u);
    EXPECT_FALSE(CopySnapshotToClipboard(clipboard, PixelView{}))
        << "nothing for an empty snapshot";
}

// Another program that only looks at the clipboard opens it without a
// window, over and over. The copy, opened with our window, is never left
// without the clipboard between emptying and writing it (with no window of
// its own, Wine handed the clipboard to the other opener there).
TEST(SnapshotClipboard, AnotherProgramLookingMeanwhileTakesNothingFromTheCopy) {
    PaintedWindow window({120, 320, 170, 350}, 0x0A0B0C, 0xF0E0D0);
    Snapshot snapshot;
    platform::WindowDC screen;
    ASSERT_FALSE(snapshot.CopyToBuffer(screen.get(), {120, 320, 170, 350}, {120, 320}, {}));
    std::atomic<bool> done{false};
    std::thread looker([&] {
        while (!done) {
            if (::OpenClipboard(nullptr)) ::CloseClipboard();
            ::Sleep(1);
        }
    });
    const platform::ClipboardWriter clipboard([&window] { return window.hwnd(); });
    int failed = 0;
    for (int i = 0; i < 200; ++i)
        if (!CopySnapshotToClipboard(clipboard, snapshot.Output())) ++failed;
    done = true;
    looker.join();
    EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace vix
