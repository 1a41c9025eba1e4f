#include "capture/snapshot_files.h"

#include <span>
#include <utility>

#include "capture/jpeg_encoder.h"
#include "capture/packed_dib.h"
#include "capture/png_encoder.h"
#include "capture/tiff_writer.h"
#include "platform/clipboard.h"
#include "platform/file.h"
#include "platform/gdi.h"

namespace vix {

std::optional<std::wstring> SaveSnapshotFile(const PixelView& picture, const SaveTarget& target,
                                             int jpegQuality) {
    MemorySink sink;
    const auto error = target.format == ImageFormat::kTiff ? TiffToStream(picture, sink)
                       : target.format == ImageFormat::kPng
                           ? PngToStream(picture, sink)
                           : JpegToStream(picture, jpegQuality, sink);
    if (error) return L"Cannot save \"" + target.fileName + L"\". " + error->reason;
    return platform::WriteWholeFile(target.fileName, sink.bytes());
}

bool NameTaken(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// The snapshot as a device-independent bitmap and as a PNG file, for the
// programs that paste those without loss. Either is left out when the
// memory for it cannot be had: the bitmap still goes on the clipboard.
platform::ClipboardData DibForClipboard(const PixelView& picture) {
    const auto dib = PackedDib(picture);
    return dib ? platform::ClipboardData::Bytes(CF_DIB, *dib) : platform::ClipboardData{};
}

platform::ClipboardData PngForClipboard(const PixelView& picture) {
    MemorySink sink;
    if (PngToStream(picture, sink)) return {};
    return platform::ClipboardData::Bytes(::RegisterClipboardFormatW(kPngClipboardFormat),
                                          sink.bytes());
}

}  // namespace

bool CopySnapshotToClipboard(const platform::ClipboardWriter& clipboard, const PixelView& picture) {
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
    platform::ClipboardData extras[] = {DibForClipboard(picture), PngForClipboard(picture)};
    return clipboard.Replace(platform::ClipboardData::Picture(std::move(bitmap)), extras);
}

}  // namespace vix
