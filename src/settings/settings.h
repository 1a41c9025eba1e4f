#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "common/joined_text.h"
#include "common/registry_store.h"
#include "common/program_names.h"

// The user's settings as the main window mirrors them, one field per registry
// value, named after what it means. A freshly created main window holds
// zeros, false and empty texts until the first load. How each field is
// stored, and under which registry name, is said once, in the settings table
// (settings_table.cpp).

namespace vix {

inline constexpr auto kSettingsKeyText =
    JoinText(L"Software\\", kVendorName, L"\\VIX_revived\\2.0\\Settings");
inline constexpr auto kColorLibraryKeyText =
    JoinText(L"Software\\", kVendorName, L"\\VIX_revived\\2.0\\Color Library");
inline constexpr const wchar_t* kSettingsKeyPath = kSettingsKeyText.data();
inline constexpr const wchar_t* kColorLibraryKeyPath = kColorLibraryKeyText.data();

inline constexpr std::size_t kHintCheckSize = 20;
using HintCheckBytes = std::array<std::uint8_t, kHintCheckSize>;

// The colour's clipboard text formats ("CPExportFormat" 0 to this minus one).
inline constexpr std::int32_t kClipboardFormatCount = 8;

// "LastX" or "LastY" holding this means that no position has been stored.
inline constexpr std::int32_t kUnsetPosition = 231;

// The image sequence's formats by their file endings, as the settings
// dialog's "Format" list shows them; "ImgFormat" stores the index.
inline constexpr std::array<const wchar_t*, 3> kSequenceEndings = {L".jpg", L".png", L".tif"};
// "ImgFormat" as an index into kSequenceEndings: a value outside them is 0.
constexpr int SequenceFormatIndex(std::int32_t imgFormat) {
    return imgFormat >= 0 && imgFormat < static_cast<std::int32_t>(kSequenceEndings.size())
               ? imgFormat
               : 0;
}

struct Settings {
    std::int32_t ActivePageIndex = 0;
    bool pickerSectionOpen = false;
    bool colorInfoSectionOpen = false;
    bool librarySectionOpen = false;
    bool rulerSectionOpen = false;
    bool rulerInfoSectionOpen = false;
    bool rulerViewsSectionOpen = false;
    bool captureSectionOpen = false;
    bool rememberPosition = false;
    bool rememberLayout = false;
    std::wstring photoshopVersion;
    std::wstring lastListedPhotoshopVersion;
    bool showInformationBar = false;
    std::int32_t lastX = 0;
    std::int32_t lastY = 0;
    bool copySamplesToClipboard = false;
    bool keepRepeatedSamples = false;
    bool clearLibraryOnLoad = false;
    std::int32_t colorValueForm = 0;
    std::int32_t clipboardFormat = 0;
    std::int32_t rulerUnit = 0;
    std::uint32_t rulerColor = 0;
    bool photoshopForeground = false;
    std::int32_t jpegQuality = 0;
    std::wstring sequenceName;
    std::int32_t sequenceDigits = 0;
    std::int32_t sequenceFormat = 0;  // an index into kSequenceEndings
    std::wstring skippedUpdateVersions;
    std::int32_t downloadedUpdateVersion = 0;
    HintCheckBytes hintCheck{};
    // The values of the rows the tools declare, by value name, as the
    // registry stores them; a value not loaded yet reads as its default.
    std::map<std::wstring, RegistryValue, std::less<>> toolValues;

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace vix
