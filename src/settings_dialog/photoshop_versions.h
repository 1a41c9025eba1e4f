#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The installed Photoshop versions as the settings dialog lists them: one
// label per registry key name, "Photoshop " and the version's display form.
// The display form is found by the key name's whole major number: "8.x" is
// CS, "9.x" CS2, "10.x" CS3, "11.x" CS4; any other name shows as itself, so
// that 18.0 reads "Photoshop 18.0" and not "Photoshop CS".

namespace vix {

std::wstring PhotoshopLabel(std::wstring_view keyName);

struct PhotoshopVersionList {
    std::vector<std::wstring> labels;
    std::vector<std::wstring> keyNames;  // in the labels' order
    int selected = -1;                   // -1 when the list is empty

    bool empty() const { return keyNames.empty(); }
    // The key name of the chosen entry; empty when there is none.
    std::wstring SelectedKey() const;
};

// Lists `keyNames` in the registry's order and selects the entry whose key
// name is `current`, or the last one when none is.
PhotoshopVersionList ListPhotoshopVersions(std::span<const std::wstring> keyNames,
                                           std::wstring_view current);

// Whether OK has to run the version choice: the list is not empty and its
// chosen key name differs from the stored one.
bool VersionChoiceNeeded(const PhotoshopVersionList& list, std::wstring_view current);

}  // namespace vix
