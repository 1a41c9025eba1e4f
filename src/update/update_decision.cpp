#include "update/update_decision.h"

namespace vix {

std::optional<std::int32_t> ParseDecimal(std::wstring_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::wstring VersionTag(const UpdateAnswer& answer) {
    return L";" + answer.Value(kMajorName) + L"." + answer.Value(kMinorName);
}

UpdateDecision DecideUpdate(const UpdateAnswer& answer, std::wstring_view dontNotify,
                            ProgramVersion current) {
    const auto major = ParseDecimal(answer.Value(kMajorName));
    if (!major) return {UpdateVerdict::NotANumber, {}};
    if (*major < current.major) return {UpdateVerdict::NotNewer, {}};
    if (*major == current.major) {
        const auto minor = ParseDecimal(answer.Value(kMinorName));
        if (!minor) return {UpdateVerdict::NotANumber, {}};
        if (*minor <= current.minor) return {UpdateVerdict::NotNewer, {}};
    }
    if (dontNotify.find(VersionTag(answer)) != std::wstring_view::npos)
        return {UpdateVerdict::Declined, {}};
    return {UpdateVerdict::Offer,
            L"Latest version: " + answer.Value(kMajorName) + L"." + answer.Value(kMinorName)};
}

void RememberDeclined(std::wstring& dontNotify, const UpdateAnswer& answer) {
    dontNotify += VersionTag(answer);
}

}  // namespace vix
