#include "capture/capture_page.h"

#include "capture/capture_delay.h"
#include "capture/preview_rows.h"
#include "ui/control.h"
#include "ui/hints.h"
#include "ui/panel.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

const PageSpec kCapturePage{.tab = kCaptureTab,
                            .caption = L"Screen capture",
                            .toggleHint = L"Expand/Collapse Screen capture",
                            .height = kCapturePageHeight,
                            .shownSetting = &Setting(SettingId::CaptureSectionOpen),
                            .shownByDefault = true};

// At rest the dim picture, under the pointer and pressed the full one.
ui::ButtonPictures ModePictures(const wchar_t* base) {
    const std::wstring b(base);
    const ui::Picture* full = &ui::SkinPicture(b + L"_100");
    return {&ui::SkinPicture(b + L"_70"), full, full};
}

HWND CheckBox(HWND page, const Rect& bounds, const wchar_t* caption) {
    return ui::CreateStandardControl(page, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP,
                                     bounds);
}

}  // namespace

// Beside the check boxes, under the output buttons.
void CapturePage::CreateDelayList(HWND page) {
    delayCaption_.Create(page, Rect::FromBounds(158, 54, 32, 14), L"Delay:");
    lstCaptureDelay = ui::CreateDropDownList(page, Rect::FromBounds(190, 51, 56, 20), {});
    for (int seconds : kDelayChoices)
        ::SendMessageW(lstCaptureDelay, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(DelayChoiceText(seconds).c_str()));
    // The page may be built after the settings were loaded.
    ::SendMessageW(lstCaptureDelay, CB_SETCURSEL,
                   static_cast<WPARAM>(DelayChoiceIndex(tools_.DelaySeconds())), 0);
    ui::SetHint(lstCaptureDelay, L"Delay: wait before the entire screen or a control is captured");
    ui::SuppressContextMenu(lstCaptureDelay);
    ui::OnCommand(lstCaptureDelay, [this](UINT code) {
        if (code != CBN_SELCHANGE) return;
        const auto index = ::SendMessageW(lstCaptureDelay, CB_GETCURSEL, 0, 0);
        if (index >= 0 && index < static_cast<LRESULT>(kDelayChoices.size()))
            tools_.ChooseDelay(kDelayChoices[static_cast<std::size_t>(index)]);
    });
}

void CapturePage::Create(HWND page, HWND owner) {
    if (owner) tools_.Create(owner);

    btnScreenCapture.Create(page, Rect::FromBounds(6, 4, 32, 32), L"Capture the entire screen",
                            ModePictures(L"img_scapture"));
    btnScreenCapture.onClick = [this] { tools_.btnScreenCaptureClick(); };
    btnRectCapture.Create(page, Rect::FromBounds(42, 4, 32, 32), L"Rectangle capture",
                          ModePictures(L"img_rcapture_enable"));
    btnRectCapture.onClick = [this] { tools_.btnRectCaptureClick(); };
    btnControlCapture.Create(page, Rect::FromBounds(78, 4, 32, 32), L"Control capture",
                             ModePictures(L"img_ccapture_enable"));
    btnControlCapture.onClick = [this] { tools_.btnControlCaptureClick(); };

    sizeCaptions_[0].Create(page, Rect::FromBounds(118, 8, 14, 14), L"W:");
    pnlCaptureWidth.Create(page, Rect::FromBounds(132, 8, 40, 14), L"");
    pnlCaptureWidth.SetHint(L"Snapshot width");
    sizeCaptions_[1].Create(page, Rect::FromBounds(178, 8, 14, 14), L"H:");
    pnlCaptureHeight.Create(page, Rect::FromBounds(192, 8, 40, 14), L"");
    pnlCaptureHeight.SetHint(L"Snapshot height");

    const auto output = [page](ui::ImageButton& b, int x, const wchar_t* hint,
                               const wchar_t* picture) {
        b.Create(page, Rect::FromBounds(x, 26, 22, 22), hint, ui::RestHoverPictures(picture));
        b.SetEnabled(false);
    };
    output(btnSaveCapture, 118, L"Save snapshot to disk", L"btn_save_capture");
    btnSaveCapture.onClick = [this] { tools_.btnSaveCaptureClick(); };
    output(btnCaptureToClipboard, 141, L"Export snapshot to the clipboard", L"btn_clipboard");
    btnCaptureToClipboard.onClick = [this] { tools_.btnCaptureToClipboardClick(); };
    output(btnCaptureToPS, 164, L"Export snapshot to new Photoshop document", L"btn_photoshop");
    btnCaptureToPS.onClick = [this] {
        if (photoshop_.btnCaptureToPSClick)
            photoshop_.btnCaptureToPSClick(btnCaptureToPS.Enabled());
    };
    output(btnCaptureToPSLayer, 187, L"Export snapshot to new Photoshop layer", L"btn_photoshop");
    btnCaptureToPSLayer.onClick = [this] {
        if (photoshop_.btnCaptureToPSLayerClick)
            photoshop_.btnCaptureToPSLayerClick(btnCaptureToPSLayer.Enabled());
    };
    output(btnCapturePreview, 210, L"Review snapshot", L"btn_preview");
    btnCapturePreview.onClick = [this] { tools_.btnCapturePreviewClick(); };
    CreateMoreOutputs(page, 233);

    chkMultiCapture =
        CheckBox(page, Rect::FromBounds(6, 42, 108, 16), L"Multi Capture (to one image)");
    chkCaptureSequence =
        CheckBox(page, Rect::FromBounds(6, 58, 150, 16), L"Capture to image sequence");
    ui::OnClick(chkCaptureSequence,
                [this] { tools_.chkCaptureSequenceClick(ui::IsChecked(chkCaptureSequence)); });
    chkCaptureWithCursor =
        CheckBox(page, Rect::FromBounds(6, 74, 150, 16), L"Capure with mouse cursor");
    CreateDelayList(page);

    preview_.SetActions(MakePreviewActions());
    preview_.onVisionChange = [this](PreviewVision chosen) {
        host_.ChangeSettings([chosen](Settings& settings) {
            SetField(settings, kPreviewVision,
                     RegistryValue::Dword(static_cast<std::uint32_t>(chosen.vision)));
            SetField(settings, kPreviewSeverity,
                     RegistryValue::Dword(static_cast<std::uint32_t>(chosen.severity)));
        });
    };
    if (owner) preview_.Create(owner);
    tools_.SetPreview(&preview_);
}

void CapturePage::RunPreviewOutput(const std::function<void()>& output) {
    if (!output) return;
    // An export runs to its end inside `output`, its questions and messages
    // too, and asks for the picture there; afterwards the flag is down, so
    // an export from the main window's buttons takes the snapshot again.
    struct Seen {
        bool& flag;
        ~Seen() { flag = false; }
    } seen{exportingSeen_};
    exportingSeen_ = preview_.OutputsAsSeen();
    output();
}

HBITMAP CapturePage::ExportBitmap() {
    if (exportingSeen_) return preview_.ShownBitmap();
    return tools_.CurrentSnapshot().OutputBitmap();
}

void CapturePage::CreateMoreOutputs(HWND page, int x) {
    for (const SnapshotOutput& output : outputs_) {
        ui::ImageButton& b = outputButtons_.emplace_back();
        b.Create(page, Rect::FromBounds(x, 26, 22, 22), output.hint,
                 ui::RestHoverPictures(output.picture));
        b.SetEnabled(false);
        // A hot key may call it while the button is disabled.
        b.onClick = [this, &b, &output] {
            if (b.Enabled() && !tools_.CurrentSnapshot().Empty()) output.send(CurrentSnapshot());
        };
        x += 23;
    }
}

PreviewActions CapturePage::MakePreviewActions() {
    PreviewActions actions;
    // While a tool's picture shows, or the picture as seen is asked for,
    // the outputs act on what the preview shows, not on the snapshot.
    const auto onSnapshot = [this] {
        return previewedPixels_.empty() && !preview_.OutputsAsSeen();
    };
    actions.btnCaptureToClipboardClick = [this, onSnapshot] {
        if (onSnapshot())
            tools_.btnCaptureToClipboardClick();
        else
            CopyToClipboard(Previewed());
    };
    actions.btnSaveCaptureClick = [this, onSnapshot] {
        if (onSnapshot())
            tools_.btnSaveCaptureClick();
        else
            Save(Previewed());
    };
    actions.btnCaptureToPSClick = [this] { RunPreviewOutput(btnCaptureToPS.onClick); };
    actions.btnCaptureToPSLayerClick = [this] { RunPreviewOutput(btnCaptureToPSLayer.onClick); };
    for (const SnapshotOutput& output : outputs_)
        actions.more.push_back({output.hint, output.picture, [this, &output] {
                                    if (const ScreenPicture p = Previewed(); !p.empty())
                                        output.send(p);
                                }});
    return actions;
}

std::span<const PageSpec* const> CapturePage::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kCapturePage};
    return kPages;
}

void CapturePage::Build(ToolPages& pages) {
    // The overlays and the preview are created with the program's other
    // windows.
    Create(pages.Page(kCapturePage).hwnd(), nullptr);
}

OwnedWindows CapturePage::Windows() {
    return {{ProgramWindow::Preview, &preview_},
            {ProgramWindow::HotTracker, &tools_.TrackingFrame()},
            {ProgramWindow::Rectangle, &tools_.RectangleOverlay()}};
}

std::vector<HotKeyBinding> CapturePage::HotKeys() {
    const auto onCaptureTab = [](HotKeyId key, std::function<void()> action) {
        return HotKeyBinding{.key = key,
                             .reach = HotKeyBinding::Reach::OnTabOnly,
                             .tab = kCaptureTab,
                             .action = std::move(action)};
    };
    return {
        onCaptureTab(HotKeyId::SaveToDisk, [this] { tools_.btnSaveCaptureClick(); }),
        onCaptureTab(HotKeyId::CopyToClipboard, [this] { tools_.btnCaptureToClipboardClick(); }),
        onCaptureTab(HotKeyId::ExportToPhotoshop, [this] { btnCaptureToPS.onClick(); })};
}

SettingGroup CapturePage::SettingRows() const {
    static constexpr const SettingDef* kRows[] = {&kCaptureDelay, &kPreviewVision,
                                                  &kPreviewSeverity};
    return {L"Capture", kRows};
}

void CapturePage::SettingsLoaded(const Settings& settings, bool) {
    preview_.SetVision({static_cast<Vision>(NumberSetting(settings, kPreviewVision)),
                        NumberSetting(settings, kPreviewSeverity)});
    if (!lstCaptureDelay) return;
    ::SendMessageW(lstCaptureDelay, CB_SETCURSEL,
                   static_cast<WPARAM>(DelayChoiceIndex(NumberSetting(settings, kCaptureDelay))),
                   0);
}

CaptureChoices CapturePage::Choices() const {
    return {ui::IsChecked(chkMultiCapture), ui::IsChecked(chkCaptureSequence),
            ui::IsChecked(chkCaptureWithCursor)};
}

void CapturePage::UntickSequence() { ui::SetChecked(chkCaptureSequence, false); }

void CapturePage::ShowSizeLabels(std::optional<Size> size) {
    pnlCaptureWidth.SetCaption(size ? std::to_wstring(size->width) : L"");
    pnlCaptureHeight.SetCaption(size ? std::to_wstring(size->height) : L"");
}

void CapturePage::ShowModeRunning(CaptureButton button, bool running) {
    if (button == CaptureButton::kRectangle)
        btnRectCapture.SetPictures(
            ModePictures(running ? L"img_rcapture_disable" : L"img_rcapture_enable"));
    else if (button == CaptureButton::kControl)
        btnControlCapture.SetPictures(
            ModePictures(running ? L"img_ccapture_disable" : L"img_ccapture_enable"));
}

void CapturePage::EnableCaptureButtons() {
    for (ui::ImageButton* b : {&btnSaveCapture, &btnCaptureToClipboard, &btnCaptureToPS,
                               &btnCaptureToPSLayer, &btnCapturePreview})
        b->SetEnabled(true);
    for (ui::ImageButton& b : outputButtons_)
        b.SetEnabled(true);
}

namespace {

PixelView PictureView(const ScreenPicture& picture) {
    return PixelView::TopDown(picture.pixels, picture.width(), picture.height());
}

}  // namespace

ScreenPicture CapturePage::CurrentSnapshot() const {
    // The working picture is a top-down 32-bit bitmap without gaps between
    // its rows, as ScreenPicture has them.
    const Snapshot& snapshot = tools_.CurrentSnapshot();
    if (snapshot.Empty()) return {};
    return {reinterpret_cast<const std::uint32_t*>(snapshot.Pixels().top), snapshot.State().rect};
}

void CapturePage::Save(const ScreenPicture& picture) {
    if (!picture.empty()) tools_.SavePicture(PictureView(picture));
}

void CapturePage::CopyToClipboard(const ScreenPicture& picture) {
    if (!picture.empty()) tools_.CopyPicture(PictureView(picture));
}

void CapturePage::Preview(const ScreenPicture& picture) {
    if (picture.empty()) return;
    previewedPixels_.assign(picture.pixels,
                            picture.pixels + static_cast<std::size_t>(picture.width()) *
                                                 static_cast<std::size_t>(picture.height()));
    previewedScreen_ = picture.screen;
    tools_.PreviewPicture(PictureView(picture), false);
    previewedPixels_.clear();
    previewedPixels_.shrink_to_fit();
}

ScreenPicture CapturePage::Previewed() const {
    const ScreenPicture source = previewedPixels_.empty()
                                     ? CurrentSnapshot()
                                     : ScreenPicture{previewedPixels_.data(), previewedScreen_};
    if (!preview_.OutputsAsSeen() || source.empty()) return source;
    // The simulated copy is top-down without gaps between its rows, of the
    // source's size.
    const PixelView seen = preview_.ShownPicture();
    return {reinterpret_cast<const std::uint32_t*>(seen.top), source.screen};
}

}  // namespace vix
