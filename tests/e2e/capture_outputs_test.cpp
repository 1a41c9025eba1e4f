// The snapshot's outputs used as a designer uses them: captures joined into
// one picture, the numbered image sequence in a folder chosen with the
// system's folder browser, and files saved through the save dialog, read
// back by the system's own decoders.

#include <algorithm>
#include <set>

#include "capture_fixture.h"
#include "pattern.h"
#include "pattern_screen.h"
#include "settings/settings.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

using CaptureOutputs = CaptureFixture;

bool Ticked(HWND box) { return ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST_F(CaptureOutputs, TwoJoinedCapturesMakeOnePictureOfTheirUnionBlackWhereNeitherLies) {
    HWND join = Control(L"Multi Capture (to one image)");
    ASSERT_NE(join, nullptr);
    LeftClickAt(Center(join));
    ASSERT_TRUE(WaitUntil([&] { return Ticked(join); }));
    // The capture is the overlay inset by 5 on every side, cut to the
    // desktop: first (0, 0, 100, 100) of (-15, -10, 100, 100), then
    // (200, 50, 300, 120).
    HWND overlay = StartRectangle();
    ASSERT_NE(overlay, nullptr);
    const RECT first = ShapeRectangle(overlay, RECT{-20, -15, 105, 105});
    ASSERT_EQ(first.left, -20);
    ASSERT_EQ(first.bottom, 105);
    TakeRectangle(overlay);
    overlay = StartRectangle();
    ASSERT_NE(overlay, nullptr);
    const RECT second = ShapeRectangle(overlay, RECT{195, 45, 305, 125});
    ASSERT_EQ(second.right, 305);
    ASSERT_EQ(second.bottom, 125);
    SaveWindowShot(overlay, L"capture-join-second");
    TakeRectangle(overlay);

    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, 300);
    ASSERT_EQ(shot->height, 120);
    const Picture screen = ScreenPicture({0, 0, 300, 120});
    // Where neither capture lies the screen is not black, so black there
    // comes from the joining.
    EXPECT_NE(screen.At(150, 20), 0u);
    EXPECT_NE(screen.At(150, 110), 0u);
    EXPECT_NE(screen.At(20, 110), 0u);
    for (int y = 0; y < 120; y += 3) {
        for (int x = 0; x < 300; x += 3) {
            const bool covered = (x < 100 && y < 100) || (x >= 200 && y >= 50);
            ASSERT_EQ(shot->At(x, y), covered ? screen.At(x, y) : 0u) << x << "," << y;
        }
    }
    // The edges of both, pixel by pixel.
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(shot->At(99, i), screen.At(99, i)) << i;
        ASSERT_EQ(shot->At(100, i), 0u) << i;
        ASSERT_EQ(shot->At(i, 99), screen.At(i, 99)) << i;
        ASSERT_EQ(shot->At(i, 100), 0u) << i;
        ASSERT_EQ(shot->At(200 + i, 50), screen.At(200 + i, 50)) << i;
        ASSERT_EQ(shot->At(200 + i, 49), 0u) << i;
    }
    EXPECT_EQ(shot->At(1, 1), pt::CornerPixel(1, 1));
    EXPECT_EQ(shot->At(pt::kFlatLeft, pt::kFlatTop), pt::kFlat);
    EXPECT_EQ(shot->At(250, 100), pt::kBackground);
}

// The first capture after the start replaces the empty snapshot even with
// joining on; the next, of a window elsewhere, joins it at its screen place.
TEST_F(CaptureOutputs, TheFirstJoinedCaptureStandsAloneAndTheNextJoinsAtItsPlace) {
    HWND join = Control(L"Multi Capture (to one image)");
    LeftClickAt(Center(join));
    ASSERT_TRUE(WaitUntil([&] { return Ticked(join); }));
    StartControlCaptureOnPattern();
    const Picture pattern = PatternPicture(ScreenRect(Pattern()));
    TakePattern();
    const auto first = SnapshotViaClipboard();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->width, pt::kWidth);
    EXPECT_EQ(first->height, pt::kHeight);

    // The pattern's 4 x 4 window in the desktop's corner.
    PointAt({1, 1});
    HWND frame = Overlay(L"THottracker");
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(WaitUntil([&] {
        const RECT f = ScreenRect(frame);
        return f.left == -1 && f.top == -1 && f.right == pt::kCornerSize + 1;
    }));
    RightClickAt({1, 1});
    ASSERT_TRUE(WaitInputHandled(Main()));
    const auto joined = SnapshotViaClipboard();
    ASSERT_TRUE(joined);
    ASSERT_EQ(joined->width, pt::kLeft + pt::kWidth);
    ASSERT_EQ(joined->height, pt::kTop + pt::kHeight);
    for (int y = 0; y < joined->height; y += 3) {
        for (int x = 0; x < joined->width; x += 3) {
            DWORD expected = 0;
            if (x < pt::kCornerSize && y < pt::kCornerSize)
                expected = pt::CornerPixel(x, y);
            else if (x >= pt::kLeft && y >= pt::kTop)
                expected = pattern.At(x - pt::kLeft, y - pt::kTop);
            ASSERT_EQ(joined->At(x, y), expected) << x << "," << y;
        }
    }
}

// The bytes the clipboard holds in the registered format `name`.
std::vector<std::uint8_t> ClipboardBytes(const wchar_t* name) {
    std::vector<std::uint8_t> bytes;
    const UINT format = ::RegisterClipboardFormatW(name);
    if (!::OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = ::GetClipboardData(format)) {
        if (const auto* p = static_cast<const std::uint8_t*>(::GlobalLock(data))) {
            bytes.assign(p, p + ::GlobalSize(data));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return bytes;
}

// Browsers, office and chat programs paste the PNG file or the
// device-independent bitmap; older programs the bitmap. All three hold the
// capture without loss.
TEST_F(CaptureOutputs, TheClipboardHoldsTheSnapshotAsBitmapDibAndPng) {
    const Picture expected = CapturePatternWindow();
    const auto dib = SnapshotViaClipboard();
    ASSERT_TRUE(dib);
    EXPECT_TRUE(dib->pixels == expected.pixels) << "CF_DIB";
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    const auto png = ClipboardBytes(L"PNG");
    ASSERT_GT(png.size(), 8u) << "no PNG on the clipboard";
    const std::wstring file = ScratchFolder(L"vix clipboard png") + L"\\clipboard.png";
    HANDLE out = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(out, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
    ::CloseHandle(out);
    const auto decoded = ReadImageFile(file);
    ASSERT_TRUE(decoded) << "the system's decoder cannot read it";
    EXPECT_TRUE(decoded->pixels == expected.pixels) << "PNG";
}

// The folder's files by name.
std::set<std::wstring> FilesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

// --- the save dialog ------------------------------------------------------------

constexpr int kFileTypeList = 0x470;  // the dialog's "Save as type" list (cmb1)

BOOL CALLBACK FindVisibleEdit(HWND w, LPARAM found) {
    wchar_t name[16] = {};
    ::GetClassNameW(w, name, 16);
    if (std::wstring(name) != L"Edit" || !::IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// The save dialog's name field: its one visible edit field.
HWND NameField(HWND dialog) {
    HWND found = nullptr;
    ::EnumChildWindows(dialog, FindVisibleEdit, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring ListItem(HWND list, int index) {
    wchar_t text[256] = {};
    if (::SendMessageW(list, CB_GETLBTEXTLEN, index, 0) >= 256) return L"";
    ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

struct SaveCase {
    int filter;  // 1 all, 2 JPEG, 3 TIFF, 4 PNG
    const wchar_t* typed;
    const wchar_t* written;
};

class CaptureSave : public CaptureFixture {
  protected:
    void CapturePattern() {
        expected_ = CapturePatternWindow();
        ASSERT_EQ(expected_.width, pt::kWidth);
    }
    // Saves the snapshot as `typed` (a whole path) under the filter.
    void Save(int filter, const std::wstring& typed) {
        LeftClickAt(Center(Control(L"Save snapshot to disk")));
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            for (HWND w : TopLevelWindows(vix_->Pid(), L"#32770"))
                if (::IsWindowVisible(w) && FindById(w, kFileTypeList)) dialog = w;
            return dialog != nullptr;
        }));
        // Out of the always-on-top layer while the dialog is open.
        EXPECT_FALSE(::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        // No title of its own: the system's.
        EXPECT_EQ(TextOf(dialog), L"Save As");
        HWND types = FindById(dialog, kFileTypeList);
        EXPECT_EQ(ListItem(types, 0), L"All (*.jpg;*.jpeg;*.tif)");
        EXPECT_EQ(ListItem(types, 1), L"JPEG Image File (*.jpg)");
        EXPECT_EQ(ListItem(types, 2), L"Taged Image File Format (*.tif)");
        EXPECT_EQ(ListItem(types, 3), L"PNG (*.png)");
        ChooseListItem(types, filter - 1);
        ASSERT_EQ(::SendMessageW(types, CB_GETCURSEL, 0, 0), filter - 1);
        HWND name = NameField(dialog);
        ASSERT_NE(name, nullptr);
        ReplaceFieldText(name, typed);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); }));
        EXPECT_TRUE(WaitUntil(
            [&] { return (::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    }
    void ExpectJpeg(const std::wstring& path) {
        const auto bytes = WholeJpeg(path);
        ASSERT_GE(bytes.size(), 4u) << "no JPEG file";
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xD8);
        const auto read = ReadImageFile(path);
        ASSERT_TRUE(read) << "not a JPEG picture";
        ASSERT_EQ(read->width, expected_.width);
        ASSERT_EQ(read->height, expected_.height);
        // Compressed at the default quality of 100: close, though not the same.
        EXPECT_GE(Psnr(expected_, *read), 30.0);
        EXPECT_LE(
            ChannelDistance(read->At(pt::kFlatX - pt::kLeft, pt::kFlatY - pt::kTop), pt::kFlat), 3);
    }
    void ExpectTiff(const std::wstring& path) {
        const std::size_t size = 227 + 3u * pt::kWidth * pt::kHeight;
        const auto bytes = WholeFile(path, size);
        ASSERT_EQ(bytes.size(), size) << "no whole TIFF file";
        EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4)),
                  (std::vector<std::uint8_t>{'I', 'I', 42, 0}));
        const auto read = ReadImageFile(path);
        ASSERT_TRUE(read) << "not a TIFF picture";
        ASSERT_EQ(read->width, expected_.width);
        ASSERT_EQ(read->height, expected_.height);
        EXPECT_TRUE(read->pixels == expected_.pixels) << "the pixels differ";
    }
    // Lossless: the system's decoder gives back every pixel.
    void ExpectPng(const std::wstring& path) {
        const auto bytes = WholePng(path);
        ASSERT_GE(bytes.size(), 8u) << "no whole PNG file";
        EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4)),
                  (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}));
        const auto read = ReadImageFile(path);
        ASSERT_TRUE(read) << "not a PNG picture";
        ASSERT_EQ(read->width, expected_.width);
        ASSERT_EQ(read->height, expected_.height);
        EXPECT_TRUE(read->pixels == expected_.pixels) << "the pixels differ";
    }
    enum class Kind { kJpeg, kTiff, kPng };
    void SaveCases(const std::vector<SaveCase>& cases, Kind kind) {
        const wchar_t* names[] = {L"jpeg", L"tiff", L"png"};
        const std::wstring folder =
            ScratchFolder(std::wstring(L"vix saved \u00e9 ") + names[static_cast<int>(kind)]);
        CapturePattern();
        std::set<std::wstring> expected;
        for (const SaveCase& c : cases) {
            Save(c.filter, folder + L"\\" + c.typed);
            const std::wstring written = folder + L"\\" + c.written;
            if (kind == Kind::kTiff)
                ExpectTiff(written);
            else if (kind == Kind::kPng)
                ExpectPng(written);
            else
                ExpectJpeg(written);
            expected.insert(c.written);
        }
        EXPECT_EQ(FilesIn(folder), expected);
    }
    Picture expected_;
};

// JPEG: under the JPEG filter any name, ".jpg" added unless it ends so; under
// "All" a name ending in ".jpg".
TEST_F(CaptureSave, AsJpegUnderEachFilter) {
    SaveCases({{2, L"shot", L"shot.jpg"}, {2, L"a.tif", L"a.tif.jpg"}, {1, L"c.jpg", L"c.jpg"}},
              Kind::kJpeg);
}

// TIFF: under the TIFF filter any name, ".tif" added unless it ends so; under
// "All" a name ending in ".tif", in any case.
TEST_F(CaptureSave, AsTiffUnderEachFilter) {
    SaveCases({{1, L"A.TIF", L"A.TIF"}, {3, L"b.jpg", L"b.jpg.tif"}, {3, L"d", L"d.tif"}},
              Kind::kTiff);
}

// PNG: under the PNG filter any name, ".png" added unless it ends so; under
// "All" a name ending in ".png", in any case.
TEST_F(CaptureSave, AsPngUnderEachFilter) {
    SaveCases({{4, L"shot", L"shot.png"}, {1, L"B.PNG", L"B.PNG"}, {4, L"c.jpg", L"c.jpg.png"}},
              Kind::kPng);
}

// --- the image sequence ------------------------------------------------------------

// The only item starting with its letter among those the folder browser
// shows down to it.
constexpr wchar_t kSequenceFolderName[] = L"VixSequenceTest";

HWND FolderBrowser(DWORD pid) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w : TopLevelWindows(pid, L"#32770"))
            if (::IsWindowVisible(w) &&
                FindByText(w, L"Choose a Directory where to save the images"))
                found = w;
        return found != nullptr;
    });
    return found;
}

class CaptureSequence : public CaptureFixture {
  protected:
    void BeforeStart() override {
        // The folder browser reaches it through "My Computer" and the drive.
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        for (const std::wstring& name : FilesIn(folder_))
            ::DeleteFileW((folder_ + L"\\" + name).c_str());
    }
    // Ticks the sequence box and, in the folder browser that opens, goes
    // to the folder (or only to its drive) with the keys and presses OK (or
    // Cancel).
    void TickSequence(bool choose, bool driveOnly = false) {
        HWND box = Control(L"Capture to image sequence");
        ASSERT_NE(box, nullptr);
        LeftClickAt(Center(box));
        HWND dialog = FolderBrowser(vix_->Pid());
        ASSERT_NE(dialog, nullptr);
        HWND tree = ::FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr);
        ASSERT_NE(tree, nullptr);
        // A click on the tree's empty part gives it the keys.
        const RECT t = ScreenRect(tree);
        LeftClickAt({(t.left + t.right) / 2, t.bottom - 10});
        PressKey(VK_HOME);   // "Desktop"
        TypeInitial(L'M');   // "My Computer"
        PressKey(VK_RIGHT);  // opened
        PressKey(VK_RIGHT);  // its first drive, C:
        if (!driveOnly) {
            PressKey(VK_RIGHT);  // opened
            TypeInitial(kSequenceFolderName[0]);
        }
        SaveWindowShot(dialog, L"capture-sequence-folder");
        LeftClickAt(Center(FindByText(dialog, choose ? L"OK" : L"Cancel")));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); }));
        ASSERT_TRUE(WaitInputHandled(Main()));
        EXPECT_EQ(Ticked(box), choose);
    }
    // The tree takes letters typed within half a second of each other as
    // one word to look for; a letter on its own goes to the next item
    // starting with it.
    static void TypeInitial(wchar_t letter) {
        ::Sleep(600);
        TypeText(std::wstring(1, letter));
    }
    std::wstring File(const std::wstring& name) const { return folder_ + L"\\" + name; }

    const std::wstring folder_ = std::wstring(L"C:\\") + kSequenceFolderName;
};

TEST_F(CaptureSequence, EveryCaptureTakesTheFirstFreeNumber) {
    TickSequence(true);
    StartControlCaptureOnPattern();
    const Picture pattern = PatternPicture(ScreenRect(Pattern()));
    TakePattern();
    ASSERT_FALSE(WholeJpeg(File(L"Img_Sequence001.jpg")).empty());
    TakePattern();
    ASSERT_FALSE(WholeJpeg(File(L"Img_Sequence002.jpg")).empty());
    const auto first = ReadImageFile(File(L"Img_Sequence001.jpg"));
    ASSERT_TRUE(first);
    ASSERT_EQ(first->width, pt::kWidth);
    ASSERT_EQ(first->height, pt::kHeight);
    EXPECT_GE(Psnr(pattern, *first), 30.0);
    // A number freed in the middle is the next one taken.
    ASSERT_TRUE(::DeleteFileW(File(L"Img_Sequence001.jpg").c_str()));
    TakePattern();
    ASSERT_FALSE(WholeJpeg(File(L"Img_Sequence001.jpg")).empty());
    EXPECT_EQ(FilesIn(folder_),
              (std::set<std::wstring>{L"Img_Sequence001.jpg", L"Img_Sequence002.jpg"}));
}

// A drive's root path ends in a backslash already; the files go there all
// the same.
TEST_F(CaptureSequence, ADriveRootTakesTheFilesToo) {
    const std::wstring file = L"C:\\Img_Sequence001.jpg";
    ::DeleteFileW(file.c_str());
    TickSequence(true, true);
    StartControlCaptureOnPattern();
    TakePattern();
    EXPECT_FALSE(WholeJpeg(file).empty());
    EXPECT_TRUE(FilesIn(folder_).empty());
    ::DeleteFileW(file.c_str());
}

class CapturePngSequence : public CaptureSequence {
  protected:
    void BeforeStart() override {
        CaptureSequence::BeforeStart();
        SetSettingsDword(L"ImgFormat", 1);
    }
};

TEST_F(CapturePngSequence, TheFilesArePngWithEveryPixelOfTheCapture) {
    TickSequence(true);
    StartControlCaptureOnPattern();
    TakePattern();
    ASSERT_FALSE(WholePng(File(L"Img_Sequence001.png")).empty());
    TakePattern();
    ASSERT_FALSE(WholePng(File(L"Img_Sequence002.png")).empty());
    const auto first = ReadImageFile(File(L"Img_Sequence001.png"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->pixels == PatternPicture(ScreenRect(Pattern())).pixels);
    EXPECT_EQ(FilesIn(folder_),
              (std::set<std::wstring>{L"Img_Sequence001.png", L"Img_Sequence002.png"}));
}

class CaptureFullSequence : public CaptureSequence {
  protected:
    // One digit: numbers 1 to 9, all taken already, under a name beyond
    // ASCII.
    void BeforeStart() override {
        CaptureSequence::BeforeStart();
        SetSettingsDword(L"ImgNr", 1);
        const std::wstring name = kBaseName;
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKeyPath, L"ImgName", REG_SZ, name.c_str(),
                          static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
        for (int i = 1; i <= 9; ++i) {
            const HANDLE f = ::CreateFileW(File(kBaseName + std::to_wstring(i) + L".jpg").c_str(),
                                           GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(f, INVALID_HANDLE_VALUE);
            ::CloseHandle(f);
        }
    }
    static constexpr wchar_t kBaseName[] = L"Shot \u00e9";
};

TEST_F(CaptureFullSequence, CancellingUnticksAndAFullSequenceSaysSoAndKeepsTheCapture) {
    TickSequence(false);
    TickSequence(true);
    StartControlCaptureOnPattern();
    const Picture pattern = PatternPicture(ScreenRect(Pattern()));
    ASSERT_TRUE(WaitPatternShown(ScreenRect(Pattern())));
    RightClickAt({pt::kFlatX, pt::kFlatY});
    HWND box = WaitForMessageBox(vix_->Pid(), 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"Could not save the image, please check your image sequence settings.");
    EXPECT_EQ(TextOf(box), L"VUZirivare");
    LeftClickAt(Center(FindByText(box, L"OK")));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }));
    EXPECT_EQ(FilesIn(folder_).size(), 9u);
    EXPECT_TRUE(ReadFileBytes(File(std::wstring(kBaseName) + L"1.jpg")).empty());
    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    EXPECT_TRUE(shot->pixels == pattern.pixels);
}

}  // namespace
}  // namespace vix::e2e
