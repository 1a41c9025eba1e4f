#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "update/update_answer.h"
#include "update/web_address.h"

// What "Update" does with the answer and the stored `Update_program_version`.

namespace vix {

inline constexpr wchar_t kUpgradeVersionName[] = L"upgrade_program_version";
inline constexpr wchar_t kUpgradePathName[] = L"upgrade_program_path";

enum class UpdateStep {
    NotANumber,      // "upgrade_program_version" missing or not a number
    RefusedAddress,  // a download is due but its address is not a clean https one
    Download,        // fetch `address`, then store `version` and start the file
    StartExisting,   // this very update program was fetched before: start it again
};

struct UpdatePlan {
    UpdateStep step = UpdateStep::NotANumber;
    std::int32_t version = 0;
    WebAddress address;
};

// The update program decides what runs on the user's machine, so it is
// fetched only over https (checked before anything is fetched); a plain
// http address is refused.
//
// The program fetched before is started again only when the server offers
// that same version number, not any lower one: an answer that once named a
// huge number (an old update program offered again with a number meant to
// stop later downloads) is forgotten by the next answer that names the
// current one.
UpdatePlan PlanUpdate(const UpdateAnswer& answer, std::int32_t storedVersion);

// The error shown when "upgrade_program_version" is not a number. The text
// the server sent is quoted in it only as far as it can do no harm: at most
// kShownVersionLength characters, each outside printable ASCII shown as "?",
// and "..." where it was cut.
inline constexpr std::size_t kShownVersionLength = 16;
std::wstring UnreadableVersionMessage(std::wstring_view sent);

}  // namespace vix
