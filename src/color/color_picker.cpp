// The colour picker's page and its handlers: switching on and off, the hook's
// reports, the value forms, the clipboard and the web-safe conversion.

#include "color/color_picker.h"

#include "color/color_gdi.h"
#include "color/color_control_ids.h"
#include "color/color_text.h"
#include "color/web_safe.h"
#include "hooks/vix32_api.h"
#include "platform/desktop.h"
#include "ui/hints.h"
#include "ui/message_loop.h"
#include "ui/panel.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

const PageSpec kPickerPage{.tab = kPickerTab,
                           .caption = L"Color picker",
                           .toggleHint = L"Expand/Collapse Colorpicker",
                           .height = 112,
                           .shownSetting = &Setting(SettingId::PickerSectionOpen),
                           .shownByDefault = true};

}  // namespace

void ColorPicker::Create(HWND page) {
    pnlViewFrame.Create(page, Rect::FromBounds(5, 6, 80, 80), L"", {.outline = ui::ShadowColor()});
    imgPickerView32.Create(page, Rect::FromBounds(6, 7, 78, 78));
    imgPickerView32.SetPictureHint(L"Enlarged view");
    imgPickerView32.SetId(kIdPickerView);
    imgPickerView32.SetVisible(false);
    imgPickerView32.BringToFront();  // inside its frame

    btnEnablePicker.Create(page, Rect::FromBounds(92, 6, 32, 32), L"Activate Colorpicker",
                           ui::PicturesOf(L"IMG_PICKER_ENABLE"));
    btnEnablePicker.onClick = [this] { btnEnablePickerClick(); };

    pnlSamplePickerColor.Create(page, Rect::FromBounds(130, 6, 20, 20), L"",
                                {.outline = ui::ShadowColor(), .live = true});
    pnlSamplePickerColor.SetId(kIdLiveSwatch);
    pnlSampledPickerColor.Create(page, Rect::FromBounds(154, 7, 18, 18), L"",
                                 {.outline = ui::ShadowColor()});
    pnlSampledPickerColor.SetPictureHint(L"Last sampled color");
    pnlSampledPickerColor.SetId(kIdSampledSwatch);
    sampledColor_ = FromGdi(ui::FaceColor());

    const wchar_t* captions[] = {L"R:", L"G:", L"B:"};
    ui::Label* values[] = {&lblColorRed, &lblColorGreen, &lblColorBlue};
    const int ids[] = {kIdLiveRed, kIdLiveGreen, kIdLiveBlue};
    for (int i = 0; i < 3; ++i) {
        componentCaptions_[i].Create(page, Rect::FromBounds(92, 44 + i * 14, 14, 13), captions[i]);
        values[i]->Create(page, Rect::FromBounds(106, 44 + i * 14, 66, 13), L"", {.live = true});
        values[i]->SetId(ids[i]);
    }

    pnlValueForm.Create(page, Rect::FromBounds(180, 2, 70, 54), L"", {});
    const wchar_t* formats[] = {L"RGB", L"Hex", L"%"};
    for (int i = 0; i < 3; ++i) {
        radioItems_[i] =
            ui::CreateStandardControl(pnlValueForm.hwnd(), L"BUTTON", formats[i],
                                      BS_AUTORADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0),
                                      Rect::FromBounds(4, 3 + i * 17, 62, 16));
        ui::OnClick(radioItems_[i], [this, i] {
            format_ = ValueFormatAt(i);
            ShowSummary();
        });
    }

    lstPointSample = ui::CreateDropDownList(page, Rect::FromBounds(172, 60, 80, 20),
                                            {L"Point Sample", L"3 x 3 Average", L"5 x 5 Average"},
                                            kIdSampleSizeList);
    ui::SetHint(lstPointSample, L"Sample size");
    ui::OnCommand(lstPointSample, [this](UINT code) {
        if (code == CBN_SELCHANGE) lstPointSampleChange();
    });
    // The list offers no context menu (lstRulerUnitsContextPopup).
    ui::SuppressContextMenu(lstPointSample);

    btnColorToClipboard.Create(page, Rect::FromBounds(182, 86, 22, 22),
                               L"Export sampled color value to clipboard",
                               ui::PicturesOf(L"BTN_CLIPBOARD"));
    btnColorToClipboard.onClick = [this] { btnColorToClipboardClick(); };
    btnColorToPS.Create(page, Rect::FromBounds(208, 86, 22, 22),
                        L"Export sampled color to Photoshop", ui::PicturesOf(L"BTN_PHOTOSHOP"));
    btnColorToPS.onClick = [this] { btnColorToPSClick(); };
    // Until a colour has been taken there is nothing to export.
    btnColorToClipboard.SetEnabled(false);
    btnColorToPS.SetEnabled(false);

    lblWebsafeColor.Create(page, Rect::FromBounds(6, 92, 170, 14), L"No color sampled");
    lblWebsafeColor.SetId(kIdSummary);
    ResetSampling();
}

std::span<const PageSpec* const> ColorPicker::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kPickerPage};
    return kPages;
}

void ColorPicker::Build(ToolPages& pages) { Create(pages.Page(kPickerPage).hwnd()); }

void ColorPicker::SettingsLoaded(const Settings& settings, bool) {
    SelectFormat(settings.colorValueForm);
}

std::vector<HotKeyBinding> ColorPicker::HotKeys() {
    using Reach = HotKeyBinding::Reach;
    return {{.key = HotKeyId::ScreenPicker,
             .reach = Reach::OpenTab,
             .tab = kPickerTab,
             .expand = &kPickerPage,
             .action = [this] { btnEnablePickerClick(); }},
            {.key = HotKeyId::WebSafeColor,
             .reach = Reach::OpenTab,
             .tab = kPickerTab,
             .action = [this] { btnWebSafeColorClick(); }},
            {.key = HotKeyId::CopyToClipboard,
             .reach = Reach::OnTabOnly,
             .tab = kPickerTab,
             .action = [this] { btnColorToClipboardClick(); }},
            {.key = HotKeyId::ExportToPhotoshop,
             .reach = Reach::OnTabOnly,
             .tab = kPickerTab,
             .action = [this] { btnColorToPSClick(); }}};
}

void ColorPicker::ResetSampling() {
    sampleSize_ = kPointSample;
    ::SendMessageW(lstPointSample, CB_SETCURSEL, 0, 0);
    colorSampled_ = false;
}

void ColorPicker::btnEnablePickerClick() {
    if (host_.CurrentMode() != kMode) {
        sampleBusy_ = false;
        EnableColorPicker();
        if (On()) host_.SetModePrompt(kSamplePrompt);
    } else {
        DisableColorPicker();
    }
}

void ColorPicker::EnableColorPicker() {
    host_.SetCurrentMode(kMode);
    // Without the hook no click would ever end the picking: stay off.
    if (!host_.ArmHook(&SetColorPickerHook)) {
        DisableColorPicker();
        return;
    }
    imgPickerView32.SizeBitmap(imgPickerView32.ClientSize(), ui::FaceColor());
    lastInputs_.reset();  // the view starts empty: the first tick draws it all
    screen_.emplace();
    btnEnablePicker.SetPictures(ui::PicturesOf(L"IMG_PICKER_DISABLE"));
    btnEnablePicker.SetPictureHint(L"Deactivate Colorpicker");
    imgPickerView32.SetVisible(true);
    imgPickerView32.Present();
    sampleTimer_.Start(kSampleInterval, [this] { PixelEvent(); });
    cursors_.ReplaceSystemCursors(L"PICKER");
    sampleBusy_ = false;
}

void ColorPicker::DisableColorPicker() {
    sampleBusy_ = false;
    host_.SetModePrompt(L"");
    sampleTimer_.Stop();
    screen_.reset();
    UnSetColorPickerHook();
    btnEnablePicker.SetPictures(ui::PicturesOf(L"IMG_PICKER_ENABLE"));
    btnEnablePicker.SetPictureHint(L"Activate Colorpicker");
    pnlSamplePickerColor.SetColor(ui::FaceColor());
    imgPickerView32.SetVisible(false);
    imgPickerView32.BringToFront();  // inside its frame
    host_.SetCurrentMode(ActiveMode::None);
    for (ui::Label* l : {&lblColorRed, &lblColorGreen, &lblColorBlue})
        l->SetCaption(L"");
    info_.Clear();
    ui::ProcessPendingMessages();
    cursors_.RestoreSystemCursors();
    host_.KeepOnTop();
}

void ColorPicker::PixelEvent() {
    sampleTimer_.Pause();
    ShowBox();
    // Switched off while the tick handled messages, the timer is gone. The
    // 15 ms keep their cadence: setting the timer anew every tick would
    // cost a call to the system's server each time, most ticks doing
    // nothing else.
    sampleTimer_.Continue();
}

void ColorPicker::OnHookReport(const HookReport& report) {
    switch (report.kind) {
        case HookReportKind::PickerMoved: PointerMoved(report.point); break;
        case HookReportKind::PickerSample: TakeSample(report.point); break;
        default: break;
    }
}

void ColorPicker::PointerMoved(Point position) {
    pickerPos_ = ClampPickerPosition(position, platform::VirtualDesktop());
}

void ColorPicker::TakeSample(Point position) {
    pickerPos_ = position;
    SyncLiveCaptions();
    colorSampled_ = true;
    EnableExports();
    // The colour of the last finished tick; the click's place is not sampled again.
    SetSampledColor(liveColor_);
    info_.SampleTaken(sampledColor_, host_.DecimalSeparator());
    if (onSampleTaken) onSampleTaken(sampledColor_);
    ShowSummary();
    if (host_.CurrentSettings().copySamplesToClipboard) ColorToClipboard();
}

void ColorPicker::lstPointSampleChange() {
    const LRESULT index = ::SendMessageW(lstPointSample, CB_GETCURSEL, 0, 0);
    if (index >= 0 && index <= 2) sampleSize_ = static_cast<int>(index) + 1;
}

void ColorPicker::SelectFormat(int index) {
    format_ = ValueFormatAt(index);
    for (int i = 0; i < 3; ++i)
        ui::SetChecked(radioItems_[i], i == format_);
}

void ColorPicker::ShowSummary() {
    if (!colorSampled_) return;
    if (format_ == kNoFormat) return;
    lblWebsafeColor.SetCaption(ColorSummaryText(sampledColor_, format_, host_.DecimalSeparator()));
}

void ColorPicker::ColorToClipboard() {
    const std::wstring text = ClipboardText(sampledColor_, host_.CurrentSettings().clipboardFormat);
    // Another program holding the clipboard for long: the copy is skipped,
    // with the system's sound so the user knows.
    if (!text.empty() && !clipboard_.SetText(text)) ::MessageBeep(MB_ICONWARNING);
}

void ColorPicker::btnColorToPSClick() {
    if (!::IsWindowEnabled(btnColorToPS.hwnd())) return;
    if (onColorToPS) onColorToPS(sampledColor_);
}

void ColorPicker::btnColorToClipboardClick() {
    if (btnColorToClipboard.Enabled()) ColorToClipboard();
}

void ColorPicker::btnWebSafeColorClick() {
    colorSampled_ = true;
    EnableExports();
    SetSampledColor(WebSafeColor(sampledColor_));
    ShowSummary();
}

void ColorPicker::TakeLibraryColor(ColorWord color) {
    colorSampled_ = true;
    EnableExports();
    SetSampledColor(color);
    ShowSummary();
}

void ColorPicker::SetSampledColor(ColorWord color) {
    sampledColor_ = color;
    pnlSampledPickerColor.SetColor(ToGdi(color));
}

void ColorPicker::EnableExports() {
    btnColorToPS.SetEnabled(true);
    btnColorToClipboard.SetEnabled(true);
}

}  // namespace vix
