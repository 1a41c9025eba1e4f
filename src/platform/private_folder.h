#pragma once

#include <string>

// Folders of the current user's own that nobody else may use, and what is
// kept in them.

namespace vix::platform {

// The user's local application data folder, with a trailing backslash;
// empty when the system does not say.
std::wstring LocalAppDataFolder();

// Makes `path` (a full path, with or without a trailing backslash) a folder
// that only the current user and the system may use: its access list grants
// those two full control, to the folder and everything in it, and inherits
// nothing from above. A missing folder is created with that list (missing
// parents with the usual one); an existing one is given it again. A link
// (junction or symbolic link) or a file in the folder's place is removed
// first, so the folder is never somewhere else. False when the folder
// cannot be made so.
bool MakePrivateFolder(const std::wstring& path);

// Deletes everything in `folder` (files, folders, links, without following
// a link) but the file named `keep`. False when anything else is left.
bool EmptyFolderExcept(const std::wstring& folder, const std::wstring& keep);

// The access list `path` has, in the system's text form (SDDL, the list
// only); empty when it cannot be read. For tests and diagnostics.
std::wstring AccessListText(const std::wstring& path);

// The current user's security identifier in text form ("S-1-5-21-...");
// empty when the system does not say.
std::wstring CurrentUserSid();

}  // namespace vix::platform
