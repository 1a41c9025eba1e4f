#include "update/update_plan.h"

#include "update/update_decision.h"

namespace vix {

UpdatePlan PlanUpdate(const UpdateAnswer& answer, std::int32_t storedVersion) {
    UpdatePlan plan;
    const auto version = ParseDecimal(answer.Value(kUpgradeVersionName));
    if (!version) return plan;
    plan.version = *version;
    if (storedVersion == *version) {
        plan.step = UpdateStep::StartExisting;
        return plan;
    }
    const auto address = ParseWebAddress(answer.Value(kUpgradePathName));
    if (!address || address->scheme != WebScheme::Https) {
        plan.step = UpdateStep::RefusedAddress;
        return plan;
    }
    plan.step = UpdateStep::Download;
    plan.address = *address;
    return plan;
}

std::wstring UnreadableVersionMessage(std::wstring_view sent) {
    std::wstring shown;
    for (wchar_t c : sent.substr(0, kShownVersionLength))
        shown += c >= L' ' && c <= L'~' ? c : L'?';
    if (sent.size() > kShownVersionLength) shown += L"...";
    return L"'" + shown + L"' is not a valid integer value";
}

}  // namespace vix
