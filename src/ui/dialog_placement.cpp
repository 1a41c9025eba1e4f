#include "ui/dialog_placement.h"

namespace vix {

namespace {

// Moves a span of `length` starting at `start` into [low, high), the low
// edge winning when it does not fit.
int Inside(int start, int length, int low, int high) {
    if (start + length > high) start = high - length;
    if (start < low) start = low;
    return start;
}

}  // namespace

Point DialogPosition(Size dialog, const Rect& target, const Rect& workArea) {
    const int x = target.left + (target.width() - dialog.width) / 2;
    const int y = target.top + (target.height() - dialog.height) / 2;
    return {Inside(x, dialog.width, workArea.left, workArea.right),
            Inside(y, dialog.height, workArea.top, workArea.bottom)};
}

}  // namespace vix
