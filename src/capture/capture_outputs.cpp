// The snapshot's outputs: the save dialog, the clipboard, the image
// sequence and the preview.

#include "capture/capture_tools.h"
#include "capture/image_sequence.h"
#include "capture/jpeg_encoder.h"
#include "capture/preview_window.h"
#include "capture/snapshot_files.h"
#include "platform/file.h"
#include "platform/gdi.h"

namespace vix {

bool CaptureTools::CopyToBuffer(HDC source, const Rect& area, Point origin) {
    const CaptureChoices choices = page_.Choices();
    if (const auto refused = snapshot_.CopyToBuffer(source, area, origin,
                                                    {choices.multiCapture, choices.withCursor})) {
        ShowError(*refused);
        return false;
    }
    tracker_.Flash();
    return true;
}

void CaptureTools::ShowError(const std::wstring& text) {
    host_.RunBehind(
        [&](HWND owner) { return dialogs_.Message(owner, text, MB_OK | MB_ICONERROR); });
}

void CaptureTools::SaveToSequence() {
    if (!page_.Choices().sequence || snapshot_.Empty()) return;
    const Settings& settings = host_.CurrentSettings();
    // One listing of the folder instead of a look per number: a long
    // sequence stays quick.
    const SequenceFormat format = SequenceFormatOf(settings.sequenceFormat);
    const std::wstring name = NextSequenceFileName(
        sequenceFolder_, settings.sequenceName, settings.sequenceDigits,
        platform::EntryNamesIn(sequenceFolder_, settings.sequenceName), &NameTaken, format.ending);
    if (name.empty()) {
        ShowError(kSequenceFailed);
        return;
    }
    if (const auto failed = SaveSnapshotFile(snapshot_.Output(), {format.format, name},
                                             JpegQualityOf(settings.jpegQuality)))
        ShowError(*failed);
}

void CaptureTools::btnSaveCaptureClick() {
    // An abandoned screen capture enables the buttons before any snapshot
    // exists: there is nothing to save then.
    if (!page_.CaptureButtonsEnabled() || snapshot_.Empty()) return;
    SavePicture(snapshot_.Output());
}

void CaptureTools::SavePicture(const PixelView& picture) {
    if (picture.empty()) return;
    const int quality = JpegQualityOf(host_.CurrentSettings().jpegQuality);
    host_.RunBehind([&](HWND owner) {
        const auto choice = dialogs_.ChooseSaveFile(owner);
        if (!choice) return 0;
        const SaveTarget target = ChooseSaveTarget(choice->fileName, choice->filterIndex);
        if (const auto failed = SaveSnapshotFile(picture, target, quality))
            dialogs_.Message(owner, *failed, MB_OK | MB_ICONERROR);
        return 0;
    });
}

void CaptureTools::btnCaptureToClipboardClick() {
    if (!page_.CaptureButtonsEnabled() || snapshot_.Empty()) return;
    CopyPicture(snapshot_.Output());
}

void CaptureTools::CopyPicture(const PixelView& picture) {
    if (picture.empty()) return;
    if (!CopySnapshotToClipboard(clipboard_, picture))
        ShowError(L"The snapshot could not be put on the clipboard.");
}

void CaptureTools::chkCaptureSequenceClick(bool ticked) {
    if (!ticked) return;
    sequenceFolder_.clear();
    std::optional<std::wstring> folder;
    host_.RunBehind([&](HWND owner) {
        folder = dialogs_.ChooseSequenceFolder(owner);
        return 0;
    });
    if (folder)
        sequenceFolder_ = *folder;
    else
        page_.UntickSequence();
}

void CaptureTools::btnCapturePreviewClick() { PreviewPicture(snapshot_.Pixels(), true); }

void CaptureTools::PreviewPicture(const PixelView& picture, bool ofSnapshot) {
    host_.ShowTab(kCaptureTab);
    host_.SetCurrentMode(kPreviewMode);
    if (preview_) {
        preview_->ShowPicture(picture, ofSnapshot);
        host_.RunBehind([this](HWND owner) {
            if (owner) preview_->PlaceOn(owner);
            return preview_->ShowModal();
        });
    }
    host_.SetCurrentMode(ActiveMode::None);
}

}  // namespace vix
