// A settings key holding values of any type and size loads without fault,
// leaves every value the program creates with its expected type, brings
// every setting into its range, and gives the same settings again when they
// are saved and loaded.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "memory_registry.h"

namespace {

bool Within(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

// A name the sequence can put in front of its number inside the chosen
// folder: no separator, no "..", nothing Windows refuses in a file name,
// short enough for ten digits and ".jpg" in a name of 255 characters.
bool PlainName(const std::wstring& name) {
    if (name.size() > 255 - 10 - 4 || name.find(L"..") != std::wstring::npos) return false;
    for (wchar_t c : name)
        if (c < 32 || std::wstring(L"\\/:*?\"<>|").find(c) != std::wstring::npos) return false;
    return true;
}

// The ranges as the program's windows use the values.
bool InRange(const vix::Settings& s) {
    return Within(s.ActivePageIndex, -1, 3) && Within(s.colorValueForm, 0, 2) &&
           Within(s.clipboardFormat, 0, 7) && Within(s.rulerUnit, -1, 4) &&
           Within(s.jpegQuality, 0, 10) && Within(s.sequenceDigits, 1, 10) &&
           PlainName(s.sequenceName);
}

}  // namespace

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
    if (!InRange(settings)) std::abort();

    if (!vix::SaveSettingsKey(registry, settings)) std::abort();
    vix::Settings again;
    vix::LoadSettingsKey(registry, again);
    if (!(again == settings)) std::abort();
    return 0;
}
