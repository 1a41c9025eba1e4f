#include "photoshop/export_host.h"

#include "photoshop/photoshop_windows.h"
#include "platform/clipboard.h"
#include "ui/message_loop.h"

namespace vix {

bool WinExportHost::PutSnapshotOnClipboard() {
    // The clipboard takes the bitmap it is given: it gets a copy, and the
    // snapshot's picture stays the snapshot's.
    const platform::ClipboardWriter clipboard([this] { return services_.OwnerWindow(); });
    return clipboard.Replace(platform::ClipboardData::CopyOf(services_.SnapshotPicture()));
}

// Photoshop reads the clipboard when it pastes; the pause gives the
// clipboard's listeners their turn first. It blocks, as the calls do.
void WinExportHost::Wait(std::uint32_t ms) { ::Sleep(ms); }

bool WinExportHost::FindPhothoshop() { return vix::FindPhothoshop(); }

void WinExportHost::ClosePhotoshopColorPicker() { vix::ClosePhotoshopColorPicker(); }

bool WinExportHost::Ask(const std::wstring& question) {
    return services_.ShowMessage(question, MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

void WinExportHost::ShowError(const std::wstring& text) {
    services_.ShowMessage(text, MB_OK | MB_ICONERROR);
}

void WinExportHost::LetPendingMessagesRun() { ui::ProcessPendingMessages(); }

}  // namespace vix
