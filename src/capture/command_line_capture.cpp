#include "capture/command_line_capture.h"

#include <windows.h>

#include <optional>

#include "capture/jpeg_encoder.h"
#include "capture/snapshot.h"
#include "capture/snapshot_files.h"
#include "platform/desktop.h"
#include "platform/gdi.h"

namespace vix {
namespace {

std::wstring RegionText(const Rect& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
           std::to_wstring(r.width()) + L"," + std::to_wstring(r.height());
}

ImageFormat SavedFormat(CaptureFileFormat format) {
    switch (format) {
        case CaptureFileFormat::Jpeg: return ImageFormat::kJpeg;
        case CaptureFileFormat::Tiff: return ImageFormat::kTiff;
        default: return ImageFormat::kPng;
    }
}

// Where the pointer is now; the whole window, its frame included, as the
// control capture takes a window.
HWND TopLevelWindowUnderPointer() {
    POINT p{};
    if (!::GetCursorPos(&p)) return nullptr;
    const HWND under = ::WindowFromPoint(p);
    return under ? ::GetAncestor(under, GA_ROOT) : nullptr;
}

// Copies `area` of `source` from `origin` into `snapshot`.
CommandOutcome Take(Snapshot& snapshot, HDC source, const Rect& area, Point origin,
                    bool withCursor) {
    if (!source) return {kExitNotWritten, L"The screen could not be copied."};
    if (auto refused = snapshot.CopyToBuffer(source, area, origin, {.withCursor = withCursor}))
        return {kExitNotWritten, *refused};
    return {};
}

CommandOutcome TakeArea(const CaptureCommand& command, Snapshot& snapshot) {
    platform::RefreshDesktopMetrics();
    const Rect desktop = platform::VirtualDesktop();
    if (command.source == CaptureSource::Window) {
        const HWND window = TopLevelWindowUnderPointer();
        RECT r{};
        if (!window || !::GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top)
            return {kExitOffDesktop, L"There is no window under the mouse pointer."};
        platform::WindowDC dc(window, true);
        return Take(snapshot, dc.get(), platform::FromRECT(r), {0, 0}, command.withCursor);
    }
    const Rect area = command.source == CaptureSource::Screen ? desktop : command.region;
    if (Intersection(area, desktop) != area)
        return {kExitOffDesktop, L"The region " + RegionText(area) +
                                     L" is not wholly on the desktop, which is " +
                                     RegionText(desktop) + L"."};
    platform::WindowDC screen;
    return Take(snapshot, screen.get(), area, {area.left, area.top}, command.withCursor);
}

}  // namespace

CommandOutcome RunCaptureCommand(const CaptureCommand& command, int jpgQualitySetting) {
    if (command.delaySeconds > 0) ::Sleep(static_cast<DWORD>(command.delaySeconds) * 1000);
    Snapshot snapshot;
    if (auto outcome = TakeArea(command, snapshot); outcome.code != kExitDone) return outcome;
    const SaveTarget target{SavedFormat(command.format), command.outFile};
    if (auto error = SaveSnapshotFile(snapshot.Output(), target, JpegQualityOf(jpgQualitySetting)))
        return {kExitNotWritten, *error};
    return {};
}

}  // namespace vix
