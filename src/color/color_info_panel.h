#pragma once

#include <array>

#include "color/color_value.h"
#include "tools/tool.h"
#include "ui/label.h"

// The "Extended color information" page: CMYK and hue, saturation,
// brightness of the live colour. Its hot key only opens the Picker tab.

namespace vix {

class ColorInfoPanel final : public Tool {
  public:
    const char* Name() const override { return "colour information"; }
    void Build(ToolPages& pages) override;
    std::vector<HotKeyBinding> HotKeys() override;

    void Create(HWND page);
    // Fills the seven labels for `color` (showcolorvalues).
    void showcolorvalues(ColorWord color);
    void Clear();

    ui::Label lblColorC, lblColorM, lblColorY, lblColorK;
    ui::Label lblHSB_H, lblHSB_S, lblHSB_B;

  private:
    std::array<ui::Label, 7> captions_;
};

}  // namespace vix
