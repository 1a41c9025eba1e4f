#include "color/palette_files.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace vix {
namespace {

constexpr std::wstring_view kEndings[] = {L".act", L".gpl", L".ase", L".css"};

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c; }

bool EndsWith(const std::wstring& name, std::wstring_view ending) {
    if (name.size() < ending.size()) return false;
    const std::size_t start = name.size() - ending.size();
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (AsciiLower(name[start + i]) != ending[i]) return false;
    return true;
}

void Append(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void PutBig16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutBig16(out, v >> 16);
    PutBig16(out, v);
}

void PutFloat(std::vector<std::uint8_t>& out, float f) {
    static_assert(sizeof(float) == sizeof(std::uint32_t));
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    PutBig32(out, bits);
}

}  // namespace

PaletteTarget ChoosePaletteTarget(const std::wstring& chosenName, int filterIndex) {
    for (std::size_t i = 0; i < std::size(kEndings); ++i)
        if (EndsWith(chosenName, kEndings[i])) return {static_cast<PaletteFormat>(i), chosenName};
    const std::size_t byFilter =
        filterIndex >= 1 && filterIndex <= 4 ? static_cast<std::size_t>(filterIndex - 1) : 0;
    return {static_cast<PaletteFormat>(byFilter), chosenName + std::wstring(kEndings[byFilter])};
}

std::string ColorName(ColorWord c) {
    char name[7];
    std::snprintf(name, sizeof name, "%02X%02X%02X", Red(c), Green(c), Blue(c));
    return name;
}

std::vector<std::uint8_t> GimpPalette(std::span<const ColorWord> colors) {
    std::vector<std::uint8_t> out;
    Append(out, "GIMP Palette\nName: VIX colour library\nColumns: 7\n#\n");
    for (ColorWord c : colors) {
        char line[32];
        std::snprintf(line, sizeof line, "%3u %3u %3u\t", Red(c), Green(c), Blue(c));
        Append(out, line);
        Append(out, ColorName(c));
        out.push_back('\n');
    }
    return out;
}

std::vector<std::uint8_t> SwatchExchange(std::span<const ColorWord> colors) {
    std::vector<std::uint8_t> out;
    Append(out, "ASEF");
    PutBig16(out, 1);  // version 1.0
    PutBig16(out, 0);
    PutBig32(out, static_cast<std::uint32_t>(colors.size()));
    for (ColorWord c : colors) {
        const std::string name = ColorName(c);
        const std::uint32_t nameUnits = static_cast<std::uint32_t>(name.size()) + 1;
        PutBig16(out, 0x0001);  // a colour entry
        // Name length, name with its terminating zero, model, three floats, type.
        PutBig32(out, 2 + 2 * nameUnits + 4 + 12 + 2);
        PutBig16(out, nameUnits);
        for (char ch : name)
            PutBig16(out, static_cast<unsigned char>(ch));
        PutBig16(out, 0);
        Append(out, "RGB ");
        for (std::uint8_t v : {Red(c), Green(c), Blue(c)})
            PutFloat(out, static_cast<float>(v) / 255.0f);
        PutBig16(out, 0);  // global
    }
    return out;
}

std::vector<std::uint8_t> CssProperties(std::span<const ColorWord> colors) {
    std::vector<std::uint8_t> out;
    Append(out, ":root {\n");
    for (std::size_t i = 0; i < colors.size(); ++i) {
        Append(out, "  --vix-" + std::to_string(i + 1) + ": #" + ColorName(colors[i]) + ";\n");
    }
    Append(out, "}\n");
    return out;
}

}  // namespace vix
