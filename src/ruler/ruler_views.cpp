#include "ruler/ruler_views.h"

#include "ruler/ruler_scale.h"

namespace vix {
namespace {

constexpr int kTickLength = 5;

// A span of cells [first, last] as view pixels [begin, end).
constexpr int CellStart(int cell) { return cell * kEndViewZoom; }
constexpr int CellEnd(int cell) { return cell * kEndViewZoom + kEndViewZoom; }

}  // namespace

EndViewSource LayoutEndView(Point p, const Rect& desktop) {
    EndViewSource v{{p.x - 3, p.y - 3}, {0, 0}};
    if (v.source.x < desktop.left) {
        v.shift.x = kEndViewZoom * (desktop.left - v.source.x);
        v.source.x = desktop.left;
    }
    if (v.source.y < desktop.top) {
        v.shift.y = kEndViewZoom * (desktop.top - v.source.y);
        v.source.y = desktop.top;
    }
    return v;
}

EndViewPiece SchematicPiece(RulerOrientation orientation, bool beginView) {
    // Along the ruler: the point's cell and the three beyond it toward the body.
    const int alongFirst = beginView ? 3 : 0;
    const int alongLast = beginView ? 6 : 3;
    // The crossing line at the outer edge of the point's cell.
    const int cross = beginView ? 21 : 27;
    // Ticks on the first pixel of cells 4..6 (begin) or the last of cells 0..2 (end).
    const int ticks[3] = {beginView ? 28 : 6, beginView ? 35 : 13, beginView ? 42 : 20};

    EndViewPiece piece;
    const bool horizontal = IsHorizontal(orientation);
    // Across the ruler: the cells of its thickness, and where the ticks begin
    // so that they run 5 pixels from the graduated edge into the piece (the
    // edge is view pixel 28 on rulers graduated top or left, 20 otherwise).
    int acrossFirst, acrossLast, tickFrom;
    switch (orientation) {
        case roHorizontalTop:
        case roVerticalLeft: acrossFirst = 4, acrossLast = 6, tickFrom = 28; break;
        case roHorizontalBottom:
        case roVerticalRight:
            acrossFirst = 0, acrossLast = 2, tickFrom = 20 - kTickLength + 1;
            break;
        default: return piece;
    }
    const int a0 = CellStart(alongFirst), a1 = CellEnd(alongLast);
    const int c0 = CellStart(acrossFirst), c1 = CellEnd(acrossLast);
    const auto oriented = [horizontal](int along0, int across0, int along1, int across1) {
        return horizontal ? Rect{along0, across0, along1, across1}
                          : Rect{across0, along0, across1, along1};
    };
    piece.body = oriented(a0, c0, a1, c1);
    piece.black.push_back(oriented(cross, c0, cross + 1, c1));
    for (int t : ticks)
        piece.black.push_back(oriented(t, tickFrom, t + 1, tickFrom + kTickLength));
    return piece;
}

}  // namespace vix
