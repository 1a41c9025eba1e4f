#pragma once

#include <array>
#include <functional>
#include <optional>

#include "color/color_info_panel.h"
#include "color/color_text.h"
#include "color/magnifier.h"
#include "color/sampling.h"
#include "common/clipboard.h"
#include "platform/canvas.h"
#include "platform/gdi.h"
#include "platform/system_cursors.h"
#include "ui/bitmap_view.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "ui/timer.h"

// The colour picker: while it is on, the hook library reports every pointer
// move, a 15 ms tick samples the screen round the pointer into the live
// colour and the enlarged view, and a right-button press takes the sample.

namespace vix {

inline constexpr UINT kSampleInterval = 15;
// While the pointer moves, the live values' window texts (what screen
// readers and automation read) follow what is painted every this many
// drawing ticks, about 2 s; when it settles, at the next tick. Setting the
// ten texts takes a few milliseconds of calls to the system's server, a
// tick's work many times over.
inline constexpr int kCaptionTicks = 128;
inline constexpr wchar_t kSamplePrompt[] = L"Press right mouse button to sample color";

class ColorPicker final : public Tool {
  public:
    ColorPicker(ToolHost& host, TextClipboard& clipboard, platform::SystemCursors& cursors,
                ColorInfoPanel& info)
        : host_(host), clipboard_(clipboard), cursors_(cursors), info_(info) {}

    // Builds the "Color picker" page's controls: point sampling, no colour
    // taken yet.
    void Create(HWND page);
    // Where a taken colour goes: the library (Newcolor).
    std::function<void(ColorWord)> onSampleTaken;
    // The Photoshop export of the sampled colour (ExportColorToPS).
    std::function<void(ColorWord)> onColorToPS;

    // As a tool: its button switches it on or off, and the hook library
    // reports the pointer's moves and the right-button press.
    const char* Name() const override { return "picker"; }
    static constexpr ActiveMode kMode{"color picker"};
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override { btnEnablePickerClick(); }
    void OnHookReport(const HookReport& report) override;
    std::vector<HotKeyBinding> HotKeys() override;
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    // The value form as the settings say.
    void SettingsLoaded(const Settings& settings, bool keyOpened) override;

    // Switches the picker on or off.
    void btnEnablePickerClick();
    // The pointer moved (hooks::kPickerMoved); a sample is taken at
    // `position` (hooks::kPickerSample).
    void PointerMoved(Point position);
    void TakeSample(Point position);
    // One sampling tick.
    void ShowBox();

    // The summary line of the sampled colour in the chosen value form; also
    // the value-form buttons' click (RadioGroup1Click), which chooses the
    // form first.
    void ShowSummary();
    void btnColorToClipboardClick();
    // Exports the sampled colour to Photoshop when a colour has been taken;
    // the hot key presses it too.
    void btnColorToPSClick();
    void btnWebSafeColorClick();
    void ColorToClipboard();
    // Makes a library colour the sampled colour (GetColorFromLib).
    void TakeLibraryColor(ColorWord color);
    // Selects item `index` of the value-form buttons (none when outside 0..2).
    void SelectFormat(int index);
    // The chosen value form, or kNoFormat when none is chosen.
    ValueFormat FormatIndex() const { return format_; }
    // Point sampling, no colour taken.
    void ResetSampling();

    bool On() const { return sampleTimer_.Running(); }
    ColorWord SampledColor() const { return sampledColor_; }
    bool ColorSampled() const { return colorSampled_; }
    ColorWord LiveColor() const { return liveColor_; }
    int SampleSize() const { return sampleSize_; }
    Point PickerPos() const { return pickerPos_; }
    const ui::Label& Summary() const { return lblWebsafeColor; }
    const ui::BitmapView& EnlargedView() const { return imgPickerView32; }

  private:
    void EnableColorPicker();
    void DisableColorPicker();
    void PixelEvent();
    void lstPointSampleChange();  // cxComboBox1PropertiesChange
    // What a tick draws depends on: the pixels round the pointer and these.
    // The view's layout is kept relative to the pointer, so that a pointer
    // moving over pixels that look the same draws nothing new either.
    struct TickInputs {
        Rect leftStrip;
        Rect topStrip;
        Rect destination;
        Point sourceOffset;  // of the view's source within the 13 x 13 copy
        int sampleSize;
        ValueFormat format;
        wchar_t decimal;
        friend bool operator==(const TickInputs&, const TickInputs&) = default;
    };
    TickInputs InputsOf(const MagnifierLayout& m) const;
    // True when the copy just made and the inputs are those the last full
    // tick drew: the view, swatch and labels already show them.
    bool SameAsLastTick(const TickInputs& inputs) const;
    void RememberTick(const TickInputs& inputs);
    void CopyScreenBlock();
    void DrawMagnifier(const MagnifierLayout& m);
    void DrawSampleBox();
    void ShowLiveValues();
    void SyncLiveCaptions();
    void SetSampledColor(ColorWord color);
    void EnableExports();

    ToolHost& host_;
    TextClipboard& clipboard_;
    platform::SystemCursors& cursors_;
    ColorInfoPanel& info_;

    Point pickerPos_{1, 1};
    int sampleSize_ = kPointSample;
    ColorWord liveColor_ = 0;  // black until the first tick
    ColorWord sampledColor_ = 0;
    bool colorSampled_ = false;
    bool sampleBusy_ = false;
    // The checked value-form button's index, kept when it is clicked or set.
    ValueFormat format_ = kNoFormat;
    ui::Timer sampleTimer_;
    // The 13 x 13 screen pixels round the pointer, copied once per tick
    // from the screen's DC, held while the picker is on: getting one each
    // tick costs more than the copy (Wine also reads its font settings
    // anew for every screen DC).
    platform::Canvas scratch_;  // the screen round the pointer, 13 x 13
    std::optional<platform::WindowDC> screen_;
    // What the last full tick drew from; none after switching on.
    std::optional<TickInputs> lastInputs_;
    std::array<DWORD, kSourceSize * kSourceSize> lastSquare_{};
    int ticksSinceCaptions_ = 0;  // drawing ticks since the window texts followed

    ui::Panel pnlViewFrame;
    ui::BitmapView imgPickerView32;
    ui::ImageButton btnEnablePicker;
    ui::Panel pnlSamplePickerColor;
    ui::Panel pnlSampledPickerColor;
    std::array<ui::Label, 3> componentCaptions_;
    ui::Label lblColorRed, lblColorGreen, lblColorBlue;
    ui::Panel pnlValueForm;  // RadioGroup1
    std::array<HWND, 3> radioItems_{};
    HWND lstPointSample = nullptr;
    ui::ImageButton btnColorToClipboard;
    ui::ImageButton btnColorToPS;
    ui::Label lblWebsafeColor;
};

}  // namespace vix
