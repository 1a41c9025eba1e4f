#include "pictures.h"

#include <wincodec.h>

#include <cstdio>
#include <cstdlib>

#include "platform/com_apartment.h"
#include "platform/com_ptr.h"
#include "platform/clipboard.h"
#include "platform/gdi.h"
#include "psnr.h"

namespace vix::e2e {

std::optional<Picture> ClipboardBitmap() {
    platform::ClipboardSession session(nullptr);
    if (!session.IsOpen()) return std::nullopt;
    HANDLE dib = ::GetClipboardData(CF_DIB);
    if (!dib) return std::nullopt;
    const auto* info = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
    if (!info) return std::nullopt;
    std::optional<Picture> result;
    if ((info->biBitCount == 32 || info->biBitCount == 24) &&
        (info->biCompression == BI_RGB || info->biCompression == BI_BITFIELDS)) {
        Picture p;
        p.width = info->biWidth;
        p.height = info->biHeight < 0 ? -info->biHeight : info->biHeight;
        const int bytes = info->biBitCount / 8;
        const int stride = (p.width * bytes + 3) & ~3;
        // Three colour masks follow a bit-field header (the usual blue,
        // green, red order of a 32-bit bitmap).
        const auto* bits = reinterpret_cast<const BYTE*>(info) + info->biSize +
                           (info->biCompression == BI_BITFIELDS ? 12 : 0);
        p.pixels.reserve(static_cast<std::size_t>(p.width) * p.height);
        for (int y = 0; y < p.height; ++y) {
            const int row = info->biHeight < 0 ? y : p.height - 1 - y;
            for (int x = 0; x < p.width; ++x) {
                const BYTE* px = bits + static_cast<std::ptrdiff_t>(row) * stride + x * bytes;
                p.pixels.push_back(static_cast<DWORD>(px[2] << 16 | px[1] << 8 | px[0]));
            }
        }
        result = std::move(p);
    }
    ::GlobalUnlock(dib);
    return result;
}

Picture ScreenPicture(const RECT& area) {
    Picture p;
    p.width = area.right - area.left;
    p.height = area.bottom - area.top;
    platform::DibSection dib(p.width, p.height);
    platform::WindowDC screen;
    platform::MemoryDC dc(::CreateCompatibleDC(screen.get()));
    {
        platform::Selection keep(dc.get(), dib.get());
        ::BitBlt(dc.get(), 0, 0, p.width, p.height, screen.get(), area.left, area.top, SRCCOPY);
    }
    ::GdiFlush();
    p.pixels.reserve(static_cast<std::size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels.push_back(dib.pixel(x, y) & 0xFFFFFF);
    return p;
}

std::optional<Picture> ReadImageFile(const std::wstring& path) {
    const platform::ComApartment apartment;
    if (!apartment.ok()) return std::nullopt;
    platform::ComPtr<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, factory.put_void())))
        return std::nullopt;
    platform::ComPtr<IWICBitmapDecoder> decoder;
    platform::ComPtr<IWICBitmapFrameDecode> frame;
    platform::ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return std::nullopt;
    Picture p;
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    p.pixels.resize(static_cast<std::size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4,
                                     static_cast<UINT>(p.pixels.size() * sizeof(DWORD)),
                                     reinterpret_cast<BYTE*>(p.pixels.data()))))
        return std::nullopt;
    for (DWORD& px : p.pixels)
        px &= 0xFFFFFF;
    return p;
}

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    std::FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    for (int c; (c = std::fgetc(f)) != EOF;)
        bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    return bytes;
}

int ChannelDistance(DWORD a, DWORD b) {
    int most = 0;
    for (int shift : {0, 8, 16}) {
        const int d =
            std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        if (d > most) most = d;
    }
    return most;
}

double Psnr(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return 0;
    return test::Psnr(a.pixels, b.pixels);
}

}  // namespace vix::e2e
