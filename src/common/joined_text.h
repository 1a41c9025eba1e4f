#pragma once

#include <array>
#include <cstddef>

// Wide string literals joined at compile time, for constants built from
// other constants: JoinText(L"a", kB, L"c").data() is a terminated string.

namespace vix {

template <std::size_t... N>
constexpr auto JoinText(const wchar_t (&... parts)[N]) {
    // Each part brings its terminator; the result keeps one.
    std::array<wchar_t, (N + ...) - sizeof...(N) + 1> joined{};
    std::size_t at = 0;
    const auto append = [&joined, &at](const wchar_t* part, std::size_t size) {
        for (std::size_t i = 0; i + 1 < size; ++i)
            joined[at++] = part[i];
    };
    (append(parts, N), ...);
    return joined;
}

}  // namespace vix
