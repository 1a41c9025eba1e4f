#include "memory_registry.h"

#include <cwctype>
#include <set>

namespace vix {
namespace {

std::wstring Lower(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

}  // namespace

class MemoryKey final : public RegistryKey {
  public:
    MemoryKey(MemoryRegistry& owner, std::wstring path, bool readOnly)
        : owner_(owner), path_(std::move(path)), readOnly_(readOnly) {}

    std::optional<RegistryValue> Read(std::wstring_view name) const override {
        const auto* key = Key();
        if (!key) return std::nullopt;
        auto it = key->values.find(Lower(name));
        if (it == key->values.end()) return std::nullopt;
        return it->second;
    }

    bool Write(std::wstring_view name, const RegistryValue& value) override {
        ++owner_.writes;
        if (owner_.refuseWrite || readOnly_) return false;
        auto& key = owner_.keys_[path_];
        key.values[Lower(name)] = value;
        // Like the registry: a value written again keeps its first spelling.
        key.valueNames.try_emplace(Lower(name), name);
        return true;
    }

    std::vector<std::wstring> SubkeyNames() const override {
        std::set<std::wstring> names;
        const std::wstring prefix = path_ + L"\\";
        for (const auto& [path, key] : owner_.keys_) {
            if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::wstring rest = path.substr(prefix.size());
            names.insert(rest.substr(0, rest.find(L'\\')));
        }
        return {names.begin(), names.end()};
    }

    std::vector<std::wstring> ValueNames() const override {
        std::vector<std::wstring> names;
        if (const auto* key = Key())
            for (const auto& [lower, name] : key->valueNames)
                names.push_back(name);
        return names;
    }

  private:
    const MemoryRegistry::Key* Key() const {
        auto it = owner_.keys_.find(path_);
        return it == owner_.keys_.end() ? nullptr : &it->second;
    }

    MemoryRegistry& owner_;
    std::wstring path_;
    bool readOnly_;
};

std::wstring MemoryRegistry::Normalize(RegistryRoot root, std::wstring_view path) {
    std::wstring out = std::to_wstring(static_cast<int>(root));
    std::wstring_view rest = path;
    while (!rest.empty() && rest.front() == L'\\')
        rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == L'\\')
        rest.remove_suffix(1);
    if (!rest.empty()) out += L"\\" + Lower(rest);
    return out;
}

std::unique_ptr<RegistryKey> MemoryRegistry::Open(RegistryRoot root, std::wstring_view path,
                                                  OpenMode mode) {
    ++opens;
    if (refuseOpen) return nullptr;
    // As on the real registry: the machine's keys are only ever read.
    const bool machine = root == RegistryRoot::LocalMachine || root == RegistryRoot::Users;
    std::wstring norm = Normalize(root, path);
    if (!keys_.contains(norm)) {
        if (mode == OpenMode::Existing || machine) return nullptr;
        EnsureKey(norm);
    }
    return std::make_unique<MemoryKey>(*this, std::move(norm), machine);
}

MemoryRegistry::Key& MemoryRegistry::EnsureKey(const std::wstring& norm) {
    // Creating a key creates the missing keys above it, as the registry does.
    for (std::size_t pos = norm.find(L'\\'); pos != std::wstring::npos;
         pos = norm.find(L'\\', pos + 1))
        keys_.try_emplace(norm.substr(0, pos));
    return keys_[norm];
}

void MemoryRegistry::AddKey(RegistryRoot root, std::wstring_view path) {
    EnsureKey(Normalize(root, path));
}

bool MemoryRegistry::DeleteTree(RegistryRoot root, std::wstring_view path) {
    if (root == RegistryRoot::LocalMachine || root == RegistryRoot::Users) return false;
    const std::wstring norm = Normalize(root, path);
    if (!keys_.contains(norm)) return false;
    const std::wstring prefix = norm + L"\\";
    std::erase_if(keys_, [&](const auto& entry) {
        return entry.first == norm || entry.first.compare(0, prefix.size(), prefix) == 0;
    });
    return true;
}

bool MemoryRegistry::HasKey(RegistryRoot root, std::wstring_view path) const {
    return keys_.contains(Normalize(root, path));
}

const MemoryRegistry::Key* MemoryRegistry::Find(RegistryRoot root, std::wstring_view path) const {
    auto it = keys_.find(Normalize(root, path));
    return it == keys_.end() ? nullptr : &it->second;
}

void MemoryRegistry::Set(RegistryRoot root, std::wstring_view path, std::wstring_view name,
                         RegistryValue value) {
    Key& key = EnsureKey(Normalize(root, path));
    key.values[Lower(name)] = std::move(value);
    key.valueNames.try_emplace(Lower(name), name);
}

void MemoryRegistry::Remove(RegistryRoot root, std::wstring_view path, std::wstring_view name) {
    auto it = keys_.find(Normalize(root, path));
    if (it == keys_.end()) return;
    it->second.values.erase(Lower(name));
    it->second.valueNames.erase(Lower(name));
}

std::optional<RegistryValue> MemoryRegistry::Get(RegistryRoot root, std::wstring_view path,
                                                 std::wstring_view name) const {
    const Key* key = Find(root, path);
    if (!key) return std::nullopt;
    auto it = key->values.find(Lower(name));
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

}  // namespace vix
