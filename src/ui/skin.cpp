#include "ui/skin.h"

#include <map>
#include <string>

#include "platform/canvas.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

struct FontSpec {
    const wchar_t* face;
    int height;  // negative: character height in pixels
    int weight;
};

FontSpec SpecOf(FontId id) {
    switch (id) {
        case FontId::Main: return {L"MS Sans Serif", -9, FW_NORMAL};
        case FontId::Tab: return {L"Arial", -11, FW_NORMAL};
        case FontId::TabBold: return {L"Arial", -11, FW_BOLD};
        case FontId::SectionCaption: return {L"MS Sans Serif", -11, FW_NORMAL};
        case FontId::Dialog: return {L"MS Sans Serif", -11, FW_NORMAL};
        case FontId::DialogBold: return {L"MS Sans Serif", -11, FW_BOLD};
    }
    return {L"MS Sans Serif", -11, FW_NORMAL};
}

struct StoredPicture {
    platform::Bitmap bitmap;
    Picture view;
};

// Grey, half as opaque: premultiplied, so the grey level scales with alpha.
platform::Bitmap MakeDimmed(HBITMAP source, int width, int height) {
    platform::Canvas canvas({width, height});
    if (!canvas) return {};
    {
        platform::MemoryDC src(::CreateCompatibleDC(nullptr));
        platform::Selection keepSource(src.get(), source);
        ::BitBlt(canvas.dc(), 0, 0, width, height, src.get(), 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    DWORD* pixels = canvas.pixels();
    for (int i = 0; i < width * height; ++i) {
        const DWORD p = pixels[i];
        const DWORD a = p >> 24;
        const DWORD grey = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
        const DWORD na = a / 2;
        const DWORD ng = (grey / 2 + a * 40 / 255) & 0xFF;
        pixels[i] = (na << 24) | (ng << 16) | (ng << 8) | ng;
    }
    return canvas.TakeBitmap();
}

}  // namespace

HFONT SkinFont(FontId id) {
    CheckUiThread();
    static std::map<FontId, platform::Font> fonts;
    auto& font = fonts[id];
    if (!font) {
        const FontSpec spec = SpecOf(id);
        font.reset(::CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, spec.face));
    }
    return font.get();
}

const Picture& SkinPicture(std::wstring_view name) {
    CheckUiThread();
    static std::map<std::wstring, StoredPicture, std::less<>> pictures;
    if (auto it = pictures.find(name); it != pictures.end()) return it->second.view;
    StoredPicture& stored = pictures[std::wstring(name)];
    const std::wstring key(name);
    stored.bitmap.reset(reinterpret_cast<HBITMAP>(::LoadImageW(
        ::GetModuleHandleW(nullptr), key.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (stored.bitmap) {
        BITMAP info{};
        ::GetObjectW(stored.bitmap.get(), sizeof(info), &info);
        stored.view = {stored.bitmap.get(), info.bmWidth, info.bmHeight};
    }
    return stored.view;
}

// The disabled look of a picture, made when first drawn: most pictures are
// never shown disabled, and making them all at start delays the first paint.
HBITMAP DimmedOf(const Picture& picture) {
    CheckUiThread();
    static std::map<HBITMAP, platform::Bitmap> dimmed;
    auto& made = dimmed[picture.bitmap];
    if (!made) made = MakeDimmed(picture.bitmap, picture.width, picture.height);
    return made.get();
}

// The DC every picture is drawn from, made once rather than per picture
// drawn: pictures are drawn one at a time on the one thread.
HDC PictureSource() {
    CheckUiThread();
    static platform::MemoryDC source(::CreateCompatibleDC(nullptr));
    return source.get();
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y, bool dimmed) {
    if (!picture.bitmap) return;
    HBITMAP bitmap = picture.bitmap;
    if (dimmed) {
        // Without it the button draws its normal picture when disabled.
        if (HBITMAP grey = DimmedOf(picture)) bitmap = grey;
    }
    HDC source = PictureSource();
    platform::Selection keep(source, bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc, x, y, picture.width, picture.height, source, 0, 0, picture.width,
                    picture.height, blend);
}

platform::GdiColor ColorFromSetting(std::uint32_t stored) {
    if ((stored & 0xFF000000u) == 0x80000000u)
        return platform::GdiColor::System(static_cast<int>(stored & 0xFF));
    return platform::GdiColor::Rgb(static_cast<std::uint8_t>(stored),
                                   static_cast<std::uint8_t>(stored >> 8),
                                   static_cast<std::uint8_t>(stored >> 16));
}

platform::GdiColor FaceColor() { return platform::GdiColor::System(COLOR_BTNFACE); }
platform::GdiColor ShadowColor() { return platform::GdiColor::System(COLOR_BTNSHADOW); }
platform::GdiColor TextColor() { return platform::GdiColor::System(COLOR_WINDOWTEXT); }

platform::GdiColor SectionBarColor() {
    // A shade between face and shadow, so bars read as headers on any theme.
    const platform::GdiColor f = FaceColor();
    const platform::GdiColor s = ShadowColor();
    const auto mix = [](int face, int shadow) {
        return static_cast<std::uint8_t>((face * 2 + shadow) / 3);
    };
    return platform::GdiColor::Rgb(mix(f.Red(), s.Red()), mix(f.Green(), s.Green()),
                                   mix(f.Blue(), s.Blue()));
}

}  // namespace vix::ui
