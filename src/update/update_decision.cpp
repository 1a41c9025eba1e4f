#include "update/update_decision.h"

namespace vix {
namespace {

// A sign and ten digits: the longest text a 32-bit number needs.
constexpr std::size_t kMaxDecimalLength = 11;
// Nine digits always fit in 32 bits.
constexpr std::size_t kMaxVersionDigits = 9;

bool AllDigits(std::wstring_view text) {
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    return !text.empty();
}

}  // namespace

std::optional<std::int32_t> ParseDecimal(std::wstring_view text) {
    if (text.size() > kMaxDecimalLength) return std::nullopt;
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (!AllDigits(text)) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text)
        value = value * 10 + (c - L'0');
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseVersionNumber(std::wstring_view text) {
    if (text.size() > kMaxVersionDigits || !AllDigits(text)) return std::nullopt;
    return ParseDecimal(text);
}

std::wstring VersionTag(ProgramVersion version) {
    return L";" + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor);
}

UpdateDecision DecideUpdate(const UpdateAnswer& answer, std::wstring_view dontNotify,
                            ProgramVersion current) {
    const auto major = ParseVersionNumber(answer.Value(kMajorName));
    const auto minor = ParseVersionNumber(answer.Value(kMinorName));
    if (!major || !minor) return {UpdateVerdict::NotANumber, {}, {}};
    const ProgramVersion offered{*major, *minor};
    if (offered.major < current.major ||
        (offered.major == current.major && offered.minor <= current.minor))
        return {UpdateVerdict::NotNewer, {}, {}};
    if (dontNotify.find(VersionTag(offered)) != std::wstring_view::npos)
        return {UpdateVerdict::Declined, offered, {}};
    return {UpdateVerdict::Offer, offered,
            L"Latest version: " + std::to_wstring(offered.major) + L"." +
                std::to_wstring(offered.minor)};
}

void RememberDeclined(std::wstring& dontNotify, ProgramVersion version) {
    dontNotify += VersionTag(version);
}

}  // namespace vix
