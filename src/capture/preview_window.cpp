#include "capture/preview_window.h"

#include "platform/desktop.h"
#include "ui/standard_controls.h"
#include "vision/vision_filter.h"

namespace vix {
namespace {

// Two rows: the buttons and the scale, then the vision.
constexpr int kPanelHeight = 50;
constexpr int kScaleBoxWidth = 145;
constexpr int kLabelWidth = 30;
constexpr int kVisionRowTop = 26;

}  // namespace

void Tvix_imgpreview::Create(HWND owner) {
    CreateForm({.className = L"Tvix_imgpreview",
                .caption = L"Image preview",
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_THICKFRAME,
                .exStyle = WS_EX_TOPMOST,
                .client = {385, 341},
                .owner = owner});
}

void Tvix_imgpreview::CreateContent() {
    const auto button = [this](ui::ImageButton& b, int x, const wchar_t* hint,
                               const wchar_t* picture, std::function<void()>& action) {
        b.Create(hwnd(), Rect::FromBounds(x, 2, 21, 21), hint, ui::RestHoverPictures(picture));
        b.onClick = [&action] {
            if (action) action();
        };
    };
    button(btnCaptureToClipboard, 2, L"Export snapshot to the clipboard", L"btn_clipboard",
           actions_.btnCaptureToClipboardClick);
    button(btnCaptureToPSLayer, 24, L"Export snapshot to new Photoshop layer", L"btn_photoshop",
           actions_.btnCaptureToPSLayerClick);
    button(btnCaptureToPS, 46, L"Export snapshot to new Photoshop document", L"btn_photoshop",
           actions_.btnCaptureToPSClick);
    button(btnSaveCapture, 68, L"Save snapshot to disk", L"btn_save_capture",
           actions_.btnSaveCaptureClick);
    int x = 90;
    for (PreviewOutput& more : actions_.more) {
        button(moreButtons_.emplace_back(), x, more.hint, more.picture, more.click);
        x += 22;
    }
    lblScale.Create(hwnd(), Rect::FromBounds(0, 5, kLabelWidth, 16), L"Scale");
    lstScale = ui::CreateDropDownList(hwnd(), Rect::FromBounds(0, 2, kScaleBoxWidth, 200),
                                      {L"400%", L"200%", L"100%", L"50%", L"25%"});
    ui::OnCommand(lstScale, [this](UINT code) {
        if (code == CBN_SELCHANGE) lstScaleChange();
    });
    // After the scale's list, which stays the window's first.
    lblVision.Create(hwnd(), Rect::FromBounds(4, kVisionRowTop + 3, 34, 16), L"Vision");
    lstVision = ui::CreateDropDownList(hwnd(), Rect::FromBounds(40, kVisionRowTop, 110, 200), {});
    for (const wchar_t* name : kVisionNames)
        ::SendMessageW(lstVision, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    lstSeverity = ui::CreateDropDownList(hwnd(), Rect::FromBounds(154, kVisionRowTop, 62, 200), {});
    for (int percent = 0; percent <= 100; percent += kSeverityStep)
        ::SendMessageW(lstSeverity, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>((std::to_wstring(percent) + L"%").c_str()));
    for (HWND list : {lstVision, lstSeverity})
        ui::OnCommand(list, [this](UINT code) {
            if (code == CBN_SELCHANGE) lstVisionChange();
        });
    chkOutputsAsSeen =
        ui::CreateStandardControl(hwnd(), L"BUTTON", kOutputsAsSeen, BS_AUTOCHECKBOX | WS_TABSTOP,
                                  Rect::FromBounds(224, kVisionRowTop + 2, 110, 16));
    ShowVisionInLists();
    imgSnapshot.Create(hwnd(), Rect::FromBounds(0, kPanelHeight, 385, 341 - kPanelHeight));
    sizeGrip_ = ui::CreateStandardControl(hwnd(), L"SCROLLBAR", L"", SBS_SIZEGRIP, {});
    Arrange(ClientSize());
}

void Tvix_imgpreview::ShowPicture(const Snapshot& snapshot) { Show(&snapshot, {}); }

void Tvix_imgpreview::ShowPicture(const PixelView& picture, bool ofSnapshot) {
    Show(nullptr, picture);
    btnCaptureToPS.SetEnabled(ofSnapshot);
    btnCaptureToPSLayer.SetEnabled(ofSnapshot);
}

// The snapshot, when it is the source, is read again at each change of
// vision: a new capture replaces its pixels.
void Tvix_imgpreview::Show(const Snapshot* snapshot, PixelView picture) {
    EnsureContent();
    snapshot_ = snapshot;
    original_ = picture;
    btnCaptureToPS.SetEnabled(true);
    btnCaptureToPSLayer.SetEnabled(true);
    Resimulate();
}

void Tvix_imgpreview::SetVision(PreviewVision vision) {
    vision.severity = std::clamp(vision.severity, 0, 100);
    if (vision == vision_) return;
    vision_ = vision;
    ShowVisionInLists();
    if (!Source().empty()) Resimulate();
}

void Tvix_imgpreview::ShowVisionInLists() {
    if (!lstVision) return;
    ::SendMessageW(lstVision, CB_SETCURSEL, static_cast<WPARAM>(vision_.vision), 0);
    // A stored severity between the list's steps is used as it is; the list
    // shows the nearest step.
    const int step = (vision_.severity + kSeverityStep / 2) / kSeverityStep;
    ::SendMessageW(lstSeverity, CB_SETCURSEL, static_cast<WPARAM>(step), 0);
    ::EnableWindow(lstSeverity, vision_.vision != Vision::Normal);
}

void Tvix_imgpreview::lstVisionChange() {
    const auto vision = ::SendMessageW(lstVision, CB_GETCURSEL, 0, 0);
    const auto step = ::SendMessageW(lstSeverity, CB_GETCURSEL, 0, 0);
    if (vision < 0 || vision >= kVisionCount || step < 0) return;
    const PreviewVision chosen{static_cast<Vision>(vision), static_cast<int>(step) * kSeverityStep};
    if (chosen == vision_) return;
    vision_ = chosen;
    ::EnableWindow(lstSeverity, vision_.vision != Vision::Normal);
    if (!Source().empty()) Resimulate();
    if (onVisionChange) onVisionChange(vision_);
}

void Tvix_imgpreview::Resimulate() {
    seen_ = platform::DibSection();
    const PixelView original = Source();
    if (vision_.vision != Vision::Normal && !original.empty()) {
        platform::DibSection seen(original.width, original.height);
        // Without the memory for a copy the snapshot shows as it is, and the
        // outputs put out the snapshot.
        if (seen) {
            const VisionFilter filter(vision_.vision, vision_.severity);
            filter.ApplyToRows(original.top, original.stride,
                               reinterpret_cast<std::uint8_t*>(seen.pixels()),
                               static_cast<std::ptrdiff_t>(original.width) * kBytesPerPixel,
                               original.width, original.height);
            seen_ = std::move(seen);
        }
    }
    imgSnapshot.SetPicture(ShownPicture());
}

PixelView Tvix_imgpreview::ShownPicture() const {
    if (seen_) return PixelView::TopDown(seen_.pixels(), seen_.width(), seen_.height());
    return Source();
}

PixelView Tvix_imgpreview::Source() const { return snapshot_ ? snapshot_->Pixels() : original_; }

HBITMAP Tvix_imgpreview::ShownBitmap() const {
    if (seen_) return seen_.get();
    return snapshot_ ? snapshot_->Picture().get() : nullptr;
}

bool Tvix_imgpreview::OutputsAsSeen() const {
    return seen_ && chkOutputsAsSeen && ui::IsChecked(chkOutputsAsSeen);
}

void Tvix_imgpreview::lstScaleChange() {
    const auto index = ::SendMessageW(lstScale, CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= static_cast<LRESULT>(kPreviewScales.size())) return;
    imgSnapshot.SetScale(kPreviewScales[static_cast<std::size_t>(index)]);
}

void Tvix_imgpreview::Arrange(Size client) {
    if (!imgSnapshot.hwnd()) return;
    ::MoveWindow(lstScale, client.width - kScaleBoxWidth - 2, 2, kScaleBoxWidth, 200, TRUE);
    ::MoveWindow(lblScale.hwnd(), client.width - kScaleBoxWidth - kLabelWidth - 6, 5, kLabelWidth,
                 16, TRUE);
    ::MoveWindow(imgSnapshot.hwnd(), 0, kPanelHeight, client.width,
                 std::max(0, client.height - kPanelHeight), TRUE);
    const int gripWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int gripHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    ::SetWindowPos(sizeGrip_, HWND_TOP, client.width - gripWidth, client.height - gripHeight,
                   gripWidth, gripHeight, SWP_NOACTIVATE);
}

LRESULT Tvix_imgpreview::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) Arrange({LOWORD(lParam), HIWORD(lParam)});
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
