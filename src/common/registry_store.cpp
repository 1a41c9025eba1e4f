#include "common/registry_store.h"

#include "common/utf16.h"

namespace vix {

RegistryValue RegistryValue::Dword(std::uint32_t value) {
    return {RegistryType::Dword,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

RegistryValue RegistryValue::Text(std::wstring_view text) {
    return {RegistryType::String, ToUtf16LeZ(text)};
}

RegistryValue RegistryValue::Binary(std::span<const std::uint8_t> bytes) {
    return {RegistryType::Binary, {bytes.begin(), bytes.end()}};
}

std::optional<std::uint32_t> RegistryValue::AsDword() const {
    if (type != RegistryType::Dword || data.size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16) |
                                      (static_cast<std::uint32_t>(data[3]) << 24));
}

std::optional<std::wstring> RegistryValue::AsText(bool allowExpand) const {
    if (type == RegistryType::String || (allowExpand && type == RegistryType::ExpandString))
        return FromUtf16Le(data);
    return std::nullopt;
}

}  // namespace vix
