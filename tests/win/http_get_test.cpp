// The HTTP GET over WinHTTP against a server on the loopback address, made
// here with Winsock: answers, statuses, failures, limits and stopping.

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/worker_thread.h"
#include "platform/http_get.h"
#include "platform/winhttp_handle.h"

namespace vix::platform {
namespace {

// Answers each connection with what `answer` makes of the request's head;
// an empty answer holds the connection open, unanswered, until the end.
// With `trickleMs` the answer's body goes out one byte at a time, with that
// pause before each.
class LoopbackServer {
  public:
    using Answer = std::function<std::string(const std::string& head)>;

    explicit LoopbackServer(Answer answer, int trickleMs = 0)
        : answer_(std::move(answer)), trickleMs_(trickleMs) {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(listener_, 4);
        int size = sizeof(address);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::jthread([this](std::stop_token stop) { Serve(stop); });
    }
    ~LoopbackServer() {
        thread_.request_stop();
        thread_.join();
        ::closesocket(listener_);
        ::WSACleanup();
    }

    std::wstring Url(const std::wstring& path) const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }
    std::vector<std::string> Heads() const {
        std::lock_guard lock(mutex_);
        return heads_;
    }

  private:
    static bool Readable(SOCKET s, int ms) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(s, &set);
        timeval wait{0, ms * 1000};
        return ::select(0, &set, nullptr, nullptr, &wait) > 0;
    }

    void Serve(const std::stop_token& stop) {
        std::vector<SOCKET> held;
        while (!stop.stop_requested()) {
            if (!Readable(listener_, 20)) continue;
            SOCKET client = ::accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            std::string head;
            char buffer[2048];
            while (head.find("\r\n\r\n") == std::string::npos && Readable(client, 2000)) {
                const int n = ::recv(client, buffer, sizeof(buffer), 0);
                if (n <= 0) break;
                head.append(buffer, n);
            }
            {
                std::lock_guard lock(mutex_);
                heads_.push_back(head);
            }
            const std::string reply = answer_(head);
            if (reply.empty()) {
                held.push_back(client);
                continue;
            }
            Send(client, reply, stop);
            ::shutdown(client, SD_SEND);
            ::closesocket(client);
        }
        for (SOCKET s : held)
            ::closesocket(s);
    }

    void Send(SOCKET client, const std::string& reply, const std::stop_token& stop) const {
        const std::size_t head = trickleMs_ ? reply.find("\r\n\r\n") + 4 : reply.size();
        ::send(client, reply.data(), static_cast<int>(head), 0);
        for (std::size_t i = head; i < reply.size() && !stop.stop_requested(); ++i) {
            ::Sleep(static_cast<DWORD>(trickleMs_));
            if (::send(client, reply.data() + i, 1, 0) != 1) return;
        }
    }

    Answer answer_;
    int trickleMs_ = 0;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> heads_;
    std::jthread thread_;
};

HttpRequest To(std::wstring url, int timeoutMs = 15000) {
    HttpRequest request;
    request.url = std::move(url);
    request.timeoutMs = timeoutMs;
    return request;
}

std::string Reply(const std::string& status, const std::string& body,
                  const std::string& extra = "") {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extra + "\r\n" + body;
}

TEST(HttpGet, FetchesTheBodyWithItsHeadersAndReportsProgress) {
    const std::string body = "majvers_availible=2;minvers_availible=1";
    LoopbackServer server([&](const std::string&) { return Reply("200 OK", body); });
    HttpRequest request = To(server.Url(L"/scripts/get.html?action=startup&compName=PC 1"));
    request.userAgent = L"Mozilla/3.0 (compatible; Indy Library)";
    request.accept = L"text/html, */*";
    std::vector<std::pair<std::uint64_t, std::optional<std::uint64_t>>> notices;
    const HttpResponse response = HttpGet(
        request, {}, [&](std::uint64_t got, auto total) { notices.emplace_back(got, total); });
    EXPECT_EQ(response.error, 0u) << testing::PrintToString(HttpErrorText(response.error));
    EXPECT_EQ(response.status, 200);
    EXPECT_TRUE(response.ok());
    EXPECT_EQ(response.body, body);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back().first, body.size());
    EXPECT_EQ(notices.back().second, body.size());
    const auto heads = server.Heads();
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].rfind("GET /scripts/get.html?action=startup&compName=PC", 0), 0u)
        << heads[0];
    EXPECT_NE(heads[0].find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"),
              std::string::npos)
        << heads[0];
    EXPECT_NE(heads[0].find("Accept: text/html, */*\r\n"), std::string::npos) << heads[0];
}

TEST(HttpGet, RedirectsAreFollowed) {
    LoopbackServer server([](const std::string& head) {
        if (head.rfind("GET /old", 0) == 0) return Reply("302 Found", "", "Location: /new\r\n");
        return Reply("200 OK", "moved here");
    });
    const HttpResponse response = HttpGet(To(server.Url(L"/old")));
    EXPECT_TRUE(response.ok()) << response.error << " " << response.status;
    EXPECT_EQ(response.body, "moved here");
    EXPECT_EQ(server.Heads().size(), 2u);
}

// Cannot connect, not a time-out: the answer tells that no wait was run out.
TEST(HttpGet, NoServerFailsWithCannotConnect) {
    int port = 0;
    {
        LoopbackServer closed([](const std::string&) { return std::string(); });
        port = std::stoi(closed.Url(L"").substr(17));
    }
    const HttpResponse response = HttpGet(To(L"http://127.0.0.1:" + std::to_wstring(port) + L"/"));
    EXPECT_EQ(response.error, 12029u) << testing::PrintToString(HttpErrorText(response.error));
    EXPECT_FALSE(HttpErrorText(response.error).empty());
}

// On Windows closing the request ends the wait at once; Wine 8 lets the wait
// run out its time limit first. Either way the worker ends, within the limit,
// and reports the stop rather than a time-out.
TEST(HttpGet, AStopEndsTheWaitForTheServerWithinItsTimeLimit) {
    LoopbackServer server([](const std::string&) { return std::string(); });
    HttpResponse response;
    std::atomic<bool> done{false};
    WorkerThread worker([&](std::stop_token stop) {
        response = HttpGet(To(server.Url(L"/"), 1500), stop);
        done = true;
    });
    while (server.Heads().empty())
        ::Sleep(5);  // the request is out and waits for its answer
    worker.Stop();
    EXPECT_TRUE(done);
    EXPECT_EQ(response.error, 12017u) << "cancelled, not timed out: the stop ended the wait";
}

// The stop never waits on the network: the owner returns while the worker
// is still held in its transfer (here by its own progress report, until
// the test lets it go; a stop that waited would find it ended).
TEST(HttpGet, StoppingATricklingTransferDoesNotWaitForIt) {
    LoopbackServer server([](const std::string&) { return Reply("200 OK", std::string(100, 'x')); },
                          100);
    struct Shared {
        std::atomic<bool> receiving{false};
        std::atomic<bool> release{false};
        std::atomic<bool> ended{false};
    };
    const auto shared = std::make_shared<Shared>();
    WorkerThread worker([url = server.Url(L"/"), shared](std::stop_token stop) {
        HttpGet(To(url, 8000), stop, [shared](std::uint64_t received, auto) {
            if (received == 0) return;
            shared->receiving = true;
            for (int i = 0; i < 2000 && !shared->release; ++i)
                ::Sleep(10);
        });
        shared->ended = true;
    });
    while (!shared->receiving)
        ::Sleep(5);
    worker.StopWithoutWaiting();
    EXPECT_FALSE(shared->ended);
    shared->release = true;
}

TEST(HttpGet, TheBodyGoesToTheSink) {
    const std::string body(50000, 'b');
    LoopbackServer server([&](const std::string&) { return Reply("200 OK", body); });
    HttpRequest request = To(server.Url(L"/"));
    std::string sunk;
    request.sink = [&](const char* data, std::size_t size) {
        sunk.append(data, size);
        return true;
    };
    const HttpResponse response = HttpGet(request);
    EXPECT_TRUE(response.ok());
    EXPECT_EQ(sunk, body);
    EXPECT_TRUE(response.body.empty());
}

// An answer that is not a whole body is not ok and says why, within the
// request's time limits; an error status is an answer all the same.
TEST(HttpGet, AnAnswerThatIsNotAWholeBodyIsNotOkAndSaysWhy) {
    // Windows ends a body cut short with an error of its own, Wine as if it
    // were whole (the announced length tells): either will do.
    constexpr unsigned long kAnyError = ~0ul;
    const std::size_t kMax = HttpRequest{}.maxBytes;
    struct Case {
        const char* what;
        std::string answer;  // empty: the connection is held open, unanswered
        int trickleMs;       // the pause before each byte of the body
        int timeoutMs;       // each wait
        int deadlineMs;      // the whole transfer
        std::size_t maxBytes;
        bool sinkFails;
        unsigned long error;
        int status;
    };
    const std::string cut = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n" +
                            std::string(40, 'x');
    const std::string unannounced =
        "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(70000, 'x');
    const Case cases[] = {
        {"an error status", Reply("404 Not Found", "gone"), 0, 15000, 60000, kMax, false, 0, 404},
        {"a body cut short of its length", cut, 0, 15000, 60000, kMax, false, kAnyError, 200},
        {"a silent server", "", 0, 500, 60000, kMax, false, ERROR_WINHTTP_TIMEOUT, 0},
        // Every single wait is short, the whole transfer is not.
        {"a byte every 300 ms past the deadline", Reply("200 OK", std::string(100, 'x')), 300, 8000,
         2000, kMax, false, ERROR_WINHTTP_TIMEOUT, 200},
        {"more than the limit", Reply("200 OK", std::string(70000, 'x')), 0, 15000, 60000, 1000,
         false, ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW, 200},
        {"more than the limit, unannounced", unannounced, 0, 15000, 60000, 1000, false,
         ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW, 200},
        {"a sink that fails", Reply("200 OK", std::string(50000, 'b')), 0, 15000, 60000, kMax, true,
         ERROR_DISK_FULL, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackServer server([&](const std::string&) { return c.answer; }, c.trickleMs);
        HttpRequest request = To(server.Url(L"/"), c.timeoutMs);
        request.deadlineMs = c.deadlineMs;
        request.maxBytes = c.maxBytes;
        if (c.sinkFails)
            request.sink = [](const char*, std::size_t) {
                ::SetLastError(ERROR_DISK_FULL);
                return false;
            };
        std::uint64_t got = 0;
        const HttpResponse response =
            HttpGet(request, {}, [&](std::uint64_t received, auto) { got = received; });
        const bool anyWillDo = c.error == kAnyError && response.error != 0;
        EXPECT_EQ(response.error, anyWillDo ? response.error : c.error)
            << testing::PrintToString(HttpErrorText(response.error));
        EXPECT_EQ(response.status, c.status);
        EXPECT_FALSE(response.ok());
        EXPECT_LE(response.body.size(), c.maxBytes);
        EXPECT_TRUE(c.trickleMs == 0 || got > 0) << "the trickle never arrived";
    }
}

TEST(HttpGet, ABadAddressIsRefusedBeforeAnyConnection) {
    EXPECT_EQ(HttpGet(To(L"not an address")).error,
              static_cast<unsigned long>(ERROR_WINHTTP_INVALID_URL));
}

}  // namespace
}  // namespace vix::platform
