#include "platform/http_get.h"

#include <mutex>
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

// Failure code after a WinHTTP call failed: a stop shows as "cancelled".
DWORD Failure(const std::stop_token& stop) {
    const DWORD code = ::GetLastError();
    if (stop.stop_requested()) return ERROR_WINHTTP_OPERATION_CANCELLED;
    // Wine passes the socket's own time-out code through.
    if (code == WSAETIMEDOUT) return ERROR_WINHTTP_TIMEOUT;
    return code ? code : ERROR_WINHTTP_INTERNAL_ERROR;
}

// The transfer's overall end, and each wait cut to the time left before it.
class Deadline {
  public:
    explicit Deadline(int ms) : end_(::GetTickCount64() + static_cast<ULONGLONG>(ms)) {}
    bool Passed() const { return ::GetTickCount64() >= end_; }
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
            response.error = Failure(stop);
            return;
        }
        DWORD read = 0;
        if (available > 0 &&
            !late::WinHttpReadData(
                req.get(), buffer.data(),
                available < buffer.size() ? available : static_cast<DWORD>(buffer.size()), &read)) {
            response.error = Failure(stop);
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

}  // namespace

HttpResponse HttpGet(const HttpRequest& request, std::stop_token stop,
                     const HttpProgress& progress) {
    HttpResponse response;
    const Deadline deadline(request.deadlineMs);
    const auto url = SplitUrl(request.url);
    if (!url) {
        response.error = ERROR_WINHTTP_INVALID_URL;
        return response;
    }
    InternetHandle session(late::WinHttpOpen(
        request.userAgent.empty() ? nullptr : request.userAgent.c_str(),
        WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        response.error = Failure(stop);
        return response;
    }
    const int t = request.timeoutMs;
    late::WinHttpSetTimeouts(session.get(), t, t, t, t);
    InternetHandle connection(late::WinHttpConnect(session.get(), url->host.c_str(), url->port, 0));
    if (!connection) {
        response.error = Failure(stop);
        return response;
    }
    StoppableRequest req(late::WinHttpOpenRequest(
        connection.get(), L"GET", url->path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, url->secure ? WINHTTP_FLAG_SECURE : 0));
    if (!req.get()) {
        response.error = Failure(stop);
        return response;
    }
    // Some implementations wait for the answer's head under a timeout of
    // their own, not the receive timeout: that wait is bounded as well.
    deadline.BoundNextWait(req.get(), request.timeoutMs);
    DWORD policy = request.followRedirects ? WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP
                                           : WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    late::WinHttpSetOption(req.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof(policy));
    // From here on a stop closes the request, which ends any wait on it.
    const std::stop_callback onStop(stop, [&req] { req.Close(); });
    if (!SendAndReceive(request, req.get(), stop)) {
        response.error = deadline.Passed() ? ERROR_WINHTTP_TIMEOUT : Failure(stop);
        return response;
    }
    bool hasStatus = false;
    response.status =
        static_cast<int>(QueryNumber(req.get(), WINHTTP_QUERY_STATUS_CODE, hasStatus));
    ReadBody(request, req, deadline, stop, progress, response);
    return response;
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
