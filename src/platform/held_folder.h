#pragma once

#include <windows.h>

#include <string>

#include "platform/handle.h"

// A folder held open by its handle. While it is held nobody can rename,
// move or delete it, and whatever is asked of it (its owner, its access
// list, where it is) is asked of the folder itself, not of whatever its
// name leads to by then.

namespace vix::platform {

class HeldFolder {
  public:
    HeldFolder() = default;

    // Opens `path` (with or without a trailing backslash) without following
    // a link or junction there: a reparse point is opened as itself. Empty
    // when it cannot be opened (missing, or not the user's to change).
    static HeldFolder Open(const std::wstring& path);
    // The same, for looking at it only (what it is and where): a folder the
    // user may not change, such as a drive's root, opens too, and nobody
    // else is hindered meanwhile. Its access list can be neither set nor
    // read.
    static HeldFolder OpenToLook(const std::wstring& path);

    explicit operator bool() const noexcept { return static_cast<bool>(handle_); }

    // A folder, and no reparse point (junction, symbolic link, mount point).
    bool IsPlainFolder() const;
    // The owner's identifier ("S-1-5-..."); empty when it cannot be read.
    std::wstring OwnerSid() const;
    // Whether the system names the folder as `path` does, short names of
    // `path` taken as the long ones they stand for: false when a link or a
    // junction on the way led elsewhere, or a folder above has been moved.
    bool IsAt(const std::wstring& path) const;
    // Gives it the access list of `sddl` (a list such as "D:P(A;...)"),
    // inheriting nothing from above when the list says "P".
    bool SetAccessList(const std::wstring& sddl) const;
    // Its access list (SDDL, the list only), read through the handle.
    std::wstring AccessListText() const;

  private:
    explicit HeldFolder(File handle) : handle_(std::move(handle)) {}

    File handle_;
};

// Whether the system names the file or folder open as `handle` as `path`
// does (see HeldFolder::IsAt).
bool HandleIsAt(HANDLE handle, const std::wstring& path);

}  // namespace vix::platform
