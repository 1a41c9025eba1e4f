#include "capture/snapshot.h"

#include <cstring>

#include "capture/cursor_shape.h"

namespace vix {
namespace {

MutablePixelView ViewOf(const platform::DibSection& dib) {
    return MutablePixelView::TopDown(dib.pixels(), dib.width(), dib.height());
}

// A 32-bit bitmap stored bottom-up (positive height), as the outputs take it.
platform::Bitmap BottomUpBitmap(Size size, void*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bits = nullptr;
    platform::Bitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) bits = nullptr;
    return bitmap;
}

std::wstring NoMemory(Size size) {
    return L"There is not enough memory for a snapshot of " + std::to_wstring(size.width) + L" x " +
           std::to_wstring(size.height) + L" pixels.";
}

}  // namespace

std::optional<std::wstring> Snapshot::CopyToBuffer(HDC source, const Rect& area, Point sourceOrigin,
                                                   const CaptureOptions& options) {
    CapturePlan plan;
    if (auto refused = PlanCapture(state_, area, options.multiCapture, plan))
        return refused->reason;
    if (!plan.join && picture_ && plan.size() == Size{picture_.width(), picture_.height()})
        return Recapture(source, plan, area, sourceOrigin, options);
    // Everything the new snapshot needs is had before the old one goes, so
    // that a refusal keeps it.
    platform::DibSection next(plan.size().width, plan.size().height);
    void* outputBits = nullptr;
    platform::Bitmap output = next ? BottomUpBitmap(plan.size(), outputBits) : platform::Bitmap();
    if (!next || !output) return NoMemory(plan.size());

    ComposeCapture(plan, plan.join ? Pixels() : PixelView{}, PixelView{}, ViewOf(next));
    {
        platform::MemoryDC dc(::CreateCompatibleDC(nullptr));
        if (!dc) return NoMemory(plan.size());
        platform::Selection selected(dc.get(), next.get());
        if (!::BitBlt(dc.get(), plan.capturePart.left, plan.capturePart.top, area.width(),
                      area.height(), source, sourceOrigin.x, sourceOrigin.y, SRCCOPY))
            return std::wstring(L"The screen could not be copied.");
    }
    picture_ = std::move(next);
    output_ = std::move(output);
    outputBits_ = outputBits;
    state_ = plan.After();
    if (options.withCursor) DrawCursor();
    RefreshOutput();
    return std::nullopt;
}

// A capture of the snapshot's own size goes straight into its pictures: the
// same result without new memory (which costs more than the copy itself for
// a whole 4K desktop). A failed copy writes nothing, so the old picture stays.
std::optional<std::wstring> Snapshot::Recapture(HDC source, const CapturePlan& plan,
                                                const Rect& area, Point sourceOrigin,
                                                const CaptureOptions& options) {
    {
        platform::MemoryDC dc(::CreateCompatibleDC(nullptr));
        if (!dc) return NoMemory(plan.size());
        platform::Selection selected(dc.get(), picture_.get());
        if (!::BitBlt(dc.get(), 0, 0, area.width(), area.height(), source, sourceOrigin.x,
                      sourceOrigin.y, SRCCOPY))
            return std::wstring(L"The screen could not be copied.");
    }
    state_ = plan.After();
    if (options.withCursor) DrawCursor();
    RefreshOutput();
    return std::nullopt;
}

void Snapshot::DrawCursor() {
    POINT pointer{};
    if (!::GetCursorPos(&pointer)) return;
    const Point at = platform::FromPOINT(pointer);
    // Without a cursor shape the capture stays as it is.
    const auto shape = CurrentCursorShape(at);
    if (!shape) return;
    platform::MemoryDC dc(::CreateCompatibleDC(nullptr));
    if (!dc) return;
    platform::Selection selected(dc.get(), picture_.get());
    DrawCursorShape(dc.get(), *shape, CursorDrawPosition(at, shape->hotSpot, state_.rect));
}

bool Snapshot::RefreshOutput() {
    if (!outputBits_ || !picture_) return false;
    ::GdiFlush();
    const PixelView from = Pixels();
    const MutablePixelView to = MutablePixelView::BottomUp(outputBits_, from.width, from.height);
    const std::size_t rowBytes = static_cast<std::size_t>(from.width) * kBytesPerPixel;
    for (int y = 0; y < from.height; ++y)
        std::memcpy(to.Row(y), from.Row(y), rowBytes);
    return true;
}

PixelView Snapshot::Pixels() const {
    if (!picture_) return {};
    return PixelView::TopDown(picture_.pixels(), picture_.width(), picture_.height());
}

PixelView Snapshot::Output() const {
    if (!outputBits_) return {};
    return PixelView::BottomUp(outputBits_, picture_.width(), picture_.height());
}

void Snapshot::Clear() {
    picture_ = platform::DibSection();
    output_.reset();
    outputBits_ = nullptr;
    state_ = SnapshotState{{}, state_.firstCapture};
}

}  // namespace vix
