#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "capture/pixel_view.h"
#include "capture/save_rules.h"
#include "platform/clipboard.h"

// The snapshot's outputs to disk and to the clipboard.

namespace vix {

// Encodes `picture` (JPEG at `jpegQuality`, 0 to 100, TIFF or PNG) and writes the
// file whole: beside the target first, replacing it only when complete, so a
// failure never leaves a partial file nor harms one already there. On
// failure, the user's message naming the file and the reason.
std::optional<std::wstring> SaveSnapshotFile(const PixelView& picture, const SaveTarget& target,
                                             int jpegQuality);

// Whether something, a file or a folder, goes by the name `path`: a file
// cannot be written under it.
bool NameTaken(const std::wstring& path);

// The registered clipboard format of PNG files, as browsers, office and chat
// programs name it.
inline constexpr wchar_t kPngClipboardFormat[] = L"PNG";

// Puts `picture` on the clipboard as a bitmap (CF_BITMAP), beside it as a
// device-independent bitmap (CF_DIB, 24 bits) and as a PNG file (the
// registered format "PNG"), through `clipboard`. False when the clipboard or
// the bitmap could not be had; the other two are left out when there is no
// memory for them.
bool CopySnapshotToClipboard(const platform::ClipboardWriter& clipboard, const PixelView& picture);

}  // namespace vix
