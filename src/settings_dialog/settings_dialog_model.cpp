#include "settings_dialog/settings_dialog_model.h"

#include <cwctype>

#include "settings/settings_table.h"

namespace vix {
namespace {

std::int32_t DefaultOf(SettingId id) { return static_cast<std::int32_t>(Setting(id).number); }

// `value` when it lies in [low, high], else the setting's default.
std::int32_t InRange(int value, int low, int high, SettingId id) {
    return value >= low && value <= high ? value : DefaultOf(id);
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

}  // namespace

SettingsPage NextSettingsPage(SettingsPage page, int pageCount) {
    return static_cast<SettingsPage>((static_cast<int>(page) + 1) % pageCount);
}

SettingsPage PrevSettingsPage(SettingsPage page, int pageCount) {
    return static_cast<SettingsPage>((static_cast<int>(page) + pageCount - 1) % pageCount);
}

SettingsDialogState FillSettingsDialog(const Settings& s) {
    SettingsDialogState d;
    d.chkRememberPosition = s.rememberPosition;
    d.chkRememberinterfacelayout = s.rememberLayout;
    d.chkInfoBar = s.showInformationBar;
    d.lstColorValues = s.colorValueForm;
    d.lstClipboardFormat = s.clipboardFormat;
    d.chkAutoSampleToClipboard = s.copySamplesToClipboard;
    d.lstExportTo = s.photoshopForeground ? 0 : 1;
    d.chkNoDoubleSamples = !s.keepRepeatedSamples;
    d.chkResetLibrary = s.clearLibraryOnLoad;
    if (s.rulerUnit >= 0 && s.rulerUnit < static_cast<int>(kRulerUnitItems.size()))
        d.lstRulerUnits = kRulerUnitItems[static_cast<std::size_t>(s.rulerUnit)];
    d.lstRulerColor = s.rulerColor;
    d.edtSequenceName = s.sequenceName;
    d.lstSequenceFormat = SequenceFormatIndex(s.sequenceFormat);
    d.edtSequenceDigits = std::to_wstring(s.sequenceDigits);
    d.trkJpegQuality = s.jpegQuality;
    return d;
}

void ApplySettingsDialog(const SettingsDialogState& d, Settings& s) {
    s.rememberPosition = d.chkRememberPosition;
    s.rememberLayout = d.chkRememberinterfacelayout;
    s.showInformationBar = d.chkInfoBar;
    s.copySamplesToClipboard = d.chkAutoSampleToClipboard;
    s.colorValueForm = InRange(d.lstColorValues, 0, 2, SettingId::ColorValueForm);
    s.clipboardFormat =
        InRange(d.lstClipboardFormat, 0, static_cast<int>(kClipboardFormatItems.size()) - 1,
                SettingId::ClipboardFormat);
    s.photoshopForeground = d.lstExportTo == 0;
    s.keepRepeatedSamples = !d.chkNoDoubleSamples;
    s.clearLibraryOnLoad = d.chkResetLibrary;
    // A unit that names no item is -1: the main window's list then shows none.
    s.rulerUnit = RulerUnitIndex(d.lstRulerUnits);
    // A colour word has no colour in its top byte.
    s.rulerColor = d.lstRulerColor & 0xFFFFFFu;
    s.sequenceName = d.edtSequenceName;
    s.sequenceDigits = SpinFieldNumber(d.edtSequenceDigits);
    s.sequenceFormat = SequenceFormatIndex(d.lstSequenceFormat);
    s.jpegQuality =
        InRange(d.trkJpegQuality, kMinJpgQuality, kMaxJpgQuality, SettingId::JpegQuality);
}

int RulerUnitIndex(std::wstring_view text) {
    for (std::size_t i = 0; i < kRulerUnitItems.size(); ++i)
        if (SameText(text, kRulerUnitItems[i])) return static_cast<int>(i);
    return -1;
}

int SpinFieldNumber(std::wstring_view text) {
    // Leading and trailing blanks are what a paste brings along.
    while (!text.empty() && std::iswspace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return DefaultOf(SettingId::SequenceDigits);
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return DefaultOf(SettingId::SequenceDigits);
        value = value * 10 + (c - L'0');
    }
    if (value < kMinImgNr) return kMinImgNr;
    if (value > kMaxImgNr) return kMaxImgNr;
    return value;
}

std::wstring ExampleFileName(std::wstring_view name, std::wstring_view numbers,
                             std::wstring_view format) {
    const int digits = SpinFieldNumber(numbers);
    std::wstring example(name);
    example.append(static_cast<std::size_t>(digits - 1), L'0');
    example += L'1';
    example += format;
    return example;
}

}  // namespace vix
