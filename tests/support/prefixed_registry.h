#pragma once

#include <string>

#include "common/registry_store.h"

// A registry store that keeps the keys of every root below one key of the
// current user's: code with fixed key paths (the settings, the colour
// library) runs on a real registry without touching the user's own keys.

namespace vix::test {

class PrefixedRegistry final : public RegistryStore {
  public:
    // `base` is a key path below HKEY_CURRENT_USER.
    PrefixedRegistry(RegistryStore& inner, std::wstring base)
        : inner_(inner), base_(std::move(base)) {}

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override;
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override;

    // Where `path` of `root` really lies below HKEY_CURRENT_USER.
    std::wstring Where(RegistryRoot root, std::wstring_view path) const;

  private:
    RegistryStore& inner_;
    std::wstring base_;
};

}  // namespace vix::test
