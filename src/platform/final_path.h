#pragma once

#include <string_view>

// Whether a folder reached through a handle is where the path it was opened
// by says: links and junctions on the way, or a folder moved after it was
// opened, show as a name that differs from the path.

namespace vix::platform {

// Whether `final` (the system's name for what a handle reaches, as
// GetFinalPathNameByHandleW gives it: "\\?\C:\...") names the folder the
// drive path `intended` names (with or without a trailing backslash).
// ASCII and Latin-1 letters compare without case, as the file system
// compares them; any other letter must match exactly, which at worst refuses
// a folder, never takes one for another. A network or volume name
// ("\\?\UNC\...", "\\?\Volume{...}") never matches a drive path.
bool SameFinalPath(std::wstring_view final, std::wstring_view intended);

}  // namespace vix::platform
