#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/registry_store.h"

// The installed Photoshop versions as the registry lists them, the user's
// standing choice among them, and the labels shown for them.

namespace vix {

// Below HKEY_LOCAL_MACHINE: one subkey per installed version ("9.0", "10.0").
inline constexpr wchar_t kPhotoshopVersionsKey[] = L"SOFTWARE\\Adobe\\Photoshop";
// The version key's value naming the program's folder, with a final backslash.
inline constexpr wchar_t kApplicationPathValue[] = L"ApplicationPath";

// Sorts names as the registry lists subkeys: ascending by text, letters
// compared without case, so "10.0" comes before "9.0".
void SortInRegistryOrder(std::vector<std::wstring>& names);

// The versions of two registry views (32-bit and 64-bit) as one list in the
// registry's order, each version once; where the views spell a name in
// different case, the first list's spelling is kept.
std::vector<std::wstring> MergeVersionLists(std::span<const std::wstring> first,
                                            std::span<const std::wstring> second);

// The version names under kPhotoshopVersionsKey in each view that has the
// key, merged; nothing when no view has it.
std::optional<std::vector<std::wstring>> ReadInstalledVersions(
    std::span<RegistryStore* const> views);

// The version's "ApplicationPath" from the first view that holds a
// non-empty one; empty when none does.
std::wstring ReadApplicationPath(std::span<RegistryStore* const> views,
                                 const std::wstring& version);

// The user's choice stands when it names an installed version (in any case)
// and the newest installed version (the list's last) is the one that was
// newest when the choice was made.
bool ChoiceStands(std::span<const std::wstring> versions, const std::wstring& chosenVersion,
                  const std::wstring& lastListedVersion);

// The version chooser's labels: "Photoshop " and the key name.
std::vector<std::wstring> ChooserLabels(std::span<const std::wstring> versions);

// What the main window does with the installed versions when it is shown.
struct StartupChoice {
    enum class Action {
        Nothing,   // no Photoshop, or the choice stands
        Register,  // one version: register it without asking
        Ask,       // several: show the chooser
    };
    Action action = Action::Nothing;
    std::vector<std::wstring> labels;  // ChooserLabels
    int selected = -1;                 // the last entry
};
StartupChoice DecideAtStartup(const std::optional<std::vector<std::wstring>>& versions,
                              const std::wstring& chosenVersion,
                              const std::wstring& lastListedVersion);

}  // namespace vix
