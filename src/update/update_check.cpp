#include "update/update_check.h"

#include "platform/http_get.h"
#include "update/update_redirect.h"
#include "update/web_address.h"

namespace vix {
namespace {

// The worker's body. It holds copies of everything it touches: it is not
// waited for when the check stops, and may end after the program's windows.
void AskServer(const platform::UiThreadCalls::Caller& caller, const std::wstring& url,
               const UpdateCheck::Limits& limits, const UpdateCheck::AnswerHandler& handler,
               const std::stop_token& stop) {
    platform::HttpRequest request;
    request.url = url;
    request.userAgent = kUpdateUserAgent;
    request.accept = kUpdateAccept;
    request.timeoutMs = limits.waitMs;
    request.deadlineMs = limits.deadlineMs;
    request.maxBytes = kMaxAnswerBytes;
    // Sent on only within the server asked first, over https.
    const auto asked = ParseWebAddress(url);
    if (!asked) return;
    request.maxRedirects = kMaxUpdateRedirects;
    request.redirect = [vendorHost = asked->host](const std::wstring& from,
                                                  const std::wstring& location) {
        const auto previous = ParseWebAddress(from);
        const auto next =
            previous ? FollowedRedirect(vendorHost, *previous, location) : std::nullopt;
        return next ? std::optional<std::wstring>(next->ToString()) : std::nullopt;
    };
    const platform::HttpResponse response = platform::HttpGet(request, stop);
    if (!response.ok()) return;
    const auto text = DecodeAnswerBody(response.body);
    if (!text) return;
    UpdateAnswer answer;
    ParseUpdateAnswer(*text, L';', answer);
    // The call may outlast a stopped worker, so it holds its own copies.
    caller.Call([handler, answer] { handler(answer); }, stop);
}

}  // namespace

UpdateCheck::UpdateCheck(platform::UiThreadCalls::Caller caller, std::wstring url,
                         AnswerHandler handler, Limits limits)
    : worker_([caller = std::move(caller), url = std::move(url), limits,
               handler = std::move(handler)](std::stop_token stop) {
          try {
              AskServer(caller, url, limits, handler, stop);
          } catch (...) {
              // Whatever went wrong (handling the answer included) ends the
              // check without a word: the check never reports a failure.
          }
      }) {}

}  // namespace vix
