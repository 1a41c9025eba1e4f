#include "capture/snapshot_files.h"

#include "capture/jpeg_encoder.h"
#include "capture/tiff_writer.h"
#include "platform/clipboard.h"
#include "platform/file.h"
#include "platform/gdi.h"

namespace vix {

std::optional<std::wstring> SaveSnapshotFile(const PixelView& picture, const SaveTarget& target,
                                             int jpegQuality) {
    MemorySink sink;
    const auto error = target.format == ImageFormat::kTiff
                           ? TiffToStream(picture, sink)
                           : JpegToStream(picture, jpegQuality, sink);
    if (error) return L"Cannot save \"" + target.fileName + L"\". " + error->reason;
    return platform::WriteWholeFile(target.fileName, sink.bytes());
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CopySnapshotToClipboard(HWND owner, const PixelView& picture) {
    if (picture.empty()) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // A device-dependent bitmap: what the standard bitmap format holds.
    platform::WindowDC screen;
    platform::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), picture.width, picture.height));
    if (!bitmap) return false;
    // The view's rows lie next to each other in memory, either way round: a
    // bottom-up view starts the bitmap's memory at its last row.
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(picture.width) * kBytesPerPixel;
    if (picture.stride != rowBytes && picture.stride != -rowBytes) return false;
    const bool bottomUp = picture.stride < 0;
    if (bottomUp) info.bmiHeader.biHeight = picture.height;
    const void* bits = bottomUp ? picture.Row(picture.height - 1) : picture.Row(0);
    if (::SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(picture.height), bits, &info,
                    DIB_RGB_COLORS) != picture.height)
        return false;
    platform::ClipboardSession session(owner);
    if (!session.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_BITMAP, bitmap.get())) return false;
    // The clipboard owns the bitmap now.
    (void)bitmap.release();
    return true;
}

}  // namespace vix
