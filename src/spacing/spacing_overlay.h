#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "platform/canvas.h"
#include "spacing/spacing_measure.h"
#include "ui/form.h"

// The spacing measure's window while it runs: topmost and borderless over
// the whole virtual desktop, it shows the still copy the measure reads, the
// measurements on it and the label beside the pointer, and hands the
// pointer, the clicks and the keys to the tool.

namespace vix {

// One measurement as drawn: its spans (a box in box mode), and the label
// beside the pointer where it was taken.
struct DrawnMeasure {
    EdgeSpans spans;
    SpacingMode mode = SpacingMode::BothSpans;
    Point pointer;
    std::wstring label;
};

// What the user does on the overlay, in screen coordinates.
struct SpacingInput {
    std::function<void(Point)> moved;
    std::function<void(Point, bool shift)> pressed;
    std::function<void(Point, bool shift)> released;
    std::function<void()> cancelled;  // Esc, a right click
    std::function<void()> nextMode;   // Tab
    std::function<void(int delta)> wheel;
};

class SpacingOverlay final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;

    SpacingInput input;

    // Covers `desktop` with `still` (the copy of it) and takes the keys.
    // The copy stays the caller's and must live until End.
    void Begin(const platform::Canvas& still, const Rect& desktop);
    void End();
    // Draws the kept measurements and the current one over the copy.
    void Draw(const std::vector<DrawnMeasure>& kept, const std::optional<DrawnMeasure>& current);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC target, const RECT& dirty);
    void DrawMeasure(HDC dc, const DrawnMeasure& measure) const;
    // Where the label of `measure` goes, and all that its drawing covers,
    // in the window; `dc` measures the text.
    RECT LabelBox(HDC dc, const DrawnMeasure& measure) const;
    RECT Extent(HDC dc, const DrawnMeasure& measure) const;
    Point ScreenPoint(LPARAM lParam) const;

    const platform::Canvas* still_ = nullptr;
    Rect desktop_;
    platform::Canvas frame_;  // the copy with the drawing, before it is shown
    std::vector<DrawnMeasure> kept_;
    std::optional<DrawnMeasure> current_;
};

}  // namespace vix
