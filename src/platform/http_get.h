#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

// An HTTP GET over WinHTTP, into memory or handed on piece by piece, for a
// worker thread: bounded in time and size, stoppable from another thread,
// with progress notices. Failures come back as values, never raised: the
// caller decides whether anyone hears of them.

namespace vix::platform {

struct HttpRequest {
    std::wstring url;        // http:// or https://, with its query
    std::wstring userAgent;  // empty: WinHTTP's own
    std::wstring accept;     // the Accept header; empty: none sent
    // Each of name lookup, connecting, sending and each wait for data.
    int timeoutMs = 15000;
    // The whole transfer, name lookup to last byte, redirects included: a
    // server that keeps every single wait short (one byte every few seconds,
    // or a slow chain of redirects) still ends here, with
    // ERROR_WINHTTP_TIMEOUT. Each wait is cut to the time left, and the
    // request is closed when it runs out (on Windows that ends a wait at
    // once; Wine 8 lets the wait run out first).
    int deadlineMs = 60000;
    // A longer answer is cut off with ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW,
    // also before any of it is read when the server announces its length.
    std::size_t maxBytes = 16u << 20;
    // Where the body goes as it arrives; HttpResponse::body then stays
    // empty. Answering false ends the transfer with the system's last error
    // code (ERROR_WRITE_FAULT when there is none).
    std::function<bool(const char* data, std::size_t size)> sink;
    // Redirects are followed, but never from https to plain http.
    bool followRedirects = true;
    // When set, decides each redirect in WinHTTP's place: given the address
    // asked and the Location header as sent, the address to ask next, or
    // nothing to refuse it. At most `maxRedirects` are followed; a refused
    // one, or one more, ends the transfer with ERROR_WINHTTP_REDIRECT_FAILED.
    // Every hop runs under the same deadline.
    std::function<std::optional<std::wstring>(const std::wstring& from,
                                              const std::wstring& location)>
        redirect;
    int maxRedirects = 3;
};

struct HttpResponse {
    // 0, or why there is no complete answer: a WinHTTP code (12029 cannot
    // connect, 12002 timed out, 12017 stopped) or a system one.
    unsigned long error = 0;
    int status = 0;  // the HTTP status, once an answer came
    std::string body;
    // The whole body of a 2xx answer arrived.
    bool ok() const { return error == 0 && status >= 200 && status < 300; }
};

// Bytes received so far, and the whole length when the server said it.
using HttpProgress =
    std::function<void(std::uint64_t received, std::optional<std::uint64_t> total)>;

// Fetches `request.url`. A stop requested through `stop` aborts the request
// (error 12017): on Windows at once, also while it waits for the server;
// under Wine 8 a wait for the server runs out its time limit first. A
// worker that must end promptly is therefore not waited for
// (WorkerThread::StopWithoutWaiting): the stop itself returns at once.
HttpResponse HttpGet(const HttpRequest& request, std::stop_token stop = {},
                     const HttpProgress& progress = {});

// The text of an error code of HttpResponse, WinHTTP's or the system's.
std::wstring HttpErrorText(unsigned long error);

}  // namespace vix::platform
