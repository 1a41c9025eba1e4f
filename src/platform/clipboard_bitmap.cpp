#include "platform/clipboard_bitmap.h"

#include "platform/clipboard.h"
#include "platform/handle.h"

namespace vix::platform {

bool PutBitmapOnClipboard(HWND owner, HBITMAP picture) {
    if (!picture) return false;
    // The clipboard takes the handle it is given: hand it a copy, so the
    // caller's picture stays its own.
    Bitmap copy(static_cast<HBITMAP>(::CopyImage(picture, IMAGE_BITMAP, 0, 0, 0)));
    if (!copy) return false;
    ClipboardSession session(owner);
    if (!session.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_BITMAP, copy.get())) return false;
    // The clipboard owns the copy now.
    HBITMAP given = copy.release();
    return ::GetClipboardData(CF_BITMAP) == given;
}

}  // namespace vix::platform
