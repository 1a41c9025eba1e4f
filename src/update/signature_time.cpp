#include "update/signature_time.h"

namespace vix {
namespace {

bool Within(std::uint64_t time, const SignatureTimes& times) {
    return times.notBefore <= time && time <= times.notAfter;
}

}  // namespace

std::optional<std::uint64_t> ChainJudgedAt(const SignatureTimes& times) {
    if (times.stamp && Within(*times.stamp, times)) return times.stamp;
    if (Within(times.now, times)) return times.now;
    return std::nullopt;
}

}  // namespace vix
