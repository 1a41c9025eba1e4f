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

}  // namespace vix
