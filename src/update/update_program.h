#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/handle.h"
#include "update/signature_check.h"
#include "update/version_resource.h"

// The downloaded update program "update.exe", held open for reading without
// write sharing from its signature check until it has been started, so
// nobody can change or replace it in between: what runs is what was
// checked.

namespace vix {

class UpdateProgram {
  public:
    // Opens the file; nothing when it is missing or cannot be opened so.
    static std::optional<UpdateProgram> Open(const std::wstring& path);

    SignatureVerdict Check(const std::wstring& ownPath) const;
    // The fixed part of its own version resource, when it has a readable one.
    std::optional<FixedVersion> Version() const;
    // Starts the program by its full path with `folder` as its working
    // folder, shown normally, and lets it run only once the system has
    // shown that the image it started is the file held here. False when it
    // could not be started so (also when it asks to be elevated: the update
    // program of a program installed for one user runs with that user's
    // rights).
    bool Start(const std::wstring& folder) const;
    // Whether the file held is the one at its path now: no link or junction
    // on the way led elsewhere when it was opened, nor since.
    bool IsInPlace() const;
    // Lets go of the file and deletes it: what failed its check must not be
    // found and started later.
    void Discard();

    const std::wstring& path() const { return path_; }

  private:
    UpdateProgram(std::wstring path, platform::File file)
        : path_(std::move(path)), file_(std::move(file)) {}

    std::wstring path_;
    platform::File file_;
};

}  // namespace vix
