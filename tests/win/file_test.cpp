// Whole files written in one block: Unicode names, failures that name the
// file and leave an existing one intact.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/file.h"

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

TEST(FileNamesIn, ListsTheFilesStartingWithTheNameAndNoFolders) {
    const std::wstring folder = Temp(L"vix-listing-\u00e9");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* name : {L"Img001.jpg", L"Img002.jpg", L"Other.jpg"})
        ASSERT_FALSE(WriteWholeFile(folder + L"\\" + name, std::vector<std::uint8_t>{1}));
    ::CreateDirectoryW((folder + L"\\Img003.jpg").c_str(), nullptr);
    std::vector<std::wstring> names = FileNamesIn(folder, L"Img");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Img001.jpg", L"Img002.jpg"}));
    EXPECT_TRUE(FileNamesIn(folder + L"\\gone", L"Img").empty());
    for (const wchar_t* name : {L"Img001.jpg", L"Img002.jpg", L"Other.jpg"})
        ::DeleteFileW((folder + L"\\" + name).c_str());
    ::RemoveDirectoryW((folder + L"\\Img003.jpg").c_str());
    ::RemoveDirectoryW(folder.c_str());
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
