#pragma once

// The program's title and its maker's name: the title captions the message
// boxes, the maker's name is part of the registry keys and the About box.

namespace vix {

inline constexpr wchar_t kApplicationTitle[] = L"VUZirivare";
inline constexpr wchar_t kVendorName[] = L"Brellin Software Development";

}  // namespace vix
