#include "settings/read_only_registry.h"

#include <map>
#include <string>

namespace vix {
namespace {

class OverlaidKey final : public RegistryKey {
  public:
    explicit OverlaidKey(std::unique_ptr<RegistryKey> real) : real_(std::move(real)) {}

    std::optional<RegistryValue> Read(std::wstring_view name) const override {
        if (const auto it = written_.find(name); it != written_.end()) return it->second;
        return real_ ? real_->Read(name) : std::nullopt;
    }
    bool Write(std::wstring_view name, const RegistryValue& value) override {
        written_.insert_or_assign(std::wstring(name), value);
        return true;
    }
    std::vector<std::wstring> SubkeyNames() const override {
        return real_ ? real_->SubkeyNames() : std::vector<std::wstring>{};
    }
    std::vector<std::wstring> ValueNames() const override {
        std::vector<std::wstring> names = real_ ? real_->ValueNames() : std::vector<std::wstring>{};
        for (const auto& [name, value] : written_)
            if (!real_ || !real_->Read(name)) names.push_back(name);
        return names;
    }

  private:
    std::unique_ptr<RegistryKey> real_;  // null for a key that does not exist
    std::map<std::wstring, RegistryValue, std::less<>> written_;
};

}  // namespace

std::unique_ptr<RegistryKey> ReadOnlyRegistry::Open(RegistryRoot root, std::wstring_view path,
                                                    OpenMode mode) {
    auto real = real_.Open(root, path, OpenMode::Existing);
    if (!real && mode == OpenMode::Existing) return nullptr;
    return std::make_unique<OverlaidKey>(std::move(real));
}

}  // namespace vix
