#pragma once

#include <array>
#include <optional>

#include "color/color_value.h"
#include "tools/tool.h"
#include "ui/label.h"

// The "Extended color information" page: CMYK and hue, saturation,
// brightness of the live colour, the WCAG contrast of the last two sampled
// colours, and below it the last sample and that contrast as each of the
// three dichromacies sees them. Its hot key only opens the Picker tab.

namespace vix {

class ColorInfoPanel final : public Tool {
  public:
    const char* Name() const override { return "colour information"; }
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    std::vector<HotKeyBinding> HotKeys() override;

    void Create(HWND page);
    // Paints the seven labels for `color` (showcolorvalues); their window
    // texts follow at SyncCaptions.
    void showcolorvalues(ColorWord color);
    void SyncCaptions();
    // Empties the seven labels; the contrast of the samples stays.
    void Clear();
    // A colour was taken: the contrast label compares it with the one
    // taken before it, if any.
    void SampleTaken(ColorWord color, wchar_t decimal);

    ui::Label lblColorC, lblColorM, lblColorY, lblColorK;
    ui::Label lblHSB_H, lblHSB_S, lblHSB_B;
    ui::Label lblContrast;
    std::array<ui::Label, 3> lblDichromacy;  // protanopia, deuteranopia, tritanopia

  private:
    std::array<ui::Label*, 7> Values();

    std::array<ui::Label, 7> captions_;
    std::optional<ColorWord> lastSample_;
};

}  // namespace vix
