#include "update/update_check.h"

#include "platform/http_get.h"
#include "platform/ui_thread_calls.h"

namespace vix {
namespace {

void AskServer(platform::UiThreadCalls& calls, const std::wstring& url, int timeoutMs,
               const UpdateCheck::AnswerHandler& handler, const std::stop_token& stop) {
    platform::HttpRequest request;
    request.url = url;
    request.userAgent = kUpdateUserAgent;
    request.accept = kUpdateAccept;
    request.timeoutMs = timeoutMs;
    request.maxBytes = kMaxAnswerBytes;
    const platform::HttpResponse response = platform::HttpGet(request, stop);
    if (!response.ok()) return;
    const auto text = DecodeAnswerBody(response.body);
    if (!text) return;
    UpdateAnswer answer;
    ParseUpdateAnswer(*text, L';', answer);
    // The call may outlast a stopped worker, so it holds its own copies.
    try {
        calls.Call([handler, answer] { handler(answer); }, stop);
    } catch (...) {
        // Whatever went wrong while handling the answer ends the check
        // without a word: the check never reports a failure.
    }
}

}  // namespace

UpdateCheck::UpdateCheck(platform::UiThreadCalls& calls, std::wstring url, AnswerHandler handler,
                         int timeoutMs)
    : worker_([&calls, url = std::move(url), timeoutMs,
               handler = std::move(handler)](std::stop_token stop) {
          AskServer(calls, url, timeoutMs, handler, stop);
      }) {}

}  // namespace vix
