// Whole files written in one block: Unicode names, failures that name the
// file and leave an existing one intact. The names in a folder, read either
// way.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/file.h"
#include "platform/handle.h"

namespace vix::platform {
namespace {

std::wstring Temp(const std::wstring& name) {
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

std::vector<std::uint8_t> Read(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* f = _wfopen(path.c_str(), L"rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

// A folder of its own for one test, removed with its files and folders.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& path) : path_(path) {
        ::CreateDirectoryW(detail::LongPathForm(path_).c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const auto& folder : folders_)
            ::RemoveDirectoryW(detail::LongPathForm(Inside(folder)).c_str());
        for (const auto& name : AllFiles())
            ::DeleteFileW(detail::LongPathForm(Inside(name)).c_str());
        ::RemoveDirectoryW(detail::LongPathForm(path_).c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring Inside(const std::wstring& name) const { return path_ + L"\\" + name; }
    bool AddFile(const std::wstring& name) {
        const File file(::CreateFileW(detail::LongPathForm(Inside(name)).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file);
    }
    bool AddFolder(const std::wstring& name) {
        folders_.push_back(name);
        return ::CreateDirectoryW(detail::LongPathForm(Inside(name)).c_str(), nullptr) != 0;
    }

  private:
    // Every file, whatever its start, read the way that always works.
    std::vector<std::wstring> AllFiles() const {
        return detail::EntryNamesByFileSearch(path_, L"");
    }

    std::wstring path_;
    std::vector<std::wstring> folders_;
};

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Both ways of reading a folder, and the one the program uses.
using Lister = std::vector<std::wstring> (*)(const std::wstring&, const std::wstring&);
struct ListingWay {
    const char* name;
    Lister list;
};
constexpr ListingWay kListingWays[] = {
    {"EntryNamesIn", &EntryNamesIn},
    {"directory query",
     [](const std::wstring& folder, const std::wstring& start) {
         auto names = detail::EntryNamesByDirectoryQuery(folder, start, 64 * 1024);
         return names ? *names : std::vector<std::wstring>{L"(no answer)"};
     }},
    {"file search", &detail::EntryNamesByFileSearch},
};

TEST(EntryNamesIn, ListsTheFilesAndFoldersStartingWithTheName) {
    ScratchFolder folder(Temp(L"vix-listing-\u00e9\u4e2d"));
    for (const wchar_t* name :
         {L"Img001.jpg", L"img002.JPG", L"Img\u4e2d\u00e9\U0001F600.jpg", L"Other.jpg", L"Im.jpg"})
        ASSERT_TRUE(folder.AddFile(name));
    ASSERT_TRUE(folder.AddFolder(L"Img003.jpg"));
    for (const ListingWay& way : kListingWays) {
        SCOPED_TRACE(way.name);
        // The file system compares names without case.
        EXPECT_EQ(Sorted(way.list(folder.path(), L"Img")),
                  (std::vector<std::wstring>{L"Img001.jpg", L"Img003.jpg",
                                             L"Img\u4e2d\u00e9\U0001F600.jpg", L"img002.JPG"}));
        EXPECT_EQ(way.list(folder.path(), L"Img\u4e2d"),
                  (std::vector<std::wstring>{L"Img\u4e2d\u00e9\U0001F600.jpg"}));
        EXPECT_EQ(way.list(folder.path(), L"Nothing"), std::vector<std::wstring>{});
        EXPECT_EQ(Sorted(way.list(folder.path(), L"")).size(), 6u) << "neither . nor ..";
        // A separator at the end, as a drive root has.
        EXPECT_EQ(way.list(folder.path() + L"\\", L"Other"),
                  (std::vector<std::wstring>{L"Other.jpg"}));
    }
}

TEST(EntryNamesIn, AFolderThatCannotBeListedGivesNoNames) {
    ScratchFolder folder(Temp(L"vix-listing-missing"));
    ASSERT_TRUE(folder.AddFile(L"Img001.jpg"));
    for (const ListingWay& way : kListingWays) {
        SCOPED_TRACE(way.name);
        EXPECT_EQ(way.list(folder.Inside(L"gone"), L"Img"), std::vector<std::wstring>{});
        EXPECT_EQ(way.list(folder.Inside(L"gone\\deeper"), L"Img"), std::vector<std::wstring>{});
    }
    // A file is no folder: the query has no answer, the search finds nothing.
    EXPECT_EQ(EntryNamesIn(folder.Inside(L"Img001.jpg"), L""), std::vector<std::wstring>{});
}

TEST(EntryNamesIn, ListsAFolderPastTheClassicPathLimit) {
    ScratchFolder outer(Temp(L"vix-listing-long"));
    const std::wstring inner = std::wstring(200, L'f');
    ASSERT_TRUE(outer.AddFolder(inner));
    ScratchFolder folder(outer.Inside(inner + L"\\" + std::wstring(100, L'\u00e8')));
    ASSERT_GT(folder.path().size(), static_cast<std::size_t>(MAX_PATH));
    ASSERT_TRUE(folder.AddFile(L"Img001.jpg"));
    for (const ListingWay& way : kListingWays) {
        SCOPED_TRACE(way.name);
        EXPECT_EQ(way.list(folder.path(), L"Img"), (std::vector<std::wstring>{L"Img001.jpg"}));
    }
}

TEST(EntryNamesIn, ManyLongNamesAcrossManyReadsOfTheFolder) {
    // 1,500 names of 200 characters are about 700 KB of entries: eleven
    // reads of the program's buffer, hundreds of a small one.
    ScratchFolder folder(Temp(L"vix-listing-many"));
    std::vector<std::wstring> expected;
    for (int i = 0; i < 1500; ++i) {
        wchar_t number[16];
        std::swprintf(number, 16, L"%05d", i);
        // Within the 255 bytes a Linux file system gives a name under Wine.
        expected.push_back(L"Img" + std::wstring(number) + std::wstring(40, L'\u00fc') +
                           std::wstring(148, L'x') + L".jpg");
        ASSERT_TRUE(folder.AddFile(expected.back()));
    }
    ASSERT_TRUE(folder.AddFile(L"Other.jpg"));
    expected = Sorted(expected);
    EXPECT_EQ(Sorted(EntryNamesIn(folder.path(), L"Img")), expected);
    const auto small = detail::EntryNamesByDirectoryQuery(folder.path(), L"Img", 2048);
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(Sorted(*small), expected);
    EXPECT_EQ(Sorted(detail::EntryNamesByFileSearch(folder.path(), L"Img")), expected);
}

TEST(EntryNamesIn, ABufferTooSmallForOneNameLeavesTheQueryWithoutAnAnswer) {
    // Then EntryNamesIn takes the file search.
    ScratchFolder folder(Temp(L"vix-listing-small"));
    ASSERT_TRUE(folder.AddFile(L"Img" + std::wstring(100, L'n') + L".jpg"));
    EXPECT_EQ(detail::EntryNamesByDirectoryQuery(folder.path(), L"Img", 96), std::nullopt);
}

TEST(WriteWholeFile, WritesExactlyTheBytesUnderAUnicodeName) {
    const std::wstring path = Temp(L"Palette \u00e4\u4e2d.act");
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 0, 255};
    EXPECT_FALSE(WriteWholeFile(path, bytes).has_value());
    EXPECT_EQ(Read(path), bytes);
    const std::vector<std::uint8_t> shorter = {9};
    EXPECT_FALSE(WriteWholeFile(path, shorter).has_value());
    EXPECT_EQ(Read(path), shorter) << "an existing file is replaced whole";
    ::DeleteFileW(path.c_str());
}

TEST(WriteWholeFile, AFolderThatDoesNotExistGivesAMessageNamingTheFile) {
    const std::wstring path = Temp(L"no such folder\\x.act");
    const auto error = WriteWholeFile(path, std::vector<std::uint8_t>{1});
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind(L"Cannot create file \"" + path + L"\". ", 0), 0u)
        << testing::PrintToString(*error);
    EXPECT_GT(error->size(), path.size() + 22) << "the reason follows";
}

TEST(WriteWholeFile, AFailedWriteLeavesTheExistingFileAsItWas) {
    // The name is taken by a folder: the new data cannot replace it.
    const std::wstring folder = Temp(L"vix taken name");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring inside = folder + L"\\kept.act";
    const std::vector<std::uint8_t> kept = {7, 7, 7};
    ASSERT_FALSE(WriteWholeFile(inside, kept).has_value());
    EXPECT_TRUE(WriteWholeFile(folder, std::vector<std::uint8_t>{1, 2}).has_value());
    EXPECT_EQ(Read(inside), kept);
    ::DeleteFileW(inside.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST(WriteWholeFile, AReadOnlyFileIsRefusedWithAMessageNamingIt) {
    ScratchFolder folder(Temp(L"vix read-only"));
    const std::wstring path = folder.Inside(L"locked \u00e4.jpg");
    const std::vector<std::uint8_t> kept = {4, 5, 6};
    ASSERT_FALSE(WriteWholeFile(path, kept).has_value());
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const auto error = WriteWholeFile(path, std::vector<std::uint8_t>{1, 2});
    ASSERT_TRUE(error.has_value()) << "Windows refuses to replace a read-only file";
    EXPECT_EQ(*error,
              L"Cannot create file \"" + path + L"\". " + SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Read(path), kept);
    EXPECT_EQ(detail::EntryNamesByFileSearch(folder.path(), L""),
              std::vector<std::wstring>{L"locked \u00e4.jpg"})
        << "no temporary file is left";
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WriteWholeFile, ANameOf250CharactersIsSavedAndLeavesNoTemporaryFile) {
    // Once the temporary name was the target plus a suffix, which passed the
    // 255-character limit of a name.
    const std::wstring folder = Temp(L"vix long name");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring name = std::wstring(246, L'p') + L".act";
    ASSERT_EQ(name.size(), 250u);
    const std::wstring path = folder + L"\\" + name;
    const std::vector<std::uint8_t> bytes(768, 0xFF);
    const std::uint32_t number = detail::NextTemporaryNumber();
    const auto error = WriteWholeFile(path, bytes);
    EXPECT_FALSE(error.has_value()) << testing::PrintToString(error.value_or(L""));
    EXPECT_EQ(Read(detail::LongPathForm(path)), bytes);
    EXPECT_EQ(::GetFileAttributesW(detail::TemporaryPath(path, number).c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the temporary file is gone";
    ::DeleteFileW(detail::LongPathForm(path).c_str());
    ::RemoveDirectoryW(folder.c_str());
}

// A read-only file, as a crash can leave one behind.
void Leftover(const std::wstring& path) {
    if (std::FILE* f = _wfopen(path.c_str(), L"wb")) std::fclose(f);
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

void RemoveLeftover(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
}

TEST(WriteWholeFile, LeftoversOfACrashNeverBlockASave) {
    // Once one fixed temporary name was used, and a read-only leftover under
    // it made every later save fail with "Access denied".
    const std::wstring path = Temp(L"vix leftover.act");
    const std::wstring oldStyle = path + L".vix-new";
    const std::wstring next = detail::TemporaryPath(path, detail::NextTemporaryNumber());
    const std::wstring after = detail::TemporaryPath(path, detail::NextTemporaryNumber() + 1);
    for (const auto& leftover : {oldStyle, next, after})
        Leftover(leftover);
    const std::vector<std::uint8_t> bytes = {4, 5, 6};
    const auto error = WriteWholeFile(path, bytes);
    EXPECT_FALSE(error.has_value()) << testing::PrintToString(error.value_or(L""));
    EXPECT_EQ(Read(path), bytes);
    const std::vector<std::uint8_t> again = {7};
    EXPECT_FALSE(WriteWholeFile(path, again).has_value()) << "and every save after it";
    EXPECT_EQ(Read(path), again);
    for (const auto& leftover : {oldStyle, next, after}) {
        EXPECT_NE(::GetFileAttributesW(leftover.c_str()), INVALID_FILE_ATTRIBUTES)
            << "another save's file is not ours to remove";
        RemoveLeftover(leftover);
    }
    ::DeleteFileW(path.c_str());
}

TEST(WriteWholeFile, TemporaryNamesAreShortAndBesideTheTarget) {
    const std::wstring target = L"C:\\some folder\\" + std::wstring(250, L'n');
    const std::wstring a = detail::TemporaryPath(target, 1);
    const std::wstring b = detail::TemporaryPath(target, 2);
    EXPECT_EQ(a, L"C:\\some folder\\~vix00000001.tmp");
    EXPECT_NE(a, b);
    EXPECT_EQ(detail::TemporaryPath(L"bare.act", 0xAB), L"~vix000000AB.tmp");
}

TEST(WriteWholeFile, LongPathsGetTheExtendedPrefixOnly) {
    EXPECT_EQ(detail::LongPathForm(L"C:\\short.act"), L"C:\\short.act");
    const std::wstring longPath = L"C:\\a\\" + std::wstring(300, L'x');
    EXPECT_EQ(detail::LongPathForm(longPath), L"\\\\?\\" + longPath);
    const std::wstring unc = L"\\\\server\\share\\" + std::wstring(300, L'y');
    EXPECT_EQ(detail::LongPathForm(unc), L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'y'));
    const std::wstring relative(300, L'r');
    EXPECT_EQ(detail::LongPathForm(relative), relative);
}

}  // namespace
}  // namespace vix::platform
