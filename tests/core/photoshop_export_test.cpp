#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include "common/utf16.h"
#include "photoshop/busy_retry.h"
#include "photoshop/stoppable_clock.h"
#include "photoshop/export_flow.h"

namespace vix {
namespace {

using Log = std::vector<std::string>;

// A clock that only moves when the code under test waits.
class FakeClock final : public RetryClock {
  public:
    std::uint32_t NowMs() override { return now; }
    bool Pause(std::uint32_t ms) override {
        now += ms;
        ++pauses;
        return pauses != quitAtPause;
    }
    std::uint32_t now = 0xFFFFFF00u;  // close to the wrap on purpose
    int pauses = 0;
    int quitAtPause = 0;  // the pause during which the user quits; 0 never
};

// Photoshop over an imagined COM: every call is logged, each can fail or be
// rejected as busy for a while, and busy calls go through the retry policy
// as the Windows side's calls do.
class FakeConnection final : public PhotoshopConnection {
  public:
    explicit FakeConnection(Log& log) : log_(log) {}

    CallResult CreateApplication() override { return Call("Create"); }
    CallResult MakeVisible() override { return Call("Visible"); }
    CallResult GetActionControl() override { return Call("Control"); }
    PlayResult Play(const ActionRequest& request) override {
        const std::string name = "Play " + FourCCText(request.event);
        played.push_back(request);
        const auto called = Call(name);
        PlayResult result;
        result.raised = !called.ok;
        result.errorText = called.errorText;
        const auto it = answers.find(played.size());
        result.answer = it == answers.end() ? PlayAnswer::Result : it->second;
        return result;
    }
    void ReleaseApplication() override { log_.push_back("Release"); }

    std::map<std::string, std::wstring> failures;  // call -> error text
    std::map<std::size_t, PlayAnswer> answers;     // nth play (from 1) -> answer
    std::map<std::string, std::uint32_t> busyMs;   // call -> rejected for so long
    std::vector<ActionRequest> played;
    BusyRetryPolicy policy{2000, 100};
    FakeClock clock;

  private:
    CallResult Call(const std::string& name) {
        const std::uint32_t busyUntil = clock.NowMs() + busyMs[name];
        const auto status = RetryWhileBusy(policy, clock, [&] {
            const bool busy = static_cast<std::int32_t>(busyUntil - clock.NowMs()) > 0;
            log_.push_back(name + (busy ? " (busy)" : ""));
            return busy ? CallStatus::Busy : CallStatus::Done;
        });
        if (status == CallStatus::Busy) return CallResult::Failed(L"Call was rejected by callee.");
        const auto it = failures.find(name);
        return it == failures.end() ? CallResult::Ok() : CallResult::Failed(it->second);
    }
    Log& log_;
};

class FakeHost final : public ExportHost {
  public:
    explicit FakeHost(Log& log) : log_(log) {}
    void ShowPage(int page) override { log_.push_back("Page " + std::to_string(page)); }
    bool PutSnapshotOnClipboard() override {
        log_.push_back("Clipboard");
        return clipboardHolds;
    }
    void Wait(std::uint32_t ms) override { log_.push_back("Wait " + std::to_string(ms)); }
    bool FindPhothoshop() override {
        log_.push_back("Find");
        return photoshopOpen;
    }
    void ClosePhotoshopColorPicker() override { log_.push_back("ClosePicker"); }
    bool Ask(const std::wstring& question) override {
        log_.push_back("Ask");
        questions.push_back(question);
        return answerYes;
    }
    void ShowError(const std::wstring& text) override {
        log_.push_back("Error");
        errors.push_back(text);
    }
    void LetPendingMessagesRun() override { log_.push_back("Pump"); }
    void RestoreTopmost() override { log_.push_back("Topmost"); }

    bool clipboardHolds = true;
    bool photoshopOpen = true;
    bool answerYes = true;
    std::vector<std::wstring> questions;
    std::vector<std::wstring> errors;

  private:
    Log& log_;
};

class ExportFlowTest : public ::testing::Test {
  protected:
    ExportOutcome Run(ExportKind kind) {
        input.kind = kind;
        return ExportFlow(input, connection, host).Run();
    }
    Log log;
    FakeConnection connection{log};
    FakeHost host{log};
    ExportInput input{ExportKind::Color, true, true, 255, 128, 0, 640, 480};
};

TEST_F(ExportFlowTest, ColorWithPhotoshopOpenClosesItsPickerAndSetsTheForeground) {
    const auto outcome = Run(ExportKind::Color);
    EXPECT_EQ(log, (Log{"Page 0", "Find", "ClosePicker", "Create", "Visible", "Control",
                        "Play setd", "Release", "Topmost"}));
    EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
    EXPECT_FALSE(outcome.error);
    ASSERT_EQ(connection.played.size(), 1u);
    EXPECT_EQ(connection.played[0], PSSetColor(true, 255.0, 128.0, 0.0));
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(ExportFlowTest, ColorGoesToTheBackgroundWhenTheSettingSaysSo) {
    input.foreground = false;
    Run(ExportKind::Color);
    ASSERT_EQ(connection.played.size(), 1u);
    EXPECT_EQ(connection.played[0], PSSetColor(false, 255.0, 128.0, 0.0));
}

TEST_F(ExportFlowTest, PhotoshopNotOpenAsksAndYesStartsIt) {
    host.photoshopOpen = false;
    const auto outcome = Run(ExportKind::Color);
    EXPECT_EQ(log, (Log{"Page 0", "Find", "Ask", "Create", "Visible", "Control", "Play setd",
                        "Release", "Topmost"}));
    EXPECT_EQ(host.questions, std::vector<std::wstring>{L"VIX could not find an open PhotoShop "
                                                        L"session,\rwould you like VIX to open "
                                                        L"PhotoShop?"});
    EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
}

TEST_F(ExportFlowTest, NoCreatesNothingShowsNothingAndStillRestoresTopmost) {
    host.photoshopOpen = false;
    host.answerYes = false;
    EXPECT_EQ(Run(ExportKind::Color).ending, ExportOutcome::Ending::Declined);
    EXPECT_EQ(log, (Log{"Page 0", "Find", "Ask", "Topmost"}));

    log.clear();
    EXPECT_EQ(Run(ExportKind::Layer).ending, ExportOutcome::Ending::Declined);
    EXPECT_EQ(log, (Log{"Page 2", "Clipboard", "Wait 100", "Find", "Ask", "Pump", "Topmost"}));
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(ExportFlowTest, ADisabledButtonDoesNothingAtAll) {
    input.buttonEnabled = false;
    for (auto kind : {ExportKind::Color, ExportKind::Document, ExportKind::Layer})
        EXPECT_EQ(Run(kind).ending, ExportOutcome::Ending::NotRun);
    EXPECT_TRUE(log.empty());
}

TEST_F(ExportFlowTest, DocumentIsTheSnapshotsSizeAndReceivesThePaste) {
    const auto outcome = Run(ExportKind::Document);
    EXPECT_EQ(log,
              (Log{"Page 2", "Clipboard", "Wait 100", "Find", "ClosePicker", "Create", "Visible",
                   "Control", "Play Mk  ", "Play past", "Release", "Pump", "Topmost"}));
    EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
    ASSERT_EQ(connection.played.size(), 2u);
    EXPECT_EQ(connection.played[0],
              PSNewDocument(L"Vix_Export", ps::kRgbMode, ps::kTransparent, 640, 480, 72.0));
    EXPECT_EQ(connection.played[1], PSPaste());
}

TEST_F(ExportFlowTest, LayerIsMadeAndPastedInto) {
    Run(ExportKind::Layer);
    ASSERT_EQ(connection.played.size(), 2u);
    EXPECT_EQ(connection.played[0], PSNewLayer(L"Vix_Export_Layer", ps::kNormal, false, 100.0));
    EXPECT_EQ(connection.played[1].event, ps::kPaste);
}

TEST_F(ExportFlowTest, LayerWithoutResultOrWithMessageFallsBackToANewDocument) {
    for (auto answer : {PlayAnswer::NoResult, PlayAnswer::ResultWithMessage}) {
        connection.played.clear();
        connection.answers = {{1, answer}};
        const auto outcome = Run(ExportKind::Layer);
        EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
        ASSERT_EQ(connection.played.size(), 3u);
        EXPECT_EQ(connection.played[1], ExportDocumentRequest(640, 480));
        EXPECT_EQ(connection.played[2], PSPaste());
    }
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(ExportFlowTest, OneByOneSnapshotMakesAOneByOneDocument) {
    input.width = input.height = 1;
    Run(ExportKind::Document);
    EXPECT_EQ(connection.played.at(0), ExportDocumentRequest(1, 1));
    const auto& doc = std::get<ObjectValue>(*connection.played[0].descriptor->Find(ps::kNew));
    EXPECT_EQ(std::get<UnitDoubleValue>(*doc.descriptor->Find(ps::kWidth)).value, 1.0);
}

TEST_F(ExportFlowTest, ClipboardNotReadyWarnsWithS01AndGoesOn) {
    host.clipboardHolds = false;
    const auto outcome = Run(ExportKind::Document);
    EXPECT_TRUE(outcome.clipboardWarned);
    EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
    EXPECT_EQ(host.errors,
              std::vector<std::wstring>{L"ERROR Clipboard data not ready !!\rErrorcode: S01"});
    EXPECT_EQ(log[2], "Error");
    EXPECT_EQ(log[3], "Wait 100");
}

// Each failure ends the export with its message, releases what was made and
// restores always-on-top after the message.
struct FailureCase {
    ExportKind kind;
    const char* failingCall;  // made to fail (raise), or null
    std::map<std::size_t, PlayAnswer> answers;
    const wchar_t* message;
    ExportError error;
    bool released;
    std::size_t plays;  // requests played, the failing one included
};

TEST_F(ExportFlowTest, EveryFailureShowsItsMessageAndEndsThere) {
    const std::vector<FailureCase> cases = {
        {ExportKind::Color,
         "Create",
         {},
         L"Error could not open a photoshop session, version < 5 ??\rErrorcode: I02\r"
         L"Server execution failed",
         ExportError::I02Color,
         false,
         0},
        {ExportKind::Document,
         "Create",
         {},
         L"Error could not open a photoshop session, version < 5 ??\rErrorcode: I02",
         ExportError::I02Image,
         false,
         0},
        {ExportKind::Layer,
         "Create",
         {},
         L"Error could not open a photoshop session, version < 5 ??\rErrorcode: I02",
         ExportError::I02Image,
         false,
         0},
        {ExportKind::Color,
         "Visible",
         {},
         L"Error could not set photoshop visible version < 5 ??\rErrorcode: I08",
         ExportError::I08,
         true,
         0},
        {ExportKind::Document,
         "Control",
         {},
         L"Error could not set photoshop visible version < 5 ??\rErrorcode: I08",
         ExportError::I08,
         true,
         0},
        {ExportKind::Color,
         "Play setd",
         {},
         L"Vix Could not export the current color to Photoshop\rErrorcode: P04",
         ExportError::P04,
         true,
         1},
        {ExportKind::Color,
         nullptr,
         {{1, PlayAnswer::ResultWithMessage}},
         L"Vix Could not export the current color to Photoshop\rErrorcode: P04_6",
         ExportError::P04_6,
         true,
         1},
        {ExportKind::Color,
         nullptr,
         {{1, PlayAnswer::ResultUnreadable}},
         L"Vix Could not export the current color to Photoshop\rErrorcode: P04_6",
         ExportError::P04_6,
         true,
         1},
        {ExportKind::Document,
         nullptr,
         {{1, PlayAnswer::ResultWithMessage}},
         L"Vix Could not export the image to Photoshop\rErrorcode: I04_5",
         ExportError::I04_5,
         true,
         1},
        {ExportKind::Document,
         "Play Mk  ",
         {},
         L"Vix Could not export the image to Photoshop\rErrorcode: I04",
         ExportError::I04,
         true,
         1},
        {ExportKind::Document,
         "Play past",
         {},
         L"Vix Could not export the image to Photoshop\rErrorcode: I04",
         ExportError::I04,
         true,
         2},
        {ExportKind::Layer,
         "Play Mk  ",
         {},
         L"Vix Could not export the image to Photoshop\rErrorcode: I04",
         ExportError::I04,
         true,
         1},
        {ExportKind::Layer,
         nullptr,
         {{1, PlayAnswer::NoResult}, {2, PlayAnswer::ResultWithMessage}},
         L"Vix Could not export the image to Photoshop\rErrorcode: I04_4",
         ExportError::I04_4,
         true,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.message));
        log.clear();
        host.errors.clear();
        connection.played.clear();
        connection.failures.clear();
        if (c.failingCall) connection.failures[c.failingCall] = L"Server execution failed";
        connection.answers = c.answers;
        const auto outcome = Run(c.kind);
        EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Failed);
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_EQ(host.errors, std::vector<std::wstring>{c.message});
        EXPECT_EQ(connection.played.size(), c.plays);
        const auto error = std::find(log.begin(), log.end(), "Error");
        ASSERT_NE(error, log.end());
        Log after(error + 1, log.end());
        Log expected;
        if (c.released) expected.push_back("Release");
        if (c.kind != ExportKind::Color) expected.push_back("Pump");
        expected.push_back("Topmost");
        EXPECT_EQ(after, expected);
    }
}

TEST_F(ExportFlowTest, LayerRaisingAnErrorDoesNotFallBack) {
    connection.failures["Play Mk  "] = L"General Photoshop error";
    Run(ExportKind::Layer);
    EXPECT_EQ(connection.played.size(), 1u);
}

TEST_F(ExportFlowTest, ABusyPhotoshopIsWaitedForWithinTheBound) {
    connection.busyMs["Visible"] = 450;
    const auto outcome = Run(ExportKind::Color);
    EXPECT_EQ(outcome.ending, ExportOutcome::Ending::Exported);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Visible (busy)"), 5);
    EXPECT_EQ(connection.clock.pauses, 5);
}

TEST_F(ExportFlowTest, PastTheBoundTheExportEndsWithThatStepsMessage) {
    struct Case {
        ExportKind kind;
        const char* call;
        ExportError error;
    };
    static constexpr Case kCases[] = {
        {ExportKind::Color, "Create", ExportError::I02Color},
        {ExportKind::Layer, "Visible", ExportError::I08},
        {ExportKind::Color, "Control", ExportError::I08},
        {ExportKind::Color, "Play setd", ExportError::P04},
        {ExportKind::Document, "Play past", ExportError::I04},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.call);
        connection.busyMs.clear();
        connection.busyMs[c.call] = 60000;
        const std::uint32_t start = connection.clock.now;
        const auto outcome = Run(c.kind);
        EXPECT_EQ(outcome.error, c.error);
        const std::uint32_t waited = connection.clock.now - start;
        EXPECT_GE(waited, connection.policy.boundMs);
        EXPECT_LT(waited, connection.policy.boundMs + 2 * connection.policy.pauseMs);
        EXPECT_EQ(log.back(), "Topmost");
    }
    EXPECT_EQ(host.errors.front(),
              L"Error could not open a photoshop session, version < 5 ??\rErrorcode: I02\r"
              L"Call was rejected by callee.");
}

TEST(BusyRetryPolicy, PausesUntilTheBoundThenGivesUp) {
    const BusyRetryPolicy policy{1000, 250};
    EXPECT_EQ(policy.NextPause(0), 250u);
    EXPECT_EQ(policy.NextPause(999), 250u);
    EXPECT_EQ(policy.NextPause(1000), std::nullopt);
    EXPECT_EQ(policy.NextPause(0xFFFFFFFFu), std::nullopt);
}

TEST(BusyRetry, ACallThatIsNotBusyIsMadeOnceWithoutWaiting) {
    FakeClock clock;
    int calls = 0;
    EXPECT_EQ(RetryWhileBusy(BusyRetryPolicy{}, clock,
                             [&] {
                                 ++calls;
                                 return CallStatus::Done;
                             }),
              CallStatus::Done);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(clock.pauses, 0);
}

TEST(BusyRetry, AQuitDuringAPauseEndsTheRetries) {
    FakeClock clock;
    clock.quitAtPause = 2;
    int calls = 0;
    EXPECT_EQ(RetryWhileBusy(BusyRetryPolicy{30000, 100}, clock,
                             [&] {
                                 ++calls;
                                 return CallStatus::Busy;
                             }),
              CallStatus::Busy);
    EXPECT_EQ(calls, 2) << "no call after the pause the quit ended";
    EXPECT_EQ(clock.pauses, 2);
}

TEST(StoppableClock, AStopEndsAPauseAtOnceAndEveryLaterOne) {
    StoppableClock clock;
    EXPECT_TRUE(clock.Pause(1)) << "a pause nobody stops runs out";
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        clock.Stop();
    });
    // Ten minutes each: a pause the stop did not end would run out and
    // answer true, long after the test's time limit.
    EXPECT_FALSE(clock.Pause(600000));
    stopper.join();
    EXPECT_FALSE(clock.Pause(600000));
}

}  // namespace
}  // namespace vix
