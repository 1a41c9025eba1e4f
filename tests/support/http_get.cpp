#include "http_get.h"

#include <windows.h>
#include <winhttp.h>

#include "platform/handle.h"

namespace vix::test {
namespace {

using Internet = platform::UniqueHandle<platform::NullTraits<HINTERNET, ::WinHttpCloseHandle>>;

HttpResult Failed() {
    HttpResult result;
    result.error = ::GetLastError();
    return result;
}

std::int64_t ContentLength(HINTERNET request) {
    wchar_t text[32];
    DWORD size = sizeof(text);
    if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX,
                               text, &size, WINHTTP_NO_HEADER_INDEX))
        return -1;
    return _wtoi64(text);
}

}  // namespace

HttpResult HttpGet(const std::wstring& url, int timeoutMs) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    wchar_t host[256], path[2048];
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = 2048;
    if (!::WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return Failed();
    Internet session(::WinHttpOpen(L"vix-tests", WINHTTP_ACCESS_TYPE_NO_PROXY,
                                   WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return Failed();
    ::WinHttpSetTimeouts(session.get(), timeoutMs, timeoutMs, timeoutMs, timeoutMs);
    Internet connection(::WinHttpConnect(session.get(), host, parts.nPort, 0));
    if (!connection) return Failed();
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    Internet request(::WinHttpOpenRequest(connection.get(), L"GET", path, nullptr,
                                          WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                          secure));
    if (!request) return Failed();
    // Waiting for the answer's headers has a time-out of its own, and Wine 8
    // keeps to no other while it waits.
    DWORD wait = static_cast<DWORD>(timeoutMs);
    ::WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &wait, sizeof(wait));
    if (!::WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                              WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !::WinHttpReceiveResponse(request.get(), nullptr))
        return Failed();
    HttpResult result;
    DWORD size = sizeof(result.status);
    ::WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &result.status, &size,
                          WINHTTP_NO_HEADER_INDEX);
    result.contentLength = ContentLength(request.get());
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::WinHttpReadData(request.get(), buffer, sizeof(buffer), &got)) {
            result.error = ::GetLastError();
            break;
        }
        if (got == 0) break;
        result.body.append(buffer, got);
    }
    return result;
}

}  // namespace vix::test
