#include "platform/system_cursors.h"

#include "platform/handle.h"

namespace vix::platform {
namespace {

// Whether `cursor` is still a cursor: asked of its pictures, which are
// copies of ours to delete.
bool StillThere(HCURSOR cursor) {
    ICONINFO info{};
    if (!::GetIconInfo(cursor, &info)) return false;
    const Bitmap mask(info.hbmMask);
    const Bitmap colour(info.hbmColor);
    return true;
}

// SetSystemCursor takes ownership of (and destroys) the cursor it is given,
// so every id gets a cursor of its own. One that reports success and leaves
// the cursor alone (Wine's changes nothing) has not taken it: kept, each
// start of the picker and each crossing of the rectangle's frame would
// lose 16 until the program ends.
template <typename Load>
void ReplaceAll(Load load) {
    for (DWORD id : kSystemCursorIds) {
        Cursor cursor(load());
        if (cursor && ::SetSystemCursor(cursor.get(), id) && !StillThere(cursor.get()))
            (void)cursor.release();
    }
}

}  // namespace

void WinSystemCursors::ReplaceSystemCursors(const wchar_t* name) {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    ReplaceAll([&] {
        return static_cast<HCURSOR>(::LoadImageW(module, name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    });
}

void WinSystemCursors::ReplaceWithSystemShape(const wchar_t* id) {
    // A shared cursor must not be given away: each id gets a copy.
    ReplaceAll([&] {
        return static_cast<HCURSOR>(
            ::CopyImage(::LoadCursorW(nullptr, id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    });
}

void WinSystemCursors::RestoreSystemCursors() {
    ::SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

}  // namespace vix::platform
