#include "platform/registry.h"

#include <windows.h>

#include "platform/handle.h"

namespace vix::platform {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRoot::Users: return HKEY_USERS;
        case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return HKEY_CURRENT_USER;
}

REGSAM ViewFlag(RegistryView view) {
    switch (view) {
        case RegistryView::Default: return 0;
        case RegistryView::Bits32: return KEY_WOW64_32KEY;
        case RegistryView::Bits64: return KEY_WOW64_64KEY;
    }
    return 0;
}

// The machine's keys, and the other users' below HKEY_USERS (the program
// reads the default profile's folders there): a standard account may read
// them, not write them.
bool ReadOnlyRoot(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine || root == RegistryRoot::Users;
}

// What a key is opened for: reading only below the read-only roots, reading
// and writing values and subkeys elsewhere. Never more: a key opened with
// rights nobody needs can be refused where the rights needed would not be.
REGSAM AccessFor(RegistryRoot root) { return ReadOnlyRoot(root) ? KEY_READ : KEY_READ | KEY_WRITE; }

class WinKey final : public RegistryKey {
    static constexpr DWORD kFirstReadBytes = 256;

  public:
    explicit WinKey(RegKey key) : key_(std::move(key)) {}

    std::optional<RegistryValue> Read(std::wstring_view name) const override {
        const std::wstring n(name);
        DWORD type = 0;
        // Most values are numbers and short texts: one call reads them. A
        // larger one is read again at its size, which can change between
        // the calls; then try again.
        DWORD size = kFirstReadBytes;
        for (int attempt = 0; attempt < 4; ++attempt) {
            RegistryValue value{RegistryType::None, std::vector<std::uint8_t>(size)};
            const LONG rc =
                ::RegQueryValueExW(key_.get(), n.c_str(), nullptr, &type, value.data.data(), &size);
            if (rc == ERROR_MORE_DATA) continue;  // `size` is now the value's
            if (rc != ERROR_SUCCESS) return std::nullopt;
            value.type = static_cast<RegistryType>(type);
            value.data.resize(size);
            return value;
        }
        return std::nullopt;
    }

    bool Write(std::wstring_view name, const RegistryValue& value) override {
        const std::wstring n(name);
        return ::RegSetValueExW(key_.get(), n.c_str(), 0, static_cast<DWORD>(value.type),
                                value.data.data(),
                                static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
    }

    std::vector<std::wstring> SubkeyNames() const override {
        std::vector<std::wstring> names;
        wchar_t buffer[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = static_cast<DWORD>(std::size(buffer));
            if (::RegEnumKeyExW(key_.get(), i, buffer, &length, nullptr, nullptr, nullptr,
                                nullptr) != ERROR_SUCCESS)
                break;
            names.emplace_back(buffer, length);
        }
        return names;
    }

    std::vector<std::wstring> ValueNames() const override {
        std::vector<std::wstring> names;
        wchar_t buffer[16384];
        for (DWORD i = 0;; ++i) {
            DWORD length = static_cast<DWORD>(std::size(buffer));
            if (::RegEnumValueW(key_.get(), i, buffer, &length, nullptr, nullptr, nullptr,
                                nullptr) != ERROR_SUCCESS)
                break;
            names.emplace_back(buffer, length);
        }
        return names;
    }

  private:
    RegKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WinRegistry::Open(RegistryRoot root, std::wstring_view path,
                                               OpenMode mode) {
    // The machine's keys are read, never written: a standard account may
    // not write them, and must not be asked to.
    if (ReadOnlyRoot(root) && mode == OpenMode::Create) return nullptr;
    const std::wstring p(path);
    const REGSAM access = AccessFor(root) | ViewFlag(view_);
    HKEY key = nullptr;
    const LONG rc = mode == OpenMode::Create
                        ? ::RegCreateKeyExW(RootKey(root), p.c_str(), 0, nullptr,
                                            REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr)
                        : ::RegOpenKeyExW(RootKey(root), p.c_str(), 0, access, &key);
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<WinKey>(RegKey(key));
}

bool WinRegistry::DeleteTree(RegistryRoot root, std::wstring_view path) {
    if (ReadOnlyRoot(root)) return false;
    const std::wstring p(path);
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(RootKey(root), p.c_str(), 0, AccessFor(root) | DELETE | ViewFlag(view_),
                        &opened) != ERROR_SUCCESS)
        return false;
    RegKey key(opened);
    if (::RegDeleteTreeW(key.get(), nullptr) != ERROR_SUCCESS) return false;
    key.reset();
    // Emptying leaves the key itself standing.
    ::RegDeleteKeyExW(RootKey(root), p.c_str(), ViewFlag(view_), 0);
    return true;
}

}  // namespace vix::platform
