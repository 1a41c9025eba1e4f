#pragma once

#include <vector>

#include "common/geometry.h"
#include "ruler/ruler_scale.h"

// The two enlarged views of the ruler's ends: 7 x 7 screen pixels, each
// drawn 7 x 7, with a schematic piece of the ruler over them.

namespace vix {

inline constexpr int kEndViewSize = 49;
inline constexpr int kEndViewCells = 7;
inline constexpr int kEndViewZoom = 7;

// The 7 x 7 block round `point`, held to the virtual desktop's left and top
// edges; the view's image shifts right and down by what was cut off, so the
// point stays in the centre cell.
struct EndViewSource {
    Point source;  // top-left of the screen block
    Point shift;   // where the block lands in the view
};
EndViewSource LayoutEndView(Point point, const Rect& desktop);

// The schematic ruler piece: the cells in the ruler colour, then black lines
// (as one-pixel-wide rectangles, right and bottom exclusive).
struct EndViewPiece {
    Rect body;
    std::vector<Rect> black;
};
EndViewPiece SchematicPiece(RulerOrientation orientation, bool beginView);

}  // namespace vix
