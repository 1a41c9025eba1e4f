// The system's save dialog and folder browser as the capture runs them,
// driven from a second thread as a user would fill them in.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "capture/capture_dialogs.h"
#include "platform/system_libraries.h"
#include "platform/window.h"

namespace vix {
namespace {

// The shell's and the common dialogs' libraries are loaded before the tests
// start. Loaded first inside a dialog's call while the test's other thread
// looked for the dialog, Wine hung on a loaded machine (two of three tests
// under three busy loops; none of fifteen with them loaded first).
[[maybe_unused]] const bool kDialogLibrariesLoaded =
    vix::platform::SystemFunction(vix::platform::SystemLibrary::Shell, "SHBrowseForFolderW") &&
    vix::platform::SystemFunction(vix::platform::SystemLibrary::CommonDialogs, "GetSaveFileNameW");

constexpr int kFilterList = 0x470;  // cmb1
constexpr int kNameCombo = 0x47C;   // cmb13
constexpr int kNameEdit = 0x480;    // edt1

struct Found {
    DWORD process;
    HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND w, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(w, &process);
    wchar_t cls[16] = {};
    ::GetClassNameW(w, cls, 16);
    if (process == found->process && ::IsWindowVisible(w) && std::wstring(cls) == L"#32770") {
        found->dialog = w;
        return FALSE;
    }
    return TRUE;
}

// The first common dialog of a process loads the shell and its dialogs'
// libraries, which a loaded machine takes seconds over; a dialog missed here
// would stay open until the test's time is up.
HWND WaitForDialog() {
    for (int i = 0; i < 1500; ++i) {
        Found found{::GetCurrentProcessId()};
        ::EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&found));
        if (found.dialog) return found.dialog;
        ::Sleep(20);
    }
    return nullptr;
}

// Presses the button `id` until the dialog has gone: a press that comes
// while the dialog is still setting itself up may be lost.
void PressUntilGone(HWND dialog, WORD id) {
    for (int i = 0; i < 150 && ::IsWindow(dialog); ++i) {
        ::PostMessageW(dialog, WM_COMMAND, id, 0);
        ::Sleep(200);
    }
}

// Sets the text of the control `id` or of the edit inside it.
void SetName(HWND dialog, const std::wstring& name) {
    HWND field = ::GetDlgItem(dialog, kNameCombo);
    if (!field) field = ::GetDlgItem(dialog, kNameEdit);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

TEST(CaptureDialogs, TheSaveDialogOffersItsFourFiltersAndAddsJpgToABareName) {
    std::vector<std::wstring> filters;
    std::atomic<bool> seen{false};
    std::thread user([&] {
        const HWND dialog = WaitForDialog();
        if (!dialog) return;
        seen = true;
        const HWND list = ::GetDlgItem(dialog, kFilterList);
        // The list is filled as the dialog finishes setting itself up.
        LRESULT count = 0;
        for (int i = 0; i < 1500 && (count = ::SendMessageW(list, CB_GETCOUNT, 0, 0)) <= 0; ++i)
            ::Sleep(20);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(text));
            filters.push_back(text);
        }
        ::SendMessageW(list, CB_SETCURSEL, 1, 0);
        // As a choice in the list ends: some dialogs act on the one, some on the other.
        for (WORD notice : {CBN_SELCHANGE, CBN_SELENDOK})
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFilterList, notice),
                           reinterpret_cast<LPARAM>(list));
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        SetName(dialog, std::wstring(temp) + L"dialog shot");
        PressUntilGone(dialog, IDOK);
    });
    SystemCaptureDialogs dialogs;
    const auto choice = dialogs.ChooseSaveFile(nullptr);
    user.join();
    ASSERT_TRUE(seen);
    EXPECT_EQ(filters,
              (std::vector<std::wstring>{L"All (*.jpg;*.jpeg;*.tif)", L"JPEG Image File (*.jpg)",
                                         L"Taged Image File Format (*.tif)", L"PNG (*.png)"}));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->filterIndex, 2);
    const std::wstring tail = L"dialog shot.jpg";
    ASSERT_GE(choice->fileName.size(), tail.size());
    EXPECT_EQ(choice->fileName.substr(choice->fileName.size() - tail.size()), tail);
}

TEST(CaptureDialogs, ACancelledSaveDialogChoosesNothing) {
    std::thread user([] {
        if (const HWND dialog = WaitForDialog()) PressUntilGone(dialog, IDCANCEL);
    });
    SystemCaptureDialogs dialogs;
    EXPECT_FALSE(dialogs.ChooseSaveFile(nullptr));
    user.join();
}

// The program's end while the dialog is open (its main window closed, or
// the uninstaller closing it) quits the dialog's message loop: Wine's dialog
// then reports a name chosen, and leaves it empty.
TEST(CaptureDialogs, ASaveDialogEndedByTheProgramsEndChoosesNothing) {
    const DWORD thread = ::GetCurrentThreadId();
    std::thread user([thread] {
        if (WaitForDialog()) ::PostThreadMessageW(thread, WM_QUIT, 0, 0);
    });
    SystemCaptureDialogs dialogs;
    const auto choice = dialogs.ChooseSaveFile(nullptr);
    user.join();
    // The quit was the program's, not the test's.
    MSG quit;
    ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_FALSE(choice) << testing::PrintToString(choice ? choice->fileName : L"");
}

TEST(CaptureDialogs, TheFolderBrowserCarriesItsTitle) {
    std::wstring texts;
    std::thread user([&] {
        const HWND dialog = WaitForDialog();
        if (!dialog) return;
        ::Sleep(200);
        for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
            texts += platform::WindowText(c) + L"|";
        PressUntilGone(dialog, IDCANCEL);
    });
    SystemCaptureDialogs dialogs;
    EXPECT_FALSE(dialogs.ChooseSequenceFolder(nullptr)) << "cancelled: no folder";
    user.join();
    EXPECT_NE(texts.find(kSequenceFolderTitle), std::wstring::npos)
        << std::string(texts.begin(), texts.end());
}

}  // namespace
}  // namespace vix
