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
// at most 11 characters and within 32 bits.
std::optional<std::int32_t> ParseDecimal(std::wstring_view text);

// A version number as the server sends it: 1 to 9 digits, no sign, so that
// whatever is shown or stored of it is short and made of digits only.
std::optional<std::int32_t> ParseVersionNumber(std::wstring_view text);

enum class UpdateVerdict {
    Offer,       // show the update dialog with `label`
    NotANumber,  // either version number is missing or not a number
    NotNewer,    // not newer than this program
    Declined,    // the user asked not to hear of this version again
};

struct UpdateDecision {
    UpdateVerdict verdict = UpdateVerdict::NotANumber;
    // The version offered, as read; meaningful when offered.
    ProgramVersion offered;
    // "Latest version: " + major + "." + minor, written from the numbers
    // read, when offered.
    std::wstring label;
};

// Both numbers are read, whatever the major one says: nothing the server
// sends reaches the label or the settings unless it was read as a number.
UpdateDecision DecideUpdate(const UpdateAnswer& answer, std::wstring_view dontNotify,
                            ProgramVersion current = kProgramVersion);

// ";" + major + "." + minor: how a declined version is written into
// `Update_dontnotifystring` and looked for in it.
std::wstring VersionTag(ProgramVersion version);

// Adds `version` to the declined ones (one tag per decline).
void RememberDeclined(std::wstring& dontNotify, ProgramVersion version);

}  // namespace vix
