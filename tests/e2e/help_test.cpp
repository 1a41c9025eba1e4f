// Help opens help.chm from beside the program, by its full path, in the
// system's help viewer (Wine's hh.exe, whose window class is "HH Parent"),
// and never a file of that name in the current folder.

#include "capture_fixture.h"

namespace vix::e2e {
namespace {

constexpr wchar_t kViewerClass[] = L"HH Parent";

class HelpE2E : public VixTest {
  protected:
    void TearDown() override {
        CloseViewers();
        VixTest::TearDown();
    }
    static void CloseViewers() {
        while (HWND viewer = ::FindWindowW(kViewerClass, nullptr)) {
            ::PostMessageW(viewer, WM_CLOSE, 0, 0);
            if (!WaitUntil([viewer] { return !::IsWindow(viewer); }, 5000)) break;
        }
    }
};

bool Copied(const std::wstring& from, const std::wstring& to) {
    return ::CopyFileW(from.c_str(), to.c_str(), FALSE);
}

TEST_F(HelpE2E, TheHelpButtonsItemOpensTheFileBesideTheProgramInTheViewer) {
    ASSERT_TRUE(FileExists(BinDir() + L"\\help.chm"))
        << "no help.chm beside vix.exe: the build makes it with chmcmd (fp-utils)";
    CloseViewers();
    StartVix();
    LeftClickAt(Center(Control(L"Help")));
    ASSERT_NE(WaitForPopupMenu(), nullptr) << "the Help button's menu did not open";
    ChooseMenuItem(0);
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return (viewer = ::FindWindowW(kViewerClass, nullptr)) && ::IsWindowVisible(viewer);
        },
        15000))
        << "no help viewer opened";
    EXPECT_EQ(TextOf(viewer), L"VIX Help");  // the title help/vix.hhp gives the file
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 500), nullptr) << "a message beside the viewer";
}

// A copy of the program without its help file, started in a folder that has
// one: the window menu's Help says the file is missing instead of opening the
// one it would find by its bare name.
TEST_F(HelpE2E, AHelpFileInTheCurrentFolderIsNeverOpenedInsteadOfAMissingOne) {
    const std::wstring program = ScratchFolder(L"vix-help-program") + L"\\";
    const std::wstring planted = ScratchFolder(L"vix-help-planted") + L"\\";
    for (const wchar_t* file : {L"vix.exe", L"Vix32.dll"})
        ASSERT_TRUE(Copied(BinDir() + L"\\" + file, program + file));
    ASSERT_TRUE(Copied(BinDir() + L"\\help.chm", planted + L"help.chm"));
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
