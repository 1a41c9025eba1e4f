// A library left beside the program under the name of one the system loads
// later, on its own, by bare name (the theme library, loaded once windows
// are drawn): a program that searches its own folder first takes it; the
// program does not.

#include <windows.h>

#include <string>

#include "vix_fixture.h"

namespace vix::e2e {
namespace {

constexpr wchar_t kPlantedName[] = L"uxtheme.dll";
constexpr wchar_t kWineOverrides[] = L"Software\\Wine\\DllOverrides";
constexpr wchar_t kNativeFirst[] = L"native,builtin";

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Polls for `path` up to `ms`.
bool AppearsWithin(const std::wstring& path, DWORD ms) {
    for (const ULONGLONG end = ::GetTickCount64() + ms; ::GetTickCount64() < end; ::Sleep(50))
        if (Exists(path)) return true;
    return Exists(path);
}

class LibrarySearch : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        wchar_t temp[MAX_PATH] = L"";
        ::GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"vix-planted-" + std::to_wstring(::GetCurrentProcessId()) +
                  L"-" + std::to_wstring(::GetTickCount64()) + L"\\";
        ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
        const std::wstring bin = BinDir() + L"\\";
        for (const wchar_t* name : {L"vix.exe", L"Vix32.dll"})
            ASSERT_TRUE(::CopyFileW((bin + name).c_str(), (folder_ + name).c_str(), FALSE));
        ASSERT_TRUE(::CopyFileW((bin + L"planted\\load_marker.dll").c_str(),
                                (folder_ + kPlantedName).c_str(), FALSE));
        // Wine takes its own copy of a system library unless told to look
        // for a native one first, as Windows does.
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kWineOverrides, L"uxtheme", REG_SZ,
                                    kNativeFirst, sizeof(kNativeFirst)),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kWineOverrides, L"uxtheme");
        VixTest::TearDown();
    }
    std::wstring Marker() const { return folder_ + kPlantedName + std::wstring(L".loaded"); }

    std::wstring folder_;
};

// What the test below rests on: the planted library leaves its mark when
// anything loads it. (That a program searching its own folder loads it by
// that name was seen with a build of the program that left the search as
// it is.)
TEST_F(LibrarySearch, ThePlantedLibraryMarksItsLoading) {
    const std::wstring probe = folder_ + L"probe.dll";
    ASSERT_TRUE(::CopyFileW((folder_ + kPlantedName).c_str(), probe.c_str(), FALSE));
    const HMODULE loaded = ::LoadLibraryW(probe.c_str());
    ASSERT_NE(loaded, nullptr);
    ::FreeLibrary(loaded);
    EXPECT_TRUE(Exists(probe + L".loaded"));
}

TEST_F(LibrarySearch, TheProgramDoesNotLoadALibraryLeftBesideIt) {
    vix_ = std::make_unique<VixProcess>(folder_ + L"vix.exe");
    ASSERT_TRUE(vix_->Start());
    main_ = vix_->WaitForMainWindow();
    ASSERT_NE(main_, nullptr);
    // Every page drawn once: each control the program shows has been made.
    for (const wchar_t* tab : {L" Ruler", L" Capture", L" More", L" Picker"})
        ClickTab(tab);
    EXPECT_FALSE(AppearsWithin(Marker(), 1000)) << "the planted library was loaded";
    CloseVix();
    EXPECT_FALSE(Exists(Marker()));
}

}  // namespace
}  // namespace vix::e2e
