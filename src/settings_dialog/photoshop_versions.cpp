#include "settings_dialog/photoshop_versions.h"

namespace vix {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The number written right before the name's first point, -1 when there is
// none (no point, or no digit before it).
long MajorNumber(std::wstring_view name) {
    const std::size_t point = name.find(L'.');
    if (point == std::wstring_view::npos) return -1;
    std::size_t start = point;
    while (start > 0 && IsDigit(name[start - 1]))
        --start;
    if (start == point || point - start > 6) return -1;
    long major = 0;
    for (std::size_t i = start; i < point; ++i)
        major = major * 10 + (name[i] - L'0');
    return major;
}

}  // namespace

std::wstring PhotoshopLabel(std::wstring_view keyName) {
    std::wstring label = L"Photoshop ";
    switch (MajorNumber(keyName)) {
        case 8: return label + L"CS";
        case 9: return label + L"CS2";
        case 10: return label + L"CS3";
        case 11: return label + L"CS4";
        default: return label.append(keyName);
    }
}

std::wstring PhotoshopVersionList::SelectedKey() const {
    if (selected < 0 || selected >= static_cast<int>(keyNames.size())) return {};
    return keyNames[static_cast<std::size_t>(selected)];
}

PhotoshopVersionList ListPhotoshopVersions(std::span<const std::wstring> keyNames,
                                           std::wstring_view current) {
    PhotoshopVersionList list;
    for (const std::wstring& name : keyNames) {
        list.labels.push_back(PhotoshopLabel(name));
        list.keyNames.push_back(name);
    }
    list.selected = static_cast<int>(list.keyNames.size()) - 1;
    for (std::size_t i = 0; i < list.keyNames.size(); ++i)
        if (list.keyNames[i] == current) list.selected = static_cast<int>(i);
    return list;
}

bool VersionChoiceNeeded(const PhotoshopVersionList& list, std::wstring_view current) {
    return !list.empty() && list.SelectedKey() != current;
}

}  // namespace vix
