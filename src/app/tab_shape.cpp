#include "app/tab_shape.h"

namespace vix {

TabShape ShapeTab(Size frame) {
    const int w = frame.width;
    const int h = frame.height;
    return {
        .frame = {{{0, 0}, {w - 16, 0}, {w, h}, {w, h}, {0, h}}},
        .caption = {{{0, 0}, {w - 17, 0}, {w - 1, h}, {w, h}, {0, h}}},
    };
}

}  // namespace vix
