#include "color/magnifier.h"

#include "color/sampling.h"

namespace vix {

MagnifierLayout LayoutMagnifier(Point pointer, const Rect& desktop) {
    MagnifierLayout m;
    m.source = {pointer.x - kPointerOffset, pointer.y - kPointerOffset};
    int left = 0;
    int top = 0;
    if (m.source.x < desktop.left) {
        left = kZoom * (desktop.left - m.source.x);
        m.leftStrip = {0, 0, left, kViewSize};
        m.source.x = desktop.left;
    }
    if (m.source.y < desktop.top) {
        top = kZoom * (desktop.top - m.source.y);
        m.topStrip = {0, 0, kViewSize, top};
        m.source.y = desktop.top;
    }
    m.destination = Rect::FromBounds(left, top, kViewSize, kViewSize);
    return m;
}

SampleBox SampleBoxOf(int sampleSize) {
    // The cells of the averaged block, centred on the pointer's cell (36..41).
    const int half = SampleSide(sampleSize) / 2;
    const int first = kPointerOffset * kZoom - half * kZoom;
    const int last = kPointerOffset * kZoom + kZoom - 1 + half * kZoom;
    return {first - 1, last + 1};
}

}  // namespace vix
