#include "update/update_answer.h"

#include <algorithm>

#include "common/utf16.h"

namespace vix {
namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

void SetItem(std::wstring_view item, UpdateAnswer& list) {
    const auto equals = item.find(L'=');
    if (equals == std::wstring_view::npos) {
        list.Set({}, item);
        return;
    }
    list.Set(item.substr(0, equals), item.substr(equals + 1));
}

}  // namespace

void UpdateAnswer::Set(std::wstring_view name, std::wstring_view value) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const Item& item) { return SameName(item.name, name); });
    if (value.empty()) {
        if (found != items_.end()) items_.erase(found);
        return;
    }
    if (found != items_.end()) {
        found->value = value;
        return;
    }
    items_.push_back({std::wstring(name), std::wstring(value)});
}

std::wstring UpdateAnswer::Value(std::wstring_view name) const {
    for (const auto& item : items_)
        if (SameName(item.name, name)) return item.value;
    return {};
}

bool UpdateAnswer::Has(std::wstring_view name) const {
    return std::any_of(items_.begin(), items_.end(),
                       [&](const Item& item) { return SameName(item.name, name); });
}

void ParseUpdateAnswer(std::wstring_view text, wchar_t separator, UpdateAnswer& list) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != separator) continue;
        SetItem(text.substr(start, i - start), list);
        start = i + 1;
    }
    if (start < text.size()) SetItem(text.substr(start), list);
}

std::optional<std::wstring> DecodeAnswerBody(std::string_view body) {
    if (body.size() > kMaxAnswerBytes) return std::nullopt;
    return FromUtf8(body);
}

}  // namespace vix
