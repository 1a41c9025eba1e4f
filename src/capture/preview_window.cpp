#include "capture/preview_window.h"

#include "platform/desktop.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

constexpr int kPanelHeight = 25;
constexpr int kScaleBoxWidth = 145;
constexpr int kLabelWidth = 30;

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
    imgSnapshot.Create(hwnd(), Rect::FromBounds(0, kPanelHeight, 385, 341 - kPanelHeight));
    sizeGrip_ = ui::CreateStandardControl(hwnd(), L"SCROLLBAR", L"", SBS_SIZEGRIP, {});
    Arrange(ClientSize());
}

void Tvix_imgpreview::ShowPicture(const PixelView& picture, bool ofSnapshot) {
    EnsureContent();
    imgSnapshot.SetPicture(picture);
    btnCaptureToPS.SetEnabled(ofSnapshot);
    btnCaptureToPSLayer.SetEnabled(ofSnapshot);
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
