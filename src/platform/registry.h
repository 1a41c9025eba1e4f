#pragma once

#include "common/registry_store.h"

// The registry store on the real registry. Every key is opened with full
// access rights; a key that cannot be opened so counts as absent.

namespace vix::platform {

class WinRegistry final : public RegistryStore {
  public:
    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override;
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override;
};

}  // namespace vix::platform
