#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "photoshop/action_request.h"
#include "photoshop/export_messages.h"
#include "tools/pages.h"

// The three exports to Photoshop (the sampled colour, the snapshot as a new
// document, the snapshot as a new layer) as one state machine over two
// interfaces: the automation connection and the main window's services.

namespace vix {

struct CallResult {
    bool ok = true;
    std::wstring errorText;  // the system's text for the failure
    static CallResult Ok() { return {}; }
    static CallResult Failed(std::wstring text) { return {false, std::move(text)}; }
};

struct PlayResult {
    bool raised = false;  // the play, a put or a make call failed
    std::wstring errorText;
    PlayAnswer answer = PlayAnswer::NoResult;
};

// Photoshop's automation, one method per action of an export. Over COM:
// each call that Photoshop rejects as busy is retried within the
// BusyRetryPolicy and then fails.
class PhotoshopConnection {
  public:
    virtual ~PhotoshopConnection() = default;
    // Creates Photoshop.Application's class as a local server (this starts
    // Photoshop) and holds its IPhotoshopApplication.
    virtual CallResult CreateApplication() = 0;
    // Visible = true (-1).
    virtual CallResult MakeVisible() = 0;
    // MakeControlObject; the action control is kept until the next export
    // replaces it.
    virtual CallResult GetActionControl() = 0;
    // Builds the request's descriptor tree with MakeDescriptor, MakeReference
    // and the puts, plays it, and asks the result (if any) for 'Msge'.
    // Every descriptor, reference and string made is released before return.
    virtual PlayResult Play(const ActionRequest& request) = 0;
    // Lets IPhotoshopApplication go (only after CreateApplication succeeded).
    virtual void ReleaseApplication() = 0;
};

// What the exports ask of the main window.
class ExportHost {
  public:
    virtual ~ExportHost() = default;
    // Switches to the page, repaints it and lets pending messages run.
    virtual void ShowPage(int pageIndex) = 0;
    // Puts the snapshot on the clipboard as a bitmap; false when the
    // clipboard then does not hold the handle just put there.
    virtual bool PutSnapshotOnClipboard() = 0;
    virtual void Wait(std::uint32_t ms) = 0;
    // Whether a top-level window of class "Photoshop" exists.
    virtual bool FindPhothoshop() = 0;
    // Closes Photoshop's "Color Picker" if it is open, waiting until it is.
    virtual void ClosePhotoshopColorPicker() = 0;
    // The Yes/No question, with the main window behind it; true for Yes.
    virtual bool Ask(const std::wstring& question) = 0;
    // An error box, with the main window behind it and topmost again after.
    virtual void ShowError(const std::wstring& text) = 0;
    virtual void LetPendingMessagesRun() = 0;
    // Puts the main window back into the always-on-top layer.
    virtual void RestoreTopmost() = 0;
};

enum class ExportKind { Color, Document, Layer };

inline constexpr std::uint32_t kClipboardSettleMs = 100;
inline constexpr wchar_t kExportDocumentName[] = L"Vix_Export";
inline constexpr wchar_t kExportLayerName[] = L"Vix_Export_Layer";
inline constexpr double kExportResolution = 72.0;

struct ExportInput {
    ExportKind kind = ExportKind::Color;
    bool buttonEnabled = true;  // the export's button; a disabled one does nothing
    bool foreground = true;     // PSForegroundCol
    std::uint8_t red = 0, green = 0, blue = 0;
    int width = 0, height = 0;  // the snapshot picture's size in pixels
};

enum class ExportStep {
    Start,
    ShowPage,
    Clipboard,
    Settle,
    Find,
    ClosePicker,
    Ask,
    Create,
    MakeVisible,
    GetActionControl,
    Request,
    Fallback,
    Paste,
    Finish,
    Done,
};

struct ExportOutcome {
    enum class Ending { NotRun, Declined, Failed, Exported };
    Ending ending = Ending::NotRun;
    std::optional<ExportError> error;  // the message that ended the export
    bool clipboardWarned = false;      // S01 was shown
    std::vector<ExportStep> steps;     // the steps taken, in order
};

// The requests of the image exports for a snapshot of `width` x `height`.
ActionRequest ExportDocumentRequest(int width, int height);
ActionRequest ExportLayerRequest();

class ExportFlow {
  public:
    ExportFlow(const ExportInput& input, PhotoshopConnection& connection, ExportHost& host);
    // Runs the export to its end. Always-on-top is restored on every way
    // out, and Photoshop's application object released once made.
    ExportOutcome Run();

  private:
    ExportStep Advance(ExportStep step);
    ExportStep AfterShowPage();
    ExportStep AfterClipboard();
    ExportStep AfterFind();
    ExportStep AfterAsk();
    ExportStep AfterCreate();
    ExportStep AfterRequest();
    ExportStep AfterFallback();
    ExportStep AfterPaste();
    ExportStep Finish();
    ExportStep Fail(ExportError error, std::wstring_view errorText = {});
    bool IsImage() const { return input_.kind != ExportKind::Color; }

    ExportInput input_;
    PhotoshopConnection& connection_;
    ExportHost& host_;
    ExportOutcome outcome_;
    bool created_ = false;
};

}  // namespace vix
