#pragma once

#include "ui/control.h"
#include "ui/skin.h"

// A flat picture-only button with a picture for rest, hover and press. Its
// window text is its hint, which names it for screen readers and tests.

namespace vix::ui {

struct ButtonPictures {
    const Picture* normal = nullptr;
    const Picture* hover = nullptr;
    const Picture* pressed = nullptr;
    friend bool operator==(const ButtonPictures&, const ButtonPictures&) = default;
};

// The pictures of the resources `<base>_70`, `<base>_100` and `<base>_down`;
// without a `_down` picture the hover picture also shows while pressed.
ButtonPictures PicturesOf(std::wstring_view base);
// `<base>_70` at rest and pressed, `<base>_100` under the pointer.
ButtonPictures RestHoverPictures(std::wstring_view base);

class ImageButton : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, std::wstring_view hint, ButtonPictures pictures);
    void SetPictures(ButtonPictures pictures);

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    ButtonPictures pictures_;
    bool hover_ = false;
};

// A picture that reacts to the mouse: the title image.
class PictureBox : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, const Picture& picture);
    void PaintBehind(HDC dc, const Rect& area) const override;

  protected:
    void Paint(HDC dc, Size size) override;

  private:
    const Picture* picture_ = nullptr;
};

}  // namespace vix::ui
