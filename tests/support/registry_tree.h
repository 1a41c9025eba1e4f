#pragma once

#include <string>

#include "common/registry_store.h"

// Whole registry trees for the tests: copied, and a key kept aside for the
// time of a test run and put back as it was.

namespace vix::test {

// Copies the key `from` with all its values and subkeys into `to` (created
// if missing) below the same root. False when `from` does not exist.
bool CopyTree(RegistryStore& store, RegistryRoot root, std::wstring_view from,
              std::wstring_view to);

// Keeps `key` aside while it lives and puts it back, exactly as it was (or
// absent, if it was), when it goes. The copy lives in the registry under
// `backup` until then, so a run that dies half-way loses nothing: the next
// run finds the copy, keeps it as the one to put back, and restores it.
class SavedKey {
  public:
    SavedKey(RegistryStore& store, RegistryRoot root, std::wstring key, std::wstring backup);
    ~SavedKey() { Restore(); }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

    // Puts the key back and removes the copy; once.
    void Restore();

  private:
    RegistryStore& store_;
    RegistryRoot root_;
    std::wstring key_;
    std::wstring backup_;
    bool restored_ = false;
};

}  // namespace vix::test
