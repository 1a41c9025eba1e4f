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
    // Shows values that change at every tick: painted at once through a DC
    // of its own, with no text measured (left-aligned single lines only).
    bool live = false;
};

class Label : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, std::wstring_view text, LabelStyle style = {});
    // Changes the text, repainting only when it differs.
    void SetCaption(std::wstring_view text);
    // Changes what is painted, at once, leaving the window text as it was:
    // setting that costs calls to the system's server and a message, too
    // much for every tick. SyncCaption makes the window text what is shown.
    void ShowLive(std::wstring_view text);
    void SyncCaption();
    // The window text.
    const std::wstring& Caption() const { return caption_; }
    // What is painted.
    const std::wstring& Shown() const { return shown_; }

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LabelStyle style_;
    std::wstring caption_;  // the window text, kept to compare without asking the window
    std::wstring shown_;
};

}  // namespace vix::ui
