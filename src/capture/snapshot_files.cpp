#include "capture/snapshot_files.h"

#include <cstring>
#include <span>

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

// `bytes` in movable global memory, as the clipboard takes data; null when
// there are none or no memory.
platform::GlobalMemory InGlobalMemory(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return {};
    platform::GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory) return {};
    void* p = ::GlobalLock(memory.get());
    if (!p) return {};
    std::memcpy(p, bytes.data(), bytes.size());
    ::GlobalUnlock(memory.get());
    return memory;
}

// The snapshot as a PNG file and as a device-independent bitmap, for the
// programs that paste those without loss. Either is left out when the
// memory for it cannot be had: the bitmap still goes on the clipboard.
platform::GlobalMemory PngForClipboard(const PixelView& picture) {
    MemorySink sink;
    if (PngToStream(picture, sink)) return {};
    return InGlobalMemory(sink.bytes());
}

platform::GlobalMemory DibForClipboard(const PixelView& picture) {
    const auto dib = PackedDib(picture);
    return dib ? InGlobalMemory(*dib) : platform::GlobalMemory{};
}

}  // namespace

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
    platform::GlobalMemory dib = DibForClipboard(picture);
    platform::GlobalMemory png = PngForClipboard(picture);
    const UINT pngFormat = ::RegisterClipboardFormatW(kPngClipboardFormat);
    platform::ClipboardSession session(owner);
    if (!session.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_BITMAP, bitmap.get())) return false;
    // The clipboard owns what it took.
    (void)bitmap.release();
    if (dib && ::SetClipboardData(CF_DIB, dib.get())) (void)dib.release();
    if (png && pngFormat != 0 && ::SetClipboardData(pngFormat, png.get())) (void)png.release();
    return true;
}

}  // namespace vix
