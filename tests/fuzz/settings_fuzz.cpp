// A settings key holding values of any type and size loads without fault and
// leaves every value the program creates with its expected type.
#include <cstdint>
#include <cstdlib>

#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "common/memory_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vix::MemoryRegistry registry;
    std::size_t pos = 0;
    // Each value: which setting, its type, its length, its bytes.
    while (pos + 3 <= size) {
        const auto& spec = vix::SettingsTable()[data[pos] % vix::kSettingCount];
        const auto type = static_cast<vix::RegistryType>(data[pos + 1] % 5);
        std::size_t length = data[pos + 2] % 16;
        pos += 3;
        length = std::min(length, size - pos);
        registry.Set(vix::RegistryRoot::CurrentUser, vix::kSettingsKeyPath, spec.name,
                     {type, {data + pos, data + pos + length}});
        pos += length;
    }
    vix::Settings settings;
    vix::LoadSettingsKey(registry, settings);
    for (const auto& spec : vix::SettingsTable()) {
        if (!spec.created) continue;
        const auto value =
            registry.Get(vix::RegistryRoot::CurrentUser, vix::kSettingsKeyPath, spec.name);
        if (!value) std::abort();
        if (spec.storedType() == vix::RegistryType::Dword ? !value->AsDword() : !value->AsText())
            std::abort();
    }
    return 0;
}
