#include "photoshop/four_cc.h"

namespace vix {

namespace {
bool Printable(unsigned char c) { return c >= 0x20 && c < 0x7F; }
}  // namespace

std::string FourCCText(FourCC code) {
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>(code >> (8 * (3 - i)));
        text[static_cast<std::size_t>(i)] = Printable(c) ? static_cast<char>(c) : '?';
    }
    return text;
}

FourCC ParseFourCC(const std::string& text) {
    if (text.size() != 4) return 0;
    FourCC code = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (!Printable(c)) return 0;
        code = (code << 8) | c;
    }
    return code;
}

}  // namespace vix
