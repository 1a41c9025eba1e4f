#pragma once

#include <array>
#include <cstdint>
#include <string>

// The user's settings as the main window mirrors them, one field per registry
// value under the value's own name. A freshly created main window holds zeros,
// false and empty texts until the first load. How each field is stored is
// said once, in the settings table (settings_table.h).

namespace vix {

inline constexpr wchar_t kSettingsKeyPath[] =
    L"Software\\Brellin Software Development\\VIX_revived\\2.0\\Settings";
inline constexpr wchar_t kColorLibraryKeyPath[] =
    L"Software\\Brellin Software Development\\VIX_revived\\2.0\\Color Library";

inline constexpr std::size_t kHintCheckSize = 20;
using HintCheckBytes = std::array<std::uint8_t, kHintCheckSize>;

// "LastX" or "LastY" holding this means that no position has been stored.
inline constexpr std::int32_t kUnsetPosition = 231;

struct Settings {
    std::int32_t ActivePageIndex = 0;
    bool _tab_ColorPickerpage = false;
    bool _tab_ColorInfopage = false;
    bool _tab_ColorLibPage = false;
    bool _tab_RulerPage = false;
    bool _tab_RulerInfoPage = false;
    bool _tab_RulerViewsPage = false;
    bool _tab_CapturePage = false;
    bool RememberLastVixPosition = false;
    bool Rememberinterfacelayout = false;
    std::wstring PhotoShopVersion;
    std::wstring LastPhotoShopVersion;
    bool ShowInformationBar = false;
    std::int32_t LastX = 0;
    std::int32_t LastY = 0;
    bool AutoSampleToClipboard = false;
    bool AddDoubleSamples = false;
    bool ResetLibraryOnstartup = false;
    std::int32_t DefaultColorValues = 0;
    std::int32_t CPExportFormat = 0;
    std::int32_t RulerValue = 0;
    std::uint32_t RulerColor = 0;
    bool PSForegroundCol = false;
    std::int32_t JPGQuality = 0;
    std::wstring ImgName;
    std::int32_t ImgNr = 0;
    std::wstring Update_dontnotifystring;
    std::int32_t Update_program_version = 0;
    HintCheckBytes HintCheck{};

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace vix
