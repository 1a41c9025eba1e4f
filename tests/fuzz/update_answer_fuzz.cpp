// Any answer body parses into a list with unique names and no empty values,
// and the decision holds to its rules: an offered version is silenced once
// it has been declined, and a planned download is always a clean https
// address.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/update_answer.h"
#include "update/update_decision.h"
#include "update/update_plan.h"

namespace {

void CheckList(const vix::UpdateAnswer& list) {
    const auto& items = list.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].value.empty()) std::abort();
        if (list.Value(items[i].name) != items[i].value) std::abort();
    }
}

}  // namespace

// The input is the stored "do not notify" text, a byte 1, then the body.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\x01');
    const std::string_view stored =
        split == input.npos ? std::string_view() : input.substr(0, split);
    const auto body = vix::DecodeAnswerBody(split == input.npos ? input : input.substr(split + 1));
    const auto dontNotify = vix::DecodeAnswerBody(stored);
    if (!body || !dontNotify) return 0;

    vix::UpdateAnswer answer;
    vix::ParseUpdateAnswer(*body, L';', answer);
    CheckList(answer);

    const auto decision = vix::DecideUpdate(answer, *dontNotify);
    if (decision.verdict == vix::UpdateVerdict::Offer) {
        if (decision.label.rfind(L"Latest version: ", 0) != 0) std::abort();
        std::wstring declined = *dontNotify;
        vix::RememberDeclined(declined, decision.offered);
        if (vix::DecideUpdate(answer, declined).verdict != vix::UpdateVerdict::Declined)
            std::abort();
    } else if (!decision.label.empty()) {
        std::abort();
    }

    const auto plan = vix::PlanUpdate(answer, 0);
    if (plan.step == vix::UpdateStep::Download) {
        if (plan.address.scheme != vix::WebScheme::Https) std::abort();
        const auto again = vix::ParseWebAddress(plan.address.ToString());
        if (!again || !(*again == plan.address)) std::abort();
    }
    return 0;
}
