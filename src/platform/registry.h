#pragma once

#include "common/registry_store.h"

// The registry store on the real registry. Keys below HKEY_LOCAL_MACHINE
// and HKEY_USERS are opened for reading only (they cannot be created,
// written or deleted through this store); every other key for reading and
// writing.
// A key that cannot be opened so counts as absent.

namespace vix::platform {

// Which registry a 64-bit Windows shows: a program sees its own kind's view
// by default; the other view holds what the other kind of program installed.
enum class RegistryView { Default, Bits32, Bits64 };

class WinRegistry final : public RegistryStore {
  public:
    explicit WinRegistry(RegistryView view = RegistryView::Default) : view_(view) {}
    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override;
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override;

  private:
    RegistryView view_;
};

}  // namespace vix::platform
