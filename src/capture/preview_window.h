#pragma once

#include <array>
#include <deque>
#include <functional>
#include <vector>

#include "capture/image_view.h"
#include "capture/snapshot.h"
#include "platform/gdi.h"
#include "ui/form.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "vision/vision_matrix.h"

// The snapshot preview: a modal window showing the snapshot at one of five
// scales, dragged with the mouse, with four of the main window's output
// buttons. Below them the vision the snapshot is seen with (normal, one of
// the colour-vision deficiencies at a severity) and whether the buttons put
// out the picture as seen or the snapshot itself. Created once; the scale
// and the vision stay between showings.

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
inline constexpr const wchar_t* kVisionNames[kVisionCount] = {
    L"Normal", L"Protanopia", L"Deuteranopia", L"Tritanopia", L"Achromatopsia"};
// The severity list's steps, in percent.
inline constexpr int kSeverityStep = 5;
inline constexpr wchar_t kOutputsAsSeen[] = L"Export as seen";

struct PreviewVision {
    Vision vision = Vision::Normal;
    int severity = 100;  // percent
    friend bool operator==(const PreviewVision&, const PreviewVision&) = default;
};

class Tvix_imgpreview final : public ui::ProgramForm {
  public:
    // The handlers the buttons run; set before the window is used.
    void SetActions(PreviewActions actions) { actions_ = std::move(actions); }
    void Create(HWND owner) override;
    // Replaces the image shown; scale and scroll range follow. `snapshot`
    // stays the picture's source while the window shows.
    void ShowPicture(const Snapshot& snapshot);
    // The same for any picture, which stays valid while it shows; the
    // Photoshop buttons are enabled only for the snapshot, which is what
    // they export.
    void ShowPicture(const PixelView& picture, bool ofSnapshot);
    // The vision chosen (from the settings); the lists follow.
    void SetVision(PreviewVision vision);
    PreviewVision CurrentVision() const { return vision_; }
    // Told of a change of the lists, to remember it.
    std::function<void(PreviewVision)> onVisionChange;

    // The picture as the view shows it, rows top-down: the simulated copy,
    // or the snapshot's picture for normal vision. Empty before a snapshot.
    PixelView ShownPicture() const;
    HBITMAP ShownBitmap() const;
    // Whether the output buttons are to put out the shown picture: "Export
    // as seen" is ticked and the vision is not the normal one.
    bool OutputsAsSeen() const;
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
    void lstVisionChange();

  protected:
    void CreateContent() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Arrange(Size client);
    void ShowVisionInLists();
    // Simulates the snapshot with the vision chosen and shows the result.
    void Resimulate();

    PreviewActions actions_;
    ui::ImageButton btnCaptureToClipboard, btnCaptureToPSLayer, btnCaptureToPS, btnSaveCapture;
    std::deque<ui::ImageButton> moreButtons_;
    ui::Label lblScale;       // Label1
    HWND lstScale = nullptr;  // ComboBox1
    ImageView imgSnapshot;    // ImgView321
    ui::Label lblVision;
    HWND lstVision = nullptr;
    HWND lstSeverity = nullptr;
    HWND chkOutputsAsSeen = nullptr;

    // What the view shows before the vision is applied: the snapshot, or a
    // picture given as it is.
    PixelView Source() const;
    void Show(const Snapshot* snapshot, PixelView picture);
    const Snapshot* snapshot_ = nullptr;
    PixelView original_;
    PreviewVision vision_;
    // The snapshot as the vision sees it; empty for normal vision.
    platform::DibSection seen_;
    // In the corner between the view's scroll bars; dragging it sizes the
    // window.
    HWND sizeGrip_ = nullptr;
};

}  // namespace vix
