#pragma once

#include "common/joined_text.h"
#include "common/program_names.h"

// The maker's names and addresses, shown in the About box and opened from
// the title image, and the names the program claims in the system.

namespace vix {

inline constexpr wchar_t kMainCaption[] = L"VIX v2.0 - Brellin SD";
inline constexpr wchar_t kVersionText[] = L" v2.0";
inline constexpr wchar_t kVendorSite[] = L"http://www.brellin.example/";
inline constexpr wchar_t kVendorSiteShown[] = L"www.brellin.example";
inline constexpr wchar_t kVendorMail[] = L"vix@brellin.example";
inline constexpr auto kMakerNoticeText =
    JoinText(L"VIX 2.0 \u00a9 ", kVendorName, L". All rights reserved.");
inline constexpr const wchar_t* kMakerNotice = kMakerNoticeText.data();
inline constexpr wchar_t kContactText[] = L"Questions, ideas or a problem? Write to us, or visit:";
inline constexpr wchar_t kHelpFile[] = L"help.chm";
// The lock that the first copy in the user's session holds.
inline constexpr wchar_t kSessionLockName[] = L"Brellin.VIX.Running";

}  // namespace vix
