// The start-up check against the loopback server: the answer reaches the
// user-interface thread parsed, the request carries the query and headers,
// and every failure ends the check without a call and without hanging.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/ui_thread_calls.h"
#include "root_trust.h"
#include "test_pki_folder.h"
#include "test_server.h"
#include "update/update_check.h"
#include "update/update_server.h"
#include "update/update_source.h"
#include "wine_host.h"

namespace vix::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr char kQueryPath[] = "/scripts/get_vix_updates/get.html";

// Handles this thread's messages until `done` or `limit`.
template <typename F>
bool PumpWhile(F busy, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    MSG msg;
    while (busy()) {
        if (Clock::now() > end) return false;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
    return true;
}

class UpdateCheckTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        trusted_ = TrustTestRoot(SharedTestPki() + L"root.der");
        server_ = new TestServer(SharedTestPki());
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
        DistrustTestRoot(SharedTestPki() + L"root.der");
    }
    void SetUp() override {
        ASSERT_TRUE(trusted_);
        ASSERT_TRUE(server_->ok()) << "the test server did not start";
    }

    static std::wstring QueryUrl(bool https = true) {
        const auto server = ParseWebAddress(server_->Base(https) + L"/");
        return UpdateQueryAddress(*server, ComputerName()).ToString();
    }
    static void Answer(const std::string& route) {
        ASSERT_TRUE(server_->Script(std::string("{\"") + kQueryPath + "\": " + route + "}"));
    }

    // Runs one check to its end; the answer, when the handler was called.
    std::optional<UpdateAnswer> RunCheck(const std::wstring& url,
                                         std::chrono::milliseconds limit = 20s,
                                         UpdateCheck::Limits limits = {}) {
        platform::UiThreadCalls calls;
        std::optional<UpdateAnswer> got;
        DWORD handlerThread = 0;
        UpdateCheck check(
            calls.GetCaller(), url,
            [&](const UpdateAnswer& answer) {
                got = answer;
                handlerThread = ::GetCurrentThreadId();
            },
            limits);
        EXPECT_TRUE(PumpWhile([&] { return check.running(); }, limit)) << "the check hung";
        if (got) {
            EXPECT_EQ(handlerThread, ::GetCurrentThreadId());
        }
        return got;
    }

    static TestServer* server_;
    static bool trusted_;
};

TestServer* UpdateCheckTest::server_ = nullptr;
bool UpdateCheckTest::trusted_ = false;

TEST_F(UpdateCheckTest, AnswerArrivesParsedOnTheUserInterfaceThread) {
    Answer(BodyRoute("majvers_availible=2;minvers_availible=1;upgrade_program_version=7;"));
    const auto answer = RunCheck(QueryUrl());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->Value(L"MAJVERS_AVAILIBLE"), L"2");
    EXPECT_EQ(answer->Value(L"minvers_availible"), L"1");
    EXPECT_EQ(answer->Value(L"upgrade_program_version"), L"7");
    EXPECT_EQ(answer->items().size(), 3u);
}

TEST_F(UpdateCheckTest, AsksOverHttpsWithTheQueryAndTheHeaders) {
    Answer(BodyRoute("majvers_availible=2"));
    const std::size_t before = server_->Requests().size();
    ASSERT_TRUE(RunCheck(QueryUrl()));
    const auto requests = server_->Requests();
    ASSERT_EQ(requests.size(), before + 1);
    const std::string& r = requests.back();
    EXPECT_NE(r.find(R"("scheme": "https")"), std::string::npos) << r;
    EXPECT_NE(r.find(R"(?action=startup&majvers=2&minvers=0&compName=)"), std::string::npos) << r;
    EXPECT_NE(r.find(R"x("User-Agent": "Mozilla/3.0 (compatible; Indy Library)")x"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find(R"("Accept": "text/html, */*")"), std::string::npos) << r;
}

TEST_F(UpdateCheckTest, NothingArrivesOnFailure) {
    Answer(BodyRoute("majvers_availible=3", 500));
    EXPECT_FALSE(RunCheck(QueryUrl())) << "server error";
    Answer(R"({"cut": "reset"})");
    EXPECT_FALSE(RunCheck(QueryUrl())) << "connection reset";
    Answer(R"({"cut": "after-headers", "body": "majvers_availible=3"})");
    EXPECT_FALSE(RunCheck(QueryUrl())) << "cut after the headers";
    Answer(BodyRoute(std::string(kMaxAnswerBytes + 1, 'x')));
    EXPECT_FALSE(RunCheck(QueryUrl())) << "too long to be an answer";
    // Port 9 on loopback: nobody listens.
    EXPECT_FALSE(RunCheck(L"https://127.0.0.1:9/scripts/get_vix_updates/get.html")) << "no server";
}

// A route that sends the check on to `location` after `delay` seconds.
std::string RedirectRoute(const std::string& location, double delay = 0) {
    return R"({"status": 302, "delay": )" + std::to_string(delay) +
           R"(, "headers": {"Location": )" + JsonText(location) + "}}";
}

// The answer is taken from the server's own host over https only, after
// at most three redirects; the server named by a refused redirect is never
// asked.
TEST_F(UpdateCheckTest, RedirectsAreFollowedOnlyWithinTheServersHostOverHttps) {
    const std::string answer = BodyRoute("majvers_availible=3;minvers_availible=0");
    struct Case {
        const char* what;
        std::string location;  // where the query is sent on to
        int hops;              // then "/hop/1".."/hop/N" on the same listener
        bool answers;
    };
    const Case cases[] = {
        {"the same host", "https://127.0.0.1:{https}/hop/0", 0, true},
        {"a path of the same server", "/hop/0", 0, true},
        {"three redirects", "/hop/0", 2, true},
        {"four redirects", "/hop/0", 3, false},
        {"another host name", "https://localhost:{https}/hop/0", 0, false},
        {"plain http", "http://127.0.0.1:{http}/hop/0", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string routes = std::string("{\"") + kQueryPath + "\": " + RedirectRoute(c.location);
        for (int i = 0; i < c.hops; ++i)
            routes += ", \"/hop/" + std::to_string(i) +
                      "\": " + RedirectRoute("/hop/" + std::to_string(i + 1));
        routes += ", \"/hop/" + std::to_string(c.hops) + "\": " + answer + "}";
        ASSERT_TRUE(server_->Script(routes));
        const std::size_t before = server_->Requests().size();
        const auto got = RunCheck(QueryUrl());
        EXPECT_EQ(got.has_value(), c.answers);
        const auto requests = server_->Requests();
        const bool reachedTheEnd =
            requests.back().find("/hop/" + std::to_string(c.hops) + "\"") != std::string::npos;
        EXPECT_EQ(reachedTheEnd, c.answers) << requests.back();
        EXPECT_EQ(requests.size() - before, static_cast<std::size_t>(c.hops) + (c.answers ? 2 : 1));
    }
}

// Three redirects and the answer, each well within a single wait, that
// together outlast the whole check's bound: the check gives up at that
// bound, not once the chain is through (an upper bound, as for the slow
// server below, far from both).
TEST_F(UpdateCheckTest, ASlowChainOfRedirectsEndsAtTheDeadline) {
    constexpr double kHopSeconds = 1.2;
    ASSERT_TRUE(server_->Script(
        std::string("{\"") + kQueryPath + "\": " + RedirectRoute("/hop/0", kHopSeconds) +
        ", \"/hop/0\": " + RedirectRoute("/hop/1", kHopSeconds) +
        ", \"/hop/1\": " + RedirectRoute("/hop/2", kHopSeconds) + R"(, "/hop/2": {"delay": )" +
        std::to_string(kHopSeconds) + R"(, "body": "majvers_availible=3;minvers_availible=0"}})"));
    const auto start = Clock::now();
    EXPECT_FALSE(RunCheck(QueryUrl(), 25s, {.waitMs = 5000, .deadlineMs = 1500}));
    EXPECT_LT(Clock::now() - start, 3500ms) << "the chain ran past the deadline";
    // The same chain within a longer bound answers.
    EXPECT_TRUE(RunCheck(QueryUrl(), 25s, {.waitMs = 5000, .deadlineMs = 15000}));
}

// A short bound stands in for the program's: the same wait, sooner over.
constexpr int kShortTimeoutMs = 1500;

// The answer comes after five seconds: within the program's own wait, so
// only the short one given here can have turned it away.
TEST_F(UpdateCheckTest, SlowServerTimesOutWithoutAnAnswer) {
    static_assert(kShortTimeoutMs < 5000 && kUpdateCheckTimeoutMs > 5000);
    Answer(R"({"delay": 5, "body": "majvers_availible=3"})");
    EXPECT_FALSE(RunCheck(QueryUrl(), 25s, {.waitMs = kShortTimeoutMs}));
}

// A server that sends its answer one byte every two seconds, within the
// program's own limits: after the stop nothing arrives. That the stop does
// not wait for the server is the worker's test (WorkerThread, HttpGet).
TEST_F(UpdateCheckTest, StopWhileTheAnswerTricklesLetsNothingArriveAfter) {
    Answer(R"({"body": "majvers_availible=3;minvers_availible=0", "pace": 2, "piece": 1})");
    const std::size_t before = server_->Requests().size();
    platform::UiThreadCalls calls;
    bool called = false;
    UpdateCheck check(calls.GetCaller(), QueryUrl(), [&](const UpdateAnswer&) { called = true; });
    EXPECT_TRUE(PumpWhile([&] { return server_->Requests().size() == before; }, 10s));
    ::Sleep(2500);  // a byte or so has come
    check.Stop();
    EXPECT_FALSE(check.running());
    PumpWhile([] { return true; }, 3s);
    EXPECT_FALSE(called);
}

// The handler shows the modal update dialog; the program may be closed
// meanwhile, and stopping the check from inside must not wait on itself.
TEST_F(UpdateCheckTest, StopFromInsideTheHandlerReleasesTheWorker) {
    Answer(BodyRoute("majvers_availible=3"));
    platform::UiThreadCalls calls;
    UpdateCheck check;
    bool stoppedInside = false;
    check = UpdateCheck(calls.GetCaller(), QueryUrl(), [&](const UpdateAnswer&) {
        check.Stop();
        stoppedInside = !check.running();
    });
    EXPECT_TRUE(PumpWhile([&] { return check.running(); }, 20s));
    EXPECT_TRUE(stoppedInside);
}

TEST_F(UpdateCheckTest, ErrorInTheHandlerIsDropped) {
    Answer(BodyRoute("majvers_availible=3"));
    platform::UiThreadCalls calls;
    bool called = false;
    UpdateCheck check(calls.GetCaller(), QueryUrl(), [&](const UpdateAnswer&) {
        called = true;
        throw std::runtime_error("not a number");
    });
    EXPECT_TRUE(PumpWhile([&] { return check.running(); }, 20s));
    EXPECT_TRUE(called);
}

}  // namespace
}  // namespace vix::test
