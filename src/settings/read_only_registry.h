#pragma once

#include <memory>

#include "common/registry_store.h"

// The registry as a one-shot command sees it: every key is read as it is
// and nothing is ever written to it. What the program would write (a
// setting's default, created on a first load) is kept in the opened key
// alone, so a load reads back the defaults a first start would store, and
// a key that does not exist reads as an empty one.

namespace vix {

class ReadOnlyRegistry final : public RegistryStore {
  public:
    explicit ReadOnlyRegistry(RegistryStore& real) : real_(real) {}

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override;
    bool DeleteTree(RegistryRoot, std::wstring_view) override { return false; }

  private:
    RegistryStore& real_;
};

}  // namespace vix
