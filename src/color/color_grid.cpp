#include "color/color_grid.h"

#include "color/color_gdi.h"
#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix {

void ColorGrid::Create(HWND parent, const Rect& bounds, const ColorLibrary& library) {
    library_ = &library;
    CreateControl(parent, bounds, L"");
    SetBackground(ui::ShadowColor());
}

// StringGrid1DrawCell for every cell: its colour, or white.
void ColorGrid::Paint(HDC dc, Size size) {
    platform::FillSolid(dc, {0, 0, size.width, size.height}, Background());
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const RECT cell{column * 15, row * 14, column * 15 + 14, row * 14 + 13};
            const ColorWord c = library_->GiveLibColor(column, row);
            platform::FillSolid(dc, cell,
                                library_->CheckLibColor(column, row) ? ToGdi(c) : platform::kWhite);
        }
    }
}

}  // namespace vix
