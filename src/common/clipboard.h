#pragma once

#include <string_view>

// The clipboard as the program uses it for text.

namespace vix {

class TextClipboard {
  public:
    virtual ~TextClipboard() = default;
    // Replaces the clipboard's content with `text`; false when the clipboard
    // stayed locked by another program.
    virtual bool SetText(std::wstring_view text) = 0;
};

}  // namespace vix
