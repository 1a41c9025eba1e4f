// Whole files written in one block: Unicode names, failures that name the
// file and leave an existing one intact.

#include <gtest/gtest.h>

#include <windows.h>

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

}  // namespace
}  // namespace vix::platform
