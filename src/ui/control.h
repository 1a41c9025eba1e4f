#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/gdi_color.h"
#include "platform/handle.h"
#include "platform/window.h"

// The base of the skinned child controls: a real child window whose events
// are bound to handlers, as the form designer would bind them. A click is a
// left press and release inside the control; each press of a double-click
// counts, the second one through onDoubleClick.

namespace vix::ui {

class Control : public platform::Window {
  public:
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void(POINT client)> onMouseDown;
    std::function<void(POINT client)> onMouseMove;
    std::function<void(POINT client)> onMouseUp;
    std::function<void(POINT client)> onOtherButtonDown;  // right or middle

    void SetHint(std::wstring hint);
    // No hint of its own: the information bar shows its parent's, if any.
    void ClearHint();
    // For a picture without a caption (views, swatches, the grid): the hint
    // is also its window text, which names it for screen readers.
    void SetPictureHint(std::wstring hint);
    // The child-window identifier, by which automation finds a control
    // that has no caption.
    void SetId(int id);
    // The colour behind standard controls placed on this one (check boxes,
    // radio buttons, static text).
    void SetBackground(platform::GdiColor color);
    platform::GdiColor Background() const { return background_; }
    // Paints what lies behind `area` (in this control's coordinates) into
    // `dc`, whose origin is the area's top-left corner: what a child with
    // transparent parts shows through.
    virtual void PaintBehind(HDC dc, const Rect& area) const;

  protected:
    ~Control() override;
    // A `live` control has a DC of its own, through which Repaint draws at
    // once instead of waiting for a paint message.
    void CreateControl(HWND parent, const Rect& bounds, std::wstring_view text, DWORD style = 0,
                       DWORD exStyle = 0, bool live = false);
    // Shows a change: a live control paints it now, any other asks for a
    // paint. Until the first paint there is nothing shown to change.
    void Repaint();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Paint(HDC dc, Size size) = 0;
    bool Pressed() const { return pressed_; }

  private:
    // The brush behind standard children, made when one first asks for it:
    // a swatch whose colour follows the pointer makes none.
    HBRUSH BackgroundBrush();

    bool pressed_ = false;
    bool painted_ = false;
    bool live_ = false;
    bool hasBackground_ = false;
    platform::GdiColor background_;
    platform::GdiColor brushColor_;
    platform::Brush backgroundBrush_;
};

// Handlers for the notifications that standard controls (lists, edits,
// check boxes) send to their parent, keyed by the control's window.
void OnCommand(HWND control, std::function<void(UINT notifyCode)> handler);
bool DispatchCommand(HWND control, UINT notifyCode);

}  // namespace vix::ui
