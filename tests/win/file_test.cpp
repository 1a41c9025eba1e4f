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

// The files of a folder, by name.
std::vector<std::wstring> FilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

// The temporary file was once the target's name plus a suffix: past the
// limit for a name of 250 characters, and blocked for good by a leftover.
TEST(WriteWholeFile, ANameOf250CharactersAndALeftoverOfAnEarlierCrashDoNotStopIt) {
    const std::wstring folder = Temp(L"vix long names");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring name = std::wstring(246, L'p') + L".act";
    const std::wstring path = folder + L"\\" + name;
    ::CreateDirectoryW((folder + L"\\x.act.vix-new").c_str(), nullptr);
    const std::vector<std::uint8_t> bytes = {4, 5, 6};
    EXPECT_FALSE(WriteWholeFile(path, bytes).has_value());
    EXPECT_EQ(Read(path), bytes);
    EXPECT_FALSE(WriteWholeFile(folder + L"\\x.act", bytes).has_value())
        << "a folder left where the old temporary name was";
    EXPECT_EQ(Read(folder + L"\\x.act"), bytes);
    std::vector<std::wstring> files = FilesIn(folder);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::wstring>{name, L"x.act", L"x.act.vix-new"}))
        << "no temporary file stays";
    ::DeleteFileW(path.c_str());
    ::DeleteFileW((folder + L"\\x.act").c_str());
    ::RemoveDirectoryW((folder + L"\\x.act.vix-new").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace vix::platform
