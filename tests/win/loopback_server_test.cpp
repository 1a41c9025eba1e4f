// The update tests' web server answers every scripted case the way the
// update code will meet it through WinHTTP, and https works exactly when
// the test root is trusted in the prefix.
#include <windows.h>
#include <winhttp.h>

#include <gtest/gtest.h>

#include <string>

#include "http_get.h"
#include "root_trust.h"
#include "test_pki_folder.h"
#include "test_server.h"
#include "wine_host.h"

namespace vix::test {
namespace {

using namespace std::chrono_literals;

class LoopbackServer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { server_ = new TestServer(SharedTestPki()); }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server_->ok()) << "the test server did not start"; }

    static std::wstring Url(const wchar_t* path, bool https = false) {
        return server_->Base(https) + path;
    }

    static TestServer* server_;
};

TestServer* LoopbackServer::server_ = nullptr;

TEST_F(LoopbackServer, AnswersTheScriptedBodyAndLogsTheRequest) {
    ASSERT_TRUE(server_->Script(R"({"/scripts/get_vix_updates/get.html": )" +
                                BodyRoute("majvers_availible=2;minvers_availible=1") + "}"));
    const auto result = HttpGet(Url(
        L"/scripts/get_vix_updates/get.html?action=startup&majvers=2&minvers=0&compName=A%20B"));
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(result.status, 200u);
    EXPECT_EQ(result.body, "majvers_availible=2;minvers_availible=1");
    const auto requests = server_->Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_NE(requests.back().find(R"("path": "/scripts/get_vix_updates/get.html?action=startup)"
                                   R"(&majvers=2&minvers=0&compName=A%20B")"),
              std::string::npos)
        << requests.back();
    EXPECT_NE(requests.back().find(R"("User-Agent": "vix-tests")"), std::string::npos);
}

TEST_F(LoopbackServer, ServerErrorIsAStatusNotAFailure) {
    ASSERT_TRUE(server_->Script(R"({"/err": )" + BodyRoute("oops", 500) + "}"));
    const auto result = HttpGet(Url(L"/err"));
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(result.status, 500u);
    EXPECT_EQ(HttpGet(Url(L"/not-scripted")).status, 404u);
}

// The answer comes well within the system's own time limit, so only the
// request's limit of half a second turns it into a time-out.
TEST_F(LoopbackServer, SlowServerRunsIntoTheTimeOut) {
    ASSERT_TRUE(server_->Script(R"({"/slow": {"delay": 5, "body": "late"}})"));
    const auto result = HttpGet(Url(L"/slow"), 500);
    // Wine 8 reports the socket's own WSAETIMEDOUT where Windows says
    // ERROR_WINHTTP_TIMEOUT.
    EXPECT_TRUE(result.error == ERROR_WINHTTP_TIMEOUT || result.error == WSAETIMEDOUT)
        << result.error;
    EXPECT_NE(result.body, "late");
}

TEST_F(LoopbackServer, CutConnectionsFail) {
    ASSERT_TRUE(server_->Script(R"({"/reset": {"cut": "reset"}, "/close": {"cut": "close"},)"
                                R"( "/half": {"cut": "after-headers", "body": "never sent"}})"));
    EXPECT_NE(HttpGet(Url(L"/reset")).error, 0u);
    EXPECT_NE(HttpGet(Url(L"/close")).error, 0u);
    // Headers arrive, the body never does: whatever WinHTTP reports, the
    // body falls short of the announced length.
    const auto half = HttpGet(Url(L"/half"));
    EXPECT_TRUE(half.error != 0 ||
                static_cast<std::int64_t>(half.body.size()) < half.contentLength);
}

TEST_F(LoopbackServer, NoServerFailsAtOnce) {
    std::wstring base;
    {
        const TestServer gone(SharedTestPki());
        ASSERT_TRUE(gone.ok());
        base = gone.Base(false);
    }
    // The server stops listening within a moment of being told to end.
    HttpResult result;
    for (int i = 0; i < 50; ++i) {
        result = HttpGet(base + L"/", 2000);
        if (result.error == ERROR_WINHTTP_CANNOT_CONNECT) break;
        ::Sleep(100);
    }
    EXPECT_EQ(result.error, static_cast<unsigned long>(ERROR_WINHTTP_CANNOT_CONNECT));
}

TEST_F(LoopbackServer, FileWithItsLengthAndATruncatedOne) {
    std::string payload(200000, '\0');
    for (std::size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 7 + i / 251);
    const std::wstring file = NewTempFolder(L"vix-payload") + L"update.exe";
    ASSERT_TRUE(WriteFileBytes(file, payload));
    const std::string path = JsonText(UnixPath(file));
    ASSERT_TRUE(server_->Script(R"({"/u.exe": {"file": )" + path + R"(}, "/short.exe": {"file": )" +
                                path + R"(, "truncate": 1000}})"));
    const auto whole = HttpGet(Url(L"/u.exe"));
    EXPECT_EQ(whole.error, 0u);
    EXPECT_EQ(whole.contentLength, static_cast<std::int64_t>(payload.size()));
    EXPECT_TRUE(whole.body == payload);
    const auto cut = HttpGet(Url(L"/short.exe"));
    EXPECT_EQ(cut.contentLength, static_cast<std::int64_t>(payload.size()));
    EXPECT_TRUE(cut.error != 0 || cut.body.size() < payload.size())
        << "error " << cut.error << ", " << cut.body.size() << " bytes";
    EXPECT_LE(cut.body.size(), 1000u);
}

// Each trust state is seen by a new process: a process reads the trusted
// roots once.
TEST_F(LoopbackServer, HttpsWorksExactlyWhenTheTestRootIsTrusted) {
    ASSERT_TRUE(server_->Script(R"({"/tls": {"only": "https", "body": "secret"}})"));
    const std::wstring root = SharedTestPki() + L"root.der";
    const std::wstring fetch = L"\"" + ProgramFolder() + L"https_fetch.exe\" " + Url(L"/tls", true);

    ASSERT_TRUE(DistrustTestRoot(root));
    EXPECT_FALSE(IsTestRootTrusted(root));
    const long refused = RunProgram(fetch, 30s);
    EXPECT_GT(refused, 12000) << "a TLS failure is a WinHTTP error";

    ASSERT_TRUE(TrustTestRoot(root));
    EXPECT_TRUE(IsTestRootTrusted(root));
    EXPECT_EQ(RunProgram(fetch, 30s), 0);

    ASSERT_TRUE(DistrustTestRoot(root));
    EXPECT_FALSE(IsTestRootTrusted(root));
    EXPECT_EQ(RunProgram(fetch, 30s), refused);
}

TEST_F(LoopbackServer, HttpsRouteIsNotOnThePlainPort) {
    ASSERT_TRUE(server_->Script(R"({"/tls": {"only": "https", "body": "secret"}})"));
    EXPECT_EQ(HttpGet(Url(L"/tls")).status, 404u);
}

}  // namespace
}  // namespace vix::test
