#include "photoshop/export_flow.h"

namespace vix {

ActionRequest ExportDocumentRequest(int width, int height) {
    return PSNewDocument(kExportDocumentName, ps::kRgbMode, ps::kTransparent, width, height,
                         kExportResolution);
}

ActionRequest ExportLayerRequest() {
    return PSNewLayer(kExportLayerName, ps::kNormal, false, 100.0);
}

ExportFlow::ExportFlow(const ExportInput& input, PhotoshopConnection& connection, ExportHost& host)
    : input_(input), connection_(connection), host_(host) {}

ExportOutcome ExportFlow::Run() {
    outcome_ = {};
    created_ = false;
    ExportStep step = ExportStep::Start;
    while (step != ExportStep::Done) {
        outcome_.steps.push_back(step);
        step = Advance(step);
    }
    return outcome_;
}

ExportStep ExportFlow::Advance(ExportStep step) {
    switch (step) {
        case ExportStep::Start:
            return input_.buttonEnabled ? ExportStep::ShowPage : ExportStep::Done;
        case ExportStep::ShowPage: return AfterShowPage();
        case ExportStep::Clipboard: return AfterClipboard();
        case ExportStep::Settle: host_.Wait(kClipboardSettleMs); return ExportStep::Find;
        case ExportStep::Find: return AfterFind();
        case ExportStep::ClosePicker: host_.ClosePhotoshopColorPicker(); return ExportStep::Create;
        case ExportStep::Ask: return AfterAsk();
        case ExportStep::Create: return AfterCreate();
        case ExportStep::MakeVisible:
            return connection_.MakeVisible().ok ? ExportStep::GetActionControl
                                                : Fail(ExportError::I08);
        case ExportStep::GetActionControl:
            return connection_.GetActionControl().ok ? ExportStep::Request : Fail(ExportError::I08);
        case ExportStep::Request: return AfterRequest();
        case ExportStep::Fallback: return AfterFallback();
        case ExportStep::Paste: return AfterPaste();
        case ExportStep::Finish: return Finish();
        case ExportStep::Done: return ExportStep::Done;
    }
    return ExportStep::Done;
}

ExportStep ExportFlow::AfterShowPage() {
    host_.ShowPage(IsImage() ? kCaptureTab : kPickerTab);
    return IsImage() ? ExportStep::Clipboard : ExportStep::Find;
}

ExportStep ExportFlow::AfterClipboard() {
    if (!host_.PutSnapshotOnClipboard()) {
        // Only a warning: Photoshop may still find the picture there.
        host_.ShowError(ErrorMessage(ExportError::S01));
        outcome_.clipboardWarned = true;
    }
    return ExportStep::Settle;
}

ExportStep ExportFlow::AfterFind() {
    return host_.FindPhothoshop() ? ExportStep::ClosePicker : ExportStep::Ask;
}

ExportStep ExportFlow::AfterAsk() {
    if (host_.Ask(kOpenPhotoshopQuestion)) return ExportStep::Create;
    outcome_.ending = ExportOutcome::Ending::Declined;
    return ExportStep::Finish;
}

ExportStep ExportFlow::AfterCreate() {
    const CallResult created = connection_.CreateApplication();
    if (!created.ok) {
        return Fail(IsImage() ? ExportError::I02Image : ExportError::I02Color, created.errorText);
    }
    created_ = true;
    return ExportStep::MakeVisible;
}

ExportStep ExportFlow::AfterRequest() {
    switch (input_.kind) {
        case ExportKind::Color: {
            const auto played = connection_.Play(
                PSSetColor(input_.foreground, input_.red, input_.green, input_.blue));
            if (played.raised) return Fail(ExportError::P04);
            if (CheckPlayAnswer(ResultRule::NoResultSucceeds, played.answer) != 0)
                return Fail(ExportError::P04_6);
            outcome_.ending = ExportOutcome::Ending::Exported;
            return ExportStep::Finish;
        }
        case ExportKind::Document: {
            const auto request = ExportDocumentRequest(input_.width, input_.height);
            const auto played = connection_.Play(request);
            if (played.raised) return Fail(ExportError::I04);
            if (CheckPlayAnswer(request.rule, played.answer) != 0) return Fail(ExportError::I04_5);
            return ExportStep::Paste;
        }
        case ExportKind::Layer: {
            const auto request = ExportLayerRequest();
            const auto played = connection_.Play(request);
            if (played.raised) return Fail(ExportError::I04);
            // A layer needs an open document; without one, make one instead.
            if (CheckPlayAnswer(request.rule, played.answer) != 0) return ExportStep::Fallback;
            return ExportStep::Paste;
        }
    }
    return ExportStep::Finish;
}

ExportStep ExportFlow::AfterFallback() {
    const auto request = ExportDocumentRequest(input_.width, input_.height);
    const auto played = connection_.Play(request);
    if (played.raised) return Fail(ExportError::I04);
    if (CheckPlayAnswer(request.rule, played.answer) != 0) return Fail(ExportError::I04_4);
    return ExportStep::Paste;
}

ExportStep ExportFlow::AfterPaste() {
    if (connection_.Play(PSPaste()).raised) return Fail(ExportError::I04);
    outcome_.ending = ExportOutcome::Ending::Exported;
    return ExportStep::Finish;
}

ExportStep ExportFlow::Finish() {
    if (created_) connection_.ReleaseApplication();
    created_ = false;
    if (IsImage()) host_.LetPendingMessagesRun();
    host_.RestoreTopmost();
    return ExportStep::Done;
}

ExportStep ExportFlow::Fail(ExportError error, std::wstring_view errorText) {
    outcome_.ending = ExportOutcome::Ending::Failed;
    outcome_.error = error;
    host_.ShowError(ErrorMessage(error, errorText));
    return ExportStep::Finish;
}

}  // namespace vix
