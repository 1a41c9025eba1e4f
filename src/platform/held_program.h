#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Starting a program whose file we hold open, so that what runs is the very
// file that was checked, and reading that file's version resource.

namespace vix::platform {

// Whether `a` and `b` are the same file (volume and file index), not two
// files of equal content or name.
bool SameFile(HANDLE a, HANDLE b);

// Starts `path` suspended, with `folder` as its working folder, shown
// normally, none of our handles passed on; resumes it only when the image
// the system started is the file `held`; otherwise ends it before it has run
// a single instruction of its own. False when it was not started, or was
// ended so.
bool StartHeldProgram(const std::wstring& path, HANDLE held, const std::wstring& folder);

// The raw bytes of the version resource of the image `path` (read as data,
// nothing of it run); empty when it has none.
std::vector<std::uint8_t> VersionResourceBytes(const std::wstring& path);

}  // namespace vix::platform
