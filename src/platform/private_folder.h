#pragma once

#include <string>

#include "platform/held_folder.h"

// Folders of the current user's own that nobody else may use, and what is
// kept in them.

namespace vix::platform {

// The user's local application data folder, with a trailing backslash;
// empty when the system does not say.
std::wstring LocalAppDataFolder();

// Makes `path` (a full path, with or without a trailing backslash) a folder
// that only the current user and the system may use, and holds it: its
// access list grants those two full control, to the folder and everything
// in it, and inherits nothing from above. Missing folders above it are
// created with the usual list, and none of the folders from the drive's
// root down may be a junction or a link. A missing folder is created; a
// file in its place is removed first, a link or a junction refused. A
// folder found in place must be the user's own (see OwnedByCurrentUser) and
// where `path` says; it is given the list again, through its handle. The
// list is read back through the handle. Empty when the folder cannot be
// made so.
HeldFolder MakePrivateFolder(const std::wstring& path);

// Deletes everything in `folder` (files, folders, links, without following
// a link) but the file named `keep`. False when anything else is left.
bool EmptyFolderExcept(const std::wstring& folder, const std::wstring& keep);

// The access list `path` has, read by its name, in the system's text form
// (SDDL, the list only); empty when it cannot be read. For tests and
// diagnostics.
std::wstring AccessListText(const std::wstring& path);

// The current user's security identifier in text form ("S-1-5-21-...");
// empty when the system does not say.
std::wstring CurrentUserSid();

}  // namespace vix::platform
