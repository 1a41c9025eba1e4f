#pragma once

#include <array>
#include <deque>
#include <functional>
#include <vector>

#include "capture/image_view.h"
#include "capture/snapshot.h"
#include "ui/form.h"
#include "ui/image_button.h"
#include "ui/label.h"

// The snapshot preview: a modal window showing the snapshot at one of five
// scales, dragged with the mouse, with four of the main window's output
// buttons. Created once; the scale stays between showings.

namespace vix {

// An output a tool adds after the four: its button's hint and pictures.
struct PreviewOutput {
    const wchar_t* hint = L"";
    const wchar_t* picture = L"";
    std::function<void()> click;
};

// The main window's output handlers the preview's buttons run.
struct PreviewActions {
    std::function<void()> btnCaptureToClipboardClick;
    std::function<void()> btnCaptureToPSLayerClick;
    std::function<void()> btnCaptureToPSClick;
    std::function<void()> btnSaveCaptureClick;
    std::vector<PreviewOutput> more;
};

inline constexpr std::array<double, 5> kPreviewScales = {4.0, 2.0, 1.0, 0.5, 0.25};

class Tvix_imgpreview final : public ui::ProgramForm {
  public:
    // The handlers the buttons run; set before the window is used.
    void SetActions(PreviewActions actions) { actions_ = std::move(actions); }
    void Create(HWND owner) override;
    // Replaces the image shown; scale and scroll range follow.
    void ShowPicture(const Snapshot& snapshot) { ShowPicture(snapshot.Pixels(), true); }
    // The same for any picture; the Photoshop buttons are enabled only for
    // the snapshot, which is what they export.
    void ShowPicture(const PixelView& picture, bool ofSnapshot);
    // Centres the window on `window` (the main window) before showing it.
    void PlaceOn(HWND window) { CenterOn(window); }

    ImageView& View() {
        EnsureContent();
        return imgSnapshot;
    }
    HWND ScaleBox() {
        EnsureContent();
        return lstScale;
    }
    void lstScaleChange();  // ComboBox1Change

  protected:
    void CreateContent() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Arrange(Size client);

    PreviewActions actions_;
    ui::ImageButton btnCaptureToClipboard, btnCaptureToPSLayer, btnCaptureToPS, btnSaveCapture;
    std::deque<ui::ImageButton> moreButtons_;
    ui::Label lblScale;       // Label1
    HWND lstScale = nullptr;  // ComboBox1
    ImageView imgSnapshot;    // ImgView321
    // In the corner between the view's scroll bars; dragging it sizes the
    // window.
    HWND sizeGrip_ = nullptr;
};

}  // namespace vix
