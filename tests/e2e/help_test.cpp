// Help opens help.chm from beside the program, by its full path, in the
// system's help viewer (Wine's hh.exe, whose window class is "HH Parent"),
// and never a file of that name in the current folder.

#include <string>
#include <vector>

#include "vix_fixture.h"

namespace vix::e2e {
namespace {

constexpr wchar_t kViewerClass[] = L"HH Parent";
// The title help/vix.hhp gives the help file, which the viewer shows.
constexpr wchar_t kHelpTitle[] = L"VIX Help";

bool FileThere(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A new empty folder under the temporary folder, with a trailing backslash.
std::wstring FreshFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + name + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

class HelpE2E : public VixTest {
  protected:
    void TearDown() override {
        CloseViewers();
        VixTest::TearDown();
        for (const std::wstring& file : made_)
            ::DeleteFileW(file.c_str());
        for (const std::wstring& folder : folders_)
            ::RemoveDirectoryW(folder.c_str());
    }
    // Copies `from` to `to` and removes the copy at the end.
    bool CopyForTest(const std::wstring& from, const std::wstring& to) {
        made_.push_back(to);
        return ::CopyFileW(from.c_str(), to.c_str(), FALSE);
    }
    std::wstring FolderForTest(const wchar_t* name) {
        folders_.push_back(FreshFolder(name));
        return folders_.back();
    }
    static void CloseViewers() {
        while (HWND viewer = ::FindWindowW(kViewerClass, nullptr)) {
            ::PostMessageW(viewer, WM_CLOSE, 0, 0);
            if (!WaitUntil([viewer] { return !::IsWindow(viewer); }, 5000)) break;
        }
    }
    static HWND WaitForViewer(DWORD timeoutMs = 15000) {
        HWND viewer = nullptr;
        WaitUntil(
            [&] {
                viewer = ::FindWindowW(kViewerClass, nullptr);
                return viewer && ::IsWindowVisible(viewer);
            },
            timeoutMs);
        return viewer;
    }

    std::vector<std::wstring> made_;
    std::vector<std::wstring> folders_;
};

TEST_F(HelpE2E, TheHelpButtonsItemOpensTheFileBesideTheProgramInTheViewer) {
    ASSERT_TRUE(FileThere(BinDir() + L"\\help.chm"))
        << "no help.chm beside vix.exe: the build makes it with chmcmd (fp-utils)";
    CloseViewers();
    StartVix();
    const HWND help = Control(L"Help");
    ASSERT_NE(help, nullptr);
    LeftClickAt(Center(help));
    ASSERT_NE(WaitForPopupMenu(), nullptr) << "the Help button's menu did not open";
    ChooseMenuItem(0);
    const HWND viewer = WaitForViewer();
    ASSERT_NE(viewer, nullptr) << "no help viewer opened";
    EXPECT_EQ(TextOf(viewer), kHelpTitle);
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 500), nullptr) << "a message beside the viewer";
}

// A copy of the program without its help file, started in a folder that has
// one: the window menu's Help says the file is missing instead of opening the
// one it would find by its bare name.
TEST_F(HelpE2E, AHelpFileInTheCurrentFolderIsNeverOpenedInsteadOfAMissingOne) {
    const std::wstring program = FolderForTest(L"vix-help-program");
    const std::wstring planted = FolderForTest(L"vix-help-planted");
    for (const wchar_t* file : {L"vix.exe", L"Vix32.dll"})
        ASSERT_TRUE(CopyForTest(BinDir() + L"\\" + file, program + file));
    ASSERT_TRUE(CopyForTest(BinDir() + L"\\help.chm", planted + L"help.chm"));
    CloseViewers();
    vix_ = std::make_unique<VixProcess>(program + L"vix.exe", planted);
    ASSERT_TRUE(vix_->Start());
    main_ = vix_->WaitForMainWindow();
    ASSERT_NE(main_, nullptr);
    ::PostMessageW(main_, WM_SYSCOMMAND, 102, 0);  // the window menu's "Help..."
    const HWND box = WaitForMessageBox(vix_->Pid());
    ASSERT_NE(box, nullptr) << "no message about the missing help file";
    EXPECT_EQ(MessageBoxText(box), L"The help file \"" + program +
                                       L"help.chm\" is missing. Install VIX again to get it back.");
    EXPECT_EQ(::FindWindowW(kViewerClass, nullptr), nullptr) << "a help file was opened";
    PressOk(box);
    CloseVix();
}

}  // namespace
}  // namespace vix::e2e
