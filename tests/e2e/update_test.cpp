// The update check, the update dialog and the links page in the real
// program, pointed at the loopback server through VIX_UPDATE_SERVER.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/handle.h"
#include "platform/private_folder.h"
#include "root_trust.h"
#include "update/update_folder.h"
#include "test_pki_folder.h"
#include "test_server.h"
#include "vix_fixture.h"
#include "wine_host.h"

namespace vix::e2e {
namespace {

using namespace std::chrono_literals;
using test::BodyRoute;
using test::TestServer;

constexpr char kQueryRoute[] = "/scripts/get_vix_updates/get.html";
constexpr char kLinksRoute[] = "/scripts/vix_r2_more/get.html";

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The visible update dialog of the running program, or null.
HWND UpdateDialog(DWORD pid) {
    for (HWND w : TopLevelWindows(pid, L"Tvix_update"))
        if (::IsWindowVisible(w)) return w;
    return nullptr;
}

BOOL CALLBACK FindLinksPanel(HWND w, LPARAM found) {
    wchar_t name[32] = L"";
    ::GetClassNameW(w, name, 32);
    if (std::wstring(name) != L"VixLinksPanel") return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool HasLinksPanel(HWND main) {
    bool found = false;
    ::EnumChildWindows(main, &FindLinksPanel, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The ids of a process's threads.
std::set<DWORD> ThreadsOf(DWORD pid) {
    std::set<DWORD> ids;
    const platform::KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return ids;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot.get(), &entry); more;
         more = ::Thread32Next(snapshot.get(), &entry))
        if (entry.th32OwnerProcessID == pid) ids.insert(entry.th32ThreadID);
    return ids;
}

// `route` held back a second before it answers.
std::string Held(const std::string& route) { return R"({"delay": 1, )" + route.substr(1); }

// Waits until the program's update check is over: its worker hands the
// answer over and waits while the program handles it (an update dialog is
// shown inside that), then ends. The worker asks at the first tick, after
// `baseline` was taken; its answer held back (Held), it is seen alive, and a
// thread started since the baseline that has ended is taken for it.
bool WaitForCheckEnd(DWORD pid, const std::set<DWORD>& baseline) {
    std::set<DWORD> started;
    return WaitUntil([&] {
        const std::set<DWORD> now = ThreadsOf(pid);
        for (DWORD id : now)
            if (!baseline.contains(id)) started.insert(id);
        return std::any_of(started.begin(), started.end(),
                           [&](DWORD id) { return !now.contains(id); });
    });
}

class UpdateE2E : public VixTest {
  protected:
    static void SetUpTestSuite() {
        trusted_ = test::TrustTestRoot(test::SharedTestPki() + L"root.der");
        server_ = new TestServer(test::SharedTestPki());
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
        test::DistrustTestRoot(test::SharedTestPki() + L"root.der");
    }
    void SetUp() override {
        VixTest::SetUp();
        ASSERT_TRUE(trusted_);
        ASSERT_TRUE(server_->ok()) << "the test server did not start";
        ::SetEnvironmentVariableW(L"VIX_UPDATE_SERVER", server_->Base(true).c_str());
    }

    static void Answer(const std::string& route, const std::string& more = "") {
        ASSERT_TRUE(
            server_->Script(std::string("{\"") + kQueryRoute + "\": " + route + more + "}"));
    }
    // Waits past the first tick and the answer: the dialog, or null.
    HWND WaitForDialog(DWORD ms = 6000) {
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = UpdateDialog(vix_->Pid())) != nullptr; }, ms);
        return dialog;
    }
    static std::size_t RequestCount(const char* route) {
        std::size_t n = 0;
        for (const auto& r : server_->Requests())
            if (r.find(route) != std::string::npos) ++n;
        return n;
    }
    static std::size_t QueryCount() { return RequestCount(kQueryRoute); }
    static std::size_t LinksPageCount() { return RequestCount(kLinksRoute); }

    static TestServer* server_;
    static bool trusted_;
};

TestServer* UpdateE2E::server_ = nullptr;
bool UpdateE2E::trusted_ = false;

// The offer shown and declined for good; the next start asks again and
// shows nothing, neither the dialog nor a message. Which answers offer
// nothing (older, declined, unreadable, a failed or refused request) is
// shown where the rules live: DecideUpdate's table (native), the update
// dialog's and the update check's Windows tests. The links page is asked
// for once, from the same server, when its tab is first opened.
TEST_F(UpdateE2E, AnOfferDeclinedForGoodIsNotShownAtTheNextStart) {
    const std::string offer = BodyRoute("majvers_availible=2;minvers_availible=1;");
    const std::string links = std::string(R"(, ")") + kLinksRoute + R"(": )" +
                              BodyRoute("<html><body>links</body></html>");
    Answer(offer, links);
    const std::size_t queries = QueryCount();
    const std::size_t pages = LinksPageCount();
    StartVix();
    EXPECT_TRUE(HasLinksPanel(Main()));
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr) << "no update dialog";
    EXPECT_EQ(TextOf(dialog), L"Update VUZirivare");
    EXPECT_NE(FindByText(dialog, L"Latest version: 2.1"), nullptr);
    EXPECT_EQ(QueryCount(), queries + 1);
    LeftClickAt(Center(FindByText(dialog, L"Don't notify me again about this version update")));
    LeftClickAt(Center(FindByText(dialog, L"Cancel")));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); }));
    EXPECT_EQ(LinksPageCount(), pages) << "asked for before its tab was opened";
    ClickTab(L" More");
    EXPECT_TRUE(WaitUntil([&] { return LinksPageCount() > pages; })) << "no links page asked for";
    ClickTab(L" Picker");
    ClickTab(L" More");
    // Once the program has ended, nothing more can be asked for.
    CloseVix();
    EXPECT_EQ(LinksPageCount(), pages + 1);

    Answer(Held(offer));
    StartVix();
    ASSERT_TRUE(WaitForCheckEnd(vix_->Pid(), ThreadsOf(vix_->Pid())));
    EXPECT_EQ(QueryCount(), queries + 2);
    EXPECT_EQ(UpdateDialog(vix_->Pid()), nullptr);
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 0), nullptr);
    EXPECT_TRUE(vix_->Running());
    CloseVix();
}

// The server's next byte comes this long after the one before: far longer
// than a program that does not wait for it takes to end, so that how long
// it took need not be asserted, only that it ended before that byte.
constexpr int kPaceSeconds = 30;
constexpr DWORD kEndWithinMs = 15000;

// Milliseconds from a click on Exit (or a close message) to the end of the
// process, recorded as a figure; nothing when it did not end before the
// server's next byte could have come.
std::optional<ULONGLONG> MillisecondsToEnd(VixProcess& vix, const std::function<void()>& close) {
    const ULONGLONG start = ::GetTickCount64();
    close();
    if (!vix.WaitForExit(kEndWithinMs)) return std::nullopt;
    return ::GetTickCount64() - start;
}

std::string PacedByteByByte() {
    return R"("pace": )" + std::to_string(kPaceSeconds) + R"(, "piece": 1)";
}

// The server sends its answer one byte at a time, each wait far within any
// time limit: Exit, once the check waits for the next byte, ends the program
// without waiting for it, with the session's settings stored.
TEST_F(UpdateE2E, ExitEndsTheProgramWithoutWaitingForTheTricklingCheck) {
    Answer(R"({"body": "majvers_availible=3;minvers_availible=0", )" + PacedByteByByte() + "}");
    const std::size_t before = QueryCount();
    StartVix();
    // The first byte goes with the headers, the second much later.
    ASSERT_TRUE(WaitUntil([&] { return QueryCount() > before; }));
    ClickTab(L" Ruler");
    const auto ms = MillisecondsToEnd(*vix_, [&] { LeftClickAt(Center(Control(L"Exit"))); });
    ASSERT_TRUE(ms.has_value()) << "the program waited for the server after Exit";
    RecordProperty("ExitMilliseconds", static_cast<int>(*ms));
    EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 1u) << "the settings were not saved";
}

// A copy of the program signed by the publisher, in a folder of its own;
// the update program goes into the user's own update folder.
class UpdateDownloadE2E : public UpdateE2E {
  protected:
    void SetUp() override {
        UpdateE2E::SetUp();
        updateFolder_ = UpdateFolderIn(platform::LocalAppDataFolder());
        platform::EmptyFolderExcept(updateFolder_, L"");
        folder_ = test::NewTempFolder(L"vix-installed");
        const std::wstring pki = test::SharedTestPki();
        ASSERT_TRUE(
            test::SignTestFile(pki, "publisher", BinDir() + L"\\vix.exe", folder_ + L"vix.exe"));
        ASSERT_TRUE(::CopyFileW((BinDir() + L"\\Vix32.dll").c_str(),
                                (folder_ + L"Vix32.dll").c_str(), FALSE));
        served_ = folder_ + L"served.exe";
        test::ForgetCachedRevocationLists();
    }
    // Offers the stand-in update program, signed by `signer` (unsigned
    // without one), sent as `pacing` says.
    void Offer(const char* signer, const std::string& pacing = R"("pace": 0.02)") {
        const std::wstring stub = BinDir() + L"\\update_stub.exe";
        if (signer)
            ASSERT_TRUE(test::SignTestFile(test::SharedTestPki(), signer, stub, served_));
        else
            ASSERT_TRUE(::CopyFileW(stub.c_str(), served_.c_str(), FALSE));
        Answer(BodyRoute("majvers_availible=2;minvers_availible=5;upgrade_program_version=7;"
                         "upgrade_program_path=https://127.0.0.1:{https}/u.exe"),
               R"(, "/u.exe": {"file": )" + test::JsonText(test::UnixPath(served_)) + ", " +
                   pacing + "}");
    }
    // Starts the program, waits for the offer and presses "Update": the
    // dialog, once the download shows.
    HWND StartDownload() {
        if (!StartInstalled()) return nullptr;
        HWND dialog = WaitForDialog();
        if (!dialog) return nullptr;
        LeftClickAt(Center(FindByText(dialog, L"Update")));
        const bool shown = WaitUntil([&] {
            return ::IsWindowVisible(FindByText(dialog, L"Downloading new update program"));
        });
        return shown ? dialog : nullptr;
    }
    HWND StartInstalled() {
        vix_ = std::make_unique<VixProcess>(folder_ + L"vix.exe");
        EXPECT_TRUE(vix_->Start());
        main_ = vix_->WaitForMainWindow();
        return main_;
    }
    std::wstring UpdateExe() const { return UpdateProgramPath(updateFolder_); }

    std::wstring updateFolder_;
    std::wstring folder_;
    std::wstring served_;
};

// Names, sizes and times of the files in `folder`: what a write would change.
std::vector<std::wstring> FolderListing(const std::wstring& folder) {
    std::vector<std::wstring> listing;
    WIN32_FIND_DATAW entry{};
    HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return listing;
    do {
        listing.push_back(std::wstring(entry.cFileName) + L" " +
                          std::to_wstring(entry.nFileSizeLow) + L" " +
                          std::to_wstring(entry.ftLastWriteTime.dwLowDateTime));
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
    std::sort(listing.begin(), listing.end());
    return listing;
}

// The whole update: fetched into the user's update folder, stored, started
// from there, and the program ends; nothing is written into the program's
// folder. Where the update program starts, and that no library lying beside
// the program or in that folder is loaded into it, the update dialog's
// Windows tests show.
TEST_F(UpdateDownloadE2E, PublishersUpdateProgramIsFetchedStoredStartedAndTheProgramEnds) {
    Offer("publisher");
    const auto before = FolderListing(folder_);
    ASSERT_NE(StartDownload(), nullptr);
    const auto code = vix_->WaitForExit(30000);
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(test::ReadFileBytes(UpdateExe()), test::ReadFileBytes(served_));
    EXPECT_EQ(SettingsDword(L"Update_program_version"), std::optional<DWORD>(7));
    EXPECT_TRUE(test::WaitForFile(UpdateExe() + L".started", 20s));
    EXPECT_EQ(FolderListing(folder_), before) << "something was written into the program folder";
}

// The download trickles in, a byte every two seconds: closing the main
// window while the dialog shows it ends the program within two seconds, and
// nothing is kept. (The dialog's own close box ending the download at once
// is the update dialog's Windows test.)
TEST_F(UpdateDownloadE2E, ClosingTheProgramDuringADownloadEndsItWithoutWaitingForTheServer) {
    Offer("publisher", PacedByteByByte());
    ASSERT_NE(StartDownload(), nullptr);
    const auto ms = MillisecondsToEnd(*vix_, [&] { ::PostMessageW(Main(), WM_CLOSE, 0, 0); });
    ASSERT_TRUE(ms.has_value()) << "the program waited for the server after its close";
    RecordProperty("CloseDuringDownloadMilliseconds", static_cast<int>(*ms));
    EXPECT_FALSE(Exists(UpdateExe()));
}

TEST_F(UpdateDownloadE2E, UnsignedUpdateProgramIsRefusedAndNothingStarts) {
    Offer(nullptr);
    ASSERT_NE(StartInstalled(), nullptr);
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    LeftClickAt(Center(FindByText(dialog, L"Update")));
    HWND box = WaitForMessageBox(vix_->Pid(), 30000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Update failed, please try again.");
    PressOk(box);
    EXPECT_TRUE(vix_->Running());
    EXPECT_FALSE(Exists(UpdateExe()));
    EXPECT_FALSE(Exists(UpdateExe() + L".started"));
    EXPECT_NE(SettingsDword(L"Update_program_version"), std::optional<DWORD>(7));
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
    CloseVix();
}

}  // namespace
}  // namespace vix::e2e
