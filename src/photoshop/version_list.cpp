#include "photoshop/version_list.h"

#include <algorithm>

namespace vix {

namespace {

wchar_t FoldCase(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

// The registry compares key names in upper case; outside ASCII the code
// units are compared as they are, which keeps the order total.
bool RegistryLess(const std::wstring& a, const std::wstring& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) {
                                            return static_cast<std::uint32_t>(FoldCase(x)) <
                                                   static_cast<std::uint32_t>(FoldCase(y));
                                        });
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return !RegistryLess(a, b) && !RegistryLess(b, a);
}

std::wstring VersionKeyPath(const std::wstring& version) {
    return std::wstring(kPhotoshopVersionsKey) + L"\\" + version;
}

}  // namespace

void SortInRegistryOrder(std::vector<std::wstring>& names) {
    std::stable_sort(names.begin(), names.end(), RegistryLess);
}

std::vector<std::wstring> MergeVersionLists(std::span<const std::wstring> first,
                                            std::span<const std::wstring> second) {
    std::vector<std::wstring> merged(first.begin(), first.end());
    merged.insert(merged.end(), second.begin(), second.end());
    SortInRegistryOrder(merged);
    // The stable sort keeps the first list's spelling ahead of the second's.
    merged.erase(std::unique(merged.begin(), merged.end(), SameName), merged.end());
    return merged;
}

std::optional<std::vector<std::wstring>> ReadInstalledVersions(
    std::span<RegistryStore* const> views) {
    std::optional<std::vector<std::wstring>> versions;
    for (RegistryStore* view : views) {
        auto key =
            view->Open(RegistryRoot::LocalMachine, kPhotoshopVersionsKey, OpenMode::Existing);
        if (!key) continue;
        const auto names = key->SubkeyNames();
        versions = MergeVersionLists(versions ? *versions : std::vector<std::wstring>{}, names);
    }
    return versions;
}

std::wstring ReadApplicationPath(std::span<RegistryStore* const> views,
                                 const std::wstring& version) {
    if (version.empty()) return {};
    for (RegistryStore* view : views) {
        auto key =
            view->Open(RegistryRoot::LocalMachine, VersionKeyPath(version), OpenMode::Existing);
        if (!key) continue;
        const auto value = key->Read(kApplicationPathValue);
        if (!value) continue;
        auto path = value->AsText(true);
        if (path && !path->empty()) return *path;
    }
    return {};
}

bool ChoiceStands(std::span<const std::wstring> versions, const std::wstring& chosenVersion,
                  const std::wstring& lastListedVersion) {
    if (chosenVersion.empty() || versions.empty()) return false;
    const bool installed = std::any_of(versions.begin(), versions.end(),
                                       [&](const auto& v) { return SameName(v, chosenVersion); });
    return installed && lastListedVersion == versions.back();
}

std::vector<std::wstring> ChooserLabels(std::span<const std::wstring> versions) {
    std::vector<std::wstring> labels;
    for (const auto& v : versions)
        labels.push_back(L"Photoshop " + v);
    return labels;
}

StartupChoice DecideAtStartup(const std::optional<std::vector<std::wstring>>& versions,
                              const std::wstring& chosenVersion,
                              const std::wstring& lastListedVersion) {
    StartupChoice choice;
    if (!versions || versions->empty()) return choice;
    if (ChoiceStands(*versions, chosenVersion, lastListedVersion)) return choice;
    choice.labels = ChooserLabels(*versions);
    choice.selected = static_cast<int>(versions->size()) - 1;
    choice.action =
        versions->size() == 1 ? StartupChoice::Action::Register : StartupChoice::Action::Ask;
    return choice;
}

}  // namespace vix
