#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The update server's answer: a list of name=value items separated by ";".
// It is read exactly as the server sends it, nothing trimmed, so what the
// program compares and stores is byte for byte what the server said.

namespace vix {

// Name/value list with the lookup rules of the answer: names are found
// without regard to letter case (ASCII letters), setting a name that is
// present replaces its value, and setting an empty value removes the name.
class UpdateAnswer {
  public:
    struct Item {
        std::wstring name;
        std::wstring value;
    };

    void Set(std::wstring_view name, std::wstring_view value);
    // The value of `name`; empty when the name is absent.
    std::wstring Value(std::wstring_view name) const;
    bool Has(std::wstring_view name) const;
    const std::vector<Item>& items() const { return items_; }

  private:
    std::vector<Item> items_;
};

// Splits `text` at every `separator` and sets each item's name (the text
// before its first "=") to its value (the text after it) in `list`. An item
// without "=" has an empty name and the whole item as value. The piece after
// the last separator is an item unless it is empty; every other piece is one
// even when empty.
void ParseUpdateAnswer(std::wstring_view text, wchar_t separator, UpdateAnswer& list);

// The answer is a few dozen bytes; a longer body is not an answer of ours
// and is dropped like any other failed check (no reader needs to hold more
// than this plus one byte to know).
inline constexpr std::size_t kMaxAnswerBytes = 16 * 1024;

// The response body as text (UTF-8; invalid bytes become U+FFFD); nothing
// when it is longer than kMaxAnswerBytes.
std::optional<std::wstring> DecodeAnswerBody(std::string_view body);

}  // namespace vix
