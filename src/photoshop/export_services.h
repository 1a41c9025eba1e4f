#pragma once

#include <windows.h>

#include <string>

// What the Photoshop exports need of the main window, which owns the pages,
// the snapshot and the always-on-top state. The shell provides it.

namespace vix {

class PhotoshopExportServices {
  public:
    virtual ~PhotoshopExportServices() = default;
    // The window that owns the message boxes and the clipboard.
    virtual HWND OwnerWindow() const = 0;
    // Switches to the page, repaints it and lets pending messages run.
    virtual void ShowPage(int pageIndex) = 0;
    // The snapshot's output picture; null when there is none.
    virtual HBITMAP SnapshotPicture() const = 0;
    // A message box captioned with the program's title, shown with the main
    // window moved behind it and put back on top after; returns its answer.
    virtual int ShowMessage(const std::wstring& text, UINT flags) = 0;
    // Puts the main window back into the always-on-top layer without
    // moving, resizing or activating it.
    virtual void RestoreTopmost() = 0;
};

}  // namespace vix
