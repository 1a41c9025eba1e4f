#include "update/update_folder.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// The folder is emptied before the update program starts: only a full
// drive path may be taken for it, never one the current folder completes.
TEST(IsAbsoluteFolder, OnlyAFullDrivePathWithItsBackslash) {
    for (const wchar_t* good : {L"C:\\", L"c:\\Users\\Ann\\AppData\\Local\\",
                                L"D:\\a b\\Brellin Software Development\\VIX\\Update\\"})
        EXPECT_TRUE(IsAbsoluteFolder(good)) << good;
    for (const wchar_t* bad :
         {L"", L"\\", L"Update\\", L".\\", L"..\\Update\\", L"C:", L"C:Update\\", L"C:\\Update",
          L"\\Users\\Ann\\", L"\\\\server\\share\\", L"\\\\?\\C:\\Update\\", L"\\\\.\\C:\\",
          L"C:/Users/Ann/", L"C:\\Users\\..\\Ann\\", L"C:\\Users\\.\\", L"C:\\Users\\\\Ann\\",
          L"C:\\Users\\Ann:stream\\", L"1:\\Update\\"})
        EXPECT_FALSE(IsAbsoluteFolder(bad)) << bad;
}

TEST(UpdateFolderIn, BelowAnAbsoluteFolderOnly) {
    EXPECT_EQ(UpdateFolderIn(L"C:\\Local\\"),
              L"C:\\Local\\Brellin Software Development\\VIX\\Update\\");
    EXPECT_EQ(UpdateFolderIn(L""), L"");
    EXPECT_EQ(UpdateFolderIn(L"Local\\"), L"");
}

}  // namespace
}  // namespace vix
