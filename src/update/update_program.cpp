#include "update/update_program.h"

#include <cstdint>
#include <vector>

#include "platform/held_folder.h"
#include "platform/held_program.h"

namespace vix {

std::optional<UpdateProgram> UpdateProgram::Open(const std::wstring& path) {
    // Read sharing only: the system may load it, nobody may write, rename
    // or delete it while we hold it.
    platform::File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    return UpdateProgram(path, std::move(file));
}

SignatureVerdict UpdateProgram::Check(const std::wstring& ownPath) const {
    return CheckUpdateSignature(path_, file_.get(), ownPath);
}

std::optional<FixedVersion> UpdateProgram::Version() const {
    const std::vector<std::uint8_t> block = platform::VersionResourceBytes(path_);
    return ReadFixedVersion(block);
}

bool UpdateProgram::Start(const std::wstring& folder) const {
    return platform::StartHeldProgram(path_, file_.get(), folder);
}

bool UpdateProgram::IsInPlace() const { return platform::HandleIsAt(file_.get(), path_); }

void UpdateProgram::Discard() {
    file_.reset();
    // A file that cannot be deleted stays, but it fails its check again
    // whenever it is found.
    ::DeleteFileW(path_.c_str());
}

}  // namespace vix
