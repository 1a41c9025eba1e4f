#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "update/update_answer.h"

// What the program does with the server's answer: offer the newer version
// or stay silent, and how a declined version is remembered.

namespace vix {

struct ProgramVersion {
    std::int32_t major = 0;
    std::int32_t minor = 0;
};

// This program's own version, reported in the query and compared here.
inline constexpr ProgramVersion kProgramVersion{2, 0};

inline constexpr wchar_t kMajorName[] = L"majvers_availible";
inline constexpr wchar_t kMinorName[] = L"minvers_availible";

// A decimal integer: an optional sign and digits, nothing else (no spaces),
// within 32 bits.
std::optional<std::int32_t> ParseDecimal(std::wstring_view text);

enum class UpdateVerdict {
    Offer,       // show the update dialog with `label`
    NotANumber,  // a version the program has to read is missing or not a number
    NotNewer,    // not newer than this program
    Declined,    // the user asked not to hear of this version again
};

struct UpdateDecision {
    UpdateVerdict verdict = UpdateVerdict::NotANumber;
    // "Latest version: " + major text + "." + minor text, when offered.
    std::wstring label;
};

// The minor number is read only when the major number equals ours; both
// texts go into the tag and the label as they were received.
UpdateDecision DecideUpdate(const UpdateAnswer& answer, std::wstring_view dontNotify,
                            ProgramVersion current = kProgramVersion);

// ";" + major text + "." + minor text: how a declined version is written
// into `Update_dontnotifystring` and looked for in it.
std::wstring VersionTag(const UpdateAnswer& answer);

// Adds the answer's version to the declined ones (one tag per decline).
void RememberDeclined(std::wstring& dontNotify, const UpdateAnswer& answer);

}  // namespace vix
