#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whole files written in one block.

namespace vix::platform {

// Writes `bytes` as the file `path` (any Unicode name, also past the classic
// 260-character path limit). The data goes to a temporary file in the same
// folder first, which then replaces the file, so a failed write leaves an
// existing file as it was. The temporary name is short, whatever the target's
// length, and new for every save, so a leftover of an earlier crash is never
// in the way. A read-only file is not replaced. On failure, the user's
// message: "Cannot create file "<path>". <reason>".
std::optional<std::wstring> WriteWholeFile(const std::wstring& path,
                                           std::span<const std::uint8_t> bytes);

// The names (without the folder) of the entries in `folder`, files and
// folders alike, whose names start with `start` (compared as the file system
// compares names), in the file system's order; "." and ".." are left out.
// Empty when the folder cannot be read.
std::vector<std::wstring> EntryNamesIn(const std::wstring& folder, const std::wstring& start);

// The system's text for an error code, without the trailing line break.
std::wstring SystemErrorText(unsigned long code);

namespace detail {

// The temporary file's path for a save to `target` on attempt `number`:
// "~vix" and eight hex digits, beside the target.
std::wstring TemporaryPath(const std::wstring& target, std::uint32_t number);
// The number the next save tries first; it tries the following ones while
// their names are taken. For tests that put leftovers in the way.
std::uint32_t NextTemporaryNumber();

// `path` in the form the file functions take past 260 characters ("\\?\"
// before a full path); shorter or relative paths come back unchanged.
std::wstring LongPathForm(const std::wstring& path);

// The two ways EntryNamesIn reads a folder. The first asks the file system
// directly, `bufferBytes` of names at a time; it has no answer (nullopt) when
// that way fails for any reason but a missing folder, and EntryNamesIn then
// takes the second, the Win32 file search.
std::optional<std::vector<std::wstring>> EntryNamesByDirectoryQuery(const std::wstring& folder,
                                                                    const std::wstring& start,
                                                                    std::size_t bufferBytes);
std::vector<std::wstring> EntryNamesByFileSearch(const std::wstring& folder,
                                                 const std::wstring& start);

}  // namespace detail

}  // namespace vix::platform
