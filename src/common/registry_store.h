#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The registry as the program uses it: keys opened for one operation, values
// read and written whole. The Windows implementation sits on the real
// registry; tests use the in-memory one.

namespace vix {

enum class RegistryRoot { CurrentUser, Users, LocalMachine, ClassesRoot };

// Registry value types, numbered as the platform numbers them.
enum class RegistryType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
};

struct RegistryValue {
    RegistryType type = RegistryType::None;
    std::vector<std::uint8_t> data;

    static RegistryValue Dword(std::uint32_t value);
    static RegistryValue Text(std::wstring_view text);
    static RegistryValue Binary(std::span<const std::uint8_t> bytes);

    // The number, if this is a REG_DWORD of exactly four bytes.
    std::optional<std::uint32_t> AsDword() const;
    // The text, if this is a REG_SZ (or, with `allowExpand`, REG_EXPAND_SZ).
    std::optional<std::wstring> AsText(bool allowExpand = false) const;

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// One open key. Closed when destroyed.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    virtual std::optional<RegistryValue> Read(std::wstring_view name) const = 0;
    virtual bool Write(std::wstring_view name, const RegistryValue& value) = 0;
    virtual std::vector<std::wstring> SubkeyNames() const = 0;
    virtual std::vector<std::wstring> ValueNames() const = 0;
};

enum class OpenMode { Existing, Create };

class RegistryStore {
  public:
    virtual ~RegistryStore() = default;
    // Opens `path` below `root` for reading and writing (below LocalMachine
    // and Users for reading only, and never created there); null when that
    // is refused or, with OpenMode::Existing, when the key does not exist.
    virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                              OpenMode mode) = 0;
    // Deletes the key with all its values and subkeys.
    virtual bool DeleteTree(RegistryRoot root, std::wstring_view path) = 0;
};

}  // namespace vix
