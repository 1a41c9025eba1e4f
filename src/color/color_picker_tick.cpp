// One sampling tick: the screen round the pointer, the enlarged view, the
// live colour and its values.

#include "color/color_picker.h"

#include <algorithm>

#include "color/color_gdi.h"
#include "color/color_text.h"
#include "color/magnifier.h"
#include "platform/desktop.h"
#include "platform/screen_copy.h"

namespace vix {
namespace {

// The 5 x 5 block's place in the 13 x 13 copy.
constexpr int kBlockOffset = kPointerOffset - 2;

}  // namespace

void ColorPicker::ShowBox() {
    // Without the copy's bitmap there is nothing to sample this tick; the
    // next tries again.
    if (sampleBusy_ || !scratch_.Resize({kSourceSize, kSourceSize})) return;
    sampleBusy_ = true;
    // Every tick copies the screen round the pointer, so that a change there
    // shows at the tick that follows it. When neither the pixels nor what
    // the drawing depends on changed, everything shown is still right.
    CopyScreenBlock();
    ::GdiFlush();
    const MagnifierLayout layout = LayoutMagnifier(pickerPos_, platform::VirtualDesktop());
    const TickInputs inputs = InputsOf(layout);
    if (SameAsLastTick(inputs)) {
        // Settled: the window texts catch up with what is shown.
        SyncLiveCaptions();
        sampleBusy_ = false;
        return;
    }
    RememberTick(inputs);
    DrawMagnifier(layout);

    Block5 block;
    for (int y = 0; y < kBlock; ++y)
        for (int x = 0; x < kBlock; ++x)
            block[y * kBlock + x] = scratch_.pixel(kBlockOffset + x, kBlockOffset + y) & 0xFFFFFF;
    liveColor_ = AverageBlock(block, sampleSize_);
    pnlSamplePickerColor.SetColor(ToGdi(liveColor_));
    info_.showcolorvalues(liveColor_);

    DrawSampleBox();
    ShowLiveValues();
    // The swatch and the labels painted themselves: the view is the last
    // thing to put on the screen, and nothing waits to be painted.
    imgPickerView32.Present();
    if (++ticksSinceCaptions_ >= kCaptionTicks) SyncLiveCaptions();
    sampleBusy_ = false;
}

void ColorPicker::SyncLiveCaptions() {
    ticksSinceCaptions_ = 0;
    for (ui::Label* l : {&lblColorRed, &lblColorGreen, &lblColorBlue})
        l->SyncCaption();
    info_.SyncCaptions();
}

ColorPicker::TickInputs ColorPicker::InputsOf(const MagnifierLayout& m) const {
    return {m.leftStrip,
            m.topStrip,
            m.destination,
            {m.source.x - (pickerPos_.x - kPointerOffset),
             m.source.y - (pickerPos_.y - kPointerOffset)},
            sampleSize_,
            format_,
            host_.DecimalSeparator()};
}

bool ColorPicker::SameAsLastTick(const TickInputs& inputs) const {
    return lastInputs_ && *lastInputs_ == inputs &&
           std::equal(lastSquare_.begin(), lastSquare_.end(), scratch_.pixels());
}

void ColorPicker::RememberTick(const TickInputs& inputs) {
    lastInputs_ = inputs;
    std::copy_n(scratch_.pixels(), lastSquare_.size(), lastSquare_.begin());
}

// One screen-to-bitmap copy per tick: the 13 x 13 pixels round the pointer,
// from which both the view and the averaged block are taken.
void ColorPicker::CopyScreenBlock() {
    const Rect square = Rect::FromBounds(pickerPos_.x - kPointerOffset,
                                         pickerPos_.y - kPointerOffset, kSourceSize, kSourceSize);
    if (screen_ && *screen_)
        platform::CopyScreenSquare(scratch_.dc(), square, screen_->get());
    else
        platform::CopyScreenSquare(scratch_.dc(), square);
}

void ColorPicker::DrawMagnifier(const MagnifierLayout& m) {
    HDC view = imgPickerView32.DC();
    if (m.leftStrip.width() > 0)
        platform::FillSolid(view, platform::ToRECT(m.leftStrip), platform::kBlack);
    if (m.topStrip.height() > 0)
        platform::FillSolid(view, platform::ToRECT(m.topStrip), platform::kBlack);
    ::SetStretchBltMode(view, COLORONCOLOR);
    // The copy began at the unclamped corner; the view's source begins at
    // the desktop's edge.
    const int sx = m.source.x - (pickerPos_.x - kPointerOffset);
    const int sy = m.source.y - (pickerPos_.y - kPointerOffset);
    ::StretchBlt(view, m.destination.left, m.destination.top, kViewSize, kViewSize, scratch_.dc(),
                 sx, sy, kSourceSize, kSourceSize, SRCCOPY);
}

void ColorPicker::DrawSampleBox() {
    const SampleBox box = SampleBoxOf(sampleSize_);
    HDC view = imgPickerView32.DC();
    const POINT outline[] = {{box.from, box.from},
                             {box.to, box.from},
                             {box.to, box.to},
                             {box.from, box.to},
                             {box.from, box.from}};
    platform::Selection pen(view, ::GetStockObject(BLACK_PEN));
    ::Polyline(view, outline, 5);
}

void ColorPicker::ShowLiveValues() {
    const ValueFormat format = format_;
    if (format == kNoFormat) return;
    const wchar_t decimal = host_.DecimalSeparator();
    lblColorRed.ShowLive(ComponentText(Red(liveColor_), format, PercentRule::Picker, decimal));
    lblColorGreen.ShowLive(ComponentText(Green(liveColor_), format, PercentRule::Picker, decimal));
    lblColorBlue.ShowLive(ComponentText(Blue(liveColor_), format, PercentRule::Picker, decimal));
}

}  // namespace vix
