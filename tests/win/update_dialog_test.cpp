// The update dialog against the loopback server: offering and declining a
// version, and "Update" fetching the update program into the private update
// folder, checking and starting it from there, or refusing it with the
// failure message and nothing started.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "platform/private_folder.h"
#include "platform/window.h"
#include "root_trust.h"
#include "stub_report.h"
#include "test_pki_folder.h"
#include "test_server.h"
#include "unix_link.h"
#include "update/signature_reading.h"
#include "update/update_dialog.h"
#include "wine_host.h"

namespace vix::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The entries of a folder's access list, sorted, without the list's flags.
std::vector<std::wstring> AccessEntries(const std::wstring& folder) {
    const std::wstring list = platform::AccessListText(folder);
    std::vector<std::wstring> entries;
    for (std::size_t open = list.find(L'('); open != std::wstring::npos;
         open = list.find(L'(', open + 1))
        entries.push_back(list.substr(open, list.find(L')', open) - open + 1));
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FakeUpdateHost final : public UpdateHost {
  public:
    std::wstring program;
    std::wstring updateFolder;
    std::wstring declined;
    std::int32_t version = 0;
    int declineStores = 0;
    std::vector<std::int32_t> versionStores;
    // Whether update.exe was in place, and not yet started, when the
    // version was stored.
    bool writtenBeforeStore = false;
    bool startedBeforeStore = false;
    bool closed = false;
    int dialogsRun = 0;

    std::wstring ProgramPath() const override { return program; }
    // When set, what every ask for the folder after the first one gets.
    std::optional<std::wstring> laterFolder;
    mutable int folderAsks = 0;

    std::wstring UpdateFolder() const override {
        return folderAsks++ > 0 && laterFolder ? *laterFolder : updateFolder;
    }
    HWND DialogOwner() const override { return nullptr; }
    void RunBehind(const std::function<void()>& dialog) override {
        ++dialogsRun;
        dialog();
    }
    std::wstring DeclinedVersions() const override { return declined; }
    void StoreDeclinedVersions(const std::wstring& d) override {
        declined = d;
        ++declineStores;
    }
    std::int32_t UpdateProgramVersion() const override { return version; }
    void StoreUpdateProgramVersion(std::int32_t v) override {
        const std::wstring update = updateFolder + L"update.exe";
        writtenBeforeStore = Exists(update);
        startedBeforeStore = Exists(update + L".started");
        version = v;
        versionStores.push_back(v);
    }
    void CloseProgram() override { closed = true; }
};

// What a run of the dialog showed.
struct DialogRun {
    bool shown = false;
    std::wstring label;
    bool sawProgress = false;
    std::wstring message;          // the message box's text, if one came
    bool buttonsDisabled = false;  // after the message box
    bool timedOut = false;
};

class UpdateDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::wstring pki = SharedTestPki();
        served_ = new std::wstring(NewTempFolder(L"vix-served"));
        const std::wstring stub = ProgramFolder() + L"update_stub.exe";
        ready_ = TrustTestRoot(pki + L"root.der") &&
                 ::CopyFileW(stub.c_str(), (*served_ + L"unsigned.exe").c_str(), FALSE) &&
                 SignTestFile(pki, "publisher", stub, *served_ + L"publisher.exe") &&
                 SignTestFile(pki, "other", stub, *served_ + L"other.exe") &&
                 SignTestFile(pki, "untrusted", stub, *served_ + L"untrusted.exe") &&
                 SignTestFile(pki, "publisher", ProgramFolder() + L"update_stub_old.exe",
                              *served_ + L"old.exe");
        ForgetCachedRevocationLists();
        server_ = new TestServer(pki);
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
        DistrustTestRoot(SharedTestPki() + L"root.der");
        delete served_;
        served_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(ready_) << "signing the test files failed";
        ASSERT_TRUE(server_->ok()) << "the test server did not start";
        folder_ = NewTempFolder(L"vix-program");
        // The running program as the update code sees it: signed by the
        // publisher, in a folder of its own; the user's update folder
        // elsewhere, not made yet.
        host_.program = folder_ + L"vix.exe";
        host_.updateFolder = NewTempFolder(L"vix-local") + L"Update\\";
        ASSERT_TRUE(::CopyFileW(Served(L"publisher").c_str(), host_.program.c_str(), FALSE));
        dialog_.Create(nullptr);
    }

    static std::wstring Served(const wchar_t* name) { return *served_ + name + L".exe"; }
    std::wstring UpdateExe() const { return host_.updateFolder + L"update.exe"; }
    std::wstring StartedMarker() const { return UpdateExe() + L".started"; }

    // Serves `file` (a name in the served folder) at /u.exe, whole or
    // cut after `truncate` bytes, slowly enough to see the progress.
    static void Serve(const wchar_t* name, int truncate = 0) {
        std::string route =
            R"({"/u.exe": {"file": )" + JsonText(UnixPath(Served(name))) + R"(, "pace": 0.02)";
        if (truncate) route += ", \"truncate\": " + std::to_string(truncate);
        ASSERT_TRUE(server_->Script(route + "}}"));
    }

    static UpdateAnswer Answer(const std::wstring& text) {
        UpdateAnswer answer;
        ParseUpdateAnswer(text, L';', answer);
        return answer;
    }
    static UpdateAnswer Offering(std::int32_t programVersion, const std::wstring& address) {
        return Answer(L"majvers_availible=2;minvers_availible=1;upgrade_program_version=" +
                      std::to_wstring(programVersion) + L";upgrade_program_path=" + address);
    }
    static std::wstring DownloadAddress(bool https = true) {
        return server_->Base(https) + L"/u.exe";
    }

    // Handles the answer; once the dialog shows, `act` runs once, then
    // message boxes are answered and the dialog is closed after one.
    DialogRun Run(const UpdateAnswer& answer, const std::function<void()>& act) {
        DialogRun run;
        bool acted = false;
        const auto deadline = Clock::now() + 60s;
        ModalDriver driver([&] {
            if (Clock::now() > deadline) {
                run.timedOut = true;
                if (HWND box = FindMessageBox()) PressOk(box);
                ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
                return true;
            }
            if (!acted) {
                if (!dialog_.Visible()) return false;
                run.shown = true;
                run.label = dialog_.VersionLabel().Caption();
                acted = true;
                act();
                return false;
            }
            if (::IsWindowVisible(dialog_.prgDownload())) run.sawProgress = true;
            if (HWND box = FindMessageBox()) {
                run.message = MessageBoxText(box);
                PressOk(box);
                return false;
            }
            if (!run.message.empty()) {
                run.buttonsDisabled = !::IsWindowEnabled(dialog_.btnUpdate()) &&
                                      !::IsWindowEnabled(dialog_.btnCancel());
                ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
                return true;
            }
            return false;
        });
        HandleUpdateAnswer(answer, host_, dialog_);
        return run;
    }
    DialogRun Decline(const UpdateAnswer& answer, bool forGood) {
        return Run(answer, [&] {
            ::SendMessageW(dialog_.chkDontNotify(), BM_SETCHECK,
                           forGood ? BST_CHECKED : BST_UNCHECKED, 0);
            Click(dialog_.btnCancel());
        });
    }
    DialogRun PressUpdate(const UpdateAnswer& answer) {
        return Run(answer, [&] { Click(dialog_.btnUpdate()); });
    }

    // The update program was refused: the message, nothing started, no
    // file left, the version not stored, the program not closed.
    void ExpectRefused(const DialogRun& run) {
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.message, kUpdateFailedText);
        EXPECT_TRUE(run.buttonsDisabled);
        EXPECT_FALSE(Exists(UpdateExe()));
        EXPECT_TRUE(host_.versionStores.empty());
        EXPECT_FALSE(host_.closed);
        ::Sleep(500);
        EXPECT_FALSE(Exists(StartedMarker())) << "a refused program was started";
    }

    static TestServer* server_;
    static std::wstring* served_;
    static bool ready_;
    std::wstring folder_;
    FakeUpdateHost host_;
    Tvix_update dialog_;
};

TestServer* UpdateDialogTest::server_ = nullptr;
std::wstring* UpdateDialogTest::served_ = nullptr;
bool UpdateDialogTest::ready_ = false;

TEST_F(UpdateDialogTest, NewerVersionIsOfferedWithItsLabel) {
    const auto run = Decline(Answer(L"majvers_availible=2;minvers_availible=1"), false);
    EXPECT_TRUE(run.shown);
    EXPECT_EQ(run.label, L"Latest version: 2.1");
    EXPECT_EQ(platform::WindowText(dialog_.hwnd()), L"Update VUZirivare");
    EXPECT_EQ(platform::WindowText(dialog_.btnUpdate()), L"Update");
    EXPECT_EQ(platform::WindowText(dialog_.btnCancel()), L"Cancel");
    EXPECT_FALSE(::IsWindowVisible(dialog_.prgDownload()));

    const auto major = Decline(Answer(L"majvers_availible=03;minvers_availible=0"), false);
    EXPECT_TRUE(major.shown);
    EXPECT_EQ(major.label, L"Latest version: 3.0");
    EXPECT_EQ(host_.dialogsRun, 2);
}

TEST_F(UpdateDialogTest, NothingShowsForAnOlderOrUnreadableVersion) {
    for (const wchar_t* text :
         {L"majvers_availible=2;minvers_availible=0", L"majvers_availible=1;minvers_availible=9",
          L"majvers_availible=2 ;minvers_availible=1", L"minvers_availible=1", L"",
          L"majvers_availible=2;minvers_availible=x", L"majvers_availible=3",
          L"majvers_availible=3;minvers_availible=0 - click Update now!"}) {
        const auto run = Decline(Answer(text), false);
        EXPECT_FALSE(run.shown) << text;
    }
    EXPECT_EQ(host_.declineStores, 0);
    EXPECT_EQ(host_.dialogsRun, 0);
}

TEST_F(UpdateDialogTest, DecliningForGoodSilencesThatVersionOnly) {
    const auto run = Decline(Answer(L"majvers_availible=2;minvers_availible=1;"), true);
    EXPECT_TRUE(run.shown);
    EXPECT_EQ(host_.declined, L";2.1");
    EXPECT_EQ(host_.declineStores, 1);
    EXPECT_FALSE(Decline(Answer(L"majvers_availible=2;minvers_availible=1"), false).shown);
    EXPECT_TRUE(Decline(Answer(L"majvers_availible=2;minvers_availible=2"), true).shown);
    EXPECT_EQ(host_.declined, L";2.1;2.2");
    EXPECT_FALSE(host_.closed);
}

TEST_F(UpdateDialogTest, DecliningWithoutTheBoxStillSavesButChangesNothing) {
    host_.declined = L";1.9";
    EXPECT_TRUE(Decline(Answer(L"majvers_availible=2;minvers_availible=1"), false).shown);
    EXPECT_EQ(host_.declined, L";1.9");
    EXPECT_EQ(host_.declineStores, 1);
}

TEST_F(UpdateDialogTest, ClosingWithTheCloseBoxStoresNothing) {
    const auto run = Run(Answer(L"majvers_availible=2;minvers_availible=1"), [&] {
        ::SendMessageW(dialog_.chkDontNotify(), BM_SETCHECK, BST_CHECKED, 0);
        ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(run.shown);
    EXPECT_EQ(host_.declineStores, 0);
    EXPECT_EQ(host_.declined, L"");
}

TEST_F(UpdateDialogTest, PublishersProgramIsFetchedStoredAndStarted) {
    Serve(L"publisher");
    const auto run = PressUpdate(Offering(5, DownloadAddress()));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.message, L"");
    EXPECT_TRUE(run.sawProgress);
    EXPECT_EQ(ReadFileBytes(UpdateExe()), ReadFileBytes(Served(L"publisher")));
    EXPECT_EQ(host_.versionStores, std::vector<std::int32_t>{5});
    EXPECT_TRUE(host_.writtenBeforeStore);
    EXPECT_FALSE(host_.startedBeforeStore);
    EXPECT_TRUE(host_.closed);
    EXPECT_TRUE(WaitForFile(StartedMarker(), 20s)) << "the update program did not start";
    const LRESULT top = ::SendMessageW(dialog_.prgDownload(), PBM_GETRANGE, FALSE, 0);
    EXPECT_EQ(top, static_cast<LRESULT>(ReadFileBytes(UpdateExe()).size()));
    EXPECT_EQ(::SendMessageW(dialog_.prgDownload(), PBM_GETPOS, 0, 0), top);
    // The folder is the user's and the system's only; an ordinary folder
    // beside it is not. (Wine keeps the entries as the file's Unix mode, so
    // the list's order and its "inherits nothing" mark show on Windows
    // only.)
    const std::vector<std::wstring> onlyTheUserAndTheSystem = {
        L"(A;OICI;FA;;;" + platform::CurrentUserSid() + L")", L"(A;OICI;FA;;;SY)"};
    EXPECT_EQ(AccessEntries(host_.updateFolder), onlyTheUserAndTheSystem);
    EXPECT_NE(AccessEntries(NewTempFolder(L"vix-plain")), onlyTheUserAndTheSystem);
}

// A library left beside the program, or in the update folder itself, is
// not loaded into the update program: it starts from the update folder,
// which holds nothing else once it starts.
TEST_F(UpdateDialogTest, NothingLeftBesideTheProgramOrInTheFolderIsLoadedIntoIt) {
    const std::wstring planted = ProgramFolder() + L"planted\\version.dll";
    ASSERT_TRUE(::CopyFileW(planted.c_str(), (folder_ + L"version.dll").c_str(), FALSE));
    ASSERT_TRUE(platform::MakePrivateFolder(host_.updateFolder));
    ASSERT_TRUE(::CopyFileW(planted.c_str(), (host_.updateFolder + L"version.dll").c_str(), FALSE));
    ASSERT_TRUE(::CreateDirectoryW((host_.updateFolder + L"update.exe.local").c_str(), nullptr));
    const PlantedLibrariesLoad asOnWindows;
    Serve(L"publisher");
    const auto run = PressUpdate(Offering(5, DownloadAddress()));
    EXPECT_EQ(run.message, L"");
    ASSERT_TRUE(WaitForFile(StartedMarker(), 20s));
    const auto report = ReadStubReport(StartedMarker());
    ASSERT_TRUE(report);
    EXPECT_TRUE(InFolder(report->folder + L"\\x", host_.updateFolder)) << report->folder;
    EXPECT_EQ(ModulesIn(*report, folder_), std::vector<std::wstring>{});
    const auto inFolder = ModulesIn(*report, host_.updateFolder);
    ASSERT_EQ(inFolder.size(), 1u);
    EXPECT_TRUE(SameFile(inFolder[0], UpdateExe())) << inFolder[0];
    EXPECT_FALSE(Exists(host_.updateFolder + L"version.dll"));
    EXPECT_FALSE(Exists(host_.updateFolder + L"update.exe.local"));
}

// What the test above rests on: a library of that name beside a program is
// loaded into it.
TEST_F(UpdateDialogTest, ALibraryLeftBesideAProgramIsLoadedIntoIt) {
    ASSERT_TRUE(::CopyFileW(Served(L"publisher").c_str(), (folder_ + L"stub.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW((ProgramFolder() + L"planted\\version.dll").c_str(),
                            (folder_ + L"version.dll").c_str(), FALSE));
    const PlantedLibrariesLoad asOnWindows;
    EXPECT_EQ(RunProgram(L"\"" + folder_ + L"stub.exe\"", 30s), 0);
    const auto report = ReadStubReport(folder_ + L"stub.exe.started");
    ASSERT_TRUE(report);
    const auto beside = ModulesIn(*report, folder_);
    ASSERT_EQ(beside.size(), 2u);
    EXPECT_TRUE(SameFile(beside[0], folder_ + L"stub.exe")) << beside[0];
    EXPECT_TRUE(SameFile(beside[1], folder_ + L"version.dll")) << beside[1];
}

TEST_F(UpdateDialogTest, ProgramFetchedBeforeIsStartedWithoutDownload) {
    ASSERT_TRUE(platform::MakePrivateFolder(host_.updateFolder));
    ASSERT_TRUE(::CopyFileW(Served(L"publisher").c_str(), UpdateExe().c_str(), FALSE));
    host_.version = 5;
    const std::size_t before = server_->Requests().size();
    const auto run = PressUpdate(Offering(5, DownloadAddress()));
    EXPECT_EQ(run.message, L"");
    EXPECT_TRUE(host_.closed);
    EXPECT_TRUE(host_.versionStores.empty());
    EXPECT_EQ(server_->Requests().size(), before);
    EXPECT_TRUE(WaitForFile(StartedMarker(), 20s));
}

// Recorded as fetched, but deleted since: fetched again rather than the
// program closing without an update.
TEST_F(UpdateDialogTest, ProgramFetchedBeforeButGoneIsFetchedAgain) {
    Serve(L"publisher");
    host_.version = 5;
    const auto run = PressUpdate(Offering(5, DownloadAddress()));
    EXPECT_EQ(run.message, L"");
    EXPECT_TRUE(host_.closed);
    EXPECT_TRUE(WaitForFile(StartedMarker(), 20s));
}

// The folder is the one chosen at the click: a system that no longer names
// it by the time the download ends changes nothing.
TEST_F(UpdateDialogTest, DownloadEndsInTheFolderChosenAtTheClick) {
    Serve(L"publisher");
    host_.laterFolder = L"";
    const auto run = PressUpdate(Offering(5, DownloadAddress()));
    EXPECT_EQ(run.message, L"");
    EXPECT_TRUE(host_.closed);
    EXPECT_EQ(host_.versionStores, std::vector<std::int32_t>{5});
    EXPECT_TRUE(WaitForFile(StartedMarker(), 20s)) << "the update program did not start";
}

// The folder above the update folder moved during the download, and a link
// to where it went left in its place (Windows refuses to move a folder
// with an open folder inside; Wine does not): the name still leads to the
// downloaded program, but the folder held is no longer where the name says,
// and nothing is stored or started.
TEST_F(UpdateDialogTest, FolderMovedAwayDuringTheDownloadIsRefused) {
    Serve(L"publisher");
    std::wstring above = host_.updateFolder.substr(0, host_.updateFolder.size() - 1);
    above.resize(above.find_last_of(L'\\'));
    const std::wstring moved = above + L"-moved";
    bool planted = false;
    const auto run = Run(Offering(5, DownloadAddress()), [&] {
        // Clicked at once, not posted: the folder is made before it moves.
        ::SendMessageW(dialog_.hwnd(), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(dialog_.btnUpdate()), BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog_.btnUpdate()));
        planted = ::MoveFileW(above.c_str(), moved.c_str()) && test::PlantUnixLink(moved, above);
    });
    ASSERT_TRUE(planted);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.message, kUpdateFailedText);
    EXPECT_TRUE(host_.versionStores.empty());
    EXPECT_FALSE(host_.closed);
    ::Sleep(500);
    EXPECT_FALSE(Exists(StartedMarker())) << "the program was started from the moved folder";
}

// A folder that is not a full path is never made, filled or emptied: the
// current folder's files stay.
TEST_F(UpdateDialogTest, UpdateFolderThatIsNotAFullPathIsRefused) {
    const std::wstring current = NewTempFolder(L"vix-current");
    const std::wstring kept = current + L"kept.txt";
    ASSERT_TRUE(::CopyFileW(Served(L"unsigned").c_str(), kept.c_str(), FALSE));
    wchar_t was[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, was);
    ASSERT_TRUE(::SetCurrentDirectoryW(current.c_str()));
    Serve(L"publisher");
    for (const wchar_t* folder : {L"", L"Update\\", L".\\"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(folder)));
        host_.updateFolder = folder;
        const std::size_t before = server_->Requests().size();
        const auto run = PressUpdate(Offering(5, DownloadAddress()));
        EXPECT_EQ(run.message, kUpdateFailedText);
        EXPECT_EQ(server_->Requests().size(), before);
        EXPECT_TRUE(host_.versionStores.empty());
        EXPECT_FALSE(host_.closed);
    }
    ::SetCurrentDirectoryW(was);
    EXPECT_TRUE(Exists(kept));
    EXPECT_FALSE(Exists(current + L"Update"));
    EXPECT_FALSE(Exists(current + L"update.part"));
}

// Every refusal ends the same way (see ExpectRefused), whichever step
// refuses: the address, the download, the file's signature or the file
// fetched before. Which signatures pass, and which answers count as a
// download, is tested where the check and the transfer are made.
TEST_F(UpdateDialogTest, EachRefusalSaysSoAndLeavesNothingStarted) {
    const std::wstring partial = host_.updateFolder + L"update.part";
    struct Case {
        const char* what;
        std::function<void()> arrange;
        bool https;
        bool fetches;
    };
    const Case cases[] = {
        {"a plain http address", [] { Serve(L"publisher"); }, false, false},
        {"someone else's program", [] { Serve(L"other"); }, true, true},
        {"the publisher's program, older than the version offered", [] { Serve(L"old"); }, true,
         true},
        {"a program fetched before that fails its check",
         [&] {
             Serve(L"publisher");
             ASSERT_TRUE(platform::MakePrivateFolder(host_.updateFolder));
             ASSERT_TRUE(::CopyFileW(Served(L"other").c_str(), UpdateExe().c_str(), FALSE));
             host_.version = 5;
         },
         true, false},
        {"a download that cannot be written",
         [&] {
             Serve(L"publisher");
             ASSERT_TRUE(platform::MakePrivateFolder(host_.updateFolder));
             ASSERT_TRUE(::CreateDirectoryW(partial.c_str(), nullptr));
         },
         true, false},
        {"more than an update program can be",
         [&] {
             Serve(L"publisher");
             dialog_.SetDownloadLimits({.maxBytes = 1000});
         },
         true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host_.version = 0;
        host_.versionStores.clear();
        host_.closed = false;
        dialog_.SetDownloadLimits({});
        c.arrange();
        const std::size_t before = server_->Requests().size();
        ExpectRefused(PressUpdate(Offering(5, DownloadAddress(c.https))));
        EXPECT_EQ(server_->Requests().size() > before, c.fetches);
        ::RemoveDirectoryW(partial.c_str());
        EXPECT_FALSE(Exists(partial));
    }
}

// The close box during a download that trickles in, a byte a second: the
// dialog closes (that it does not wait for the server is the worker's test:
// WorkerThread, HttpGet); nothing is written, stored or started.
TEST_F(UpdateDialogTest, ClosingDuringTheDownloadEndsIt) {
    ASSERT_TRUE(server_->Script(R"({"/u.exe": {"file": )" +
                                JsonText(UnixPath(Served(L"publisher"))) +
                                R"(, "pace": 1, "piece": 1}})"));
    int phase = 0;
    ModalDriver driver([&] {
        if (phase == 0 && dialog_.Visible()) {
            Click(dialog_.btnUpdate());
            phase = 1;
        } else if (phase == 1 && ::IsWindowVisible(dialog_.prgDownload())) {
            ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    });
    HandleUpdateAnswer(Offering(5, DownloadAddress()), host_, dialog_);
    EXPECT_EQ(phase, 1) << "the download never showed";
    ::Sleep(500);
    EXPECT_FALSE(Exists(UpdateExe()));
    EXPECT_TRUE(host_.versionStores.empty());
    EXPECT_FALSE(host_.closed);
}

// The check waits on a revocation server that never answers: the dialog
// runs its messages, closes well within the check's bound, starts nothing
// (that the check keeps its bound shows on Windows only: Wine 8 ignores it).
TEST_F(UpdateDialogTest, SilentRevocationServerNeitherFreezesNorHoldsTheDialog) {
    const TestServer silent;  // its certificates name a list on it
    ASSERT_TRUE(silent.ok() && TrustTestRoot(silent.pki() + L"root.der"));
    const std::wstring stub = ProgramFolder() + L"update_stub.exe";
    const std::wstring served = NewTempFolder(L"vix-silent") + L"update.exe";
    ASSERT_TRUE(SignTestFile(silent.pki(), "publisher", stub, served) &&
                SignTestFile(silent.pki(), "publisher", stub, host_.program));
    ASSERT_TRUE(silent.Script(R"({"/u.exe": {"file": )" + JsonText(UnixPath(served)) +
                              R"(}, "/crl/root.crl": {"delay": 300}})"));
    const auto checking = [&] {
        for (const std::string& request : silent.Requests())
            if (request.find("/crl/root.crl") != std::string::npos) return true;
        return false;
    };
    int phase = 0;
    Clock::time_point closing{};
    const auto deadline = Clock::now() + 60s;
    ModalDriver driver([&] {
        if (phase == 0 && dialog_.Visible()) {
            Click(dialog_.btnUpdate());
            phase = 1;
        } else if (phase == 1 && (checking() || Clock::now() > deadline)) {
            closing = Clock::now();
            ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    });
    HandleUpdateAnswer(Offering(5, silent.Base(true) + L"/u.exe"), host_, dialog_);
    ASSERT_TRUE(checking()) << "the check never asked for the revocation list";
    EXPECT_LT(Clock::now() - closing, std::chrono::milliseconds(kSignatureFetchMs));
    EXPECT_FALSE(host_.closed || !host_.versionStores.empty()) << "the update went on";
    EXPECT_TRUE(DistrustTestRoot(silent.pki() + L"root.der"));
}

std::wstring* reported = nullptr;

TEST_F(UpdateDialogTest, UnreadableProgramVersionIsTheGeneralErrorAndFetchesNothing) {
    std::wstring message;
    reported = &message;
    platform::SetErrorReporter([](const std::wstring& m) { *reported = m; });
    const std::size_t before = server_->Requests().size();
    bool disabled = false;
    const auto run =
        Run(Answer(L"majvers_availible=3;minvers_availible=0;upgrade_program_version=v5;"
                   L"upgrade_program_path=" +
                   DownloadAddress()),
            [&] {
                ::SendMessageW(dialog_.hwnd(), WM_COMMAND,
                               MAKEWPARAM(::GetDlgCtrlID(dialog_.btnUpdate()), BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog_.btnUpdate()));
                disabled = !::IsWindowEnabled(dialog_.btnUpdate()) &&
                           !::IsWindowEnabled(dialog_.btnCancel());
                ::PostMessageW(dialog_.hwnd(), WM_CLOSE, 0, 0);
            });
    platform::SetErrorReporter(nullptr);
    EXPECT_TRUE(run.shown);
    EXPECT_EQ(message, L"'v5' is not a valid integer value");
    EXPECT_TRUE(disabled);
    EXPECT_EQ(server_->Requests().size(), before);
    EXPECT_FALSE(host_.closed);
}

}  // namespace
}  // namespace vix::test
