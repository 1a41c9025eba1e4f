#pragma once

#include <map>
#include <string>

#include "common/registry_store.h"

// An in-memory registry for tests, benchmarks and fuzzing: keys by path,
// case-insensitive like the real one, with switches to refuse access.

namespace vix {

class MemoryRegistry final : public RegistryStore {
  public:
    struct Key {
        std::map<std::wstring, RegistryValue> values;     // lower-cased names
        std::map<std::wstring, std::wstring> valueNames;  // lower-cased -> as written
    };

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override;
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override;

    // Direct access for test set-up and checks.
    bool HasKey(RegistryRoot root, std::wstring_view path) const;
    // Makes the key and its parents, also where Open would not (the
    // machine's keys).
    void AddKey(RegistryRoot root, std::wstring_view path);
    const Key* Find(RegistryRoot root, std::wstring_view path) const;
    void Set(RegistryRoot root, std::wstring_view path, std::wstring_view name,
             RegistryValue value);
    void Remove(RegistryRoot root, std::wstring_view path, std::wstring_view name);
    std::optional<RegistryValue> Get(RegistryRoot root, std::wstring_view path,
                                     std::wstring_view name) const;

    // When set, every Open fails, as for a key the user has no rights to.
    bool refuseOpen = false;
    // When set, every Write fails.
    bool refuseWrite = false;
    // Counts of calls, for checks that an operation touched nothing.
    int opens = 0;
    int writes = 0;

  private:
    friend class MemoryKey;
    static std::wstring Normalize(RegistryRoot root, std::wstring_view path);
    Key& EnsureKey(const std::wstring& norm);
    std::map<std::wstring, Key> keys_;
};

}  // namespace vix
