#pragma once

#include "ui/control.h"

// A line of text on the colour of the panel below it.

namespace vix::ui {

struct LabelStyle {
    HFONT font = nullptr;                                // null: the main panel's font
    platform::GdiColor color = platform::kNoColor;       // none: the window-text colour
    platform::GdiColor background = platform::kNoColor;  // none: the face colour
    UINT align = DT_LEFT;                                // DT_LEFT, DT_CENTER or DT_RIGHT
    bool wrap = false;
    HCURSOR cursor = nullptr;
};

class Label : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, std::wstring_view text, LabelStyle style = {});
    // Changes the text, repainting only when it differs.
    void SetCaption(std::wstring_view text);
    const std::wstring& Caption() const { return caption_; }

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LabelStyle style_;
    std::wstring caption_;  // the window text, kept to compare without asking the window
};

}  // namespace vix::ui
