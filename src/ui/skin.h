#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/gdi_color.h"

// The look shared by every window of the program: fonts, colours and the
// pictures from the program's resources. Everything here is created on first
// use and lives until the process ends, so drawing never creates GDI objects.

namespace vix::ui {

enum class FontId {
    Main,            // MS Sans Serif, 9 pixels: text on the main panel
    Tab,             // Arial, 11 pixels: tab captions
    TabBold,         // the open tab's caption
    SectionCaption,  // MS Sans Serif, 11 pixels: section bars
    Dialog,          // MS Sans Serif, 8 points: dialogs and the ruler's labels
    DialogBold,
};

HFONT SkinFont(FontId id);

// A 32-bit picture with premultiplied alpha, drawn over whatever lies below.
struct Picture {
    HBITMAP bitmap = nullptr;  // drawn grey and faint for a disabled control
    int width = 0;
    int height = 0;
    explicit operator bool() const { return bitmap != nullptr; }
};

// The BITMAP resource `name` of the program module; an empty picture when
// the resource does not exist.
const Picture& SkinPicture(std::wstring_view name);
void DrawPicture(HDC dc, const Picture& picture, int x, int y, bool dimmed = false);

// A colour as the settings store it: an RGB colour word, or a system colour
// (0x80000000 and its index), resolved to RGB.
platform::GdiColor ColorFromSetting(std::uint32_t stored);

platform::GdiColor FaceColor();
platform::GdiColor ShadowColor();
platform::GdiColor TextColor();
platform::GdiColor SectionBarColor();

}  // namespace vix::ui
