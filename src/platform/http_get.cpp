#include "platform/http_get.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/file.h"
#include "platform/system_libraries.h"
#include "platform/winhttp_handle.h"

namespace vix::platform {
namespace {

// The request handle, which a stop closes from another thread: closing is
// WinHTTP's way to abort a call that waits on it. Closed exactly once.
class StoppableRequest {
  public:
    explicit StoppableRequest(HINTERNET h) : h_(h) {}
    ~StoppableRequest() { Close(); }
    StoppableRequest(const StoppableRequest&) = delete;
    StoppableRequest& operator=(const StoppableRequest&) = delete;

    HINTERNET get() const {
        std::lock_guard lock(mutex_);
        return h_;
    }
    void Close() {
        std::lock_guard lock(mutex_);
        if (h_) late::WinHttpCloseHandle(h_);
        h_ = nullptr;
    }

  private:
    mutable std::mutex mutex_;
    HINTERNET h_;
};

struct UrlParts {
    std::wstring host;
    std::wstring path;  // with the query
    INTERNET_PORT port = 0;
    bool secure = false;
};

std::optional<UrlParts> SplitUrl(const std::wstring& url) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!late::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
        return std::nullopt;
    UrlParts out;
    out.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    out.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) out.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (out.path.empty()) out.path = L"/";
    out.port = parts.nPort;
    out.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return out;
}

DWORD QueryNumber(HINTERNET request, DWORD what, bool& present) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    present = late::WinHttpQueryHeaders(request, what | WINHTTP_QUERY_FLAG_NUMBER,
                                        WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                                        WINHTTP_NO_HEADER_INDEX) != FALSE;
    return value;
}

std::wstring QueryText(HINTERNET request, DWORD what) {
    DWORD size = 0;
    late::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                              &size, WINHTTP_NO_HEADER_INDEX);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return {};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (!late::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size,
                                   WINHTTP_NO_HEADER_INDEX))
        return {};
    text.resize(size / sizeof(wchar_t));
    return text;
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The transfer's overall end, and each wait cut to the time left before it.
class Deadline {
  public:
    explicit Deadline(int ms) : end_(::GetTickCount64() + static_cast<ULONGLONG>(ms)) {}
    bool Passed() const { return ::GetTickCount64() >= end_; }
    ULONGLONG Left() const {
        const ULONGLONG now = ::GetTickCount64();
        return now < end_ ? end_ - now : 0;
    }
    // Bounds the next wait on `request` by the time left, at most `waitMs`.
    void BoundNextWait(HINTERNET request, int waitMs) const {
        const ULONGLONG now = ::GetTickCount64();
        const ULONGLONG left = now < end_ ? end_ - now : 1;
        const int wait = static_cast<int>(left < static_cast<ULONGLONG>(waitMs) ? left : waitMs);
        late::WinHttpSetTimeouts(request, wait, wait, wait, wait);
        DWORD headWait = static_cast<DWORD>(wait);
        late::WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headWait,
                               sizeof(headWait));
    }

  private:
    ULONGLONG end_;
};

// Failure code after a WinHTTP call failed: a stop shows as "cancelled",
// a call cut off by the deadline as a time-out.
DWORD Failure(const std::stop_token& stop, const Deadline& deadline) {
    const DWORD code = ::GetLastError();
    if (stop.stop_requested()) return ERROR_WINHTTP_OPERATION_CANCELLED;
    // Wine passes the socket's own time-out code through.
    if (code == WSAETIMEDOUT || deadline.Passed()) return ERROR_WINHTTP_TIMEOUT;
    return code ? code : ERROR_WINHTTP_INTERNAL_ERROR;
}

// Closes a request when the deadline passes, whatever it is waiting for
// then: name lookup, connecting, the TLS handshake and the answer's head
// are single calls that each wait's bound alone would let add up.
class DeadlineWatch {
  public:
    DeadlineWatch(const Deadline& deadline, StoppableRequest& request)
        : thread_([left = deadline.Left(), &request](std::stop_token stop) {
              std::mutex mutex;
              std::condition_variable_any ended;
              std::unique_lock lock(mutex);
              if (!ended.wait_for(lock, stop, std::chrono::milliseconds(left),
                                  [] { return false; }))
                  if (!stop.stop_requested()) request.Close();
          }) {}

  private:
    std::jthread thread_;  // asked to stop and joined when the watch goes
};

bool SendAndReceive(const HttpRequest& request, HINTERNET h, const std::stop_token& stop) {
    std::wstring headers;
    if (!request.accept.empty()) headers = L"Accept: " + request.accept + L"\r\n";
    return late::WinHttpSendRequest(
               h, headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
               static_cast<DWORD>(headers.size()), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) &&
           !stop.stop_requested() && late::WinHttpReceiveResponse(h, nullptr);
}

// Hands `read` bytes on: to the request's sink, or into the response.
bool Deliver(const HttpRequest& request, const char* data, DWORD read, HttpResponse& response) {
    if (!request.sink) {
        response.body.append(data, read);
        return true;
    }
    if (request.sink(data, read)) return true;
    const DWORD code = ::GetLastError();
    response.error = code ? code : ERROR_WRITE_FAULT;
    return false;
}

void ReadBody(const HttpRequest& request, const StoppableRequest& req, const Deadline& deadline,
              const std::stop_token& stop, const HttpProgress& progress, HttpResponse& response) {
    bool hasLength = false;
    const DWORD length = QueryNumber(req.get(), WINHTTP_QUERY_CONTENT_LENGTH, hasLength);
    const std::optional<std::uint64_t> total =
        hasLength ? std::optional<std::uint64_t>(length) : std::nullopt;
    if (total && *total > request.maxBytes) {
        response.error = ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW;
        return;
    }
    std::vector<char> buffer(16384);
    std::uint64_t received = 0;
    for (;;) {
        if (stop.stop_requested()) {
            response.error = ERROR_WINHTTP_OPERATION_CANCELLED;
            return;
        }
        if (deadline.Passed()) {
            response.error = ERROR_WINHTTP_TIMEOUT;
            return;
        }
        deadline.BoundNextWait(req.get(), request.timeoutMs);
        // Asked first how much has come: Wine's WinHttpReadData waits until
        // the whole buffer is filled, so a trickle would hold it past every
        // deadline; what is there is read at once everywhere.
        DWORD available = 0;
        if (!late::WinHttpQueryDataAvailable(req.get(), &available)) {
            response.error = Failure(stop, deadline);
            return;
        }
        DWORD read = 0;
        if (available > 0 &&
            !late::WinHttpReadData(
                req.get(), buffer.data(),
                available < buffer.size() ? available : static_cast<DWORD>(buffer.size()), &read)) {
            response.error = Failure(stop, deadline);
            return;
        }
        if (read == 0) {
            // Wine's WinHTTP ends a body cut off by a closed connection as if
            // it were whole: the announced length tells.
            if (total && received != *total) response.error = ERROR_WINHTTP_INVALID_SERVER_RESPONSE;
            return;
        }
        if (received + read > request.maxBytes) {
            response.error = ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW;
            return;
        }
        if (!Deliver(request, buffer.data(), read, response)) return;
        received += read;
        if (progress) progress(received, total);
    }
}

// One request of the transfer, to `url`; `next` is set when it answered
// with a redirect that is to be followed.
void AskOnce(const HttpRequest& request, HINTERNET session, const std::wstring& url,
             const Deadline& deadline, const std::stop_token& stop, const HttpProgress& progress,
             HttpResponse& response, std::optional<std::wstring>& next) {
    const auto parts = SplitUrl(url);
    if (!parts) {
        response.error = ERROR_WINHTTP_INVALID_URL;
        return;
    }
    InternetHandle connection(late::WinHttpConnect(session, parts->host.c_str(), parts->port, 0));
    if (!connection) {
        response.error = Failure(stop, deadline);
        return;
    }
    StoppableRequest req(late::WinHttpOpenRequest(
        connection.get(), L"GET", parts->path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, parts->secure ? WINHTTP_FLAG_SECURE : 0));
    if (!req.get()) {
        response.error = Failure(stop, deadline);
        return;
    }
    // Some implementations wait for the answer's head under a timeout of
    // their own, not the receive timeout: that wait is bounded as well.
    deadline.BoundNextWait(req.get(), request.timeoutMs);
    DWORD policy = request.followRedirects && !request.redirect
                       ? WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP
                       : WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    late::WinHttpSetOption(req.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof(policy));
    // From here on a stop, or the deadline, closes the request, which ends
    // any wait on it.
    const std::stop_callback onStop(stop, [&req] { req.Close(); });
    const DeadlineWatch watch(deadline, req);
    if (!SendAndReceive(request, req.get(), stop)) {
        response.error = Failure(stop, deadline);
        return;
    }
    bool hasStatus = false;
    response.status =
        static_cast<int>(QueryNumber(req.get(), WINHTTP_QUERY_STATUS_CODE, hasStatus));
    if (request.followRedirects && request.redirect && IsRedirect(response.status)) {
        next = request.redirect(url, QueryText(req.get(), WINHTTP_QUERY_LOCATION));
        if (!next) response.error = ERROR_WINHTTP_REDIRECT_FAILED;
        return;
    }
    ReadBody(request, req, deadline, stop, progress, response);
}

}  // namespace

HttpResponse HttpGet(const HttpRequest& request, std::stop_token stop,
                     const HttpProgress& progress) {
    HttpResponse response;
    const Deadline deadline(request.deadlineMs);
    if (!SplitUrl(request.url)) {
        response.error = ERROR_WINHTTP_INVALID_URL;
        return response;
    }
    InternetHandle session(late::WinHttpOpen(
        request.userAgent.empty() ? nullptr : request.userAgent.c_str(),
        WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        response.error = Failure(stop, deadline);
        return response;
    }
    const int t = request.timeoutMs;
    late::WinHttpSetTimeouts(session.get(), t, t, t, t);
    std::wstring url = request.url;
    for (int hops = 0;; ++hops) {
        if (deadline.Passed()) {
            response.error = ERROR_WINHTTP_TIMEOUT;
            return response;
        }
        std::optional<std::wstring> next;
        AskOnce(request, session.get(), url, deadline, stop, progress, response, next);
        if (!next) return response;
        if (hops == request.maxRedirects) {
            response.error = ERROR_WINHTTP_REDIRECT_FAILED;
            return response;
        }
        url = std::move(*next);
        response = HttpResponse();
    }
}

std::wstring HttpErrorText(unsigned long error) {
    if (error >= WINHTTP_ERROR_BASE && error <= WINHTTP_ERROR_LAST) {
        wchar_t* buffer = nullptr;
        const DWORD n =
            ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             ::GetModuleHandleW(L"winhttp.dll"), error, 0,
                             reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
        std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
        if (buffer) ::LocalFree(buffer);
        while (!text.empty() &&
               (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
            text.pop_back();
        if (!text.empty()) return text;
        return L"Internet error " + std::to_wstring(error) + L".";
    }
    return SystemErrorText(error);
}

}  // namespace vix::platform
